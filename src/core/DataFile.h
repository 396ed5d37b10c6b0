#pragma once
// The six data files that outlive a voyage (vessel, position-fix history,
// ports, warnings, meteo records, hurricanes): where the settings put them,
// how a missing one is located, and how a damaged one is kept for recovery.
#include <functional>
#include <set>
#include <string>
#include <vector>

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

// What one program may do with its data files. A file that exists but
// could not be read, or a damaged one that was not moved aside, is refused:
// saving an empty or short list over it would destroy the officer's records.
// A later load of the same path that succeeds lifts the refusal.
class CDataFileGuard {
 public:
  // LookOnly never renames or moves a file (the command line looking at the
  // data); MayMoveAside moves a damaged file aside and says where it went.
  enum class EDamaged { MayMoveAside, LookOnly };
  explicit CDataFileGuard(EDamaged onDamage = EDamaged::MayMoveAside) : damaged(onDamage) {}

  bool Refuses(const std::string& path) const { return refused_.contains(path); }
  void Refuse(const std::string& path) { refused_.insert(path); }
  void Release(const std::string& path) { refused_.erase(path); }

  const EDamaged damaged;

 private:
  std::set<std::string> refused_;
};

// What a data file that does not exist means: gone since it was configured
// (the officer is asked to locate it), or not made yet (a first start: the
// list starts empty and the next save makes the file).
enum class EMissingFile { Locate, StartEmpty };

// Loads a data file. A missing file is reported with its load-failure
// message and may be located once (the chosen path is stored at once; a
// cancelled locate keeps the configured path and the loader's empty data,
// so that the next save writes the file there, and counts as loaded). A
// file that exists but cannot be read is refused and the user told so. A
// damaged file is moved aside (".damaged", never over an earlier one) or,
// when the guard only looks or the move fails, refused. On false the loader
// left its data untouched.
bool LoadDataFile(EDataFile file, CSettingsStore& store, CPrompter& prompter, const CSerializer& load,
                  CDataFileGuard* guard = nullptr, EMissingFile missing = EMissingFile::Locate);

// The folders that hold the six data files (each once, absolute): what a
// running copy locks so that no other copy saves over its lists.
std::vector<std::string> DataFolders(const CSettingsStore& store);

// Points the six data-file settings at their default names in one folder
// (the example voyage, the command line's --data, tests).
void UseDataFolder(CSettingsStore& store, const std::string& folder);

// Points every data-file setting that holds no path (never stored, or left
// empty by an earlier version) at its default name in `folder`, so that no
// data file depends on the folder the program was started from. True at a
// first start: none of the six held a path.
bool SettleDataPaths(CSettingsStore& store, const std::string& folder);

// Writes a data file through the atomic writer, keeping the previous
// version as NAME.bak; the old file stays intact when writing fails and a
// file the guard refuses is not written. With a batch the file is only
// staged there, to be renamed with the others.
CFileResult SaveDataFile(EDataFile file, const CSettingsStore& store, const CSerializer& save,
                         const CDataFileGuard* guard = nullptr, CFileBatch* batch = nullptr);

// "voyage.dat could not be read and will not be saved over\nCheck its permissions"
std::string RefusedDataFileMessage(const std::string& path, const std::string& cause);

}  // namespace marigold
