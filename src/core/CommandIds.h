#pragma once
// The numbers of every command of the program. The menus, the tool bar, the
// keyboard, the list kinds and the report commands name them from here; the
// numbers themselves are part of the program's interface (the test pictures
// and `--show ID` use them), so they never change.
namespace marigold::command {

// File
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kSend = 57612;
inline constexpr int kRecentFile1 = 57616;  // and the three after it
inline constexpr int kExit = 57665;
inline constexpr int kPrintVoyagePlan = 32880;
inline constexpr int kPrintSpeedGraph = 32874;
inline constexpr int kPrintPlottingSheet = 32882;
inline constexpr int kPrintStormAdvisory = 32883;
// What Print would print, into a PDF file.
inline constexpr int kExportPdf = 32930;

// Edit and the right-click menu
inline constexpr int kUndo = 57643;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kInsertItem = 32847;
inline constexpr int kEditItem = 32845;
inline constexpr int kDeleteItem = 32846;
inline constexpr int kContextInsert = 32842;
inline constexpr int kContextEdit = 32843;
inline constexpr int kContextDelete = 32844;
inline constexpr int kImportItem = 32872;
inline constexpr int kExportItem = 32873;

// View. The list view styles are in tool bar order; the view's style is
// kDetails minus the id (details is style 0, large icons 3).
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kLargeIcons = 32771;
inline constexpr int kSmallIcons = 32772;
inline constexpr int kListStyle = 32773;
inline constexpr int kDetails = 32774;
inline constexpr int kDayNight = 32878;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;

// Insert
inline constexpr int kInsertWaypoint = 32789;
inline constexpr int kInsertReportingPoint = 32790;
inline constexpr int kInsertWarning = 32791;
inline constexpr int kInsertHurricane = 32792;
inline constexpr int kInsertPublication = 32840;
inline constexpr int kInsertPort = 32841;
inline constexpr int kInsertPositionFix = 32793;

// Voyage
inline constexpr int kVoyageStatus = 32800;
inline constexpr int kCalculateEta = 32870;
inline constexpr int kAverageWeather = 32884;
inline constexpr int kHurricaneTracking = 32881;
inline constexpr int kVoyageProperties = 32794;

// Reporting
inline constexpr int kAmverSailingPlan = 32886;
inline constexpr int kAmverPositionReport = 32887;
inline constexpr int kAmverArrivalReport = 32888;
inline constexpr int kSistramSailingPlan = 32889;
inline constexpr int kSistramPositionReport = 32890;
inline constexpr int kSistramFinalReport = 32891;
inline constexpr int kAusrepSailingPlan = 32892;
inline constexpr int kAusrepPositionReport = 32893;
inline constexpr int kAusrepFinalReport = 32894;
inline constexpr int kChilrepSailingPlan = 32895;
inline constexpr int kChilrepPositionReport = 32896;
inline constexpr int kChilrepFinalReport = 32897;
inline constexpr int kEcuadorSailingPlan = 32898;
inline constexpr int kEcuadorPositionReport = 32899;
inline constexpr int kEcuadorFinalReport = 32900;
inline constexpr int kPeruPositionReport = 32902;
inline constexpr int kJasrepSailingPlan = 32904;
inline constexpr int kJasrepPositionReport = 32905;
inline constexpr int kJasrepFinalReport = 32906;

// Tools
inline constexpr int kEngineRpmAndSpeed = 32785;
inline constexpr int kWheelOverPoint = 32784;
inline constexpr int kCalculateSquat = 32783;
inline constexpr int kCalibrateSlip = 32869;
inline constexpr int kCalculator = 32848;
inline constexpr int kDriftAngle = 32852;
inline constexpr int kTidalCalculation = 32885;
inline constexpr int kMetricConversions = 32782;

// Tools > Import
inline constexpr int kImportMeteo = 32786;
inline constexpr int kImportWaypoints = 32861;
inline constexpr int kImportReportingPoints = 32862;
inline constexpr int kImportWarnings = 32863;
inline constexpr int kImportHurricanes = 32864;
inline constexpr int kImportPublications = 32865;
inline constexpr int kImportPorts = 32866;
inline constexpr int kImportRouteRtz = 32910;
inline constexpr int kImportRouteGpx = 32911;
inline constexpr int kImportTrackGpx = 32912;

// Tools > Export
inline constexpr int kExportMeteo = 32787;
inline constexpr int kExportHistory = 32854;
inline constexpr int kExportWaypoints = 32855;
inline constexpr int kExportReportingPoints = 32856;
inline constexpr int kExportWarnings = 32857;
inline constexpr int kExportHurricanes = 32858;
inline constexpr int kExportPublications = 32859;
inline constexpr int kExportPorts = 32860;
inline constexpr int kExportRouteRtz = 32913;
inline constexpr int kExportRouteGpx = 32914;

// Tools > Configuration
inline constexpr int kVesselDimensions = 32778;
inline constexpr int kHydrostaticTable = 32779;
inline constexpr int kEngineAndPropellor = 32780;
inline constexpr int kVesselPerformance = 32907;
inline constexpr int kOptions = 32802;

// Help
inline constexpr int kHelpTopics = 57667;
inline constexpr int kAbout = 57664;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;

}  // namespace marigold::command
