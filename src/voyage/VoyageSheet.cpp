#include "voyage/VoyageSheet.h"

#include "core/TextFormat.h"
#include "voyage/Schedule.h"
#include "voyage/ScheduleMath.h"

namespace marigold {
namespace {

CVoyagePageResults VoyagePageResults(const CVoyage& route) {
  const CRouteTotals totals = RouteTotals(route);
  return {FormatFigure("%#8.1f", totals.distance), FormatFigure("%#3.1f", totals.duration),
          FormatFigure("%#3.1f", totals.averageSpeed)};
}

CWeatherPageResults WeatherPageResults(CVoyage& route, CVessel2& vessel, const CMeteoList& meteo) {
  if (route.GetCount() < 2) return {"NA", "NA", "0", "0"};
  const CWaypoint& first = *route.GetHead();
  CFixRecord start;
  start.SetLatitude(first.GetLatitude());
  start.SetLongitude(first.GetLongitude());
  start.SetUtcDifferenceDays(first.GetUtcDifferenceDays());
  start.SetTime(first.GetTime());
  start.SetTimeA(first.GetTimeA());
  FillWeather(route, meteo);
  Calculate(route, vessel, start);
  const CScheduleTotals totals = TotalsFrom(route, vessel, start);
  const double logSpeed = schedule::PerHour(totals.logDistance, HoursToGo(route, start));
  return {FormatFigure("%#8.0f", totals.fuel), FormatFigure("%#8.0f", totals.logDistance),
          FormatFigure("%#3.1f", logSpeed),
          FormatFigure("%#3.0f", vessel.RpmForSpeed(logSpeed, totals.averageResistance))};
}

}  // namespace

CVoyageSheet::CVoyageSheet(CVoyage& route, CVessel2& vessel, const CMeteoList& meteo)
    : route_(route), vessel_(vessel), meteo_(meteo) {
  view_.voyage = VoyagePageResults(route);
}

void CVoyageSheet::OnWeatherPageShown() { view_.weather = WeatherPageResults(route_, vessel_, meteo_); }

void CVoyageSheet::OnWeatherSourceChosen(bool presentWeather, CPrompter& prompter) {
  if (presentWeather) prompter.Message(kPresentWeatherNotice, EMessageIcon::Exclamation);
  route_.weatherSource = presentWeather;
  OnWeatherPageShown();
}

void CVoyageSheet::OnKeepRpmChosen(bool keepRpm) {
  route_.keepRpmConstant = keepRpm;
  OnWeatherPageShown();
}

}  // namespace marigold
