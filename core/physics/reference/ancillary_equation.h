#pragma once
// The short saturation-line equations that accompany an equation of state:
// saturation (or bubble and dew) pressures and saturated densities as smooth
// functions of temperature. They give starting values for the iterative
// solutions, and for a pseudo-pure blend the bubble and dew pressures
// themselves.

#include <optional>
#include <vector>

namespace kestrin {

struct AncillaryEquation {
  // theta = 1 - T/Tr in each form.
  enum class Form {
    Linear,                   // y/yr = 1 + sum(n theta^t)
    Exponential,              // ln(y/yr) = sum(n theta^t)
    ExponentialOverReducedT,  // ln(y/yr) = (Tr/T) sum(n theta^t)
  };

  Form form = Form::Linear;
  double reducingTemperatureK = 0;
  double reducingValue = 0;
  std::vector<double> n;
  std::vector<double> t;

  // The value at T, for T up to reducingTemperatureK.
  double operator()(double temperatureK) const;
  // dy/dT at T (below reducingTemperatureK).
  double Slope(double temperatureK) const;
  // The temperature in [lowK, min(highK, Tr)] at which the equation gives
  // `value`; none when the value is outside what the equation reaches there.
  // The pressure equations rise monotonically, which this relies on.
  std::optional<double> TemperatureAt(double value, double lowK, double highK) const;
};

}  // namespace kestrin
