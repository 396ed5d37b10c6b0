#pragma once
// The procedure every report command follows: check the route (and the
// fix), ask for a file, write the message, tell the user how it went.
#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "core/Voyage.h"
#include "reports/ReportKind.h"
#include "vessel/Vessel2.h"

namespace marigold {

class CMarigoldRouteDoc;

inline constexpr const char* kReportFilter = "Text File (*.txt)|*.txt|All Files (*.*)|*.*||";
inline constexpr const char* kReportOpenFailure = "Error opening file for writing";

// True when the file was written. An existing file of the chosen name is
// replaced; on failure it is left as it was.
bool WriteReport(EReportKind kind, CVoyage& route, const CVessel2& vessel, const CFixRecord* fix, CPrompter& prompter);
// With the document's route, vessel, latest fix and prompter.
bool WriteReport(EReportKind kind, CMarigoldRouteDoc& doc);
// The check before every report command: a route to report on.
bool NeedsReportRoute(CMarigoldRouteDoc& doc);

}  // namespace marigold
