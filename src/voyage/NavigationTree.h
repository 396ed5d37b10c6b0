#pragma once
// The tree beside the list: one item per list. Choosing an item makes its
// list the document's selected list.
#include <array>
#include <optional>
#include <string_view>

#include "lists/ListKind.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

// The lists in the order the tree shows them; each item shows the list's
// name and image (ListKindInfo).
inline constexpr std::array<EListKind, kListKindCount> kTreeOrder = {
    EListKind::Schedule, EListKind::Waypoints, EListKind::PositionFixes, EListKind::ReportingPoints,
    EListKind::Warnings, EListKind::Meteo,     EListKind::Storms,        EListKind::Charts,
    EListKind::Books,    EListKind::Ports,
};
inline constexpr int kTreeSelectedImage = 10;
inline constexpr int kTreeImageCount = 11;

inline constexpr const char* kSelectListFirst = "Please select list first";
inline constexpr const char* kLatestWeatherOnlyWarning =
    "Your voyageplanning has been set to use\nonly the latest weatherobservation.\nThis might result in less "
    "accurate wind\nand current data being used";

// The tree item of a text; no value for any other text.
std::optional<EListKind> TreeListOf(std::string_view itemText);

// The tree's selection changed to the item with this text (no value when
// nothing is selected, which only says so). Sets the selected list, warns
// on "Schedule" while the route uses the latest observation only, and sets
// the list-changed flag. True when the list view must refresh.
bool OnTreeSelection(CMarigoldRouteDoc& doc, std::optional<std::string_view> itemText);

}  // namespace marigold
