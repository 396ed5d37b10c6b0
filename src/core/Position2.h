#pragma once
// A named position with a difference to UTC and three times: the base of
// every located record (waypoint, fix, meteo observation, storm, port, ...).
#include <cmath>
#include <ctime>
#include <string>

#include "core/Archive.h"

namespace marigold {

// The three day-number times a position carries (all UTC).
enum class ETimeSlot { Time, TimeA, TimeB };

class CPosition2 {
 public:
  CPosition2() = default;
  virtual ~CPosition2() = default;
  CPosition2(const CPosition2&) = default;
  CPosition2& operator=(const CPosition2&) = default;

  // Writes or reads the eight items of the position: reserve value, latitude,
  // longitude, name, UTC difference (days), timeA, timeB, time. Loading clears
  // the changed flag. Derived records append their own fields.
  virtual void Serialize(CArchive& ar);

  double GetLatitude() const { return latitude; }
  double GetLongitude() const { return longitude; }
  void SetLatitude(double degrees);
  void SetLongitude(double degrees);
  // Split forms: whole degrees (truncated), minutes as a double, hemisphere.
  int GetLatitudeDegrees() const;
  double GetLatitudeMinutes() const;
  bool IsSouth() const { return latitude < 0; }
  int GetLongitudeDegrees() const;
  double GetLongitudeMinutes() const;
  bool IsWest() const { return longitude < 0; }

  const std::string& GetName() const { return name; }
  void SetName(std::string newName);

  // Entered and shown in hours, kept in days.
  double GetUtcDifference() const { return utcDifference * 24; }
  void SetUtcDifference(double hours) { utcDifference = hours * (1.0 / 24); }
  void SetUtcDifferenceDays(double days) { utcDifference = days; }
  double GetUtcDifferenceDays() const { return utcDifference; }

  double GetReserveValue() const { return reserveValue; }
  void SetReserveValue(double value) { reserveValue = value; }

  bool IsChanged() const { return changed; }
  void SetChanged(bool value) { changed = value; }

  // Raw day numbers (UTC). A time that cannot be computed is not-a-number
  // here (shown as "NA"); the archive never stores it: it writes the last
  // time that was a number instead (0, the default, when there was none).
  double GetTime() const { return time; }
  double GetTimeA() const { return timeA; }
  double GetTimeB() const { return timeB; }
  void SetTime(double dayNumber) { Keep(time, lastTime, dayNumber); }
  void SetTimeA(double dayNumber) { Keep(timeA, lastTimeA, dayNumber); }
  void SetTimeB(double dayNumber) { Keep(timeB, lastTimeB, dayNumber); }
  double GetDayNumber(ETimeSlot slot) const;
  void SetDayNumber(ETimeSlot slot, double dayNumber);

  // As calendar times: the UTC figures, or the local time at this position.
  std::time_t GetCalendarTimeUtc(ETimeSlot slot) const;
  std::time_t GetCalendarTimeLocal(ETimeSlot slot) const;
  // From a calendar time entered in the position's local time.
  void SetFromLocalTime(ETimeSlot slot, std::time_t localTime);
  // timeB from a calendar time given in UTC (utc set) or in local time.
  void SetTimeB(std::time_t calendarTime, bool utc);

  // Display forms, e.g. "51 : 5.30 N" and "3 : 12.00 W".
  std::string LatitudeText() const;
  std::string LongitudeText() const;
  // Report forms, e.g. "5105N/" and "00312W/".
  std::string ReportLatitude() const;
  std::string ReportLongitude() const;
  // Date-time groups of the UTC time, e.g. "051230Z/" and "051230ZDec03/".
  std::string ReportDateTimeGroup(ETimeSlot slot = ETimeSlot::Time) const;
  std::string ReportDateTimeGroupWithMonth(ETimeSlot slot = ETimeSlot::Time) const;

 private:
  double utcDifference = 0;  // days
  std::string name = "New Position";
  double reserveValue = 15.0;  // archived; nothing in the program reads it
  double longitude = 5.0;
  double latitude = 45.0;
  double timeA = 0;
  double time = 0;
  double timeB = 0;
  bool changed = false;
  // The last value of each time that was a number: what the archive stores.
  double lastTime = 0;
  double lastTimeA = 0;
  double lastTimeB = 0;

  static void Keep(double& field, double& lastValid, double value) {
    field = value;
    if (std::isfinite(value)) lastValid = value;
  }
};

}  // namespace marigold
