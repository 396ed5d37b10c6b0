#include "lists/ReportsPage.h"

#include <filesystem>
#include <system_error>

namespace marigold {
namespace {

bool IsSelected(const std::vector<std::string>& documents, int selected) {
  return selected >= 0 && static_cast<std::size_t>(selected) < documents.size();
}

}  // namespace

bool AddDocument(std::vector<std::string>& documents, CPrompter& prompter) {
  const std::optional<std::string> path = prompter.ChooseOpenFile({"Document", "", kDocumentFilter});
  if (!path) return false;
  documents.push_back(*path);
  return true;
}

std::optional<std::string> DocumentToView(const std::vector<std::string>& documents, int selected,
                                          CPrompter& prompter) {
  if (!IsSelected(documents, selected)) {
    prompter.Message(kSelectFileToOpen, EMessageIcon::Stop);
    return std::nullopt;
  }
  const std::string& path = documents[static_cast<std::size_t>(selected)];
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    prompter.Message(kDocumentNotFound + path, EMessageIcon::Stop);
    return std::nullopt;
  }
  return path;
}

bool RemoveDocument(std::vector<std::string>& documents, int selected, CPrompter& prompter) {
  if (!IsSelected(documents, selected)) {
    prompter.Message(kSelectFileToRemove, EMessageIcon::Stop);
    return false;
  }
  documents.erase(documents.begin() + selected);
  return true;
}

}  // namespace marigold
