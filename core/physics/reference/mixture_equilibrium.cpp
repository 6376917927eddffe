#include "core/physics/reference/mixture_equilibrium.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

constexpr int kMaxIterations = 50;
constexpr int kSubstitutionSteps = 30;
// Substitution only brings the start into Newton's reach: a change of the
// incipient fractions below 5 % hands over. Tighter hand-overs cost many
// more density solves and, over -80 C to the critical region of today's
// blends, find no point this one misses.
constexpr double kSubstitutionTolerance = 5e-2;
constexpr int kMaxUnknowns = kMaxComponents + 2;
constexpr double kMaxStep = 0.5;             // in the logarithms of densities and temperature
constexpr double kStepTolerance = 1e-10;     // on the logarithms: the next step would be ~1e-20
constexpr double kResidualTolerance = 1e-9;  // on ln f and relative pressure, at the end
// Newton's method stops once the residuals are this small; from 1e-6 one
// more step would take them to rounding, so a point is never left far
// short of what the iteration can reach.
constexpr double kConvergedResidual = 1e-11;
// The range in which the start by Raoult's law looks for a temperature.
constexpr double kLowestStartK = 100;
constexpr double kHighestStartK = 600;
constexpr double kStartTolerance = 1e-6;  // relative, on that temperature

using Vector = std::array<double, kMaxUnknowns>;
using Matrix = std::array<Vector, kMaxUnknowns>;

// Solves a x = b for the leading n-by-n block by Gaussian elimination with
// partial pivoting; false when the matrix is singular.
bool SolveLinear(Matrix a, Vector b, int n, Vector& x) {
  for (int k = 0; k < n; ++k) {
    const auto sk = static_cast<std::size_t>(k);
    std::size_t pivot = sk;
    for (auto r = sk + 1; r < static_cast<std::size_t>(n); ++r)
      if (std::abs(a[r][sk]) > std::abs(a[pivot][sk])) pivot = r;
    if (!(std::abs(a[pivot][sk]) > 0)) return false;
    std::swap(a[sk], a[pivot]);
    std::swap(b[sk], b[pivot]);
    for (auto r = sk + 1; r < static_cast<std::size_t>(n); ++r) {
      const double factor = a[r][sk] / a[sk][sk];
      for (auto c = sk; c < static_cast<std::size_t>(n); ++c) a[r][c] -= factor * a[sk][c];
      b[r] -= factor * b[sk];
    }
  }
  for (int k = n - 1; k >= 0; --k) {
    const auto sk = static_cast<std::size_t>(k);
    double sum = b[sk];
    for (auto c = sk + 1; c < static_cast<std::size_t>(n); ++c) sum -= a[sk][c] * x[c];
    x[sk] = sum / a[sk][sk];
  }
  return true;
}

// The unknowns: the logarithms of the total molar density of the phase of
// given composition z, of each component's molar density in the incipient
// phase, and of the temperature when the pressure is given.
class Equilibrium {
 public:
  Equilibrium(const MixtureModel& model, SaturationPoint point, const Amounts& z, std::optional<double> pressurePa)
      : model_(model), n_(model.Size()), z_(z), pressure_(pressurePa), point_(point) {}

  int Unknowns() const { return n_ + (pressure_ ? 2 : 1); }

  // The residuals and their Jacobian at u, and what the check of a converged
  // point needs: the pressure and each phase's dp/d(ln rho) along its own
  // composition.
  struct Evaluation {
    Vector e{};
    Matrix jacobian{};
    double vapourPressurePa = 0;
    double givenSlope = 0;
    double incipientSlope = 0;
  };

  // False where the model gives no finite value.
  bool Evaluate(const Vector& u, double temperatureK, Evaluation& out) const {
    Vector& e = out.e;
    Matrix& jacobian = out.jacobian;
    const double rhoGiven = std::exp(u[0]);
    Amounts given{}, incipient{};
    for (int i = 0; i < n_; ++i) {
      const auto si = static_cast<std::size_t>(i);
      given[si] = z_[si] * rhoGiven;
      incipient[si] = std::exp(u[si + 1]);
    }
    const MixturePoint g = model_.At(temperatureK, given);
    const MixturePoint v = model_.At(temperatureK, incipient);
    jacobian = Matrix{};
    // ln f_i = ln(rho_i R T) + dPsi_r/drho_i in each phase.
    const double lnGasConstants = std::log(g.gasConstant / v.gasConstant);
    for (int i = 0; i < n_; ++i) {
      const auto si = static_cast<std::size_t>(i);
      e[si] = std::log(given[si]) + g.chemical[si] - std::log(incipient[si]) - v.chemical[si] + lnGasConstants;
      double dGiven = 1;
      for (int j = 0; j < n_; ++j) {
        const auto sj = static_cast<std::size_t>(j);
        dGiven += g.Hessian(i, j) * given[sj];
        jacobian[si][sj + 1] = -v.Hessian(i, j) * incipient[sj] - (i == j ? 1 : 0);
      }
      jacobian[si][0] = dGiven;
      if (pressure_)
        jacobian[si][static_cast<std::size_t>(n_) + 1] = temperatureK * (g.chemicalT[si] - v.chemicalT[si]);
    }
    // d p / d ln(rho_k) = rho_k RT (1 + sum_i rho_i H_ik); d p / d ln T.
    auto pressureSlope = [&](const MixturePoint& p, const Amounts& rho, int k) {
      double sum = 1;
      for (int i = 0; i < n_; ++i) sum += rho[static_cast<std::size_t>(i)] * p.Hessian(i, k);
      return rho[static_cast<std::size_t>(k)] * p.gasConstant * temperatureK * sum;
    };
    auto temperatureSlope = [&](const MixturePoint& p, const Amounts& rho) {
      double sum = -p.psiT;
      for (int i = 0; i < n_; ++i) sum += rho[static_cast<std::size_t>(i)] * p.chemicalT[static_cast<std::size_t>(i)];
      return p.pressurePa + p.gasConstant * temperatureK * temperatureK * sum;
    };
    double dGivenPressure = 0;
    double dIncipientPressure = 0;
    for (int k = 0; k < n_; ++k) {
      dGivenPressure += pressureSlope(g, given, k);
      dIncipientPressure += pressureSlope(v, incipient, k);
    }
    out.vapourPressurePa = point_ == SaturationPoint::Bubble ? v.pressurePa : g.pressurePa;
    out.givenSlope = dGivenPressure;
    out.incipientSlope = dIncipientPressure;
    const auto row = static_cast<std::size_t>(n_);
    if (!pressure_) {
      // p_liquid / p_vapour - 1: linear in the liquid's pressure, which
      // moves steeply with its density, and never divided by it.
      if (point_ == SaturationPoint::Bubble) {
        e[row] = g.pressurePa / v.pressurePa - 1;
        jacobian[row][0] = dGivenPressure / v.pressurePa;
        for (int k = 0; k < n_; ++k)
          jacobian[row][static_cast<std::size_t>(k) + 1] =
              -g.pressurePa / (v.pressurePa * v.pressurePa) * pressureSlope(v, incipient, k);
      } else {
        e[row] = v.pressurePa / g.pressurePa - 1;
        jacobian[row][0] = -v.pressurePa / (g.pressurePa * g.pressurePa) * dGivenPressure;
        for (int k = 0; k < n_; ++k)
          jacobian[row][static_cast<std::size_t>(k) + 1] = pressureSlope(v, incipient, k) / g.pressurePa;
      }
    } else {
      const double p = *pressure_;
      e[row] = g.pressurePa / p - 1;
      e[row + 1] = v.pressurePa / p - 1;
      jacobian[row][0] = dGivenPressure / p;
      for (int k = 0; k < n_; ++k)
        jacobian[row + 1][static_cast<std::size_t>(k) + 1] = pressureSlope(v, incipient, k) / p;
      jacobian[row][row + 1] = temperatureSlope(g, given) / p;
      jacobian[row + 1][row + 1] = temperatureSlope(v, incipient) / p;
    }
    for (int i = 0; i < Unknowns(); ++i)
      if (!std::isfinite(e[static_cast<std::size_t>(i)])) return false;
    return true;
  }

  double TemperatureOf(const Vector& u, double givenTemperatureK) const {
    return pressure_ ? std::exp(u[static_cast<std::size_t>(n_) + 1]) : givenTemperatureK;
  }

  std::optional<MixtureSaturation> Solve(Vector u, double givenTemperatureK) const {
    const int unknowns = Unknowns();
    Evaluation at;
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
      const double temperature = TemperatureOf(u, givenTemperatureK);
      if (!Evaluate(u, temperature, at)) return std::nullopt;
      // Converged: the point just evaluated is the answer, checked as is.
      if (LargestResidual(at) < kConvergedResidual) return Accept(u, givenTemperatureK, at);
      Vector minusE{};
      for (int i = 0; i < unknowns; ++i) minusE[static_cast<std::size_t>(i)] = -at.e[static_cast<std::size_t>(i)];
      Vector step{};
      if (!SolveLinear(at.jacobian, minusE, unknowns, step)) return std::nullopt;
      double largest = 0;
      for (int i = 0; i < unknowns; ++i) largest = std::max(largest, std::abs(step[static_cast<std::size_t>(i)]));
      if (!std::isfinite(largest)) return std::nullopt;
      const double scale = largest > kMaxStep ? kMaxStep / largest : 1;
      for (int i = 0; i < unknowns; ++i) u[static_cast<std::size_t>(i)] += scale * step[static_cast<std::size_t>(i)];
      // Steps this small no longer change the point: whatever residual
      // rounding leaves is judged by the check.
      if (largest < kStepTolerance) {
        if (!Evaluate(u, TemperatureOf(u, givenTemperatureK), at)) return std::nullopt;
        return Accept(u, givenTemperatureK, at);
      }
    }
    return std::nullopt;
  }

 private:
  double LargestResidual(const Evaluation& at) const {
    double largest = 0;
    for (int i = 0; i < Unknowns(); ++i) largest = std::max(largest, std::abs(at.e[static_cast<std::size_t>(i)]));
    return largest;
  }

  // The converged point, checked on its own evaluation: equal fugacities
  // and pressures, two distinct phases, each on a rising isotherm, the
  // liquid the denser.
  std::optional<MixtureSaturation> Accept(const Vector& u, double givenTemperatureK, const Evaluation& at) const {
    if (!(LargestResidual(at) < kResidualTolerance)) return std::nullopt;
    const double temperatureK = TemperatureOf(u, givenTemperatureK);
    if (!(at.givenSlope > 0) || !(at.incipientSlope > 0)) return std::nullopt;
    const double rhoGiven = std::exp(u[0]);
    double rhoIncipient = 0;
    Amounts w{};
    for (int i = 0; i < n_; ++i) rhoIncipient += std::exp(u[static_cast<std::size_t>(i) + 1]);
    for (int i = 0; i < n_; ++i)
      w[static_cast<std::size_t>(i)] = std::exp(u[static_cast<std::size_t>(i) + 1]) / rhoIncipient;
    const bool bubble = point_ == SaturationPoint::Bubble;
    MixtureSaturation s;
    s.temperatureK = temperatureK;
    s.pressurePa = at.vapourPressurePa;
    s.liquidMolarDensity = bubble ? rhoGiven : rhoIncipient;
    s.vapourMolarDensity = bubble ? rhoIncipient : rhoGiven;
    s.liquid = bubble ? z_ : w;
    s.vapour = bubble ? w : z_;
    if (!(s.liquidMolarDensity > s.vapourMolarDensity * (1 + 1e-3))) return std::nullopt;
    return s;
  }

  const MixtureModel& model_;
  int n_;
  Amounts z_;
  std::optional<double> pressure_;
  SaturationPoint point_;
};

// Raoult's law: the pressure of the point at T and, when asked, the
// incipient phase's composition.
double RaoultPressure(const MixtureModel& model, SaturationPoint point, double temperatureK, const Amounts& z,
                      Amounts* incipient = nullptr) {
  const bool bubble = point == SaturationPoint::Bubble;
  Amounts vapourPressures{};
  double sum = 0;
  for (int i = 0; i < model.Size(); ++i) {
    const auto si = static_cast<std::size_t>(i);
    vapourPressures[si] = model.ComponentVapourPressurePa(i, temperatureK);
    sum += bubble ? z[si] * vapourPressures[si] : z[si] / vapourPressures[si];
  }
  const double pressure = bubble ? sum : 1 / sum;
  if (incipient) {
    double total = 0;
    for (int i = 0; i < model.Size(); ++i) {
      const auto si = static_cast<std::size_t>(i);
      const double ratio = vapourPressures[si] / pressure;
      (*incipient)[si] = z[si] * (bubble ? ratio : 1 / ratio);
      total += (*incipient)[si];
    }
    for (double& w : *incipient) w /= total;
  }
  return pressure;
}

// Successive substitution of the equilibrium ratios K_i = phi_i(given) /
// phi_i(incipient), each phase's density on its own branch, until the
// incipient composition and the pressure (or temperature) settle enough for
// Newton's method: robust from a rough start where Newton alone may run off
// onto a wrong branch.
struct Start {
  double temperatureK = 0;
  double pressurePa = 0;
  double givenDensity = 0;
  double incipientDensity = 0;
  Amounts incipient{};
};

// The previous step's density, once there is one.
std::optional<double> Near(double density) { return density > 0 ? std::optional<double>(density) : std::nullopt; }

std::optional<Start> Substitute(const MixtureModel& model, SaturationPoint point, Start s, const Amounts& z,
                                bool pressureGiven) {
  const bool bubble = point == SaturationPoint::Bubble;
  // -d ln p / d(1/T) of Raoult's law, for the temperature steps.
  const double h = 1e-3 * s.temperatureK;
  const double slope = pressureGiven ? std::log(RaoultPressure(model, point, s.temperatureK + h, z) /
                                                RaoultPressure(model, point, s.temperatureK, z)) /
                                           (1 / s.temperatureK - 1 / (s.temperatureK + h))
                                     : 0;
  for (int step = 0; step < kSubstitutionSteps; ++step) {
    const std::optional<double> rhoGiven = model.MolarDensity(
        s.temperatureK, s.pressurePa, z, bubble ? Phase::Liquid : Phase::Vapour, Near(s.givenDensity));
    const std::optional<double> rhoIncipient = model.MolarDensity(
        s.temperatureK, s.pressurePa, s.incipient, bubble ? Phase::Vapour : Phase::Liquid, Near(s.incipientDensity));
    if (!rhoGiven || !rhoIncipient) return std::nullopt;
    s.givenDensity = *rhoGiven;
    s.incipientDensity = *rhoIncipient;
    const Amounts lnPhiGiven = model.LnFugacityCoefficients(s.temperatureK, *rhoGiven, z);
    const Amounts lnPhiIncipient = model.LnFugacityCoefficients(s.temperatureK, *rhoIncipient, s.incipient);
    // Equal fugacities: w_i phi_i(incipient) = z_i phi_i(given).
    Amounts w{};
    double sum = 0;
    for (int i = 0; i < model.Size(); ++i) {
      const auto si = static_cast<std::size_t>(i);
      w[si] = z[si] * std::exp(lnPhiGiven[si] - lnPhiIncipient[si]);
      sum += w[si];
    }
    double change = std::abs(std::log(sum));
    for (int i = 0; i < model.Size(); ++i) {
      const auto si = static_cast<std::size_t>(i);
      change = std::max(change, std::abs(w[si] / sum - s.incipient[si]));
      s.incipient[si] = w[si] / sum;
    }
    // The fractions sum to `sum`: the pressure at which they would sum to one
    // is p sum for a bubble point and p / sum for a dew point.
    const double lnPressureShift = bubble ? std::log(sum) : -std::log(sum);
    if (pressureGiven)
      s.temperatureK = 1 / (1 / s.temperatureK + lnPressureShift / slope);
    else
      s.pressurePa *= std::exp(lnPressureShift);
    if (!std::isfinite(s.temperatureK) || !std::isfinite(s.pressurePa)) return std::nullopt;
    if (change < kSubstitutionTolerance) break;
  }
  // Newton starts from densities of the final composition: a liquid's
  // pressure moves steeply with its composition at a given density.
  const std::optional<double> given =
      model.MolarDensity(s.temperatureK, s.pressurePa, z, bubble ? Phase::Liquid : Phase::Vapour, s.givenDensity);
  const std::optional<double> incipient = model.MolarDensity(
      s.temperatureK, s.pressurePa, s.incipient, bubble ? Phase::Vapour : Phase::Liquid, s.incipientDensity);
  if (!given || !incipient) return std::nullopt;
  s.givenDensity = *given;
  s.incipientDensity = *incipient;
  return s;
}

// Newton's method from a start: the phase of composition z and the
// incipient phase, both densities and, at a given pressure, the temperature.
std::optional<MixtureSaturation> Newton(const MixtureModel& model, SaturationPoint point, const Amounts& z,
                                        std::optional<double> givenPressure, const Start& start) {
  const Equilibrium equilibrium(model, point, z, givenPressure);
  Vector u{};
  u[0] = std::log(start.givenDensity);
  for (int i = 0; i < model.Size(); ++i)
    u[static_cast<std::size_t>(i) + 1] =
        std::log(start.incipient[static_cast<std::size_t>(i)] * start.incipientDensity);
  if (givenPressure) u[static_cast<std::size_t>(model.Size()) + 1] = std::log(start.temperatureK);
  return equilibrium.Solve(u, start.temperatureK);
}

std::optional<MixtureSaturation> SolveFrom(const MixtureModel& model, SaturationPoint point, double temperatureK,
                                           double pressurePa, const Amounts& z, const Amounts& incipient,
                                           std::optional<double> givenPressure) {
  const std::optional<Start> start =
      Substitute(model, point, Start{temperatureK, pressurePa, 0, 0, incipient}, z, givenPressure.has_value());
  if (!start) return std::nullopt;
  return Newton(model, point, z, givenPressure, *start);
}

// A known point as Newton's start: its densities and incipient composition
// as they are, at its own temperature unless that is the one given.
std::optional<Start> StartOf(const MixtureModel& model, SaturationPoint point, const MixtureSaturation& known,
                             double temperatureK) {
  const bool bubble = point == SaturationPoint::Bubble;
  Start s{temperatureK, known.pressurePa, bubble ? known.liquidMolarDensity : known.vapourMolarDensity,
          bubble ? known.vapourMolarDensity : known.liquidMolarDensity, bubble ? known.vapour : known.liquid};
  if (!(s.temperatureK > 0) || !std::isfinite(s.temperatureK) || !(s.givenDensity > 0) ||
      !std::isfinite(s.givenDensity) || !(s.incipientDensity > 0) || !std::isfinite(s.incipientDensity) ||
      !ValidMoleFractions(model, s.incipient, true))
    return std::nullopt;
  return s;
}

}  // namespace

std::optional<MixtureSaturation> SaturationAtTemperature(const MixtureModel& model, SaturationPoint point,
                                                         double temperatureK, const Amounts& x) {
  if (!(temperatureK > 0) || !std::isfinite(temperatureK) || !ValidMoleFractions(model, x, true)) return std::nullopt;
  Amounts incipient{};
  const double pressure = RaoultPressure(model, point, temperatureK, x, &incipient);
  return SolveFrom(model, point, temperatureK, pressure, x, incipient, std::nullopt);
}

std::optional<MixtureSaturation> SaturationAtPressure(const MixtureModel& model, SaturationPoint point,
                                                      double pressurePa, const Amounts& x) {
  if (!(pressurePa > 0) || !std::isfinite(pressurePa) || !ValidMoleFractions(model, x, true)) return std::nullopt;
  // The temperature at which Raoult's law gives that pressure, by bisection
  // on ln T: the law's pressure rises with temperature. A start needs no
  // more than a part in a million.
  double low = kLowestStartK;
  double high = kHighestStartK;
  if (!(RaoultPressure(model, point, low, x) < pressurePa && RaoultPressure(model, point, high, x) > pressurePa))
    return std::nullopt;
  while (high > low * (1 + kStartTolerance)) {
    const double middle = std::sqrt(low * high);
    (RaoultPressure(model, point, middle, x) < pressurePa ? low : high) = middle;
  }
  const double temperature = std::sqrt(low * high);
  Amounts incipient{};
  RaoultPressure(model, point, temperature, x, &incipient);
  return SolveFrom(model, point, temperature, pressurePa, x, incipient, pressurePa);
}

std::optional<MixtureSaturation> SaturationAtTemperatureFrom(const MixtureModel& model, SaturationPoint point,
                                                             double temperatureK, const Amounts& x,
                                                             const MixtureSaturation& start) {
  if (!(temperatureK > 0) || !std::isfinite(temperatureK) || !ValidMoleFractions(model, x, true)) return std::nullopt;
  const std::optional<Start> s = StartOf(model, point, start, temperatureK);
  if (!s) return std::nullopt;
  return Newton(model, point, x, std::nullopt, *s);
}

std::optional<MixtureSaturation> SaturationAtPressureFrom(const MixtureModel& model, SaturationPoint point,
                                                          double pressurePa, const Amounts& x,
                                                          const MixtureSaturation& start) {
  if (!(pressurePa > 0) || !std::isfinite(pressurePa) || !ValidMoleFractions(model, x, true)) return std::nullopt;
  const std::optional<Start> s = StartOf(model, point, start, start.temperatureK);
  if (!s) return std::nullopt;
  return Newton(model, point, x, pressurePa, *s);
}

}  // namespace kestrin
