#include "printing/PrintJob.h"

#include <algorithm>

#include "printing/Graphs.h"
#include "printing/ListTables.h"
#include "printing/PageFrame.h"
#include "printing/PlottingSheet.h"
#include "printing/SinglePages.h"
#include "printing/StatusReport.h"
#include "printing/StormAdvisorySheet.h"

namespace marigold {
namespace {

std::unique_ptr<CPrintBody> SinglePage(std::function<void(CPainter&)> draw) {
  return std::make_unique<CSinglePageBody>(std::move(draw));
}

CPortInfo* PortNear(CMarigoldRouteDoc& doc, const CPosition2* place) {
  if (!place) return nullptr;
  return doc.Ports().FindNearest(*place);
}

// The port a traject or tide page is of.
const CPortInfo* PortFor(CMarigoldRouteDoc& doc, const CPrintOptions& options, bool arrival) {
  if (options.port) return options.port;
  return arrival ? ArrivalPort(doc) : DeparturePort(doc);
}

constexpr const char* kNoPort = "No port in the port list\nCan not print";
constexpr const char* kNotPrintable = "This page can not be printed";

}  // namespace

void CPrintJob::Add(std::unique_ptr<CPrintBody> body, int pagesByRule) {
  const int pages = std::max({1, pagesByRule, body->PageCount()});
  sections_.push_back({std::move(body), pages});
  pageCount_ += pages;
}

void CPrintJob::DrawPage(CPainter& painter, int page) const {
  if (page < 1 || page > pageCount_) return;
  DrawPageHeader(painter, options_.title, page, pageCount_);
  int first = 1;
  for (const CPrintSection& section : sections_) {
    if (page < first + section.pageCount) {
      section.body->DrawPage(painter, page - first + 1);
      break;
    }
    first += section.pageCount;
  }
  DrawPageFooter(painter, vesselName_, options_.printedAt);
}

namespace {

// By mode number.
constexpr const char* kModeNames[kPrintModeCount] = {
    "schedule",       "history", "reporting", "warnings",       "meteo",        "waypoints",   "storms",
    "charts",         "books",   "port",      "status",         "cover",        "speed-graph", "plotting-sheet",
    "storm-advisory", "inbound", "outbound",  "tide-departure", "tide-arrival", "notes",       "voyage-graph"};

}  // namespace

std::optional<int> PrintModeNamed(std::string_view word) {
  for (int mode = 0; mode < kPrintModeCount; ++mode)
    if (word == kModeNames[mode] || word == std::to_string(mode)) return mode;
  return std::nullopt;
}

const char* PrintModeName(int mode) { return mode >= 0 && mode < kPrintModeCount ? kModeNames[mode] : ""; }

int CurrentPrintMode(const CMarigoldRouteDoc& doc) {
  return doc.printMode ? static_cast<int>(*doc.printMode) : static_cast<int>(doc.selectedList);
}

namespace {

// The body of one mode into the job; the refusal's message when it cannot
// print.
std::string AddSection(CPrintJob& job, CMarigoldRouteDoc& doc, int mode, const CPrintOptions& options) {
  if (mode >= 0 && mode <= 8) {
    const auto kind = static_cast<EListKind>(mode);
    const CListKindInfo& info = ListKindInfo(kind);
    // Charts and books both count the whole list of publications.
    const int records = info.pagedByRecord ? doc.List(info.shows).GetCount() : 0;
    job.Add(ListTable(doc, kind), PageCountByRecords(records, options.fromTree));
    return {};
  }
  if (mode == static_cast<int>(EListKind::Ports)) {
    // One port's information, whatever the length of the port list.
    if (!options.port || doc.Voyage().GetCount() == 0) return kCannotPrintPortInfo;
    const CPortInfo* port = options.port;
    job.Add(SinglePage([port](CPainter& p) { DrawPortPage(p, *port); }), 1);
    return {};
  }
  switch (static_cast<EPrintMode>(mode)) {
    case EPrintMode::CoverPage: job.Add(SinglePage([&doc](CPainter& p) { DrawCoverPage(p, doc); }), 1); return {};
    case EPrintMode::InboundTraject:
    case EPrintMode::OutboundTraject: {
      const bool inbound = mode == static_cast<int>(EPrintMode::InboundTraject);
      const CPortInfo* port = PortFor(doc, options, inbound);
      if (!port) return kNoPort;
      job.Add(TrajectTable(*port, inbound), 1);
      return {};
    }
    case EPrintMode::TideCurveDeparture:
    case EPrintMode::TideCurveArrival: {
      const CPortInfo* port = PortFor(doc, options, mode == static_cast<int>(EPrintMode::TideCurveArrival));
      if (!port) return kNoPort;
      job.Add(SinglePage([port](CPainter& p) { DrawTidePage(p, *port); }), 1);
      return {};
    }
    case EPrintMode::PlottingSheet: {
      const CSheetGeometry sheet = SheetGeometry(doc);
      if (const auto refusal = CheckSheet(sheet)) return *refusal;
      const std::time_t now = options.printedAt;
      job.Add(SinglePage([&doc, sheet, now](CPainter& p) { DrawPlottingSheet(p, doc, sheet, now); }), 1);
      return {};
    }
    case EPrintMode::VoyageStatus:
      if (const auto refusal = CheckStatusReport(doc)) return *refusal;
      job.Add(SinglePage([&doc](CPainter& p) { DrawStatusReport(p, doc); }), 1);
      return {};
    case EPrintMode::StormAdvisory:
      if (const auto refusal = CheckStormAdvisory(doc)) return *refusal;
      job.Add(SinglePage([&doc](CPainter& p) { DrawStormAdvisory(p, doc); }), 1);
      return {};
    case EPrintMode::SpeedGraph: {
      const CGraphFixes range = GraphFixes(doc);
      if (!range.refusal.empty()) return range.refusal;
      job.Add(SinglePage([&doc, range](CPainter& p) { DrawSpeedGraph(p, doc, range.from, range.to); }), 1);
      return {};
    }
    case EPrintMode::VoyageGraph:
      if (const auto refusal = CheckVoyageGraph(doc)) return *refusal;
      job.Add(SinglePage([&doc](CPainter& p) { DrawVoyageGraph(p, doc); }), 1);
      return {};
    case EPrintMode::NotesPage: job.Add(SinglePage(nullptr), 1); return {};
    default: return kNotPrintable;
  }
}

}  // namespace

CPrintRequest MakePrintJob(CMarigoldRouteDoc& doc, int mode, const CPrintOptions& options) {
  auto job = std::make_unique<CPrintJob>(options, doc.Vessel().name);
  std::string refusal = AddSection(*job, doc, mode, options);
  if (!refusal.empty()) return {nullptr, std::move(refusal)};
  return {std::move(job), {}};
}

const std::vector<int>& VoyagePlanModes() {
  static const std::vector<int> kModes = {static_cast<int>(EPrintMode::CoverPage),
                                          static_cast<int>(EListKind::Waypoints),
                                          static_cast<int>(EListKind::Charts),
                                          static_cast<int>(EListKind::Books),
                                          static_cast<int>(EListKind::Meteo),
                                          static_cast<int>(EListKind::Storms),
                                          static_cast<int>(EListKind::Warnings),
                                          static_cast<int>(EListKind::ReportingPoints),
                                          static_cast<int>(EListKind::Ports),
                                          static_cast<int>(EListKind::Schedule),
                                          static_cast<int>(EPrintMode::InboundTraject),
                                          static_cast<int>(EPrintMode::OutboundTraject),
                                          static_cast<int>(EPrintMode::TideCurveDeparture),
                                          static_cast<int>(EPrintMode::TideCurveArrival),
                                          static_cast<int>(EPrintMode::NotesPage)};
  return kModes;
}

}  // namespace marigold

namespace marigold {

CPortInfo* ArrivalPort(CMarigoldRouteDoc& doc) { return PortNear(doc, doc.Voyage().GetTail()); }
CPortInfo* DeparturePort(CMarigoldRouteDoc& doc) { return PortNear(doc, doc.Voyage().GetHead()); }

std::unique_ptr<CPrintJob> MakeVoyagePlanJob(CMarigoldRouteDoc& doc, const CPrintOptions& options) {
  auto job = std::make_unique<CPrintJob>(options, doc.Vessel().name);
  // The plan's port information is of the selected port, else of the port
  // of arrival.
  CPrintOptions planOptions = options;
  if (!planOptions.port) planOptions.port = ArrivalPort(doc);
  for (int mode : VoyagePlanModes()) AddSection(*job, doc, mode, mode == 9 ? planOptions : options);
  return job;
}

}  // namespace marigold
