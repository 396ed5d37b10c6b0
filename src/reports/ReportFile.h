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
// Report files are plain 8-bit text (Windows-1252); what it cannot carry is
// written as this character, after the officer has been told which.
inline constexpr char kReportReplacement = '?';
inline constexpr const char* kReportCharactersReplaced =  // with the characters
    "The report holds characters that plain text for the reporting centre cannot carry:\n%s\nEach is written "
    "as \"?\": check the names in the report";

// True when the file was written, in Windows-1252. A report that cannot be
// made (ReportRefusal) is refused before the file dialog. An existing file
// of the chosen name is replaced; on failure it is left as it was.
bool WriteReport(EReportKind kind, CVoyage& route, const CVessel2& vessel, const CFixRecord* fix, CPrompter& prompter);
// With the document's route, vessel, latest fix and prompter.
bool WriteReport(EReportKind kind, CMarigoldRouteDoc& doc);
// The check before every report command: a route to report on.
bool NeedsReportRoute(CMarigoldRouteDoc& doc);

}  // namespace marigold
