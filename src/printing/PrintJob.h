#pragma once
// What Print prints: the body chosen by the document's print mode (or its
// selected list) inside the page frame, or the whole voyage plan, section
// after section with continuous page numbers.
//
// Pages: a list printout counts its records / 15 + 1 pages (records / 22 + 1
// from the tree view), the schedule, a port's information and every report
// of its own one page; when the body needs more pages than that, the count
// grows to hold all of it.
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/PortInfo.h"
#include "printing/PrintBody.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr int kPrintModeCount = 21;  // 0 to 20

// A mode by its command-line name ("schedule", "cover", "tide-arrival", ...)
// or its number; none for any other word. "plan" is not a mode.
std::optional<int> PrintModeNamed(std::string_view word);
const char* PrintModeName(int mode);

struct CPrintOptions {
  std::string title;  // the route document's title, in every page header
  std::time_t printedAt = 0;
  bool fromTree = false;
  // The selected port: its information, trajects and tide. Without one the
  // trajects and the tide curves take the port nearest the route's end
  // (inbound, arrival) or start (outbound, departure).
  const CPortInfo* port = nullptr;
};

struct CPrintSection {
  std::unique_ptr<CPrintBody> body;
  int pageCount = 1;
};

class CPrintJob {
 public:
  CPrintJob(CPrintOptions options, std::string vesselName)
      : options_(std::move(options)), vesselName_(std::move(vesselName)) {}

  void Add(std::unique_ptr<CPrintBody> body, int pagesByRule);
  int PageCount() const { return pageCount_; }
  // Header ("page n of N" over the whole job), the section's body, footer.
  void DrawPage(CPainter& painter, int page) const;

 private:
  CPrintOptions options_;
  std::string vesselName_;
  std::vector<CPrintSection> sections_;
  int pageCount_ = 0;
};

// The print mode in force: the one a print dialog chose, else the selected
// list's number.
int CurrentPrintMode(const CMarigoldRouteDoc& doc);

struct CPrintRequest {
  std::unique_ptr<CPrintJob> job;  // null when refused
  std::string refusal;             // the message, shown without an icon
};

// The ports nearest the route's last and first waypoints; null without
// ports or route.
CPortInfo* ArrivalPort(CMarigoldRouteDoc& doc);
CPortInfo* DeparturePort(CMarigoldRouteDoc& doc);

// One mode (0 to 20).
CPrintRequest MakePrintJob(CMarigoldRouteDoc& doc, int mode, const CPrintOptions& options);
// The modes of the "Print Voyage Plan" dialog in its order, cover first.
const std::vector<int>& VoyagePlanModes();
// Every section of the plan in one job; a section that cannot print (no
// port) is left out.
std::unique_ptr<CPrintJob> MakeVoyagePlanJob(CMarigoldRouteDoc& doc, const CPrintOptions& options);

}  // namespace marigold
