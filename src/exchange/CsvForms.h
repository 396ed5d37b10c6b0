#pragma once
// The line form of each kind of record in comma-separated files: the seven
// position columns, then the record's own columns.
#include "core/FixRecord.h"
#include "core/Waypoint.h"
#include "exchange/CsvLine.h"
#include "lists/Hurricane.h"
#include "lists/MeteoRecord.h"
#include "lists/NavWarning.h"
#include "lists/PortInfo.h"
#include "lists/Publication.h"
#include "lists/ReportingPoint.h"

namespace marigold {

// Columns 0-6: name, latitude, longitude, UTC difference (days), time,
// timeB, timeA.
void WritePositionColumns(const CPosition2& position, CCsvRow& row);
void ReadPositionColumns(CPosition2& position, const CCsvFields& fields);

void WriteCsv(const CWaypoint& waypoint, CCsvRow& row);
void ReadCsv(CWaypoint& waypoint, const CCsvFields& fields);
// Fixes are exported only.
void WriteCsv(const CFixRecord& fix, CCsvRow& row);

// The four seasons, winter, spring, summer, autumn, eight columns each.
void WriteCsv(const CMeteoRecord& record, CCsvRow& row);
void ReadCsv(CMeteoRecord& record, const CCsvFields& fields);
void WriteCsv(const CNavWarning& warning, CCsvRow& row);
void ReadCsv(CNavWarning& warning, const CCsvFields& fields);
void WriteCsv(const CReportingPoint& point, CCsvRow& row);
void ReadCsv(CReportingPoint& point, const CCsvFields& fields);
void WriteCsv(const CHurricane& storm, CCsvRow& row);
void ReadCsv(CHurricane& storm, const CCsvFields& fields);
void WriteCsv(const CPortInfo& port, CCsvRow& row);
void ReadCsv(CPortInfo& port, const CCsvFields& fields);
// The two dates are written for the reader's eye, not read back.
void WriteCsv(const CPublication& publication, CCsvRow& row);
void ReadCsv(CPublication& publication, const CCsvFields& fields);

}  // namespace marigold
