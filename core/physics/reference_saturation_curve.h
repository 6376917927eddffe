#pragma once
// The saturation curve a line reads from a reference equation of state: the
// dew pressure on the gas lines (suction and discharge), the bubble pressure
// on the liquid line. A blend's two differ by its temperature glide; a pure
// fluid's are one. IP units, as the line's readings are.

#include "core/line_type.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/physics/saturation_curve.h"

namespace kestrin {

class ReferenceSaturationCurve : public SaturationCurve {
 public:
  // `fluid` outlives the curve (reference fluids live as long as the program).
  ReferenceSaturationCurve(const ReferenceFluid& fluid, LineType line);

  // NaN outside the equation's saturation range (below its lowest
  // temperature or above the critical one).
  double PressurePsia(double temperatureF) const override;
  std::optional<double> TemperatureF(double pressurePsia) const override;
  double CondenserLiquidF(double condensingF) const override;

 private:
  const ReferenceFluid& fluid_;
  bool dew_;
};

}  // namespace kestrin
