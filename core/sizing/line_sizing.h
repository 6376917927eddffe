#pragma once
// The one line-sizing engine. Suction, discharge and liquid lines and the
// part-load riser run the same skeleton; what differs between them is data
// (a LineProfile): which refrigerating effect sets the mass flow, which
// properties the fluid has, and which velocity band judges the result.

#include "core/main_fields.h"
#include "core/outcome.h"
#include "core/sizing/design_case.h"
#include "core/units/units.h"

#include <QLocale>

#include <optional>

namespace kestrin {

struct FluidState {
  double refrigeratingEffect = 0;  // Btu/lb
  double massFlowLbPerHour = 0;
  double viscosity = 0;  // lb/(ft h)
  double density = 0;    // lb/ft3
};

// Recommended velocity, both ends inside, in the unit shown (FPS or m/s).
struct VelocityBand {
  double low = 0;
  double high = 0;
  bool Contains(double shown) const { return shown >= low && shown <= high; }
  bool operator==(const VelocityBand&) const = default;
};

struct LineProfile {
  LineType line;
  // Mass flow, viscosity and density of the flow for this capacity, from the
  // design case's property source; a refusal when its equation is not used
  // at these temperatures.
  Outcome<FluidState> (*fluid)(const DesignCase& designCase, double capacityTons);
  std::optional<VelocityBand> bandIP;
  std::optional<VelocityBand> bandSI;
  // Design mode shows the traps of the riser (the liquid line shows "0").
  bool trapsShownInDesign;
};

const LineProfile& ProfileOf(LineType line);

// One tube size evaluated, IP units.
struct LineEvaluation {
  FluidState flow;  // the flow the size was evaluated with
  TubeSeries series = TubeSeries::TypeK;
  int sizeIndex = 0;
  double reynolds = 0;
  double frictionFactor = 0;
  double equivalentLengthFt = 0;
  double velocityFps = 0;
  double pressureDropPsi = 0;
};

// The flow of `capacityTons`, or a refusal when the data give no physical
// flow (a zero or negative refrigerating effect, capacity, density or
// viscosity, or one that is not finite) or its reference equation is not
// used at these temperatures.
Outcome<FluidState> FlowOf(const LineProfile& profile, const DesignCase& designCase, double capacityTons);

LineEvaluation EvaluateSize(const DesignCase& designCase, const FluidState& flow, int sizeIndex);

// Design mode: the first size from "1/2" up whose pressure drop is strictly
// below the design pressure drop; "There is not any pipe size with this
// data." when none is. Both modes refuse a size whose equivalent length is
// below 0, and a result too large to calculate or to show.
Outcome<LineEvaluation> SizeLineDesign(const LineProfile& profile, const DesignCase& designCase, double capacityTons);
// Checking mode: the named size evaluated once.
Outcome<LineEvaluation> CheckLine(const LineProfile& profile, const DesignCase& designCase, int sizeIndex);

// The dispatcher of designCase.line: the line's design procedure in design
// mode, its checking procedure on `checkedSizeIndex` in checking mode.
Outcome<LineEvaluation> SizeLine(const DesignCase& designCase, WorkingMode mode, int checkedSizeIndex);

}  // namespace kestrin
