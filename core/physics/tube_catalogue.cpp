#include "core/physics/tube_catalogue.h"

#include <array>

namespace kestrin {
namespace {

struct CopperTube {
  const char16_t* name;
  double insideDiameterFt;
  const char16_t* description;
};

// Type K copper tube: inside diameters in inches over 12.
constexpr std::array<CopperTube, kTubeSizeCount> kCatalogue = {{
    {u"1/2", 0.0335, u"Copper Tube Outside diameter (3/8 Nominal size)"},
    {u"5/8", 0.527 / 12, u"Copper Tube Outside diameter (1/2 Nominal size)"},
    {u"3/4", 0.652 / 12, u"Copper Tube Outside diameter (5/8 Nominal size)"},
    {u"7/8", 0.745 / 12, u"Copper Tube Outside diameter (3/4 Nominal size)"},
    {u"1 1/8", 0.995 / 12, u"Copper Tube Outside diameter (1 Nominal size)"},
    {u"1 3/8", 0.10375, u"Copper Tube Outside diameter (1 1/4 Nominal size)"},
    {u"1 5/8", 1.481 / 12, u"Copper Tube Outside diameter (1 1/2 Nominal size)"},
    {u"2 1/8", 0.16325, u"Copper Tube Outside diameter (2 Nominal size)"},
    {u"2 5/8", 2.435 / 12, u"Copper Tube Outside diameter (2 1/2 Nominal size)"},
    {u"3 1/8", 2.907 / 12, u"Copper Tube Outside diameter (3 Nominal size)"},
    {u"3 5/8", 3.385 / 12, u"Copper Tube Outside diameter (3 1/2 Nominal size)"},
}};

const CopperTube& Tube(int sizeIndex) { return kCatalogue.at(static_cast<std::size_t>(sizeIndex - 1)); }

}  // namespace

QString TubeName(int sizeIndex) { return QString::fromUtf16(Tube(sizeIndex).name); }
double TubeInsideDiameter(int sizeIndex) { return Tube(sizeIndex).insideDiameterFt; }
QString TubeDescription(int sizeIndex) { return QString::fromUtf16(Tube(sizeIndex).description); }

std::optional<int> SizeIndexOf(const QString& name) {
  for (int index = 1; index <= kTubeSizeCount; ++index)
    if (name == TubeName(index)) return index;
  return std::nullopt;
}

QString DescriptionOf(const QString& name) {
  const auto index = SizeIndexOf(name);
  return index ? TubeDescription(*index) : QString();
}

QStringList CheckingTubeNames() {
  QStringList names;
  for (int index = 2; index <= kTubeSizeCount; ++index) names << TubeName(index);
  return names;
}

}  // namespace kestrin
