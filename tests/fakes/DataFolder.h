#pragma once
// Data files as a previous run left them: the default vessel and five empty
// lists, at the paths the settings give.
#include "core/DataFile.h"
#include "core/FileIo.h"
#include "fakes/Fakes.h"
#include "vessel/Vessel2.h"

namespace marigold {

inline bool WriteFreshDataFiles(CSettingsStore& store) {
  if (!CVessel2().Save(store)) return false;
  const std::uint8_t emptyList[4] = {0, 0, 0, 0};
  for (const EDataFile file : kDataFiles)
    if (file != EDataFile::Vessel && !WriteFileAtomic(ReadSetting(store, DataFileInfo(file).path), emptyList))
      return false;
  return true;
}

// The ship as vessel.dat holds it now (the default one when it is missing).
inline CVessel2 StoredVessel(CSettingsStore& store) {
  CVessel2 vessel;
  CScriptedPrompter quiet;
  quiet.files.push_back(std::nullopt);  // a missing file is not looked for
  vessel.Load(store, quiet);
  return vessel;
}

}  // namespace marigold
