#pragma once
// The Calculate command: checks the main window's inputs in their fixed
// order, stores the design case in IP units and sizes the chosen line. The
// desktop program and kestrin-size share it; the window only shows what it
// returns.

#include "core/main_fields.h"
#include "core/outcome.h"
#include "core/session_state.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/result_presenter.h"

#include <QLocale>

#include <variant>

namespace kestrin {

// A check refused the run: the public values, the riser offer and the
// outputs stay as they were.
struct CheckRefused {
  Refusal refusal;
};

// Every check passed: the design case stored (with dpd, which a checking-mode
// run keeps from before), the riser results emptied, and the double riser
// offered or not.
struct AcceptedCase {
  DesignCase stored;
  bool offerDoubleRiser = false;
};

// Accepted, but no tube: the outputs and the riser results are emptied.
struct NotSized : AcceptedCase {
  Refusal refusal;
};

struct Sized : AcceptedCase {
  LineEvaluation evaluation;
  LineReadings readings;
  ShownResult shown;
};

struct CalculateResult {
  // The input texts afterwards: superheat, subcooling, riser length and
  // additional loss that were not numbers now read "0". The window shows
  // these even when a later check refused the run.
  MainFieldTexts fields;
  std::variant<CheckRefused, NotSized, Sized> state;

  const AcceptedCase* accepted() const;
  const Sized* sized() const;
  // The check's or the sizing's refusal; none when sized.
  const Refusal* refusal() const;
};

// fit1..fit10 as numbers: a count never set counts as 0; one that is set but
// is not a number (only a hand-edited project file brings one) is refused
// with a message naming the fitting.
Outcome<FittingCounts> FittingCountsOf(const StoredFittingCounts& stored, const QLocale& locale);

// `counts` are fit1..fit10 as stored; `previousDesignDropPsi` is the dpd the
// last design-mode run left; `properties` is the property source the user
// chose (refrigerants without correlations take the reference equations);
// `tubes` is the project's tube series and design climate.
CalculateResult RunCalculate(const MainFieldTexts& fields, UnitSystem unit, WorkingMode mode,
                             const StoredFittingCounts& counts, double previousDesignDropPsi, const QLocale& locale,
                             PropertySource properties = PropertySource::Correlations, const TubeChoice& tubes = {});

}  // namespace kestrin
