#include "voyage/VoyageSheet.h"

#include "core/LocalClock.h"
#include "core/SheetFields.h"
#include "core/TextFormat.h"
#include "voyage/Schedule.h"
#include "voyage/ScheduleMath.h"

namespace marigold {
namespace {

CCivilTime LocalTime(const CPosition2& at, ETimeSlot slot) {
  return CivilTimeOf(at.GetDayNumber(slot) + at.GetUtcDifferenceDays());
}

double FromLocalTime(const CPosition2& at, const CCivilTime& local) {
  return DayNumberOf(local) - at.GetUtcDifferenceDays();
}

// The dates go into the route only where they differ from what the fields
// showed, so that a time left alone keeps its fraction of a second.
void ApplyDates(const CCivilTime& begin, const CCivilTime& eta, CVoyage& route) {
  if (route.GetCount() < 2) return;
  SetBeginSeavoyage(begin, route);
  CWaypoint& last = *route.GetTail();
  if (!(eta == LocalTime(last, ETimeSlot::TimeB))) last.SetTimeB(FromLocalTime(last, eta));
}

CVoyagePageResults VoyagePageResults(const CVoyage& route) {
  const CRouteTotals totals = RouteTotals(route);
  return {FormatFigure("%#8.1f", totals.distance), FormatFigure("%#3.1f", totals.duration),
          FormatFigure("%#3.1f", totals.averageSpeed)};
}

CVesselPageResults VesselPageResults(const CVessel2& vessel) {
  return {FormatFigure("%#4.2f", vessel.Freeboard()), FormatFigure("%#4.2f", vessel.EyeHeight()),
          FormatFigure("%#4.2f", vessel.MastHeight())};
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

CCivilTime BeginSeavoyage(const CVoyage& route, const CClock& clock) {
  return route.GetCount() >= 2 ? LocalTime(*route.GetHead(), ETimeSlot::Time) : LocalFieldsOf(clock.Now());
}

void SetBeginSeavoyage(const CCivilTime& local, CVoyage& route) {
  if (route.GetCount() < 2) return;
  CWaypoint& first = *route.GetHead();
  if (local == LocalTime(first, ETimeSlot::Time)) return;
  first.SetTime(FromLocalTime(first, local));
  first.SetTimeA(first.GetTime());
}

CVoyageSheetFields ReadVoyageSheet(const CVoyage& route, const CVessel2& vessel, const CClock& clock) {
  CVoyageSheetFields f;
  f.voyageNumber = route.voyageNumber;
  f.beginSeavoyage = BeginSeavoyage(route, clock);
  f.etaPilotstation =
      route.GetCount() >= 2 ? LocalTime(*route.GetTail(), ETimeSlot::TimeB) : LocalFieldsOf(clock.Now());
  f.draftForward = Shown(vessel.draftForward, kDraftDecimals);
  f.draftAft = Shown(vessel.draftAft, kDraftDecimals);
  f.displacement = Shown(vessel.voyageDisplacement, kReadingDecimals);
  f.presentWeather = route.weatherSource;
  f.keepRpmConstant = route.keepRpmConstant;
  f.notes = route.notes;
  return f;
}

std::optional<CFieldRefusal> Validate(const CVoyageSheetFields& f) {
  if (auto refusal = CheckNumberField("draftForward", f.draftForward, 0.0, 99.0)) return refusal;
  if (auto refusal = CheckNumberField("draftAft", f.draftAft, 0.0, 99.0)) return refusal;
  return CheckNumberField("displacement", f.displacement, 0.0, 999999.0);
}

void ApplyVoyageSheet(const CVoyageSheetFields& f, CVoyage& route, CVessel2& vessel) {
  route.voyageNumber = f.voyageNumber;
  ApplyDates(f.beginSeavoyage, f.etaPilotstation, route);
  SetIfEdited(f.draftForward, Shown(vessel.draftForward, kDraftDecimals), vessel.draftForward);
  SetIfEdited(f.draftAft, Shown(vessel.draftAft, kDraftDecimals), vessel.draftAft);
  SetIfEdited(f.displacement, Shown(vessel.voyageDisplacement, kReadingDecimals), vessel.voyageDisplacement);
  route.weatherSource = f.presentWeather;
  route.keepRpmConstant = f.keepRpmConstant;
  route.notes = f.notes;
}

CVoyageSheet::CVoyageSheet(const CVoyage& route, const CVessel2& vessel, const CMeteoList& meteo)
    : vessel_(vessel), meteo_(meteo) {
  CopyVoyage(route, route_);
  Recompute();
}

void CVoyageSheet::Recompute() {
  view_.voyage = VoyagePageResults(route_);
  view_.vessel = VesselPageResults(vessel_);
  if (weatherShown_) view_.weather = WeatherPageResults(route_, vessel_, meteo_);
}

void CVoyageSheet::OnDatesChanged(const CCivilTime& begin, const CCivilTime& eta) {
  ApplyDates(begin, eta, route_);
  Recompute();
}

void CVoyageSheet::OnDraftsChanged(double forward, double aft) {
  vessel_.draftForward = forward;
  vessel_.draftAft = aft;
  Recompute();
}

void CVoyageSheet::OnWeatherPageShown() {
  weatherShown_ = true;
  Recompute();
}

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
