#include "reports/ReportKind.h"

#include <array>
#include <stdexcept>

#include "core/CommandIds.h"
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

// In the order of EReportKind.
constexpr std::array<CReportWriter, 18> kWriters = {{
    {K::AmverSailingPlan, "AMVER", kSailingPlan, nullptr, kNone, kStop, false},
    {K::AmverPosition, "AMVER", kPositionReport, kNoFile, kNone, kNone, true},
    {K::AmverArrival, "AMVER", "Arrival report created succesfully", kNoFile, kNone, kNone, false},
    {K::Sistram1, "SISTRAM", kSailingPlan, "No file open for writing", kStop, kStop, false},
    {K::Sistram2, "SISTRAM", kPositionReport, kNoFile, kNone, kNone, true},
    {K::Sistram4, "SISTRAM", kFinalReport, kNoFile, kNone, kNone, false},
    {K::AusrepPosition, "AUSREP", kPositionReport, kNoFile, kNone, kNone, true},
    {K::AusrepFinal, "AUSREP", kFinalReport, kNoFile, kNone, kNone, false},
    {K::ChilrepSailingPlan, "CHILREP", kSailingPlan, nullptr, kNone, kStop, false},
    {K::ChilrepPosition, "CHILREP", kPositionReport, kNoFile, kNone, kNone, true},
    {K::ChilrepFinal, "CHILREP", kFinalReport, kNoFile, kNone, kNone, false},
    {K::EcuadorSailingPlan, "EQUADOR", kSailingPlan, nullptr, kNone, kStop, false},
    {K::EcuadorPosition, "EQUADOR", kPositionReportCapital, nullptr, kNone, kStop, true},
    {K::EcuadorFinal, "EQUADOR", "Final plan created succesfully", nullptr, kNone, kStop, false},
    {K::PeruPosition, "ShipRep", kPositionReportCapital, nullptr, kNone, kStop, true},
    {K::JasrepSailingPlan, "JASREP", kSailingPlan, nullptr, kNone, kStop, false},
    {K::JasrepPosition, "JASREP", kPositionReport, kNoFile, kNone, kNone, true},
    {K::JasrepFinal, "JASREP", kFinalReport, kNoFile, kNone, kNone, true},
}};

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
  if (ReportWriterOf(kind).needsFix && !fix) return kNoFixMessage;
  return std::nullopt;
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
