// Writes the example voyage, Rotterdam to New York, through the program's
// own writers, so that the files always match the formats:
//   make-example FOLDER
// gives FOLDER/rotterdam-newyork.rtp, the six data files beside it and
// FOLDER/settings.ini with the ship's call sign and IMO number.
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "core/MemorySettingsStore.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"
#include "qtplatform/QtSettingsStore.h"
#include "voyage/FixHistory.h"
#include "voyage/MarigoldRouteDoc.h"
#include "voyage/Schedule.h"

using namespace marigold;

namespace {

class CQuietPrompter final : public CPrompter {
 public:
  void Message(const std::string&, EMessageIcon) override {}
  bool AskYesNo(const std::string&) override { return false; }
  ESaveAnswer AskSaveChanges(const std::string&) override { return ESaveAnswer::Cancel; }
  int Choose(const std::string&, const std::string&, const std::vector<std::string>&, int pre) override { return pre; }
  std::optional<std::string> ChooseOpenFile(const CFileChoice&) override { return std::nullopt; }
  std::optional<std::string> ChooseSaveFile(const CFileChoice&) override { return std::nullopt; }
};

// The example's present: the first day at sea, 2026-12-01 18:00 UTC.
class CExampleClock final : public CClock {
 public:
  std::time_t Now() const override { return CalendarTimeFromUtc({2026, 12, 1, 18, 0, 0}); }
};

double Deg(int degrees, double minutes, char hemisphere) {
  const double v = degrees + minutes / 60;
  return hemisphere == 'S' || hemisphere == 'W' ? -v : v;
}

double Utc(int y, int m, int d, int h, int min) { return DayNumberOf({y, m, d, h, min, 0}); }

template <class T>
T* Place(T* record, const char* name, double latitude, double longitude, double utcHours = 0) {
  record->SetName(name);
  record->SetLatitude(latitude);
  record->SetLongitude(longitude);
  record->SetUtcDifference(utcHours);
  return record;
}

void Route(CMarigoldRouteDoc& doc) {
  CVoyage& r = doc.Voyage();
  r.voyageNumber = "MR 2026-12";
  r.notes = "Rotterdam (Maasvlakte) to New York (Port Newark), loaded.";
  CWaypoint* first = Place(r.AddNew(), "Maas Center", Deg(52, 1.0, 'N'), Deg(3, 53.0, 'E'), 1);
  first->SetTime(Utc(2026, 12, 1, 6, 0));
  first->SetTimeA(first->GetTime());
  Place(r.AddNew(), "Noord Hinder South", Deg(51, 35.0, 'N'), Deg(2, 40.0, 'E'), 1);
  Place(r.AddNew(), "Sandettie", Deg(51, 9.6, 'N'), Deg(1, 47.1, 'E'), 1);
  CWaypoint* varne = Place(r.AddNew(), "Varne", Deg(51, 1.3, 'N'), Deg(1, 23.9, 'E'));
  varne->passWithin = true;
  varne->passWithinDistance = 1.5;
  Place(r.AddNew(), "Off Casquets TSS", Deg(49, 48.0, 'N'), Deg(2, 40.0, 'W'));
  Place(r.AddNew(), "South of Bishop Rock", Deg(49, 44.0, 'N'), Deg(6, 27.0, 'W'));
  CWaypoint* nantucketEast = Place(r.AddNew(), "Nantucket TSS East", Deg(40, 36.75, 'N'), Deg(69, 15.17, 'W'), -5);
  nantucketEast->greatCircle = true;
  Place(r.AddNew(), "Nantucket TSS West", Deg(40, 35.62, 'N'), Deg(70, 14.15, 'W'), -5);
  CWaypoint* ambrose = Place(r.AddNew(), "Ambrose Pilot", Deg(40, 27.5, 'N'), Deg(73, 49.9, 'W'), -5);
  ambrose->keepGroundspeed = true;
  ambrose->keptGroundspeed = 10;
  ambrose->SetTimeB(Utc(2026, 12, 11, 13, 0));

  // Placed back along their legs once the schedule has given the legs their
  // courses and speeds (PlaceReportingPoints).
  CReportingPoint* calDover = Place(doc.ReportingPoints().AddNew(), "CALDOVREP", 0, 0);
  calDover->waypointIndex = 2;
  calDover->distanceBefore = 10;
  calDover->requiredAction = "Report to Dover Coastguard VHF 11";
  CReportingPoint* ambroseReport = Place(doc.ReportingPoints().AddNew(), "New York VTS", 0, 0);
  ambroseReport->waypointIndex = 8;
  ambroseReport->distanceBefore = 20;
  ambroseReport->requiredAction = "Report to New York VTS VHF 14";

  const std::time_t now = doc.Clock().Now();
  const struct {
    bool chart;
    const char* number;
    const char* description;
  } kPublications[] = {{true, "BA 2182A", "North Sea Southern Sheet"},
                       {true, "BA 1892", "Dover Strait Western Part"},
                       {true, "BA 4011", "North Atlantic Ocean Northern Part"},
                       {true, "NOAA 12326", "Approaches to New York"},
                       {false, "NP 28", "Dover Strait Pilot"},
                       {false, "NP 68", "East Coast of the United States Pilot"}};
  for (const auto& p : kPublications) {
    auto publication = std::make_unique<CPublication>(now);
    publication->chart = p.chart;
    publication->number = p.number;
    publication->description = p.description;
    publication->SetName(p.number);
    doc.Publications().Add(std::move(publication));
  }
}

void DataFiles(CMarigoldRouteDoc& doc) {
  CVessel2& v = doc.Vessel();
  v.name = "mv Marigold Trader";
  v.callSign = "PDMT";
  v.imoNumber = "9876543";
  v.hullResistanceFactor = 0.95;  // calibrated on the last voyage
  v.airResistanceFactor = 0.028;
  v.engineSetting = 88;
  // draft, displacement, MK, LCB, LCF, ETM, wetted surface
  v.AddHydroEntry({10.0, 58000, 14.2, 126.5, 121.0, 880, 11200});
  v.AddHydroEntry({12.0, 71000, 13.9, 125.8, 119.5, 925, 12100});
  v.AddHydroEntry({14.0, 84000, 13.8, 125.0, 117.8, 970, 13000});

  // The first day: Maas Center to the Dover Strait. Each fix has the gyro
  // course steered from it, towards the next fix and from the last one down
  // the Channel towards Off Casquets; the tidal stream makes the rest, so
  // that every fix after the first has a current.
  CRecordList<CFixRecord>& fixes = doc.Fixes();
  fixes.RemoveAll();
  const struct {
    int hour;
    double latitude, longitude, rpm, log, gyro;
  } kFixes[] = {{6, Deg(52, 1.0, 'N'), Deg(3, 53.0, 'E'), 86, 14.2, 240},
                {10, Deg(51, 35.5, 'N'), Deg(2, 41.0, 'E'), 88, 14.6, 231},
                {13, Deg(51, 9.0, 'N'), Deg(1, 48.5, 'E'), 88, 14.5, 237},
                {17, Deg(50, 37.0, 'N'), Deg(0, 30.0, 'E'), 88, 14.4, 248}};
  CQuietPrompter quiet;
  for (const auto& f : kFixes) {
    CFixRecord* fix = Place(fixes.AddNew(), "", f.latitude, f.longitude, 1);
    fix->SetTime(Utc(2026, 12, 1, f.hour, 0));
    fix->engineRpm = f.rpm;
    fix->logSpeed = f.log;
    fix->gyroCourse = f.gyro;
    fix->draft = v.MeanDraft();
    fix->weather.count = 1;
    fix->weather.windDirection = 250;
    fix->weather.windSpeed = 18;
    fix->weather.airPressure = 1012;
    fix->weather.airTemperature = 8;
    fix->weather.seawaterTemperature = 10;
    ProcessFix(*fix, fixes, v, doc.Meteo(), quiet, doc.Clock());
  }

  const struct {
    double latitude, longitude, windDirection, windSpeed, currentSet, currentRate;
  } kMeteo[] = {{51.0, 1.3, 240, 17, 30, 1.2},    {49.8, -3.0, 250, 20, 80, 0.6},   {49.5, -10.0, 260, 24, 60, 0.4},
                {47.0, -25.0, 270, 26, 90, 0.5},  {44.0, -40.0, 280, 24, 100, 0.6}, {41.5, -55.0, 290, 20, 70, 1.5},
                {40.5, -66.0, 300, 18, 240, 0.8}, {40.4, -73.0, 310, 15, 200, 0.5}};
  for (const auto& m : kMeteo) {
    CMeteoRecord* record = Place(doc.Meteo().AddNew(), "", m.latitude, m.longitude);
    for (CWeatherData* season : {&record->winter, &record->spring, &record->summer, &record->autumn, &record->latest}) {
      season->count = 12;
      season->windDirection = m.windDirection;
      season->windSpeed = m.windSpeed;
      season->currentSet = m.currentSet;
      season->currentRate = m.currentRate;
    }
  }

  const std::time_t now = doc.Clock().Now();
  CPortInfo* rotterdam = doc.Ports().Add(std::make_unique<CPortInfo>(now));
  Place(rotterdam, "Rotterdam", Deg(51, 57.5, 'N'), Deg(4, 3.0, 'E'), 1);
  rotterdam->country = "NL";
  rotterdam->berth = "Maasvlakte, ECT Delta";
  rotterdam->agentName = "Maas Shipping Agency";
  rotterdam->agentTelephone = "+31 10 000 0000";
  rotterdam->pilotStation = "Maas Center";
  rotterdam->vhfChannels = "VHF 1, 3";
  rotterdam->maxDraft = 22.5;
  rotterdam->maxAirDraft = 60;
  CTideInfo& hoek = rotterdam->tide;
  hoek.meanLevel = 1.06;
  hoek.hmM2 = 0.782, hoek.gM2 = 57.2, hoek.hmS2 = 0.188, hoek.gS2 = 117.3;
  hoek.hmK1 = 0.075, hoek.gK1 = 345.9, hoek.hmO1 = 0.108, hoek.gO1 = 177.4;
  hoek.fM2 = hoek.fS2 = hoek.fK1 = hoek.fO1 = 1;
  CPortInfo* newYork = doc.Ports().Add(std::make_unique<CPortInfo>(now));
  Place(newYork, "New York", Deg(40, 41.0, 'N'), Deg(74, 9.0, 'W'), -5);
  newYork->country = "US";
  newYork->berth = "Port Newark, Berth 22";
  newYork->agentName = "Hudson Maritime";
  newYork->agentTelephone = "+1 212 000 0000";
  newYork->pilotStation = "Ambrose";
  newYork->vhfChannels = "VHF 73";
  newYork->maxDraft = 15.2;
  newYork->maxAirDraft = 65.5;
  CTideInfo& battery = newYork->tide;
  battery.meanLevel = 0.78;
  battery.hmM2 = 0.671, battery.gM2 = 18.2, battery.hmS2 = 0.128, battery.gS2 = 42.9;
  battery.hmK1 = 0.103, battery.gK1 = 178.5, battery.hmO1 = 0.051, battery.gO1 = 176.3;
  battery.fM2 = battery.fS2 = battery.fK1 = battery.fO1 = 1;
  Place(newYork->inbound.AddNew(), "Ambrose Pilot", Deg(40, 27.5, 'N'), Deg(73, 49.9, 'W'), -5);
  Place(newYork->inbound.AddNew(), "Verrazzano Bridge", Deg(40, 36.4, 'N'), Deg(74, 2.8, 'W'), -5);
  Place(newYork->inbound.AddNew(), "Port Newark", Deg(40, 41.0, 'N'), Deg(74, 9.0, 'W'), -5);

  CHurricane* storm = Place(doc.Storms().AddNew(), "Late season storm Pablo", 33.0, -52.0);
  storm->SetTime(Utc(2026, 12, 1, 12, 0));
  storm->course = 20;
  storm->speed = 14;
  storm->maxWind = 70;
  storm->eyePressure = 975;
  storm->windRange = 120;

  const double today = Utc(2026, 12, 1, 0, 0);
  CNavWarning* wreck = doc.Warnings().AddNew();
  wreck->SetName("NAVAREA I 212/26");
  wreck->number = "NAVAREA I 212/26";
  wreck->secondText = "Dangerous wreck, marked by east cardinal buoy";
  wreck->passingDistance = 1;
  wreck->validFrom = today - 10;
  wreck->validTill = today + 60;
  Place(wreck->AddAreaPoint(), "", Deg(50, 40.0, 'N'), Deg(0, 52.0, 'W'));
  Place(wreck->AddAreaPoint(), "", Deg(50, 41.0, 'N'), Deg(0, 50.0, 'W'));
  wreck->SetReferencePosition();
  CNavWarning* firing = doc.Warnings().AddNew();
  firing->SetName("NAVAREA IV 1033/26");
  firing->number = "NAVAREA IV 1033/26";
  firing->secondText = "Gunnery exercises, area to be avoided";
  firing->areaKind = CNavWarning::kNoGoArea;
  firing->passingDistance = 5;
  firing->validFrom = today;
  firing->validTill = today + 20;
  Place(firing->AddAreaPoint(), "", Deg(40, 0.0, 'N'), Deg(71, 0.0, 'W'));
  Place(firing->AddAreaPoint(), "", Deg(40, 0.0, 'N'), Deg(70, 30.0, 'W'));
  Place(firing->AddAreaPoint(), "", Deg(39, 40.0, 'N'), Deg(70, 30.0, 'W'));
  Place(firing->AddAreaPoint(), "", Deg(39, 40.0, 'N'), Deg(71, 0.0, 'W'));
  firing->SetReferencePosition();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make-example FOLDER\n", stderr);
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path folder = argv[1];
  fs::create_directories(folder);
  CMemorySettingsStore settings;
  UseDataFolder(settings, folder.string());
  for (const EDataFile file : kDataFiles) fs::remove(folder / DataFileInfo(file).path.defaultValue);
  fs::remove(folder / "settings.ini");
  settings.WriteInt("Path", "AskLoadOld", 0);
  CQuietPrompter quiet;
  const CExampleClock clock;
  {
    // A fresh document over the new folder's (absent) data files.
    CMarigoldRouteDoc doc(settings, quiet, clock);
    UseDataFolder(settings, folder.string());  // the cancelled locate dialogs emptied them
    doc.Meteo().RemoveAll();
    DataFiles(doc);
    Route(doc);
    doc.Recalculate();
    for (auto& point : doc.ReportingPoints()) static_cast<CReportingPoint&>(*point).Place(doc.Voyage());
    const auto saved = doc.Save((folder / "rotterdam-newyork.rtp").string());
    // The ship's call sign and IMO number live in the settings, not in
    // vessel.dat: the folder's settings.ini, which `marigold --data` reads.
    CQtSettingsStore ini((folder / "settings.ini").string());
    WriteSetting(ini, settings::kCallSign, doc.Vessel().callSign);
    WriteSetting(ini, settings::kImoNumber, doc.Vessel().imoNumber);
    if (!saved.route || !saved.failedDataFiles.empty() || !ini.Sync()) {
      std::fprintf(stderr, "make-example: could not write the example into %s\n", folder.string().c_str());
      return 1;
    }
  }
  std::printf("%s\n", (folder / "rotterdam-newyork.rtp").string().c_str());
  return 0;
}
