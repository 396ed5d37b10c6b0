#include "lists/PortSheet.h"

#include "core/TextFormat.h"

namespace marigold {
namespace {

// A bound as the page shows it: "0.999", and whole numbers as "999.0".
std::string BoundText(double value) {
  std::string text = Format("%g", value);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

}  // namespace

std::string PortSheetCaption(const CPortInfo& port, bool inserting) {
  return inserting ? std::string("New Port") : port.GetName();
}

std::optional<std::string> CheckPortRange(double value, const CPortRange& range) {
  // Written so that a value that is not a number is refused too.
  if (value >= range.minimum && value <= range.maximum) return std::nullopt;
  return "Please enter a number between " + BoundText(range.minimum) + " and " + BoundText(range.maximum) + ".";
}

std::optional<std::string> ValidatePortLimits(double maxDraft, double salinity, double maxAirDraft) {
  if (auto message = CheckPortRange(maxDraft, kPortMaxDraftRange)) return message;
  if (auto message = CheckPortRange(salinity, kPortSalinityRange)) return message;
  return CheckPortRange(maxAirDraft, kPortMaxAirDraftRange);
}

}  // namespace marigold
