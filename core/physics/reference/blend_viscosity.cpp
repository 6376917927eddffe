#include "core/physics/reference/blend_viscosity.h"

#include "core/physics/reference/viscosity.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace kestrin {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kAvogadro = 6.02214076e23;  // 1/mol
constexpr double kBoltzmann = 1.380649e-23;  // J/K
constexpr int kMaxIterations = 30;
constexpr double kTolerance = 1e-12;  // on the Newton step in ln delta
constexpr double kMaxStep = 0.5;      // in ln delta, keeps the iterate on its branch

// The reduced density at which a component's equation has the reduced
// residual entropy `target` at reduced temperature tau, by Newton's method in
// ln delta from the blend's own reduced density; none when it does not
// converge on a branch where s_r falls with density, as it does in every
// stable state.
std::optional<double> DensityOfEntropy(const HelmholtzEquation& equation, double tau, double target,
                                       double startDelta) {
  const TemperatureTerms terms = equation.AtTau(tau);
  double lnDelta = std::log(startDelta);
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const ResidualDerivatives r = equation.Residual(terms, std::exp(lnDelta));
    const double entropy = r.t - r.a;  // s_r / R = tau a_tau - a
    const double slope = r.dt - r.d;   // d(s_r / R) / d(ln delta)
    if (!std::isfinite(entropy) || !(slope < 0)) return std::nullopt;
    double step = (entropy - target) / slope;
    if (std::abs(step) > kMaxStep) step = std::copysign(kMaxStep, step);
    lnDelta -= step;
    if (std::abs(step) < kTolerance) return std::exp(lnDelta);
  }
  return std::nullopt;
}

// The macroscopic scaling of the residual viscosity: rho_N^(2/3) sqrt(m k T),
// Pa s, with rho_N the number density and m the mass of one molecule.
double ViscosityScale(double molarDensity, double molarMass, double temperatureK) {
  const double numberDensity = molarDensity * kAvogadro;
  return std::cbrt(numberDensity * numberDensity) * std::sqrt(molarMass / kAvogadro * kBoltzmann * temperatureK);
}

// The dilute gas of the blend from its components' at the same temperature,
// by the mixing rule of Wilke, J. Chem. Phys. 18 (1950) 517.
double WilkeDiluteGas(const MixtureModel& model, const Amounts& x, const Amounts& dilute) {
  double sum = 0;
  for (int i = 0; i < model.Size(); ++i) {
    const auto si = static_cast<std::size_t>(i);
    double denominator = 0;
    for (int j = 0; j < model.Size(); ++j) {
      const auto sj = static_cast<std::size_t>(j);
      const double massRatio = model.ComponentMolarMass(i) / model.ComponentMolarMass(j);
      const double root = 1 + std::sqrt(dilute[si] / dilute[sj]) / std::sqrt(std::sqrt(massRatio));
      denominator += x[sj] * root * root / std::sqrt(8 * (1 + massRatio));
    }
    sum += x[si] * dilute[si] / denominator;
  }
  return sum;
}

}  // namespace

double BlendViscosity(const Blend& blend, double temperatureK, double density) {
  if (!(temperatureK > 0) || !(density >= 0) || !std::isfinite(temperatureK) || !std::isfinite(density)) return kNaN;
  const MixtureModel& model = blend.Model();
  const Amounts& x = blend.MoleFractions();
  std::array<const ReferenceFluid*, kMaxComponents> fluids{};
  Amounts dilute{};
  for (int i = 0; i < model.Size(); ++i) {
    const auto si = static_cast<std::size_t>(i);
    fluids[si] = ReferenceFluid::Find(model.ComponentName(i));
    if (!fluids[si]) return kNaN;
    dilute[si] = Viscosity(*fluids[si], temperatureK, 0);
    if (!(dilute[si] > 0)) return kNaN;
  }
  const double diluteGas = WilkeDiluteGas(model, x, dilute);
  if (density == 0) return diluteGas;

  const double molarDensity = density / blend.MolarMass();
  const double entropy = model.ReducedResidualEntropy(temperatureK, molarDensity, x);
  if (!std::isfinite(entropy)) return kNaN;
  const double tau = model.ReducingTemperatureK(x) / temperatureK;
  const double delta = molarDensity / model.ReducingMolarDensity(x);
  double mixedLogarithm = 0;  // sum of x_i ln(1 + eta_res,i / scale_i)
  for (int i = 0; i < model.Size(); ++i) {
    const auto si = static_cast<std::size_t>(i);
    const std::optional<double> componentDelta = DensityOfEntropy(model.ComponentHelmholtz(i), tau, entropy, delta);
    if (!componentDelta) return kNaN;
    // The component's reducing point is the mixture's at x_i = 1.
    Amounts alone{};
    alone[si] = 1;
    const double componentT = model.ReducingTemperatureK(alone) / tau;
    const double componentMolarDensity = *componentDelta * model.ReducingMolarDensity(alone);
    const double molarMass = model.ComponentMolarMass(i);
    const double residual =
        Viscosity(*fluids[si], componentT, componentMolarDensity * molarMass) - Viscosity(*fluids[si], componentT, 0);
    mixedLogarithm += x[si] * std::log1p(residual / ViscosityScale(componentMolarDensity, molarMass, componentT));
  }
  if (!std::isfinite(mixedLogarithm)) return kNaN;
  return diluteGas + std::expm1(mixedLogarithm) * ViscosityScale(molarDensity, blend.MolarMass(), temperatureK);
}

QString BlendViscositySource() {
  return QStringLiteral(
      "Residual entropy scaling of X. Yang, D. Kim, E. F. May, I. H. Bell, \"Entropy scaling of viscosity III: "
      "application to refrigerants and their mixtures\", J. Chem. Eng. Data 66 (2021) 1385-1398, over each "
      "component's own viscosity model; dilute gas mixed by C. R. Wilke, J. Chem. Phys. 18 (1950) 517");
}

}  // namespace kestrin
