// squat, wheel-over and speed-fuel: the figures of the bridge tools for
// given inputs, each option named after the dialog's field.
#include <cmath>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/RangeCheck.h"
#include "core/TextFormat.h"
#include "vessel/SpeedFuelTool.h"
#include "vessel/WheelOverTool.h"

namespace marigold {
namespace {

// The option's value inside the dialog's range; the standard message and
// exit 1 otherwise.
struct CRangedOption {
  const char* name;
  double low;
  double high;
  bool whole = false;  // a slider's position: whole numbers only
};

std::optional<std::string> CheckOption(double value, const CRangedOption& option) {
  if (!option.whole) return CheckNumberRange(value, option.low, option.high);
  const bool fits = value == std::trunc(value) && value >= option.low && value <= option.high;
  const int low = static_cast<int>(option.low);
  // A value that does not fit gets the message of one below the range.
  return CheckIntegerRange(fits ? static_cast<int>(value) : low - 1, low, static_cast<int>(option.high));
}

// Without a fallback the option must be given.
std::optional<double> Ranged(const CCliArgs& args, const CRangedOption& option,
                             std::optional<double> fallback = std::nullopt) {
  const double value = fallback ? args.OptionalNumber(option.name).value_or(*fallback) : args.Number(option.name);
  if (const auto message = CheckOption(value, option)) {
    std::fprintf(stderr, "marigold: --%s: %s\n", option.name, message->c_str());
    return std::nullopt;
  }
  return value;
}

// "head" or "stern": true for the stern.
bool OnStern(const CCliArgs& args, const char* option, bool fallback) {
  const std::optional<std::string> word = args.Option(option);
  if (!word) return fallback;
  if (*word != "head" && *word != "stern") throw CUsageError{std::string("--") + option + ": head or stern"};
  return *word == "stern";
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

int RunSpeedFuel(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(std::nullopt);
  if (!doc) return 1;
  // A working copy: what is tried here never reaches vessel.dat.
  const CVessel2& vessel = doc->Vessel();
  const auto rpm = Ranged(args, {"rpm", 0, static_cast<double>(vessel.mcrRpm), true}, std::trunc(vessel.engineSetting));
  const auto wind = Ranged(args, {"wind", 0, 60, true}, 0);
  const auto current = Ranged(args, {"current", 0, 6}, 0);
  const auto forward = Ranged(args, {"draft-forward", 0, 99.99}, vessel.draftForward);
  const auto aft = Ranged(args, {"draft-aft", 0, 99.99}, vessel.draftAft);
  const bool windOnStern = OnStern(args, "wind-on", true);
  const bool currentOnStern = OnStern(args, "current-on", false);
  if (!rpm || !wind || !current || !forward || !aft) return 1;

  // The dialog's tool, moved as the officer would move its controls.
  CSpeedFuelTool tool(vessel);
  tool.OnDraftForwardChanged(*forward);
  tool.OnDraftAftChanged(*aft);
  tool.OnWindRadio(windOnStern);
  tool.OnCurrentRadio(currentOnStern);
  tool.OnWindSliderReleased(-static_cast<int>(*wind));
  tool.OnCurrentSliderReleased(-static_cast<int>(std::lround(*current * 100)));
  tool.OnEngineSliderReleased(-static_cast<int>(*rpm), context.prompter);
  const CSpeedFuelView v = tool.View();
  if (args.Flag("json")) {
    const CSpeedFuelView::CFigures& f = v.figures;
    CJsonObject o;
    o.Add("rpm", f.rpm).Add("fuelPerDay", f.fuelPerDay).Add("wind", f.wind).Add("current", f.current);
    o.Add("draftForward", v.draftForward).Add("draftAft", v.draftAft).Add("displacement", v.displacement);
    o.Add("groundSpeed", f.groundSpeed).Add("fuelPerMile", f.fuelPerMile).Add("stopDistance", f.stopDistance);
    o.Add("stopMinutes", f.stopMinutes);
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  const char* windFrom = v.windOnStern ? "on the stern" : "on the head";
  const char* currentFrom = v.currentOnStern ? "on the stern" : "on the head";
  const std::pair<const char*, std::string> lines[] = {
      {"Engine Setting", v.rpm + " rpm  " + v.fuelPerDay + " mT/day"},
      {"Wind", v.windSpeed + " kts " + windFrom},
      {"Current", v.currentRate + " kts " + currentFrom},
      {"Draft Forward", FormatFigure("%.2f m", v.draftForward)},
      {"Draft Aft", FormatFigure("%.2f m", v.draftAft)},
      {"Displacement", FormatFigure("%.0f mT", v.displacement)},
      {"Grnd speed", v.groundSpeed.text + " kts"},
      {"Fuel cons", v.fuelPerMile.text + " kg/nM"},
      {"Stop dist", v.stopDistance.text + " nM"},
      {"Stop Time", v.stopTime.text + " hrs"},
  };
  for (const auto& [label, text] : lines) std::printf("%-16s%s\n", label, text.c_str());
  return 0;
}

}  // namespace marigold
