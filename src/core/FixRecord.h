#pragma once
// A position fix: the ship's position at a time with its course, speed,
// engine and the present weather; also the document's departure record.
#include <string>

#include "core/Position2.h"
#include "core/WeatherData.h"

namespace marigold {

class CFixRecord : public CPosition2 {
 public:
  // The position's eight items, the weather, then ground course,
  // groundspeed, gyro course, log speed, log reading, engine rpm, draft.
  void Serialize(CArchive& ar) override;

  // Report forms, truncated: "045/" for 45.9°, "125/" for 12.5 knots, and
  // the fix time as "DDHHMMZ/" in UTC.
  std::string ReportGroundCourse() const;
  std::string ReportGroundspeed() const;
  std::string ReportTime() const { return ReportDateTimeGroup(ETimeSlot::Time); }

  CWeatherData weather;  // current set and rate: derived from the previous fix
  double draft = 4.0;    // m
  double engineRpm = 0;
  double logSpeed = 0;      // knots through the water
  double gyroCourse = 0;    // degrees
  double logReading = 0;    // nM, the log's counter (modulo 100)
  double groundCourse = 0;  // rhumb-line course made good from the previous fix
  double groundspeed = 0;   // knots made good from the previous fix
};

}  // namespace marigold
