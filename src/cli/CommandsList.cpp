// list, schedule and waypoints: the rows and cells the list view shows.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/RecordJson.h"
#include "voyage/ListView.h"
#include "voyage/Schedule.h"

namespace marigold {
namespace {

int ShowList(EListKind kind, const std::string& route, const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(route);
  if (!doc) return 1;
  const std::string from = args.Option("from").value_or("departure");
  if (from != "departure" && from != "fix") throw CUsageError{"--from takes departure or fix"};
  // Opening a route starts the lists from the departure, as the desktop does.
  doc->openedFromFile = from == "departure";
  doc->selectedList = kind;
  const CListColumns columns = ListColumns(*doc, kind);
  const std::vector<CListRow> rows = ListRows(*doc, kind);
  if (!args.Flag("json")) {
    for (const CListColumn& c : columns) std::printf("%s\t", c.title.c_str());
    std::printf("\n");
    for (const CListRow& row : rows) {
      for (const std::string& cell : row.cells) std::printf("%s\t", cell.c_str());
      std::printf("\n");
    }
    return 0;
  }
  const CFixRecord& start = StartPosition(*doc);
  std::vector<std::string> items;
  for (const CListRow& row : rows) {
    CJsonObject o = row.record ? ToJson(*row.record) : CJsonObject();
    std::vector<std::string> cells;
    for (const std::string& cell : row.cells) cells.push_back(JsonString(cell));
    o.Raw("cells", JsonArray(cells));
    items.push_back(o.Text());
  }
  std::vector<std::string> titles;
  for (const CListColumn& c : columns) titles.push_back(JsonString(c.title));
  CJsonObject out;
  out.Add("list", args.Word(0, "command") == "list" ? args.Word(1, "LIST") : args.Word(0, "command"))
      .Add("start", ToJson(start))
      .Raw("columns", JsonArray(titles))
      .Raw("rows", JsonArray(items));
  if (kind == EListKind::Schedule || kind == EListKind::Waypoints) {
    CFixRecord startCopy = start;
    const CScheduleTotals t = TotalsFrom(doc->Voyage(), doc->Vessel(), startCopy);
    const CRouteTotals r = RouteTotals(doc->Voyage());
    CJsonObject totals;
    totals.Add("logDistance", t.logDistance)
        .Add("fuel", t.fuel)
        .Add("revolutions", t.revolutions)
        .Add("weatherLogDistance", t.weatherLogDistance)
        .Add("averageResistance", t.averageResistance)
        .Add("hoursToGo", HoursToGo(doc->Voyage(), startCopy))
        .Add("routeDistance", r.distance)
        .Add("routeDuration", r.duration)
        .Add("averageSpeed", r.averageSpeed);
    out.Add("totals", totals);
  }
  std::printf("%s\n", out.Text().c_str());
  return 0;
}

}  // namespace

int RunList(const CCliArgs& args, CCliContext& context) {
  const std::string command = args.Word(0, "command");
  if (command == "schedule" || command == "waypoints")
    return ShowList(*ListKindNamed(command), args.Word(1, "ROUTE"), args, context);
  const std::string name = args.Word(1, "LIST");
  const auto kind = ListKindNamed(name);
  if (!kind) throw CUsageError{"unknown list: " + name};
  return ShowList(*kind, args.Word(2, "ROUTE"), args, context);
}

}  // namespace marigold
