#pragma once
// The results report as text and places: every caption, value, date and
// rule of the one-page sheet, where it sits (in twips), and which drawing it
// shows. Built from plain inputs, so it is tested without a printer; the page
// painter only draws what this holds.

#include "core/main_fields.h"
#include "core/physics/property_source.h"
#include "core/session_state.h"
#include "core/sizing/fitting_table.h"
#include "core/units/units.h"

#include <QDateTime>
#include <QLine>
#include <QLocale>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace kestrin {

struct ShownResult;

// The sheet, in twips (1440 to the inch).
inline constexpr int kReportPageWidth = 10815;
inline constexpr int kReportPageHeight = 16215;

// The texts the title dialog gives the report.
struct ReportTitle {
  QString customer;  // Txtcustomer
  QString project;   // Txtproject
  QString note;      // Txtnote, several lines
};

// What the main window shows of the last calculation.
struct MainOutputTexts : OutputTexts {
  bool doubleRiser = false;  // Check1 ticked: a part-load riser was accepted
};

struct ReportInputs {
  MainFieldTexts fields;
  MainOutputTexts outputs;
  // The counts as the fittings dialog shows them (Txt1..Txt10).
  std::array<QString, kFittingTypeCount> fittingCounts;
  QString riserOutput1;  // the accepted part-load size
  QString riserOutput2;  // and its velocity
  UnitSystem unit = UnitSystem::IP;
  WorkingMode mode = WorkingMode::Design;
  // As chosen: the refrigerant decides whether its properties come from it.
  PropertySource propertySource = PropertySource::Correlations;
  ReportTitle title;
};

enum class ReportTextStyle {
  Label,           // captions of the rows and the title block
  Field,           // the values
  TitleField,      // customer and project
  Note,            // the note, wrapped over several lines
  Heading,         // "Input Data :", "Output Data :"
  LineTitle,       // the line and its description
  DrawingCaption,  // "Trap" / "Riser" under the drawing
  Banner,          // the program and its version
  Contact,         // the maker's address
  Reading,         // the saturation temperature drop, small, under its pressure drop
  Warning,         // what the readings warn of, in dark red
};

struct ReportText {
  QString name;  // the control it stands for: "L2", "T21", "Lbl30"...
  QRect place;   // twips on the sheet
  QString text;
  ReportTextStyle style = ReportTextStyle::Label;
};

enum class ReportDrawing { Trap, SuctionRiser, DischargeRiser };

struct ReportModel {
  std::vector<ReportText> texts;
  std::vector<QLine> rules;  // the separating lines
  QRect plotPicture;         // the title graphic
  QRect pipingPicture;       // the piping illustration
  ReportDrawing drawing = ReportDrawing::Trap;
  QRect drawingPlace;
  // Written on the risers of a double riser drawing.
  QString fullLoadSize;
  QString partLoadSize;

  // The item of that name, or nothing.
  const ReportText* Find(const QString& name) const;
  // Its text and place; empty when there is no such item.
  QString Text(const QString& name) const;
  QRect Place(const QString& name) const;
};

// Builds the whole sheet. `now` gives both dates and the time; `locale`
// writes the time as the user's platform does.
ReportModel BuildReport(const ReportInputs& inputs, const QDateTime& now, const QLocale& locale = QLocale());

// The time as the platform writes it, seconds included, without a zone.
QString ReportTimeText(const QTime& time, const QLocale& locale = QLocale());

// The counts as the fittings dialog would show them on opening: a count
// never set, not numeric or above its type's limit shows empty.
std::array<QString, kFittingTypeCount> FittingCountTexts(const StoredFittingCounts& counts,
                                                         const QLocale& locale = QLocale());

// The title texts as the state holds them; unset texts are empty.
ReportTitle ReportTitleOf(const SessionState& state);

// Everything the report reads, from the main window's texts and the shared
// state (unit system, mode, counts, accepted riser, title).
ReportInputs ReportInputsOf(const MainFieldTexts& fields, const MainOutputTexts& outputs, const SessionState& state,
                            const QLocale& locale = QLocale());

// The output texts of a sizing run as the main window shows them.
MainOutputTexts MainOutputTextsOf(const ShownResult& result, bool doubleRiser = false);

// The line above the foot that names where the refrigerant's properties
// came from and the paper of its equation; empty for the correlations.
QString ReportPropertiesText(const QString& refrigerant, PropertySource chosen);

// The fixed lines at the foot of the sheet.
QString ReportBannerText();
QString ReportContactText();

}  // namespace kestrin
