#include "core/physics/reference/ancillary_equation.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

struct SumAndSlope {
  double sum = 0;
  double dSumDTheta = 0;
};

SumAndSlope Series(const AncillaryEquation& eq, double theta) {
  SumAndSlope s;
  if (theta <= 0) return s;
  const double logTheta = std::log(theta);
  for (std::size_t i = 0; i < eq.n.size(); ++i) {
    const double term = eq.n[i] * std::exp(eq.t[i] * logTheta);
    s.sum += term;
    s.dSumDTheta += term * eq.t[i] / theta;
  }
  return s;
}

}  // namespace

double AncillaryEquation::operator()(double temperatureK) const {
  const double theta = 1 - temperatureK / reducingTemperatureK;
  const double sum = Series(*this, theta).sum;
  switch (form) {
    case Form::Linear: return reducingValue * (1 + sum);
    case Form::Exponential: return reducingValue * std::exp(sum);
    case Form::ExponentialOverReducedT: return reducingValue * std::exp(reducingTemperatureK / temperatureK * sum);
  }
  return 0;
}

double AncillaryEquation::Slope(double temperatureK) const {
  const double tr = reducingTemperatureK;
  const double theta = 1 - temperatureK / tr;
  const SumAndSlope s = Series(*this, theta);
  const double dSumDT = -s.dSumDTheta / tr;
  switch (form) {
    case Form::Linear: return reducingValue * dSumDT;
    case Form::Exponential: return (*this)(temperatureK)*dSumDT;
    case Form::ExponentialOverReducedT:
      return (*this)(temperatureK) * (tr / temperatureK * dSumDT - tr / (temperatureK * temperatureK) * s.sum);
  }
  return 0;
}

std::optional<double> AncillaryEquation::TemperatureAt(double value, double lowK, double highK) const {
  double low = lowK;
  double high = std::min(highK, reducingTemperatureK);
  if (!(value > 0) || !(low < high)) return std::nullopt;
  const double valueLow = (*this)(low);
  const double valueHigh = (*this)(high);
  if (value < valueLow || value > valueHigh) return std::nullopt;
  // Newton on ln y, which is nearly linear in 1/T; bisection whenever a step
  // would leave the bracket.
  double temperature = low + (high - low) * std::log(value / valueLow) / std::log(valueHigh / valueLow);
  for (int iteration = 0; iteration < 60; ++iteration) {
    const double y = (*this)(temperature);
    if (y < value)
      low = temperature;
    else
      high = temperature;
    const double slope = Slope(temperature);
    double next = slope > 0 ? temperature - (y - value) / slope : 0.5 * (low + high);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (std::abs(next - temperature) < 1e-10 * temperature) return next;
    temperature = next;
  }
  return temperature;
}

}  // namespace kestrin
