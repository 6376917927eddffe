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
// Reduced density at which the shape factors of the dilute limit are taken.
constexpr double kDiluteShapeDensity = 1e-3;

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
  for (FluidViscosity& entry : all) {
    const auto* states = std::get_if<CorrespondingStatesModel>(&entry.model.model);
    if (!states) continue;
    for (const FluidViscosity& other : all) {
      const auto* correlation = std::get_if<ViscosityCorrelation>(&other.model.model);
      if (correlation && other.model.fluid == states->referenceFluid) {
        entry.reference = other.fluid;
        entry.referenceCorrelation = *correlation;
      }
    }
  }
  std::erase_if(all, [](const FluidViscosity& entry) {
    return std::holds_alternative<CorrespondingStatesModel>(entry.model.model) && !entry.reference;
  });
  return all;
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
  auto conformal = SolveConformalState(fluid, *entry.reference, temperatureK, molarDensity);
  if (!conformal && density < fluid.CriticalDensity()) {
    // For a strongly polar vapour at low reduced temperature the reference
    // fluid may have no state with the same alpha_r and Z. The vapour's
    // excess viscosity is then a small part of the total and the shape
    // factors of the dilute limit, which always exist, describe it.
    const double diluteDensity = kDiluteShapeDensity * fluid.CriticalDensity() / fluid.MolarMass();
    conformal = SolveConformalState(fluid, *entry.reference, temperatureK, diluteDensity);
    if (conformal) conformal->molarDensity *= molarDensity / diluteDensity;
  }
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
