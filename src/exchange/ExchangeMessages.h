#pragma once
// What the exchange commands say when they are done: the same words for
// item files and comma-separated files, on the desktop and the command line.
namespace marigold {

inline constexpr const char* kExportSucceeded = "Export succesfull";
inline constexpr const char* kExportFailed = "Export failed";
inline constexpr const char* kImportSucceeded = "Import succesfull";
inline constexpr const char* kImportFailed = "Import failed";

}  // namespace marigold
