#include "core/physics/reference/conformal_state.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

// Below this reduced density alpha_r and Z - 1 carry the same first-order
// information and the conditions only differ in rounding noise. The shape
// factors f = T/T0 and h = rho0/rho tend smoothly to their zero-density
// values, so they are taken from this density instead.
constexpr double kLowestReducedDensity = 1e-4;
constexpr int kMaxIterations = 25;
constexpr double kTolerance = 1e-9;  // on the Newton step in ln T0 and ln rho0
constexpr double kMaxStep = 0.3;     // in ln T0 and ln rho0, keeps the iterate on its branch
constexpr double kDifferenceStep = 1e-7;

struct Residuals {
  double alpha;  // alpha_r0 - alpha_rj
  double z;      // Z0 - Zj
};

}  // namespace

std::optional<ConformalState> SolveConformalState(const ReferenceFluid& fluid, const ReferenceFluid& reference,
                                                  double temperatureK, double molarDensity) {
  const double fluidMolarMass = fluid.MolarMass();
  const double referenceMolarMass = reference.MolarMass();
  const double fluidCriticalMolar = fluid.CriticalDensity() / fluidMolarMass;
  const double referenceCriticalMolar = reference.CriticalDensity() / referenceMolarMass;

  const double solveDensity = std::max(molarDensity, kLowestReducedDensity * fluidCriticalMolar);
  const double alphaTarget = fluid.ResidualHelmholtz(temperatureK, solveDensity * fluidMolarMass);
  const double zTarget = fluid.Compressibility(temperatureK, solveDensity * fluidMolarMass);
  if (!std::isfinite(alphaTarget) || !std::isfinite(zTarget)) return std::nullopt;

  // Evaluated in the reference fluid's mass density, at ln T0 and ln rho0.
  const auto residuals = [&](double lnT, double lnRho) {
    const double t = std::exp(lnT);
    const double rho = std::exp(lnRho) * referenceMolarMass;
    return Residuals{reference.ResidualHelmholtz(t, rho) - alphaTarget, reference.Compressibility(t, rho) - zTarget};
  };

  // Simple corresponding states through the critical points.
  double lnT = std::log(temperatureK * reference.CriticalTemperatureK() / fluid.CriticalTemperatureK());
  double lnRho = std::log(solveDensity * referenceCriticalMolar / fluidCriticalMolar);
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const Residuals r = residuals(lnT, lnRho);
    const Residuals atT = residuals(lnT + kDifferenceStep, lnRho);
    const double zAtRho = residuals(lnT, lnRho + kDifferenceStep).z;
    if (!std::isfinite(r.alpha + r.z + atT.alpha + atT.z + zAtRho)) return std::nullopt;
    // d(alpha_r)/d(ln rho) = Z - 1 exactly; the rest by forward differences.
    const double aT = (atT.alpha - r.alpha) / kDifferenceStep;
    const double aRho = r.z + zTarget - 1.0;
    const double zT = (atT.z - r.z) / kDifferenceStep;
    const double zRho = (zAtRho - r.z) / kDifferenceStep;
    const double determinant = aT * zRho - aRho * zT;
    if (determinant == 0.0 || !std::isfinite(determinant)) return std::nullopt;
    double stepT = (r.alpha * zRho - aRho * r.z) / determinant;
    double stepRho = (aT * r.z - zT * r.alpha) / determinant;
    const double largest = std::max(std::abs(stepT), std::abs(stepRho));
    if (largest > kMaxStep) {
      stepT *= kMaxStep / largest;
      stepRho *= kMaxStep / largest;
    }
    lnT -= stepT;
    lnRho -= stepRho;
    if (largest < kTolerance) {
      const double scale = molarDensity / solveDensity;
      return ConformalState{std::exp(lnT), std::exp(lnRho) * scale};
    }
  }
  return std::nullopt;
}

}  // namespace kestrin
