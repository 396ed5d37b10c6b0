#pragma once
// The "Nautical Publication" dialog over the document's chart or book.
// Folio, edition and the values have no field there and are left as they are.
#include <array>
#include <optional>
#include <string>

#include "core/CivilTime.h"
#include "core/RangeCheck.h"
#include "lists/Publication.h"

namespace marigold {

inline constexpr const char* kPublicationCaption = "Nautical Publication";
inline constexpr const char* kPublicationDateFormat = "dddd' 'd' 'MMM' 'yyy";
// Choice index 0 "Chart", 1 "Book".
inline constexpr std::array<const char*, 2> kPublicationKindTexts{"Chart", "Book"};

// The dates are the local-clock fields of the stored calendar times; the
// dialog shows only their day.
struct CPublicationFields {
  std::string number;            // "Number"
  int kind = 0;                  // index into kPublicationKindTexts
  std::string description;       // "Description:"
  std::string publisher;         // "Publisher:"
  CCivilTime publicationDate;    // "Date of Publication:"
  std::string correctionNumber;  // "Latest Correction" "Number:"
  CCivilTime correctionDate;     // "Latest Correction" "Date:"
};

CPublicationFields ReadPublication(const CPublication& publication);
// Nothing is checked.
inline std::optional<CFieldRefusal> Validate(const CPublicationFields&) { return std::nullopt; }
// OK: a publication that is a chart moves to the charts view, a book to the
// books view. A date left as shown keeps its stored second.
void ApplyPublication(const CPublicationFields& fields, CPublication& publication);

}  // namespace marigold
