#pragma once
// The part-load riser of a double riser: the line's design computation run
// again at the system's minimum capacity, judged by the riser's own
// velocity band; and the riser window's Calculate, which the desktop program
// and kestrin-size share.

#include "core/outcome.h"
#include "core/session_state.h"
#include "core/sizing/design_case.h"
#include "core/sizing/line_readings.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/result_presenter.h"
#include "core/units/units.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace kestrin {

// The minimum capacity typed in the riser window, in tons (kW in SI are
// converted); nothing when the text is not numeric.
std::optional<double> MinimumCapacityTons(const QString& typed, UnitSystem unit, const QLocale& locale);

// Whether the minimum capacity field keeps what was typed: not numeric, or
// above 500 tons (1500 kW in SI), is wiped. There is no lower bound.
bool MinimumCapacityEntryKept(const QString& typed, UnitSystem unit, const QLocale& locale);

// The profile the part-load riser is sized and judged by: a suction riser
// may run slower at part load than the suction line itself.
const LineProfile& PartLoadRiserProfile(LineType line);

// The part-load riser of a suction or discharge line (the stored design case
// of the last Calculate, with its design pressure drop), or why there is
// none.
Outcome<LineEvaluation> SizePartLoadRiser(const DesignCase& designCase, double minimumCapacityTons);

struct PartLoadRiser {
  LineEvaluation evaluation;
  // Whether the riser, at the minimum capacity, still carries the oil up.
  std::optional<OilReturn> oilReturn;
  std::optional<PressureRating> pressureRating;
  ShownRiser shown;
};

// The riser window's Calculate: checks the typed minimum capacity, converts
// it, and sizes the part-load riser of `line` for the stored design case with
// the fitting counts as they stand now. `mode` is the working mode of the run
// that stored the case: a checking-mode run leaves no design pressure drop of
// its own to size the riser by, and is refused.
Outcome<PartLoadRiser> RunPartLoadRiser(const QString& typedMinimum, LineType line, DesignCase designCase,
                                        const StoredFittingCounts& fittingCounts, UnitSystem unit, WorkingMode mode,
                                        const QLocale& locale);

}  // namespace kestrin
