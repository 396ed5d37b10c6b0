#include "lists/ReportsPage.h"

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
  return documents[static_cast<std::size_t>(selected)];
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
