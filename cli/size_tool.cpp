#include "cli/size_tool.h"

#include "core/messages.h"
#include "core/physics/glide.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/result_presenter.h"
#include "core/units/unit_texts.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace kestrin {

namespace {

// ---- JSON.

QJsonValue JsonText(const QString& text) { return text; }
QJsonValue JsonNumber(double value) { return std::isfinite(value) ? QJsonValue(value) : QJsonValue(); }
QJsonValue JsonBool(const std::optional<bool>& value) { return value ? QJsonValue(*value) : QJsonValue(); }

QString UnitsKey(UnitSystem unit) { return unit == UnitSystem::IP ? QStringLiteral("IP") : QStringLiteral("SI"); }

QString ModeKey(WorkingMode mode) {
  return mode == WorkingMode::Design ? QStringLiteral("design") : QStringLiteral("checking");
}

QJsonValue OilReturnJson(const std::optional<ShownOilReturn>& oilReturn) {
  if (!oilReturn) return QJsonValue();
  return QJsonObject{{u"minimum_velocity"_qs, oilReturn->minimumVelocity}, {u"ok"_qs, oilReturn->ok}};
}

QJsonValue FlashGasJson(const std::optional<ShownFlashGas>& flashGas) {
  if (!flashGas) return QJsonValue();
  const QString& margin = flashGas->subcoolingMargin;
  return QJsonObject{{u"subcooling_margin"_qs, margin.isEmpty() ? QJsonValue() : JsonText(margin)},
                     {u"ok"_qs, flashGas->ok}};
}

QJsonValue PressureRatingJson(const std::optional<ShownPressureRating>& rating) {
  if (!rating) return QJsonValue();
  return QJsonObject{
      {u"design_pressure"_qs, rating->designPressure}, {u"tube_rating"_qs, rating->tubeRating}, {u"ok"_qs, rating->ok}};
}

// A reading shown as text, or null when the field stays empty.
QJsonValue JsonReading(const QString& text) { return text.isEmpty() ? QJsonValue() : JsonText(text); }

QJsonObject RiserJson(const Outcome<PartLoadRiser>& riser) {
  QJsonObject o;
  o[u"ok"_qs] = riser.ok();
  o[u"error"_qs] = riser.ok() ? QJsonValue() : JsonText(riser.refusal().message);
  o[u"line_size"_qs] = riser.ok() ? JsonText(riser.value().shown.lineSize) : QJsonValue();
  o[u"velocity"_qs] = riser.ok() ? JsonText(riser.value().shown.velocity) : QJsonValue();
  o[u"velocity_in_band"_qs] = riser.ok() ? QJsonValue(riser.value().shown.velocityInBand) : QJsonValue();
  o[u"oil_return"_qs] = riser.ok() ? OilReturnJson(riser.value().shown.oilReturn) : QJsonValue();
  o[u"pressure_rating"_qs] = riser.ok() ? PressureRatingJson(riser.value().shown.pressureRating) : QJsonValue();
  return o;
}

std::optional<Glide> GlideOfCase(const DesignCase& stored) {
  return GlideOf(stored.refrigerant, stored.properties, stored.evaporatingF, stored.condensingF);
}

QJsonObject RawJson(const Sized& sized) {
  const LineEvaluation& evaluation = sized.evaluation;
  QJsonObject raw;
  raw[u"pressure_drop_psi"_qs] = JsonNumber(evaluation.pressureDropPsi);
  raw[u"velocity_fps"_qs] = JsonNumber(evaluation.velocityFps);
  raw[u"equivalent_length_ft"_qs] = JsonNumber(evaluation.equivalentLengthFt);
  const std::optional<double>& saturationDrop = sized.readings.saturationDropF;
  raw[u"saturation_drop_f"_qs] = saturationDrop ? JsonNumber(*saturationDrop) : QJsonValue();
  // The flow behind the Reynolds number and the velocity.
  raw[u"mass_flow_lb_h"_qs] = JsonNumber(evaluation.flow.massFlowLbPerHour);
  raw[u"density_lb_ft3"_qs] = JsonNumber(evaluation.flow.density);
  raw[u"viscosity_lb_ft_h"_qs] = JsonNumber(evaluation.flow.viscosity);
  raw[u"reynolds"_qs] = JsonNumber(evaluation.reynolds);
  raw[u"friction_factor"_qs] = JsonNumber(evaluation.frictionFactor);
  raw[u"inside_diameter_in"_qs] = JsonNumber(TubeInsideDiameter(evaluation.series, evaluation.sizeIndex) * 12);
  const std::optional<PressureRating>& rating = sized.readings.pressureRating;
  raw[u"design_pressure_psig"_qs] = rating ? JsonNumber(rating->designPressurePsig) : QJsonValue();
  raw[u"tube_rating_psig"_qs] = rating ? JsonNumber(rating->tubeRatingPsig) : QJsonValue();
  const std::optional<Glide> glide = GlideOfCase(sized.stored);
  raw[u"glide_evaporating_f"_qs] = glide ? JsonNumber(glide->evaporatingF) : QJsonValue();
  raw[u"glide_condensing_f"_qs] = glide ? JsonNumber(glide->condensingF) : QJsonValue();
  return raw;
}

// ---- Text output.

// The captions of the unit and process dialogs' options.
QString UnitCaption(UnitSystem unit) {
  return unit == UnitSystem::IP ? QStringLiteral("English (IP)") : QStringLiteral("Metric (SI)");
}
QString ModeCaption(WorkingMode mode) {
  return mode == WorkingMode::Design ? QStringLiteral("Design") : QStringLiteral("Checking");
}

QString Row(const QString& caption, const QString& value) {
  return QStringLiteral("  %1 %2\n").arg(caption, -23).arg(value);
}

QString WithUnit(const QString& value, const QString& unit) { return value + u' ' + unit.trimmed(); }

QString OutsideBand(bool inBand) { return inBand ? QString() : QStringLiteral("  (outside the recommended range)"); }

// The optional fields that Calculate reads as "0" when their text is not a
// number, with the words a warning names them by.
struct OptionalField {
  QString MainFieldTexts::*text;
  const char* name;
};
constexpr OptionalField kOptionalFields[] = {
    {&MainFieldTexts::superheat, "superheat"},
    {&MainFieldTexts::subcool, "subcooling"},
    {&MainFieldTexts::riserLength, "riser length"},
    {&MainFieldTexts::additionalLoss, "additional loss"},
};

QStringList ZeroedFieldWarnings(const MainFieldTexts& read, const MainFieldTexts& calculated) {
  QStringList warnings;
  for (const OptionalField& field : kOptionalFields) {
    const QString& typed = read.*field.text;
    if (typed != calculated.*field.text && !typed.isEmpty())
      warnings +=
          QStringLiteral("the %1 \"%2\" is not a number; it counts as 0").arg(QString::fromLatin1(field.name), typed);
  }
  return warnings;
}

}  // namespace

// ---- One file.

const ShownResult* FileSizing::shown() const {
  if (!calculation || !calculation->sized()) return nullptr;
  return &calculation->sized()->shown;
}

std::optional<Refusal> FileSizing::refusal() const {
  if (fileProblem) return fileProblem;
  if (!calculation || !calculation->refusal()) return std::nullopt;
  return *calculation->refusal();
}

PropertySource FileSizing::propertiesUsed() const {
  const std::optional<Refrigerant> refrigerant =
      project ? RefrigerantFromName(project->fields.refrigerant) : std::nullopt;
  return refrigerant ? PropertySourceFor(*refrigerant, propertySource) : propertySource;
}

int FileSizing::exitStatus() const {
  if (fileProblem) return kExitUnusable;
  if (!shown()) return kExitRefused;
  if (riser && !riser->ok()) return kExitRefused;
  return kExitSized;
}

QLocale ProjectFileLocale() { return QLocale::c(); }

FileSizing SizeProject(const QString& path, const ProjectData& project, const std::optional<QString>& minimumCapacity,
                       const QLocale& locale, PropertySource properties) {
  FileSizing sizing;
  sizing.path = path;
  sizing.propertySource = properties;
  sizing.project = project;
  sizing.unit = ProjectUnitSystem(project);
  sizing.mode = ProjectWorkingMode(project);
  if (std::optional<Refusal> refused = CheckProjectApplies(project)) {
    refused->message = QStringLiteral("The project file \"%1\" cannot be opened: %2")
                           .arg(QDir::toNativeSeparators(path), refused->message);
    sizing.fileProblem = std::move(refused);
    return sizing;
  }

  // A freshly opened program: no design pressure drop from an earlier run.
  const CalculateResult& calculation = sizing.calculation.emplace(RunCalculate(
      project.fields, sizing.unit, sizing.mode, project.fittingCounts, 0.0, locale, properties, project.tubes));
  sizing.warnings = ZeroedFieldWarnings(project.fields, calculation.fields);
  if (const AcceptedCase* accepted = calculation.accepted())
    sizing.glide = ShownGlide(GlideOfCase(accepted->stored), sizing.unit, locale);
  const Sized* sized = calculation.sized();
  if (!minimumCapacity || !sized || !sized->offerDoubleRiser) return sizing;
  sizing.riser = RunPartLoadRiser(*minimumCapacity, sized->stored.line, sized->stored, project.fittingCounts,
                                  sizing.unit, sizing.mode, locale);
  return sizing;
}

QString SizingText(const FileSizing& sizing) {
  QString text = sizing.path + u'\n';
  if (sizing.fileProblem) return text + QStringLiteral("  error : %1\n").arg(sizing.fileProblem->message);

  const MainFieldTexts& fields = sizing.project->fields;
  text += QStringLiteral("  %1, %2, %3, %4\n")
              .arg(fields.refrigerant.isEmpty() ? QStringLiteral("(no refrigerant)") : fields.refrigerant,
                   fields.line.isEmpty() ? QStringLiteral("(no line)") : fields.line, UnitCaption(sizing.unit),
                   ModeCaption(sizing.mode));
  const ShownResult* shown = sizing.shown();
  if (!shown) {
    const Refusal refusal = sizing.refusal().value_or(Refusal{});
    text += QStringLiteral("  error : %1\n").arg(refusal.message);
    if (refusal.field != DesignField::None)
      text += QStringLiteral("  flagged : %1\n").arg(DesignFieldName(refusal.field));
    return text;
  }
  text += Row(QStringLiteral("Line Size :"), shown->lineSize);
  text += Row(QString(), shown->description);
  text +=
      Row(QStringLiteral("Total Pressure Drop :"), WithUnit(shown->totalPressureDrop, PressureDropUnit(sizing.unit)));
  text += Row(QStringLiteral("Velocity :"),
              WithUnit(shown->velocity, VelocityUnit(sizing.unit)) + OutsideBand(shown->velocityInBand.value_or(true)));
  text += Row(QStringLiteral("Equivalent Lengths :"), WithUnit(shown->equivalentLength, LengthUnit(sizing.unit)));
  text += Row(QStringLiteral("No of Trap :"), shown->traps);
  text += Row(
      QStringLiteral("Saturation Temp. Drop :"),
      shown->saturationDrop.isEmpty() ? QString() : WithUnit(shown->saturationDrop, TemperatureDropUnit(sizing.unit)));
  if (!shown->warning.isEmpty()) text += Row(QStringLiteral("Warning :"), shown->warning);
  if (sizing.riser) {
    const Outcome<PartLoadRiser>& riser = *sizing.riser;
    if (riser.ok()) {
      text += Row(QStringLiteral("Part Load Riser :"),
                  QStringLiteral("Line Size : %1   Velocity : %2")
                          .arg(riser.value().shown.lineSize,
                               WithUnit(riser.value().shown.velocity, VelocityUnit(sizing.unit))) +
                      OutsideBand(riser.value().shown.velocityInBand));
      if (!riser.value().shown.warning.isEmpty()) text += Row(QStringLiteral("Warning :"), riser.value().shown.warning);
    } else {
      text += Row(QStringLiteral("Part Load Riser :"), QStringLiteral("error : %1").arg(riser.refusal().message));
    }
  }
  return text;
}

QString SizingJson(const FileSizing& sizing, bool withRiser) {
  const ShownResult* shown = sizing.shown();
  const std::optional<Refusal> refusal = sizing.refusal();
  const bool known = sizing.project.has_value();

  QJsonObject o;
  o[u"file"_qs] = sizing.path;
  o[u"ok"_qs] = shown != nullptr;
  o[u"error"_qs] = refusal ? JsonText(refusal->message) : QJsonValue();
  o[u"field"_qs] =
      refusal && refusal->field != DesignField::None ? JsonText(DesignFieldName(refusal->field)) : QJsonValue();
  o[u"units"_qs] = known ? JsonText(UnitsKey(sizing.unit)) : QJsonValue();
  o[u"mode"_qs] = known ? JsonText(ModeKey(sizing.mode)) : QJsonValue();
  o[u"line"_qs] = known ? JsonText(sizing.project->fields.line) : QJsonValue();
  o[u"warnings"_qs] = QJsonArray::fromStringList(sizing.warnings);
  o[u"property_source"_qs] = PropertySourceKey(sizing.propertiesUsed());
  o[u"glide"_qs] = JsonReading(sizing.glide);
  o[u"line_size"_qs] = shown ? JsonText(shown->lineSize) : QJsonValue();
  o[u"description"_qs] = shown ? JsonText(shown->description) : QJsonValue();
  o[u"total_pressure_drop"_qs] = shown ? JsonText(shown->totalPressureDrop) : QJsonValue();
  o[u"velocity"_qs] = shown ? JsonText(shown->velocity) : QJsonValue();
  o[u"velocity_in_band"_qs] = shown ? JsonBool(shown->velocityInBand) : QJsonValue();
  o[u"equivalent_length"_qs] = shown ? JsonText(shown->equivalentLength) : QJsonValue();
  o[u"traps"_qs] = shown ? JsonText(shown->traps) : QJsonValue();
  o[u"saturation_drop"_qs] = shown ? JsonReading(shown->saturationDrop) : QJsonValue();
  o[u"oil_return"_qs] = shown ? OilReturnJson(shown->oilReturn) : QJsonValue();
  o[u"flash_gas"_qs] = shown ? FlashGasJson(shown->flashGas) : QJsonValue();
  o[u"tube_series"_qs] = known ? JsonText(TubeSeriesTitle(sizing.project->tubes.series)) : QJsonValue();
  o[u"pressure_rating"_qs] = shown ? PressureRatingJson(shown->pressureRating) : QJsonValue();
  o[u"raw"_qs] = shown ? QJsonValue(RawJson(*sizing.calculation->sized())) : QJsonValue();
  if (withRiser) o[u"riser"_qs] = sizing.riser ? QJsonValue(RiserJson(*sizing.riser)) : QJsonValue();
  return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

}  // namespace kestrin
