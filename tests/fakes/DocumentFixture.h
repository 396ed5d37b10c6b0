#pragma once
// The document over data files in a folder of its own, with scripted
// answers and a fixed clock: what the document, view and command tests
// share. Header only: tests that use it link the voyage module.
#include <optional>

#include "core/MemorySettingsStore.h"
#include "fakes/DataFolder.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

struct CDocumentFixture {
  enum class EData { Fresh, Missing };

  // Fresh: the default vessel and five empty lists, as a previous run left
  // them. Missing: no data files at all.
  explicit CDocumentFixture(EData data = EData::Fresh) : folder("doc") {
    UseDataFolder(store, folder.Path().string());
    store.WriteInt("Path", "AskLoadOld", 0);
    if (data == EData::Fresh) WriteFreshDataFiles(store);
    doc.emplace(store, prompter, clock);
    prompter.messages.clear();
  }

  std::string File(std::string_view name) const { return folder.File(name); }

  CTempFolder folder;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};  // 2023-11-14 22:13:20 UTC
  std::optional<CMarigoldRouteDoc> doc;
};

}  // namespace marigold
