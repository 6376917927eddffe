#pragma once
// The saturation curve of the property correlations: the cubic saturation
// pressure of each refrigerant, as the correlations give it, with no line
// allowances added, and its inverse.

#include "core/physics/refrigerant.h"
#include "core/physics/saturation_curve.h"

namespace kestrin {

class CorrelationSaturationCurve : public SaturationCurve {
 public:
  // The temperatures the cubic is read over, degrees F: the evaporating and
  // condensing ranges with room for a line's drop on either side. Below the
  // lower end the cubic of some refrigerants turns towards zero pressure.
  static constexpr double kLowestF = -60;
  static constexpr double kHighestF = 200;

  explicit CorrelationSaturationCurve(Refrigerant refrigerant) : refrigerant_(refrigerant) {}

  double PressurePsia(double temperatureF) const override;
  std::optional<double> TemperatureF(double pressurePsia) const override;

 private:
  Refrigerant refrigerant_;
};

}  // namespace kestrin
