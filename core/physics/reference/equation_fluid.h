#pragma once
// A reference fluid described by one multiparameter Helmholtz-energy
// equation: a pure refrigerant, or a blend fitted as a pseudo-pure fluid.

#include "core/physics/reference/equation_of_state.h"
#include "core/physics/reference/reference_fluid.h"

#include <memory>

namespace kestrin {

class EquationFluid final : public ReferenceFluid {
 public:
  // The fluid of this equation, on the IIR reference; none, with the reason
  // in `error`, when its reference state cannot be solved.
  static std::unique_ptr<EquationFluid> Of(FluidEquation equation, QString* error);

  QString Name() const override;
  bool PseudoPure() const override;
  QString EquationSource() const override;

  double MolarMass() const override;
  double CriticalTemperatureK() const override;
  double CriticalDensity() const override;
  double CriticalPressurePa() const override;
  double TripleTemperatureK() const override;
  double MinimumTemperatureK() const override;
  double MaximumTemperatureK() const override;
  double MaximumPressurePa() const override;

  double Pressure(double temperatureK, double density) const override;
  double Enthalpy(double temperatureK, double density) const override;
  double Entropy(double temperatureK, double density) const override;
  double PressureDensityDerivative(double temperatureK, double density) const override;
  std::optional<double> Density(double temperatureK, double pressurePa, Phase phase) const override;

  std::optional<SaturatedStates> Saturation(double temperatureK) const override;
  std::optional<double> BubbleTemperature(double pressurePa) const override;
  std::optional<double> DewTemperature(double pressurePa) const override;
  std::optional<FluidPoint> IsentropicEnd(const FluidPoint& from, double pressurePa) const override;

  double ResidualHelmholtz(double temperatureK, double density) const override;
  double Compressibility(double temperatureK, double density) const override;

 private:
  explicit EquationFluid(FluidEquation equation) : eos_(std::move(equation)) {}
  EquationOfState eos_;
};

}  // namespace kestrin
