#include "core/physics/reference/viscosity_correlation.h"

#include <cmath>
#include <limits>

namespace kestrin {

namespace {

constexpr double kAvogadro = 6.02214076e23;  // 1/mol
// Chapman-Enskog: eta0 = 0.0266958 sqrt(M T) / (sigma^2 Omega) in uPa s with
// M in g/mol and sigma in nm.
constexpr double kChapmanEnskog = 0.0266958e-6;  // Pa s

// Reduced collision integral Omega(2,2)* of the Lennard-Jones 12-6 fluid,
// the empirical fit of Neufeld, Janzen and Aziz, J. Chem. Phys. 57 (1972) 1100.
double LennardJonesCollisionIntegral(double reducedTemperature) {
  const double t = reducedTemperature;
  const double tB = std::pow(t, 0.14874);
  return 1.16145 / tB + 0.52487 * std::exp(-0.77320 * t) + 2.16178 * std::exp(-2.43787 * t) -
         6.435e-4 * tB * std::sin(18.0323 * std::pow(t, -0.76830) - 7.27371);
}

double Polynomial(const std::vector<double>& coefficients, double x) {
  double sum = 0.0;
  for (auto it = coefficients.rbegin(); it != coefficients.rend(); ++it) sum = sum * x + *it;
  return sum;
}

double ResidualViscosity(const ResidualModel& model, double temperatureK, double molarDensity) {
  const double delta = molarDensity / model.reducingDensity;
  const double tau = temperatureK / model.reducingTemperature;
  double sum = 0.0;
  double deltaPower = 1.0;
  for (const PowerSum& group : model.byDensityExponent) {
    if (!group.Empty()) sum += deltaPower * group(tau);
    deltaPower *= delta;
  }
  if (model.closePacked) {
    const ClosePackedTerm& term = *model.closePacked;
    const double delta0 = term.numerator(tau) / term.denominator(tau);
    if (!(delta < delta0)) return std::numeric_limits<double>::quiet_NaN();
    sum += term.coefficient * IntegerPower(delta, term.densityExponent) * (1.0 / (delta0 - delta) - 1.0 / delta0);
  }
  return sum;
}

// The initial-density term is eta0 times the second viscosity virial
// coefficient, so callers that have eta0 pass it in.
double ExcessOverDilute(const ViscosityCorrelation& correlation, double temperatureK, double molarDensity,
                        double dilute) {
  double excess = ResidualViscosity(correlation.residual, temperatureK, molarDensity);
  if (correlation.initialDensity) {
    const DiluteGasModel& gas = correlation.diluteGas;
    const double secondVirial =
        (*correlation.initialDensity)(temperatureK / gas.epsilonOverK) * kAvogadro * gas.sigma * gas.sigma * gas.sigma;
    excess += dilute * secondVirial * molarDensity;
  }
  return excess;
}

}  // namespace

double DiluteGasViscosity(const DiluteGasModel& model, double molarMass, double temperatureK) {
  if (model.form == DiluteGasModel::Form::TemperaturePolynomial) return model.temperaturePolynomial(temperatureK);
  const double reducedTemperature = temperatureK / model.epsilonOverK;
  const double sigmaNm = model.sigma * 1e9;
  const double rootMT = std::sqrt(molarMass * 1e3 * temperatureK);
  if (model.form == DiluteGasModel::Form::KineticTheory) {
    return kChapmanEnskog * rootMT / (sigmaNm * sigmaNm * LennardJonesCollisionIntegral(reducedTemperature));
  }
  const double omega = std::exp(Polynomial(model.lnOmega, std::log(reducedTemperature)));
  return model.factor * rootMT / (sigmaNm * sigmaNm * omega);
}

double ExcessViscosity(const ViscosityCorrelation& correlation, double temperatureK, double molarDensity) {
  const double dilute =
      correlation.initialDensity ? DiluteGasViscosity(correlation.diluteGas, correlation.molarMass, temperatureK) : 0.0;
  return ExcessOverDilute(correlation, temperatureK, molarDensity, dilute);
}

double CorrelationViscosity(const ViscosityCorrelation& correlation, double temperatureK, double molarDensity) {
  const double dilute = DiluteGasViscosity(correlation.diluteGas, correlation.molarMass, temperatureK);
  return dilute + ExcessOverDilute(correlation, temperatureK, molarDensity, dilute);
}

}  // namespace kestrin
