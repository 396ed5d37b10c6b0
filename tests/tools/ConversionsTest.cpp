// "Metric Conversions": the factors, the choice of item and the texts.
#include <gtest/gtest.h>

#include "tools/Conversions.h"

namespace marigold {
namespace {

TEST(Conversions, ExamplesByExactNameAndTheirTexts) {
  EXPECT_EQ(Convert("Meters to fathoms", 1), 0.5468066491688539);
  EXPECT_EQ(Convert("Fathom to meters", 10), 18.288);
  EXPECT_EQ(Convert("Degrees Fahrenheit to Celcius", 212), 100);
  EXPECT_EQ(Convert("Degrees Celcius to fahrenheit", 100), 212);
  EXPECT_EQ(Convert("Knots to m/sec", 10), 5.144444444444445);
  EXPECT_EQ(Convert("Meters per second to kts", 1), 1.9438444924406046);
  EXPECT_FALSE(Convert("Meters to Fathoms", 1));  // names are exact

  EXPECT_EQ(ConversionResultText(*Convert(1, 1)), "0.5468066491688539");
  EXPECT_EQ(ConversionResultText(*Convert(10, 212)), "100");
  EXPECT_EQ(ConversionResultText(*Convert(4, 1e306)), "NA");
}

TEST(Conversions, EachItemAndTheNextUndoEachOther) {
  // Pairs in list order: a slip in one factor breaks its pair.
  for (int i = 0; i < 16; i += 2)
    EXPECT_NEAR(*Convert(i + 1, *Convert(i, 37.0)), 37.0, 1e-6) << kConversions[static_cast<std::size_t>(i)].name;
}

TEST(Conversions, NothingChosenLeavesTheResult) {
  CConversionsTool tool;
  tool.OnCalculate({5, -1});
  EXPECT_EQ(tool.View().result, 0);
  tool.OnCalculate({5, 15});
  EXPECT_EQ(tool.View().result, 9.26);
  tool.OnCalculate({7, -1});
  EXPECT_EQ(tool.View().result, 9.26);
  EXPECT_EQ(tool.View().fields.value, 7);
  EXPECT_FALSE(Convert(16, 1));
}

TEST(Conversions, ValueMustBeAFiniteNumber) {
  EXPECT_EQ(ParseConversionValue("  -3e2 "), -300);
  EXPECT_EQ(ParseConversionValue("+4"), 4);
  for (const char* bad : {"", "abc", "12abc", "1,5", "+-5", "1e400", "inf", "nan"})
    EXPECT_FALSE(ParseConversionValue(bad)) << bad;
}

}  // namespace
}  // namespace marigold
