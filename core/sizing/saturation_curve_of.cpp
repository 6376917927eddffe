#include "core/sizing/saturation_curve_of.h"

#include "core/physics/correlation_saturation_curve.h"

namespace kestrin {

std::unique_ptr<const SaturationCurve> SaturationCurveOf(const DesignCase& designCase, LineType /*line*/) {
  return std::make_unique<CorrelationSaturationCurve>(designCase.refrigerant);
}

}  // namespace kestrin
