#pragma once
// A refrigerant described by its reference equation of state: a
// multiparameter Helmholtz-energy equation (ideal-gas and residual parts)
// whose coefficients are loaded from the program's own fluid data files.
// SI units throughout: K, Pa, kg/m3, J/kg, J/(kg K), Pa s. Enthalpy and
// entropy follow the IIR reference: 200 kJ/kg and 1 kJ/(kg K) for saturated
// (bubble-point) liquid at 0 C.

#include <QString>
#include <QStringList>

#include <memory>
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

class ReferenceFluid {
 public:
  // The fluid of that name ("R32", "R410A", ...), loaded once and kept for
  // the life of the program; none for a name without a data file.
  static const ReferenceFluid* Find(const QString& name);
  static QStringList Names();

  ~ReferenceFluid();
  ReferenceFluid(const ReferenceFluid&) = delete;
  ReferenceFluid& operator=(const ReferenceFluid&) = delete;

  QString Name() const;
  bool PseudoPure() const;
  // The paper the equation of state comes from, as a citation line.
  QString EquationSource() const;

  double MolarMass() const;  // kg/mol
  double CriticalTemperatureK() const;
  double CriticalDensity() const;  // kg/m3
  double CriticalPressurePa() const;
  double TripleTemperatureK() const;
  // The equation's range of validity.
  double MinimumTemperatureK() const;
  double MaximumTemperatureK() const;
  double MaximumPressurePa() const;

  // NaN for a temperature or density that is not positive and finite.
  double Pressure(double temperatureK, double density) const;
  double Enthalpy(double temperatureK, double density) const;
  double Entropy(double temperatureK, double density) const;
  // dp/drho at constant temperature, Pa m3/kg.
  double PressureDensityDerivative(double temperatureK, double density) const;
  // The density of the given phase at (T, p); none when the equation gives
  // no such root (a liquid asked above the critical temperature, say) or
  // when the phase is not the stable one there: a vapour above its dew
  // pressure, a liquid below its bubble pressure.
  std::optional<double> Density(double temperatureK, double pressurePa, Phase phase) const;

  // Below the critical temperature only; none above it or below the range.
  std::optional<SaturatedStates> Saturation(double temperatureK) const;
  // Inverses of the bubble and dew pressures, K.
  std::optional<double> BubbleTemperature(double pressurePa) const;
  std::optional<double> DewTemperature(double pressurePa) const;

  // The vapour state reached by an isentropic compression of `from` to
  // `pressurePa`.
  std::optional<FluidPoint> IsentropicEnd(const FluidPoint& from, double pressurePa) const;

  // For extended corresponding states: the reduced residual Helmholtz energy
  // alpha_r and the compressibility factor Z = p/(rho R T) at (T, rho).
  double ResidualHelmholtz(double temperatureK, double density) const;
  double Compressibility(double temperatureK, double density) const;

 private:
  struct Data;
  explicit ReferenceFluid(std::unique_ptr<Data> data);
  std::unique_ptr<Data> data_;
};

}  // namespace kestrin
