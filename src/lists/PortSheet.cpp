#include "lists/PortSheet.h"

#include "core/RangeCheck.h"

namespace marigold {
std::string PortSheetCaption(const CPortInfo& port, bool inserting) {
  return inserting ? std::string("New Port") : port.GetName();
}

std::optional<std::string> CheckPortRange(double value, const CPortRange& range) {
  return CheckNumberRange(value, range.minimum, range.maximum);
}

std::optional<std::string> ValidatePortLimits(double maxDraft, double salinity, double maxAirDraft) {
  if (auto message = CheckPortRange(maxDraft, kPortMaxDraftRange)) return message;
  if (auto message = CheckPortRange(salinity, kPortSalinityRange)) return message;
  return CheckPortRange(maxAirDraft, kPortMaxAirDraftRange);
}

}  // namespace marigold
