#pragma once
// The route exchange commands of Tools > Import and Tools > Export: the
// file chooser (and for RTZ the version), then the voyage operations, which
// ask before the waypoints are replaced and say how it went.
namespace marigold {

class CMainFrame;

inline constexpr const char* kRtzVersionTitle = "RTZ version";
inline constexpr const char* kRtzVersionPrompt = "Write the route for:";
inline constexpr const char* kRtzVersion11 = "RTZ 1.1 (default)";
inline constexpr const char* kRtzVersion10 = "RTZ 1.0 (older ECDIS)";

// By command id: a route as RTZ or GPX.
void ExportRouteFile(CMainFrame& frame, int id);
void ImportRouteFile(CMainFrame& frame, int id);
// The tracks of a GPX file into the position-fix history.
void ImportTrackFile(CMainFrame& frame, int id);

}  // namespace marigold
