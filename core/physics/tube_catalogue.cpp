#include "core/physics/tube_catalogue.h"

#include <array>

namespace kestrin {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kInchesPerFoot = 12;

struct CopperTube {
  const char16_t* name;
  double outsideDiameterIn;
  double wallIn;
  double insideDiameterFt;
  const char16_t* description;
};
using Catalogue = std::array<CopperTube, kTubeSizeCount>;

constexpr double InsideFt(double outsideIn, double wallIn) { return (outsideIn - 2 * wallIn) / kInchesPerFoot; }

// Type K copper tube, ASTM B88 (seamless copper water tube), Table 1: inside
// diameters in inches over 12, as the program has always sized with them.
constexpr Catalogue kTypeK = {{
    {u"1/2", 0.500, 0.049, 0.0335, u"Copper Tube Outside diameter (3/8 Nominal size)"},
    {u"5/8", 0.625, 0.049, 0.527 / 12, u"Copper Tube Outside diameter (1/2 Nominal size)"},
    {u"3/4", 0.750, 0.049, 0.652 / 12, u"Copper Tube Outside diameter (5/8 Nominal size)"},
    {u"7/8", 0.875, 0.065, 0.745 / 12, u"Copper Tube Outside diameter (3/4 Nominal size)"},
    {u"1 1/8", 1.125, 0.065, 0.995 / 12, u"Copper Tube Outside diameter (1 Nominal size)"},
    {u"1 3/8", 1.375, 0.065, 0.10375, u"Copper Tube Outside diameter (1 1/4 Nominal size)"},
    {u"1 5/8", 1.625, 0.072, 1.481 / 12, u"Copper Tube Outside diameter (1 1/2 Nominal size)"},
    {u"2 1/8", 2.125, 0.083, 0.16325, u"Copper Tube Outside diameter (2 Nominal size)"},
    {u"2 5/8", 2.625, 0.095, 2.435 / 12, u"Copper Tube Outside diameter (2 1/2 Nominal size)"},
    {u"3 1/8", 3.125, 0.109, 2.907 / 12, u"Copper Tube Outside diameter (3 Nominal size)"},
    {u"3 5/8", 3.625, 0.120, 3.385 / 12, u"Copper Tube Outside diameter (3 1/2 Nominal size)"},
}};

// Type L copper tube, ASTM B88 Table 1; drawn ACR tube of ASTM B280 has the
// same outside diameters and walls in these sizes.
constexpr Catalogue kTypeL = {{
    {u"1/2", 0.500, 0.035, InsideFt(0.500, 0.035), u"Copper Tube Type L/ACR (3/8 Nominal size)"},
    {u"5/8", 0.625, 0.040, InsideFt(0.625, 0.040), u"Copper Tube Type L/ACR (1/2 Nominal size)"},
    {u"3/4", 0.750, 0.042, InsideFt(0.750, 0.042), u"Copper Tube Type L/ACR (5/8 Nominal size)"},
    {u"7/8", 0.875, 0.045, InsideFt(0.875, 0.045), u"Copper Tube Type L/ACR (3/4 Nominal size)"},
    {u"1 1/8", 1.125, 0.050, InsideFt(1.125, 0.050), u"Copper Tube Type L/ACR (1 Nominal size)"},
    {u"1 3/8", 1.375, 0.055, InsideFt(1.375, 0.055), u"Copper Tube Type L/ACR (1 1/4 Nominal size)"},
    {u"1 5/8", 1.625, 0.060, InsideFt(1.625, 0.060), u"Copper Tube Type L/ACR (1 1/2 Nominal size)"},
    {u"2 1/8", 2.125, 0.070, InsideFt(2.125, 0.070), u"Copper Tube Type L/ACR (2 Nominal size)"},
    {u"2 5/8", 2.625, 0.080, InsideFt(2.625, 0.080), u"Copper Tube Type L/ACR (2 1/2 Nominal size)"},
    {u"3 1/8", 3.125, 0.090, InsideFt(3.125, 0.090), u"Copper Tube Type L/ACR (3 Nominal size)"},
    {u"3 5/8", 3.625, 0.100, InsideFt(3.625, 0.100), u"Copper Tube Type L/ACR (3 1/2 Nominal size)"},
}};

constexpr CopperTube Metric(const char16_t* name, double outsideMm, double wallMm, const char16_t* description) {
  return {name, outsideMm / kMillimetresPerInch, wallMm / kMillimetresPerInch,
          InsideFt(outsideMm / kMillimetresPerInch, wallMm / kMillimetresPerInch), description};
}

// Copper tube for refrigeration piping, EN 12735-1:2020 (Copper and copper
// alloys - Seamless, round tubes for air conditioning and refrigeration -
// Part 1: Tubes for piping systems), Table 4: the outside diameters nearest
// the inch sizes, each with the standard's usual wall for straight lengths.
constexpr Catalogue kEN12735 = {{
    Metric(u"12 mm", 12, 1.0, u"Copper tube 12 x 1.0 mm (EN 12735-1)"),
    Metric(u"15 mm", 15, 1.0, u"Copper tube 15 x 1.0 mm (EN 12735-1)"),
    Metric(u"18 mm", 18, 1.0, u"Copper tube 18 x 1.0 mm (EN 12735-1)"),
    Metric(u"22 mm", 22, 1.0, u"Copper tube 22 x 1.0 mm (EN 12735-1)"),
    Metric(u"28 mm", 28, 1.0, u"Copper tube 28 x 1.0 mm (EN 12735-1)"),
    Metric(u"35 mm", 35, 1.2, u"Copper tube 35 x 1.2 mm (EN 12735-1)"),
    Metric(u"42 mm", 42, 1.2, u"Copper tube 42 x 1.2 mm (EN 12735-1)"),
    Metric(u"54 mm", 54, 1.5, u"Copper tube 54 x 1.5 mm (EN 12735-1)"),
    Metric(u"64 mm", 64, 2.0, u"Copper tube 64 x 2.0 mm (EN 12735-1)"),
    Metric(u"76.1 mm", 76.1, 2.0, u"Copper tube 76.1 x 2.0 mm (EN 12735-1)"),
    Metric(u"88.9 mm", 88.9, 2.0, u"Copper tube 88.9 x 2.0 mm (EN 12735-1)"),
}};

const Catalogue& CatalogueOf(TubeSeries series) {
  switch (series) {
    case TubeSeries::TypeK: return kTypeK;
    case TubeSeries::TypeL: return kTypeL;
    case TubeSeries::EN12735: return kEN12735;
  }
  return kTypeK;
}

const CopperTube& Tube(TubeSeries series, int sizeIndex) {
  return CatalogueOf(series).at(static_cast<std::size_t>(sizeIndex - 1));
}

}  // namespace

QString TubeName(TubeSeries series, int sizeIndex) { return QString::fromUtf16(Tube(series, sizeIndex).name); }
double TubeInsideDiameter(TubeSeries series, int sizeIndex) { return Tube(series, sizeIndex).insideDiameterFt; }
double TubeOutsideDiameterIn(TubeSeries series, int sizeIndex) { return Tube(series, sizeIndex).outsideDiameterIn; }
double TubeWallIn(TubeSeries series, int sizeIndex) { return Tube(series, sizeIndex).wallIn; }
QString TubeDescription(TubeSeries series, int sizeIndex) {
  return QString::fromUtf16(Tube(series, sizeIndex).description);
}

std::optional<int> SizeIndexOf(TubeSeries series, const QString& name) {
  for (int index = 1; index <= kTubeSizeCount; ++index)
    if (name == TubeName(series, index)) return index;
  return std::nullopt;
}

QString DescriptionOf(TubeSeries series, const QString& name) {
  const auto index = SizeIndexOf(series, name);
  return index ? TubeDescription(series, *index) : QString();
}

QStringList CheckingTubeNames(TubeSeries series) {
  QStringList names;
  const int first = series == TubeSeries::TypeK ? 2 : 1;
  for (int index = first; index <= kTubeSizeCount; ++index) names << TubeName(series, index);
  return names;
}

}  // namespace kestrin
