#include "voyage/NavigationTree.h"

namespace marigold {

std::optional<EListKind> TreeListOf(std::string_view itemText) {
  for (const EListKind kind : kTreeOrder)
    if (itemText == ListKindInfo(kind).name) return kind;
  return std::nullopt;
}

bool OnTreeSelection(CMarigoldRouteDoc& doc, std::optional<std::string_view> itemText) {
  if (!itemText) {
    doc.Prompter().Message(kSelectListFirst, EMessageIcon::None);
    return false;
  }
  if (const auto list = TreeListOf(*itemText)) {
    doc.selectedList = *list;
    // Every time, so the officer is reminded on each look at the schedule.
    if (*list == EListKind::Schedule && doc.Voyage().weatherSource)
      doc.Prompter().Message(kLatestWeatherOnlyWarning, EMessageIcon::Exclamation);
  }
  doc.listChanged = true;
  return true;
}

}  // namespace marigold
