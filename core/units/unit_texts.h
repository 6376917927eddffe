#pragma once
// What the main window shows in each unit system and working mode: the
// captions, tool tips and lists, the limits the fields keep while typing, and
// the conversion of typed values when the unit system changes.

#include "core/line_type.h"
#include "core/physics/tube_series.h"
#include "core/units/units.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace kestrin {

// The eight numeric input fields of the main window, in tab order.
enum class InputField {
  Capacity,
  Evaporating,
  Condensing,
  Superheat,
  Subcool,
  TotalLength,
  RiserLength,
  AdditionalLoss
};
inline constexpr std::array kInputFields = {InputField::Capacity,    InputField::Evaporating,   InputField::Condensing,
                                            InputField::Superheat,   InputField::Subcool,       InputField::TotalLength,
                                            InputField::RiserLength, InputField::AdditionalLoss};

QString FieldName(InputField field);  // "Txtcapacity" ..
QString LabelName(InputField field);  // "Lbl2" ..
QString LabelCaption(InputField field, UnitSystem unit);
QString ToolTip(InputField field, UnitSystem unit);
// The tool tip when the refrigerant glides: the four temperature fields also
// say which point of the glide they mean; the others keep their own.
QString GlideToolTip(InputField field, UnitSystem unit);

// Live checks while typing: the whole text stays when it is the field's
// allowed partial entry ("-" for the evaporating temperature, "." for the
// additional loss) or a number inside the limits (ends included).
bool EntryKept(InputField field, const QString& text, UnitSystem unit, const QLocale& locale = QLocale());
// The design pressure drop list accepts a lone "." and any number.
bool DesignDropEntryKept(const QString& text, const QLocale& locale = QLocale());
// A drop of saturation temperature: a lone "." or a number not below 0.
bool TemperatureDropEntryKept(const QString& text, const QLocale& locale = QLocale());

// A typed value converted when the unit system changes, written with the
// pattern "0"; a text that is not numeric is returned unchanged.
QString ConvertedEntry(InputField field, const QString& text, UnitSystem from, UnitSystem to,
                       const QLocale& locale = QLocale());

// Lbl8: the design pressure drop caption, or "Line size: (OD diameter)".
QString DesignDropCaption(UnitSystem unit, WorkingMode mode);
// Cmbdpd list: the design pressure drops of the unit system (written in the
// user's locale), or the tube sizes of the series.
QStringList DesignDropList(UnitSystem unit, WorkingMode mode, TubeSeries series, const QLocale& locale = QLocale());

// Output unit labels as the unit system sets them (the window's first
// captions are "PSI " and "Ft", before any unit system was applied).
QString PressureDropUnit(UnitSystem unit);  // Lbl15: "PSI" / "bar"
QString VelocityUnit(UnitSystem unit);      // Lbl17: "FPS" / "m/s"
QString LengthUnit(UnitSystem unit);        // Lbl19: "Ft " / "m "
// The unit of a temperature difference shown: "F" / "K".
QString TemperatureDropUnit(UnitSystem unit);
// The units of a tube's pressure rating: "psig" / "bar(g)", "F" / "°C".
QString GaugePressureUnit(UnitSystem unit);
QString TemperatureUnit(UnitSystem unit);

// The twelve captions that follow the unit system and working mode, in the
// order a project file keeps them: Lbl2, Lbl3, Lbl4, Lbl5, Lbl6, Lbl8, Lbl9,
// Lbl10, Lbl11, Lbl15, Lbl17, Lbl19.
inline constexpr int kUnitCaptionCount = 12;
using UnitCaptions = std::array<QString, kUnitCaptionCount>;
inline constexpr std::array<const char*, kUnitCaptionCount> kUnitCaptionLabels = {
    "Lbl2", "Lbl3", "Lbl4", "Lbl5", "Lbl6", "Lbl8", "Lbl9", "Lbl10", "Lbl11", "Lbl15", "Lbl17", "Lbl19"};
// Those captions as a unit system and working mode set them.
UnitCaptions ShownCaptions(UnitSystem unit, WorkingMode mode);

// The recommended-range tool tips that follow the line; nothing when no line
// is chosen yet (the tips then stay as they were), except that checking mode
// always empties the design pressure drop tip.
struct RangeTips {
  std::optional<QString> designDrop;  // Cmbdpd
  std::optional<QString> velocity;    // Txtvelocity
};
RangeTips RangeToolTips(UnitSystem unit, WorkingMode mode, std::optional<LineType> line);

}  // namespace kestrin
