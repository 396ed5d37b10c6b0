// Charts and books: the file form, the two views and the dialog's fields.
#include <gtest/gtest.h>

#include <string>

#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "lists/Publication.h"
#include "lists/PublicationSheet.h"

namespace marigold {
namespace {

const std::string kZero = "00 00 00 00 00 00 00 00 ";

// The default position; a book; "3rd", "F1", "Tides", "12/23", "NP159",
// "UKHO"; corrected at 1,700,000,000 s, published at 1,000,000,000 s;
// value 4 25000, value 3 2.5.
const std::string kBook =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 14 40 "
    "0c 4e 65 77 20 50 6f 73 69 74 69 6f 6e " +
    kZero + kZero + kZero + kZero +
    "00 00 00 00 "
    "03 33 72 64  02 46 31  05 54 69 64 65 73  05 31 32 2f 32 33  05 4e 50 31 35 39  04 55 4b 48 4f "
    "00 f1 53 65  00 ca 9a 3b "
    "00 00 00 00 00 6a d8 40  00 00 00 00 00 00 04 40";

CBytes Store(CPublication& p) {
  CArchive ar = CArchive::ForStoring();
  p.Serialize(ar);
  return ar.TakeBytes();
}

TEST(PublicationArchive, OnlyTheArchivedValues) {
  const CBytes bytes = Hex(kBook);
  CPublication p;
  p.value5 = 8;
  CArchive ar = CArchive::ForLoading(bytes);
  p.Serialize(ar);
  EXPECT_TRUE(ar.AtEnd());
  EXPECT_FALSE(p.chart);
  EXPECT_EQ(p.edition + "|" + p.folio + "|" + p.description + "|" + p.correctionNumber + "|" + p.number + "|" +
                p.publisher,
            "3rd|F1|Tides|12/23|NP159|UKHO");
  EXPECT_EQ(p.correctionDate, 1700000000);
  EXPECT_EQ(p.publicationDate, 1000000000);
  EXPECT_EQ(p.value4, 25000.0);
  EXPECT_EQ(p.value3, 2.5);
  EXPECT_EQ(p.value5, 8);  // not in the file
  EXPECT_EQ(p.value1, 0.5);
  EXPECT_EQ(Store(p), bytes);

  CBytes shortBytes = bytes;
  shortBytes.pop_back();
  CPublication keep;
  keep.number = "kept";
  CArchive ar2 = CArchive::ForLoading(shortBytes);
  EXPECT_THROW(keep.Serialize(ar2), CArchiveException);
  EXPECT_EQ(keep.number, "kept");
  EXPECT_TRUE(keep.chart);
}

TEST(PublicationList, NewChartsAndTheTwoViews) {
  CPublicationList list;
  const CFixedClock clock(1234567890);
  CPublication* first = NewPublication(list, nullptr, clock);
  CPublication* last = NewPublication(list, first, clock);
  CPublication* middle = NewPublication(list, first, clock);
  EXPECT_EQ(list.GetAt(1), middle);
  EXPECT_EQ(list.GetTail(), last);
  EXPECT_TRUE(middle->chart);
  EXPECT_EQ(middle->value4, 100000.0);
  EXPECT_EQ(middle->publicationDate, 1234567890);
  EXPECT_EQ(middle->correctionDate, 1234567890);

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
  fields.correctionDate = 1300000000;
  middle->folio = "F9";
  ApplyPublication(fields, *middle);
  EXPECT_TRUE(PublicationsOfKind(list, false).empty());
  EXPECT_EQ(PublicationsOfKind(list, true).size(), 3u);
  EXPECT_EQ(middle->number, "5011");
  EXPECT_EQ(middle->correctionDate, 1300000000);
  EXPECT_EQ(middle->folio, "F9");  // no field in the dialog
}

}  // namespace
}  // namespace marigold
