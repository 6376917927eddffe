#include "core/report/report_model.h"

#include "core/line_type.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/report/report_dates.h"
#include "core/sizing/result_presenter.h"
#include "core/units/number_text.h"
#include "core/units/unit_texts.h"

#include <QRegularExpression>

#include <utility>

namespace kestrin {

namespace {

// Captions of the input rows L2..L10 by unit system; L1 is the same in both.
const QString kRefrigerantCaption = QStringLiteral("Refrigerant type : .....................................");
const std::array<QString, 9> kInputCaptionsIP = {
    QStringLiteral("System Capacity (tons):  .........................."),
    QStringLiteral("Evaporating Temperature (F) :  ................"),
    QStringLiteral("Condensing Temperature (F) :  ................"),
    QStringLiteral("Superheat (F) :  ........................................"),
    QStringLiteral("Subcool (F) :  ..........................................."),
    QStringLiteral("Design Pressure Drop (psi) :  ..................."),
    QStringLiteral("Total Line Length (Ft) :  ..........................."),
    QStringLiteral("Riser Length (Ft) :  ..................................."),
    QStringLiteral("Additional loss (psi) :  ...............................")};
const std::array<QString, 9> kInputCaptionsSI = {
    QStringLiteral("System Capacity (Kw):  ............................."),
    QStringLiteral("Evaporating Temperature (C) :  ................"),
    QStringLiteral("Condensing Temperature (C) :  ................."),
    QStringLiteral("Superheat (C) :  ........................................"),
    QStringLiteral("Subcool (C) :  ..........................................."),
    QStringLiteral("Design Pressure Drop (bar) :  ...................."),
    QStringLiteral("Total Line Length (m) :  ............................"),
    QStringLiteral("Riser Length (m) :  ...................................."),
    QStringLiteral("Additional loss (bar) :  ................................")};
const std::array<QString, kFittingTypeCount> kFittingCaptions = {
    QStringLiteral("No. of Solenoid Valves :  ........................."),
    QStringLiteral("No. of Globe Valves :  .............................."),
    QStringLiteral("No. of Angle Valves :  .............................."),
    QStringLiteral("No. of Check Valves :   ............................"),
    QStringLiteral("No. of 90 Short Radius Elbows :  ............."),
    QStringLiteral("No. of 90 Long Radius Elbows :  ............."),
    QStringLiteral("No. of 45 Elbows :  .................................."),
    QStringLiteral("No. of Tee Line Flows :  .........................."),
    QStringLiteral("No. of Tee Branch Flows :  ......................"),
    QStringLiteral("No. of Sight Glass's :  ..............................")};

const QString kCheckingModeText = QStringLiteral("checking mode");
const QString kDoubleRiserText = QStringLiteral("      Double Riser");
// Between a full-load value and its part-load partner.
const QString kValueGap = QStringLiteral("   ");

// Rows and columns of the sheet, twips.
constexpr int kLabelHeight = 255;
constexpr int kFieldHeight = 285;
constexpr int kFirstRowTop = 4560;
constexpr int kRowPitch = 360;
constexpr int kInputRows = 10;
constexpr int kRuleLeft = 120;
constexpr int kRuleRight = kReportPageWidth - 120;

QString LineDescription(const QString& lineText) {
  const std::optional<LineType> line = LineTypeFromName(lineText);
  if (!line) {
    return {};
  }
  switch (*line) {
    case LineType::Suction: return lineText + QStringLiteral("  line : From Evaporator To Compressor");
    case LineType::Discharge: return lineText + QStringLiteral("  line : From Compressor To Condenser");
    case LineType::Liquid: return lineText + QStringLiteral("  line : From Condenser To Evaporator");
  }
  return {};
}

class SheetBuilder {
 public:
  void Label(const QString& name, int left, int top, int width, const QString& text,
             ReportTextStyle style = ReportTextStyle::Label, int height = kLabelHeight) {
    texts_.push_back({name, QRect(left, top, width, height), text, style});
  }
  void Field(const QString& name, int left, int top, int width, const QString& text,
             ReportTextStyle style = ReportTextStyle::Field, int height = kFieldHeight) {
    texts_.push_back({name, QRect(left, top, width, height), text, style});
  }
  std::vector<ReportText> Take() { return std::move(texts_); }

 private:
  std::vector<ReportText> texts_;
};

// "0.9 F saturation temp. drop": the total pressure drop as saturation
// temperature lost.
QString SaturationDropText(const QString& drop, UnitSystem unit) {
  if (drop.isEmpty()) return {};
  return QStringLiteral("%1 %2 saturation temp. drop").arg(drop, TemperatureDropUnit(unit));
}

QString Name(const char* prefix, int number) { return QString::fromLatin1(prefix) + QString::number(number); }

}  // namespace

const ReportText* ReportModel::Find(const QString& name) const {
  for (const ReportText& text : texts) {
    if (text.name == name) {
      return &text;
    }
  }
  return nullptr;
}

QString ReportModel::Text(const QString& name) const {
  const ReportText* found = Find(name);
  return found ? found->text : QString();
}

QRect ReportModel::Place(const QString& name) const {
  const ReportText* found = Find(name);
  return found ? found->place : QRect();
}

QString ReportTimeText(const QTime& time, const QLocale& locale) {
  // The long format carries the seconds; the zone it may add means nothing
  // on a sheet read later and elsewhere.
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
  return locale.toString(time, format.trimmed());
}

std::array<QString, kFittingTypeCount> FittingCountTexts(const StoredFittingCounts& counts, const QLocale& locale) {
  std::array<QString, kFittingTypeCount> shown;
  for (int k = 0; k < kFittingTypeCount; ++k) {
    const auto& stored = counts[static_cast<std::size_t>(k)];
    if (!stored) {
      continue;
    }
    const std::optional<double> value = ParseNumber(*stored, locale);
    if (value && *value <= FittingCountLimit(k + 1)) {
      shown[static_cast<std::size_t>(k)] = *stored;
    }
  }
  return shown;
}

ReportTitle ReportTitleOf(const SessionState& state) {
  return {state.customer.value_or(QString()), state.project.value_or(QString()), state.note};
}

ReportInputs ReportInputsOf(const MainFieldTexts& fields, const MainOutputTexts& outputs, const SessionState& state,
                            const QLocale& locale) {
  ReportInputs inputs;
  inputs.fields = fields;
  inputs.outputs = outputs;
  inputs.fittingCounts = FittingCountTexts(state.fittingCounts, locale);
  inputs.riserOutput1 = state.riserOutput1;
  inputs.riserOutput2 = state.riserOutput2;
  inputs.unit = state.unit;
  inputs.mode = state.mode;
  inputs.propertySource = state.propertySource;
  inputs.title = ReportTitleOf(state);
  return inputs;
}

MainOutputTexts MainOutputTextsOf(const ShownResult& result, bool doubleRiser) {
  return {static_cast<const OutputTexts&>(result), doubleRiser};
}

QString ReportPropertiesText(const QString& refrigerant, PropertySource chosen) {
  const std::optional<Refrigerant> known = RefrigerantFromName(refrigerant);
  if (!known || PropertySourceFor(*known, chosen) != PropertySource::Reference) return {};
  const ReferenceFluid* fluid = ReferenceFluid::Find(refrigerant);
  if (!fluid) return {};
  return QStringLiteral("Properties of %1 from its reference equation of state: %2.")
      .arg(refrigerant, fluid->EquationSource());
}

QString ReportBannerText() {
  return QStringLiteral("Kestrin Refrigerant Pipe Sizing   version ") + QStringLiteral(KESTRIN_VERSION);
}

QString ReportContactText() {
  return QStringLiteral("Kestrin Sizing  -  www.kestrin-sizing.example  -  support@kestrin-sizing.example");
}

ReportModel BuildReport(const ReportInputs& in, const QDateTime& now, const QLocale& locale) {
  const bool si = in.unit == UnitSystem::SI;
  const bool doubleRiser = in.outputs.doubleRiser;
  SheetBuilder sheet;

  // Title block, dates and time.
  sheet.Label(QStringLiteral("Label3"), 240, 1800, 975, QStringLiteral("Customer :"));
  sheet.Field(QStringLiteral("Txtcustomer"), 1320, 1800, 5775, in.title.customer, ReportTextStyle::TitleField);
  sheet.Label(QStringLiteral("Label12"), 9000, 1800, 615, QStringLiteral("Date :"));
  sheet.Field(QStringLiteral("Txtmdate"), 9480, 1800, 1215, GregorianDateText(now.date()));
  sheet.Label(QStringLiteral("Label4"), 360, 2160, 735, QStringLiteral("Project :"));
  sheet.Field(QStringLiteral("Txtproject"), 1320, 2160, 5775, in.title.project, ReportTextStyle::TitleField);
  sheet.Field(QStringLiteral("Txtdate"), 9000, 2160, 1815, SolarHijriDateText(now.date()));
  sheet.Label(QStringLiteral("Label5"), 600, 2520, 615, QStringLiteral("Note :"));
  sheet.Field(QStringLiteral("Txtnote"), 1320, 2520, 7335, in.title.note, ReportTextStyle::Note, 735);
  sheet.Label(QStringLiteral("Label13"), 9000, 2520, 615, QStringLiteral("Time :"));
  sheet.Field(QStringLiteral("Txttime"), 9480, 2520, 1215, ReportTimeText(now.time(), locale));

  sheet.Label(QStringLiteral("Lblline"), 240, 3480, 8415, LineDescription(in.fields.line), ReportTextStyle::LineTitle,
              375);

  // Inputs at the left, fittings at the right, row by row.
  sheet.Label(QStringLiteral("Label14"), 600, 4080, 1695, QStringLiteral("Input Data :"), ReportTextStyle::Heading);
  const std::array<QString, kInputRows> inputValues = {
      in.fields.refrigerant,
      in.fields.capacity,
      in.fields.evaporating,
      in.fields.condensing,
      in.fields.superheat,
      in.fields.subcool,
      in.mode == WorkingMode::Checking ? kCheckingModeText : in.fields.designDrop,
      in.fields.totalLength,
      in.fields.riserLength,
      in.fields.additionalLoss};
  const auto& captions = si ? kInputCaptionsSI : kInputCaptionsIP;
  for (int r = 1; r <= kInputRows; ++r) {
    const int top = kFirstRowTop + kRowPitch * (r - 1);
    const auto row = static_cast<std::size_t>(r - 1);
    sheet.Label(Name("L", r), 1920, top, 3000, r == 1 ? kRefrigerantCaption : captions[row - 1]);
    sheet.Field(Name("T", r), 5040, top, r == 7 ? 1575 : 975, inputValues[row]);
    sheet.Label(Name("L", 10 + r), 6960, top, 3000, kFittingCaptions[row]);
    sheet.Field(Name("T", 10 + r), 10080, top, 600, in.fittingCounts[row]);
  }

  // Outputs: with an accepted double riser the part-load value follows the
  // full-load one, so the fields widen and the units move right.
  sheet.Label(QStringLiteral("Label1"), 600, 8280, 1695, QStringLiteral("Output Data :"), ReportTextStyle::Heading);
  // The readings' warning runs along the heading's line, right of it.
  sheet.Label(QStringLiteral("Lblwarning"), 2400, 8280, 8295, in.outputs.warning, ReportTextStyle::Warning);
  sheet.Label(QStringLiteral("L21"), 1200, 8760, 3000, QStringLiteral("Line Size :  ................................"));
  sheet.Field(QStringLiteral("T21"), 4200, 8760, 1335, in.outputs.lineSize + kValueGap + in.riserOutput1);
  sheet.Label(QStringLiteral("Lbl30"), 5640, 8760, 5055, doubleRiser ? kDoubleRiserText : in.outputs.description);
  const int unitLeft = doubleRiser ? 5520 : 4920;
  sheet.Label(QStringLiteral("L22"), 1200, 9240, 3000,
              QStringLiteral("Velocity :  .................................."));
  sheet.Field(QStringLiteral("T22"), 4200, 9240, doubleRiser ? 1300 : 600,
              in.outputs.velocity + kValueGap + in.riserOutput2);
  sheet.Label(QStringLiteral("L26"), unitLeft, 9240, 480, si ? QStringLiteral("m/s") : QStringLiteral("FPS"));
  sheet.Label(QStringLiteral("L25"), 6480, 9240, 3000, QStringLiteral("Equivalent Lengths :  ................."));
  sheet.Field(QStringLiteral("T24"), 9480, 9240, 615, in.outputs.equivalentLength);
  sheet.Label(QStringLiteral("L28"), 10200, 9240, 480, si ? QStringLiteral("meter") : QStringLiteral("Ft"));
  sheet.Label(QStringLiteral("L24"), 1200, 9600, 3000, QStringLiteral("Total Pressure Drop  :  ................"));
  sheet.Field(QStringLiteral("T23"), 4200, 9600, doubleRiser ? 800 : 600, in.outputs.totalPressureDrop);
  sheet.Label(QStringLiteral("L27"), unitLeft, 9600, 360, si ? QStringLiteral("bar") : QStringLiteral("PSI"));
  // The same drop as saturation temperature, in small type just under the
  // pressure drop, where it fits with one value or two above it.
  sheet.Label(QStringLiteral("Tsatdrop"), 4200, 9885, 2220, SaturationDropText(in.outputs.saturationDrop, in.unit),
              ReportTextStyle::Reading, 180);
  sheet.Label(QStringLiteral("L23"), 6480, 9600, 3000, QStringLiteral("No of Trap :  .............................."));
  sheet.Field(QStringLiteral("T25"), 9480, 9600, 615, in.outputs.traps);

  // The drawing: the double riser of the line when one was accepted,
  // otherwise the trap. A tick left over on a line without risers shows the
  // trap too.
  ReportModel model;
  const std::optional<LineType> line = LineTypeFromName(in.fields.line);
  if (doubleRiser && line == LineType::Suction) {
    model.drawing = ReportDrawing::SuctionRiser;
    model.drawingPlace = QRect(360, 10320, 3000, 4005);  // Image5
  } else if (doubleRiser && line == LineType::Discharge) {
    model.drawing = ReportDrawing::DischargeRiser;
    model.drawingPlace = QRect(360, 10200, 3000, 4005);  // Image4
  } else {
    model.drawing = ReportDrawing::Trap;
    model.drawingPlace = QRect(360, 11400, 2745, 2460);  // Image3
  }
  if (model.drawing != ReportDrawing::Trap) {
    model.fullLoadSize = in.outputs.lineSize;
    model.partLoadSize = in.riserOutput1;
  }
  sheet.Label(QStringLiteral("Label6"), 1560, 14400, 615,
              model.drawing == ReportDrawing::Trap ? QStringLiteral("Trap") : QStringLiteral("Riser"),
              ReportTextStyle::DrawingCaption, 375);

  sheet.Label(QStringLiteral("Lblproperties"), 120, 15150, 10575,
              ReportPropertiesText(in.fields.refrigerant, in.propertySource), ReportTextStyle::Note, 420);
  sheet.Label(QStringLiteral("Text1"), 120, 15720, 6255, ReportBannerText(), ReportTextStyle::Banner);
  sheet.Label(QStringLiteral("Text3"), 120, 15960, 6735, ReportContactText(), ReportTextStyle::Contact, 195);

  model.texts = sheet.Take();
  model.plotPicture = QRect(1320, 120, 7965, 780);       // Image2
  model.pipingPicture = QRect(3360, 10320, 7365, 4800);  // Image1
  for (const int y : {1560, 3360, 8160, 10080, 15600}) {
    model.rules.emplace_back(kRuleLeft, y, kRuleRight, y);
  }
  return model;
}

}  // namespace kestrin
