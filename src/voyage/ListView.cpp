#include "voyage/ListView.h"

#include <cstddef>

#include "voyage/ListViewRows.h"

namespace marigold {
namespace {

constexpr auto L = EColumnAlign::Left;
constexpr auto C = EColumnAlign::Centre;
constexpr auto R = EColumnAlign::Right;

CListColumns RouteColumns(bool openedFromFile, const CListColumns& rest) {
  CListColumns columns = rest;
  columns[0] = {openedFromFile ? "Total Voyage" : "Remaining Voyage", L, 120};
  return columns;
}

}  // namespace

CPosition2* CListContent::RecordAt(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return nullptr;
  return rows[static_cast<std::size_t>(row)].record;
}

std::optional<EListKind> ListKindOf(int selectedList) {
  if (selectedList < 0 || selectedList > static_cast<int>(EListKind::Ports)) return std::nullopt;
  return static_cast<EListKind>(selectedList);
}

CListColumns ListColumns(CMarigoldRouteDoc& doc, EListKind kind) {
  const CVoyage& route = doc.Voyage();
  switch (kind) {
    case EListKind::Schedule: {
      const bool rpm = route.keepRpmConstant;
      return RouteColumns(doc.openedFromFile, {{{},
                                                {"Schedule", C, 120},
                                                {rpm ? "Fixed RPM" : "RPM", C, 70},
                                                {rpm ? "Grnd Speed" : "Fixed Grnd Speed", R, 70},
                                                {"Logspeed", R, 70},
                                                {"Wind", R, 80},
                                                {"Current", R, 80},
                                                {"UTC Diff", R, 70}}});
    }
    case EListKind::PositionFixes:
      return {{{"Time", L, 120},
               {"Latitude", R, 80},
               {"Longitude", R, 80},
               {"Gr Course", R, 70},
               {"Gr Speed", R, 70},
               {"Log Speed", R, 70},
               {"Engine rpm", C, 70},
               {"Draft", C, 70}}};
    case EListKind::ReportingPoints:
      return {{{"Action", L, 120}, {"Distance", C, 70}, {"ETA", C, 120}, {}, {}, {"Note", C, 100}, {}, {}}};
    case EListKind::Warnings:
      return {{{"Name", L, 120},
               {"Bearing", C, 70},
               {"Distance", R, 70},
               {"CPA", C, 70},
               {"Time CPA", C, 120},
               {"Warning", C, 120},
               {"Keep Clear", C, 120},
               {"Valid Till", C, 120}}};
    case EListKind::Meteo:
      return {{{"Waypoint", L, 120},
               {"WX Type", C, 120},
               {"Wind Spd", C, 70},
               {"Wind Dir", C, 70},
               {"Current Spd", C, 70},
               {"Current Dir", C, 70},
               {"Pressure", C, 70},
               {"Nr Obs", C, 70}}};
    case EListKind::Waypoints:
      return RouteColumns(doc.openedFromFile, {{{},
                                                {"Latitude", R, 80},
                                                {"Longitude", R, 80},
                                                {"Gr Course", R, 70},
                                                {"Distance", R, 70},
                                                {"Gyro Crs", R, 70},
                                                {"Log Distance", R, 70},
                                                {"Engine rpm", R, 70}}});
    case EListKind::Storms:
      return {{{"Name", L, 120},
               {"Latitude", C, 120},
               {"Longitude", C, 120},
               {"Distance", R, 70},
               {"Bearing", C, 70},
               {"Course", C, 70},
               {"Speed", C, 70},
               {"Pressure", C, 70}}};
    case EListKind::Charts:
    case EListKind::Books:
      return {{{"Number", L, 80},
               {"Description", C, 80},
               {"Publisher", C, 80},
               {"Folio", C, 80},
               {"Date Of Publication", C, 80},
               {"Date Last Correction", C, 80},
               {"nr Last Correction", C, 80},
               {"Edition", C, 80}}};
    case EListKind::Ports:
      return {{{"Name", L, 120},
               {"Country", C, 80},
               {"Latitude", C, 80},
               {"Longitude", C, 80},
               {"Direction (GRC)", C, 80},
               {"Distance (GRC)", C, 80},
               {"Name Agent", C, 80},
               {"Phone", C, 80}}};
  }
  return {};
}

std::vector<CListRow> ListRows(CMarigoldRouteDoc& doc, EListKind kind) {
  switch (kind) {
    case EListKind::Schedule: return listview::ScheduleRows(doc);
    case EListKind::PositionFixes: return listview::FixRows(doc);
    case EListKind::ReportingPoints: return listview::ReportingPointRows(doc);
    case EListKind::Warnings: return listview::WarningListRows(doc);
    case EListKind::Meteo: return listview::MeteoRows(doc);
    case EListKind::Waypoints: return listview::WaypointRows(doc);
    case EListKind::Storms: return listview::StormRows(doc);
    case EListKind::Charts: return listview::PublicationRows(doc, true);
    case EListKind::Books: return listview::PublicationRows(doc, false);
    case EListKind::Ports: return listview::PortRows(doc);
  }
  return {};
}

CListContent FillList(CMarigoldRouteDoc& doc) {
  CListContent content;
  const auto kind = ListKindOf(doc.selectedList);
  if (!kind) return content;
  content.columns = ListColumns(doc, *kind);
  content.rows = ListRows(doc, *kind);
  return content;
}

}  // namespace marigold
