#include "core/physics/reference/viscosity.h"

#include "core/physics/reference/conformal_state.h"
#include "core/physics/reference/viscosity_correlation.h"
#include "core/physics/reference/viscosity_model.h"

#include <cmath>
#include <limits>
#include <vector>

namespace kestrin {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FluidViscosity {
  const ReferenceFluid* fluid = nullptr;
  ViscosityModel model;
  // For corresponding states: the reference fluid and its own correlation.
  const ReferenceFluid* reference = nullptr;
  ViscosityCorrelation referenceCorrelation;
};

// Every fluid's model, loaded once. A corresponding-states model whose
// reference fluid has no correlation of its own is left out.
std::vector<FluidViscosity> LoadAll() {
  std::vector<FluidViscosity> all;
  for (const QString& name : ReferenceFluid::Names()) {
    const ReferenceFluid* fluid = ReferenceFluid::Find(name);
    auto model = LoadViscosityModel(name);
    if (fluid && model) all.push_back({fluid, std::move(*model), nullptr, {}});
  }
  std::vector<FluidViscosity> usable;
  for (FluidViscosity& entry : all) {
    if (const auto* states = std::get_if<CorrespondingStatesModel>(&entry.model.model)) {
      for (const FluidViscosity& other : all) {
        const auto* correlation = std::get_if<ViscosityCorrelation>(&other.model.model);
        if (correlation && other.model.fluid == states->referenceFluid) {
          entry.reference = other.fluid;
          entry.referenceCorrelation = *correlation;
        }
      }
      if (!entry.reference) continue;
    }
    usable.push_back(std::move(entry));
  }
  return usable;
}

const FluidViscosity* Lookup(const ReferenceFluid& fluid) {
  static const std::vector<FluidViscosity> all = LoadAll();
  for (const FluidViscosity& entry : all) {
    if (entry.fluid == &fluid) return &entry;
  }
  return nullptr;
}

double CorrespondingStatesViscosity(const FluidViscosity& entry, const CorrespondingStatesModel& states,
                                    double temperatureK, double density) {
  const ReferenceFluid& fluid = *entry.fluid;
  const double dilute = DiluteGasViscosity(states.diluteGas, fluid.MolarMass(), temperatureK);
  if (density == 0.0) return dilute;
  const double molarDensity = density / fluid.MolarMass();
  const auto conformal = SolveConformalState(fluid, *entry.reference, temperatureK, molarDensity);
  if (!conformal) return kNaN;
  const double f = temperatureK / conformal->temperatureK;
  const double h = conformal->molarDensity / molarDensity;
  // The reference fluid's excess viscosity is taken at the conformal density
  // corrected by the fluid's viscosity shape factor psi.
  const double reducedDensity = molarDensity / states.shapeReducingDensity;
  double psi = 0.0;
  for (auto it = states.shapeCorrection.rbegin(); it != states.shapeCorrection.rend(); ++it) {
    psi = psi * reducedDensity + *it;
  }
  const double excess = ExcessViscosity(entry.referenceCorrelation, conformal->temperatureK, molarDensity * h * psi);
  const double scale = std::sqrt(f * fluid.MolarMass() / entry.reference->MolarMass()) / std::cbrt(h * h);
  return dilute + excess * scale;
}

}  // namespace

double Viscosity(const ReferenceFluid& fluid, double temperatureK, double density) {
  if (!(temperatureK > 0.0) || !(density >= 0.0) || !std::isfinite(temperatureK) || !std::isfinite(density)) {
    return kNaN;
  }
  const FluidViscosity* entry = Lookup(fluid);
  if (!entry) return kNaN;
  if (const auto* correlation = std::get_if<ViscosityCorrelation>(&entry->model.model)) {
    return CorrelationViscosity(*correlation, temperatureK, density / correlation->molarMass);
  }
  return CorrespondingStatesViscosity(*entry, std::get<CorrespondingStatesModel>(entry->model.model), temperatureK,
                                      density);
}

QString ViscositySource(const ReferenceFluid& fluid) {
  const FluidViscosity* entry = Lookup(fluid);
  return entry ? entry->model.source : QString();
}

}  // namespace kestrin
