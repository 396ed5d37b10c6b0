#pragma once
// What the exchange commands say when they are done: the same words for
// item files, comma-separated files and route files, on the desktop and the
// command line.
namespace marigold {

inline constexpr const char* kExportSucceeded = "Export succesfull";
inline constexpr const char* kExportFailed = "Export failed";
inline constexpr const char* kImportSucceeded = "Import succesfull";
inline constexpr const char* kImportFailed = "Import failed";

// Route files (RTZ, GPX) and tracks.
inline constexpr const char* kRtzFilter = "RTZ Route (*.rtz *.rtzp)|*.rtz;*.rtzp|All Files (*.*)|*.*||";
inline constexpr const char* kGpxFilter = "GPS Exchange File (*.gpx)|*.gpx|All Files (*.*)|*.*||";
inline constexpr const char* kRouteEmpty = "The route has no waypoints";
inline constexpr const char* kRtzNeedsTwoWaypoints = "An RTZ route needs at least two waypoints";
// The waypoints of the route, those of the file, the file.
inline constexpr const char* kReplaceWaypointsQuestion =
    "Replace the %d waypoints of the route\nwith the %d waypoints of\n%s?";
// The number of fixes added.
inline constexpr const char* kTrackFixesAdded = "%d position fixes added to the history";
inline constexpr const char* kNothingChanged = "Nothing was changed.";

}  // namespace marigold
