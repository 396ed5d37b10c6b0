// squat and wheel-over: the figures of the bridge tools for given inputs,
// each option named after the dialog's field.
#include <cmath>
#include <cstdio>

#include "cli/Commands.h"
#include "core/RangeCheck.h"
#include "core/TextFormat.h"
#include "vessel/WheelOverTool.h"

namespace marigold {
namespace {

// The option's value inside the dialog's range; the standard message and
// exit 1 otherwise.
struct CRangedOption {
  const char* name;
  double low;
  double high;
};

// Without a fallback the option must be given.
std::optional<double> Ranged(const CCliArgs& args, const CRangedOption& option,
                             std::optional<double> fallback = std::nullopt) {
  const double value = fallback ? args.OptionalNumber(option.name).value_or(*fallback) : args.Number(option.name);
  if (const auto message = CheckNumberRange(value, option.low, option.high)) {
    std::fprintf(stderr, "marigold: --%s: %s\n", option.name, message->c_str());
    return std::nullopt;
  }
  return value;
}

}  // namespace

int RunSquat(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(std::nullopt);
  if (!doc) return 1;
  // A working copy: what is tried here never reaches vessel.dat.
  CVessel2 vessel = doc->Vessel();
  const auto speed = Ranged(args, {"speed", 0, 30}, 0);
  const auto forward = Ranged(args, {"draft-forward", 0, 99.99}, vessel.draftForward);
  const auto aft = Ranged(args, {"draft-aft", 0, 99.99}, vessel.draftAft);
  if (!speed || !forward || !aft) return 1;
  vessel.draftForward = *forward;
  vessel.draftAft = *aft;
  double runningAft = *aft;
  double runningForward = *forward;
  const double squat = vessel.Squat(!args.Flag("shallow"), *speed, runningAft, runningForward);
  std::printf("Squat:         %s m\nDraft Aft:     %s m\nDraft Forward: %s m\n", FormatFigure("%#.2f", squat).c_str(),
              FormatFigure("%#2.1f", runningAft).c_str(), FormatFigure("%#2.1f", runningForward).c_str());
  return 0;
}

int RunWheelOver(const CCliArgs& args, CCliContext&) {
  const auto course = Ranged(args, {"course", 0, 360});
  const auto speed = Ranged(args, {"speed", 0, 40});
  const auto intended = Ranged(args, {"intended", 0, 360});
  const auto currentDirection = Ranged(args, {"current-dir", 0, 360}, 0);
  const auto currentSpeed = Ranged(args, {"current-speed", 0, 10}, 0);
  const auto rate = Ranged(args, {"rate", 0, 40}, 20);
  if (!course || !speed || !intended || !currentDirection || !currentSpeed || !rate) return 1;
  // The dialog's tool on typed data, so that the figures read as there.
  const CVoyage noRoute;
  CWheelOverTool tool(noRoute);
  tool.OnFieldsEdited({*course, *speed, *intended, *currentDirection, *currentSpeed});
  tool.OnRateSliderReleased(40 - static_cast<int>(std::trunc(*rate)));
  const CWheelOverView v = tool.View();
  const std::pair<const char*, const std::string*> lines[] = {
      {"Original steered course:", &v.originalSteered},
      {"Logspeed:", &v.originalLogSpeed},
      {"Final steerde course:", &v.finalSteered},
      {"Logspeed:", &v.finalLogSpeed},
      {"Duration of change:", &v.duration},
      {"Wheel over point distance:", &v.wheelOverDistance},
      {"Radius of course change:", &v.radius},
      {"Cross track error (XTE)", &v.crossTrackError},
  };
  for (const auto& [label, text] : lines) std::printf("%-27s%s\n", label, text->c_str());
  return 0;
}

}  // namespace marigold
