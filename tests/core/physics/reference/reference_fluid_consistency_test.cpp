// Thermodynamic consistency of every reference fluid: the IIR reference,
// the critical point, phase equilibrium, Clausius-Clapeyron, stable phases,
// the analytic derivatives against differences, and the solvers' round trips.

#include "core/physics/reference/reference_fluid.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>

// Fluid names in test output.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace kestrin {
namespace {

class EachFluidsEquation : public testing::TestWithParam<QString> {
 protected:
  const ReferenceFluid& fluid() const { return *ReferenceFluid::Find(GetParam()); }
  // Temperatures across the two-phase range, from near the lower limit to
  // near the critical point.
  std::vector<double> SaturationTemperatures() const {
    const double low = fluid().MinimumTemperatureK();
    const double tc = fluid().CriticalTemperatureK();
    return {std::max(low, 200.0), 233.15, 273.15, 313.15, tc - 5, tc - 0.5};
  }
};

// The pure fluids only: a blend's bubble and dew points are not one
// equilibrium, and its glide breaks the pure-fluid relations.
class EachPureFluidsEquation : public EachFluidsEquation {};

// The fluids of one equation of state each; blends on the mixture model
// have tests of their own.
QStringList EquationFluidNames(bool pureOnly) {
  QStringList names;
  for (const QString& name : ReferenceFluid::Names()) {
    const ReferenceFluid* fluid = ReferenceFluid::Find(name);
    if (!fluid->AsBlend() && !(pureOnly && fluid->PseudoPure())) names += name;
  }
  return names;
}

TEST_P(EachFluidsEquation, LoadsWithItsCitation) {
  ASSERT_NE(ReferenceFluid::Find(GetParam()), nullptr);
  EXPECT_EQ(fluid().Name(), GetParam());
  EXPECT_FALSE(fluid().EquationSource().isEmpty());
  EXPECT_EQ(fluid().PseudoPure(), GetParam() == QStringLiteral("R410A") || GetParam() == QStringLiteral("R404A") ||
                                      GetParam() == QStringLiteral("R407C") || GetParam() == QStringLiteral("R507A"));
}

TEST_P(EachFluidsEquation, BubblePointLiquidAtZeroCelsiusIsTheIirReference) {
  const std::optional<SaturatedStates> s = fluid().Saturation(273.15);
  ASSERT_TRUE(s.has_value());
  EXPECT_NEAR(fluid().Enthalpy(273.15, s->liquidDensity), 200e3, 1e-6);
  EXPECT_NEAR(fluid().Entropy(273.15, s->liquidDensity), 1e3, 1e-9);
}

TEST_P(EachFluidsEquation, SaturationEndsAtTheCriticalPointAndTheLowerLimit) {
  const double tc = fluid().CriticalTemperatureK();
  const double rhoc = fluid().CriticalDensity();
  // The published critical pressure within 0.02 % (the equations are not
  // forced through it exactly), and a nearly flat critical isotherm.
  EXPECT_NEAR(fluid().Pressure(tc, rhoc) / fluid().CriticalPressurePa() - 1, 0, 2e-4);
  const double rt = fluid().CriticalPressurePa() / rhoc;
  EXPECT_LT(std::abs(fluid().PressureDensityDerivative(tc, rhoc)) / rt, 0.05);
  EXPECT_FALSE(fluid().Saturation(tc + 0.01).has_value());
  // Pure fluids solve their phase equilibrium to within a few hundredths of
  // a kelvin of it; a blend's liquid at its bubble pressure leaves the
  // equation's liquid branch somewhat earlier.
  EXPECT_TRUE(fluid().Saturation(tc - (fluid().PseudoPure() ? 0.5 : 0.05)).has_value());
  // At the other end, saturation reaches the lower limit and stops there.
  EXPECT_TRUE(fluid().Saturation(fluid().MinimumTemperatureK()).has_value());
  EXPECT_FALSE(fluid().Saturation(fluid().MinimumTemperatureK() - 1).has_value());
}

TEST_P(EachFluidsEquation, SaturatedPhasesAreStableAndApart) {
  for (double t : SaturationTemperatures()) {
    const std::optional<SaturatedStates> s = fluid().Saturation(t);
    ASSERT_TRUE(s.has_value()) << t;
    EXPECT_GT(s->liquidDensity, fluid().CriticalDensity()) << t;
    EXPECT_LT(s->vapourDensity, fluid().CriticalDensity()) << t;
    EXPECT_GT(fluid().PressureDensityDerivative(t, s->liquidDensity), 0) << t;
    EXPECT_GT(fluid().PressureDensityDerivative(t, s->vapourDensity), 0) << t;
    EXPECT_GE(s->bubblePressurePa, s->dewPressurePa) << t;
    // Each saturated density is the equation's own at its pressure.
    EXPECT_NEAR(fluid().Pressure(t, s->liquidDensity) / s->bubblePressurePa - 1, 0, 1e-7) << t;
    EXPECT_NEAR(fluid().Pressure(t, s->vapourDensity) / s->dewPressurePa - 1, 0, 1e-7) << t;
  }
}

TEST_P(EachPureFluidsEquation, PhasesHaveEqualGibbsEnergy) {
  for (double t : SaturationTemperatures()) {
    const std::optional<SaturatedStates> s = fluid().Saturation(t);
    ASSERT_TRUE(s.has_value()) << t;
    const double gL = fluid().Enthalpy(t, s->liquidDensity) - t * fluid().Entropy(t, s->liquidDensity);
    const double gV = fluid().Enthalpy(t, s->vapourDensity) - t * fluid().Entropy(t, s->vapourDensity);
    EXPECT_NEAR(gL - gV, 0, 1e-6 * std::abs(fluid().Enthalpy(t, s->vapourDensity))) << t;
  }
}

TEST_P(EachPureFluidsEquation, SaturationSlopeFollowsClausiusClapeyron) {
  for (double t : SaturationTemperatures()) {
    if (t > fluid().CriticalTemperatureK() - 1) continue;
    const double dt = 1e-3;
    const double slope =
        (fluid().Saturation(t + dt)->bubblePressurePa - fluid().Saturation(t - dt)->bubblePressurePa) / (2 * dt);
    const SaturatedStates s = *fluid().Saturation(t);
    const double latentHeat = fluid().Enthalpy(t, s.vapourDensity) - fluid().Enthalpy(t, s.liquidDensity);
    const double expected = latentHeat / (t * (1 / s.vapourDensity - 1 / s.liquidDensity));
    EXPECT_NEAR(slope / expected - 1, 0, 1e-6) << t;
  }
}

TEST_P(EachFluidsEquation, SaturationTemperatureInvertsThePressures) {
  for (double t : {233.15, 273.15, 313.15}) {
    const SaturatedStates s = *fluid().Saturation(t);
    EXPECT_NEAR(*fluid().BubbleTemperature(s.bubblePressurePa), t, 1e-7) << t;
    EXPECT_NEAR(*fluid().DewTemperature(s.dewPressurePa), t, 1e-7) << t;
  }
  EXPECT_FALSE(fluid().BubbleTemperature(2 * fluid().CriticalPressurePa()).has_value());
  EXPECT_FALSE(fluid().DewTemperature(-1).has_value());
}

TEST_P(EachFluidsEquation, AnalyticDerivativesMatchDifferences) {
  const double tc = fluid().CriticalTemperatureK();
  const double rhoc = fluid().CriticalDensity();
  // Compressed liquid, superheated vapour and supercritical states.
  const FluidPoint states[] = {{0.8 * tc, 1.02 * fluid().Saturation(0.8 * tc)->liquidDensity},
                               {0.9 * tc, 0.5 * fluid().Saturation(0.9 * tc)->vapourDensity},
                               {1.2 * tc, 1.1 * rhoc}};
  for (const FluidPoint& s : states) {
    const double t = s.temperatureK;
    const double rho = s.density;
    const double h = 1e-6 * rho;
    const double dpdrho = (fluid().Pressure(t, rho + h) - fluid().Pressure(t, rho - h)) / (2 * h);
    EXPECT_NEAR(fluid().PressureDensityDerivative(t, rho) / dpdrho - 1, 0, 1e-6) << t;
    // Z = 1 + delta d(alpha_r)/d(delta), and Z = p / (rho R T).
    const double gasConstant = fluid().Pressure(t, 1e-6) / (1e-6 * t);
    const double z = fluid().Compressibility(t, rho);
    EXPECT_NEAR(z, fluid().Pressure(t, rho) / (rho * gasConstant * t), 1e-6 * std::abs(z)) << t;
    const double dAlpha = (fluid().ResidualHelmholtz(t, rho + h) - fluid().ResidualHelmholtz(t, rho - h)) / (2 * h);
    EXPECT_NEAR(z - 1, rho * dAlpha, 1e-6) << t;
    // Entropy: (ds/dT) at constant pressure is cp/T = (dh/dT)_p / T.
    const double p = fluid().Pressure(t, rho);
    const Phase phase = t < tc && rho > rhoc ? Phase::Liquid : Phase::Vapour;
    const double dt = 1e-3;
    const double rhoUp = *fluid().Density(t + dt, p, phase);
    const double rhoDown = *fluid().Density(t - dt, p, phase);
    const double dh = fluid().Enthalpy(t + dt, rhoUp) - fluid().Enthalpy(t - dt, rhoDown);
    const double ds = fluid().Entropy(t + dt, rhoUp) - fluid().Entropy(t - dt, rhoDown);
    EXPECT_NEAR(ds * t / dh - 1, 0, 1e-5) << t;
  }
}

TEST_P(EachFluidsEquation, DensityRecoversTheStateOfItsPressure) {
  const double tc = fluid().CriticalTemperatureK();
  for (double t : {0.7 * tc, 0.95 * tc}) {
    const SaturatedStates s = *fluid().Saturation(t);
    // Compressed liquid and superheated vapour, near and far from saturation.
    for (double factor : {1.0, 1.5, 10.0}) {
      const double p = s.bubblePressurePa * factor;
      const std::optional<double> rho = fluid().Density(t, p, Phase::Liquid);
      ASSERT_TRUE(rho.has_value()) << t << " " << factor;
      EXPECT_NEAR(fluid().Pressure(t, *rho) / p - 1, 0, 1e-9);
    }
    for (double factor : {1.0, 0.5, 1e-3}) {
      const double p = s.dewPressurePa * factor;
      const std::optional<double> rho = fluid().Density(t, p, Phase::Vapour);
      ASSERT_TRUE(rho.has_value()) << t << " " << factor;
      EXPECT_NEAR(fluid().Pressure(t, *rho) / p - 1, 0, 1e-9);
      EXPECT_LT(*rho, s.vapourDensity * (1 + 1e-9));
    }
  }
  for (double p : {0.5, 1.0, 3.0}) {
    const double pressure = p * fluid().CriticalPressurePa();
    const std::optional<double> rho = fluid().Density(1.1 * tc, pressure, Phase::Vapour);
    ASSERT_TRUE(rho.has_value()) << p;
    EXPECT_NEAR(fluid().Pressure(1.1 * tc, *rho) / pressure - 1, 0, 1e-9);
  }
}

TEST_P(EachFluidsEquation, DensityReportsAMissingRootAsNone) {
  const double tc = fluid().CriticalTemperatureK();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(fluid().Density(1.05 * tc, fluid().CriticalPressurePa(), Phase::Liquid).has_value());
  // Vapour far above its saturation pressure: past the spinodal.
  const SaturatedStates s = *fluid().Saturation(0.8 * tc);
  EXPECT_FALSE(fluid().Density(0.8 * tc, 5 * s.dewPressurePa, Phase::Vapour).has_value());
  EXPECT_FALSE(fluid().Density(0.8 * tc, 0, Phase::Vapour).has_value());
  EXPECT_FALSE(fluid().Density(0.8 * tc, -1e5, Phase::Liquid).has_value());
  EXPECT_FALSE(fluid().Density(nan, 1e5, Phase::Vapour).has_value());
  EXPECT_FALSE(fluid().Density(0.8 * tc, nan, Phase::Vapour).has_value());
  EXPECT_TRUE(std::isnan(fluid().Enthalpy(300, 0)));
  EXPECT_TRUE(std::isnan(fluid().Pressure(-1, 100)));
}

// A phase asked at a pressure beyond its saturation pressure has a branch
// root of the equation (supersaturated vapour, superheated liquid), but not
// a stable state: none, while the saturated states themselves stay.
TEST_P(EachFluidsEquation, DensityRefusesThePhaseOnTheWrongSideOfSaturation) {
  for (double t : {243.15, 273.15, fluid().CriticalTemperatureK() - 10}) {
    const SaturatedStates s = *fluid().Saturation(t);
    const struct {
      Phase phase;
      double pressurePa;
      bool stable;
    } rows[] = {
        {Phase::Vapour, s.dewPressurePa, true},
        {Phase::Vapour, 0.95 * s.dewPressurePa, true},
        {Phase::Vapour, 1.05 * s.dewPressurePa, false},
        {Phase::Vapour, 1.002 * s.dewPressurePa, false},
        {Phase::Liquid, s.bubblePressurePa, true},
        {Phase::Liquid, 1.05 * s.bubblePressurePa, true},
        {Phase::Liquid, 0.95 * s.bubblePressurePa, false},
        {Phase::Liquid, 0.998 * s.bubblePressurePa, false},
    };
    for (const auto& row : rows)
      EXPECT_EQ(fluid().Density(t, row.pressurePa, row.phase).has_value(), row.stable)
          << t << " K, " << row.pressurePa << " Pa, " << (row.phase == Phase::Vapour ? "vapour" : "liquid");
  }
}

TEST_P(EachFluidsEquation, IsentropicCompressionKeepsEntropyAndReachesThePressure) {
  // Suction gas 10 K superheated at -5 C dew, compressed to the dew pressure
  // at 45 C (the critical point permitting).
  const double evaporating = 268.15;
  const double condensing = std::min(318.15, fluid().CriticalTemperatureK() - 5);
  const SaturatedStates low = *fluid().Saturation(evaporating);
  const SaturatedStates high = *fluid().Saturation(condensing);
  const double suction = evaporating + 10;
  const FluidPoint from{suction, *fluid().Density(suction, low.dewPressurePa, Phase::Vapour)};
  const std::optional<FluidPoint> end = fluid().IsentropicEnd(from, high.dewPressurePa);
  ASSERT_TRUE(end.has_value());
  EXPECT_NEAR(fluid().Entropy(end->temperatureK, end->density), fluid().Entropy(from.temperatureK, from.density), 1e-6);
  EXPECT_NEAR(fluid().Pressure(end->temperatureK, end->density) / high.dewPressurePa - 1, 0, 1e-9);
  EXPECT_GT(end->temperatureK, condensing);
  // Back down again to where it started.
  const std::optional<FluidPoint> back = fluid().IsentropicEnd(*end, low.dewPressurePa);
  ASSERT_TRUE(back.has_value());
  EXPECT_NEAR(back->temperatureK, from.temperatureK, 1e-6);
}

TEST_P(EachFluidsEquation, IsentropicEndInsideTheDomeIsNone) {
  // Saturated vapour expanded from near the critical point to a low pressure
  // ends wet exactly when the saturated-vapour entropy is higher down there.
  const double tc = fluid().CriticalTemperatureK();
  const SaturatedStates high = *fluid().Saturation(0.95 * tc);
  const SaturatedStates low = *fluid().Saturation(0.6 * tc);
  const double entropyHigh = fluid().Entropy(0.95 * tc, high.vapourDensity);
  const bool wet = entropyHigh < fluid().Entropy(0.6 * tc, low.vapourDensity);
  EXPECT_EQ(fluid().IsentropicEnd({0.95 * tc, high.vapourDensity}, low.dewPressurePa).has_value(), !wet);
  // A liquid "compressed" to a vapour pressure is no vapour state either.
  const SaturatedStates cold = *fluid().Saturation(0.6 * tc);
  EXPECT_FALSE(fluid().IsentropicEnd({0.6 * tc, cold.liquidDensity}, 0.5 * high.dewPressurePa).has_value());
  EXPECT_FALSE(fluid().IsentropicEnd({0.95 * tc, high.vapourDensity}, -1).has_value());
}

// "R1234ze(E)" as "R1234ze_E_": test names take letters, digits and underscores.
std::string FluidName(const testing::TestParamInfo<QString>& row) {
  std::string name = row.param.toStdString();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(ReferenceFluids, EachFluidsEquation, testing::ValuesIn(EquationFluidNames(false)), FluidName);
INSTANTIATE_TEST_SUITE_P(ReferenceFluids, EachPureFluidsEquation, testing::ValuesIn(EquationFluidNames(true)),
                         FluidName);

// The refrigerants, the blend components R125 and R1234ze(E), and the
// blends on the mixture model.
TEST(ReferenceFluidNames, AreTheRefrigerantsAndTheBlendComponents) {
  EXPECT_EQ(ReferenceFluid::Names().size(), 16);
  for (const char* name : {"R32", "R1234yf", "R290", "R134a", "R22", "R410A", "R507A", "R404A", "R407C", "R125",
                           "R1234ze(E)", "R454B", "R513A", "R452B", "R448A", "R449A"})
    EXPECT_NE(ReferenceFluid::Find(QString::fromLatin1(name)), nullptr) << name;
  EXPECT_EQ(ReferenceFluid::Find(QStringLiteral("R999")), nullptr);
}

}  // namespace
}  // namespace kestrin
