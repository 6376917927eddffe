#pragma once
// The one presenter: turns the numbers of a sizing run (IP) into the texts
// the main window, the double riser window, the report and kestrin-size show,
// in the unit system and locale of the case.

#include "core/main_fields.h"
#include "core/sizing/line_sizing.h"
#include "core/units/units.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace kestrin {

// How a case is shown.
struct Presentation {
  UnitSystem unit = UnitSystem::IP;
  WorkingMode mode = WorkingMode::Design;
  double riserTyped = 0;  // the riser length as typed, in the unit shown
  QLocale locale;
};

// What the output fields show of a sizing run.
struct ShownResult : OutputTexts {
  // Whether the velocity shown lies in the line's band; none for the liquid line.
  std::optional<bool> velocityInBand;
  bool operator==(const ShownResult&) const = default;
};

// What the double riser window shows of the part-load riser.
struct ShownRiser {
  QString lineSize;            // RSIZE2, and the part-load label on the drawing
  QString velocity;            // TR2
  bool velocityInBand = true;  // TR2 white, or red
  bool operator==(const ShownRiser&) const = default;
};

// Traps shown for a riser length as typed, in the unit shown: from 2.5 m
// (8.203 ft) one trap and one more per whole 6 m (19.68504 ft).
int TrapsShown(double riserTyped, UnitSystem unit);

QString ShownVelocity(double velocityFps, UnitSystem unit, const QLocale& locale);

// The band judges the velocity as shown, rounded: 14.996 FPS shows "15.00"
// and is inside.
std::optional<bool> VelocityInBand(const QString& shownVelocity, const std::optional<VelocityBand>& band,
                                   const QLocale& locale);

ShownResult PresentLineResult(const LineProfile& profile, const LineEvaluation& evaluation,
                              const Presentation& presentation);

ShownRiser PresentPartLoadRiser(const LineProfile& riserProfile, const LineEvaluation& evaluation, UnitSystem unit,
                                const QLocale& locale);

}  // namespace kestrin
