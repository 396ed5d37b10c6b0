// The tables of list kinds and record lists: names, numbers and commands
// found both ways, and the record each list holds.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <typeinfo>
#include <utility>

#include "core/CommandIds.h"
#include "lists/ListKind.h"
#include "lists/RecordTypes.h"

namespace marigold {
namespace {

TEST(ListKind, NamesAndNumbersLeadBackToTheirKind) {
  std::set<std::string> names;
  std::set<std::string> cliNames;
  for (int number = 0; number < kListKindCount; ++number) {
    const std::optional<EListKind> kind = ListKindOf(number);
    ASSERT_TRUE(kind);
    const CListKindInfo& info = ListKindInfo(*kind);
    EXPECT_EQ(std::tuple(static_cast<int>(info.kind), ListKindNamed(info.cliName)), std::tuple(number, kind));
    EXPECT_TRUE(names.insert(info.name).second && cliNames.insert(info.cliName).second) << info.name;
  }
  for (const int outside : {-1, 10, 11, 20}) EXPECT_FALSE(ListKindOf(outside));
  EXPECT_FALSE(ListKindNamed("Schedule"));  // the tree's text is not a command-line name
}

// The records of an item file are of the type the list's rows show.
TEST(ListKind, EachListHoldsItsOwnRecords) {
  const std::pair<EListKind, const std::type_info*> kCases[] = {
      {EListKind::Schedule, &typeid(CWaypoint)},
      {EListKind::PositionFixes, &typeid(CFixRecord)},
      {EListKind::ReportingPoints, &typeid(CReportingPoint)},
      {EListKind::Warnings, &typeid(CNavWarning)},
      {EListKind::Meteo, &typeid(CWaypoint)},
      {EListKind::Waypoints, &typeid(CWaypoint)},
      {EListKind::Storms, &typeid(CHurricane)},
      {EListKind::Charts, &typeid(CPublication)},
      {EListKind::Books, &typeid(CPublication)},
      {EListKind::Ports, &typeid(CPortInfo)},
  };
  for (const auto& [kind, record] : kCases) {
    const auto made = MakeRecord(ListKindInfo(kind).shows);
    EXPECT_EQ(typeid(*made), *record) << ListKindInfo(kind).name;
  }
  EXPECT_EQ(typeid(*MakeRecord(ERecordList::Meteo)), typeid(CMeteoRecord));
}

TEST(ListKind, CsvCommandsNameTheirList) {
  std::set<int> commands;
  for (int i = 0; i < kRecordListCount; ++i) {
    const auto list = static_cast<ERecordList>(i);
    const CRecordListInfo& info = RecordListInfo(list);
    EXPECT_EQ(RecordListNamed(info.name), list);
    for (const auto& [id, import] : {std::pair(info.exportCommand, false), std::pair(info.importCommand, true)}) {
      if (import && id == 0) continue;
      ASSERT_TRUE(CsvCommandOf(id)) << id;
      EXPECT_EQ(std::tuple(CsvCommandOf(id)->list, CsvCommandOf(id)->import, commands.insert(id).second),
                std::tuple(list, import, true));
    }
  }
  // The history is exported only.
  EXPECT_EQ(std::tuple(commands.size(), RecordListInfo(ERecordList::Fixes).importCommand), std::tuple(15u, 0));
  EXPECT_FALSE(CsvCommandOf(command::kInsertWaypoint) || CsvCommandOf(0));
}

}  // namespace
}  // namespace marigold
