#include "core/DataFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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

enum class ERead { Read, NotOpened, Refused, MovedAside };

std::string NameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

ERead ReadInto(const std::string& path, const CSerializer& load, CPrompter& prompter, CDataFileGuard& guard) {
  if (path.empty()) return ERead::NotOpened;
  const CFileRead read = ReadFileChecked(path, kDataFileLimit);
  if (read.error == EReadError::Missing) return ERead::NotOpened;
  if (!read.bytes) {
    guard.Refuse(path);
    prompter.Message(RefusedDataFileMessage(path, read.message), EMessageIcon::Exclamation);
    return ERead::Refused;
  }
  try {
    CArchive ar = CArchive::ForLoading(*read.bytes);
    load(ar);
    guard.Release(path);
    return ERead::Read;
  } catch (const CArchiveException& e) {
    const std::string damaged = path + " is damaged: " + e.what();
    if (guard.damaged == CDataFileGuard::EDamaged::MayMoveAside) {
      if (const std::optional<std::string> aside = MoveAside(path)) {
        guard.Release(path);
        prompter.Message(damaged + "\nIt was moved to " + *aside, EMessageIcon::Exclamation);
        return ERead::MovedAside;
      }
    }
    // Left where it is, so it must not be saved over either.
    guard.Refuse(path);
    prompter.Message(damaged + "\nIt is left as it is and will not be saved over", EMessageIcon::Exclamation);
    return ERead::Refused;
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

std::string RefusedDataFileMessage(const std::string& path, const std::string& cause) {
  const bool permissions = cause.ends_with(std::strerror(EACCES)) || cause.ends_with(std::strerror(EPERM));
  return NameOf(path) + " could not be read and will not be saved over\n" +
         (permissions ? std::string("Check its permissions") : cause);
}

bool LoadDataFile(EDataFile file, CSettingsStore& store, CPrompter& prompter, const CSerializer& load,
                  CDataFileGuard* guard, EMissingFile missing) {
  CDataFileGuard ownGuard;
  CDataFileGuard& g = guard ? *guard : ownGuard;
  const CDataFileInfo& info = DataFileInfo(file);
  const std::string configured = ReadSetting(store, info.path);
  ERead result = ReadInto(configured, load, prompter, g);
  if (result == ERead::NotOpened && missing == EMissingFile::StartEmpty && !configured.empty() && Absent(configured))
    return true;
  if (result == ERead::NotOpened) {
    prompter.Message(info.loadFailure, EMessageIcon::Exclamation);
    const std::optional<std::string> chosen = prompter.ChooseOpenFile({info.shortName, "dat", kDataFileFilter});
    // Cancel is no failure: the list starts empty and is saved where it was configured.
    if (!chosen) return true;
    WriteSetting(store, info.path, *chosen);
    result = ReadInto(*chosen, load, prompter, g);
  }
  if (result == ERead::Read) return true;
  // A refused file is kept, so "Creating new empty datafile" would not be true.
  if (result != ERead::Refused) prompter.Message(kCorruptDataFile, EMessageIcon::Exclamation);
  return false;
}

std::vector<std::string> DataFolders(const CSettingsStore& store) {
  std::vector<std::string> folders;
  for (const CDataFileInfo& info : kInfo) {
    const std::string path = ReadSetting(store, info.path);
    if (path.empty()) continue;
    std::error_code ec;
    const std::string folder = std::filesystem::absolute(path, ec).parent_path().lexically_normal().string();
    if (!ec && std::ranges::find(folders, folder) == folders.end()) folders.push_back(folder);
  }
  return folders;
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

CFileResult SaveDataFile(EDataFile file, const CSettingsStore& store, const CSerializer& save,
                         const CDataFileGuard* guard, CFileBatch* batch) {
  const std::string path = ReadSetting(store, DataFileInfo(file).path);
  if (path.empty()) return {false, "no file set for " + std::string(DataFileInfo(file).shortName) + " data"};
  if (guard && guard->Refuses(path)) return {false, NameOf(path) + " could not be read and will not be saved over"};
  CBytes bytes;
  try {
    CArchive ar = CArchive::ForStoring();
    save(ar);
    bytes = ar.TakeBytes();
  } catch (const CArchiveException& e) {
    return {false, e.what()};
  }
  if (batch) return batch->Stage(path, bytes, true);
  CFileBatch own;
  if (CFileResult staged = own.Stage(path, bytes, true); !staged) return staged;
  return own.Commit();
}

}  // namespace marigold
