#include "exchange/CsvForms.h"

#include <array>

#include "core/LocalClock.h"
#include "core/TextFormat.h"

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

namespace {

constexpr std::size_t kColumnsPerSeason = 8;

// Winter, spring, summer, autumn: the calendar order, not the file order.
template <class Record>
auto SeasonsOf(Record& r) {
  return std::array{&r.winter, &r.spring, &r.summer, &r.autumn};
}

bool ReadFlagColumn(const CCsvFields& fields, std::size_t column, bool current) {
  fields.ReadFlag(column, current);
  return current;
}

}  // namespace

void WriteCsv(const CMeteoRecord& m, CCsvRow& row) {
  WritePositionColumns(m, row);
  for (const CWeatherData* w : SeasonsOf(m)) {
    row.Number("%#4.1f", w->airPressure);
    row.Number("%#2.1f", w->airTemperature);
    row.Number("%#2.1f", w->seawaterTemperature);
    row.Number("%#3.1f", w->currentSet);
    row.Number("%#2.1f", w->currentRate);
    row.Number("%#3.1f", w->windDirection);
    row.Number("%#3.1f", w->windSpeed);
    row.Integer("%d", w->count);
  }
}

void ReadCsv(CMeteoRecord& m, const CCsvFields& fields) {
  ReadPositionColumns(m, fields);
  std::size_t column = 7;
  for (CWeatherData* w : SeasonsOf(m)) {
    fields.Read(column + 0, w->airPressure);
    fields.Read(column + 1, w->airTemperature);
    fields.Read(column + 2, w->seawaterTemperature);
    fields.Read(column + 3, w->currentSet);
    fields.Read(column + 4, w->currentRate);
    fields.Read(column + 5, w->windDirection);
    fields.Read(column + 6, w->windSpeed);
    int count = w->count;
    fields.Read(column + 7, count);
    w->count = count;
    column += kColumnsPerSeason;
  }
}

void WriteCsv(const CNavWarning& w, CCsvRow& row) {
  WritePositionColumns(w, row);
  row.Text(w.number);
  row.Number("%#3.1f", w.passingDistance);
  row.Number("%#8.4f", w.validFrom);
  row.Number("%#8.4f", w.validTill);
}

void ReadCsv(CNavWarning& w, const CCsvFields& fields) {
  ReadPositionColumns(w, fields);
  fields.Read(7, w.number);
  fields.Read(8, w.passingDistance);
  fields.Read(9, w.validFrom);
  fields.Read(10, w.validTill);
}

void WriteCsv(const CReportingPoint& p, CCsvRow& row) {
  WritePositionColumns(p, row);
  row.Text(p.requiredAction);
  row.Text(p.notes);
}

void ReadCsv(CReportingPoint& p, const CCsvFields& fields) {
  ReadPositionColumns(p, fields);
  fields.Read(7, p.requiredAction);
  fields.Read(8, p.notes);
}

void WriteCsv(const CHurricane& h, CCsvRow& row) {
  WritePositionColumns(h, row);
  row.Number("%#3.2f", h.course);
  row.Number("%#3.2f", h.speed);
  row.Integer("%d", h.maxWind);
  row.Integer("%d", h.eyePressure);
  row.Integer("%d", h.windRange);
}

void ReadCsv(CHurricane& h, const CCsvFields& fields) {
  ReadPositionColumns(h, fields);
  fields.Read(7, h.course);
  fields.Read(8, h.speed);
  int value = h.maxWind;
  fields.Read(9, value);
  h.maxWind = value;
  value = h.eyePressure;
  fields.Read(10, value);
  h.eyePressure = value;
  value = h.windRange;
  fields.Read(11, value);
  h.windRange = value;
}

void WriteCsv(const CPortInfo& p, CCsvRow& row) {
  WritePositionColumns(p, row);
  row.Flag(p.bunkers);
  row.Flag(p.dockyard);
  row.Flag(p.freshWater);
  row.Flag(p.garbageDisposal);
  row.Flag(p.sludgeDisposal);
  row.Flag(p.reservedFlag != 0);
  row.Flag(p.victuals);
  row.Number("%#3.1f", p.maxAirDraft);
  row.Number("%#3.1f", p.maxDraft);
  row.Number("%#6.6f", p.salinity);
  row.Text(p.country);
  row.Text(p.agentEmail);
  row.Text(p.agentName);
  row.Text(p.berth);
  row.Text(p.notes);
  row.Text(p.agentTelephone);
}

void ReadCsv(CPortInfo& p, const CCsvFields& fields) {
  ReadPositionColumns(p, fields);
  fields.ReadFlag(7, p.bunkers);
  fields.ReadFlag(8, p.dockyard);
  fields.ReadFlag(9, p.freshWater);
  fields.ReadFlag(10, p.garbageDisposal);
  fields.ReadFlag(11, p.sludgeDisposal);
  p.reservedFlag = ReadFlagColumn(fields, 12, p.reservedFlag != 0) ? 1 : 0;
  fields.ReadFlag(13, p.victuals);
  fields.Read(14, p.maxAirDraft);
  fields.Read(15, p.maxDraft);
  fields.Read(16, p.salinity);
  fields.Read(17, p.country);
  fields.Read(18, p.agentEmail);
  fields.Read(19, p.agentName);
  fields.Read(20, p.berth);
  fields.Read(21, p.notes);
  fields.Read(22, p.agentTelephone);
}

void WriteCsv(const CPublication& p, CCsvRow& row) {
  WritePositionColumns(p, row);
  row.Flag(p.chart);
  row.Number("%#8.8f", p.value4);
  row.Number("%#3.3f", p.value5);
  row.Text(p.edition);
  row.Text(p.folio);
  row.Text(p.description);
  row.Text(p.correctionNumber);
  row.Text(p.number);
  row.Text(p.publisher);
  row.Text(FormatTime("%a %d %b %H:%M %YY", LocalFieldsOf(p.correctionDate)));
  row.Text(FormatTime("%a %d %b %H:%M %YY", LocalFieldsOf(p.publicationDate)));
}

void ReadCsv(CPublication& p, const CCsvFields& fields) {
  ReadPositionColumns(p, fields);
  fields.ReadFlag(7, p.chart);
  fields.Read(8, p.value4);
  fields.Read(9, p.value5);
  fields.Read(10, p.edition);
  fields.Read(11, p.folio);
  fields.Read(12, p.description);
  fields.Read(13, p.correctionNumber);
  fields.Read(14, p.number);
  fields.Read(15, p.publisher);
}

}  // namespace marigold
