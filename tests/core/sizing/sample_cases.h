#pragma once
// Realistic design cases shared by the sizing tests.

#include "core/sizing/design_case.h"

namespace kestrin::samples {

// 20 tons of R22 at 40 F evaporating and 105 F condensing, 100 ft of line.
inline DesignCase TwentyTonR22(LineType line) {
  DesignCase c;
  c.refrigerant = Refrigerant::R22;
  c.line = line;
  c.capacityTons = 20;
  c.evaporatingF = 40;
  c.condensingF = 105;
  c.superheatF = 10;
  c.subcoolF = 10;
  c.totalLengthFt = 100;
  c.riserLengthFt = 0;
  c.additionalLossPsi = 0;
  c.designDropPsi = 2;
  return c;
}

}  // namespace kestrin::samples
