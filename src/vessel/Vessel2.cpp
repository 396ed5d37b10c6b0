#include "vessel/Vessel2.h"

#include "core/DataFile.h"
#include "core/Settings.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

constexpr std::size_t kEntryBytes = 7 * 8;

void ExchangeEntry(CArchive& ar, CHydrostaticEntry& e) {
  ar.Exchange(e.draft);
  ar.Exchange(e.displacement);
  ar.Exchange(e.mk);
  ar.Exchange(e.lcb);
  ar.Exchange(e.lcf);
  ar.Exchange(e.etm);
  ar.Exchange(e.wetSurface);
}

}  // namespace

void CVessel2::Serialize(CArchive& ar) {
  // Loading fills a copy, so that a damaged file leaves this record as it was.
  CVessel2 loaded;
  CVessel2& v = ar.IsStoring() ? *this : (loaded = *this);
  ar.Exchange(v.steeredCourse);
  ar.Exchange(v.windageTiers);
  ar.Exchange(v.depthMoulded);
  ar.Exchange(v.lengthPP);
  ar.Exchange(v.breadth);
  ar.Exchange(v.logSpeed);
  ar.Exchange(v.draftForward);
  ar.Exchange(v.draftAft);
  ar.Exchange(v.airResistanceFactor);
  ar.Exchange(v.hullResistanceFactor);
  ar.Exchange(v.timeAtFa);
  ar.Exchange(v.timeFaToStop);
  ar.Exchange(v.distanceFaToStop);
  ar.Exchange(v.minutesPerRpm);
  ar.Exchange(v.fuelAtMcr);
  ar.Exchange(v.reservedB);
  ar.Exchange(v.voyageDisplacement);
  ar.Exchange(v.propellerDiameter);
  ar.Exchange(v.propellerPitch);
  ar.Exchange(v.faRpm);
  ar.Exchange(v.mcrRpm);
  ar.Exchange(v.name);
  ar.Exchange(v.mastHeightFromKeel);
  ar.Exchange(v.eyeHeightFromKeel);
  ar.Exchange(v.engineSetting);
  ar.Exchange(v.maxDraft);
  ar.Exchange(v.maxDisplacement);
  ar.Exchange(v.hydroDisplacement);
  ar.Exchange(v.hydroDraft);
  ar.Exchange(v.hydroETM);
  ar.Exchange(v.hydroLCB);
  ar.Exchange(v.hydroLCF);
  ar.Exchange(v.hydroMK);
  ar.Exchange(v.hydroWetSurface);
  if (ar.IsStoring()) {
    ar.WriteInt32(GetHydroCount());
    for (CHydrostaticEntry& e : hydroTable) ExchangeEntry(ar, e);
    return;
  }
  // A count below 1 holds no entries.
  const std::int32_t n = ar.ReadInt32();
  v.hydroTable.clear();
  if (n > 0) {
    if (static_cast<std::size_t>(n) > ar.Remaining() / kEntryBytes)
      throw CArchiveException("hydrostatic table of " + std::to_string(n) + " entries exceeds the file");
    v.hydroTable.resize(static_cast<std::size_t>(n));
    for (CHydrostaticEntry& e : v.hydroTable) ExchangeEntry(ar, e);
  }
  *this = std::move(loaded);
}

bool CVessel2::Load(CSettingsStore& store, CPrompter& prompter, CDataFileGuard* guard, EMissingFile missing) {
  callSign = ReadSetting(store, settings::kCallSign);
  imoNumber = ReadSetting(store, settings::kImoNumber);
  return LoadDataFile(
      EDataFile::Vessel, store, prompter, [this](CArchive& ar) { Serialize(ar); }, guard, missing);
}

CFileResult CVessel2::Save(CSettingsStore& store, const CDataFileGuard* guard, CFileBatch* batch) const {
  WriteSetting(store, settings::kCallSign, callSign);
  WriteSetting(store, settings::kImoNumber, imoNumber);
  CVessel2 copy = *this;  // storing reads the fields only
  return SaveDataFile(
      EDataFile::Vessel, store, [&copy](CArchive& ar) { copy.Serialize(ar); }, guard, batch);
}

CHydrostaticSet CVessel2::LookupHydrostatics(double /*draft*/) const {
  return {hydroDisplacement, hydroLCB, hydroLCF, hydroETM, hydroMK, hydroWetSurface};
}

bool CVessel2::GetHydroEntry(int index, CHydrostaticEntry& entry) const {
  if (index < 0 || index >= GetHydroCount()) return false;
  entry = hydroTable[static_cast<std::size_t>(index)];
  return true;
}

bool CVessel2::UpdateHydroEntry(int index, const CHydrostaticEntry& entry) {
  if (index < 0 || index >= GetHydroCount()) return false;
  hydroTable[static_cast<std::size_t>(index)] = entry;
  return true;
}

bool CVessel2::RemoveHydroEntry(int index, CPrompter& prompter) {
  if (index < 0 || index >= GetHydroCount()) return false;
  const auto at = hydroTable.begin() + index;
  if (!prompter.AskYesNo(Format("%s %f %s", "Remove entry for ", at->draft, " mtr?"))) return false;
  hydroTable.erase(at);
  return true;
}

}  // namespace marigold
