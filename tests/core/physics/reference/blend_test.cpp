// A blend of fixed composition on the mixture model: its IIR reference, its
// pure-component limit, its energies against Lemmon's pseudo-pure R410A,
// their thermodynamic consistency, and densities only on a phase's own side
// of the phase boundary.

#include "core/physics/reference/blend.h"

#include "param_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>

namespace kestrin {
namespace {

Blend Make(const QStringList& components, const Amounts& massFractions) {
  QString error;
  std::optional<Blend> blend = Blend::Of(components, massFractions, &error);
  if (!blend) throw std::runtime_error(error.toStdString());
  return *blend;
}

const ReferenceFluid& Fluid(const char* name) {
  const ReferenceFluid* fluid = ReferenceFluid::Find(QString::fromLatin1(name));
  if (!fluid) throw std::runtime_error(name);
  return *fluid;
}

Blend R454B() { return Make({QStringLiteral("R32"), QStringLiteral("R1234yf")}, {0.689, 0.311}); }

TEST(Blend, BubblePointLiquidAtZeroCelsiusIsTheIirReference) {
  const Blend blend = R454B();
  const SaturatedStates s = *blend.Saturation(273.15);
  EXPECT_NEAR(blend.Enthalpy(273.15, s.liquidDensity), 200e3, 1e-6);
  EXPECT_NEAR(blend.Entropy(273.15, s.liquidDensity), 1e3, 1e-9);
}

// One component alone is that fluid's reference equation, energies and all.
TEST(Blend, OneComponentIsThePureFluid) {
  const Blend blend = Make({QStringLiteral("R32")}, {1});
  const ReferenceFluid& fluid = Fluid("R32");
  const struct {
    double temperatureK, pressurePa;
    Phase phase;
  } states[] = {{240, 2e5, Phase::Vapour}, {300, 1e6, Phase::Vapour}, {280, 3e6, Phase::Liquid}};
  for (const auto& state : states) {
    const double density = *fluid.Density(state.temperatureK, state.pressurePa, state.phase);
    EXPECT_NEAR(*blend.Density(state.temperatureK, state.pressurePa, state.phase) / density - 1, 0, 1e-9);
    EXPECT_NEAR(blend.Enthalpy(state.temperatureK, density), fluid.Enthalpy(state.temperatureK, density), 1e-3)
        << state.temperatureK;
    EXPECT_NEAR(blend.Entropy(state.temperatureK, density), fluid.Entropy(state.temperatureK, density), 1e-5)
        << state.temperatureK;
  }
}

// Lemmon's pseudo-pure R410A was fitted to the mixture model: the
// evaporator's enthalpy rise and a superheated vapour's enthalpy and entropy
// agree to a few tenths of a percent.
TEST(Blend, EnergiesAgreeWithThePseudoPureR410A) {
  const Blend blend = Make({QStringLiteral("R32"), QStringLiteral("R125")}, {0.5, 0.5});
  const ReferenceFluid& fluid = Fluid("R410A");
  for (double t : {253.15, 278.15, 313.15}) {
    const SaturatedStates m = *blend.Saturation(t);
    const SaturatedStates p = *fluid.Saturation(t);
    const double rise = blend.Enthalpy(t, m.vapourDensity) - blend.Enthalpy(t, m.liquidDensity);
    const double published = fluid.Enthalpy(t, p.vapourDensity) - fluid.Enthalpy(t, p.liquidDensity);
    EXPECT_NEAR(rise / published - 1, 0, 3e-3) << t;
  }
  const double vapour = *blend.Density(300, 1e6, Phase::Vapour);
  const double pseudoPure = *fluid.Density(300, 1e6, Phase::Vapour);
  EXPECT_NEAR(vapour / pseudoPure - 1, 0, 2e-3);
  EXPECT_NEAR(blend.Enthalpy(300, vapour) / fluid.Enthalpy(300, pseudoPure) - 1, 0, 3e-3);
  EXPECT_NEAR(blend.Entropy(300, vapour) / fluid.Entropy(300, pseudoPure) - 1, 0, 3e-3);
}

// T ds = dh along an isobar, in the five-component R448A's liquid and
// vapour: the ideal-gas and residual parts and their reference shifts fit.
TEST(Blend, EnthalpyAndEntropyAreConsistent) {
  const Blend blend = Make({QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf"),
                            QStringLiteral("R134a"), QStringLiteral("R1234ze(E)")},
                           {0.26, 0.26, 0.20, 0.21, 0.07});
  const struct {
    double temperatureK, pressurePa;
    Phase phase;
  } states[] = {{300, 1e6, Phase::Vapour}, {270, 2e6, Phase::Liquid}};
  for (const auto& state : states) {
    const double dt = 1e-3;
    const double up = *blend.Density(state.temperatureK + dt, state.pressurePa, state.phase);
    const double down = *blend.Density(state.temperatureK - dt, state.pressurePa, state.phase);
    const double dh = blend.Enthalpy(state.temperatureK + dt, up) - blend.Enthalpy(state.temperatureK - dt, down);
    const double ds = blend.Entropy(state.temperatureK + dt, up) - blend.Entropy(state.temperatureK - dt, down);
    EXPECT_NEAR(ds * state.temperatureK / dh - 1, 0, 1e-5) << state.temperatureK;
  }
}

// The saturated states of a zeotropic blend: the bubble pressure above the
// dew pressure, and each point's temperature found again from its pressure.
TEST(Blend, SaturationHasTheGlideBetweenBubbleAndDew) {
  const Blend blend = R454B();
  const SaturatedStates s = *blend.Saturation(273.15);
  EXPECT_GT(s.bubblePressurePa, s.dewPressurePa * 1.02);
  EXPECT_GT(s.liquidDensity, 10 * s.vapourDensity);
  EXPECT_NEAR(*blend.BubbleTemperature(s.bubblePressurePa), 273.15, 1e-7);
  EXPECT_NEAR(*blend.DewTemperature(s.dewPressurePa), 273.15, 1e-7);
}

// A phase asked inside the two-phase region or beyond its boundary is
// refused, as for the pure fluids.
TEST(Blend, DensityRefusesThePhaseOnTheWrongSideOfTheBoundary) {
  const Blend blend = R454B();
  const double t = 273.15;
  const SaturatedStates s = *blend.Saturation(t);
  const double between = 0.5 * (s.bubblePressurePa + s.dewPressurePa);
  const struct {
    Phase phase;
    double pressurePa;
    bool stable;
  } rows[] = {
      {Phase::Vapour, s.dewPressurePa, true},    {Phase::Vapour, 0.95 * s.dewPressurePa, true},
      {Phase::Vapour, between, false},           {Phase::Vapour, 1.05 * s.bubblePressurePa, false},
      {Phase::Liquid, s.bubblePressurePa, true}, {Phase::Liquid, 1.05 * s.bubblePressurePa, true},
      {Phase::Liquid, between, false},           {Phase::Liquid, 0.95 * s.dewPressurePa, false},
  };
  for (const auto& row : rows)
    EXPECT_EQ(blend.Density(t, row.pressurePa, row.phase).has_value(), row.stable)
        << row.pressurePa << " Pa, " << (row.phase == Phase::Vapour ? "vapour" : "liquid");
  EXPECT_TRUE(std::isnan(blend.Enthalpy(t, -1)));
  EXPECT_TRUE(std::isnan(blend.Entropy(std::numeric_limits<double>::quiet_NaN(), 10)));
}

// A blend keeps the points it has solved: a blend that has answered many
// other questions gives the same bits as a new one.
TEST(Blend, KeptAnswersHaveTheBitsOfANewSolve) {
  const Blend busy = R454B();
  for (double t = 230; t < 340; t += 7.3) {
    (void)busy.Saturation(t);
    (void)busy.DewTemperature(1e5 * (t - 200) / 10);
  }
  const Blend fresh = R454B();
  for (const double t : {250.0, 273.15, 318.15}) {
    const SaturatedStates a = *busy.Saturation(t);
    const SaturatedStates b = *fresh.Saturation(t);
    EXPECT_EQ(a.bubblePressurePa, b.bubblePressurePa) << t;
    EXPECT_EQ(a.dewPressurePa, b.dewPressurePa) << t;
    EXPECT_EQ(a.liquidDensity, b.liquidDensity) << t;
    EXPECT_EQ(*busy.BubbleTemperature(a.dewPressurePa), *fresh.BubbleTemperature(b.dewPressurePa)) << t;
  }
}

// Today's blends at their nominal compositions: every bubble and dew point
// from -70 C to +60 C solves at its temperature, and the points at the
// other's pressure solve too (the glide at the evaporator and condenser).
struct NamedBlend {
  const char* name;
  QStringList components;
  Amounts massFractions;
};

void PrintTo(const NamedBlend& blend, std::ostream* out) { *out << blend.name; }

class EveryBlend : public testing::TestWithParam<NamedBlend> {};

TEST_P(EveryBlend, SolvesAcrossTheSizingRange) {
  const Blend blend = Make(GetParam().components, GetParam().massFractions);
  for (double celsius = -70; celsius <= 60; celsius += 10) {
    const double t = 273.15 + celsius;
    const std::optional<SaturatedStates> s = blend.Saturation(t);
    ASSERT_TRUE(s.has_value()) << celsius << " C";
    const std::optional<double> bubble = blend.BubbleTemperature(s->dewPressurePa);
    const std::optional<double> dew = blend.DewTemperature(s->bubblePressurePa);
    ASSERT_TRUE(bubble && dew) << celsius << " C";
    EXPECT_LE(*bubble, t) << celsius << " C";
    EXPECT_GE(*dew, t) << celsius << " C";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Blends, EveryBlend,
    testing::Values(
        NamedBlend{"R454B", {QStringLiteral("R32"), QStringLiteral("R1234yf")}, {0.689, 0.311}},
        NamedBlend{"R513A", {QStringLiteral("R1234yf"), QStringLiteral("R134a")}, {0.56, 0.44}},
        NamedBlend{
            "R452B", {QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf")}, {0.67, 0.07, 0.26}},
        NamedBlend{"R448A",
                   {QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf"), QStringLiteral("R134a"),
                    QStringLiteral("R1234ze(E)")},
                   {0.26, 0.26, 0.20, 0.21, 0.07}},
        NamedBlend{"R449A",
                   {QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf"), QStringLiteral("R134a")},
                   {0.243, 0.247, 0.253, 0.257}}),
    RowName<NamedBlend>);

TEST(Blend, RefusesAnAbsentComponent) {
  QString error;
  EXPECT_FALSE(Blend::Of({QStringLiteral("R32"), QStringLiteral("R1234yf")}, {1, 0}, &error).has_value());
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace kestrin
