#include "cli/size_options.h"

#include "core/project/legacy_encoding.h"
#include "core/units/number_text.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace kestrin {
namespace {

const QString kUsageLine = QStringLiteral(
    "Usage: kestrin-size [--json] [--min-capacity VALUE] FILE.kst...\n"
    "                    [--report OUT.pdf [--customer TEXT] [--project TEXT] [--note TEXT]]\n"
    "                    [--encoding NAME] [--locale NAME] [--properties-source SOURCE]\n"
    "                    [--tubes K|L|EN12735-1] [--climate 32|38|43]\n"
    "       kestrin-size --fluid NAME [--json] [--properties-source SOURCE]\n"
    "       kestrin-size --capacity-table --fluid NAME --line LINE [--json] [--units IP|SI] [--tubes SERIES]\n"
    "                    [--condensing T] [--superheat X] [--subcool Y] [--drop DT] [--properties-source SOURCE]");

const QString kDescription = QStringLiteral(
    "Sizes the line of each Kestrin project file as the desktop program does when\n"
    "the file is opened and \"Calculate\" is pressed: the file's unit system, working\n"
    "mode, input texts and fitting counts, with no earlier design pressure drop.\n"
    "Numbers in the file are read with a decimal point, unless --locale says\n"
    "otherwise.\n"
    "\n"
    "Exit status:\n"
    "  0  every file gave a result\n"
    "  1  a file was refused: a check's message, or no pipe size (for the line\n"
    "     or for the part-load riser)\n"
    "  2  a usage error, or a file that cannot be read or opened");

struct Options {
  QCommandLineOption json{
      QStringLiteral("json"),
      QStringLiteral("One JSON object per file, one per line: file, ok, error, field, units, "
                     "mode, line, line_size, description, total_pressure_drop, velocity, "
                     "velocity_in_band, equivalent_length, traps, warnings, property_source, "
                     "tube_series, pressure_rating, glide and raw (pressure_drop_psi, velocity_fps, "
                     "equivalent_length_ft, mass_flow_lb_h, density_lb_ft3, viscosity_lb_ft_h, "
                     "reynolds, friction_factor, inside_diameter_in, design_pressure_psig, "
                     "tube_rating_psig, glide_evaporating_f, glide_condensing_f). With --fluid, "
                     "one object per row. A file that "
                     "cannot be read or opened gives ok false, its error, and null for what "
                     "it does not tell.")};
  QCommandLineOption minimumCapacity{
      QStringLiteral("min-capacity"),
      QStringLiteral("Also size the part-load riser of a double riser at this minimum capacity, in the unit "
                     "system of each file (tons or kW), for suction and discharge lines with a riser; adds the "
                     "key riser to the JSON. A checking-mode file's riser is refused: it is sized from the design "
                     "pressure drop."),
      QStringLiteral("VALUE")};
  QCommandLineOption report{QStringLiteral("report"),
                            QStringLiteral("Also write the results report as a PDF file; with several files, "
                                           "one report each, OUT-NAME.pdf."),
                            QStringLiteral("OUT.pdf")};
  QCommandLineOption customer{QStringLiteral("customer"),
                              QStringLiteral("Customer on the report (default: the file's; empty blanks it)."),
                              QStringLiteral("TEXT")};
  QCommandLineOption project{QStringLiteral("project"),
                             QStringLiteral("Project on the report (default: the file's; empty blanks it)."),
                             QStringLiteral("TEXT")};
  QCommandLineOption note{QStringLiteral("note"),
                          QStringLiteral("Note on the report (default: the file's; empty blanks it)."),
                          QStringLiteral("TEXT")};
  QCommandLineOption encoding{
      QStringLiteral("encoding"),
      QStringLiteral("Code page of project files that are not UTF-8, such as windows-1256 (default: the "
                     "KESTRIN_LEGACY_ENCODING environment variable, else the Windows code page of your language)."),
      QStringLiteral("NAME")};
  QCommandLineOption propertiesSource{
      QStringLiteral("properties-source"),
      QStringLiteral("Properties of R22, R134a, R407C and R404A from their correlations (the default) or from "
                     "their reference equations of state; the other refrigerants always use their reference "
                     "equations."),
      QStringLiteral("correlations|reference")};
  QCommandLineOption fluid{QStringLiteral("fluid"),
                           QStringLiteral("Print the saturation table of a refrigerant (R22, R134a, R407C, R404A, "
                                          "R410A, R32, R1234yf, R290, R507A) from -40 C to +60 C, instead of "
                                          "sizing project files."),
                           QStringLiteral("NAME")};
  QCommandLineOption tubes{QStringLiteral("tubes"),
                           QStringLiteral("Size in this tube series instead of the file's, or print the capacity "
                                          "table of it (default: K): K (Type K), L (Type L and ACR) or EN12735-1 "
                                          "(metric)."),
                           QStringLiteral("K|L|EN12735-1")};
  QCommandLineOption climate{QStringLiteral("climate"),
                             QStringLiteral("Judge the tubes' pressure ratings for plant in this ambient, C, instead "
                                            "of the file's: 32, 38 or 43."),
                             QStringLiteral("32|38|43")};
  QCommandLineOption capacityTable{
      QStringLiteral("capacity-table"),
      QStringLiteral("Print the line capacity table of the --fluid and --line: the capacity each tube size carries "
                     "when the friction drop over 100 ft (1 m in SI) of straight tube loses --drop of saturation "
                     "temperature, one column per evaporating temperature. With --json, one object per size: size, "
                     "inside_diameter_in and cells (t_evap, capacity, pressure_drop, velocity, oil_return_ok, "
                     "error).")};
  QCommandLineOption line{QStringLiteral("line"), QStringLiteral("The line of the capacity table."),
                          QStringLiteral("suction|discharge|liquid")};
  QCommandLineOption units{QStringLiteral("units"),
                           QStringLiteral("Unit system of the capacity table and its options (default: IP)."),
                           QStringLiteral("IP|SI")};
  QCommandLineOption condensing{
      QStringLiteral("condensing"),
      QStringLiteral("Condensing temperature of the capacity table, F or C (default: 105 F, 40 C)."),
      QStringLiteral("T")};
  QCommandLineOption superheat{QStringLiteral("superheat"),
                               QStringLiteral("Superheat of the capacity table, F or K (default: 0)."),
                               QStringLiteral("X")};
  QCommandLineOption subcool{QStringLiteral("subcool"),
                             QStringLiteral("Subcooling of the capacity table, F or K (default: 0)."),
                             QStringLiteral("Y")};
  QCommandLineOption drop{
      QStringLiteral("drop"),
      QStringLiteral("Drop of saturation temperature, F per 100 ft or K per m (default: 2 F or 0.04 K on a suction "
                     "line, 1 F or 0.02 K on the others)."),
      QStringLiteral("DT")};
  QCommandLineOption locale{QStringLiteral("locale"),
                            QStringLiteral("Read the numbers in the files as the desktop program does in this "
                                           "locale, such as de_DE (default: a decimal point)."),
                            QStringLiteral("NAME")};
};

void Describe(QCommandLineParser& parser, const Options& o) {
  parser.setApplicationDescription(kDescription);
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({o.json, o.minimumCapacity, o.report, o.customer, o.project, o.note, o.encoding, o.locale,
                     o.propertiesSource, o.tubes, o.climate, o.fluid, o.capacityTable, o.line, o.units, o.condensing,
                     o.superheat, o.subcool, o.drop});
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE.kst"), QStringLiteral("Project files to size."),
                               QStringLiteral("FILE.kst..."));
}

Refusal UsageError(const QString& message) { return Refusal{message, DesignField::None, RefusalReason::Usage}; }

// Qt's parser words its errors its own way; the tool's are these.
Refusal ParserError(const QCommandLineParser& parser) {
  const QStringList unknown = parser.unknownOptionNames();
  if (!unknown.isEmpty()) {
    const QString& name = unknown.first();
    return UsageError(QStringLiteral("unknown option \"%1%2\"").arg(name.size() == 1 ? u"-" : u"--", name));
  }
  static const QRegularExpression missingValue(QStringLiteral("Missing value after '([^']*)'"));
  const QRegularExpressionMatch match = missingValue.match(parser.errorText());
  if (match.hasMatch()) return UsageError(QStringLiteral("%1 needs a value").arg(match.captured(1)));
  return UsageError(parser.errorText());
}

std::optional<LineType> LineFromKey(const QString& key) {
  for (const LineType line : {LineType::Suction, LineType::Discharge, LineType::Liquid})
    if (LineName(line).toLower() == key) return line;
  return std::nullopt;
}

std::optional<UnitSystem> UnitsFromKey(const QString& key) {
  if (key == u"IP") return UnitSystem::IP;
  if (key == u"SI") return UnitSystem::SI;
  return std::nullopt;
}

// The table's own options; the refrigerant, tube series and property source
// are read with the others.
Outcome<CapacityConditions> CapacityTableOf(const QCommandLineParser& parser, const Options& o,
                                            const SizeToolOptions& options) {
  if (!options.fluid) return UsageError(QStringLiteral("--capacity-table needs --fluid NAME"));
  if (!parser.isSet(o.line))
    return UsageError(QStringLiteral("--capacity-table needs --line suction|discharge|liquid"));
  const std::optional<LineType> line = LineFromKey(parser.value(o.line));
  if (!line)
    return UsageError(QStringLiteral("--line is suction, discharge or liquid, not \"%1\"").arg(parser.value(o.line)));
  UnitSystem unit = UnitSystem::IP;
  if (parser.isSet(o.units)) {
    const std::optional<UnitSystem> chosen = UnitsFromKey(parser.value(o.units));
    if (!chosen) return UsageError(QStringLiteral("--units is IP or SI, not \"%1\"").arg(parser.value(o.units)));
    unit = *chosen;
  }
  CapacityInputs inputs = DefaultCapacityInputs(*line, unit);
  const struct {
    const QCommandLineOption* option;
    double CapacityInputs::*value;
  } numbers[] = {{&o.condensing, &CapacityInputs::condensing},
                 {&o.superheat, &CapacityInputs::superheat},
                 {&o.subcool, &CapacityInputs::subcool},
                 {&o.drop, &CapacityInputs::drop}};
  for (const auto& number : numbers) {
    if (!parser.isSet(*number.option)) continue;
    const QString text = parser.value(*number.option);
    const std::optional<double> value = ParseNumber(text, QLocale::c());
    if (!value)
      return UsageError(QStringLiteral("--%1 needs a number, not \"%2\"").arg(number.option->names().first(), text));
    inputs.*number.value = *value;
  }
  Outcome<CapacityConditions> conditions = CapacityConditionsOf(
      *options.fluid, options.propertySource, *line, options.tubes.value_or(TubeSeries::TypeK), unit, inputs);
  if (!conditions.ok()) return UsageError(conditions.refusal().message.trimmed());
  return conditions;
}

}  // namespace

Outcome<SizeToolOptions> ParseSizeToolArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  const Options o;
  Describe(parser, o);
  if (!parser.parse(QStringList{QStringLiteral("kestrin-size")} + arguments)) return ParserError(parser);

  SizeToolOptions options;
  options.help = parser.isSet(QStringLiteral("help"));
  options.version = parser.isSet(QStringLiteral("version"));
  options.json = parser.isSet(o.json);
  options.files = parser.positionalArguments();
  options.locale = QLocale::c();
  if (parser.isSet(o.minimumCapacity)) {
    const QString value = parser.value(o.minimumCapacity);
    if (!ParseNumber(value, QLocale::c()))
      return UsageError(QStringLiteral("--min-capacity needs a number, not \"%1\"").arg(value));
    options.minimumCapacity = value;
  }
  if (parser.isSet(o.report)) {
    ReportOptions report;
    report.path = parser.value(o.report);
    if (report.path.isEmpty()) return UsageError(QStringLiteral("--report needs a value"));
    const auto text = [&](const QCommandLineOption& option) -> std::optional<QString> {
      if (!parser.isSet(option)) return std::nullopt;
      return parser.value(option);
    };
    report.customer = text(o.customer);
    report.project = text(o.project);
    report.note = text(o.note);
    options.report = report;
  } else {
    for (const QCommandLineOption* title : {&o.customer, &o.project, &o.note})
      if (parser.isSet(*title))
        return UsageError(QStringLiteral("--%1 goes with --report").arg(title->names().first()));
  }
  if (parser.isSet(o.encoding)) {
    options.encoding = parser.value(o.encoding);
    if (!IsKnownTextEncoding(*options.encoding))
      return UsageError(QStringLiteral("--encoding does not know \"%1\"").arg(*options.encoding));
  }
  if (parser.isSet(o.locale)) {
    const QString name = parser.value(o.locale);
    const QLocale locale(name);
    // QLocale falls back to "C" for a name it does not know.
    if (locale == QLocale::c() && name != u"C" && name != u"c")
      return UsageError(QStringLiteral("--locale does not know \"%1\"").arg(name));
    options.locale = locale;
  }
  if (parser.isSet(o.propertiesSource)) {
    const QString key = parser.value(o.propertiesSource);
    const std::optional<PropertySource> source = PropertySourceFromKey(key);
    if (!source)
      return UsageError(QStringLiteral("--properties-source is correlations or reference, not \"%1\"").arg(key));
    options.propertySource = *source;
  }
  if (parser.isSet(o.tubes)) {
    const QString code = parser.value(o.tubes);
    options.tubes = TubeSeriesFromCode(code);
    if (!options.tubes) return UsageError(QStringLiteral("--tubes is K, L or EN12735-1, not \"%1\"").arg(code));
  }
  if (parser.isSet(o.climate)) {
    const QString ambient = parser.value(o.climate);
    bool whole = false;
    const int value = ambient.toInt(&whole);
    options.climate = whole ? ClimateFromAmbientC(value) : std::nullopt;
    if (!options.climate) return UsageError(QStringLiteral("--climate is 32, 38 or 43, not \"%1\"").arg(ambient));
  }
  if (parser.isSet(o.fluid)) {
    const QString name = parser.value(o.fluid);
    options.fluid = RefrigerantFromName(name);
    if (!options.fluid)
      return UsageError(
          QStringLiteral("--fluid does not know \"%1\" (%2)").arg(name, RefrigerantNames().join(QStringLiteral(", "))));
  }
  if (parser.isSet(o.capacityTable)) {
    if (!options.files.isEmpty() || options.report || options.minimumCapacity)
      return UsageError(QStringLiteral("--capacity-table prints a table and sizes no project file"));
    const Outcome<CapacityConditions> table = CapacityTableOf(parser, o, options);
    if (!table.ok()) return table.refusal();
    options.capacityTable = table.value();
    return options;
  }
  for (const QCommandLineOption* tableOnly : {&o.line, &o.units, &o.condensing, &o.superheat, &o.subcool, &o.drop})
    if (parser.isSet(*tableOnly))
      return UsageError(QStringLiteral("--%1 goes with --capacity-table").arg(tableOnly->names().first()));
  if (options.fluid) {
    if (!options.files.isEmpty() || options.report || options.minimumCapacity)
      return UsageError(QStringLiteral("--fluid prints a table and sizes no project file"));
    return options;
  }
  if (!options.help && !options.version && options.files.isEmpty())
    return UsageError(QStringLiteral("no project file given"));
  return options;
}

QString SizeToolHelp() {
  QCommandLineParser parser;
  const Options o;
  Describe(parser, o);
  QString help = parser.helpText();
  // The parser's usage line says "[options]"; the tool's names them.
  const qsizetype firstLineEnd = help.indexOf(u'\n');
  return kUsageLine + help.mid(firstLineEnd);
}

bool ArgumentsNeedDrawing(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (argument == u"--") break;
    if (argument == u"--report" || argument.startsWith(u"--report=")) return true;
  }
  return false;
}

}  // namespace kestrin
