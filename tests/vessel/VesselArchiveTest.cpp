// vessel.dat: the record's fields in file order, checked against bytes
// written out by hand.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "fakes/TestSupport.h"
#include "vessel/Vessel2.h"

namespace marigold {
namespace {

// steeredCourse 0, windageTiers 3, depth 24.15, length 247, breadth 32.26,
// logSpeed 21, drafts 12.75 / 12.85, air 0.03, hull 0.3, timeAtFa 30,
// timeFaToStop 15, distanceFaToStop 3, 2 min per rpm, fuel 150,
// reservedB 65880, voyage displacement 73272, diameter 8, pitch 7.9, FA 63,
// MCR 106, then the name.
const std::string kUpToName =
    "0000000000000000 03000000 6666666666263840 0000000000E06E40 E17A14AE47214040 "
    "0000000000003540 0000000000802940 3333333333B32940 B81E85EB51B89E3F 333333333333D33F "
    "1E000000 0F000000 03000000 0000000000000040 0000000000C06240 000000008015F040 "
    "0000000080E3F140 0000000000002040 9A99999999991F40 3F000000 6A000000 ";
const std::string kName = "0E 6D76204D61726C696E7370696B65 ";  // "mv Marlinspike"
// mast 60, eye 45, engine 63, max draft 14, max displacement 80950,
// hydro displacement 73272, hydro draft 8, ETM 200.
const std::string kAfterName =
    "0000000000004E40 0000000000804640 0000000000804F40 0000000000002C40 0000000060C3F340 "
    "0000000080E3F140 0000000000002040 0000000000006940 ";
// LCB 1, LCF 1, MK 10, wet surface 1000.
const std::string kDefaultTail = "000000000000F03F 000000000000F03F 0000000000002440 0000000000408F40 ";

const std::string kDefaultRecord = kUpToName + kName + kAfterName + kDefaultTail + "00000000";

// LCB 1.5, LCF -0.5, MK 9.75, wet surface 1000, then two entries of
// draft, displacement, MK, LCB, LCF, ETM, wet surface.
const std::string kTableRecord =
    kUpToName + kName + kAfterName +
    "000000000000F83F 000000000000E0BF 0000000000802340 0000000000408F40 02000000 "
    "0000000000002040 00000000004CED40 0000000000002340 000000000000F43F 00000000000004C0 "
    "0000000000806640 000000000094C140 "
    "0000000000002440 00000000804FF240 0000000000002540 000000000000E03F 00000000000008C0 "
    "0000000000406A40 000000000088C340";

const CHydrostaticEntry kFirst{8.0, 60000.0, 9.5, 1.25, -2.5, 180.0, 9000.0};
const CHydrostaticEntry kSecond{10.0, 75000.0, 10.5, 0.5, -3.0, 210.0, 10000.0};

TEST(VesselArchive, DefaultRecordMatchesHandWrittenBytes) {
  const CBytes expected = Hex(kDefaultRecord);
  ASSERT_EQ(expected.size(), 244u + 15u);
  EXPECT_EQ(Store(CVessel2{}), expected);

  CVessel2 v;
  v.name = "other";
  v.steeredCourse = 123;
  v.mcrRpm = 1;
  v.hydroWetSurface = 1;
  v.AddHydroEntry(kFirst);
  Load(v, expected);
  EXPECT_EQ(std::tie(v.name, v.steeredCourse, v.mcrRpm, v.hydroWetSurface),
            std::make_tuple("mv Marlinspike", 0.0, 106, 1000.0));
  EXPECT_EQ(v.GetHydroCount(), 0);  // reading empties the table first
}

TEST(VesselArchive, HydrostaticTableReadsInFileOrderAndWritesBack) {
  const CBytes bytes = Hex(kTableRecord);
  ASSERT_EQ(bytes.size(), 244u + 15u + 2u * 56u);
  CVessel2 v;
  Load(v, bytes);
  EXPECT_EQ(std::tie(v.hydroLCB, v.hydroLCF, v.hydroMK), std::make_tuple(1.5, -0.5, 9.75));
  EXPECT_EQ(v.HydroTable(), (std::vector<CHydrostaticEntry>{kFirst, kSecond}));
  v.callSign = "PDXY";  // kept in the settings, not in the file
  EXPECT_EQ(Store(v), bytes);
}

TEST(VesselArchive, NegativeTableCountReadsNoEntries) {
  CBytes bytes = Hex(kDefaultRecord);
  bytes.resize(bytes.size() - 4);
  for (int i = 0; i < 4; ++i) bytes.push_back(0xFF);
  CVessel2 v;
  v.AddHydroEntry(kFirst);
  Load(v, bytes);
  EXPECT_EQ(v.GetHydroCount(), 0);
}

TEST(VesselArchive, DamagedBytesThrowAndLeaveTheRecordAsItWas) {
  const CBytes good = Hex(kTableRecord);
  CBytes countTooHigh = Hex(kUpToName + kName + kAfterName + kDefaultTail + "03000000");
  const CBytes entry = Hex("0000000000002040 00000000004CED40 0000000000002340 000000000000F43F "
                           "00000000000004C0 0000000000806640 000000000094C140");
  countTooHigh.insert(countTooHigh.end(), entry.begin(), entry.end());
  countTooHigh.insert(countTooHigh.end(), entry.begin(), entry.end());
  const CBytes hugeCount = Hex(kUpToName + kName + kAfterName + kDefaultTail + "FFFFFF7F");
  const CBytes damaged[] = {CBytes(good.begin(), good.end() - 1), CBytes(good.begin(), good.begin() + 100),
                            countTooHigh, hugeCount, CBytes{}};
  for (const CBytes& bytes : damaged) {
    CVessel2 v;
    v.name = "Keep";
    v.lengthPP = 180.0;
    v.AddHydroEntry(kSecond);
    ExpectLoadFails(v, bytes);
    EXPECT_EQ(std::tie(v.name, v.lengthPP), std::make_tuple("Keep", 180.0));
    EXPECT_EQ(v.HydroTable(), std::vector<CHydrostaticEntry>{kSecond});
  }
}

}  // namespace
}  // namespace marigold
