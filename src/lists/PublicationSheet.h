#pragma once
// The "Nautical Publication" dialog over the document's chart or book.
// Folio, edition and the values have no field there and are left as they are.
#include <array>
#include <ctime>
#include <optional>
#include <string>

#include "core/RangeCheck.h"
#include "lists/Publication.h"

namespace marigold {

// Choice index 0 "Chart", 1 "Book".
inline constexpr std::array<const char*, 2> kPublicationKindTexts{"Chart", "Book"};

struct CPublicationFields {
  std::string number;               // "Number"
  int kind = 0;                     // index into kPublicationKindTexts
  std::string description;          // "Description:"
  std::string publisher;            // "Publisher:"
  std::time_t publicationDate = 0;  // "Date of Publication:"
  std::string correctionNumber;     // "Latest Correction" "Number:"
  std::time_t correctionDate = 0;   // "Latest Correction" "Date:"
};

CPublicationFields ReadPublication(const CPublication& publication);
// Nothing is checked.
inline std::optional<CFieldRefusal> Validate(const CPublicationFields&) { return std::nullopt; }
// OK: a publication that is a chart moves to the charts view, a book to the
// books view.
void ApplyPublication(const CPublicationFields& fields, CPublication& publication);

}  // namespace marigold
