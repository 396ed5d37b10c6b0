#pragma once
// The warning sheet ("Warning", "Area" and "Notes" pages) over the document's
// warning. The area points are added and removed on the warning at once.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CivilTime.h"
#include "core/Prompter.h"
#include "core/RangeCheck.h"
#include "lists/NavWarning.h"

namespace marigold {

inline constexpr const char* kWarningDateTimeFormat = "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s UTC";
inline constexpr const char* kNoGoAreaText = "Following points describe no-go area";
inline constexpr const char* kSingleLineText = "Following points describe single line";
inline constexpr const char* kNoSelectedPosition = "No selected position";

// The "Warning" page and the area kind of the "Area" page. Times are the UTC
// date and time fields of the stored day numbers.
struct CWarningFields {
  std::string number;
  CCivilTime validFrom;
  CCivilTime validTill;
  double passingDistance = 0;
  std::int32_t areaKind = CNavWarning::kSingleLine;
};

// "Warning" when inserting, the warning's name when editing.
std::string WarningCaption(const CNavWarning& warning, bool inserting);

CWarningFields ReadWarning(const CNavWarning& warning);
// Nothing is checked: valid till may lie before valid from, and the passing
// distance may be 0 or negative.
inline std::optional<CFieldRefusal> Validate(const CWarningFields&) { return std::nullopt; }
// On OK: area kind, reference position, passing distance, number (also the
// name) and the two times. A time left as it was shown keeps its stored
// value to the last digit.
void ApplyWarning(const CWarningFields& fields, CNavWarning& warning);

// The "Latitude" and "Longitude" cells of every area point.
std::vector<std::array<std::string, 2>> AreaPointRows(const CNavWarning& warning);
// The point at the selected row, for "Edit"; without a selection (or with a
// row beyond the points) "No selected position" is shown and nullptr returned.
CPosition2* AreaPointToEdit(const CNavWarning& warning, int selectedRow, CPrompter& prompter);
// "Delete": removes and deletes the selected point at once; false, with the
// message, without a selection.
bool DeleteAreaPoint(CNavWarning& warning, int selectedRow, CPrompter& prompter);

}  // namespace marigold
