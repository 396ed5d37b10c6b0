#pragma once
// The one document of the program. It owns the route, the vessel, the
// departure record and every list for as long as the program runs. Only the
// route, the publications and the reporting points are stored in a route
// document ("rtp"); the vessel and the long-lived lists live in the six data
// files, loaded at construction and written back at every save and at the end.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/DataFile.h"
#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "core/Voyage.h"
#include "exchange/ItemFile.h"
#include "lists/Hurricane.h"
#include "lists/ListKind.h"
#include "lists/MeteoList.h"
#include "lists/PortInfo.h"
#include "lists/Publication.h"
#include "lists/ReportingPoint.h"
#include "lists/WarningList.h"
#include "vessel/Vessel2.h"
#include "voyage/PrintMode.h"
#include "voyage/PrintSettings.h"

namespace marigold {

inline constexpr const char* kDataFilesInUse =
    "The data files are in use by another Marigold Route\nThey are opened read-only and will not be saved";
inline constexpr const char* kFileVersionTitle = "Voyage file version";
inline constexpr const char* kFileVersionPrompt = "Please select file type:";
inline constexpr const char* kOldFileType = "Version 2.9 or older";
inline constexpr const char* kNewFileType = "Version 2.10 or later (default)";

class CMarigoldRouteDoc {
 public:
  // ReadOnly writes no file by itself (the command line looking at the
  // data): no default meteo file at construction, no save at the end.
  // DataLocked is a second copy while another holds the data folder: it
  // reads the data files and never writes them.
  // FirstStart is ReadWrite without questions: data files not made yet
  // start empty and are written at once.
  enum class EMode { ReadWrite, ReadOnly, DataLocked, FirstStart };

  // Loads the six data files in order (vessel, history, ports, warnings,
  // meteo, storms), telling the user of each that fails.
  CMarigoldRouteDoc(CSettingsStore& settings, CPrompter& prompter, const CClock& clock, EMode mode = EMode::ReadWrite);
  // Writes the data files back (ReadWrite only).
  ~CMarigoldRouteDoc();
  CMarigoldRouteDoc(const CMarigoldRouteDoc&) = delete;
  CMarigoldRouteDoc& operator=(const CMarigoldRouteDoc&) = delete;

  // Empties the route, the reporting points and the publications.
  void New();
  // Reads a route document. On failure the user is told which file failed
  // and the document stays exactly as it was.
  bool Open(const std::string& path);
  // Writes the route document, then every data file. The result is the
  // route document's; data files that could not be written are listed. The
  // data files are written together: when one cannot be written, none is
  // replaced.
  struct CSaveResult {
    CFileResult route;
    std::vector<EDataFile> failedDataFiles;
  };
  CSaveResult Save(const std::string& path);
  std::vector<EDataFile> SaveDataFiles();

  // The route document's bytes in a file version (3 or 4), and back. Reading
  // throws CArchiveException for bytes that do not form a whole document of
  // that version; nothing changes then.
  CBytes StoreRouteDocument(std::int32_t version);
  void LoadRouteDocument(std::span<const std::uint8_t> bytes, std::int32_t version);

  // The steps after a route document was read: old fixes and expired
  // warnings removed, the weather filled, the schedule from the departure
  // record and then from the latest fix.
  void Recalculate();
  // The departure record rebuilt from the route or the latest fix.
  CFixRecord& Departure();

  // A new fix from the vessel's settings, appended to the history.
  CFixRecord* NewFixFromVessel();
  // After a fix was entered or edited.
  void ProcessFix(CFixRecord& fix);

  // Item files of the selected list. Export shows its own messages; import
  // inserts the record after `selected` in the list of the file's kind.
  void ExportItem(CPosition2* selected);
  void ImportItem(const CPosition2* selected);

  // Records of the selected list, as printing counts its pages: none for
  // the schedule, which prints on one page.
  int SelectedListCount();

  // The list that keeps one kind of record.
  CPositionList& List(ERecordList list) { return *lists_[static_cast<std::size_t>(list)]; }
  // Writes the one file that keeps the list: its data file, or the route
  // document at `routePath` for the lists stored there.
  CFileResult SaveListFile(ERecordList list, const std::string& routePath);
  // The files of several lists, and with `withVessel` the vessel file,
  // replaced together or not at all (a fix changes the history, the meteo
  // records and the vessel's engine setting and steered course).
  CFileResult SaveListFiles(std::initializer_list<ERecordList> lists, const std::string& routePath,
                            bool withVessel = false);

  CVoyage& Voyage() { return voyage_; }
  CVessel2& Vessel() { return vessel_; }
  CRecordList<CFixRecord>& Fixes() { return fixes_; }
  CFixRecord* LatestFix() { return fixes_.GetTail(); }
  CPortList& Ports() { return ports_; }
  CWarningList& Warnings() { return warnings_; }
  CMeteoList& Meteo() { return meteo_; }
  CHurricaneList& Storms() { return storms_; }
  CReportingPointList& ReportingPoints() { return reportingPoints_; }
  CPublicationList& Publications() { return publications_; }
  CPrompter& Prompter() { return prompter_; }
  CSettingsStore& Settings() { return settings_; }
  // The data files this document will not save over (unreadable or damaged
  // and left in place).
  const CDataFileGuard& Guard() const { return guard_; }
  bool DataLocked() const { return mode_ == EMode::DataLocked; }
  // Another copy holds a folder the data files were moved to: from now on
  // they are only read.
  void LoseDataFiles() { mode_ = EMode::DataLocked; }
  // Whether this document writes its data files by itself (defaults, first
  // start, at the end).
  static bool Writes(EMode mode) { return mode == EMode::ReadWrite || mode == EMode::FirstStart; }
  bool Writes() const { return Writes(mode_); }
  const CClock& Clock() const { return clock_; }

  bool modified = false;
  bool askFileVersion = true;
  bool openedFromFile = false;  // while set, "Calculate ETA" starts from the first waypoint
  int fixesAtLoad = 0;
  EListKind selectedList = EListKind::Schedule;
  // Set while a print dialog is open (see CPrintScope): what is printed
  // instead of the selected list.
  std::optional<EPrintMode> printMode;
  bool listChanged = false;
  // Kept between openings of the print dialogs, never stored in a file.
  CPlottingSheetSettings plottingSheet;
  CGraphRange graphRange;
  CStormAdvisoryChoice stormAdvisory;

 private:
  std::int32_t AskFileVersion();
  void LoadDataFiles();
  EMissingFile MissingFile() const;
  template <class TList>
  bool LoadList(EDataFile file, TList& list);

  CSettingsStore& settings_;
  EMode mode_;
  CDataFileGuard guard_;
  CPrompter& prompter_;
  const CClock& clock_;
  CVessel2 vessel_;
  CRecordList<CFixRecord> fixes_;
  CPortList ports_;
  CWarningList warnings_;
  CMeteoList meteo_;
  CHurricaneList storms_;
  CVoyage voyage_;
  CReportingPointList reportingPoints_;
  CPublicationList publications_;
  CFixRecord departure_;
  // The lists above by ERecordList.
  std::array<CPositionList*, kRecordListCount> lists_{&voyage_, &fixes_,  &reportingPoints_, &warnings_,
                                                      &meteo_,  &storms_, &publications_,    &ports_};
};

}  // namespace marigold
