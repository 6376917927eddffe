#pragma once
// Which saturation curve a line's readings use for a design case.

#include "core/line_type.h"
#include "core/physics/saturation_curve.h"
#include "core/sizing/design_case.h"

#include <memory>

namespace kestrin {

// The curve of the refrigerant's property source for `line`: the cubic of
// the correlations whatever the line, or the reference equation's dew
// pressure on the gas lines and bubble pressure on the liquid line.
std::unique_ptr<const SaturationCurve> SaturationCurveOf(const DesignCase& designCase, LineType line);

}  // namespace kestrin
