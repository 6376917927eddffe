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

// Every cell of the equivalent-length table, feet per fitting, by type
// (rows) and tube size "1/2" .. "3 5/8" (columns).
TEST(FittingTable, EveryCell) {
  const double feet[kFittingTypeCount][11] = {
      {9, 12, 14, 15, 22, 28, 35, 45, 51, 65, 80},              // solenoid valve
      {9, 12, 14, 15, 22, 28, 35, 45, 51, 65, 80},              // globe valve
      {5, 6, 7, 8, 12, 15, 17, 22, 26, 34, 40},                 // angle valve
      {5, 6, 7, 8, 12, 15, 17, 22, 26, 34, 40},                 // check valve
      {1.4, 1.5, 1.9, 2.3, 2.7, 3.6, 4.2, 5.9, 6.9, 7.7, 9.8},  // 90 short radius elbow
      {0.9, 1, 1.3, 1.5, 1.8, 2.4, 2.8, 3.9, 4.6, 5.5, 6.5},    // 90 long radius elbow
      {0.4, 0.5, 0.6, 0.7, 0.9, 1.2, 1.4, 1.8, 2.2, 2.7, 3},    // 45 elbow
      {0.6, 0.8, 0.9, 1, 1.5, 1.8, 2, 3, 3.5, 4.5, 5},          // tee, line flow
      {2, 2.5, 3, 3.5, 4.5, 6, 7, 10, 12, 15, 17},              // tee, branch flow
      {0.6, 0.8, 0.9, 1, 1.5, 1.8, 2, 3, 3.5, 4.5, 5},          // sight glass
  };
  for (int type = 1; type <= kFittingTypeCount; ++type)
    for (int size = 1; size <= 11; ++size)
      EXPECT_EQ(FittingEquivalentLength(type, size), feet[type - 1][size - 1]) << "type " << type << ", size " << size;
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
  const struct {
    const char* caption;
    int limit;
  } rows[kFittingTypeCount] = {
      {"Solenoid Valve :", 5},
      {"Globe Valve :", 50},
      {"Angle Valve :", 50},
      {"Check Valve :", 5},
      {"90 Short Radius Elbow :", 200},
      {"90 Long Radius Elbow :", 200},
      {"45 Elbow :", 200},
      {"Tee Line Flow :", 200},
      {"Tee Branch Flow :", 200},
      {"Sight Glass :", 5},
  };
  for (int type = 1; type <= kFittingTypeCount; ++type) {
    SCOPED_TRACE(type);
    EXPECT_EQ(FittingCaption(type), QLatin1String(rows[type - 1].caption));
    EXPECT_EQ(FittingCountLimit(type), rows[type - 1].limit);
  }
}

}  // namespace
}  // namespace kestrin
