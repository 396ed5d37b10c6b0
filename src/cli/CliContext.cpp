#include "cli/CliContext.h"

#include <cstdio>

#include "qtplatform/QtSettingsStore.h"

namespace marigold {

void CConsolePrompter::Message(const std::string& text, EMessageIcon /*icon*/) {
  std::fprintf(stderr, "%s\n", text.c_str());
}

bool CConsolePrompter::AskYesNo(const std::string& /*text*/) { return answerYes; }

ESaveAnswer CConsolePrompter::AskSaveChanges(const std::string& /*text*/) { return ESaveAnswer::Cancel; }

int CConsolePrompter::Choose(const std::string&, const std::string&, const std::vector<std::string>&, int preselected) {
  return preselected;
}

// No file is located from the command line: a missing file is reported and
// its list stays empty.
std::optional<std::string> CConsolePrompter::ChooseOpenFile(const CFileChoice&) { return std::nullopt; }
std::optional<std::string> CConsolePrompter::ChooseSaveFile(const CFileChoice&) { return saveTo; }

CCliContext::CCliContext(const std::optional<std::string>& dataFolder) {
  if (dataFolder) {
    auto folder = std::make_unique<CMemorySettingsStore>();
    UseDataFolder(*folder, *dataFolder);
    base_ = std::move(folder);
  } else {
    base_ = std::make_unique<CQtSettingsStore>();
  }
  settings_ = std::make_unique<COverlaySettingsStore>(*base_);
}

CCliContext::~CCliContext() = default;

CMarigoldRouteDoc* CCliContext::Document(const std::optional<std::string>& route) {
  if (!document_) {
    document_ = std::make_unique<CMarigoldRouteDoc>(*settings_, prompter, clock, CMarigoldRouteDoc::EMode::ReadOnly);
    document_->askFileVersion = false;
  }
  if (route && !document_->Open(*route)) return nullptr;
  return document_.get();
}

}  // namespace marigold
