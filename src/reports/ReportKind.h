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

// The times and positions a message reads, each checked before the message
// is made: a report never carries a time or position that is missing.
namespace report_reads {
inline constexpr unsigned kDeparturePosition = 1u << 0;  // the first waypoint's position
inline constexpr unsigned kDepartureTime = 1u << 1;      // its time, the begin of the sea voyage
inline constexpr unsigned kDepartureEstimate = 1u << 2;  // its timeA
inline constexpr unsigned kLegPositions = 1u << 3;       // every later waypoint's position
inline constexpr unsigned kLegEstimates = 1u << 4;       // every later waypoint's timeA
inline constexpr unsigned kDestinationPosition = 1u << 5;
inline constexpr unsigned kArrivalEstimate = 1u << 6;  // the last waypoint's timeA
inline constexpr unsigned kFix = 1u << 7;              // the latest fix's time and position
}  // namespace report_reads

struct CReportWriter {
  EReportKind kind;
  const char* defaultName;  // offered by the save dialog, e.g. "AMVER"
  const char* successMessage;
  const char* cancelMessage;  // nullptr: a cancelled dialog ends quietly
  EMessageIcon cancelIcon;
  EMessageIcon failureIcon;  // with "Error opening file for writing"
  bool needsFix;             // built from the latest position fix
  unsigned reads;            // report_reads flags
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
// A time or position the message needs is missing (not a number).
inline constexpr const char* kNoDepartureTime =
    "The route has no departure time\nEnter Begin Seavoyage in the voyage properties";
inline constexpr const char* kNoArrivalEstimate =
    "The schedule has no ETA for the last waypoint\nCalculate the schedule first";
inline constexpr const char* kNoWaypointEstimate =  // with the waypoint's name
    "The schedule has no ETA for the waypoint %s\nCalculate the schedule first";
inline constexpr const char* kNoWaypointPosition =  // with the waypoint's name
    "The waypoint %s has no position\nEnter its latitude and longitude";
inline constexpr const char* kNoFixTime =
    "The latest position fix has no time\nEdit the position fix and enter its time";
inline constexpr const char* kNoFixPosition =
    "The latest position fix has no position\nEdit the position fix and enter its latitude and longitude";

// Why no report can be made of this route (shown with the stop icon), or
// nothing.
std::optional<std::string> ReportRouteRefusal(const CVoyage& route);
// Why the report cannot be made (shown with the stop icon), or nothing: no
// route, no fix, or a time or position it reads that is missing, named with
// what to do about it.
std::optional<std::string> ReportRefusal(EReportKind kind, const CVoyage& route, const CFixRecord* fix);

// The message text, or nothing when ReportRefusal gives a reason. The JASREP
// position report records the next waypoint's index in the route.
std::optional<std::string> BuildReport(EReportKind kind, CVoyage& route, const CVessel2& vessel, const CFixRecord* fix);

}  // namespace marigold
