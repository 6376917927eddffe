#pragma once
// Settings that outlive the dialogs that set them, shared by every window for
// the whole run: the unit system and working mode, the fitting counts, the
// report title texts, the accepted part-load riser, and the design case the
// last Calculate stored.

#include "core/sizing/design_case.h"
#include "core/sizing/fitting_table.h"
#include "core/units/units.h"

#include <QString>

#include <array>
#include <optional>

namespace kestrin {

// fit1..fit10 as the fittings dialog or a project file left them: nothing
// until first set, then the text stored.
using StoredFittingCounts = std::array<std::optional<QString>, kFittingTypeCount>;

struct SessionState {
  UnitSystem unit = UnitSystem::IP;               // unit
  UnitSystem unitHistory = UnitSystem::IP;        // history
  WorkingMode mode = WorkingMode::Design;         // pro
  WorkingMode modeHistory = WorkingMode::Design;  // processhistory
  // The property source chosen for the refrigerants that have correlations;
  // the program keeps it in its settings, not in project files.
  PropertySource propertySource = PropertySource::Correlations;
  // The project's tube series and design climate.
  TubeChoice tubes;

  StoredFittingCounts fittingCounts;  // fit1..fit10

  std::optional<QString> customer;  // unset until the first OK of the title dialog
  std::optional<QString> project;
  QString note;

  QString riserOutput1;  // riseroutput1: the accepted part-load riser size
  QString riserOutput2;  // riseroutput2: its velocity as shown

  // The public values of the main window: the last design case that passed
  // every check, and dpd, which only design-mode runs write.
  std::optional<DesignCase> designCase;
  double designDropPsi = 0;
};

}  // namespace kestrin
