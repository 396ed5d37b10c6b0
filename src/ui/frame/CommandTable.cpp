#include "ui/frame/CommandTable.h"

#include <QAction>
#include <QItemSelectionModel>
#include <algorithm>
#include <array>
#include <memory>

#include "exchange/CsvFile.h"
#include "lists/ListKind.h"
#include "reports/ReportFile.h"
#include "ui/frame/AboutDialog.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/PrintCommands.h"
#include "ui/frame/RecordSheets.h"
#include "ui/frame/RouteCommands.h"
#include "ui/frame/RouteView.h"
#include "ui/models/ListModel.h"
#include "ui/sheets/AverageWeatherDialog.h"
#include "ui/sheets/CalculatorDialog.h"
#include "ui/sheets/ConfigurationDialog.h"
#include "ui/sheets/ConversionsDialog.h"
#include "ui/sheets/DriftAngleDialog.h"
#include "ui/sheets/EtaDialog.h"
#include "ui/sheets/HurricaneCpaDialog.h"
#include "ui/sheets/PlottingSheetDialog.h"
#include "ui/sheets/PrintGraphDialog.h"
#include "ui/sheets/PrintVoyagePlanDialog.h"
#include "ui/sheets/SheetPerformance.h"
#include "ui/sheets/SlipCalibrationDialog.h"
#include "ui/sheets/SpeedFuelDialog.h"
#include "ui/sheets/SquatDialog.h"
#include "ui/sheets/StormAdvisoryDialog.h"
#include "ui/sheets/TideDialogs.h"
#include "ui/sheets/VesselFormDialog.h"
#include "ui/sheets/VoyageStatusDialog.h"
#include "ui/sheets/WheelOverDialog.h"
#include "voyage/ListCommands.h"

namespace marigold {
namespace {

namespace cmd = command;

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

void CsvCommand(CMainFrame& f, int id) {
  const std::optional<CCsvCommand> csv = CsvCommandOf(id);
  if (!csv) return;
  CMarigoldRouteDoc& d = f.Doc();
  const auto path = ChooseCsvFile(d, csv->list, !csv->import);
  if (!path) return;
  if (csv->import)
    ImportList(d, csv->list, *path, [&f] {
      f.RefreshViews();
      return true;
    });
  else
    ExportList(d, csv->list, *path);
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

void DeleteItems(CMainFrame& f, int) {
  CMarigoldRouteView& view = f.RouteView();
  std::vector<int> rows;
  for (const QModelIndex& index : view.selectionModel()->selectedRows()) rows.push_back(index.row());
  DeleteRows(f.Doc(), view.Model().Content(), std::move(rows), [&f] { f.RefreshViews(); });
}

bool InsertAvailable(CMainFrame& f) {
  const int target = InsertCommandFor(f.Doc());
  if (target == 0) return true;
  const CCommand* command = FindCommand(target);
  return command && CommandEnabled(*command, f);
}

void InsertItem(CMainFrame& f, int) {
  const int target = InsertCommandFor(f.Doc());
  if (target == 0)
    InsertRefused(f.Doc());
  else
    RunCommand(target, f);
}

// A print dialog holds the print mode while it is open; the views show the
// document's own list again after it.
template <class Dialog>
void PrintDialog(CMainFrame& f, int) {
  {
    Dialog dialog(f);
    dialog.exec();
  }
  f.RefreshViews();
}

void DayNight(CMainFrame& f, int) { f.ToggleNightColours(); }
void ViewStyle(CMainFrame& f, int id) { f.SetViewStyle(cmd::kDetails - id); }
void ToggleToolBar(CMainFrame& f, int) { f.ToggleBar(true); }
void ToggleStatusBar(CMainFrame& f, int) { f.ToggleBar(false); }
void NextPane(CMainFrame& f, int) { f.SwitchPane(true); }
void PreviousPane(CMainFrame& f, int) { f.SwitchPane(false); }
void Options(CMainFrame& f, int) { RunConfigurationDialog(&f, f.Settings(), f.Prompter()); }

template <const CVesselForm& (*Form)()>
void VesselForm(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  RunVesselForm(&f, Form(), d.Vessel(), d.Settings(), f.Prompter(), d.Writes(), &d.Guard());
  f.RefreshViews();
}

// The tools that change figures on a working copy of the ship read it afresh
// from vessel.dat, so that nothing they show reaches the document's vessel.
CVessel2 WorkingVessel(CMainFrame& f) {
  CVessel2 copy;
  copy.Load(f.Doc().Settings(), f.Prompter());
  return copy;
}

void Squat(CMainFrame& f, int) {
  CSquatDialog dialog(WorkingVessel(f), &f);
  dialog.exec();
}

void SpeedFuel(CMainFrame& f, int) {
  CSpeedFuelDialog dialog(WorkingVessel(f), f.Prompter(), &f);
  dialog.exec();
}

// On the document's vessel: a calibration reaches vessel.dat with the next save.
void CalibrateSlip(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CSlipCalibrationDialog dialog(d.Vessel(), CSlipReading::FromFix(*d.LatestFix()), f.Prompter(), &f);
  dialog.exec();
  f.RefreshViews();
}

void VesselPerformance(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CSettingsStore* files = d.Writes() ? &d.Settings() : nullptr;
  ShowSheet<CSheetPerformance>(WorkingVessel(f), d.Vessel(), files, &d.Guard(), f.Prompter(), &f);
  f.RefreshViews();
}

void WheelOver(CMainFrame& f, int) {
  CWheelOverDialog dialog(f.Doc().Voyage(), &f);
  dialog.exec();
}

// The present position is the latest fix; the history is never empty once
// the document has loaded, but a fresh fix stands in should it be.
const CFixRecord& PresentPosition(CMarigoldRouteDoc& d) {
  static const CFixRecord kNone;
  const CFixRecord* fix = d.LatestFix();
  return fix ? *fix : kNone;
}

void Calculator(CMainFrame& f, int) {
  CCalculatorDialog dialog(PresentPosition(f.Doc()), f.Prompter(), &f);
  dialog.exec();
}

void DriftAngle(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CDriftAngleDialog dialog(d.Voyage(), PresentPosition(d), d.Vessel().steeredCourse, d.Vessel().logSpeed, f.Prompter(),
                           &f);
  dialog.exec();
}

void TidalCalculation(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CTideCalculationDialog dialog(d.Ports(), d.Clock().Now(), &f);
  dialog.exec();
  if (dialog.TideChanged()) f.RefreshViews();
}

void MetricConversions(CMainFrame& f, int) {
  CConversionsDialog dialog(f.Prompter(), &f);
  dialog.exec();
}

void CalculateEta(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CEtaCalculator calculator(d.Voyage(), d.Vessel(), d.LatestFix(), d.Departure(), d.openedFromFile);
  CEtaDialog dialog(calculator, f.Prompter(), &f);
  dialog.exec();
  if (dialog.EtaSet()) d.modified = true;
  f.RefreshViews();
}

void VoyageStatus(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CVoyageStatus status(d.Voyage(), d.Vessel(), d.Fixes(), d.ReportingPoints(), d.Clock());
  if (!status.Open(f.Prompter())) return;
  CVoyageStatusDialog dialog(
      status, [&f](bool preview) { PrintReport(f, EPrintMode::VoyageStatus, preview); }, &f);
  dialog.exec();
  if (status.RouteChanged()) d.modified = true;
  f.RefreshViews();
}

void AverageWeather(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CAverageWeatherTool tool(d.Voyage(), d.Meteo());
  CAverageWeatherDialog dialog(tool, &f);
  dialog.exec();
}

void HurricaneTracking(CMainFrame& f, int) {
  CMarigoldRouteDoc& d = f.Doc();
  CHurricaneCpaTool tool(d.Storms(), d.Voyage(), d.LatestFix(), d.Departure(), d.openedFromFile);
  CHurricaneCpaDialog dialog(tool, &f);
  dialog.exec();
}

void About(CMainFrame& f, int) { ShowAbout(&f); }

// The table -----------------------------------------------------------------

const CCommand kTable[] = {
    // File
    {cmd::kNew, menu::kFile, "&New", "Create a new document", "Ctrl+N", nullptr, FileNew},
    {cmd::kOpen, menu::kFile, "&Open...", "Open an existing document", "Ctrl+O", nullptr, FileOpen},
    {cmd::kSave, menu::kFile, "&Save", "Save the active document", "Ctrl+S", nullptr, FileSave},
    {cmd::kSaveAs, menu::kFile, "Save &As...", "Save the active document with a new name", "", nullptr, FileSaveAs},
    {0, menu::kFile, "", "", "", nullptr, nullptr},
    {cmd::kPrint, menu::kFile, "&Print...", "Print the active document", "Ctrl+P", nullptr, FilePrint},
    {cmd::kPrintPreview, menu::kFile, "Print Pre&view", "Display full pages", "", nullptr, FilePrintPreview},
    {cmd::kExportPdf, menu::kFile, "Export as PDF...", "Write what Print would print to a PDF file", "", nullptr,
     FileExportPdf},
    {cmd::kPrintSetup, menu::kFile, "P&rint Setup...", "Change the printer and printing options", "", nullptr,
     FilePrintSetup},
    {cmd::kPrintVoyagePlan, menu::kFile, "Print &Voyageplan", "Print all pages of voyageplan", "", NeedsWaypoint,
     PrintDialog<CPrintVoyagePlanDialog>},
    {cmd::kPrintSpeedGraph, menu::kPrintGraph, "&Speed versus time", "Print graph of speed during past days", "",
     nullptr, PrintDialog<CPrintGraphDialog>},
    {cmd::kPrintPlottingSheet, menu::kPrintGraph, "&Plotting sheet", "Print a plottingsheet chart of area", "", nullptr,
     PrintDialog<CPlottingSheetDialog>},
    {cmd::kPrintStormAdvisory, menu::kPrintGraph, "S&torm Advisory", "Print Sheet with storm advisory", "", NeedsStorm,
     PrintDialog<CStormAdvisoryDialog>},
    {0, menu::kFile, "", "", "", nullptr, nullptr},
    {cmd::kSend, menu::kFile, "Sen&d...", "Send the active document through electronic mail", "", nullptr, nullptr},
    {0, menu::kFile, "", "", "", nullptr, nullptr},
    {cmd::kRecentFile1, menu::kFile, "Recent File 1", "Open this document", "", nullptr, FileRecent},
    {cmd::kRecentFile1 + 1, menu::kFile, "Recent File 2", "Open this document", "", nullptr, FileRecent},
    {cmd::kRecentFile1 + 2, menu::kFile, "Recent File 3", "Open this document", "", nullptr, FileRecent},
    {cmd::kRecentFile1 + 3, menu::kFile, "Recent File 4", "Open this document", "", nullptr, FileRecent},
    {0, menu::kFile, "", "", "", nullptr, nullptr},
    {cmd::kExit, menu::kFile, "E&xit", "Quit the application; prompts to save documents", "", nullptr, FileExit},
    // Edit
    {cmd::kUndo, menu::kEdit, "&Undo", "Undo the last action", "Ctrl+Z; Alt+Backspace", nullptr, nullptr},
    {0, menu::kEdit, "", "", "", nullptr, nullptr},
    {cmd::kCut, menu::kEdit, "Cu&t", "Cut the selection and put it on the Clipboard", "Ctrl+X; Shift+Del", nullptr,
     nullptr},
    {cmd::kCopy, menu::kEdit, "&Copy", "Copy the selection and put it on the Clipboard", "Ctrl+C; Ctrl+Ins", nullptr,
     nullptr},
    {cmd::kPaste, menu::kEdit, "&Paste", "Insert Clipboard contents", "Ctrl+V; Shift+Ins", nullptr, nullptr},
    {0, menu::kEdit, "", "", "", nullptr, nullptr},
    {cmd::kInsertItem, menu::kEdit, "&Insert item", "Insert item into list", "Ins", nullptr, InsertItem,
     InsertAvailable},
    {cmd::kEditItem, menu::kEdit, "&Edit Item", "Edit selected item", "Return; Enter; F2", nullptr, EditRecord,
     CanEdit},
    {cmd::kDeleteItem, menu::kEdit, "&Delete item", "Delete selected item", "Del", nullptr, DeleteItems},
    // View
    {cmd::kToolBar, menu::kView, "&Toolbar", "Show or hide the toolbar", "", nullptr, ToggleToolBar},
    {cmd::kStatusBar, menu::kView, "&Status Bar", "Show or hide the status bar", "", nullptr, ToggleStatusBar},
    {0, menu::kView, "", "", "", nullptr, nullptr},
    {cmd::kLargeIcons, menu::kView, "Lar&ge Icons", "Display items by using large icons", "", nullptr, ViewStyle},
    {cmd::kSmallIcons, menu::kView, "S&mall Icons", "Display items by using small icons", "", nullptr, ViewStyle},
    {cmd::kListStyle, menu::kView, "&List", "Displays items in a list", "", nullptr, ViewStyle},
    {cmd::kDetails, menu::kView, "&Details", "Displays detailed information about each item in the window", "", nullptr,
     ViewStyle},
    // Insert
    {cmd::kInsertWaypoint, menu::kInsert, "&Waypoint", "Insert new waypoint into route", "Alt+W", nullptr, InsertRecord,
     CanInsert<cmd::kInsertWaypoint>},
    {cmd::kInsertReportingPoint, menu::kInsert, "&Reporting point", "Insert reporting point into route", "", nullptr,
     InsertRecord, CanInsert<cmd::kInsertReportingPoint>},
    {cmd::kInsertWarning, menu::kInsert, "N&avigational Warning", "Insert danger or warning into route", "", nullptr,
     InsertRecord, CanInsert<cmd::kInsertWarning>},
    {cmd::kInsertHurricane, menu::kInsert, "&Hurricane", "Add hurricane to tracking", "", nullptr, InsertRecord,
     CanInsert<cmd::kInsertHurricane>},
    {cmd::kInsertPublication, menu::kInsert, "Nautical &Publication", "Add Chart or Booklet to route", "", nullptr,
     InsertRecord, CanInsert<cmd::kInsertPublication>},
    {cmd::kInsertPort, menu::kInsert, "Port &Information", "insert Port Information to list", "", nullptr, InsertRecord,
     CanInsert<cmd::kInsertPort>},
    {cmd::kInsertPositionFix, menu::kInsert, "Position &fix", "Insert latest position fix", "Alt+P", nullptr,
     InsertRecord, CanInsert<cmd::kInsertPositionFix>},
    // Voyage
    {cmd::kVoyageStatus, menu::kVoyage, "&Status", "Get present status of voyage", "Alt+S", NeedsFix, VoyageStatus},
    {cmd::kCalculateEta, menu::kVoyage, "Calculate &ETA",
     "Calculate ETA at destination at various speed/engine settings", "Alt+E", NeedsEtaRoute, CalculateEta},
    {cmd::kAverageWeather, menu::kVoyage, "&Average weather", "Show Average weather enroute", "", nullptr,
     AverageWeather},
    {cmd::kHurricaneTracking, menu::kVoyage, "&Hurricane tracking", "Get Closest point of approach to hurricane", "",
     NeedsStormAndRoute, HurricaneTracking},
    {cmd::kVoyageProperties, menu::kVoyage, "&Properties", "Information on this route", "", nullptr, EditVoyage},
    // Reporting
    {cmd::kAmverSailingPlan, menu::kAmver, "&Sailing Plan", "Create AMVER sailing plan", "", NeedsReportRoute, Report},
    {cmd::kAmverPositionReport, menu::kAmver, "&Position report", "Create AMVER position report", "", NeedsReportRoute,
     Report},
    {cmd::kAmverArrivalReport, menu::kAmver, "&Arrival report", "Create AMVER arrival report", "", NeedsReportRoute,
     Report},
    {cmd::kSistramSailingPlan, menu::kSistram, "&Sailingplan", "Create SISTRAM sailing plan", "", NeedsReportRoute,
     Report},
    {cmd::kSistramPositionReport, menu::kSistram, "&Position report", "Create SISTRAM position report", "",
     NeedsReportRoute, Report},
    {cmd::kSistramFinalReport, menu::kSistram, "&Final report", "Create SISTRAM final report", "", NeedsReportRoute,
     Report},
    {cmd::kChilrepSailingPlan, menu::kChilrep, "&Sailingplan", "Create CHILREP sailing plan", "", NeedsReportRoute,
     Report},
    {cmd::kChilrepPositionReport, menu::kChilrep, "&Position report", "Create CHILREP position report", "",
     NeedsReportRoute, Report},
    {cmd::kChilrepFinalReport, menu::kChilrep, "&Final report", "Create CHILREP final report", "", NeedsReportRoute,
     Report},
    {cmd::kEcuadorSailingPlan, menu::kEquador, "&Sailingplan", "Create Ecuador sailing plan", "", NeedsReportRoute,
     Report},
    {cmd::kEcuadorPositionReport, menu::kEquador, "&Position report", "Create Ecuador position report", "",
     NeedsReportRoute, Report},
    {cmd::kEcuadorFinalReport, menu::kEquador, "&Final report", "Create Ecuador final report", "", NeedsReportRoute,
     Report},
    {cmd::kPeruPositionReport, menu::kPeru, "&Position report", "Create Peru position report", "", NeedsReportRoute,
     Report},
    {cmd::kAusrepSailingPlan, menu::kAusrep, "&Sailingplan", "Create AUSREP final report", "", NeedsReportRoute,
     Report},
    {cmd::kAusrepPositionReport, menu::kAusrep, "&Position report", "Create AUSREP position report", "",
     NeedsReportRoute, Report},
    {cmd::kAusrepFinalReport, menu::kAusrep, "&Final report", "Create AUSREP final report", "", NeedsReportRoute,
     Report},
    {cmd::kJasrepSailingPlan, menu::kJasrep, "&Sailingplan", "Create JASREP sailing plan", "", NeedsReportRoute,
     Report},
    {cmd::kJasrepPositionReport, menu::kJasrep, "&Position report", "Create JASREP position report", "",
     NeedsReportRoute, Report},
    {cmd::kJasrepFinalReport, menu::kJasrep, "&Final report", "Create JASREP final report", "", NeedsReportRoute,
     Report},
    // Tools
    {cmd::kEngineRpmAndSpeed, menu::kTools, "&Engine rpm and speed",
     "Calculate speed and fuel consumption at certain rpm", "", nullptr, SpeedFuel},
    {cmd::kWheelOverPoint, menu::kTools, "&Wheel over point", "Calculate wheel over point for turning", "", nullptr,
     WheelOver},
    {cmd::kCalculateSquat, menu::kTools, "Calculate &Squat", "Calculate vessels squat and draft", "", nullptr, Squat},
    {cmd::kCalibrateSlip, menu::kTools, "Calibrate S&lip", "Calibrate data on propellor slip", "", NeedsSlipFix,
     CalibrateSlip},
    {cmd::kCalculator, menu::kTools, "C&alculator", "Navigation Calculator", "Alt+C", nullptr, Calculator},
    {cmd::kDriftAngle, menu::kTools, "&Drift angle", "Calculate true ground course from water track and currentflow",
     "", nullptr, DriftAngle},
    {cmd::kTidalCalculation, menu::kTools, "&Tidal calculation", "Calculate tidal height", "", NeedsPort,
     TidalCalculation},
    {cmd::kMetricConversions, menu::kTools, "&Metric Conversions", "Various metric conversions", "Alt+M", nullptr,
     MetricConversions},
    {0, menu::kTools, "", "", "", nullptr, nullptr},
    {cmd::kImportMeteo, menu::kImport, "&Meteo data", "Import meteo data from a comma separated file", "", nullptr,
     CsvCommand},
    {cmd::kImportWaypoints, menu::kImport, "&Waypoints", "Import waypoints from a comma separated file", "", nullptr,
     CsvCommand},
    {cmd::kImportReportingPoints, menu::kImport, "&Reportingpoints",
     "Import reporting points from a comma separated file", "", nullptr, CsvCommand},
    {cmd::kImportWarnings, menu::kImport, "&Navigational Warnings",
     "Import navigational warnings from a comma separated file", "", nullptr, CsvCommand},
    {cmd::kImportHurricanes, menu::kImport, "&Hurricane data", "Import hurricane data from a comma separated file", "",
     nullptr, CsvCommand},
    {cmd::kImportPublications, menu::kImport, "&Publications", "Import charts and books from a comma separated file",
     "", nullptr, CsvCommand},
    {cmd::kImportPorts, menu::kImport, "P&ort Info", "Import port information from a comma separated file", "", nullptr,
     CsvCommand},
    {cmd::kImportRouteRtz, menu::kImport, "Route (RTZ)...", "Replace the route by one from an ECDIS route file (RTZ)",
     "", nullptr, ImportRouteFile},
    {cmd::kImportRouteGpx, menu::kImport, "Route (GPX)...", "Replace the route by one from a GPS exchange file (GPX)",
     "", nullptr, ImportRouteFile},
    {cmd::kImportTrackGpx, menu::kImport, "Track into history (GPX)...",
     "Add the tracks of a GPS exchange file (GPX) to the position fixes", "", nullptr, ImportTrackFile},
    {cmd::kExportMeteo, menu::kExport, "&Meteo data", "Export meteo data to a comma separated file", "", nullptr,
     CsvCommand},
    {cmd::kExportHistory, menu::kExport, "&History", "Export position fixes to a comma separated file", "", nullptr,
     CsvCommand},
    {cmd::kExportWaypoints, menu::kExport, "&Waypoints", "Export waypoints to a comma separated file", "", nullptr,
     CsvCommand},
    {cmd::kExportReportingPoints, menu::kExport, "&Reporting points",
     "Export reporting points to a comma separated file", "", nullptr, CsvCommand},
    {cmd::kExportWarnings, menu::kExport, "&NavWarnings", "Export navigational warnings to a comma separated file", "",
     nullptr, CsvCommand},
    {cmd::kExportHurricanes, menu::kExport, "H&urricane data", "Export hurricane data to a comma separated file", "",
     nullptr, CsvCommand},
    {cmd::kExportPublications, menu::kExport, "&Charts and books", "Export charts and books to a comma separated file",
     "", nullptr, CsvCommand},
    {cmd::kExportPorts, menu::kExport, "&PortInfo", "Export port information to a comma separated file", "", nullptr,
     CsvCommand},
    {cmd::kExportRouteRtz, menu::kExport, "Route (RTZ)...", "Export the route to an ECDIS route file (RTZ)", "",
     NeedsWaypoint, ExportRouteFile},
    {cmd::kExportRouteGpx, menu::kExport, "Route (GPX)...", "Export the route to a GPS exchange file (GPX)", "",
     NeedsWaypoint, ExportRouteFile},
    {0, menu::kTools, "", "", "", nullptr, nullptr},
    {cmd::kVesselDimensions, menu::kConfiguration, "&Vessel dimensions", "Enter basic dimensions of vessel", "",
     nullptr, VesselForm<VesselDimensionsForm>},
    {cmd::kHydrostaticTable, menu::kConfiguration, "&Hydrostatic table", "Update vessels hydrostatic table", "",
     nullptr, VesselForm<HydrostaticForm>},
    {cmd::kEngineAndPropellor, menu::kConfiguration, "&Engine and propellor", "Enter data of engine and propellor", "",
     nullptr, VesselForm<EngineForm>},
    {cmd::kVesselPerformance, menu::kConfiguration, "Vessel &Performance", "Calibrate vessels hull and wind resistance",
     "", nullptr, VesselPerformance},
    {cmd::kOptions, menu::kConfiguration, "&Options", "Configuration of application and options", "", nullptr, Options},
    // Help
    {cmd::kHelpTopics, menu::kHelp, "&Help Topics", "List Help topics", "", nullptr, nullptr},
    {0, menu::kHelp, "", "", "", nullptr, nullptr},
    {cmd::kAbout, menu::kHelp, "&About Marigold Route...", "Display program information, version number and copyright",
     "", nullptr, About},
    // The right-click menu
    {cmd::kContextInsert, menu::kContext, "&Insert", "Insert new item", "", nullptr, InsertItem, InsertAvailable},
    {cmd::kContextEdit, menu::kContext, "&Edit", "Edit item", "", nullptr, EditRecord, CanEdit},
    {cmd::kContextDelete, menu::kContext, "&Delete", "Delete item", "", nullptr, DeleteItems},
    {0, menu::kContext, "", "", "", nullptr, nullptr},
    {cmd::kImportItem, menu::kContext, "I&mport item", "Import item to disk file", "", nullptr, ImportItem},
    {cmd::kExportItem, menu::kContext, "E&xport item", "Export item to diskfile", "", nullptr, ExportItem},
    // Tool bar and keyboard only
    {cmd::kDayNight, menu::kNone, "", "Set screen day or night", "", nullptr, DayNight},
    {cmd::kContextHelp, menu::kNone, "", "Display help for clicked on buttons, menus and windows", "Shift+F1", nullptr,
     nullptr},
    {cmd::kHelp, menu::kNone, "", "Display help for current task or command", "F1", nullptr, nullptr},
    {cmd::kNextPane, menu::kNone, "", "Switch to the next window pane", "F6", nullptr, NextPane},
    {cmd::kPreviousPane, menu::kNone, "", "Switch back to the previous window pane", "Shift+F6", nullptr, PreviousPane},
};

constexpr int kToolBar[] = {cmd::kNew,
                            cmd::kOpen,
                            cmd::kSave,
                            cmd::kPrint,
                            0,
                            cmd::kInsertWaypoint,
                            cmd::kInsertPositionFix,
                            0,
                            cmd::kLargeIcons,
                            cmd::kSmallIcons,
                            cmd::kListStyle,
                            cmd::kDetails,
                            cmd::kDayNight,
                            cmd::kVoyageStatus,
                            cmd::kVoyageProperties,
                            cmd::kCalculator,
                            cmd::kCalculateEta,
                            cmd::kAbout,
                            cmd::kContextHelp};

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
  if (command->precondition && !command->precondition(frame.Doc())) return false;
  command->handler(frame, id);
  // Exit may have closed the window; the refresh is harmless then.
  frame.CheckDataFolders();
  frame.RefreshStatus();
  frame.RefreshCommands();
  return true;
}

}  // namespace marigold
