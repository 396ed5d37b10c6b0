// Charts and books: the file form, the two views and the dialog's fields.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "fakes/Records.h"
#include "lists/Publication.h"
#include "lists/PublicationSheet.h"

namespace marigold {
namespace {

// The default position; a book; "3rd", "F1", "Tides", "12/23", "NP159",
// "UKHO"; corrected at 1,700,000,000 s, published at 1,000,000,000 s;
// value 4 25000, value 3 2.5.
const std::string kBook = bytes::kDefaultPosition + bytes::kZeroInt + bytes::ShortString("3rd") +
                          bytes::ShortString("F1") + bytes::ShortString("Tides") + bytes::ShortString("12/23") +
                          bytes::ShortString("NP159") + bytes::ShortString("UKHO") +
                          "00 f1 53 65  00 ca 9a 3b  00 00 00 00 00 6a d8 40  00 00 00 00 00 00 04 40";

TEST(PublicationArchive, OnlyTheArchivedValues) {
  const CBytes bytes = Hex(kBook);
  CPublication p;
  p.value5 = 8;
  Load(p, bytes);
  EXPECT_FALSE(p.chart);
  EXPECT_EQ(
      p.edition + "|" + p.folio + "|" + p.description + "|" + p.correctionNumber + "|" + p.number + "|" + p.publisher,
      "3rd|F1|Tides|12/23|NP159|UKHO");
  EXPECT_EQ(std::tuple(p.correctionDate, p.publicationDate), std::tuple(1700000000, 1000000000));
  // Value 5 is not in the file.
  EXPECT_EQ(std::tuple(p.value4, p.value3, p.value1, p.value5), std::tuple(25000.0, 2.5, 0.5, 8.0));
  EXPECT_EQ(Store(p), bytes);

  CBytes shortBytes = bytes;
  shortBytes.pop_back();
  CPublication keep;
  keep.number = "kept";
  ExpectLoadFails(keep, shortBytes);
  EXPECT_EQ(std::tuple(keep.number, keep.chart), std::tuple("kept", true));
}

TEST(PublicationList, NewChartsAndTheTwoViews) {
  CPublicationList list;
  const CFixedClock clock(1234567890);
  CPublication* first = NewPublication(list, nullptr, clock);
  CPublication* last = NewPublication(list, first, clock);
  CPublication* middle = NewPublication(list, first, clock);
  EXPECT_EQ(std::tuple(list.GetAt(1), list.GetTail()), std::tuple(middle, last));
  EXPECT_EQ(std::tuple(middle->chart, middle->value4, middle->publicationDate, middle->correctionDate),
            std::tuple(true, 100000.0, 1234567890, 1234567890));

  // A record of another list appends.
  CPublication stranger;
  const CPublication* appended = NewPublication(list, &stranger, clock);
  EXPECT_EQ(appended, list.GetTail());
  // Cancel removes the new one again.
  EXPECT_TRUE(list.Remove(appended));
  EXPECT_EQ(list.GetCount(), 3);

  middle->chart = false;
  EXPECT_EQ(PublicationsOfKind(list, true), (std::vector<CPublication*>{first, last}));
  EXPECT_EQ(PublicationsOfKind(list, false), (std::vector<CPublication*>{middle}));

  // "Chart" chosen in the dialog moves the book to the charts.
  CPublicationFields fields = ReadPublication(*middle);
  EXPECT_STREQ(kPublicationKindTexts[static_cast<std::size_t>(fields.kind)], "Book");
  fields.kind = 0;
  fields.number = "5011";
  fields.correctionDate = LocalFieldsOf(1300000000);
  middle->folio = "F9";
  const std::time_t published = middle->publicationDate;
  ApplyPublication(fields, *middle);
  EXPECT_EQ(std::tuple(PublicationsOfKind(list, false).size(), PublicationsOfKind(list, true).size()),
            std::tuple(0u, 3u));
  // The folio has no field in the dialog.
  EXPECT_EQ(std::tuple(middle->number, middle->correctionDate, middle->folio, middle->publicationDate),
            std::tuple("5011", 1300000000, "F9", published));
}

}  // namespace
}  // namespace marigold
