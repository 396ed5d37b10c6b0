// status, eta, cpa and tide: figures of the loaded voyage.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "lists/HurricaneCpaTool.h"
#include "tools/TideCalculation.h"
#include "voyage/CommandChecks.h"
#include "voyage/EtaCalculator.h"
#include "voyage/Schedule.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

constexpr const char* kDateTimeFormat = "%A %d %b %Y %H:%M LT";

// --from, by default where the dialogs preselect: the departure while the
// route is as opened from its file, else the latest fix.
bool FromLatestFix(const CCliArgs& args, const CMarigoldRouteDoc& doc) {
  const std::string from = args.Option("from").value_or(doc.openedFromFile ? "departure" : "fix");
  if (from != "departure" && from != "fix") throw CUsageError{"--from takes departure or fix"};
  return from == "fix";
}

}  // namespace

void PrintLine(const char* label, const std::string& value) { std::printf("%-30s %s\n", label, value.c_str()); }

int RunStatus(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(args.Word(1, "ROUTE"));
  if (!doc) return 1;
  const std::string line = StatusLine(doc->Voyage(), doc->LatestFix());
  CVoyageStatus status(doc->Voyage(), doc->Vessel(), doc->Fixes(), doc->ReportingPoints(), context.clock);
  if (!status.Open(context.prompter)) return 1;
  // The fixes the history runs between, as the dialog's "From:" and "Till:".
  std::optional<std::pair<int, int>> history;
  if (const auto from = args.Option("history")) {
    const int count = doc->Fixes().GetCount();
    history = {ParseIndex(*from, count, "--history FROM"),
               ParseIndex(args.Word(2, "TILL after --history FROM"), count, "--history TILL")};
    status.OnFromChosen(history->first);
    status.OnTillChosen(history->second);
  }
  const CVoyageStatusView& v = status.View();
  const CRemainingVoyage& r = v.remaining;
  const CNextReportingPoint& point = v.nextReportingPoint;
  const std::string eta = doc->Voyage().IsEmpty() ? "NA" : FormatTime(kDateTimeFormat, LocalFieldsOf(v.scheduledEta));
  if (args.Flag("json")) {
    CJsonObject o;
    o.Add("status", line)
        .Add("scheduledEta", eta)
        .Add("distanceToGo", r.distanceToGo)
        .Add("hoursToGo", r.hoursToGo)
        .Add("fuel", r.fuel)
        .Add("legGroundspeed", r.legGroundspeed)
        .Add("requiredRevs", r.requiredRevs)
        .Add("nextWaypoint", r.waypointName)
        .Add("nextWaypointDirection", r.waypointDirection)
        .Add("nextWaypointDistance", r.waypointDistance)
        .Add("nextWaypointEta", r.waypointEta)
        .Add("nextReportingPoint", point.name)
        .Add("nextReportingPointTime", point.time);
    if (history)
      o.Add("history", CJsonObject()
                           .Add("distanceMade", v.history.distanceMade)
                           .Add("groundSpeed", v.history.groundSpeed)
                           .Add("waterSpeed", v.history.waterSpeed));
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  std::printf("%s\n\n", line.c_str());
  PrintLine("Scheduled ETA :", eta);
  PrintLine("Total Remaining Distance:", r.distanceToGo + " nM");
  PrintLine("Scheduled remaining hours:", r.hoursToGo);
  PrintLine("Estimated  fuel consumption:", r.fuel + " mT");
  PrintLine("Av. Ground Spd:", r.legGroundspeed + " kts");
  PrintLine("Required revs:", r.requiredRevs + " rpm");
  PrintLine("Next Waypoint:", r.waypointName);
  PrintLine("Direction:", r.waypointDirection + " deg");
  PrintLine("Distance:", r.waypointDistance + " nM");
  PrintLine("ETA", r.waypointEta);
  PrintLine("Next Reporting Point:", point.name);
  if (!point.time.empty()) PrintLine("Time:", point.time);
  if (history) {
    PrintLine("From:", v.fixTexts[history->first]);
    PrintLine("Till:", v.fixTexts[history->second]);
    PrintLine("Total distance made:", v.history.distanceMade + " nM");
    PrintLine("Average ground speed:", v.history.groundSpeed + " kts");
    PrintLine("Water speed:", v.history.waterSpeed + " kts");
  }
  return 0;
}

int RunEta(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(args.Word(1, "ROUTE"));
  if (!doc) return 1;
  if (!CanCalculateEta(doc->Voyage(), context.prompter)) return 1;
  CEtaFields fields;
  const auto rpm = args.OptionalNumber("rpm");
  const auto speed = args.OptionalNumber("speed");
  if (bool(rpm) == bool(speed)) throw CUsageError{"give either --rpm or --speed"};
  fields.byGroundspeed = bool(speed);
  fields.rpm = rpm ? static_cast<int>(*rpm) : 0;
  fields.groundspeed = speed.value_or(0);
  fields.fromLatestFix = FromLatestFix(args, *doc);
  fields.correctForWeather = !args.Flag("no-weather");
  fields.correctForReduceEngine = !args.Flag("no-reduce");
  const CFixRecord& departure = doc->Departure();
  CEtaCalculator eta(doc->Voyage(), doc->Vessel(), doc->LatestFix(), departure, doc->openedFromFile);
  eta.OnFieldsChanged(fields);
  const CEtaResults& r = eta.Results();
  const std::string etaText = r.eta ? FormatTime(kDateTimeFormat, LocalFieldsOf(*r.eta)) : std::string("NA");
  if (args.Flag("json")) {
    CJsonObject o;
    o.Add("rpm", r.rpm).Add("groundspeed", r.groundspeed).Add("hours", r.hours).Add("fuel", r.fuel);
    o.Raw("eta", r.eta ? JsonNumber(ToDayNumber(*r.eta)) : "null");
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  PrintLine("Engine rpm:", r.rpmText);
  PrintLine("Groundspeed:", r.groundspeedText + " kts");
  PrintLine("ETA at destination:", etaText);
  PrintLine("Fuel consumption:", r.fuelText);
  return 0;
}

int RunCpa(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(args.Word(1, "ROUTE"));
  if (!doc) return 1;
  CHurricaneList& storms = doc->Storms();
  if (!NeedsStormAndRoute(*doc)) return 1;
  const CHurricane* storm = storms.GetHead();
  if (const auto chosen = args.Option("storm")) {
    storm = nullptr;
    for (const auto& record : storms)
      if (record->GetName() == *chosen) storm = static_cast<const CHurricane*>(record.get());
    char* end = nullptr;
    const long index = std::strtol(chosen->c_str(), &end, 10);
    if (!storm && *end == '\0' && index >= 1 && index <= storms.GetCount())
      storm = storms.GetAt(static_cast<int>(index - 1));
    if (!storm) throw CUsageError{"no storm " + *chosen};
  }
  CHurricaneCpaTool tool(storms, doc->Voyage(), doc->LatestFix(), doc->Departure(), doc->openedFromFile);
  tool.OnCalculate(storms.IndexOf(storm), FromLatestFix(args, *doc));
  const CStormCpa& cpa = tool.View().cpa;
  if (args.Flag("json")) {
    CJsonObject o;
    o.Add("storm", storm->GetName())
        .Add("from", tool.View().fromLatestFix ? "fix" : "departure")
        .Add("time", cpa.stormPosition.GetTimeA())
        .Add("latitude", cpa.stormPosition.GetLatitude())
        .Add("longitude", cpa.stormPosition.GetLongitude())
        .Add("distance", cpa.distance)
        .Add("bearing", cpa.bearing);
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  const CStormCpaTexts& t = tool.View().results;
  PrintLine("Storm:", storm->GetName());
  PrintLine("Time:", t.time);
  PrintLine("Position:", t.latitude + "  " + t.longitude);
  PrintLine("Distance:", t.distance);
  PrintLine("Bearing:", t.bearing);
  if (!tool.View().note.empty()) std::fprintf(stderr, "%s\n", tool.View().note.c_str());
  return 0;
}

int RunTide(const CCliArgs& args, CCliContext& context) {
  const std::string name = args.Word(1, "PORT");
  const std::string time = args.Required("time");
  int hour = 0, minute = 0, second = 0;
  const int n = std::sscanf(time.c_str(), "%d:%d:%d", &hour, &minute, &second);
  if (n < 2 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    throw CUsageError{"--time wants HH:MM[:SS]"};
  CMarigoldRouteDoc* doc = context.Document(std::nullopt);
  const CPortInfo* port = nullptr;
  for (const auto& record : doc->Ports())
    if (record->GetName() == name) port = static_cast<const CPortInfo*>(record.get());
  char* end = nullptr;
  const long index = std::strtol(name.c_str(), &end, 10);
  if (!port && *end == '\0' && index >= 1 && index <= doc->Ports().GetCount())
    port = doc->Ports().GetAt(static_cast<int>(index - 1));
  if (!port) {
    std::fprintf(stderr, "No port %s\n", name.c_str());
    return 1;
  }
  CCivilTime picker = LocalFieldsOf(context.clock.Now());
  picker.hour = hour, picker.minute = minute, picker.second = second;
  const std::time_t at = CalendarTimeFromLocal(picker);
  PrintLine("Port:", port->GetName());
  PrintLine("Date:", TideDateText(port->tide));
  PrintLine("Local Time:", Format("%02d:%02d:%02d", hour, minute, second));
  PrintLine("Height of Tide:", TideHeightText(port->tide, at));
  return 0;
}

}  // namespace marigold
