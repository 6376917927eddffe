#pragma once
// The Calculate command: checks the main window's inputs in their fixed
// order, stores the design case in IP units and sizes the chosen line. The
// desktop program and kestrin-size share it; the window only shows what it
// returns.

#include "core/main_fields.h"
#include "core/outcome.h"
#include "core/session_state.h"
#include "core/sizing/line_sizing.h"

#include <QLocale>

#include <optional>

namespace kestrin {

struct CalculateOutcome {
  // The input texts afterwards: superheat, subcooling, riser length and
  // additional loss that were not numbers now read "0". The window shows
  // these even when a later check refused the run.
  MainFieldTexts fields;

  // A check refused the run: the flagged control and the message. The public
  // values, the riser offer and the outputs stay as they were.
  std::optional<Refusal> checkRefusal;

  // Set when every check passed: the design case stored (with dpd, which a
  // checking-mode run keeps from before). The riser results are then
  // cleared, and the riser offer shown or hidden by offerDoubleRiser.
  std::optional<DesignCase> stored;
  bool offerDoubleRiser = false;

  // After the checks passed: the result shown, or why there is none ("There
  // is not any pipe size with this data." and the like). A sizing refusal
  // clears the outputs and the riser results.
  std::optional<Outcome<ShownResult>> sizing;
};

// fit1..fit10 as numbers: a count never set counts as 0; one that is set but
// is not a number (only a hand-edited project file brings one) is refused
// with a message naming the fitting.
Outcome<FittingCounts> FittingCountsOf(const StoredFittingCounts& stored, const QLocale& locale = QLocale());

// `counts` are fit1..fit10 as stored; `previousDesignDropPsi` is the dpd the
// last design-mode run left.
CalculateOutcome RunCalculate(const MainFieldTexts& fields, UnitSystem unit, WorkingMode mode,
                              const StoredFittingCounts& counts, double previousDesignDropPsi,
                              const QLocale& locale = QLocale());

}  // namespace kestrin
