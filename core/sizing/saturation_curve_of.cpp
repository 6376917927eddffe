#include "core/sizing/saturation_curve_of.h"

#include "core/physics/correlation_saturation_curve.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/physics/reference_saturation_curve.h"

namespace kestrin {

std::unique_ptr<const SaturationCurve> SaturationCurveOf(const DesignCase& designCase, LineType line) {
  if (PropertySourceFor(designCase.refrigerant, designCase.properties) == PropertySource::Reference) {
    if (const ReferenceFluid* fluid = ReferenceFluid::Find(RefrigerantName(designCase.refrigerant)))
      return std::make_unique<ReferenceSaturationCurve>(*fluid, line);
  }
  return std::make_unique<CorrelationSaturationCurve>(designCase.refrigerant);
}

}  // namespace kestrin
