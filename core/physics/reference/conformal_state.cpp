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
constexpr int kMaxIterations = 30;
constexpr double kTolerance = 1e-9;  // on the Newton step in ln T0 and ln rho0
constexpr double kMaxStep = 0.3;     // in ln T0 and ln rho0, keeps the iterate on its branch
constexpr double kDifferenceStep = 1e-7;

struct Residuals {
  double alpha;  // alpha_r0 - alpha_rj
  double z;      // Z0 - Zj
};

// The Newton iterate in ln T0 and ln rho0, with the Jacobian of the residuals
// (alpha, z) with respect to them there, row-major.
struct Iterate {
  double lnT;
  double lnRho;
  double jacobian[4];
};

class ConformalSolver {
 public:
  ConformalSolver(const ReferenceFluid& reference, double alphaTarget, double zTarget)
      : reference_(reference), molarMass_(reference.MolarMass()), alphaTarget_(alphaTarget), zTarget_(zTarget) {}

  Residuals At(double lnT, double lnRho) const {
    const double t = std::exp(lnT);
    const double rho = std::exp(lnRho) * molarMass_;
    return {reference_.ResidualHelmholtz(t, rho) - alphaTarget_, reference_.Compressibility(t, rho) - zTarget_};
  }

  // d(alpha_r)/d(ln rho) = Z - 1 exactly; the rest by forward differences.
  void DifferenceJacobian(Iterate& x, const Residuals& r) const {
    const Residuals atT = At(x.lnT + kDifferenceStep, x.lnRho);
    const double zAtRho = At(x.lnT, x.lnRho + kDifferenceStep).z;
    x.jacobian[0] = (atT.alpha - r.alpha) / kDifferenceStep;
    x.jacobian[1] = r.z + zTarget_ - 1.0;
    x.jacobian[2] = (atT.z - r.z) / kDifferenceStep;
    x.jacobian[3] = (zAtRho - r.z) / kDifferenceStep;
  }

  // Newton with a fresh Jacobian each iteration; false when it does not
  // converge within the iteration bound.
  bool Solve(Iterate& x) const {
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
      const Residuals r = At(x.lnT, x.lnRho);
      if (!std::isfinite(r.alpha + r.z)) return false;
      DifferenceJacobian(x, r);
      const double* j = x.jacobian;
      const double determinant = j[0] * j[3] - j[1] * j[2];
      if (determinant == 0.0 || !std::isfinite(determinant)) return false;
      double stepT = (r.alpha * j[3] - j[1] * r.z) / determinant;
      double stepRho = (j[0] * r.z - j[2] * r.alpha) / determinant;
      const double largest = std::max(std::abs(stepT), std::abs(stepRho));
      if (largest > kMaxStep) {
        stepT *= kMaxStep / largest;
        stepRho *= kMaxStep / largest;
      }
      x.lnT -= stepT;
      x.lnRho -= stepRho;
      if (largest < kTolerance) return true;
    }
    return false;
  }

 private:
  const ReferenceFluid& reference_;
  double molarMass_;
  double alphaTarget_;
  double zTarget_;
};

}  // namespace

std::optional<ConformalState> SolveConformalState(const ConformalFluid& fluid, const ReferenceFluid& reference,
                                                  double temperatureK, double molarDensity) {
  const double referenceCriticalMolar = reference.CriticalDensity() / reference.MolarMass();

  const double solveDensity = std::max(molarDensity, kLowestReducedDensity * fluid.criticalMolarDensity);
  const double alphaTarget = fluid.residualHelmholtz(temperatureK, solveDensity);
  const double zTarget = fluid.compressibility(temperatureK, solveDensity);
  if (!std::isfinite(alphaTarget) || !std::isfinite(zTarget)) return std::nullopt;
  const ConformalSolver solver(reference, alphaTarget, zTarget);

  // Simple corresponding states through the critical points: a start that
  // depends on this state alone, so that the same state always gives the
  // same bits whatever was solved before it.
  Iterate x{std::log(temperatureK * reference.CriticalTemperatureK() / fluid.criticalTemperatureK),
            std::log(solveDensity * referenceCriticalMolar / fluid.criticalMolarDensity),
            {}};
  if (!solver.Solve(x)) return std::nullopt;
  return ConformalState{std::exp(x.lnT), std::exp(x.lnRho) * molarDensity / solveDensity};
}

std::optional<ConformalState> SolveConformalState(const ReferenceFluid& fluid, const ReferenceFluid& reference,
                                                  double temperatureK, double molarDensity) {
  const double molarMass = fluid.MolarMass();
  const ConformalFluid conformal{[&](double t, double rho) { return fluid.ResidualHelmholtz(t, rho * molarMass); },
                                 [&](double t, double rho) { return fluid.Compressibility(t, rho * molarMass); },
                                 fluid.CriticalTemperatureK(), fluid.CriticalDensity() / molarMass};
  return SolveConformalState(conformal, reference, temperatureK, molarDensity);
}

}  // namespace kestrin
