#include "cli/RecordJson.h"

namespace marigold {
namespace {

void AddPosition(CJsonObject& o, const CPosition2& p) {
  o.Add("name", p.GetName())
      .Add("reserveValue", p.GetReserveValue())
      .Add("latitude", p.GetLatitude())
      .Add("longitude", p.GetLongitude())
      .Add("utcDifference", p.GetUtcDifferenceDays())
      .Add("time", p.GetTime())
      .Add("timeA", p.GetTimeA())
      .Add("timeB", p.GetTimeB());
}

std::string Texts(const std::vector<std::string>& texts) {
  std::vector<std::string> items;
  for (const std::string& t : texts) items.push_back(JsonString(t));
  return JsonArray(items);
}

void AddOwn(CJsonObject& o, const CWaypoint& w) {
  o.Add("keepGroundspeed", w.keepGroundspeed)
      .Add("keptGroundspeed", w.keptGroundspeed)
      .Add("greatCircle", w.greatCircle)
      .Add("passWithin", w.passWithin)
      .Add("passWithinDistance", w.passWithinDistance)
      .Add("useAverageWeather", w.useAverageWeather)
      .Add("waypointFlag", w.waypointFlag)
      .Add("legDistance", w.legDistance)
      .Add("groundCourse", w.groundCourse)
      .Add("gyroCourse", w.gyroCourse)
      .Add("logDistance", w.logDistance)
      .Add("resistanceIndex", w.resistanceIndex)
      .Add("engineRpm", w.engineRpm)
      .Add("legRevolutions", w.legRevolutions)
      .Add("legWeatherLogDistance", w.legWeatherLogDistance)
      .Add("weather", ToJson(w.weather));
}

void AddOwn(CJsonObject& o, const CFixRecord& f) {
  o.Add("draft", f.draft)
      .Add("engineRpm", f.engineRpm)
      .Add("logSpeed", f.logSpeed)
      .Add("gyroCourse", f.gyroCourse)
      .Add("logReading", f.logReading)
      .Add("groundCourse", f.groundCourse)
      .Add("groundspeed", f.groundspeed)
      .Add("weather", ToJson(f.weather));
}

void AddOwn(CJsonObject& o, const CMeteoRecord& m) {
  o.Add("lastUpdate", m.lastUpdate)
      .Add("areaName", m.areaName)
      .Add("summer", ToJson(m.summer))
      .Add("autumn", ToJson(m.autumn))
      .Add("winter", ToJson(m.winter))
      .Add("spring", ToJson(m.spring))
      .Add("latest", ToJson(m.latest));
}

void AddOwn(CJsonObject& o, const CHurricane& h) {
  o.Add("course", h.course)
      .Add("speed", h.speed)
      .Add("maxWind", h.maxWind)
      .Add("eyePressure", h.eyePressure)
      .Add("windRange", h.windRange);
}

void AddOwn(CJsonObject& o, const CNavWarning& w) {
  std::vector<std::string> points;
  for (int i = 0; i < w.GetAreaPointCount(); ++i) {
    CJsonObject p;
    AddPosition(p, *w.GetAreaPoint(i));
    points.push_back(p.Text());
  }
  o.Add("number", w.number)
      .Add("passingDistance", w.passingDistance)
      .Add("validFrom", w.validFrom)
      .Add("validTill", w.validTill)
      .Add("secondText", w.secondText)
      .Add("areaKind", w.areaKind)
      .Raw("areaPoints", JsonArray(points));
}

void AddOwn(CJsonObject& o, const CReportingPoint& r) {
  o.Add("requiredAction", r.requiredAction)
      .Add("notes", r.notes)
      .Add("distanceBefore", r.distanceBefore)
      .Add("waypointIndex", r.waypointIndex)
      .Raw("documents", Texts(r.documents));
}

void AddOwn(CJsonObject& o, const CPortInfo& p) {
  const CTideInfo& t = p.tide;
  CJsonObject tide;
  tide.Add("meanLevel", t.meanLevel)
      .Add("timeZone", t.timeZone)
      .Add("gM2", t.gM2)
      .Add("hmM2", t.hmM2)
      .Add("gS2", t.gS2)
      .Add("hmS2", t.hmS2)
      .Add("gK1", t.gK1)
      .Add("hmK1", t.hmK1)
      .Add("gO1", t.gO1)
      .Add("hmO1", t.hmO1)
      .Add("f4", t.f4)
      .Add("F4", t.F4)
      .Add("f6", t.f6)
      .Add("F6", t.F6)
      .Add("angleDate", static_cast<double>(t.angleDate))
      .Add("aM2", t.aM2)
      .Add("fM2", t.fM2)
      .Add("aS2", t.aS2)
      .Add("fS2", t.fS2)
      .Add("aK1", t.aK1)
      .Add("fK1", t.fK1)
      .Add("aO1", t.aO1)
      .Add("fO1", t.fO1);
  o.Add("country", p.country)
      .Add("berth", p.berth)
      .Add("agentName", p.agentName)
      .Add("agentEmail", p.agentEmail)
      .Add("agentTelephone", p.agentTelephone)
      .Add("notes", p.notes)
      .Add("maxDraft", p.maxDraft)
      .Add("maxAirDraft", p.maxAirDraft)
      .Add("salinity", p.salinity)
      .Add("bunkers", p.bunkers)
      .Add("dockyard", p.dockyard)
      .Add("freshWater", p.freshWater)
      .Add("garbageDisposal", p.garbageDisposal)
      .Add("sludgeDisposal", p.sludgeDisposal)
      .Add("victuals", p.victuals)
      .Add("pilotEta", static_cast<double>(p.pilotEta))
      .Add("pilotStation", p.pilotStation)
      .Add("vhfChannels", p.vhfChannels)
      .Add("callPilotAmount", p.callPilotAmount)
      .Add("callPilotUnit", p.callPilotUnit)
      .Add("ladderHeight", p.ladderHeight)
      .Add("ladderSide", p.ladderSide)
      .Add("reservedFlag", p.reservedFlag)
      .Raw("documents", Texts(p.documents))
      .Add("tide", tide)
      .Add("inbound", ToJson(p.inbound))
      .Add("outbound", ToJson(p.outbound));
}

void AddOwn(CJsonObject& o, const CPublication& p) {
  o.Add("chart", p.chart)
      .Add("number", p.number)
      .Add("description", p.description)
      .Add("edition", p.edition)
      .Add("folio", p.folio)
      .Add("publisher", p.publisher)
      .Add("correctionNumber", p.correctionNumber)
      .Add("correctionDate", static_cast<double>(p.correctionDate))
      .Add("publicationDate", static_cast<double>(p.publicationDate))
      .Add("value3", p.value3)
      .Add("value4", p.value4);
}

template <class T>
bool TryAdd(CJsonObject& o, const CPosition2& p) {
  const T* record = dynamic_cast<const T*>(&p);
  if (record) AddOwn(o, *record);
  return record != nullptr;
}

}  // namespace

CJsonObject ToJson(const CWeatherData& w) {
  CJsonObject o;
  o.Add("count", w.count)
      .Add("airPressure", w.airPressure)
      .Add("airTemperature", w.airTemperature)
      .Add("seawaterTemperature", w.seawaterTemperature)
      .Add("waterDensity", w.waterDensity)
      .Add("currentSet", w.currentSet)
      .Add("currentRate", w.currentRate)
      .Add("windDirection", w.windDirection)
      .Add("windSpeed", w.windSpeed);
  return o;
}

CJsonObject ToJson(const CPosition2& p) {
  CJsonObject o;
  AddPosition(o, p);
  TryAdd<CWaypoint>(o, p) || TryAdd<CFixRecord>(o, p) || TryAdd<CMeteoRecord>(o, p) || TryAdd<CHurricane>(o, p) ||
      TryAdd<CNavWarning>(o, p) || TryAdd<CReportingPoint>(o, p) || TryAdd<CPortInfo>(o, p) ||
      TryAdd<CPublication>(o, p);
  return o;
}

std::string ToJson(const CPositionList& list) {
  std::vector<std::string> items;
  for (const auto& record : list) items.push_back(ToJson(*record).Text());
  return JsonArray(items);
}

CJsonObject ToJson(const CVoyage& route) {
  CJsonObject o;
  o.Add("version", route.version)
      .Add("voyageNumber", route.voyageNumber)
      .Add("keepRpmConstant", route.keepRpmConstant)
      .Add("notes", route.notes)
      .Raw("waypoints", ToJson(static_cast<const CPositionList&>(route)));
  return o;
}

CJsonObject ToJson(const CVessel2& v) {
  // The hydrostatic table's rows, in file order, each with its seven figures.
  std::vector<std::string> rows;
  for (const CHydrostaticEntry& e : v.HydroTable()) {
    CJsonObject row;
    row.Add("draft", e.draft)
        .Add("displacement", e.displacement)
        .Add("mk", e.mk)
        .Add("lcb", e.lcb)
        .Add("lcf", e.lcf)
        .Add("etm", e.etm)
        .Add("wetSurface", e.wetSurface);
    rows.push_back(row.Text());
  }
  CJsonObject o;
  o.Add("name", v.name)
      .Add("callSign", v.callSign)
      .Add("imoNumber", v.imoNumber)
      .Add("lengthPP", v.lengthPP)
      .Add("breadth", v.breadth)
      .Add("depthMoulded", v.depthMoulded)
      .Add("draftForward", v.draftForward)
      .Add("draftAft", v.draftAft)
      .Add("maxDraft", v.maxDraft)
      .Add("maxDisplacement", v.maxDisplacement)
      .Add("voyageDisplacement", v.voyageDisplacement)
      .Add("eyeHeightFromKeel", v.eyeHeightFromKeel)
      .Add("mastHeightFromKeel", v.mastHeightFromKeel)
      .Add("windageTiers", v.windageTiers)
      .Add("steeredCourse", v.steeredCourse)
      .Add("logSpeed", v.logSpeed)
      .Add("engineSetting", v.engineSetting)
      .Add("faRpm", v.faRpm)
      .Add("mcrRpm", v.mcrRpm)
      .Add("propellerDiameter", v.propellerDiameter)
      .Add("propellerPitch", v.propellerPitch)
      .Add("fuelAtMcr", v.fuelAtMcr)
      .Add("minutesPerRpm", v.minutesPerRpm)
      .Add("timeAtFa", v.timeAtFa)
      .Add("timeFaToStop", v.timeFaToStop)
      .Add("distanceFaToStop", v.distanceFaToStop)
      .Add("airResistanceFactor", v.airResistanceFactor)
      .Add("hullResistanceFactor", v.hullResistanceFactor)
      .Add("hydroDraft", v.hydroDraft)
      .Add("hydroDisplacement", v.hydroDisplacement)
      .Add("hydroLCB", v.hydroLCB)
      .Add("hydroLCF", v.hydroLCF)
      .Add("hydroETM", v.hydroETM)
      .Add("hydroMK", v.hydroMK)
      .Add("hydroWetSurface", v.hydroWetSurface)
      .Add("reservedB", v.reservedB)
      .Add("hydroTableCount", v.GetHydroCount())
      .Raw("hydroTable", JsonArray(rows));
  return o;
}

}  // namespace marigold
