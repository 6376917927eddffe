#include "core/physics/reference/helmholtz_equation.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

HelmholtzEquation::HelmholtzEquation(const FluidEquation& equation)
    : ideal_(equation.idealGas), residual_(equation.residual), reducingTemperatureK_(equation.reducingTemperatureK) {
  for (int d : residual_.d) maxDensityExponent_ = std::max(maxDensityExponent_, d);
  for (int d : residual_.gaussD) maxDensityExponent_ = std::max(maxDensityExponent_, d);
  for (int l : residual_.l) exponentialPowerUsed_[static_cast<std::size_t>(l)] = true;
}

TemperatureTerms HelmholtzEquation::AtTemperature(double temperatureK) const {
  return AtTau(reducingTemperatureK_ / temperatureK);
}

TemperatureTerms HelmholtzEquation::AtTau(double tau) const {
  TemperatureTerms terms;
  const double logTau = std::log(tau);
  terms.tau = tau;
  for (std::size_t i = 0; i < residual_.n.size(); ++i) {
    const double t = residual_.t[i];
    const double m = residual_.m[i];
    if (m == 0) {
      terms.power[i] = std::exp(t * logTau);
      terms.powerT[i] = t;
      terms.powerTT[i] = t * (t - 1);
      continue;
    }
    const double tauM = std::exp(m * logTau);
    terms.power[i] = std::exp(t * logTau - tauM);
    const double b = t - m * tauM;
    terms.powerT[i] = b;
    terms.powerTT[i] = b * b - t - m * (m - 1) * tauM;
  }
  for (std::size_t i = 0; i < residual_.gaussN.size(); ++i) {
    const double t = residual_.gaussT[i];
    const double beta = residual_.gaussBeta[i];
    const double offset = tau - residual_.gaussGamma[i];
    terms.gaussFactor[i] = std::exp(t * logTau - beta * offset * offset);
    const double b = t - 2 * beta * tau * offset;
    terms.gaussT[i] = b;
    terms.gaussTT[i] = b * b - t - 2 * beta * tau * tau;
  }
  return terms;
}

ResidualDerivatives HelmholtzEquation::Residual(const TemperatureTerms& terms, double delta) const {
  // Integer powers of delta by multiplication, and exp(-delta^l) once per l.
  std::array<double, kMaxDensityExponent + 1> deltaPower;
  deltaPower[0] = 1;
  for (int k = 1; k <= maxDensityExponent_ || k <= kMaxExponentialPower; ++k)
    deltaPower[static_cast<std::size_t>(k)] = deltaPower[static_cast<std::size_t>(k) - 1] * delta;
  std::array<double, kMaxExponentialPower + 1> decay{};
  for (std::size_t l = 1; l <= kMaxExponentialPower; ++l)
    if (exponentialPowerUsed_[l]) decay[l] = std::exp(-deltaPower[l]);

  ResidualDerivatives r;
  for (std::size_t i = 0; i < residual_.n.size(); ++i) {
    const auto l = static_cast<std::size_t>(residual_.l[i]);
    const double d = residual_.d[i];
    const double t = terms.powerT[i];
    double u = residual_.n[i] * deltaPower[static_cast<std::size_t>(residual_.d[i])] * terms.power[i];
    double a = d;  // delta d/d(delta) of the term's logarithm
    double dd = d * (d - 1);
    if (l > 0) {
      u *= decay[l];
      const double dl = deltaPower[l];
      const double ld = static_cast<double>(l);
      a = d - ld * dl;
      dd = a * (a - 1) - ld * ld * dl;
    }
    r.a += u;
    r.d += u * a;
    r.dd += u * dd;
    r.t += u * t;
    r.tt += u * terms.powerTT[i];
    r.dt += u * a * t;
  }
  for (std::size_t i = 0; i < residual_.gaussN.size(); ++i) {
    const double d = residual_.gaussD[i];
    const double eta = residual_.gaussEta[i];
    const double offset = delta - residual_.gaussEpsilon[i];
    const double u = residual_.gaussN[i] * deltaPower[static_cast<std::size_t>(residual_.gaussD[i])] *
                     terms.gaussFactor[i] * std::exp(-eta * offset * offset);
    const double a = d - 2 * eta * delta * offset;
    r.a += u;
    r.d += u * a;
    r.dd += u * (a * a - d - 2 * eta * delta * delta);
    r.t += u * terms.gaussT[i];
    r.tt += u * terms.gaussTT[i];
    r.dt += u * a * terms.gaussT[i];
  }
  return r;
}

IdealGasDerivatives HelmholtzEquation::IdealGas(double tau) const {
  IdealGasDerivatives g;
  const double logTau = std::log(tau);
  g.a = ideal_.a1 + ideal_.a2 * tau + ideal_.logTau * logTau;
  g.t = ideal_.a2 * tau + ideal_.logTau;
  g.tt = -ideal_.logTau;
  for (std::size_t i = 0; i < ideal_.powerN.size(); ++i) {
    const double t = ideal_.powerT[i];
    const double u = ideal_.powerN[i] * std::exp(t * logTau);
    g.a += u;
    g.t += u * t;
    g.tt += u * t * (t - 1);
  }
  for (std::size_t i = 0; i < ideal_.planckN.size(); ++i) {
    const double x = ideal_.planckTheta[i] * tau;
    const double e = std::exp(-x);
    const double m = ideal_.planckN[i];
    g.a += m * std::log1p(-e);
    g.t += m * x * e / (1 - e);
    g.tt -= m * x * x * e / ((1 - e) * (1 - e));
  }
  return g;
}

}  // namespace kestrin
