#include "core/physics/friction_factor.h"

#include <cmath>
#include <numbers>

namespace kestrin {
namespace {

// -2 / ln 10: Colebrook-White's base-10 logarithm written with ln.
constexpr double kColebrookFactor = -0.86858896;
// The secant step is taken over x * (1 -/+ 0.01 %).
constexpr double kBracketLow = 0.9999;
constexpr double kBracketHigh = 1.0001;
// The loop ends in two or three steps from the Swamee-Jain start; this many
// means the data are not a turbulent flow and the last step is returned.
constexpr int kIterationGuard = 1000;

// Colebrook-White as g(y) = 0; each term rounded to single precision and
// subtracted in single precision.
float Colebrook(double relativeRoughness, double reynolds, float y) {
  const double root = std::sqrt(static_cast<double>(y));
  const auto logarithmic =
      static_cast<float>(kColebrookFactor * std::log(relativeRoughness / 3.7 + 2.51 / (reynolds * root)));
  const auto inverseRoot = static_cast<float>(1.0 / root);
  return logarithmic - inverseRoot;
}

}  // namespace

float FrictionFactor(double relativeRoughness, double reynolds) {
  const double swameeJain = std::log(relativeRoughness / 3.7 + 5.74 / std::pow(reynolds, 0.9));
  auto x = static_cast<float>(1.325 / (swameeJain * swameeJain));
  for (int step = 0; step < kIterationGuard; ++step) {
    const auto x1 = static_cast<float>(static_cast<double>(x) * kBracketLow);
    const auto x2 = static_cast<float>(static_cast<double>(x) * kBracketHigh);
    const float f1 = Colebrook(relativeRoughness, reynolds, x1);
    const float f2 = Colebrook(relativeRoughness, reynolds, x2);
    const float slope = (f2 - f1) / (x2 - x1);
    x = x1 - f1 / slope;
    if (f1 < 0 && f2 > 0) break;
  }
  return x;
}

double ReynoldsNumber(double massFlowLbPerHour, double viscosity, double diameterFt) {
  return massFlowLbPerHour / (viscosity * diameterFt);
}

double PhysicalReynoldsNumber(double massFlowLbPerHour, double viscosity, double diameterFt) {
  return 4 * massFlowLbPerHour / (std::numbers::pi * viscosity * diameterFt);
}

double RelativeRoughness(double diameterFt) { return kRoughnessFt / diameterFt; }

double DarcyFrictionFactor(double relativeRoughness, double reynolds) {
  if (reynolds > kLaminarLimit) return static_cast<double>(FrictionFactor(relativeRoughness, reynolds));
  return 64.0 / reynolds;
}

}  // namespace kestrin
