#pragma once
// What the port sheet needs besides the port's own fields: its caption, the
// texts of its choices and the range checks of the "General" page.
#include <array>
#include <optional>
#include <string>

#include "lists/PortInfo.h"

namespace marigold {

struct CPortRange {
  double minimum;
  double maximum;
};

inline constexpr CPortRange kPortMaxDraftRange{0.0, 999.0};     // "Max Draft:"
inline constexpr CPortRange kPortSalinityRange{0.999, 1.035};   // "Salinity:"
inline constexpr CPortRange kPortMaxAirDraftRange{2.0, 999.0};  // "Max Airdraft"

// Indexed by ladder side and call pilot unit.
inline constexpr std::array<const char*, 2> kLadderSideTexts{"SB", "PS"};
inline constexpr std::array<const char*, 2> kCallPilotUnitTexts{"Hours", "nM"};

// "New Port" while inserting, else the port's name.
std::string PortSheetCaption(const CPortInfo& port, bool inserting);

// The standard message, e.g. "Please enter a number between 0.999 and
// 1.035.", when the value is outside the range (or not a number at all).
std::optional<std::string> CheckPortRange(double value, const CPortRange& range);

// The "General" page's checks in the page's order: max draft, salinity, max
// air draft. No value when all three are accepted.
std::optional<std::string> ValidatePortLimits(double maxDraft, double salinity, double maxAirDraft);

}  // namespace marigold
