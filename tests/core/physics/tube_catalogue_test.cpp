#include "core/physics/tube_catalogue.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

TEST(TubeCatalogue, NamesDiametersAndDescriptionsInSearchOrder) {
  const QStringList names = {u"1/2"_qs,   u"5/8"_qs,   u"3/4"_qs,   u"7/8"_qs,   u"1 1/8"_qs, u"1 3/8"_qs,
                             u"1 5/8"_qs, u"2 1/8"_qs, u"2 5/8"_qs, u"3 1/8"_qs, u"3 5/8"_qs};
  ASSERT_EQ(names.size(), kTubeSizeCount);
  double previous = 0;
  for (int i = 1; i <= kTubeSizeCount; ++i) {
    EXPECT_EQ(TubeName(i), names[i - 1]);
    EXPECT_EQ(SizeIndexOf(names[i - 1]), i);
    EXPECT_GT(TubeInsideDiameter(i), previous);
    previous = TubeInsideDiameter(i);
  }
  EXPECT_DOUBLE_EQ(TubeInsideDiameter(1), 0.0335);
  EXPECT_DOUBLE_EQ(TubeInsideDiameter(11), 3.385 / 12);
  EXPECT_EQ(TubeDescription(5), u"Copper Tube Outside diameter (1 Nominal size)"_qs);
  EXPECT_EQ(DescriptionOf(u"1 3/8"_qs), u"Copper Tube Outside diameter (1 1/4 Nominal size)"_qs);
}

TEST(TubeCatalogue, NamesMatchExactlyOnly) {
  for (const char16_t* text : {u"11/8", u"1  1/8", u"1 1/8 ", u"0.5", u"", u"3/8"})
    EXPECT_FALSE(SizeIndexOf(QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();
  EXPECT_TRUE(DescriptionOf(u"11/8"_qs).isEmpty());
}

TEST(TubeCatalogue, CheckingListLeavesOutTheSmallestTube) {
  const QStringList list = CheckingTubeNames();
  ASSERT_EQ(list.size(), 10);
  EXPECT_EQ(list.first(), u"5/8"_qs);
  EXPECT_EQ(list.last(), u"3 5/8"_qs);
}

}  // namespace
}  // namespace kestrin
