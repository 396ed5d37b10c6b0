#pragma once
// The line form of each kind of record in comma-separated files: the seven
// position columns, then the record's own columns.
#include "core/FixRecord.h"
#include "core/Waypoint.h"
#include "lists/CsvLine.h"

namespace marigold {

// Columns 0-6: name, latitude, longitude, UTC difference (days), time,
// timeB, timeA.
void WritePositionColumns(const CPosition2& position, CCsvRow& row);
void ReadPositionColumns(CPosition2& position, const CCsvFields& fields);

void WriteCsv(const CWaypoint& waypoint, CCsvRow& row);
void ReadCsv(CWaypoint& waypoint, const CCsvFields& fields);
// Fixes are exported only.
void WriteCsv(const CFixRecord& fix, CCsvRow& row);

}  // namespace marigold
