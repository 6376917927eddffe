#include "core/physics/correlation_saturation_curve.h"

#include "core/physics/refrigerant_properties.h"

#include <cmath>

namespace kestrin {
namespace {

// A hundredth of a millikelvin: far below the one decimal a reading shows.
constexpr double kToleranceF = 1e-6;
constexpr int kMaximumSteps = 200;

}  // namespace

double CorrelationSaturationCurve::PressurePsia(double temperatureF) const {
  return SaturationPressure(refrigerant_, temperatureF);
}

// The cubic rises over the whole range for all four refrigerants, so the
// root is bracketed by the range's ends: Newton steps from the secant guess,
// with a bisection whenever a step would leave the bracket.
std::optional<double> CorrelationSaturationCurve::TemperatureF(double pressurePsia) const {
  if (!std::isfinite(pressurePsia)) return std::nullopt;
  double low = kLowestF;
  double high = kHighestF;
  const double lowPressure = PressurePsia(low);
  const double highPressure = PressurePsia(high);
  if (pressurePsia < lowPressure || pressurePsia > highPressure) return std::nullopt;

  double t = low + (high - low) * (pressurePsia - lowPressure) / (highPressure - lowPressure);
  for (int step = 0; step < kMaximumSteps; ++step) {
    const double residual = PressurePsia(t) - pressurePsia;
    if (residual == 0) return t;
    (residual < 0 ? low : high) = t;
    const double slope = (PressurePsia(t + kToleranceF) - PressurePsia(t - kToleranceF)) / (2 * kToleranceF);
    double next = t - residual / slope;
    if (!(next > low && next < high)) next = (low + high) / 2;
    if (std::abs(next - t) < kToleranceF || high - low < kToleranceF) return next;
    t = next;
  }
  return t;
}

}  // namespace kestrin
