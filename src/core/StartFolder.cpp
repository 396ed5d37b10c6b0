#include "core/StartFolder.h"

#include <filesystem>
#include <system_error>

#include "core/Settings.h"

namespace marigold {

void RememberFileFolder(CSettingsStore& store, const std::string& file) {
  const std::filesystem::path folder = std::filesystem::path(file).parent_path();
  if (folder.empty()) return;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
  WriteSetting(store, settings::kLastFolder, (error ? folder : absolute).lexically_normal().string());
}

std::string StartFolder(const CSettingsStore& store) {
  const std::string folder = ReadSetting(store, settings::kLastFolder);
  std::error_code error;
  // A folder on a removed stick or a deleted voyage's folder is no start.
  return !folder.empty() && std::filesystem::is_directory(folder, error) ? folder : std::string();
}

CFileChoice CStartFolderPrompter::InFolder(const CFileChoice& choice) const {
  CFileChoice placed = choice;
  if (placed.folder.empty()) placed.folder = StartFolder(settings);
  return placed;
}

std::optional<std::string> CStartFolderPrompter::Remembered(const std::optional<std::string>& chosen) {
  if (chosen) RememberFileFolder(settings, *chosen);
  return chosen;
}

std::optional<std::string> CStartFolderPrompter::ChooseOpenFile(const CFileChoice& choice) {
  return Remembered(inner.ChooseOpenFile(InFolder(choice)));
}

std::optional<std::string> CStartFolderPrompter::ChooseSaveFile(const CFileChoice& choice) {
  return Remembered(inner.ChooseSaveFile(InFolder(choice)));
}

}  // namespace marigold
