#pragma once
// The saturation pressure of a refrigerant as a line reads it, and its
// inverse: what turns a line's pressure drop into a drop of saturation
// temperature. IP units: degrees F and psia.

#include <optional>

namespace kestrin {

class SaturationCurve {
 public:
  virtual ~SaturationCurve() = default;
  virtual double PressurePsia(double temperatureF) const = 0;
  // The temperature whose saturation pressure is `pressurePsia`; none when
  // the curve has no such temperature in its range.
  virtual std::optional<double> TemperatureF(double pressurePsia) const = 0;
  // The saturation temperature of the liquid leaving a condenser whose
  // condensing (dew point) temperature is `condensingF`: the bubble point at
  // the condensing pressure. The condensing temperature itself where the
  // curve knows no glide; NaN where it has none.
  virtual double CondenserLiquidF(double condensingF) const { return condensingF; }
};

}  // namespace kestrin
