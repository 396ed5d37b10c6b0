// average-weather: what the meteo records hold for a waypoint or a position.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/LocalClock.h"
#include "lists/AverageWeatherTool.h"
#include "lists/MeteoSeason.h"

namespace marigold {
namespace {

// "YYYY-MM-DD" as the calendar time of that day's noon, in local time.
std::time_t ParseDate(const std::string& text) {
  int year = 0, month = 0, day = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &rest) == 3 && year >= 1901 && year <= 2099 &&
      month >= 1 && month <= 12 && day >= 1) {
    const std::time_t noon = CalendarTimeFromLocal({year, month, day, 12, 0, 0});
    const CCivilTime back = LocalFieldsOf(noon);
    if (back.year == year && back.month == month && back.day == day) return noon;
  }
  throw CUsageError{"--date wants YYYY-MM-DD: " + text};
}

}  // namespace

int RunAverageWeather(const CCliArgs& args, CCliContext& context) {
  CMarigoldRouteDoc* doc = context.Document(args.Word(1, "ROUTE"));
  if (!doc) return 1;
  const auto waypoint = args.Option("waypoint");
  const auto latitude = args.Option("position");
  if (waypoint && latitude) throw CUsageError{"give either --waypoint or --position"};
  if (args.Option("date") && args.Flag("latest")) throw CUsageError{"give either --date or --latest"};

  CAverageWeatherTool tool(doc->Voyage(), doc->Meteo());
  // As the dialog opens, but on today's date unless another is given.
  CAverageWeatherFields fields = tool.View().fields;
  fields.date = context.clock.Now();
  if (waypoint) {
    const int count = static_cast<int>(tool.View().waypointNames.size());
    if (count == 0) throw CUsageError{"--waypoint: the route has fewer than two waypoints; give --position"};
    fields.waypointIndex = ParseIndex(*waypoint, count, "--waypoint");
    fields.enterPosition = false;
  }
  if (latitude) {
    fields.position =
        PositionFields(ParseLatitude(*latitude), ParseLongitude(args.Word(2, "LON after --position LAT")));
    fields.enterPosition = true;
  }
  if (const auto date = args.Option("date")) fields.date = ParseDate(*date);
  fields.latestOnly = args.Flag("latest");
  tool.OnCalculate(fields);

  const CAverageWeatherView& v = tool.View();
  const CPosition2 position = ReadPosition(v.fields.position);
  const std::string where = v.fields.enterPosition ? std::string() : v.waypointNames[v.fields.waypointIndex];
  const std::string data =
      v.fields.latestOnly ? "Latest observation" : SeasonName(SeasonOfMonth(LocalFieldsOf(v.fields.date).month));
  if (args.Flag("json")) {
    CJsonObject o;
    o.Add("waypoint", where)
        .Add("latitude", position.GetLatitude())
        .Add("longitude", position.GetLongitude())
        .Add("data", data)
        .Add("windDirection", v.windDirection)
        .Add("windSpeed", v.windSpeed)
        .Add("currentDirection", v.currentDirection)
        .Add("currentSpeed", v.currentSpeed)
        .Add("airTemperature", v.airTemperature)
        .Add("airPressure", v.airPressure)
        .Add("seaTemperature", v.seaTemperature)
        .Add("observations", v.observations);
    std::printf("%s\n", o.Text().c_str());
    return 0;
  }
  if (!where.empty()) PrintLine("Waypoint:", where);
  PrintLine("Position:", position.LatitudeText() + "  " + position.LongitudeText());
  PrintLine("Data:", data);
  PrintLine("Wind direction", v.windDirection);
  PrintLine("Speed", v.windSpeed);
  PrintLine("Current direction", v.currentDirection);
  PrintLine("Speed", v.currentSpeed);
  PrintLine("Air temperature", v.airTemperature);
  PrintLine("Air pressure", v.airPressure);
  PrintLine("Sea temperature", v.seaTemperature);
  PrintLine("Nr observations", v.observations);
  return 0;
}

}  // namespace marigold
