#pragma once
// The fields of the "Nautical Publication" dialog. Folio, edition and the
// values have no field there and are left as they are.
#include <array>
#include <ctime>
#include <string>

#include "lists/Publication.h"

namespace marigold {

// Choice index 0 "Chart", 1 "Book".
inline constexpr std::array<const char*, 2> kPublicationKindTexts{"Chart", "Book"};

struct CPublicationEntry {
  std::string number;            // "Number"
  int kind = 0;                  // index into kPublicationKindTexts
  std::string description;       // "Description:"
  std::string publisher;         // "Publisher:"
  std::time_t publicationDate = 0;  // "Date of Publication:"
  std::string correctionNumber;  // "Latest Correction" "Number:"
  std::time_t correctionDate = 0;   // "Latest Correction" "Date:"

  static CPublicationEntry Of(const CPublication& publication);
  // OK: a publication that is a chart moves to the charts view, a book to
  // the books view.
  void ApplyTo(CPublication& publication) const;
};

}  // namespace marigold
