#pragma once
// Every command of the main window in one table: the menus, the tool bar
// and the context menu are built from it, and every action runs through
// RunCommand so that each command checks its data the same way wherever it
// was chosen. The command numbers are in core/CommandIds.h.
#include <span>

#include "core/CommandIds.h"
#include "voyage/CommandChecks.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

class CMainFrame;

// The menus, each named once: "/" between the levels of a submenu.
namespace menu {
inline constexpr const char* kFile = "&File";
inline constexpr const char* kPrintGraph = "&File/Print &Graph";
// Alt+E is Calculate ETA, so Edit opens with Alt+D.
inline constexpr const char* kEdit = "E&dit";
inline constexpr const char* kView = "&View";
inline constexpr const char* kInsert = "&Insert";
inline constexpr const char* kVoyage = "V&oyage";  // Alt+V is the View menu
inline constexpr const char* kAmver = "&Reporting/&Amver";
inline constexpr const char* kSistram = "&Reporting/&Sistram";
inline constexpr const char* kChilrep = "&Reporting/&Chilrep";
inline constexpr const char* kEquador = "&Reporting/&Equador";
inline constexpr const char* kPeru = "&Reporting/&Peru";
inline constexpr const char* kAusrep = "&Reporting/A&usrep";
inline constexpr const char* kJasrep = "&Reporting/&Jasrep";
inline constexpr const char* kTools = "&Tools";
inline constexpr const char* kImport = "&Tools/&Import";
inline constexpr const char* kExport = "&Tools/E&xport";
inline constexpr const char* kConfiguration = "&Tools/C&onfiguration";
inline constexpr const char* kHelp = "&Help";
inline constexpr const char* kContext = "Context";  // the right-click menu
inline constexpr const char* kNone = "";            // tool bar and keyboard only
}  // namespace menu

using CCommandHandler = void (*)(CMainFrame& frame, int id);

struct CCommand {
  int id;                      // 0: a separator in its menu
  const char* menu;            // one of the menu constants
  const char* text;            // the item's text; empty for separators and commands outside the menus
  const char* prompt;          // status-bar text
  const char* shortcut;        // key sequences separated by "; "
  CCommandCheck precondition;  // nullptr: none
  CCommandHandler handler;     // nullptr: not available yet, shown disabled
  // Whether the command can run right now (nullptr: whenever it has a handler).
  bool (*available)(CMainFrame& frame) = nullptr;
};

std::span<const CCommand> CommandTable();
const CCommand* FindCommand(int id);
// The tool bar's commands in order; 0 stands for a separator.
std::span<const int> ToolBarCommands();

bool CommandEnabled(const CCommand& command, CMainFrame& frame);
// Checks the precondition (which says what is missing), then runs the
// handler. False when the command is unknown, disabled or refused.
bool RunCommand(int id, CMainFrame& frame);

}  // namespace marigold
