#pragma once
// The multi-fluid mixture model (Kunz and Wagner, GERG-2004/2008; Lemmon
// and Jacobsen for the refrigerant blends): the reduced residual Helmholtz
// energy of a mixture is its components' pure-fluid residual parts at the
// mixture's reduced state, weighted by mole fraction, plus a departure
// function per pair that has one:
//   alpha_r(tau, delta, x) = sum(x_i alpha_r,i(tau, delta))
//                            + sum(i<j) x_i x_j F_ij alpha_r,ij(tau, delta),
//   tau = Tr(x)/T, delta = rho vr(x),
// with the reducing temperature Tr and molar volume vr of Kunz and Wagner.
// The coefficients come from the components' fluid data files and the pair
// file :/fluids/mixture-pairs.json.
//
// Written once over a generic number type: with a Jet the same code gives
// the derivatives in temperature and in each component's molar density that
// pressures, fugacities and the equilibrium solvers need.
// Molar units throughout: K, mol/m3, Pa.

#include "core/physics/reference/helmholtz_equation.h"
#include "core/physics/reference/jet.h"
#include "core/physics/reference/reference_fluid.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace kestrin {

inline constexpr int kMaxComponents = 5;
// The variables of the derivatives: the components' molar densities
// (0 .. kMaxComponents - 1) and the temperature (last).
inline constexpr int kMixtureVariables = kMaxComponents + 1;
inline constexpr int kTemperatureVariable = kMaxComponents;
using MixtureJet = Jet<kMixtureVariables>;
// First derivatives in the molar densities alone: chemical potentials.
using ChemicalJet = Jet<kMaxComponents, 1>;

// Mole fractions (or partial molar densities) per component.
using Amounts = std::array<double, kMaxComponents>;

// One state's pressure and the derivatives of Psi_r = rho alpha_r (the
// residual Helmholtz energy per volume over RT, mol/m3) that phase
// equilibrium needs, at (T, rho_1 .. rho_n).
struct MixturePoint {
  double pressurePa = 0;
  double gasConstant = 0;  // J/(mol K) at this composition
  double psi = 0;          // Psi_r
  Amounts chemical{};      // dPsi_r/drho_i = mu_r,i / RT
  std::array<double, static_cast<std::size_t>(kMaxComponents) * kMaxComponents>
      hessian{};        // d2Psi_r/drho_i drho_j, row-major
  Amounts chemicalT{};  // d2Psi_r/drho_i dT
  double psiT = 0;      // dPsi_r/dT

  static std::size_t Index(int i, int j) {
    return static_cast<std::size_t>(i) * kMaxComponents + static_cast<std::size_t>(j);
  }
  double Hessian(int i, int j) const { return hessian[Index(i, j)]; }
};

class MixtureModel;

// Whether x holds a mole fraction in [0, 1] per component of the model
// (above 0 with `everyComponentPresent`) and they sum to 1.
bool ValidMoleFractions(const MixtureModel& model, const Amounts& x, bool everyComponentPresent);

class MixtureModel {
 public:
  // The model of these pure components (names of their fluid data files),
  // none with the reason in `error` when a component is missing or is itself
  // a blend, or a pair has no published parameters.
  static std::optional<MixtureModel> Of(const QStringList& components, QString* error);

  int Size() const { return static_cast<int>(components_.size()); }
  QString ComponentName(int i) const;
  double ComponentMolarMass(int i) const;  // kg/mol
  // Starting values from the component's own saturation-line fits: its
  // vapour pressure (extrapolated above its critical temperature) and its
  // saturated-liquid molar density (none above the critical temperature).
  double ComponentVapourPressurePa(int i, double temperatureK) const;
  std::optional<double> ComponentLiquidMolarDensity(int i, double temperatureK) const;

  // Mole fractions from mass fractions (any common scale).
  Amounts MoleFractions(const Amounts& massFractions) const;

  // The reducing temperature (K) and molar density (mol/m3) at composition x.
  double ReducingTemperatureK(const Amounts& x) const;
  double ReducingMolarDensity(const Amounts& x) const;

  // Psi_r(T, rho_i): generic over double and Jet.
  template <class Number>
  Number ResidualDensity(const Number& temperatureK, const std::array<Number, kMaxComponents>& molarDensities) const;

  // The reduced residual Helmholtz energy alpha_r and the pressure at
  // (T, total molar density, mole fractions); NaN for a state that is not
  // positive and finite or fractions that are none.
  double ResidualHelmholtz(double temperatureK, double molarDensity, const Amounts& x) const;
  double Pressure(double temperatureK, double molarDensity, const Amounts& x) const;
  // Molar enthalpy (J/mol) and entropy (J/(mol K)) at (T, total molar
  // density, x), each on the components' own reference states: a blend
  // of fixed composition shifts them to its own reference.
  double Enthalpy(double temperatureK, double molarDensity, const Amounts& x) const;
  double Entropy(double temperatureK, double molarDensity, const Amounts& x) const;
  // The reduced residual entropy s_r/R at (T, total molar density, x), which
  // transport properties scale with; NaN as above.
  double ReducedResidualEntropy(double temperatureK, double molarDensity, const Amounts& x) const;
  // Component i's own residual Helmholtz energy, reduced by its own critical
  // point (the reducing point at x_i = 1).
  const HelmholtzEquation& ComponentHelmholtz(int i) const;
  // The pressure and derivatives at (T, partial molar densities).
  MixturePoint At(double temperatureK, const Amounts& molarDensities) const;
  // ln(phi_i), the fugacity coefficients at (T, molar density, x); NaN as
  // above.
  Amounts LnFugacityCoefficients(double temperatureK, double molarDensity, const Amounts& x) const;
  // The molar density of the given phase at (T, p, x); none when that
  // branch of the isotherm does not reach p. `near`, a density close to the
  // root on that branch (an outer iteration's previous one), saves steps.
  std::optional<double> MolarDensity(double temperatureK, double pressurePa, const Amounts& x, Phase phase,
                                     std::optional<double> near = std::nullopt) const;

  // The components' own gas constants weighted by mole fraction, J/(mol K):
  // so that each pure-component limit is exactly its own equation. Their
  // spread (1e-7) is far below any accuracy, so composition derivatives
  // leave it out.
  double GasConstant(const Amounts& x) const;

 private:
  struct Component {
    FluidEquation eq;
    double gasConstant;  // J/(mol K)
    HelmholtzEquation helmholtz;
    double reducingTemperatureK;
    double reducingMolarVolume;  // m3/mol
  };
  // Reducing-function constants of pair (i, j), i < j:
  //   Tr: ... + 2 x_i x_j cT (x_i + x_j) / (bT2 x_i + x_j), likewise vr.
  struct Pair {
    int i = 0, j = 0;
    double cT = 0, bT2 = 1, cV = 0, bV2 = 1;
    double departureFactor = 0;
    std::optional<HelmholtzEquation> departure;
  };

  struct Caloric {
    double enthalpy = 0;  // J/mol
    double entropy = 0;   // J/(mol K)
  };
  Caloric CaloricAt(double temperatureK, double molarDensity, const Amounts& x) const;
  class Isotherm;
  // Tr and vr at x.
  template <class Number>
  std::array<Number, 2> Reducing(const std::array<Number, kMaxComponents>& x) const;

  std::vector<Component> components_;
  std::vector<Pair> pairs_;
};

}  // namespace kestrin
