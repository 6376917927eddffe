#include "core/physics/reference/blend_viscosity.h"

#include "core/physics/reference/viscosity.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace kestrin {
namespace {

struct Composition {
  const char* name;
  QStringList components;
  Amounts massFractions;
};

const Composition kR410A{"R410A", {QStringLiteral("R32"), QStringLiteral("R125")}, {0.5, 0.5}};
const Composition kR407C{
    "R407C", {QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R134a")}, {0.23, 0.25, 0.52}};
const Composition kR454B{"R454B", {QStringLiteral("R32"), QStringLiteral("R1234yf")}, {0.689, 0.311}};
const Composition kR513A{"R513A", {QStringLiteral("R1234yf"), QStringLiteral("R134a")}, {0.56, 0.44}};
const Composition kR452B{
    "R452B", {QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf")}, {0.67, 0.07, 0.26}};
const Composition kR448A{"R448A",
                         {QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf"),
                          QStringLiteral("R134a"), QStringLiteral("R1234ze(E)")},
                         {0.26, 0.26, 0.20, 0.21, 0.07}};
const Composition kR449A{
    "R449A",
    {QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf"), QStringLiteral("R134a")},
    {0.243, 0.247, 0.253, 0.257}};

Blend Make(const Composition& c) {
  QString error;
  std::optional<Blend> blend = Blend::Of(c.components, c.massFractions, &error);
  if (!blend) throw std::runtime_error(std::string(c.name) + ": " + error.toStdString());
  return *blend;
}

// A state of a blend: its saturated liquid at T (pressure 0) or its vapour
// at (T, p).
struct State {
  double celsius;
  double pressurePa;
};

double DensityAt(const Blend& blend, const State& s) {
  const double t = s.celsius + 273.15;
  if (s.pressurePa == 0) {
    const std::optional<SaturatedStates> saturated = blend.Saturation(t);
    return saturated ? saturated->liquidDensity : std::numeric_limits<double>::quiet_NaN();
  }
  // Straight from the mixture model: Blend::Density finds no vapour between
  // the blend's critical point and its reducing temperature.
  const std::optional<double> molar = blend.Model().MolarDensity(t, s.pressurePa, blend.MoleFractions(), Phase::Vapour);
  return molar ? *molar * blend.MolarMass() : std::numeric_limits<double>::quiet_NaN();
}

// The published pseudo-pure models of Geller, Bivens and Yokozeki (2000),
// fitted to their measurements of the commercial blends, at the same T and
// density as the blend of the same composition on the mixture model.
struct PseudoPureCase {
  const Composition* blend;
  State state;
  double tolerancePercent;
};

void PrintTo(const PseudoPureCase& c, std::ostream* os) {
  *os << c.blend->name << " at " << c.state.celsius << " C, "
      << (c.state.pressurePa == 0 ? std::string("saturated liquid") : std::to_string(c.state.pressurePa) + " Pa");
}

const PseudoPureCase kPseudoPureCases[] = {
    {&kR410A, {-40, 0}, 5},  {&kR410A, {-20, 0}, 5},   {&kR410A, {0, 0}, 5},     {&kR410A, {20, 0}, 5},
    {&kR410A, {40, 0}, 5},   {&kR410A, {60, 0}, 5},    {&kR410A, {0, 0.2e6}, 3}, {&kR410A, {40, 1e6}, 3},
    {&kR410A, {40, 2e6}, 3}, {&kR410A, {120, 2e6}, 3}, {&kR410A, {60, 3e6}, 5},  {&kR407C, {-40, 0}, 5},
    {&kR407C, {-20, 0}, 5},  {&kR407C, {0, 0}, 5},     {&kR407C, {20, 0}, 5},    {&kR407C, {40, 0}, 5},
    {&kR407C, {60, 0}, 5},   {&kR407C, {70, 0}, 6},    {&kR407C, {0, 0.2e6}, 3}, {&kR407C, {40, 1e6}, 3},
    {&kR407C, {80, 2e6}, 3}, {&kR407C, {120, 1e6}, 3},
};

class BlendViscosityPseudoPure : public testing::TestWithParam<PseudoPureCase> {};

TEST_P(BlendViscosityPseudoPure, AgreesWithThePublishedPseudoPureModel) {
  const PseudoPureCase& c = GetParam();
  const Blend blend = Make(*c.blend);
  const double density = DensityAt(blend, c.state);
  ASSERT_TRUE(std::isfinite(density));
  const double t = c.state.celsius + 273.15;
  const double expected = Viscosity(*ReferenceFluid::Find(QString::fromLatin1(c.blend->name)), t, density);
  EXPECT_NEAR(BlendViscosity(blend, t, density) / expected - 1, 0, c.tolerancePercent / 100);
}

INSTANTIATE_TEST_SUITE_P(Table, BlendViscosityPseudoPure, testing::ValuesIn(kPseudoPureCases));

// A blend of one component at 1e-6 of the other is, to that order, the
// dominant component with its own model, which also checks the component
// state solve lands on the blend's own state.
struct DominantCase {
  QStringList components;
  double celsius;
  double pressurePa;  // 0 for the saturated liquid
};

const DominantCase kDominantCases[] = {
    {{QStringLiteral("R32"), QStringLiteral("R125")}, -20, 0},
    {{QStringLiteral("R125"), QStringLiteral("R32")}, 20, 0},
    {{QStringLiteral("R1234yf"), QStringLiteral("R134a")}, 40, 0},
    {{QStringLiteral("R134a"), QStringLiteral("R1234ze(E)")}, 60, 0},
    {{QStringLiteral("R1234ze(E)"), QStringLiteral("R32")}, 80, 0.5e6},
    {{QStringLiteral("R32"), QStringLiteral("R1234yf")}, 40, 1.5e6},
};

class BlendViscosityDominant : public testing::TestWithParam<DominantCase> {};

TEST_P(BlendViscosityDominant, TendsToTheComponentsOwnModel) {
  const DominantCase& c = GetParam();
  const Composition composition{"dominant", c.components, {1 - 1e-6, 1e-6}};
  const Blend blend = Make(composition);
  const double density = DensityAt(blend, {c.celsius, c.pressurePa});
  ASSERT_TRUE(std::isfinite(density));
  const double t = c.celsius + 273.15;
  const double own = Viscosity(*ReferenceFluid::Find(c.components.front()), t, density);
  EXPECT_NEAR(BlendViscosity(blend, t, density) / own - 1, 0, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Table, BlendViscosityDominant, testing::ValuesIn(kDominantCases));

// Every blend the program sizes with gives a viscosity along its saturated
// liquid up to 75 C (where R125 is above its own critical temperature) that
// falls as the liquid warms, and a superheated vapour viscosity that rises
// with temperature.
class BlendViscosityRange : public testing::TestWithParam<const Composition*> {};

TEST_P(BlendViscosityRange, LiquidThinsAndVapourThickensWithTemperature) {
  const Blend blend = Make(*GetParam());
  double previous = std::numeric_limits<double>::infinity();
  double warmest = 0;
  for (double celsius = -40; celsius <= 75; celsius += 5) {
    const double density = DensityAt(blend, {celsius, 0});
    if (!std::isfinite(density)) break;  // past the blend's critical point
    const double eta = BlendViscosity(blend, celsius + 273.15, density);
    ASSERT_TRUE(eta > 40e-6 && eta < previous) << celsius << " C: " << eta;
    previous = eta;
    warmest = celsius;
  }
  EXPECT_GE(warmest, 65);
  previous = 0;
  for (double celsius = 40; celsius <= 140; celsius += 20) {
    const double eta = BlendViscosity(blend, celsius + 273.15, DensityAt(blend, {celsius, 1e6}));
    ASSERT_TRUE(eta > previous && eta < 25e-6) << celsius << " C: " << eta;
    previous = eta;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BlendViscosityRange,
                         testing::Values(&kR410A, &kR407C, &kR454B, &kR513A, &kR452B, &kR448A, &kR449A));

TEST(BlendViscosity, DiluteGasIsTheLowDensityLimit) {
  const Blend blend = Make(kR410A);
  const double t = 300;
  const double dilute = BlendViscosity(blend, t, 0);
  EXPECT_NEAR(BlendViscosity(blend, t, 1e-3) / dilute - 1, 0, 1e-4);
  // The pseudo-pure model's dilute gas is a fit to the blend's measurements.
  EXPECT_NEAR(dilute / Viscosity(*ReferenceFluid::Find(QStringLiteral("R410A")), t, 0) - 1, 0, 0.02);
}

TEST(BlendViscosity, StatesItCannotDescribeAreNaN) {
  const Blend blend = Make(kR454B);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(BlendViscosity(blend, 0, 1000)));
  EXPECT_TRUE(std::isnan(BlendViscosity(blend, -5, 1000)));
  EXPECT_TRUE(std::isnan(BlendViscosity(blend, nan, 1000)));
  EXPECT_TRUE(std::isnan(BlendViscosity(blend, 300, -1)));
  EXPECT_TRUE(std::isnan(BlendViscosity(blend, 300, nan)));
  EXPECT_TRUE(std::isnan(BlendViscosity(blend, 300, std::numeric_limits<double>::infinity())));
  // Far beyond any liquid density: no component state has that entropy.
  EXPECT_TRUE(std::isnan(BlendViscosity(blend, 300, 5000)));
}

TEST(BlendViscosity, SameInputsGiveTheSameBitsWhateverCameBefore) {
  const Blend blend = Make(kR448A);
  const double first = BlendViscosity(blend, 280, 1250);
  BlendViscosity(blend, 350, 30);
  BlendViscosity(Make(kR513A), 250, 1300);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(BlendViscosity(blend, 280, 1250)), std::bit_cast<std::uint64_t>(first));
}

TEST(BlendViscosity, NamesItsSources) {
  const QString source = BlendViscositySource();
  EXPECT_TRUE(source.contains(QStringLiteral("Yang")));
  EXPECT_TRUE(source.contains(QStringLiteral("Wilke")));
}

}  // namespace
}  // namespace kestrin
