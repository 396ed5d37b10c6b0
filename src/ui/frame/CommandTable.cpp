#include "ui/frame/CommandTable.h"

#include <QAction>
#include <QItemSelectionModel>
#include <algorithm>
#include <array>
#include <memory>

#include "lists/CsvFile.h"
#include "reports/ReportFile.h"
#include "ui/frame/AboutDialog.h"
#include "ui/sheets/ConfigurationDialog.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/RouteView.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

namespace cmd = command;

// Preconditions -------------------------------------------------------------

const CPrecondition kNeedsWaypoint{[](CMarigoldRouteDoc& d) { return d.Voyage().GetCount() >= 1; },
                                   "No active voyage\nPlease load or create voyage first!", EMessageIcon::Stop};
const CPrecondition kNeedsStorm{[](CMarigoldRouteDoc& d) { return d.Storms().GetCount() >= 1; }, "No active storms",
                                EMessageIcon::Stop};
const CPrecondition kNeedsFix{[](CMarigoldRouteDoc& d) { return d.LatestFix() != nullptr; }, kNoFixForStatus,
                              EMessageIcon::Stop};
const CPrecondition kNeedsEtaRoute{[](CMarigoldRouteDoc& d) { return d.Voyage().GetCount() >= 2; },
                                   "No valid voyage loaded\nCan not calculate ETA", EMessageIcon::None};
const CPrecondition kNeedsStormAndRoute{
    [](CMarigoldRouteDoc& d) { return d.Storms().GetCount() >= 1 && d.Voyage().GetCount() >= 2; },
    "No voyage loaded\nor no active storms", EMessageIcon::Exclamation};
const CPrecondition kNeedsReportRoute{[](CMarigoldRouteDoc& d) { return d.Voyage().GetCount() >= 2; },
                                      kNoWaypointsMessage, EMessageIcon::Stop};

// Handlers ------------------------------------------------------------------

void FileNew(CMainFrame& f, int) { f.NewDocument(); }
void FileOpen(CMainFrame& f, int) {
  if (const auto file = f.Prompter().ChooseOpenFile({"", "rtp", kRouteFilter})) f.OpenDocument(*file);
}
void FileSave(CMainFrame& f, int) { f.SaveDocument(false); }
void FileSaveAs(CMainFrame& f, int) { f.SaveDocument(true); }
void FileRecent(CMainFrame& f, int id) { f.OpenRecent(id - cmd::kRecentFile1); }
void FileExit(CMainFrame& f, int) { f.close(); }

void Report(CMainFrame& f, int id) {
  if (const CReportCommand* report = FindReportCommand(id)) WriteReport(report->kind, f.Doc());
}

// The CSV commands: default file name of the dialog, and the list.
struct CCsvCommand {
  int id;
  const char* defaultName;
};
constexpr std::array<CCsvCommand, 15> kCsvCommands = {{
    {32787, "meteo"},    {32854, "history"},    {32855, "waypoints"},    {32856, "reporting"},
    {32857, "navwarnings"}, {32858, "hurricanes"}, {32859, "publications"}, {32860, "portname"},
    {32786, "meteo"},    {32861, "waypoints"},  {32862, "reporting"},    {32863, "navwarnings"},
    {32864, "hurricanes"}, {32865, "publications"}, {32866, "portname"},
}};

bool ExportList(int id, CMarigoldRouteDoc& d, const std::string& path) {
  CSettingsStore& s = d.Settings();
  CPrompter& p = d.Prompter();
  switch (id) {
    case 32787: return ExportCsv(d.Meteo(), path, s, p);
    case 32854: return ExportCsv(d.Fixes(), path, s, p);
    case 32855: return ExportCsv(d.Voyage(), path, s, p, kCsvVoyageEmpty);
    case 32856: return ExportCsv(d.ReportingPoints(), path, s, p, kCsvReportingListEmpty);
    case 32857: return ExportCsv(d.Warnings(), path, s, p);
    case 32858: return ExportCsv(d.Storms(), path, s, p);
    case 32859: return ExportCsv(d.Publications(), path, s, p);
    case 32860: return ExportCsv(d.Ports(), path, s, p);
    default: return false;
  }
}

bool ImportList(int id, CMarigoldRouteDoc& d, const std::string& path) {
  CSettingsStore& s = d.Settings();
  const CClock& clock = d.Clock();
  switch (id) {
    case 32786: return ImportMeteoCsv(d.Meteo(), path, s, clock);
    case 32861: return ImportCsv(d.Voyage(), path, s);
    case 32862: return ImportCsv(d.ReportingPoints(), path, s);
    case 32863: return ImportCsv(d.Warnings(), path, s);
    case 32864: return ImportCsv(d.Storms(), path, s);
    case 32865:
      return ImportCsv(d.Publications(), path, s, [&clock] { return std::make_unique<CPublication>(clock.Now()); });
    case 32866:
      return ImportCsv(d.Ports(), path, s, [&clock] { return std::make_unique<CPortInfo>(clock.Now()); });
    default: return false;
  }
}

void CsvCommand(CMainFrame& f, int id) {
  const CCsvCommand* csv = nullptr;
  for (const CCsvCommand& c : kCsvCommands)
    if (c.id == id) csv = &c;
  if (!csv) return;
  CPrompter& p = f.Prompter();
  const auto path = p.ChooseOpenFile({csv->defaultName, "csv", kCsvFilter});
  if (!path) return;
  const bool isImport = id == 32786 || id >= 32861;
  if (!isImport) {
    if (ExportList(id, f.Doc(), *path))
      p.Message("Export succesfull", EMessageIcon::Information);
    else
      p.Message("Export failed", EMessageIcon::Exclamation);
    return;
  }
  if (!ImportList(id, f.Doc(), *path)) {
    p.Message("Import failed", EMessageIcon::Exclamation);
    return;
  }
  f.Doc().modified = true;
  f.RefreshViews();
  p.Message("Import succesfull", EMessageIcon::Information);
}

CPosition2* FirstSelected(CMainFrame& f) {
  const auto records = f.RouteView().SelectedRecords();
  return records.empty() ? nullptr : records.front();
}

void ExportItem(CMainFrame& f, int) { f.Doc().ExportItem(FirstSelected(f)); }
void ImportItem(CMainFrame& f, int) {
  f.Doc().ImportItem(FirstSelected(f));
  f.LeftView().Refresh();
  f.RefreshViews();
}

// The list that owns the records a list view row shows.
CPositionList* OwnerOf(CMarigoldRouteDoc& d, int selectedList) {
  switch (static_cast<EListKind>(selectedList)) {
    case EListKind::Schedule:
    case EListKind::Waypoints: return &d.Voyage();
    case EListKind::PositionFixes: return &d.Fixes();
    case EListKind::ReportingPoints: return &d.ReportingPoints();
    case EListKind::Warnings: return &d.Warnings();
    case EListKind::Meteo: return &d.Meteo();
    case EListKind::Storms: return &d.Storms();
    case EListKind::Charts:
    case EListKind::Books: return &d.Publications();
    case EListKind::Ports: return &d.Ports();
  }
  return nullptr;
}

void DeleteItems(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CPrompter& p = f.Prompter();
  CMarigoldRouteView& view = f.RouteView();
  const QModelIndexList rows = view.selectionModel()->selectedRows();
  if (!p.AskYesNo(kDeleteQuestion) || rows.isEmpty()) return;
  const int list = d.selectedList;
  const bool route = list == static_cast<int>(EListKind::Schedule) || list == static_cast<int>(EListKind::Waypoints);
  const bool presentPosition =
      route && std::any_of(rows.begin(), rows.end(), [](const QModelIndex& i) { return i.row() == 0; });
  // Taken before the first removal: the refresh after each one rebuilds the rows.
  const std::vector<CPosition2*> records = view.SelectedRecords();
  if (presentPosition) p.Message(kPresentPositionNotDeleted, EMessageIcon::Stop);
  CPositionList* owner = OwnerOf(d, list);
  for (CPosition2* record : records) {
    if (!owner || !owner->Remove(record)) {
      p.Message(kPositionNotDeleted, EMessageIcon::Stop);
      continue;
    }
    if (route || list == static_cast<int>(EListKind::ReportingPoints) || list == static_cast<int>(EListKind::Charts) ||
        list == static_cast<int>(EListKind::Books))
      d.modified = true;
    f.RefreshViews();
  }
}

// The insert command of each list; the Meteo list takes no manual entries.
int InsertCommandOf(int selectedList) {
  switch (static_cast<EListKind>(selectedList)) {
    case EListKind::Schedule:
    case EListKind::Waypoints: return cmd::kInsertWaypoint;
    case EListKind::PositionFixes: return cmd::kInsertPositionFix;
    case EListKind::ReportingPoints: return 32790;
    case EListKind::Warnings: return 32791;
    case EListKind::Meteo: return 0;
    case EListKind::Storms: return 32792;
    case EListKind::Charts:
    case EListKind::Books: return 32840;
    case EListKind::Ports: return 32841;
  }
  return -1;
}

bool InsertAvailable(CMainFrame& f) {
  const int target = InsertCommandOf(f.Doc().selectedList);
  if (target == 0) return true;
  const CCommand* command = FindCommand(target);
  return command && CommandEnabled(*command, f);
}

void InsertItem(CMainFrame& f, int) {
  const int target = InsertCommandOf(f.Doc().selectedList);
  if (target == 0)
    f.Prompter().Message(kMeteoNotInsertable, EMessageIcon::None);
  else if (target > 0)
    RunCommand(target, f);
}

void DayNight(CMainFrame& f, int) { f.ToggleNightColours(); }
void ViewStyle(CMainFrame& f, int id) { f.SetViewStyle(cmd::kDetails - id); }
void ToggleToolBar(CMainFrame& f, int) { f.ToggleBar(true); }
void ToggleStatusBar(CMainFrame& f, int) { f.ToggleBar(false); }
void NextPane(CMainFrame& f, int) { f.SwitchPane(true); }
void PreviousPane(CMainFrame& f, int) { f.SwitchPane(false); }
void Options(CMainFrame& f, int) { RunConfigurationDialog(&f, f.Settings(), f.Prompter()); }
void About(CMainFrame& f, int) { ShowAbout(&f); }

// The table -----------------------------------------------------------------

#define REPORT_MENU_AMVER "&Reporting/&Amver/"
#define REPORT_MENU_SISTRAM "&Reporting/&Sistram/"
#define REPORT_MENU_CHILREP "&Reporting/&Chilrep/"
#define REPORT_MENU_EQUADOR "&Reporting/&Equador/"
#define REPORT_MENU_PERU "&Reporting/&Peru/"
#define REPORT_MENU_AUSREP "&Reporting/A&usrep/"
#define REPORT_MENU_JASREP "&Reporting/&Jasrep/"

const CCommand kTable[] = {
    // File
    {cmd::kNew, "&File/&New", "Create a new document", "Ctrl+N", nullptr, FileNew},
    {cmd::kOpen, "&File/&Open...", "Open an existing document", "Ctrl+O", nullptr, FileOpen},
    {cmd::kSave, "&File/&Save", "Save the active document", "Ctrl+S", nullptr, FileSave},
    {cmd::kSaveAs, "&File/Save &As...", "Save the active document with a new name", "", nullptr, FileSaveAs},
    {0, "&File", "", "", nullptr, nullptr},
    {cmd::kPrint, "&File/&Print...", "Print the active document", "Ctrl+P", nullptr, nullptr},
    {cmd::kPrintPreview, "&File/Print Pre&view", "Display full pages", "", nullptr, nullptr},
    {cmd::kPrintSetup, "&File/P&rint Setup...", "Change the printer and printing options", "", nullptr, nullptr},
    {32880, "&File/Print &Voyageplan", "Print all pages of voyageplan", "", &kNeedsWaypoint, nullptr},
    {32874, "&File/Print &Graph/&Speed versus time", "Print graph of speed during past days", "", nullptr, nullptr},
    {32882, "&File/Print &Graph/&Plotting sheet", "Print a plottingsheet chart of area", "", nullptr, nullptr},
    {32883, "&File/Print &Graph/S&torm Advisory", "Print Sheet with storm advisory", "", &kNeedsStorm, nullptr},
    {0, "&File", "", "", nullptr, nullptr},
    {cmd::kSend, "&File/Sen&d...", "Send the active document through electronic mail", "", nullptr, nullptr},
    {0, "&File", "", "", nullptr, nullptr},
    {cmd::kRecentFile1, "&File/Recent File 1", "Open this document", "", nullptr, FileRecent},
    {cmd::kRecentFile1 + 1, "&File/Recent File 2", "Open this document", "", nullptr, FileRecent},
    {cmd::kRecentFile1 + 2, "&File/Recent File 3", "Open this document", "", nullptr, FileRecent},
    {cmd::kRecentFile1 + 3, "&File/Recent File 4", "Open this document", "", nullptr, FileRecent},
    {0, "&File", "", "", nullptr, nullptr},
    {cmd::kExit, "&File/E&xit", "Quit the application; prompts to save documents", "", nullptr, FileExit},
    // Edit
    {cmd::kUndo, "&Edit/&Undo", "Undo the last action", "Ctrl+Z; Alt+Backspace", nullptr, nullptr},
    {0, "&Edit", "", "", nullptr, nullptr},
    {cmd::kCut, "&Edit/Cu&t", "Cut the selection and put it on the Clipboard", "Ctrl+X; Shift+Del", nullptr,
     nullptr},
    {cmd::kCopy, "&Edit/&Copy", "Copy the selection and put it on the Clipboard", "Ctrl+C; Ctrl+Ins", nullptr,
     nullptr},
    {cmd::kPaste, "&Edit/&Paste", "Insert Clipboard contents", "Ctrl+V; Shift+Ins", nullptr, nullptr},
    {0, "&Edit", "", "", nullptr, nullptr},
    {cmd::kInsertItem, "&Edit/&Insert item", "Insert item into list", "", nullptr, InsertItem, InsertAvailable},
    {cmd::kEditItem, "&Edit/&Edit Item", "Edit selected item", "", nullptr, nullptr},
    {cmd::kDeleteItem, "&Edit/&Delete item", "Delete selected item", "", nullptr, DeleteItems},
    // View
    {cmd::kToolBar, "&View/&Toolbar", "Show or hide the toolbar", "", nullptr, ToggleToolBar},
    {cmd::kStatusBar, "&View/&Status Bar", "Show or hide the status bar", "", nullptr, ToggleStatusBar},
    {0, "&View", "", "", nullptr, nullptr},
    {cmd::kLargeIcons, "&View/Lar&ge Icons", "Display items by using large icons", "", nullptr, ViewStyle},
    {cmd::kSmallIcons, "&View/S&mall Icons", "Display items by using small icons", "", nullptr, ViewStyle},
    {cmd::kListStyle, "&View/&List", "Displays items in a list", "", nullptr, ViewStyle},
    {cmd::kDetails, "&View/&Details", "Displays detailed information about each item in the window", "", nullptr,
     ViewStyle},
    // Insert
    {cmd::kInsertWaypoint, "&Insert/&Waypoint", "Insert new waypoint into route", "Alt+W", nullptr, nullptr},
    {32790, "&Insert/&Reporting point", "Insert reporting point into route", "", nullptr, nullptr},
    {32791, "&Insert/Navigational W&arning", "Insert danger or warning into route", "", nullptr, nullptr},
    {32792, "&Insert/&Hurricane", "Add hurricane to tracking", "", nullptr, nullptr},
    {32840, "&Insert/Nautical &Publication", "Add Chart or Booklet to route", "", nullptr, nullptr},
    {32841, "&Insert/Port &Information", "insert Port Information to list", "", nullptr, nullptr},
    {cmd::kInsertPositionFix, "&Insert/Position &fix", "Insert latest position fix", "Alt+P", nullptr, nullptr},
    // Voyage
    {cmd::kVoyageStatus, "&Voyage/&Status", "Get present status of voyage", "Alt+S", &kNeedsFix, nullptr},
    {cmd::kCalculateEta, "&Voyage/Calculate &ETA", "Calculate ETA at destination at various speed/engine settings",
     "Alt+E", &kNeedsEtaRoute, nullptr},
    {32884, "&Voyage/&Average weather", "Show Average weather enroute", "", nullptr, nullptr},
    {32881, "&Voyage/&Hurricane tracking", "Get Closest point of approach to hurricane", "", &kNeedsStormAndRoute,
     nullptr},
    {32794, "&Voyage/&Properties", "Information on this route", "", nullptr, nullptr},
    // Reporting
    {32886, REPORT_MENU_AMVER "&Sailing Plan", "Create AMVER sailing plan", "", &kNeedsReportRoute, Report},
    {32887, REPORT_MENU_AMVER "&Position report", "Create AMVER position report", "", &kNeedsReportRoute, Report},
    {32888, REPORT_MENU_AMVER "&Arrival report", "Create AMVER arrival report", "", &kNeedsReportRoute, Report},
    {32889, REPORT_MENU_SISTRAM "&Sailingplan", "Create SISTRAM sailing plan", "", &kNeedsReportRoute, Report},
    {32890, REPORT_MENU_SISTRAM "&Position report", "Create SISTRAM position report", "", &kNeedsReportRoute, Report},
    {32891, REPORT_MENU_SISTRAM "&Final report", "Create SISTRAM final report", "", &kNeedsReportRoute, Report},
    {32895, REPORT_MENU_CHILREP "&Sailingplan", "Create CHILREP sailing plan", "", &kNeedsReportRoute, Report},
    {32896, REPORT_MENU_CHILREP "&Position report", "Create CHILREP position report", "", &kNeedsReportRoute, Report},
    {32897, REPORT_MENU_CHILREP "&Final report", "Create CHILREP final report", "", &kNeedsReportRoute, Report},
    {32898, REPORT_MENU_EQUADOR "&Sailingplan", "Create Ecuador sailing plan", "", &kNeedsReportRoute, Report},
    {32899, REPORT_MENU_EQUADOR "&Position report", "Create Ecuador position report", "", &kNeedsReportRoute, Report},
    {32900, REPORT_MENU_EQUADOR "&Final report", "Create Ecuador final report", "", &kNeedsReportRoute, Report},
    {32902, REPORT_MENU_PERU "&Position report", "Create Peru position report", "", &kNeedsReportRoute, Report},
    {32892, REPORT_MENU_AUSREP "&Sailingplan", "Create AUSREP final report", "", &kNeedsReportRoute, Report},
    {32893, REPORT_MENU_AUSREP "&Position report", "Create AUSREP position report", "", &kNeedsReportRoute, Report},
    {32894, REPORT_MENU_AUSREP "&Final report", "Create AUSREP final report", "", &kNeedsReportRoute, Report},
    {32904, REPORT_MENU_JASREP "&Sailingplan", "Create JASREP sailing plan", "", &kNeedsReportRoute, Report},
    {32905, REPORT_MENU_JASREP "&Position report", "Create JASREP position report", "", &kNeedsReportRoute, Report},
    {32906, REPORT_MENU_JASREP "&Final report", "Create JASREP final report", "", &kNeedsReportRoute, Report},
    // Tools
    {32785, "&Tools/&Engine rpm and speed", "Calculate speed and fuel consumption at certain rpm", "", nullptr,
     nullptr},
    {32784, "&Tools/&Wheel over point", "Calculate wheel over point for turning", "", nullptr, nullptr},
    {32783, "&Tools/Calculate &Squat", "Calculate vessels squat and draft", "", nullptr, nullptr},
    {32869, "&Tools/Calibrate S&lip", "Calibrate data on propellor slip", "", nullptr, nullptr},
    {32848, "&Tools/&Calculator", "Navigation Calculator", "Alt+C", nullptr, nullptr},
    {32852, "&Tools/&Drift angle", "Calculate true ground course from water track and currentflow", "", nullptr,
     nullptr},
    {32885, "&Tools/&Tidal calculation", "Calculate tidal height", "", nullptr, nullptr},
    {32782, "&Tools/&Metric Conversions", "Various metric conversions", "Alt+M", nullptr, nullptr},
    {0, "&Tools", "", "", nullptr, nullptr},
    {32786, "&Tools/&Import/&Meteo data", "Import meteo data from a comma separated file", "", nullptr, CsvCommand},
    {32861, "&Tools/&Import/&Waypoints", "Import waypoints from a comma separated file", "", nullptr, CsvCommand},
    {32862, "&Tools/&Import/&Reportingpoints", "Import reporting points from a comma separated file", "", nullptr,
     CsvCommand},
    {32863, "&Tools/&Import/&Navigational Warnings", "Import navigational warnings from a comma separated file", "",
     nullptr, CsvCommand},
    {32864, "&Tools/&Import/&Hurricane data", "Import hurricane data from a comma separated file", "", nullptr,
     CsvCommand},
    {32865, "&Tools/&Import/&Publications", "Import charts and books from a comma separated file", "", nullptr,
     CsvCommand},
    {32866, "&Tools/&Import/P&ort Info", "Import port information from a comma separated file", "", nullptr,
     CsvCommand},
    {32787, "&Tools/E&xport/&Meteo data", "Export meteo data to a comma separated file", "", nullptr, CsvCommand},
    {32854, "&Tools/E&xport/&History", "Export position fixes to a comma separated file", "", nullptr, CsvCommand},
    {32855, "&Tools/E&xport/&Waypoints", "Export waypoints to a comma separated file", "", nullptr, CsvCommand},
    {32856, "&Tools/E&xport/&Reporting points", "Export reporting points to a comma separated file", "", nullptr,
     CsvCommand},
    {32857, "&Tools/E&xport/&NavWarnings", "Export navigational warnings to a comma separated file", "", nullptr,
     CsvCommand},
    {32858, "&Tools/E&xport/H&urricane data", "Export hurricane data to a comma separated file", "", nullptr,
     CsvCommand},
    {32859, "&Tools/E&xport/&Charts and books", "Export charts and books to a comma separated file", "", nullptr,
     CsvCommand},
    {32860, "&Tools/E&xport/&PortInfo", "Export port information to a comma separated file", "", nullptr,
     CsvCommand},
    {0, "&Tools", "", "", nullptr, nullptr},
    {32778, "&Tools/C&onfiguration/&Vessel dimensions", "Enter basic dimensions of vessel", "", nullptr, nullptr},
    {32779, "&Tools/C&onfiguration/&Hydrostatic table", "Update vessels hydrostatic table", "", nullptr, nullptr},
    {32780, "&Tools/C&onfiguration/&Engine and propellor", "Enter data of engine and propellor", "", nullptr,
     nullptr},
    {32907, "&Tools/C&onfiguration/Vessel &Performance", "Calibrate vessels hull and wind resistance", "", nullptr,
     nullptr},
    {cmd::kOptions, "&Tools/C&onfiguration/&Options", "Configuration of application and options", "", nullptr,
     Options},
    // Help
    {cmd::kHelpTopics, "&Help/&Help Topics", "List Help topics", "", nullptr, nullptr},
    {0, "&Help", "", "", nullptr, nullptr},
    {cmd::kAbout, "&Help/&About Marigold Route...", "Display program information, version number and copyright", "",
     nullptr, About},
    // The right-click menu
    {cmd::kContextInsert, "Context/&Insert", "Insert new item", "", nullptr, InsertItem, InsertAvailable},
    {cmd::kContextEdit, "Context/&Edit", "Edit item", "", nullptr, nullptr},
    {cmd::kContextDelete, "Context/&Delete", "Delete item", "", nullptr, DeleteItems},
    {0, "Context", "", "", nullptr, nullptr},
    {cmd::kImportItem, "Context/I&mport item", "Import item to disk file", "", nullptr, ImportItem},
    {cmd::kExportItem, "Context/E&xport item", "Export item to diskfile", "", nullptr, ExportItem},
    // Tool bar and keyboard only
    {cmd::kDayNight, "", "Set screen day or night", "", nullptr, DayNight},
    {cmd::kContextHelp, "", "Display help for clicked on buttons, menus and windows", "Shift+F1", nullptr, nullptr},
    {cmd::kHelp, "", "Display help for current task or command", "F1", nullptr, nullptr},
    {cmd::kNextPane, "", "Switch to the next window pane", "F6", nullptr, NextPane},
    {cmd::kPreviousPane, "", "Switch back to the previous window pane", "Shift+F6", nullptr, PreviousPane},
};

#undef REPORT_MENU_AMVER
#undef REPORT_MENU_SISTRAM
#undef REPORT_MENU_CHILREP
#undef REPORT_MENU_EQUADOR
#undef REPORT_MENU_PERU
#undef REPORT_MENU_AUSREP
#undef REPORT_MENU_JASREP

constexpr int kToolBar[] = {cmd::kNew,        cmd::kOpen,          cmd::kSave,        cmd::kPrint,
                            0,                cmd::kInsertWaypoint, cmd::kInsertPositionFix, 0,
                            cmd::kLargeIcons, cmd::kSmallIcons,    cmd::kListStyle,   cmd::kDetails,
                            cmd::kDayNight,   cmd::kVoyageStatus,  32794,             32848,
                            cmd::kCalculateEta, cmd::kAbout,       cmd::kContextHelp};

}  // namespace

std::span<const CCommand> CommandTable() { return kTable; }

const CCommand* FindCommand(int id) {
  if (id == 0) return nullptr;
  for (const CCommand& command : kTable)
    if (command.id == id) return &command;
  return nullptr;
}

std::span<const int> ToolBarCommands() { return kToolBar; }

bool CommandEnabled(const CCommand& command, CMainFrame& frame) {
  return command.handler && (!command.available || command.available(frame));
}

bool RunCommand(int id, CMainFrame& frame) {
  const CCommand* command = FindCommand(id);
  if (!command || !CommandEnabled(*command, frame)) return false;
  if (const CPrecondition* need = command->precondition; need && !need->holds(frame.Doc())) {
    frame.Prompter().Message(need->message, need->icon);
    return false;
  }
  command->handler(frame, id);
  // Exit may have closed the window; the refresh is harmless then.
  frame.RefreshStatus();
  frame.RefreshCommands();
  return true;
}

}  // namespace marigold
