#include "core/sizing/pressure_rating.h"

#include "core/physics/tube_pressure_rating.h"
#include "core/sizing/saturation_curve_of.h"
#include "core/units/units.h"

#include <algorithm>
#include <cmath>

namespace kestrin {
namespace {

// Standard atmosphere, psi: gauge pressures are read against it.
constexpr double kAtmospherePsi = 14.696;

}  // namespace

double LineDesignTemperatureF(const DesignCase& designCase) {
  if (designCase.line == LineType::Suction)
    return std::max(designCase.evaporatingF, CelsiusToFahrenheit(LowSideDesignTemperatureC(designCase.tubes.climate)));
  return std::max(designCase.condensingF, CelsiusToFahrenheit(HighSideDesignTemperatureC(designCase.tubes.climate)));
}

std::optional<PressureRating> RatePressure(const DesignCase& designCase, int sizeIndex) {
  PressureRating rating;
  rating.series = designCase.tubes.series;
  rating.sizeIndex = sizeIndex;
  rating.refrigerant = designCase.refrigerant;
  rating.designTemperatureF = LineDesignTemperatureF(designCase);
  // The bubble line: a blend standing still in a warm line settles to the
  // higher of its two saturation pressures.
  const double absolutePsia = SaturationCurveOf(designCase, LineType::Liquid)->PressurePsia(rating.designTemperatureF);
  if (!std::isfinite(absolutePsia)) return std::nullopt;
  rating.designPressurePsig = absolutePsia - kAtmospherePsi;
  const RatingTemperature metal =
      designCase.line == LineType::Discharge ? RatingTemperature::F250 : RatingTemperature::F150;
  rating.ratingTemperatureF = RatingTemperatureF(metal);
  rating.tubeRatingPsig = RatedWorkingPressurePsig(designCase.tubes.series, sizeIndex, metal);
  rating.ok = rating.tubeRatingPsig >= rating.designPressurePsig;
  return rating;
}

}  // namespace kestrin
