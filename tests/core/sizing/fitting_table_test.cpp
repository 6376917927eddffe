#include "core/sizing/fitting_table.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

TEST(FittingLength, WorkedExampleAtOneAndThreeEighths) {
  FittingCounts counts{};
  counts[5] = 2;  // 90 degree long radius elbows
  counts[6] = 1;  // 45 degree elbow
  counts[0] = 1;  // solenoid valve
  EXPECT_DOUBLE_EQ(FittingLength(counts, 6), 34.0);
  EXPECT_DOUBLE_EQ(FittingLength(FittingCounts{}, 6), 0.0);
}

TEST(FittingTable, TwinRowsHoldTheSameLengths) {
  for (int size = 1; size <= 11; ++size) {
    EXPECT_EQ(FittingEquivalentLength(1, size), FittingEquivalentLength(2, size));
    EXPECT_EQ(FittingEquivalentLength(3, size), FittingEquivalentLength(4, size));
    EXPECT_EQ(FittingEquivalentLength(8, size), FittingEquivalentLength(10, size));
  }
  EXPECT_EQ(FittingEquivalentLength(1, 11), 80);
  EXPECT_EQ(FittingEquivalentLength(9, 1), 2);
}

TEST(RiserAllowance, TrapsStartAtTwoAndAHalfMetresAndRepeatEverySix) {
  struct Case {
    double riserFt;
    double expected;  // in long radius elbows E at "1 3/8" (2.4 ft)
  };
  const double e = 2.4;
  for (const Case& c : {Case{0, 0}, Case{8.2, 0}, Case{8.203, 4.5 * e}, Case{19.685, 4.5 * e},
                        Case{19.68504, 4.5 * e + 6 * e + 1}, Case{39.37008, 4.5 * e + 2 * (6 * e + 1)}})
    EXPECT_NEAR(RiserAllowance(c.riserFt, 6), c.expected, 1e-12) << c.riserFt;
}

TEST(FittingTypes, CaptionsAndLimitsOfTheDialog) {
  EXPECT_EQ(FittingCaption(1), u"Solenoid Valve :"_qs);
  EXPECT_EQ(FittingCaption(10), u"Sight Glass :"_qs);
  const int limits[] = {5, 50, 50, 5, 200, 200, 200, 200, 200, 5};
  for (int type = 1; type <= kFittingTypeCount; ++type) EXPECT_EQ(FittingCountLimit(type), limits[type - 1]);
}

}  // namespace
}  // namespace kestrin
