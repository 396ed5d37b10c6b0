#pragma once
// Every command of the main window in one table: the menus, the tool bar
// and the context menu are built from it, and every action runs through
// RunCommand so that each command checks its data the same way wherever it
// was chosen.
#include <span>

#include "core/Prompter.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

class CMainFrame;

// Standard window commands.
namespace command {
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kSend = 57612;
inline constexpr int kRecentFile1 = 57616;
inline constexpr int kRecentFileCount = 4;
inline constexpr int kUndo = 57643;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
// The list view styles, in tool bar order; the view's style is kDetails
// minus the id (details is style 0, large icons 3).
inline constexpr int kLargeIcons = 32771;
inline constexpr int kSmallIcons = 32772;
inline constexpr int kListStyle = 32773;
inline constexpr int kDetails = 32774;

inline constexpr int kInsertItem = 32847;
inline constexpr int kEditItem = 32845;
inline constexpr int kDeleteItem = 32846;
inline constexpr int kContextInsert = 32842;
inline constexpr int kContextEdit = 32843;
inline constexpr int kContextDelete = 32844;
inline constexpr int kImportItem = 32872;
inline constexpr int kExportItem = 32873;
inline constexpr int kInsertWaypoint = 32789;
inline constexpr int kInsertPositionFix = 32793;
inline constexpr int kVoyageStatus = 32800;
inline constexpr int kCalculateEta = 32870;
inline constexpr int kDayNight = 32878;
inline constexpr int kOptions = 32802;
}  // namespace command

inline constexpr const char* kMeteoNotInsertable = "Meteo positions can not be inserted manually";
inline constexpr const char* kDeleteQuestion = "Delete selected items?";
inline constexpr const char* kPresentPositionNotDeleted = "Present Position can not be deleted";
inline constexpr const char* kPositionNotDeleted = "Position can not be deleted";

// What a command needs before it runs; the message says what is missing.
struct CPrecondition {
  bool (*holds)(CMarigoldRouteDoc& doc);
  const char* message;
  EMessageIcon icon;
};

using CCommandHandler = void (*)(CMainFrame& frame, int id);

struct CCommand {
  int id;  // 0: a separator in its menu
  // Menu path, "/" between the levels ("&File/Print &Graph/&Speed versus
  // time"); a first level of "Context" is the right-click menu; empty for
  // commands only on the tool bar or the keyboard.
  const char* menu;
  const char* prompt;    // status-bar text
  const char* shortcut;  // key sequences separated by "; "
  const CPrecondition* precondition;
  CCommandHandler handler;  // nullptr: not available yet, shown disabled
  // Whether the command can run right now (nullptr: whenever it has a handler).
  bool (*available)(CMainFrame& frame) = nullptr;
};

std::span<const CCommand> CommandTable();
const CCommand* FindCommand(int id);
// The tool bar's commands in order; 0 stands for a separator.
std::span<const int> ToolBarCommands();

bool CommandEnabled(const CCommand& command, CMainFrame& frame);
// Checks the precondition (saying what is missing), then runs the handler.
// False when the command is unknown, disabled or refused.
bool RunCommand(int id, CMainFrame& frame);

}  // namespace marigold
