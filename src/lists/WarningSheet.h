#pragma once
// The warning sheet over the document's warning: the "Warning" page, the
// "Area" page (the kind of area and its points, edited on a copy that OK
// hands back) and the "Notes" page, which edits the warning's second text.
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

// "Warning". The times are the UTC date and time fields of the stored day
// numbers.
struct CWarningFields {
  std::string number;
  CCivilTime validFrom;
  CCivilTime validTill;
  double passingDistance = 0;  // nM
};

// "Warning" when inserting, the warning's name when editing.
std::string WarningCaption(const CNavWarning& warning, bool inserting);

CWarningFields ReadWarning(const CNavWarning& warning);
// Nothing is checked: valid till may lie before valid from, and the passing
// distance may be 0 or negative.
inline std::optional<CFieldRefusal> Validate(const CWarningFields&) { return std::nullopt; }
// The number also becomes the warning's name. What was left as shown keeps
// its stored value to the last digit.
void ApplyWarning(const CWarningFields& fields, CNavWarning& warning);

// "Area": the page works on copies of the points.
struct CWarningAreaFields {
  std::int32_t areaKind = CNavWarning::kSingleLine;
  std::vector<CPosition2> points;
};

CWarningAreaFields ReadWarningArea(const CNavWarning& warning);
void ApplyWarningArea(const CWarningAreaFields& fields, CNavWarning& warning);

// OK, whichever pages were opened: the reference position follows the area
// points.
void FinishWarningEdit(CNavWarning& warning);

// The "Latitude" and "Longitude" cells of every area point.
std::vector<std::array<std::string, 2>> AreaPointRows(const std::vector<CPosition2>& points);
// The point at the selected row, for "Edit"; without a selection (or with a
// row beyond the points) "No selected position" is shown and nullptr returned.
CPosition2* AreaPointToEdit(std::vector<CPosition2>& points, int selectedRow, CPrompter& prompter);
// "Delete": removes the selected point; false, with the message, without a
// selection.
bool DeleteAreaPoint(std::vector<CPosition2>& points, int selectedRow, CPrompter& prompter);

}  // namespace marigold
