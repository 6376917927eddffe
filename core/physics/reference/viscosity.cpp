#include "core/physics/reference/viscosity.h"

#include "core/physics/reference/blend_viscosity.h"
#include "core/physics/reference/corresponding_states_viscosity.h"
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
  const double reducedDensity = molarDensity / states.shapeReducingDensity;
  double psi = 0.0;
  for (auto it = states.shapeCorrection.rbegin(); it != states.shapeCorrection.rend(); ++it) {
    psi = psi * reducedDensity + *it;
  }
  const double molarMass = fluid.MolarMass();
  const ConformalFluid conformal{[&](double t, double rho) { return fluid.ResidualHelmholtz(t, rho * molarMass); },
                                 [&](double t, double rho) { return fluid.Compressibility(t, rho * molarMass); },
                                 fluid.CriticalTemperatureK(), fluid.CriticalDensity() / molarMass};
  return dilute + CorrespondingStatesExcess(conformal, molarMass, *entry.reference, entry.referenceCorrelation,
                                            temperatureK, molarDensity, psi);
}

}  // namespace

double Viscosity(const ReferenceFluid& fluid, double temperatureK, double density) {
  if (!(temperatureK > 0.0) || !(density >= 0.0) || !std::isfinite(temperatureK) || !std::isfinite(density)) {
    return kNaN;
  }
  if (const Blend* blend = fluid.AsBlend()) return BlendViscosity(*blend, temperatureK, density);
  const FluidViscosity* entry = Lookup(fluid);
  if (!entry) return kNaN;
  if (const auto* correlation = std::get_if<ViscosityCorrelation>(&entry->model.model)) {
    return CorrelationViscosity(*correlation, temperatureK, density / correlation->molarMass);
  }
  return CorrespondingStatesViscosity(*entry, std::get<CorrespondingStatesModel>(entry->model.model), temperatureK,
                                      density);
}

QString ViscositySource(const ReferenceFluid& fluid) {
  if (fluid.AsBlend()) return BlendViscositySource();
  const FluidViscosity* entry = Lookup(fluid);
  return entry ? entry->model.source : QString();
}

}  // namespace kestrin
