#include "core/physics/reference/reference_fluid.h"

#include "core/physics/reference/density_solver.h"
#include "core/physics/reference/equation_of_state.h"
#include "core/physics/reference/fluid_data_file.h"
#include "core/physics/reference/isentropic_solver.h"
#include "core/physics/reference/reference_state.h"
#include "core/physics/reference/saturation_solver.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cmath>
#include <limits>
#include <map>

namespace kestrin {

namespace {

const QString kResourceFolder = QStringLiteral(":/fluids");
const QString kFileSuffix = QStringLiteral(".eos.json");

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Registry = std::map<QString, std::unique_ptr<ReferenceFluid>>;

}  // namespace

struct ReferenceFluid::Data : EquationOfState {
  using EquationOfState::EquationOfState;
};

ReferenceFluid::ReferenceFluid(std::unique_ptr<Data> data) : data_(std::move(data)) {}
ReferenceFluid::~ReferenceFluid() = default;

QStringList ReferenceFluid::Names() {
  QStringList names;
  for (const QString& file : QDir(kResourceFolder).entryList({QLatin1Char('*') + kFileSuffix}, QDir::Files))
    names << file.chopped(kFileSuffix.size());
  return names;
}

const ReferenceFluid* ReferenceFluid::Find(const QString& name) {
  // Every fluid is read once, on first use, and kept for the program's life.
  static const Registry registry = [] {
    Registry fluids;
    for (const QString& fluidName : Names()) {
      QFile file(kResourceFolder + QLatin1Char('/') + fluidName + kFileSuffix);
      if (!file.open(QIODevice::ReadOnly)) continue;
      QString error;
      std::optional<FluidEquation> eq = ParseFluidEquation(file.readAll(), &error);
      if (eq && eq->name != fluidName) error = QStringLiteral("its \"fluid\" field names another fluid");
      if (!eq || !error.isEmpty()) {
        qWarning("Fluid data file %s is unusable: %s", qPrintable(file.fileName()), qPrintable(error));
        continue;
      }
      auto data = std::make_unique<Data>(std::move(*eq));
      // Shift enthalpy and entropy to the IIR reference; a fluid whose
      // reference state cannot be solved would give wrong energies, so it is
      // left out.
      std::unique_ptr<ReferenceFluid> fluid(new ReferenceFluid(std::move(data)));
      const std::optional<SaturatedStates> reference = fluid->Saturation(kReferenceTemperatureK);
      if (!reference) {
        qWarning("Fluid %s: no saturated liquid at the reference temperature", qPrintable(fluidName));
        continue;
      }
      fluid->data_->enthalpyOffset =
          kReferenceEnthalpy - fluid->Enthalpy(kReferenceTemperatureK, reference->liquidDensity);
      fluid->data_->entropyOffset =
          kReferenceEntropy - fluid->Entropy(kReferenceTemperatureK, reference->liquidDensity);
      fluids.emplace(fluidName, std::move(fluid));
    }
    return fluids;
  }();
  const auto found = registry.find(name);
  return found == registry.end() ? nullptr : found->second.get();
}

QString ReferenceFluid::Name() const { return data_->eq.name; }
bool ReferenceFluid::PseudoPure() const { return data_->eq.pseudoPure; }
QString ReferenceFluid::EquationSource() const { return data_->eq.source; }
double ReferenceFluid::MolarMass() const { return data_->eq.molarMass; }
double ReferenceFluid::CriticalTemperatureK() const { return data_->eq.criticalTemperatureK; }
double ReferenceFluid::CriticalDensity() const { return data_->eq.criticalDensity; }
double ReferenceFluid::CriticalPressurePa() const { return data_->eq.criticalPressurePa; }
double ReferenceFluid::TripleTemperatureK() const { return data_->eq.tripleTemperatureK; }
double ReferenceFluid::MinimumTemperatureK() const { return data_->eq.minimumTemperatureK; }
double ReferenceFluid::MaximumTemperatureK() const { return data_->eq.maximumTemperatureK; }
double ReferenceFluid::MaximumPressurePa() const { return data_->eq.maximumPressurePa; }

double ReferenceFluid::Pressure(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return data_->PressureAt(data_->helmholtz.AtTemperature(temperatureK), temperatureK, density).pressure;
}

double ReferenceFluid::PressureDensityDerivative(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return data_->PressureAt(data_->helmholtz.AtTemperature(temperatureK), temperatureK, density).pressureSlope;
}

double ReferenceFluid::Enthalpy(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return data_->EnthalpyAt(data_->helmholtz.AtTemperature(temperatureK), temperatureK, density);
}

double ReferenceFluid::Entropy(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return data_->EntropyAt(data_->helmholtz.AtTemperature(temperatureK), density);
}

std::optional<double> ReferenceFluid::Density(double temperatureK, double pressurePa, Phase phase) const {
  if (!(temperatureK > 0) || !std::isfinite(temperatureK)) return std::nullopt;
  const std::optional<double> density =
      SolveDensity(*data_, data_->helmholtz.AtTemperature(temperatureK), temperatureK, pressurePa, phase);
  // The branch root beyond saturation is a metastable state (supersaturated
  // vapour, superheated liquid) whose properties no line carries.
  if (!density || !StableOnItsSide(*data_, temperatureK, pressurePa, phase)) return std::nullopt;
  return density;
}

std::optional<SaturatedStates> ReferenceFluid::Saturation(double temperatureK) const {
  return SolveSaturation(*data_, temperatureK);
}

std::optional<FluidPoint> ReferenceFluid::IsentropicEnd(const FluidPoint& from, double pressurePa) const {
  if (!ValidState(from.temperatureK, from.density)) return std::nullopt;
  return SolveIsentropicEnd(*data_, from, pressurePa);
}

std::optional<double> ReferenceFluid::BubbleTemperature(double pressurePa) const {
  return SaturationTemperature(*data_, pressurePa, false);
}

std::optional<double> ReferenceFluid::DewTemperature(double pressurePa) const {
  return SaturationTemperature(*data_, pressurePa, true);
}

double ReferenceFluid::ResidualHelmholtz(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return data_->helmholtz.Residual(data_->helmholtz.AtTemperature(temperatureK), data_->Delta(density)).a;
}

double ReferenceFluid::Compressibility(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return 1 + data_->helmholtz.Residual(data_->helmholtz.AtTemperature(temperatureK), data_->Delta(density)).d;
}

}  // namespace kestrin
