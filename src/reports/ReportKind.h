#pragma once
// The report messages the program writes, what each writer shows the user,
// and the commands (menu ids and command-line names) that run them.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

enum class EReportKind {
  AmverSailingPlan,
  AmverPosition,
  AmverArrival,
  Sistram1,
  Sistram2,
  Sistram4,
  AusrepPosition,
  AusrepFinal,
  ChilrepSailingPlan,
  ChilrepPosition,
  ChilrepFinal,
  EcuadorSailingPlan,
  EcuadorPosition,
  EcuadorFinal,
  PeruPosition,
  JasrepSailingPlan,
  JasrepPosition,
  JasrepFinal,
};

struct CReportWriter {
  EReportKind kind;
  const char* defaultName;  // offered by the save dialog, e.g. "AMVER"
  const char* successMessage;
  const char* cancelMessage;  // nullptr: a cancelled dialog ends quietly
  EMessageIcon cancelIcon;
  EMessageIcon failureIcon;  // with "Error opening file for writing"
  bool needsFix;             // built from the latest position fix
};

const CReportWriter& ReportWriterOf(EReportKind kind);

struct CReportCommand {
  int commandId;     // the Reporting menu's command
  const char* name;  // for the command line, e.g. "amver-sp"
  EReportKind kind;
};

// All nineteen commands in menu order; "ausrep-sp" writes the AUSREP final
// report, as the AUSREP sailing plan has no layout of its own.
std::span<const CReportCommand> ReportCommands();
const CReportCommand* FindReportCommand(std::string_view name);
const CReportCommand* FindReportCommand(int commandId);

inline constexpr const char* kNoWaypointsMessage = "No waypoints defined\nPlease add waypoints first";
inline constexpr const char* kNoFixMessage = "No position fix in the history\nPlease enter a position fix first";

// Why no report can be made of this route (shown with the stop icon), or
// nothing.
std::optional<std::string> ReportRouteRefusal(const CVoyage& route);
// Why the report cannot be made (shown with the stop icon), or nothing.
std::optional<std::string> ReportRefusal(EReportKind kind, const CVoyage& route, const CFixRecord* fix);

// The message text, or nothing when ReportRefusal gives a reason. The JASREP
// position report records the next waypoint's index in the route.
std::optional<std::string> BuildReport(EReportKind kind, CVoyage& route, const CVessel2& vessel, const CFixRecord* fix);

}  // namespace marigold
