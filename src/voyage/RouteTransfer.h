#pragma once
// The route to and from ECDIS and chart plotters (RTZ and GPX) and recorded
// tracks into the history, below the window so that the desktop program and
// the command line run the same code and say the same through the
// document's prompter.
#include <functional>
#include <string>

#include "exchange/Rtz.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

enum class ERouteFormat { Rtz, Gpx };

// The document's title, which names the route in the file: the route
// document's file name without its extension, "Route" (a new document's name) before it has one.
std::string RouteTitle(const std::string& documentPath);

struct CRouteExport {
  ERouteFormat format = ERouteFormat::Rtz;
  ERtzVersion rtzVersion = kDefaultRtzVersion;
  std::string title;
};

// Computes the voyage plan (the schedule from the departure at the first
// waypoint, the weather filled first) and writes the route to the file:
// "Export succesfull", or "Export failed" with the reason (an RTZ route
// needs two waypoints, a GPX one a waypoint).
bool ExportRoute(CMarigoldRouteDoc& doc, const CRouteExport& what, const std::string& path);

// Reads a route file (RTZ, .rtzp or GPX). A file that is refused is named
// with the problem and its line, and nothing changes. When the route has
// waypoints the user is asked before they are replaced (No changes
// nothing). Then ReplaceWaypoints, and `commit` keeps the change (the
// desktop refreshes its views, the command line writes the route
// document): "Import succesfull", or "Import failed" when it fails.
bool ImportRoute(CMarigoldRouteDoc& doc, ERouteFormat format, const std::string& path,
                 const std::function<bool()>& commit);

// The route's waypoints become those read (the voyage number too, when the
// route has none), and the schedule is recomputed as after loading a route
// document. Marks the document modified.
void ReplaceWaypoints(CMarigoldRouteDoc& doc, CImportedRoute imported);

// The tracks of a GPX file into the position-fix history (MergeTrack),
// then `commit`; says how many fixes were added.
bool ImportTrack(CMarigoldRouteDoc& doc, const std::string& path, const std::function<bool()>& commit);

}  // namespace marigold
