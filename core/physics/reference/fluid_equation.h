#pragma once
// The coefficients of one fluid's reference equation of state as read from
// its data file, converted to mass units (kg, kg/m3, J/(kg K)) and to the
// reduced variables tau = Tr/T and delta = rho/rhor.

#include "core/physics/reference/ancillary_equation.h"

#include <QString>

#include <vector>

namespace kestrin {

// Ideal-gas part:
//   alpha0 = ln(delta) + a1 + a2 tau + logTau ln(tau) + sum(n tau^t)
//            + sum(m ln(1 - exp(-theta tau)))
// Terms of cp0/R polynomials in T are folded into logTau and the power terms
// on loading.
struct IdealGasTerms {
  double a1 = 0;
  double a2 = 0;
  double logTau = 0;
  std::vector<double> powerN, powerT;
  std::vector<double> planckN, planckTheta;  // theta reduced by Tr
};

// What the evaluation keeps on the stack: the loader refuses larger files.
inline constexpr int kMaxResidualTerms = 48;
inline constexpr int kMaxDensityExponent = 12;
inline constexpr int kMaxExponentialPower = 6;

// Residual part, one entry per term:
//   polynomial and exponential terms: n delta^d tau^t exp(-delta^l - tau^m),
//   l = 0 for the polynomial ones and m = 0 where the term has no
//   temperature decay (exp(-tau^m) is then left out, not exp(-1));
//   Gaussian terms: n delta^d tau^t exp(-eta (delta - eps)^2 - beta (tau - gamma)^2).
struct ResidualTerms {
  std::vector<double> n, t, m;
  std::vector<int> d, l;
  std::vector<double> gaussN, gaussT, gaussEta, gaussBeta, gaussGamma, gaussEpsilon;
  std::vector<int> gaussD;
};

struct FluidEquation {
  QString name;
  bool pseudoPure = false;
  QString source;
  double molarMass = 0;    // kg/mol
  double gasConstant = 0;  // J/(kg K)
  double reducingTemperatureK = 0;
  double reducingDensity = 0;  // kg/m3
  double criticalTemperatureK = 0;
  double criticalPressurePa = 0;
  double criticalDensity = 0;  // kg/m3
  double tripleTemperatureK = 0;
  double minimumTemperatureK = 0;
  double maximumTemperatureK = 0;
  double maximumPressurePa = 0;
  IdealGasTerms idealGas;
  ResidualTerms residual;
  // A pure fluid has one saturation pressure equation, used for both.
  AncillaryEquation bubblePressure;
  AncillaryEquation dewPressure;
  AncillaryEquation liquidDensity;  // kg/m3
  AncillaryEquation vapourDensity;  // kg/m3
};

}  // namespace kestrin
