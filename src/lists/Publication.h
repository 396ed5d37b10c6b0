#pragma once
// A nautical chart or book required for the voyage. Charts and books share
// one list in the route document, told apart by the chart flag.
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/Position2.h"
#include "core/PositionList.h"

namespace marigold {

class CPublication : public CPosition2 {
 public:
  // The dates are 0; the list creates publications this way before they load.
  CPublication() = default;
  // A publication for the user: both dates are "now".
  explicit CPublication(std::time_t now) : correctionDate(now), publicationDate(now) {}

  // The position's eight items; chart; edition, folio, description,
  // correction number, number, publisher; correction date and publication
  // date; value 4, value 3. The other values are not archived. Loading is
  // all-or-nothing.
  void Serialize(CArchive& ar) override;

  // Values without an editor: 4 and 5 travel in comma-separated files, 3
  // and 4 in the archive; the rest only hold their defaults.
  double value1 = 0.5;
  std::int32_t value2 = 0;
  double value3 = 0;
  double value4 = 100000.0;
  double value5 = 0;
  double value6 = 0;

  bool chart = true;  // else a book
  std::string folio;
  std::string correctionNumber;  // "nr Last Correction"
  std::time_t correctionDate = 0;
  std::time_t publicationDate = 0;  // "Date of Publication:"
  std::string edition;
  std::string publisher;
  std::string number;
  std::string description;
};

using CPublicationList = CRecordList<CPublication>;

// "Nautical Publication" (Insert menu): after the selected record, or at the
// tail when nothing (or a record of another list) is selected.
CPublication* NewPublication(CPublicationList& publications, const CPosition2* selected, const CClock& clock);

// The charts view (charts set) or the books view, in list order.
std::vector<CPublication*> PublicationsOfKind(const CPublicationList& publications, bool charts);

}  // namespace marigold
