#pragma once
// The inputs of one calculation, always in IP units, as the Calculate
// command stores them.

#include "core/line_type.h"
#include "core/physics/property_source.h"
#include "core/physics/refrigerant.h"
#include "core/physics/tube_series.h"
#include "core/sizing/design_climate.h"
#include "core/sizing/fitting_table.h"

namespace kestrin {

// The tube series a project is sized in and the climate its tubes' pressure
// ratings are judged for: Type K in the mildest climate until chosen.
struct TubeChoice {
  TubeSeries series = TubeSeries::TypeK;
  DesignClimate climate = DesignClimate::UpTo32C;
  bool operator==(const TubeChoice&) const = default;
};

struct DesignCase {
  Refrigerant refrigerant = Refrigerant::R22;
  LineType line = LineType::Suction;
  double capacityTons = 0;       // CAPACITY
  double evaporatingF = 0;       // et
  double condensingF = 0;        // ct
  double superheatF = 0;         // sh, a difference
  double subcoolF = 0;           // sc, a difference
  double totalLengthFt = 0;      // tll
  double riserLengthFt = 0;      // rl
  double additionalLossPsi = 0;  // al
  double designDropPsi = 0;      // dpd: kept from the last design-mode run
  FittingCounts fittings{};      // fit1..fit10
  // Where the refrigerant's properties come from: the user's choice, or the
  // reference equations for a refrigerant without correlations.
  PropertySource properties = PropertySource::Correlations;
  TubeChoice tubes;

  // tliq: the liquid temperature, ct + 1 - sc.
  double LiquidTemperatureF() const { return condensingF + 1.0 - subcoolF; }
  // tvap: the suction gas temperature, et + sh + 2.
  double SuctionGasTemperatureF() const { return evaporatingF + superheatF + 2.0; }
};

}  // namespace kestrin
