// status, eta, cpa and tide: figures of the loaded voyage.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "lists/HurricaneCpa.h"
#include "tools/TideCalculation.h"
#include "voyage/EtaCalculator.h"
#include "voyage/Schedule.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

const CFixRecord& StartOf(const CCliArgs& args, CMarigoldRouteDoc& doc, bool fixByDefault) {
  const std::string from = args.Option("from").value_or(fixByDefault ? "fix" : "departure");
  if (from == "departure") return doc.Departure();
  if (from != "fix") throw CUsageError{"--from takes departure or fix"};
  return *doc.LatestFix();  // the document always keeps one fix
}

void Line(const char* label, const std::string& value) { std::printf("%-30s %s\n", label, value.c_str()); }

}  // namespace

int RunStatus(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(args.Word(1, "ROUTE"));
  if (!doc) return 1;
  const std::string line = StatusLine(doc->Voyage(), doc->LatestFix());
  CVoyageStatus status(doc->Voyage(), doc->Vessel(), doc->Fixes(), doc->ReportingPoints(), context.clock);
  if (!status.Open(context.prompter)) return 1;
  const CRemainingVoyage& r = status.View().remaining;
  const CNextReportingPoint& point = status.View().nextReportingPoint;
  if (args.Flag("json")) {
    CJsonObject o;
    o.Add("status", line)
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
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  std::printf("%s\n\n", line.c_str());
  Line("Total Remaining Distance:", r.distanceToGo + " nM");
  Line("Scheduled remaining hours:", r.hoursToGo);
  Line("Estimated  fuel consumption:", r.fuel + " mT");
  Line("Av. Ground Spd:", r.legGroundspeed + " kts");
  Line("Required revs:", r.requiredRevs + " rpm");
  Line("Next Waypoint:", r.waypointName);
  Line("Direction:", r.waypointDirection + " deg");
  Line("Distance:", r.waypointDistance + " nM");
  Line("ETA", r.waypointEta);
  Line("Next Reporting Point:", point.name);
  if (!point.time.empty()) Line("Time:", point.time);
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
  fields.fromLatestFix = args.Option("from").value_or("fix") == "fix";
  fields.correctForWeather = !args.Flag("no-weather");
  fields.correctForReduceEngine = !args.Flag("no-reduce");
  const CFixRecord& departure = doc->Departure();
  CEtaCalculator eta(doc->Voyage(), doc->Vessel(), doc->LatestFix(), departure, doc->openedFromFile);
  eta.OnFieldsChanged(fields);
  const CEtaResults& r = eta.Results();
  const std::string etaText = r.eta ? FormatTime("%A %d %b %Y %H:%M LT", LocalFieldsOf(*r.eta)) : std::string("NA");
  if (args.Flag("json")) {
    CJsonObject o;
    o.Add("rpm", r.rpm).Add("groundspeed", r.groundspeed).Add("hours", r.hours).Add("fuel", r.fuel);
    o.Raw("eta", r.eta ? JsonNumber(ToDayNumber(*r.eta)) : "null");
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  Line("Engine rpm:", r.rpmText);
  Line("Groundspeed:", r.groundspeedText + " kts");
  Line("ETA at destination:", etaText);
  Line("Fuel consumption:", r.fuelText);
  return 0;
}

int RunCpa(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(args.Word(1, "ROUTE"));
  if (!doc) return 1;
  CHurricaneList& storms = doc->Storms();
  if (storms.IsEmpty() || doc->Voyage().IsEmpty()) {
    std::fprintf(stderr, "%s\n", kNoVoyageOrStorms);
    return 1;
  }
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
  const CFixRecord& start = StartOf(args, *doc, true);
  const CStormCpa cpa = CalculateCPA(*storm, doc->Voyage(), start);
  if (args.Flag("json")) {
    CJsonObject o;
    o.Add("storm", storm->GetName())
        .Add("time", cpa.stormPosition.GetTimeA())
        .Add("latitude", cpa.stormPosition.GetLatitude())
        .Add("longitude", cpa.stormPosition.GetLongitude())
        .Add("distance", cpa.distance)
        .Add("bearing", cpa.bearing);
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  const CStormCpaTexts t = FormatStormCpa(cpa);
  Line("Storm:", storm->GetName());
  Line("Time:", t.time);
  Line("Position:", t.latitude + "  " + t.longitude);
  Line("Distance:", t.distance);
  Line("Bearing:", t.bearing);
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
  Line("Port:", port->GetName());
  Line("Date:", TideDateText(port->tide));
  Line("Local Time:", Format("%02d:%02d:%02d", hour, minute, second));
  Line("Height of Tide:", TideHeightText(port->tide, at));
  return 0;
}

}  // namespace marigold
