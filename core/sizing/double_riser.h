#pragma once
// The part-load riser of a double riser: the line's design computation run
// again at the system's minimum capacity, judged by the riser's own
// velocity band.

#include "core/outcome.h"
#include "core/sizing/design_case.h"
#include "core/sizing/line_sizing.h"
#include "core/units/units.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace kestrin {

struct PartLoadRiser {
  QString lineSize;     // RSIZE2, and the part-load label on the drawing
  QString velocity;     // TR2
  bool velocityInBand;  // TR2 white, or red
  double velocityFps = 0;
};

// The line's design computation and velocity band as the part-load riser of
// `line` uses them: the suction riser is judged by its own, lower band.
LineProfile PartLoadRiserProfile(LineType line);

// The minimum capacity typed in the riser window, in tons (kW in SI are
// converted); nothing when the text is not numeric.
std::optional<double> MinimumCapacityTons(const QString& typed, UnitSystem unit, const QLocale& locale = QLocale());

// Whether the minimum capacity field keeps what was typed: not numeric, or
// above 500 tons (1500 kW in SI), is wiped. There is no lower bound.
bool MinimumCapacityEntryKept(const QString& typed, UnitSystem unit, const QLocale& locale = QLocale());

// The part-load riser of a suction or discharge line (the stored design case
// of the last Calculate, with its design pressure drop), or why there is
// none. A liquid line has no riser to size: it is refused with an empty
// message.
Outcome<PartLoadRiser> SizePartLoadRiser(const DesignCase& designCase, double minimumCapacityTons, UnitSystem unit,
                                         const QLocale& locale = QLocale());

}  // namespace kestrin
