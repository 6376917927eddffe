#pragma once
// The properties of a line's flow from the reference equations of state:
//   suction gas at the dew pressure of the evaporating temperature and the
//   evaporating temperature plus the superheat;
//   liquid saturated (bubble point) at the bubble point of the condensing
//   temperature's dew pressure less the subcooling (the condensing
//   temperature itself for a fluid without glide);
//   hot gas compressed from the suction gas to the dew pressure of the
//   condensing temperature with kIsentropicEfficiency.
// The refrigerating effect is suction gas enthalpy less liquid enthalpy on
// every line: one circuit, one mass flow. The equations work in SI; the
// design case and what is returned are IP, converted here and nowhere else.

#include "core/outcome.h"
#include "core/sizing/design_case.h"

namespace kestrin {

// The compressor's isentropic efficiency that sets the hot gas state.
inline constexpr double kIsentropicEfficiency = 0.7;
// Saturation temperatures stay this far below the critical temperature,
// where the equations' saturated states are still well conditioned.
inline constexpr double kCriticalMarginK = 5;

// IP: Btu/lb, lb/(ft h), lb/ft3.
struct LineFluidProperties {
  double refrigeratingEffect = 0;
  double viscosity = 0;
  double density = 0;
};

// Each refuses, naming the limit, a temperature outside its equation's range
// or a saturation temperature within kCriticalMarginK of the critical one.
Outcome<LineFluidProperties> ReferenceSuctionGas(const DesignCase& designCase);
Outcome<LineFluidProperties> ReferenceHotGas(const DesignCase& designCase);
Outcome<LineFluidProperties> ReferenceLiquid(const DesignCase& designCase);

}  // namespace kestrin
