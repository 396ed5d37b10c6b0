#pragma once
// The tree beside the list: one item per list. Choosing an item makes its
// list the document's selected list.
#include <array>
#include <optional>
#include <string_view>

#include "lists/ItemFile.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

struct CTreeItem {
  const char* text;
  int image;  // shown while the item is not selected
  EListKind list;
};

// In the order the tree shows them.
inline constexpr std::array<CTreeItem, 10> kTreeItems = {{
    {"Schedule", 0, EListKind::Schedule},
    {"Waypoints", 5, EListKind::Waypoints},
    {"Position Fixes", 1, EListKind::PositionFixes},
    {"Reporting Points", 2, EListKind::ReportingPoints},
    {"Warnings", 3, EListKind::Warnings},
    {"Meteo", 4, EListKind::Meteo},
    {"Hurricanes", 6, EListKind::Storms},
    {"Charts", 7, EListKind::Charts},
    {"Books", 8, EListKind::Books},
    {"Ports", 9, EListKind::Ports},
}};
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
