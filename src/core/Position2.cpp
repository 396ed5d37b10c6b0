#include "core/Position2.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/LocalClock.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

int WholeDegrees(double value) { return static_cast<int>(std::fabs(value)); }
double Minutes(double value) { return (std::fabs(value) - WholeDegrees(value)) * 60; }

// Whole degrees and whole minutes for the report forms, truncated. A position
// entered in whole minutes comes back from decimal degrees a hair short
// (1°01' gives 0.99999999999999645'), so allow a micro-minute before
// truncating; 05.99' still reports as 05.
void ReportDegreesMinutes(double value, int& degrees, int& minutes) {
  const auto total = static_cast<long long>(std::fabs(value) * 60 + 1e-6);
  degrees = static_cast<int>(total / 60);
  minutes = static_cast<int>(total % 60);
}

}  // namespace

void CPosition2::Serialize(CArchive& ar) {
  ar.Exchange(reserveValue);
  ar.Exchange(latitude);
  ar.Exchange(longitude);
  ar.Exchange(name);
  ar.Exchange(utcDifference);
  if (ar.IsStoring()) {
    // Other readers of the format take these as times to use: never NaN.
    for (const auto& [value, lastValid] :
         {std::pair(timeA, lastTimeA), std::pair(timeB, lastTimeB), std::pair(time, lastTime)})
      ar.WriteDouble(std::isfinite(value) ? value : lastValid);
    return;
  }
  double loaded[3];
  for (double& value : loaded) value = ar.ReadDouble();
  lastTimeA = lastTimeB = lastTime = 0;
  SetTimeA(loaded[0]);
  SetTimeB(loaded[1]);
  SetTime(loaded[2]);
  changed = false;
}

void CPosition2::SetLatitude(double degrees) {
  latitude = degrees;
  changed = true;
}

void CPosition2::SetLongitude(double degrees) {
  longitude = degrees;
  changed = true;
}

void CPosition2::SetName(std::string newName) {
  name = std::move(newName);
  changed = true;
}

int CPosition2::GetLatitudeDegrees() const { return WholeDegrees(latitude); }
double CPosition2::GetLatitudeMinutes() const { return Minutes(latitude); }
int CPosition2::GetLongitudeDegrees() const { return WholeDegrees(longitude); }
double CPosition2::GetLongitudeMinutes() const { return Minutes(longitude); }

double CPosition2::GetDayNumber(ETimeSlot slot) const {
  switch (slot) {
    case ETimeSlot::TimeA: return timeA;
    case ETimeSlot::TimeB: return timeB;
    case ETimeSlot::Time: break;
  }
  return time;
}

void CPosition2::SetDayNumber(ETimeSlot slot, double dayNumber) {
  switch (slot) {
    case ETimeSlot::TimeA: SetTimeA(dayNumber); return;
    case ETimeSlot::TimeB: SetTimeB(dayNumber); return;
    case ETimeSlot::Time: SetTime(dayNumber); return;
  }
}

std::time_t CPosition2::GetCalendarTimeUtc(ETimeSlot slot) const { return FromDayNumber(GetDayNumber(slot)); }

std::time_t CPosition2::GetCalendarTimeLocal(ETimeSlot slot) const {
  return FromDayNumber(GetDayNumber(slot) + utcDifference);
}

void CPosition2::SetFromLocalTime(ETimeSlot slot, std::time_t localTime) {
  SetDayNumber(slot, ToDayNumber(localTime) - utcDifference);
}

void CPosition2::SetTimeB(std::time_t calendarTime, bool utc) {
  SetTimeB(utc ? ToDayNumber(calendarTime) : ToDayNumber(calendarTime) - utcDifference);
}

std::string CPosition2::LatitudeText() const {
  return Format("%d : %#2.2f %s", GetLatitudeDegrees(), GetLatitudeMinutes(), latitude >= 0 ? "N" : "S");
}

std::string CPosition2::LongitudeText() const {
  return Format("%d : %#2.2f %s", GetLongitudeDegrees(), GetLongitudeMinutes(), longitude >= 0 ? "E" : "W");
}

std::string CPosition2::ReportLatitude() const {
  int degrees, minutes;
  ReportDegreesMinutes(latitude, degrees, minutes);
  return Format("%02d%02d%s/", degrees, minutes, latitude >= 0 ? "N" : "S");
}

std::string CPosition2::ReportLongitude() const {
  int degrees, minutes;
  ReportDegreesMinutes(longitude, degrees, minutes);
  return Format("%03d%02d%s/", degrees, minutes, longitude >= 0 ? "E" : "W");
}

// The day number already holds UTC fields, so no clock is involved.
// A report with a time that is missing is refused before it is built
// (reports/ReportKind); the text of a missing time is "NA/" all the same.
std::string CPosition2::ReportDateTimeGroup(ETimeSlot slot) const {
  return FormatDayNumber("%d%H%MZ", GetDayNumber(slot)) + "/";
}

std::string CPosition2::ReportDateTimeGroupWithMonth(ETimeSlot slot) const {
  return FormatDayNumber("%d%H%MZ%b%y", GetDayNumber(slot)) + "/";
}

}  // namespace marigold
