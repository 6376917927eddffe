#pragma once
// A refrigerant described by its reference equation of state: a
// multiparameter Helmholtz-energy equation (ideal-gas and residual parts)
// whose coefficients are loaded from the program's own fluid data files.
// SI units throughout: K, Pa, kg/m3, J/kg, J/(kg K), Pa s. Enthalpy and
// entropy follow the IIR reference: 200 kJ/kg and 1 kJ/(kg K) for saturated
// (bubble-point) liquid at 0 C.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

enum class Phase { Liquid, Vapour };

// The two saturated states at one temperature. A pure fluid has one
// saturation pressure (bubble == dew); a pseudo-pure blend has its bubble
// and dew pressures from separate ancillary equations.
struct SaturatedStates {
  double bubblePressurePa = 0;
  double dewPressurePa = 0;
  double liquidDensity = 0;  // kg/m3, at the bubble point
  double vapourDensity = 0;  // kg/m3, at the dew point
};

// One state point.
struct FluidPoint {
  double temperatureK = 0;
  double density = 0;  // kg/m3
};

class Blend;

// A refrigerant on reference properties: one equation of state (a pure fluid
// or a pseudo-pure blend) or a zeotropic blend on the multi-fluid mixture
// model. Both answer the same questions, so a line sizing never asks which.
class ReferenceFluid {
 public:
  // The fluid of that name ("R32", "R410A", "R454B", ...), loaded once and
  // kept for the life of the program; none for a name without data.
  static const ReferenceFluid* Find(const QString& name);
  // The fluids of one equation of state each, then the blends.
  static QStringList Names();

  virtual ~ReferenceFluid() = default;
  ReferenceFluid(const ReferenceFluid&) = delete;
  ReferenceFluid& operator=(const ReferenceFluid&) = delete;

  virtual QString Name() const = 0;
  // A blend described by one equation fitted to it (R410A and the like).
  virtual bool PseudoPure() const = 0;
  // The paper the equation of state (or mixture model) comes from, as a
  // citation line.
  virtual QString EquationSource() const = 0;
  // The blend on the mixture model behind this fluid; none for a fluid of
  // one equation of state.
  virtual const Blend* AsBlend() const { return nullptr; }
  // Whether its bubble and dew points lie apart: a blend, fitted as one
  // equation or on the mixture model.
  bool HasGlide() const { return PseudoPure() || AsBlend(); }

  virtual double MolarMass() const = 0;  // kg/mol
  // A blend's is the top of its two-phase region on the mixture model.
  virtual double CriticalTemperatureK() const = 0;
  virtual double CriticalDensity() const = 0;  // kg/m3
  virtual double CriticalPressurePa() const = 0;
  virtual double TripleTemperatureK() const = 0;
  // The equation's range of validity.
  virtual double MinimumTemperatureK() const = 0;
  virtual double MaximumTemperatureK() const = 0;
  virtual double MaximumPressurePa() const = 0;

  // NaN for a temperature or density that is not positive and finite.
  virtual double Pressure(double temperatureK, double density) const = 0;
  virtual double Enthalpy(double temperatureK, double density) const = 0;
  virtual double Entropy(double temperatureK, double density) const = 0;
  // dp/drho at constant temperature, Pa m3/kg.
  virtual double PressureDensityDerivative(double temperatureK, double density) const = 0;
  // The density of the given phase at (T, p); none when the equation gives
  // no such root (a liquid asked above the critical temperature, say) or
  // when the phase is not the stable one there: a vapour above its dew
  // pressure, a liquid below its bubble pressure.
  virtual std::optional<double> Density(double temperatureK, double pressurePa, Phase phase) const = 0;

  // Below the critical temperature only; none above it or below the range.
  virtual std::optional<SaturatedStates> Saturation(double temperatureK) const = 0;
  // Inverses of the bubble and dew pressures, K.
  virtual std::optional<double> BubbleTemperature(double pressurePa) const = 0;
  virtual std::optional<double> DewTemperature(double pressurePa) const = 0;

  // The vapour state reached by an isentropic compression of `from` to
  // `pressurePa`.
  virtual std::optional<FluidPoint> IsentropicEnd(const FluidPoint& from, double pressurePa) const = 0;

  // For extended corresponding states: the reduced residual Helmholtz energy
  // alpha_r and the compressibility factor Z = p/(rho R T) at (T, rho).
  virtual double ResidualHelmholtz(double temperatureK, double density) const = 0;
  virtual double Compressibility(double temperatureK, double density) const = 0;

 protected:
  ReferenceFluid() = default;
};

}  // namespace kestrin
