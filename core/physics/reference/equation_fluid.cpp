#include "core/physics/reference/equation_fluid.h"

#include "core/physics/reference/density_solver.h"
#include "core/physics/reference/isentropic_solver.h"
#include "core/physics/reference/reference_state.h"
#include "core/physics/reference/saturation_solver.h"

#include <cmath>
#include <limits>

namespace kestrin {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

std::unique_ptr<EquationFluid> EquationFluid::Of(FluidEquation equation, QString* error) {
  std::unique_ptr<EquationFluid> fluid(new EquationFluid(std::move(equation)));
  // Shift enthalpy and entropy to the IIR reference; a fluid whose
  // reference state cannot be solved would give wrong energies.
  const std::optional<SaturatedStates> reference = fluid->Saturation(kReferenceTemperatureK);
  if (!reference) {
    *error = QStringLiteral("no saturated liquid at the reference temperature");
    return nullptr;
  }
  fluid->eos_.enthalpyOffset = kReferenceEnthalpy - fluid->Enthalpy(kReferenceTemperatureK, reference->liquidDensity);
  fluid->eos_.entropyOffset = kReferenceEntropy - fluid->Entropy(kReferenceTemperatureK, reference->liquidDensity);
  return fluid;
}

QString EquationFluid::Name() const { return eos_.eq.name; }
bool EquationFluid::PseudoPure() const { return eos_.eq.pseudoPure; }
QString EquationFluid::EquationSource() const { return eos_.eq.source; }
double EquationFluid::MolarMass() const { return eos_.eq.molarMass; }
double EquationFluid::CriticalTemperatureK() const { return eos_.eq.criticalTemperatureK; }
double EquationFluid::CriticalDensity() const { return eos_.eq.criticalDensity; }
double EquationFluid::CriticalPressurePa() const { return eos_.eq.criticalPressurePa; }
double EquationFluid::TripleTemperatureK() const { return eos_.eq.tripleTemperatureK; }
double EquationFluid::MinimumTemperatureK() const { return eos_.eq.minimumTemperatureK; }
double EquationFluid::MaximumTemperatureK() const { return eos_.eq.maximumTemperatureK; }
double EquationFluid::MaximumPressurePa() const { return eos_.eq.maximumPressurePa; }

double EquationFluid::Pressure(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return eos_.PressureAt(eos_.helmholtz.AtTemperature(temperatureK), temperatureK, density).pressure;
}

double EquationFluid::PressureDensityDerivative(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return eos_.PressureAt(eos_.helmholtz.AtTemperature(temperatureK), temperatureK, density).pressureSlope;
}

double EquationFluid::Enthalpy(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return eos_.EnthalpyAt(eos_.helmholtz.AtTemperature(temperatureK), temperatureK, density);
}

double EquationFluid::Entropy(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return eos_.EntropyAt(eos_.helmholtz.AtTemperature(temperatureK), density);
}

std::optional<double> EquationFluid::Density(double temperatureK, double pressurePa, Phase phase) const {
  if (!(temperatureK > 0) || !std::isfinite(temperatureK)) return std::nullopt;
  const std::optional<double> density =
      SolveDensity(eos_, eos_.helmholtz.AtTemperature(temperatureK), temperatureK, pressurePa, phase);
  // The branch root beyond saturation is a metastable state (supersaturated
  // vapour, superheated liquid) whose properties no line carries.
  if (!density || !StableOnItsSide(eos_, temperatureK, pressurePa, phase)) return std::nullopt;
  return density;
}

std::optional<SaturatedStates> EquationFluid::Saturation(double temperatureK) const {
  return SolveSaturation(eos_, temperatureK);
}

std::optional<FluidPoint> EquationFluid::IsentropicEnd(const FluidPoint& from, double pressurePa) const {
  if (!ValidState(from.temperatureK, from.density)) return std::nullopt;
  return SolveIsentropicEnd(eos_, from, pressurePa);
}

std::optional<double> EquationFluid::BubbleTemperature(double pressurePa) const {
  return SaturationTemperature(eos_, pressurePa, false);
}

std::optional<double> EquationFluid::DewTemperature(double pressurePa) const {
  return SaturationTemperature(eos_, pressurePa, true);
}

double EquationFluid::ResidualHelmholtz(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return eos_.helmholtz.Residual(eos_.helmholtz.AtTemperature(temperatureK), eos_.Delta(density)).a;
}

double EquationFluid::Compressibility(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return 1 + eos_.helmholtz.Residual(eos_.helmholtz.AtTemperature(temperatureK), eos_.Delta(density)).d;
}

}  // namespace kestrin
