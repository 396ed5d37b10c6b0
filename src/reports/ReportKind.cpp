#include "reports/ReportKind.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "core/CommandIds.h"
#include "core/TextFormat.h"
#include "reports/AmverReport.h"
#include "reports/AusrepReport.h"
#include "reports/ChilrepReport.h"
#include "reports/EcuadorReport.h"
#include "reports/JasrepReport.h"
#include "reports/SistramReport.h"

namespace marigold {
namespace {

constexpr const char* kSailingPlan = "Sailing plan created succesfully";
constexpr const char* kPositionReport = "Position report created succesfully";
constexpr const char* kFinalReport = "Final report created succesfully";
constexpr const char* kPositionReportCapital = "Position Report created succesfully";
constexpr const char* kNoFile = "No file to write to\nReport failed";

using K = EReportKind;
constexpr auto kNone = EMessageIcon::None;
constexpr auto kStop = EMessageIcon::Stop;

namespace r = report_reads;
constexpr unsigned kSailingPlanReads =
    r::kDeparturePosition | r::kDepartureEstimate | r::kLegPositions | r::kLegEstimates | r::kDestinationPosition;
constexpr unsigned kArrivalReads = r::kDestinationPosition | r::kArrivalEstimate;

// In the order of EReportKind.
constexpr std::array<CReportWriter, 18> kWriters = {{
    {K::AmverSailingPlan, "AMVER", kSailingPlan, nullptr, kNone, kStop, false, kSailingPlanReads},
    {K::AmverPosition, "AMVER", kPositionReport, kNoFile, kNone, kNone, true, r::kFix | r::kDestinationPosition},
    {K::AmverArrival, "AMVER", "Arrival report created succesfully", kNoFile, kNone, kNone, false, kArrivalReads},
    {K::Sistram1, "SISTRAM", kSailingPlan, "No file open for writing", kStop, kStop, false,
     kSailingPlanReads | r::kDepartureTime},
    {K::Sistram2, "SISTRAM", kPositionReport, kNoFile, kNone, kNone, true, r::kFix},
    {K::Sistram4, "SISTRAM", kFinalReport, kNoFile, kNone, kNone, false, kArrivalReads},
    {K::AusrepPosition, "AUSREP", kPositionReport, kNoFile, kNone, kNone, true, r::kFix},
    {K::AusrepFinal, "AUSREP", kFinalReport, kNoFile, kNone, kNone, false, kArrivalReads},
    {K::ChilrepSailingPlan, "CHILREP", kSailingPlan, nullptr, kNone, kStop, false,
     r::kDeparturePosition | r::kDepartureEstimate | r::kLegPositions | kArrivalReads},
    {K::ChilrepPosition, "CHILREP", kPositionReport, kNoFile, kNone, kNone, true, r::kFix},
    {K::ChilrepFinal, "CHILREP", kFinalReport, kNoFile, kNone, kNone, false, kArrivalReads},
    {K::EcuadorSailingPlan, "EQUADOR", kSailingPlan, nullptr, kNone, kStop, false,
     r::kDeparturePosition | r::kDepartureEstimate | r::kArrivalEstimate},
    {K::EcuadorPosition, "EQUADOR", kPositionReportCapital, nullptr, kNone, kStop, true, r::kFix},
    {K::EcuadorFinal, "EQUADOR", "Final plan created succesfully", nullptr, kNone, kStop, false, r::kArrivalEstimate},
    {K::PeruPosition, "ShipRep", kPositionReportCapital, nullptr, kNone, kStop, true, r::kFix | r::kArrivalEstimate},
    {K::JasrepSailingPlan, "JASREP", kSailingPlan, nullptr, kNone, kStop, false, kSailingPlanReads},
    {K::JasrepPosition, "JASREP", kPositionReport, kNoFile, kNone, kNone, true, r::kFix},
    {K::JasrepFinal, "JASREP", kFinalReport, kNoFile, kNone, kNone, true, r::kFix},
}};

bool HasPosition(const CPosition2& p) { return std::isfinite(p.GetLatitude()) && std::isfinite(p.GetLongitude()); }

// The first missing time or position among what the report reads, in the
// order the officer would mend them: departure, route, destination, fix.
std::optional<std::string> MissingData(unsigned reads, const CVoyage& route, const CFixRecord* fix) {
  const CWaypoint& departure = *route.GetHead();
  const CWaypoint& destination = *route.GetTail();
  const auto has = [reads](unsigned flag) { return (reads & flag) != 0; };
  if (has(r::kDeparturePosition) && !HasPosition(departure))
    return Format(kNoWaypointPosition, departure.GetName().c_str());
  if ((has(r::kDepartureTime) && !std::isfinite(departure.GetTime())) ||
      (has(r::kDepartureEstimate) && !std::isfinite(departure.GetTimeA())))
    return kNoDepartureTime;
  for (int i = 1; i < route.GetCount(); ++i) {
    const CWaypoint& w = *route.GetAt(i);
    if (has(r::kLegPositions) && !HasPosition(w)) return Format(kNoWaypointPosition, w.GetName().c_str());
    if (has(r::kLegEstimates) && !std::isfinite(w.GetTimeA()))
      return &w == &destination ? std::string(kNoArrivalEstimate) : Format(kNoWaypointEstimate, w.GetName().c_str());
  }
  if (has(r::kDestinationPosition) && !HasPosition(destination))
    return Format(kNoWaypointPosition, destination.GetName().c_str());
  if (has(r::kArrivalEstimate) && !std::isfinite(destination.GetTimeA())) return kNoArrivalEstimate;
  if (has(r::kFix) && fix) {
    if (!std::isfinite(fix->GetTime())) return kNoFixTime;
    if (!HasPosition(*fix)) return kNoFixPosition;
  }
  return std::nullopt;
}

constexpr std::array<CReportCommand, 19> kCommands = {{
    {command::kAmverSailingPlan, "amver-sp", K::AmverSailingPlan},
    {command::kAmverPositionReport, "amver-pr", K::AmverPosition},
    {command::kAmverArrivalReport, "amver-fr", K::AmverArrival},
    {command::kSistramSailingPlan, "sistram-1", K::Sistram1},
    {command::kSistramPositionReport, "sistram-2", K::Sistram2},
    {command::kSistramFinalReport, "sistram-4", K::Sistram4},
    {command::kAusrepSailingPlan, "ausrep-sp", K::AusrepFinal},
    {command::kAusrepPositionReport, "ausrep-pr", K::AusrepPosition},
    {command::kAusrepFinalReport, "ausrep-fr", K::AusrepFinal},
    {command::kChilrepSailingPlan, "chilrep-sp", K::ChilrepSailingPlan},
    {command::kChilrepPositionReport, "chilrep-pr", K::ChilrepPosition},
    {command::kChilrepFinalReport, "chilrep-fr", K::ChilrepFinal},
    {command::kEcuadorSailingPlan, "ecuador-sp", K::EcuadorSailingPlan},
    {command::kEcuadorPositionReport, "ecuador-pr", K::EcuadorPosition},
    {command::kEcuadorFinalReport, "ecuador-fr", K::EcuadorFinal},
    {command::kPeruPositionReport, "peru-pr", K::PeruPosition},
    {command::kJasrepSailingPlan, "jasrep-sp", K::JasrepSailingPlan},
    {command::kJasrepPositionReport, "jasrep-pr", K::JasrepPosition},
    {command::kJasrepFinalReport, "jasrep-fr", K::JasrepFinal},
}};

constexpr bool WritersInKindOrder() {
  for (std::size_t i = 0; i < kWriters.size(); ++i)
    if (static_cast<std::size_t>(kWriters[i].kind) != i) return false;
  return true;
}
static_assert(WritersInKindOrder());

}  // namespace

const CReportWriter& ReportWriterOf(EReportKind kind) { return kWriters.at(static_cast<std::size_t>(kind)); }

std::span<const CReportCommand> ReportCommands() { return kCommands; }

const CReportCommand* FindReportCommand(std::string_view name) {
  for (const CReportCommand& command : kCommands)
    if (name == command.name) return &command;
  return nullptr;
}

const CReportCommand* FindReportCommand(int commandId) {
  for (const CReportCommand& command : kCommands)
    if (commandId == command.commandId) return &command;
  return nullptr;
}

std::optional<std::string> ReportRouteRefusal(const CVoyage& route) {
  // Every report names the destination, so even the position reports that
  // read only the fix want a route.
  if (route.GetCount() < 2) return kNoWaypointsMessage;
  return std::nullopt;
}

std::optional<std::string> ReportRefusal(EReportKind kind, const CVoyage& route, const CFixRecord* fix) {
  if (auto refusal = ReportRouteRefusal(route)) return refusal;
  const CReportWriter& writer = ReportWriterOf(kind);
  if (writer.needsFix && !fix) return kNoFixMessage;
  return MissingData(writer.reads, route, fix);
}

std::optional<std::string> BuildReport(EReportKind kind, CVoyage& route, const CVessel2& vessel,
                                       const CFixRecord* fix) {
  if (ReportRefusal(kind, route, fix)) return std::nullopt;
  switch (kind) {
    case K::AmverSailingPlan: return AmverSailingPlan(route, vessel);
    case K::AmverPosition: return AmverPositionReport(route, vessel, *fix);
    case K::AmverArrival: return AmverArrivalReport(route, vessel);
    case K::Sistram1: return Sistram1(route, vessel);
    case K::Sistram2: return Sistram2(vessel, *fix);
    case K::Sistram4: return Sistram4(route, vessel);
    case K::AusrepPosition: return AusrepPositionReport(vessel, *fix);
    case K::AusrepFinal: return AusrepFinalReport(route, vessel);
    case K::ChilrepSailingPlan: return ChilrepSailingPlan(route, vessel);
    case K::ChilrepPosition: return ChilrepPositionReport(vessel, *fix);
    case K::ChilrepFinal: return ChilrepFinalReport(route, vessel);
    case K::EcuadorSailingPlan: return EcuadorSailingPlan(route, vessel);
    case K::EcuadorPosition: return EcuadorPositionReport(vessel, *fix);
    case K::EcuadorFinal: return EcuadorFinalReport(route, vessel);
    case K::PeruPosition: return PeruPositionReport(route, vessel, *fix);
    case K::JasrepSailingPlan: return JasrepSailingPlan(route, vessel);
    case K::JasrepPosition: return JasrepPositionReport(route, vessel, *fix);
    case K::JasrepFinal: return JasrepFinalReport(vessel, *fix);
  }
  throw std::invalid_argument("unknown report kind");
}

}  // namespace marigold
