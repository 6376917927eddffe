#include "core/physics/tube_catalogue.h"
#include "core/physics/tube_pressure_rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kestrin {
namespace {

TEST(TubeCatalogue, TypeKNamesDiametersAndDescriptionsInSearchOrder) {
  const QStringList names = {u"1/2"_qs,   u"5/8"_qs,   u"3/4"_qs,   u"7/8"_qs,   u"1 1/8"_qs, u"1 3/8"_qs,
                             u"1 5/8"_qs, u"2 1/8"_qs, u"2 5/8"_qs, u"3 1/8"_qs, u"3 5/8"_qs};
  ASSERT_EQ(names.size(), kTubeSizeCount);
  for (int i = 1; i <= kTubeSizeCount; ++i) {
    EXPECT_EQ(TubeName(TubeSeries::TypeK, i), names[i - 1]);
    EXPECT_EQ(SizeIndexOf(TubeSeries::TypeK, names[i - 1]), i);
  }
  EXPECT_EQ(TubeInsideDiameter(TubeSeries::TypeK, 1), 0.0335);
  EXPECT_EQ(TubeInsideDiameter(TubeSeries::TypeK, 6), 0.10375);
  EXPECT_EQ(TubeInsideDiameter(TubeSeries::TypeK, 11), 3.385 / 12);
  EXPECT_EQ(TubeDescription(TubeSeries::TypeK, 5), u"Copper Tube Outside diameter (1 Nominal size)"_qs);
  EXPECT_EQ(DescriptionOf(TubeSeries::TypeK, u"1 3/8"_qs), u"Copper Tube Outside diameter (1 1/4 Nominal size)"_qs);
}

// Every size of the three series: outside diameter and wall in inches (mm
// for the metric series), the inside diameter they leave, and the texts.
TEST(TubeCatalogue, EverySizeOfEverySeries) {
  struct Row {
    TubeSeries series;
    int index;
    const char16_t* name;
    double outside;  // in, or mm for EN 12735-1
    double wall;
    double insideIn;
    const char16_t* description;
  };
  const Row rows[] = {
      {TubeSeries::TypeK, 1, u"1/2", 0.500, 0.049, 0.402, u"Copper Tube Outside diameter (3/8 Nominal size)"},
      {TubeSeries::TypeK, 4, u"7/8", 0.875, 0.065, 0.745, u"Copper Tube Outside diameter (3/4 Nominal size)"},
      {TubeSeries::TypeK, 7, u"1 5/8", 1.625, 0.072, 1.481, u"Copper Tube Outside diameter (1 1/2 Nominal size)"},
      {TubeSeries::TypeK, 10, u"3 1/8", 3.125, 0.109, 2.907, u"Copper Tube Outside diameter (3 Nominal size)"},
      {TubeSeries::TypeL, 1, u"1/2", 0.500, 0.035, 0.430, u"Copper Tube Type L/ACR (3/8 Nominal size)"},
      {TubeSeries::TypeL, 2, u"5/8", 0.625, 0.040, 0.545, u"Copper Tube Type L/ACR (1/2 Nominal size)"},
      {TubeSeries::TypeL, 3, u"3/4", 0.750, 0.042, 0.666, u"Copper Tube Type L/ACR (5/8 Nominal size)"},
      {TubeSeries::TypeL, 4, u"7/8", 0.875, 0.045, 0.785, u"Copper Tube Type L/ACR (3/4 Nominal size)"},
      {TubeSeries::TypeL, 5, u"1 1/8", 1.125, 0.050, 1.025, u"Copper Tube Type L/ACR (1 Nominal size)"},
      {TubeSeries::TypeL, 6, u"1 3/8", 1.375, 0.055, 1.265, u"Copper Tube Type L/ACR (1 1/4 Nominal size)"},
      {TubeSeries::TypeL, 7, u"1 5/8", 1.625, 0.060, 1.505, u"Copper Tube Type L/ACR (1 1/2 Nominal size)"},
      {TubeSeries::TypeL, 8, u"2 1/8", 2.125, 0.070, 1.985, u"Copper Tube Type L/ACR (2 Nominal size)"},
      {TubeSeries::TypeL, 9, u"2 5/8", 2.625, 0.080, 2.465, u"Copper Tube Type L/ACR (2 1/2 Nominal size)"},
      {TubeSeries::TypeL, 10, u"3 1/8", 3.125, 0.090, 2.945, u"Copper Tube Type L/ACR (3 Nominal size)"},
      {TubeSeries::TypeL, 11, u"3 5/8", 3.625, 0.100, 3.425, u"Copper Tube Type L/ACR (3 1/2 Nominal size)"},
      {TubeSeries::EN12735, 1, u"12 mm", 12, 1.0, 10 / 25.4, u"Copper tube 12 x 1.0 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 2, u"15 mm", 15, 1.0, 13 / 25.4, u"Copper tube 15 x 1.0 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 3, u"18 mm", 18, 1.0, 16 / 25.4, u"Copper tube 18 x 1.0 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 4, u"22 mm", 22, 1.0, 20 / 25.4, u"Copper tube 22 x 1.0 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 5, u"28 mm", 28, 1.0, 26 / 25.4, u"Copper tube 28 x 1.0 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 6, u"35 mm", 35, 1.2, 32.6 / 25.4, u"Copper tube 35 x 1.2 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 7, u"42 mm", 42, 1.2, 39.6 / 25.4, u"Copper tube 42 x 1.2 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 8, u"54 mm", 54, 1.5, 51 / 25.4, u"Copper tube 54 x 1.5 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 9, u"64 mm", 64, 2.0, 60 / 25.4, u"Copper tube 64 x 2.0 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 10, u"76.1 mm", 76.1, 2.0, 72.1 / 25.4, u"Copper tube 76.1 x 2.0 mm (EN 12735-1)"},
      {TubeSeries::EN12735, 11, u"88.9 mm", 88.9, 2.0, 84.9 / 25.4, u"Copper tube 88.9 x 2.0 mm (EN 12735-1)"},
  };
  for (const Row& row : rows) {
    const QString name = QString::fromUtf16(row.name);
    SCOPED_TRACE(TubeSeriesTitle(row.series).toStdString() + " " + name.toStdString());
    const double perInch = row.series == TubeSeries::EN12735 ? 25.4 : 1.0;
    EXPECT_EQ(TubeName(row.series, row.index), name);
    EXPECT_EQ(SizeIndexOf(row.series, name), row.index);
    EXPECT_NEAR(TubeOutsideDiameterIn(row.series, row.index) * perInch, row.outside, 1e-12);
    EXPECT_NEAR(TubeWallIn(row.series, row.index) * perInch, row.wall, 1e-12);
    EXPECT_NEAR(TubeInsideDiameter(row.series, row.index) * 12, row.insideIn, 1e-12);
    EXPECT_EQ(TubeDescription(row.series, row.index), QString::fromUtf16(row.description));
  }
}

// The series pair one to one in order, so the size tables kept by inch size
// serve the metric tubes: each metric size is the one nearest its inch size.
TEST(TubeCatalogue, SeriesPairByNearestOutsideDiameterAndGrowInOrder) {
  for (const TubeSeries series : kTubeSeries) {
    double previous = 0;
    for (int i = 1; i <= kTubeSizeCount; ++i) {
      EXPECT_GT(TubeInsideDiameter(series, i), previous);
      previous = TubeInsideDiameter(series, i);
      EXPECT_EQ(TubeOutsideDiameterIn(TubeSeries::TypeL, i), TubeOutsideDiameterIn(TubeSeries::TypeK, i));
      int nearest = 1;
      for (int j = 1; j <= kTubeSizeCount; ++j) {
        const double metric = TubeOutsideDiameterIn(TubeSeries::EN12735, i);
        if (std::abs(TubeOutsideDiameterIn(TubeSeries::TypeK, j) - metric) <
            std::abs(TubeOutsideDiameterIn(TubeSeries::TypeK, nearest) - metric))
          nearest = j;
      }
      EXPECT_EQ(nearest, i);
    }
  }
}

TEST(TubeCatalogue, NamesMatchExactlyWithinTheirSeriesOnly) {
  for (const char16_t* text : {u"11/8", u"1  1/8", u"1 1/8 ", u"0.5", u"", u"3/8", u"28 mm"})
    EXPECT_FALSE(SizeIndexOf(TubeSeries::TypeK, QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();
  for (const char16_t* text : {u"28", u"28mm", u"1 1/8", u"76 mm"})
    EXPECT_FALSE(SizeIndexOf(TubeSeries::EN12735, QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();
  EXPECT_TRUE(DescriptionOf(TubeSeries::TypeK, u"11/8"_qs).isEmpty());
}

TEST(TubeCatalogue, CheckingListOffersTheSeriesSizes) {
  const QStringList typeK = CheckingTubeNames(TubeSeries::TypeK);
  ASSERT_EQ(typeK.size(), 10);
  EXPECT_EQ(typeK.first(), u"5/8"_qs);
  EXPECT_EQ(typeK.last(), u"3 5/8"_qs);
  const QStringList metric = CheckingTubeNames(TubeSeries::EN12735);
  ASSERT_EQ(metric.size(), 11);
  EXPECT_EQ(metric.first(), u"12 mm"_qs);
  EXPECT_EQ(metric.last(), u"88.9 mm"_qs);
  EXPECT_EQ(CheckingTubeNames(TubeSeries::TypeL).size(), 11);
}

TEST(TubeCatalogue, SeriesCodesAndTitles) {
  EXPECT_EQ(TubeSeriesFromCode(u"K"_qs), TubeSeries::TypeK);
  EXPECT_EQ(TubeSeriesFromCode(u"L"_qs), TubeSeries::TypeL);
  EXPECT_EQ(TubeSeriesFromCode(u"EN12735-1"_qs), TubeSeries::EN12735);
  for (const char16_t* text : {u"k", u"ACR", u"EN 12735-1", u"", u"K "})
    EXPECT_FALSE(TubeSeriesFromCode(QString::fromUtf16(text)));
  EXPECT_EQ(TubeSeriesTitle(TubeSeries::EN12735), u"EN 12735-1"_qs);
  EXPECT_EQ(TubeSeriesTitle(TubeSeries::TypeL), u"Type L"_qs);
}

// The published annealed ratings, psig, at 150 F and 250 F, by size.
TEST(TubePressureRating, PublishedRatingsOfTheInchSeries) {
  const double typeK[kTubeSizeCount][2] = {{960, 903}, {758, 713}, {626, 589}, {724, 681}, {557, 524}, {452, 425},
                                           {420, 395}, {370, 348}, {338, 318}, {328, 308}, {311, 292}};
  const double typeL[kTubeSizeCount][2] = {{662, 623}, {613, 576}, {537, 505}, {495, 465}, {420, 395}, {373, 351},
                                           {347, 326}, {309, 290}, {285, 268}, {270, 254}, {258, 242}};
  for (int i = 1; i <= kTubeSizeCount; ++i) {
    SCOPED_TRACE("size " + std::to_string(i));
    EXPECT_EQ(RatedWorkingPressurePsig(TubeSeries::TypeK, i, RatingTemperature::F150), typeK[i - 1][0]);
    EXPECT_EQ(RatedWorkingPressurePsig(TubeSeries::TypeK, i, RatingTemperature::F250), typeK[i - 1][1]);
    EXPECT_EQ(RatedWorkingPressurePsig(TubeSeries::TypeL, i, RatingTemperature::F150), typeL[i - 1][0]);
    EXPECT_EQ(RatedWorkingPressurePsig(TubeSeries::TypeL, i, RatingTemperature::F250), typeL[i - 1][1]);
  }
  EXPECT_EQ(RatingTemperatureF(RatingTemperature::F150), 150);
  EXPECT_EQ(RatingTemperatureF(RatingTemperature::F250), 250);
}

// The metric tubes by P = 2 S t / (D - 0.8 t) with the thinnest wall and the
// widest outside diameter the standard allows; worked by hand for two sizes.
TEST(TubePressureRating, MetricTubesByTheAsmeRuleWithTheStandardsTolerances) {
  // 28 x 1.0: t = 0.9 mm, D = 28.05 mm; 2 x 5100 x 0.9 / (28.05 - 0.72).
  EXPECT_NEAR(RatedWorkingPressurePsig(TubeSeries::EN12735, 5, RatingTemperature::F150), 335.894, 1e-3);
  // 54 x 1.5: t = 1.35 mm, D = 54.06 mm; 2 x 4800 x 1.35 / (54.06 - 1.08).
  EXPECT_NEAR(RatedWorkingPressurePsig(TubeSeries::EN12735, 8, RatingTemperature::F250), 244.621, 1e-3);
  for (int i = 1; i <= kTubeSizeCount; ++i) {
    const double at150 = RatedWorkingPressurePsig(TubeSeries::EN12735, i, RatingTemperature::F150);
    EXPECT_NEAR(RatedWorkingPressurePsig(TubeSeries::EN12735, i, RatingTemperature::F250), at150 * 4800 / 5100, 1e-9);
  }
}

}  // namespace
}  // namespace kestrin
