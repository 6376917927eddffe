#include "core/physics/reference/corresponding_states_viscosity.h"

#include "core/physics/reference/viscosity_correlation.h"

#include <cmath>
#include <limits>

namespace kestrin {

namespace {

// Reduced density at which the shape factors of the dilute limit are taken.
constexpr double kDiluteShapeDensity = 1e-3;

}  // namespace

double CorrespondingStatesExcess(const ConformalFluid& fluid, double molarMass, const ReferenceFluid& reference,
                                 const ViscosityCorrelation& referenceCorrelation, double temperatureK,
                                 double molarDensity, double psi) {
  auto conformal = SolveConformalState(fluid, reference, temperatureK, molarDensity);
  if (!conformal && molarDensity < fluid.criticalMolarDensity) {
    // For a strongly polar vapour at low reduced temperature the reference
    // fluid may have no state with the same alpha_r and Z. The vapour's
    // excess viscosity is then a small part of the total and the shape
    // factors of the dilute limit, which always exist, describe it.
    const double diluteDensity = kDiluteShapeDensity * fluid.criticalMolarDensity;
    conformal = SolveConformalState(fluid, reference, temperatureK, diluteDensity);
    if (conformal) conformal->molarDensity *= molarDensity / diluteDensity;
  }
  if (!conformal) return std::numeric_limits<double>::quiet_NaN();
  const double f = temperatureK / conformal->temperatureK;
  const double h = conformal->molarDensity / molarDensity;
  // The reference fluid's excess viscosity is taken at the conformal density
  // corrected by the fluid's viscosity shape factor psi.
  const double excess = ExcessViscosity(referenceCorrelation, conformal->temperatureK, molarDensity * h * psi);
  const double scale = std::sqrt(f * molarMass / reference.MolarMass()) / std::cbrt(h * h);
  return excess * scale;
}

}  // namespace kestrin
