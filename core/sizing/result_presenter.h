#pragma once
// The one presenter: turns the numbers of a sizing run (IP) into the texts
// the main window, the double riser window, the report and kestrin-size show,
// in the unit system and locale of the case.

#include "core/main_fields.h"
#include "core/physics/glide.h"
#include "core/sizing/line_readings.h"
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

// A riser's oil return as shown: the minimum velocity of its size, two
// decimals in FPS or m/s.
struct ShownOilReturn {
  QString minimumVelocity;
  bool ok = false;
  bool operator==(const ShownOilReturn&) const = default;
};

// The liquid line's subcooling margin, one decimal in F or K; empty when no
// subcooling is left to measure.
struct ShownFlashGas {
  QString subcoolingMargin;
  bool ok = false;
  bool operator==(const ShownFlashGas&) const = default;
};

// A tube's pressure rating as shown: the line's design pressure and the
// tube's rated working pressure, psig or bar(g).
struct ShownPressureRating {
  QString designPressure;
  QString tubeRating;
  bool ok = false;
  bool operator==(const ShownPressureRating&) const = default;
};

// What the output fields show of a sizing run.
struct ShownResult : OutputTexts {
  // Whether the velocity shown lies in the line's band; none for the liquid line.
  std::optional<bool> velocityInBand;
  std::optional<ShownOilReturn> oilReturn;
  std::optional<ShownFlashGas> flashGas;
  std::optional<ShownPressureRating> pressureRating;
  bool operator==(const ShownResult&) const = default;
};

// What the double riser window shows of the part-load riser.
struct ShownRiser {
  QString lineSize;            // RSIZE2, and the part-load label on the drawing
  QString velocity;            // TR2
  bool velocityInBand = true;  // TR2 white, or red
  std::optional<ShownOilReturn> oilReturn;
  std::optional<ShownPressureRating> pressureRating;
  QString warning;  // Lblwarning: empty when the oil returns and the tube holds the pressure
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

// A temperature difference in F, shown in F or K with one decimal.
QString ShownTemperatureDrop(double differenceF, UnitSystem unit, const QLocale& locale);

// "1.4 K evaporating, 1.2 K condensing" (F in IP); empty without a glide
// or where both are below 0.05 K, as for a pure fluid or an azeotrope.
QString ShownGlide(const std::optional<Glide>& glide, UnitSystem unit, const QLocale& locale);

// "Oil return: 14.23 FPS is below the 16.33 FPS that 2 1/8 needs in a
// suction riser."; empty when the oil returns.
QString OilReturnWarning(LineType line, const LineEvaluation& evaluation, const OilReturn& oilReturn, UnitSystem unit,
                         const QLocale& locale);

// "Tube rating: 1 3/8 Type K (annealed) is rated 425 psig at 250 F; this
// line's design pressure is 484 psig (R410A at 131 F)."; empty when the tube
// holds the pressure.
QString PressureRatingWarning(const PressureRating& rating, UnitSystem unit, const QLocale& locale);

ShownResult PresentLineResult(const LineProfile& profile, const LineEvaluation& evaluation,
                              const LineReadings& readings, const Presentation& presentation);

ShownRiser PresentPartLoadRiser(const LineProfile& riserProfile, const LineEvaluation& evaluation,
                                const std::optional<OilReturn>& oilReturn,
                                const std::optional<PressureRating>& pressureRating, UnitSystem unit,
                                const QLocale& locale);

}  // namespace kestrin
