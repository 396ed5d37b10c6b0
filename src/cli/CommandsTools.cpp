// Commands that need no voyage.
#include <cstdio>

#include "cli/Commands.h"
#include "core/Navigation.h"

namespace marigold {

int RunLeg(const CCliArgs& args, CCliContext&) {
  CPosition2 from, to;
  from.SetLatitude(ParseLatitude(args.Word(1, "LAT")));
  from.SetLongitude(ParseLongitude(args.Word(2, "LON")));
  to.SetLatitude(ParseLatitude(args.Word(3, "LAT")));
  to.SetLongitude(ParseLongitude(args.Word(4, "LON")));
  const CNavigation nav;
  std::printf("From        %s  %s\n", from.LatitudeText().c_str(), from.LongitudeText().c_str());
  std::printf("To          %s  %s\n", to.LatitudeText().c_str(), to.LongitudeText().c_str());
  for (const bool gc : {true, false}) {
    const double course = nav.Course(from, to, gc);
    std::printf("%-11s %6.1f nM  initial course %05.1f deg (%s)\n", gc ? "Greatcircle" : "Rhumbline",
                nav.Distance(from, to, gc), course, nav.CompassPoint(course).c_str());
  }
  return 0;
}

}  // namespace marigold
