#pragma once
// The six data files that outlive a voyage (vessel, position-fix history,
// ports, warnings, meteo records, hurricanes): where the settings put them,
// how a missing one is located, and how a damaged one is kept for recovery.
#include <functional>
#include <string>

#include "core/Archive.h"
#include "core/FileIo.h"
#include "core/Prompter.h"
#include "core/Settings.h"

namespace marigold {

enum class EDataFile { Vessel, History, Ports, Warnings, Meteo, Hurricanes };

struct CDataFileInfo {
  EDataFile file;
  CTextSetting path;            // section "Path", key and default file name
  const char* shortName;        // proposed name in the locate dialog
  const char* loadFailure;      // shown before the locate dialog
  const char* documentMessage;  // shown by the document when loading fails
};

// In the order the document loads and saves them.
inline constexpr EDataFile kDataFiles[] = {EDataFile::Vessel,   EDataFile::History, EDataFile::Ports,
                                           EDataFile::Warnings, EDataFile::Meteo,   EDataFile::Hurricanes};

const CDataFileInfo& DataFileInfo(EDataFile file);

inline constexpr const char* kDataFileFilter = "Data File (*.dat)|*.dat|All Files (*.*)|*.*||";
inline constexpr const char* kCorruptDataFile =
    "Failed to open file\ndata might be corrupt\nCreating new empty datafile";

// Reads or writes the whole content of one data file.
using CSerializer = std::function<void(CArchive&)>;

// What a data file that does not exist means: gone since it was configured
// (the officer is asked to locate it), or not made yet (a first start: the
// list starts empty and the next save makes the file).
enum class EMissingFile { Locate, StartEmpty };

// Loads a data file. A file that cannot be opened is reported with its
// load-failure message and may be located once (the chosen path is stored
// at once; a cancelled locate keeps the configured path and the loader's
// empty data, so that the next save writes the file there, and counts as
// loaded). A file that opens but cannot be read is moved aside (".damaged",
// never over an earlier one) so that the next save cannot destroy it. On
// false the loader left its data untouched and "Failed to open file ..."
// has been shown.
bool LoadDataFile(EDataFile file, CSettingsStore& store, CPrompter& prompter, const CSerializer& load,
                  EMissingFile missing = EMissingFile::Locate);

// Points the six data-file settings at their default names in one folder
// (the example voyage, the command line's --data, tests).
void UseDataFolder(CSettingsStore& store, const std::string& folder);

// Points every data-file setting that holds no path (never stored, or left
// empty by an earlier version) at its default name in `folder`, so that no
// data file depends on the folder the program was started from. True at a
// first start: none of the six held a path.
bool SettleDataPaths(CSettingsStore& store, const std::string& folder);

// Writes a data file through the atomic writer; the old file stays intact
// when writing fails.
CFileResult SaveDataFile(EDataFile file, const CSettingsStore& store, const CSerializer& save);

}  // namespace marigold
