#pragma once
// The coefficients of a fluid's viscosity model as read from its data file
// `:/fluids/<name>.viscosity.json`. All values are held in SI: K, mol/m3,
// m, Pa s.

#include "core/physics/reference/power_sum.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace kestrin {

// The viscosity of the dilute gas, a function of temperature alone.
struct DiluteGasModel {
  enum class Form {
    // factor * sqrt(M T) / (sigma^2 Omega(T*)), ln Omega a polynomial in ln T*.
    CollisionIntegral,
    // Chapman-Enskog with the generic collision integral of a Lennard-Jones fluid.
    KineticTheory,
    // A sum of powers of T.
    TemperaturePolynomial,
  };
  Form form = Form::KineticTheory;
  double factor = 0;               // Pa s, for sqrt(M[g/mol] T[K]) / (sigma[nm]^2 Omega)
  double sigma = 0;                // m
  double epsilonOverK = 0;         // K
  std::vector<double> lnOmega;     // coefficients of (ln T*)^i, i = 0, 1, ...
  PowerSum temperaturePolynomial;  // Pa s against T in K
};

// The close-packed density term c delta^d [1/(delta0 - delta) - 1/delta0]
// of the residual viscosity, delta0 a ratio of power sums in T/Tr.
struct ClosePackedTerm {
  double coefficient = 0;  // Pa s
  int densityExponent = 0;
  PowerSum numerator;
  PowerSum denominator;
};

struct ResidualTerm {
  double coefficient = 0;  // Pa s
  int densityExponent = 0;
};

// The residual viscosity: sum of c_i delta^d_i tau^t_i with delta = rho/rhoRed
// and tau = T/Tred, plus an optional close-packed term. The terms are grouped
// by density exponent, each group a power sum in T/Tred.
struct ResidualModel {
  double reducingTemperature = 0;           // K
  double reducingDensity = 0;               // mol/m3
  std::vector<PowerSum> byDensityExponent;  // index: density exponent
  std::optional<ClosePackedTerm> closePacked;
};

// A fluid's own correlation: dilute gas + initial density + residual.
struct ViscosityCorrelation {
  double molarMass = 0;  // kg/mol, the correlation's own
  DiluteGasModel diluteGas;
  // Reduced second viscosity virial coefficient B*(T*) of the initial-density
  // term; empty when the correlation has none.
  std::optional<PowerSum> initialDensity;
  ResidualModel residual;
};

// Extended corresponding states over a reference fluid that has its own
// correlation: the reference fluid's residual viscosity at the conformal
// state, scaled to this fluid.
struct CorrespondingStatesModel {
  QString referenceFluid;
  DiluteGasModel diluteGas;
  // The viscosity shape-factor correction psi(rho/rhoRed), a polynomial.
  double shapeReducingDensity = 0;      // mol/m3
  std::vector<double> shapeCorrection;  // coefficients of (rho/rhoRed)^i
};

struct ViscosityModel {
  QString fluid;
  QString source;
  std::variant<ViscosityCorrelation, CorrespondingStatesModel> model;
};

// The model of that fluid; none when it has no data file or the file is not
// a complete model.
std::optional<ViscosityModel> LoadViscosityModel(const QString& fluidName);

}  // namespace kestrin
