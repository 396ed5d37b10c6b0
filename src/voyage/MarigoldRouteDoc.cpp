#include "voyage/MarigoldRouteDoc.h"

#include <algorithm>

#include "core/FileIo.h"
#include "core/Settings.h"
#include "core/TextFormat.h"
#include "exchange/ExchangeMessages.h"
#include "voyage/FixHistory.h"
#include "voyage/Schedule.h"

namespace marigold {

CMarigoldRouteDoc::CMarigoldRouteDoc(CSettingsStore& settings, CPrompter& prompter, const CClock& clock, EMode mode)
    : settings_(settings),
      mode_(mode),
      guard_(Writes(mode) ? CDataFileGuard::EDamaged::MayMoveAside : CDataFileGuard::EDamaged::LookOnly),
      prompter_(prompter),
      clock_(clock) {
  LoadDataFiles();
  fixesAtLoad = fixes_.GetCount();
  openedFromFile = false;
  askFileVersion = ReadSetting(settings_, settings::kAskLoadOld) != 0;
}

CMarigoldRouteDoc::~CMarigoldRouteDoc() {
  if (!Writes()) return;
  try {
    SaveDataFiles();
  } catch (...) {
    // Nothing may escape a destructor; the files keep their last good state.
  }
}

template <class TList>
bool CMarigoldRouteDoc::LoadList(EDataFile file, TList& list) {
  const bool loaded = LoadDataFile(
      file, settings_, prompter_, [&list](CArchive& ar) { list.Serialize(ar); }, &guard_, MissingFile());
  if (!loaded) prompter_.Message(DataFileInfo(file).documentMessage, EMessageIcon::None);
  return loaded;
}

void CMarigoldRouteDoc::LoadDataFiles() {
  if (!vessel_.Load(settings_, prompter_, &guard_, MissingFile()))
    prompter_.Message(DataFileInfo(EDataFile::Vessel).documentMessage, EMessageIcon::None);
  LoadList(EDataFile::History, fixes_);
  if (fixes_.IsEmpty()) NewFix(fixes_, clock_);
  LoadList(EDataFile::Ports, ports_);
  LoadList(EDataFile::Warnings, warnings_);
  LoadList(EDataFile::Meteo, meteo_);
  LoadList(EDataFile::Hurricanes, storms_);
  if (meteo_.EnsureDefaultRecord() && Writes())
    SaveDataFile(
        EDataFile::Meteo, settings_, [this](CArchive& ar) { meteo_.Serialize(ar); }, &guard_);
  meteo_.ValidateAll();
  if (mode_ == EMode::FirstStart) SaveDataFiles();
}

EMissingFile CMarigoldRouteDoc::MissingFile() const {
  return mode_ == EMode::FirstStart ? EMissingFile::StartEmpty : EMissingFile::Locate;
}

std::vector<EDataFile> CMarigoldRouteDoc::SaveDataFiles() {
  if (DataLocked()) return {std::begin(kDataFiles), std::end(kDataFiles)};
  // Every file is written before any is renamed: a fix changes the history
  // and the meteo records, and a failure of one must not leave the other
  // already replaced.
  CFileBatch batch;
  std::vector<EDataFile> failed;
  const auto stage = [&](EDataFile file, CPositionList& list) {
    if (!SaveDataFile(
            file, settings_, [&list](CArchive& ar) { list.Serialize(ar); }, &guard_, &batch))
      failed.push_back(file);
  };
  if (!vessel_.Save(settings_, &guard_, &batch)) failed.push_back(EDataFile::Vessel);
  stage(EDataFile::History, fixes_);
  stage(EDataFile::Ports, ports_);
  stage(EDataFile::Warnings, warnings_);
  stage(EDataFile::Meteo, meteo_);
  stage(EDataFile::Hurricanes, storms_);
  // A file with no path or refused on purpose is not written, as before; it
  // does not hold back the others. A file that failed to write does.
  const bool writeFailed = std::ranges::any_of(failed, [this](EDataFile file) {
    const std::string path = ReadSetting(settings_, DataFileInfo(file).path);
    return !path.empty() && !guard_.Refuses(path);
  });
  if (writeFailed || !batch.Commit()) return {std::begin(kDataFiles), std::end(kDataFiles)};
  return failed;
}

void CMarigoldRouteDoc::New() {
  voyage_.RemoveAll();
  voyage_.voyageNumber.clear();
  voyage_.notes.clear();
  reportingPoints_.RemoveAll();
  publications_.RemoveAll();
  modified = false;
  selectedList = EListKind::Schedule;
  openedFromFile = true;
}

std::int32_t CMarigoldRouteDoc::AskFileVersion() {
  if (!askFileVersion) return CVoyage::kCurrentVersion;
  const int choice = prompter_.Choose(kFileVersionTitle, kFileVersionPrompt, {kOldFileType, kNewFileType}, 1);
  return choice == 0 ? 3 : CVoyage::kCurrentVersion;
}

CBytes CMarigoldRouteDoc::StoreRouteDocument(std::int32_t version) {
  CArchive ar = CArchive::ForStoring();
  voyage_.version = version;
  voyage_.Serialize(ar);
  publications_.Serialize(ar);
  reportingPoints_.Serialize(ar);
  return ar.TakeBytes();
}

void CMarigoldRouteDoc::LoadRouteDocument(std::span<const std::uint8_t> bytes, std::int32_t version) {
  CArchive ar = CArchive::ForLoading(bytes);
  CVoyage voyage;
  voyage.version = version;
  voyage.weatherSource = voyage_.weatherSource;  // a setting of the program, not of the file
  CPublicationList publications;
  CReportingPointList reportingPoints;
  voyage.Serialize(ar);
  publications.Serialize(ar);
  reportingPoints.Serialize(ar);
  // A file read as the other file type leaves bytes over (or runs short).
  if (!ar.AtEnd())
    throw CArchiveException(std::to_string(ar.Remaining()) + " bytes left over after the route document");
  voyage_ = std::move(voyage);
  publications_ = std::move(publications);
  reportingPoints_ = std::move(reportingPoints);
}

bool CMarigoldRouteDoc::Open(const std::string& path) {
  const std::int32_t version = AskFileVersion();
  std::string error;
  const std::optional<CBytes> bytes = ReadFileBytes(path, &error);
  if (!bytes) {
    prompter_.Message("Unable to open route document\n" + path + "\n" + error, EMessageIcon::Stop);
    return false;
  }
  try {
    LoadRouteDocument(*bytes, version);
  } catch (const CArchiveException&) {
    const std::string other = version == 3 ? kNewFileType : kOldFileType;
    const std::string hint =
        askFileVersion ? "Please try again and choose \"" + other + "\"."
                       : "If it was written by an older version, check \"Compatible with old versions of route "
                         "files (file open-dialog)\" under Options and choose \"" +
                             other + "\".";
    prompter_.Message(
        "Unable to open route document\n" + path + "\nThe file is damaged or of the other file type.\n" + hint,
        EMessageIcon::Stop);
    return false;
  }
  modified = false;
  openedFromFile = true;
  Recalculate();
  return true;
}

CMarigoldRouteDoc::CSaveResult CMarigoldRouteDoc::Save(const std::string& path) {
  CSaveResult result;
  const std::int32_t version = AskFileVersion();
  try {
    result.route = WriteFileAtomic(path, StoreRouteDocument(version));
  } catch (const CArchiveException& e) {
    result.route = {false, e.what()};
  }
  if (result.route) modified = false;
  result.failedDataFiles = SaveDataFiles();
  return result;
}

void CMarigoldRouteDoc::Recalculate() {
  RemoveOldFixes(fixes_, ReadSetting(settings_, settings::kDaysOldFix));
  warnings_.RemoveExpired(clock_);
  FillWeather(voyage_, meteo_);
  Calculate(voyage_, vessel_, Departure());
  if (const CFixRecord* latest = LatestFix()) Calculate(voyage_, vessel_, *latest);
}

CFixRecord& CMarigoldRouteDoc::Departure() {
  RebuildDeparture(departure_, voyage_, LatestFix());
  return departure_;
}

CFixRecord* CMarigoldRouteDoc::NewFixFromVessel() {
  CFixRecord* fix = marigold::NewFixFromVessel(fixes_, vessel_, clock_);
  openedFromFile = false;
  return fix;
}

void CMarigoldRouteDoc::ProcessFix(CFixRecord& fix) {
  marigold::ProcessFix(fix, fixes_, vessel_, meteo_, prompter_, clock_);
  openedFromFile = false;
}

void CMarigoldRouteDoc::ExportItem(CPosition2* selected) {
  if (!selected) {
    prompter_.Message(kNoItemSelected, EMessageIcon::Exclamation);
    return;
  }
  const std::optional<std::string> path = prompter_.ChooseSaveFile({selected->GetName(), "dat", kItemFilter});
  if (path && WriteItemFile(*path, selectedList, *selected)) {
    prompter_.Message(kExportSucceeded, EMessageIcon::None);
  } else {
    prompter_.Message(kExportFailed, EMessageIcon::Exclamation);
  }
}

void CMarigoldRouteDoc::ImportItem(const CPosition2* selected) {
  const std::optional<std::string> path = prompter_.ChooseOpenFile({"", "dat", kItemFilter});
  if (!path) return;
  std::optional<CItem> item = ReadItemFile(*path);
  if (!item) {
    prompter_.Message(kImportFailed, EMessageIcon::Exclamation);
    return;
  }
  selectedList = item->kind;
  List(ListKindInfo(item->kind).shows).InsertAfterChecked(selected, std::move(item->record));
  modified = true;
  prompter_.Message(kImportSucceeded, EMessageIcon::None);
}

int CMarigoldRouteDoc::SelectedListCount() {
  const CListKindInfo& info = ListKindInfo(selectedList);
  return info.pagedByRecord ? List(info.shows).GetCount() : 0;
}

CFileResult CMarigoldRouteDoc::SaveListFile(ERecordList list, const std::string& routePath) {
  return SaveListFiles({list}, routePath);
}

CFileResult CMarigoldRouteDoc::SaveListFiles(std::initializer_list<ERecordList> lists, const std::string& routePath,
                                             bool withVessel) {
  CFileBatch batch;
  if (withVessel) {
    const CFileResult staged =
        DataLocked() ? CFileResult{false, kDataFilesInUse} : vessel_.Save(settings_, &guard_, &batch);
    if (!staged) return staged;
  }
  for (const ERecordList list : lists) {
    const std::optional<EDataFile> file = RecordListInfo(list).dataFile;
    CFileResult staged;
    if (!file) {
      staged = batch.Stage(routePath, StoreRouteDocument(CVoyage::kCurrentVersion));
    } else if (DataLocked()) {
      staged = {false, kDataFilesInUse};
    } else {
      CPositionList& records = List(list);
      staged = SaveDataFile(
          *file, settings_, [&records](CArchive& ar) { records.Serialize(ar); }, &guard_, &batch);
    }
    if (!staged) return staged;  // nothing is replaced
  }
  return batch.Commit();
}

}  // namespace marigold
