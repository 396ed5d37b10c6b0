#include "voyage/ListView.h"

#include <array>
#include <cstddef>

#include "voyage/ListViewRows.h"

namespace marigold {
namespace {

constexpr auto L = EColumnAlign::Left;
constexpr auto C = EColumnAlign::Centre;
constexpr auto R = EColumnAlign::Right;

std::vector<CListRow> ChartRows(CMarigoldRouteDoc& doc) { return listview::PublicationRows(doc, true); }
std::vector<CListRow> BookRows(CMarigoldRouteDoc& doc) { return listview::PublicationRows(doc, false); }

// What the list view shows of each kind: the columns (the first of the
// Schedule and Waypoints lists and the Schedule's speed columns are titled
// by the document's settings) and the rows.
struct CListViewKind {
  CListColumns columns;
  std::vector<CListRow> (*rows)(CMarigoldRouteDoc&);
};

const CListColumns kPublicationColumns = {{{"Number", L, 80},
                                           {"Description", C, 80},
                                           {"Publisher", C, 80},
                                           {"Folio", C, 80},
                                           {"Date Of Publication", C, 80},
                                           {"Date Last Correction", C, 80},
                                           {"nr Last Correction", C, 80},
                                           {"Edition", C, 80}}};

// In the order of EListKind.
const std::array<CListViewKind, kListKindCount> kViews = {{
    {{{{},
       {"Schedule", C, 120},
       {"RPM", C, 70},
       {"Fixed Grnd Speed", R, 70},
       {"Logspeed", R, 70},
       {"Wind", R, 80},
       {"Current", R, 80},
       {"UTC Diff", R, 70}}},
     listview::ScheduleRows},
    {{{{"Time", L, 120},
       {"Latitude", R, 80},
       {"Longitude", R, 80},
       {"Gr Course", R, 70},
       {"Gr Speed", R, 70},
       {"Log Speed", R, 70},
       {"Engine rpm", C, 70},
       {"Draft", C, 70}}},
     listview::FixRows},
    {{{{"Action", L, 120}, {"Distance", C, 70}, {"ETA", C, 120}, {}, {}, {"Note", C, 100}, {}, {}}},
     listview::ReportingPointRows},
    {{{{"Name", L, 120},
       {"Bearing", C, 70},
       {"Distance", R, 70},
       {"CPA", C, 70},
       {"Time CPA", C, 120},
       {"Warning", C, 120},
       {"Keep Clear", C, 120},
       {"Valid Till", C, 120}}},
     listview::WarningListRows},
    {{{{"Waypoint", L, 120},
       {"WX Type", C, 120},
       {"Wind Spd", C, 70},
       {"Wind Dir", C, 70},
       {"Current Spd", C, 70},
       {"Current Dir", C, 70},
       {"Pressure", C, 70},
       {"Nr Obs", C, 70}}},
     listview::MeteoRows},
    {{{{},
       {"Latitude", R, 80},
       {"Longitude", R, 80},
       {"Gr Course", R, 70},
       {"Distance", R, 70},
       {"Gyro Crs", R, 70},
       {"Log Distance", R, 70},
       {"Engine rpm", R, 70}}},
     listview::WaypointRows},
    {{{{"Name", L, 120},
       {"Latitude", C, 120},
       {"Longitude", C, 120},
       {"Distance", R, 70},
       {"Bearing", C, 70},
       {"Course", C, 70},
       {"Speed", C, 70},
       {"Pressure", C, 70}}},
     listview::StormRows},
    {kPublicationColumns, ChartRows},
    {kPublicationColumns, BookRows},
    {{{{"Name", L, 120},
       {"Country", C, 80},
       {"Latitude", C, 80},
       {"Longitude", C, 80},
       {"Direction (GRC)", C, 80},
       {"Distance (GRC)", C, 80},
       {"Name Agent", C, 80},
       {"Phone", C, 80}}},
     listview::PortRows},
}};

}  // namespace

CPosition2* CListContent::RecordAt(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return nullptr;
  return rows[static_cast<std::size_t>(row)].record;
}

CListColumns ListColumns(CMarigoldRouteDoc& doc, EListKind kind) {
  CListColumns columns = kViews[static_cast<std::size_t>(kind)].columns;
  if (ListKindInfo(kind).startRow) columns[0] = {doc.openedFromFile ? "Total Voyage" : "Remaining Voyage", L, 120};
  if (kind == EListKind::Schedule && doc.Voyage().keepRpmConstant) {
    columns[2].title = "Fixed RPM";
    columns[3].title = "Grnd Speed";
  }
  return columns;
}

std::vector<CListRow> ListRows(CMarigoldRouteDoc& doc, EListKind kind) {
  return kViews[static_cast<std::size_t>(kind)].rows(doc);
}

CListContent FillList(CMarigoldRouteDoc& doc) {
  return {ListColumns(doc, doc.selectedList), ListRows(doc, doc.selectedList)};
}

}  // namespace marigold
