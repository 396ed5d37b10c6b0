#include "core/DataFile.h"

#include <filesystem>

namespace marigold {
namespace {

constexpr CDataFileInfo kInfo[] = {
    {EDataFile::Vessel, settings::kVesselData, "vessel", "Unable to load vessel data\nPlease locate data file",
     "Failed to load vessel data"},
    {EDataFile::History, settings::kHistoryData, "voyage", "Unable to load history data\nPlease locate data file",
     "Failed to load history data"},
    {EDataFile::Ports, settings::kPortData, "port", "Unable to load port data\nPlease locate data file",
     "Failed to load port data"},
    {EDataFile::Warnings, settings::kWarningData, "warning", "Unable to load nav warning data\nPlease locate data file",
     "Failed to load navwarnings"},
    {EDataFile::Meteo, settings::kMeteoData, "meteo", "Unable to load meteo data\nPlease locate data file",
     "Failed to load meteo data"},
    {EDataFile::Hurricanes, settings::kHurricaneData, "hurricane",
     "Unable to load hurricane data\nPlease locate data file", "Failed to load hurricane data"},
};

enum class ERead { Read, NotOpened, Damaged };

ERead ReadInto(const std::string& path, const CSerializer& load) {
  if (path.empty()) return ERead::NotOpened;
  const std::optional<CBytes> bytes = ReadFileBytes(path);
  if (!bytes) return ERead::NotOpened;
  try {
    CArchive ar = CArchive::ForLoading(*bytes);
    load(ar);
    return ERead::Read;
  } catch (const CArchiveException&) {
    MoveAside(path);
    return ERead::Damaged;
  }
}

// Only a file that is not there at all; one that is there but unreadable
// still goes to the officer.
bool Absent(const std::string& path) {
  std::error_code error;
  return std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found;
}

}  // namespace

const CDataFileInfo& DataFileInfo(EDataFile file) { return kInfo[static_cast<int>(file)]; }

bool LoadDataFile(EDataFile file, CSettingsStore& store, CPrompter& prompter, const CSerializer& load,
                  EMissingFile missing) {
  const CDataFileInfo& info = DataFileInfo(file);
  const std::string configured = ReadSetting(store, info.path);
  ERead result = ReadInto(configured, load);
  if (result == ERead::NotOpened && missing == EMissingFile::StartEmpty && !configured.empty() && Absent(configured))
    return true;
  if (result == ERead::NotOpened) {
    prompter.Message(info.loadFailure, EMessageIcon::Exclamation);
    const std::optional<std::string> chosen = prompter.ChooseOpenFile({info.shortName, "dat", kDataFileFilter});
    // Cancel is no failure: the list starts empty and is saved where it was configured.
    if (!chosen) return true;
    WriteSetting(store, info.path, *chosen);
    result = ReadInto(*chosen, load);
  }
  if (result == ERead::Read) return true;
  prompter.Message(kCorruptDataFile, EMessageIcon::Exclamation);
  return false;
}

void UseDataFolder(CSettingsStore& store, const std::string& folder) {
  for (const CDataFileInfo& info : kInfo)
    WriteSetting(store, info.path, (std::filesystem::path(folder) / info.path.defaultValue).string());
}

bool SettleDataPaths(CSettingsStore& store, const std::string& folder) {
  int settled = 0;
  for (const CDataFileInfo& info : kInfo) {
    if (!store.GetString(info.path.section, info.path.key, "").empty()) continue;
    WriteSetting(store, info.path, (std::filesystem::path(folder) / info.path.defaultValue).string());
    ++settled;
  }
  return settled == static_cast<int>(std::size(kInfo));
}

CFileResult SaveDataFile(EDataFile file, const CSettingsStore& store, const CSerializer& save) {
  const std::string path = ReadSetting(store, DataFileInfo(file).path);
  if (path.empty()) return {false, "no file set for " + std::string(DataFileInfo(file).shortName) + " data"};
  CBytes bytes;
  try {
    CArchive ar = CArchive::ForStoring();
    save(ar);
    bytes = ar.TakeBytes();
  } catch (const CArchiveException& e) {
    return {false, e.what()};
  }
  return WriteFileAtomic(path, bytes);
}

}  // namespace marigold
