#include "lists/CsvForms.h"

namespace marigold {

void WritePositionColumns(const CPosition2& p, CCsvRow& row) {
  row.Text(p.GetName());
  row.Number("%#2.4f", p.GetLatitude());
  row.Number("%#3.4f", p.GetLongitude());
  row.Number("%#2.6f", p.GetUtcDifferenceDays());
  row.Number("%#6.6f", p.GetTime());
  row.Number("%#6.6f", p.GetTimeB());
  row.Number("%#6.6f", p.GetTimeA());
}

void ReadPositionColumns(CPosition2& p, const CCsvFields& fields) {
  std::string name = p.GetName();
  double latitude = p.GetLatitude(), longitude = p.GetLongitude(), utcDays = p.GetUtcDifferenceDays();
  double time = p.GetTime(), timeB = p.GetTimeB(), timeA = p.GetTimeA();
  fields.Read(0, name);
  fields.Read(1, latitude);
  fields.Read(2, longitude);
  fields.Read(3, utcDays);
  fields.Read(4, time);
  fields.Read(5, timeB);
  fields.Read(6, timeA);
  p.SetName(std::move(name));
  p.SetLatitude(latitude);
  p.SetLongitude(longitude);
  p.SetUtcDifferenceDays(utcDays);
  p.SetTime(time);
  p.SetTimeB(timeB);
  p.SetTimeA(timeA);
}

void WriteCsv(const CWaypoint& w, CCsvRow& row) {
  WritePositionColumns(w, row);
  row.Flag(w.keepGroundspeed);
  row.Flag(w.waypointFlag);
  row.Flag(w.passWithin);
  row.Flag(w.greatCircle);
  row.Number("%#3.4f", w.resistanceIndex);
  row.Number("%#3.3f", w.keptGroundspeed);
  row.Number("%#3.3f", w.groundCourse);
  row.Number("%#6.3f", w.legDistance);
  row.Number("%#3.3f", w.gyroCourse);
  row.Number("%#6.3f", w.logDistance);
  row.Number("%#3.2f", w.passWithinDistance);
  row.Number("%#4.1f", w.engineRpm);
}

void ReadCsv(CWaypoint& w, const CCsvFields& fields) {
  ReadPositionColumns(w, fields);
  fields.ReadFlag(7, w.keepGroundspeed);
  fields.ReadFlag(8, w.waypointFlag);
  fields.ReadFlag(9, w.passWithin);
  fields.ReadFlag(10, w.greatCircle);
  fields.Read(11, w.resistanceIndex);
  fields.Read(12, w.keptGroundspeed);
  fields.Read(13, w.groundCourse);
  fields.Read(14, w.legDistance);
  fields.Read(15, w.gyroCourse);
  fields.Read(16, w.logDistance);
  fields.Read(17, w.passWithinDistance);
  fields.Read(18, w.engineRpm);
}

void WriteCsv(const CFixRecord& f, CCsvRow& row) {
  WritePositionColumns(f, row);
  row.Number("%#3.1f", f.draft);
  row.Number("%#3.1f", f.engineRpm);
  row.Number("%#3.2f", f.groundCourse);
  row.Number("%#3.2f", f.groundspeed);
  row.Number("%#3.1f", f.gyroCourse);
  row.Number("%#3.1f", f.logSpeed);
  row.Number("%#3.1f", f.logReading);
  row.Number("%#3.1f", f.weather.currentSet);
  row.Number("%#2.1f", f.weather.currentRate);
  row.Number("%#3.1f", f.weather.windDirection);
  row.Number("%#2.1f", f.weather.windSpeed);
  row.Number("%#4.1f", f.weather.airPressure);
  row.Number("%#2.1f", f.weather.airTemperature);
  row.Number("%#2.1f", f.weather.seawaterTemperature);
}

}  // namespace marigold
