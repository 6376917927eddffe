#pragma once
// What internal pressure a copper tube is rated to carry. Brazed joints
// anneal the tube beside them, so every rating here is the annealed one,
// whatever temper was bought.

#include "core/physics/tube_series.h"

namespace kestrin {

// The metal temperature a rating is read at: 150 F for suction and liquid
// lines, 250 F for the hot gas of a discharge line.
enum class RatingTemperature { F150, F250 };

double RatingTemperatureF(RatingTemperature temperature);

// Rated internal working pressure of the annealed tube, psig.
double RatedWorkingPressurePsig(TubeSeries series, int sizeIndex, RatingTemperature temperature);

}  // namespace kestrin
