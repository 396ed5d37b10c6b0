#pragma once
// The ship: identity, dimensions, drafts, hydrostatics, engine and propeller,
// and the closed-form performance model built on the propeller's pitch.
//
// A figure that cannot be computed (a zero pitch, diameter, MCR rpm, hull
// resistance factor or engine setting where it divides) is not-a-number;
// callers show it as "NA" and never store it.
#include <string>
#include <vector>

#include "core/Archive.h"
#include "core/DataFile.h"
#include "core/FileIo.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"

namespace marigold {

struct CHydrostaticEntry {
  double draft = 0;         // m
  double displacement = 0;  // mT
  double mk = 0;
  double lcb = 0;
  double lcf = 0;
  double etm = 0;
  double wetSurface = 0;  // m²
  bool operator==(const CHydrostaticEntry&) const = default;
};

// One set of hydrostatic data, as the lookup hands it out.
struct CHydrostaticSet {
  double displacement;
  double lcb;
  double lcf;
  double etm;
  double mk;
  double wetSurface;
};

class CVessel2 {
 public:
  // vessel.dat: the fields in file order, no header; 244 bytes plus the
  // name and 56 bytes per hydrostatic table entry. Loading changes nothing
  // when the bytes are damaged.
  void Serialize(CArchive& ar);

  // Identity from section "Vessel", the record from vessel.dat, locating a
  // missing file once. False when the record could not be read; the
  // defaults (or what was there before) then stand.
  bool Load(CSettingsStore& store, CPrompter& prompter, CDataFileGuard* guard = nullptr,
            EMissingFile missing = EMissingFile::Locate);
  // Identity to section "Vessel", the record to vessel.dat (atomically, or
  // staged in a batch of data files).
  CFileResult Save(CSettingsStore& store, const CDataFileGuard* guard = nullptr, CFileBatch* batch = nullptr) const;

  // Geometry, in metres above the waterline at the present drafts.
  double MeanDraft() const { return (draftForward + draftAft) * 0.5; }
  double Freeboard() const { return depthMoulded - MeanDraft(); }
  double EyeHeight() const { return eyeHeightFromKeel - MeanDraft(); }
  double MastHeight() const { return mastHeightFromKeel - MeanDraft(); }
  double WindageHeight() const { return (depthMoulded - MeanDraft()) + windageTiers * 2.4; }
  double WindageArea() const { return WindageHeight() * (lengthPP - 20.0) + EyeHeight() * 20.0; }

  // The one stored hydrostatic set, whatever the draft.
  CHydrostaticSet LookupHydrostatics(double draft) const;
  double Displacement() const { return LookupHydrostatics(MeanDraft()).displacement; }

  // The hydrostatic table; no calculation reads it.
  int GetHydroCount() const { return static_cast<int>(hydroTable.size()); }
  void AddHydroEntry(const CHydrostaticEntry& entry) { hydroTable.push_back(entry); }
  bool GetHydroEntry(int index, CHydrostaticEntry& entry) const;
  bool UpdateHydroEntry(int index, const CHydrostaticEntry& entry);
  // Asks "Remove entry for <draft> mtr?"; true when removed.
  bool RemoveHydroEntry(int index, CPrompter& prompter);
  const std::vector<CHydrostaticEntry>& HydroTable() const { return hydroTable; }

  // Performance model (r rpm, x resistance index, speeds in knots).
  double TheoreticalSpeed(double r) const;
  double SpeedThroughWater(double r, double x) const;
  double RpmForTheoreticalSpeed(double v) const;
  double RpmForSpeed(double v, double x) const;
  double RevolutionsForDistance(double d, double x) const;
  double PropellerPower(double r) const;
  double FuelConsumption(double r, double hours) const;          // mT
  double FuelPerMile(double r, double x, double current) const;  // kg per nM
  double StopTime(double r) const;                               // minutes
  double StopDistance(double r, double x) const;                 // nM through the water
  double StopDistanceOverGround(double r, double x, double current) const;
  double RevolutionsWhileStopping(double r) const;
  double WettedSurface(double draft1, double draft2) const;
  // Sinks both drafts by the squat (and the trim, always 0 with one stored
  // hydrostatic set); returns the squat in metres.
  double Squat(bool openWater, double speed, double& draft1, double& draft2) const;
  double HullTerm(double wettedSurface, double r) const;
  double HullResistance(double r) const;
  double HullResistance() const { return HullResistance(engineSetting); }
  // Heading and wind direction (where it comes from) in one reference.
  double WindResistance(double r, double heading, double windDirection, double windSpeed) const;
  double WindAtReference(double windDirection, double windSpeed) const {
    return WindResistance(engineSetting, steeredCourse, windDirection, windSpeed);
  }
  // hullResistanceFactor = observedLogSpeed / estimatedSpeed when both are positive
  // and finite; otherwise nothing changes and the result is false.
  bool Calibrate(double estimatedSpeed, double observedLogSpeed);

  // Identity (kept in the settings store, not in vessel.dat).
  std::string imoNumber = "12345";
  std::string callSign = "XXXX";
  // The hydrostatic data set.
  double hydroWetSurface = 1000.0;
  double hydroMK = 10.0;
  double hydroETM = 200.0;
  double hydroLCF = 1.0;
  double hydroLCB = 1.0;
  double hydroDisplacement = 73272.0;
  double hydroDraft = 8.0;
  // Dimensions and loadline.
  double maxDisplacement = 80950.0;
  double maxDraft = 14.0;
  double engineSetting = 63.0;  // present rpm
  double eyeHeightFromKeel = 45.0;
  double mastHeightFromKeel = 60.0;
  double steeredCourse = 0.0;
  std::int32_t windageTiers = 3;
  double depthMoulded = 24.15;
  double lengthPP = 247.0;
  double breadth = 32.26;
  double logSpeed = 21.0;
  double draftForward = 12.75;
  double draftAft = 12.85;
  double airResistanceFactor = 0.03;
  double hullResistanceFactor = 0.3;
  std::int32_t timeAtFa = 30;         // minutes
  std::int32_t timeFaToStop = 15;     // minutes
  std::int32_t distanceFaToStop = 3;  // nM
  double minutesPerRpm = 2.0;
  double fuelAtMcr = 150.0;    // mT per day
  double reservedB = 65880.0;  // carried through vessel.dat unchanged
  double voyageDisplacement = 73272.0;
  double propellerDiameter = 8.0;
  double propellerPitch = 7.9;
  std::int32_t faRpm = 63;
  std::int32_t mcrRpm = 106;
  std::string name = "mv Marlinspike";

 private:
  std::vector<CHydrostaticEntry> hydroTable;
};

}  // namespace marigold
