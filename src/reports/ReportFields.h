#pragma once
// The field encodings shared by every ship report message. Each field ends
// in its own "/"; whole numbers are truncated toward zero, never rounded,
// because a reporting centre reads "12.5 kn" as 125 and not as 13.
#include <string>
#include <string_view>

#include "core/Position2.h"
#include "core/Voyage.h"
#include "core/Waypoint.h"
#include "vessel/Vessel2.h"

namespace marigold {

// Latitude then longitude, e.g. "5130N/00412E/".
std::string ReportPosition(const CPosition2& p);
// Whole degrees in three digits, e.g. "007/" for 7.9°.
std::string ReportCourse(double degrees);
// Tenths of a knot with one leading zero below 100: "125/", "080/", "05/".
std::string ReportSpeedTenths(double knots);
// Whole knots as "%2.0f/" (rounded by printf): " 8/", "10/" for 9.96.
std::string ReportSpeedKnots(double knots);
// "GC/" or "RL/" for the leg that ends at the waypoint.
std::string ReportSailingMethod(const CWaypoint& w);

// Appends a line of a multi-line message, ended by CR LF.
void AddReportLine(std::string& text, std::string_view line);

// "A/name/call sign//": the ship in the AMVER, CHILREP and JASREP messages.
std::string ReportIdentity(const CVessel2& vessel);
// The departure lines of a sailing plan: its time (B), the first leg's
// course (E) and speed (F), and the place (G).
void AddDepartureLines(std::string& text, const CVoyage& route);
// "I/name/position/": the destination.
std::string ReportDestination(const CVoyage& route);

}  // namespace marigold
