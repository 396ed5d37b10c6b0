#pragma once
// What the printed pages show besides the ten lists: the reports of their
// own that the print dialogs choose while they are open. The numbers follow
// the list kinds' (0 to 9) and name every printed body from 10 to 20.
#include <cstdint>

namespace marigold {

class CMarigoldRouteDoc;
enum class EListKind : std::int32_t;

enum class EPrintMode : std::int32_t {
  VoyageStatus = 10,
  CoverPage = 11,
  SpeedGraph = 12,
  PlottingSheet = 13,
  StormAdvisory = 14,
  InboundTraject = 15,
  OutboundTraject = 16,
  TideCurveDeparture = 17,
  TideCurveArrival = 18,
  NotesPage = 19,
  VoyageGraph = 20,
};

// A print dialog's hold on what is printed, for as long as it is open: it
// chooses a print mode or a list, and on closing the document gets back the
// selected list and the print mode it had before.
class CPrintScope {
 public:
  CPrintScope(CMarigoldRouteDoc& doc, EPrintMode mode);
  ~CPrintScope();
  CPrintScope(const CPrintScope&) = delete;
  CPrintScope& operator=(const CPrintScope&) = delete;

  void Choose(EPrintMode mode);
  // A list is printed as the selected list (the list view shows it too).
  void Choose(EListKind list);

 private:
  CMarigoldRouteDoc& doc_;
  EListKind previousList_;
  bool hadMode_;
  EPrintMode previousMode_;
};

}  // namespace marigold
