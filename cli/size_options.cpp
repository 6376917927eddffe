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
    "       kestrin-size --fluid NAME [--json] [--properties-source SOURCE]");

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
  QCommandLineOption json{QStringLiteral("json"),
                          QStringLiteral("One JSON object per file, one per line: file, ok, error, field, units, "
                                         "mode, line, line_size, description, total_pressure_drop, velocity, "
                                         "velocity_in_band, equivalent_length, traps, warnings, property_source "
                                         "and raw (pressure_drop_psi, velocity_fps, equivalent_length_ft, "
                                         "mass_flow_lb_h, density_lb_ft3, viscosity_lb_ft_h, reynolds, "
                                         "friction_factor). With --fluid, one object per row. A file that "
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
  QCommandLineOption locale{QStringLiteral("locale"),
                            QStringLiteral("Read the numbers in the files as the desktop program does in this "
                                           "locale, such as de_DE (default: a decimal point)."),
                            QStringLiteral("NAME")};
};

void Describe(QCommandLineParser& parser, const Options& o) {
  parser.setApplicationDescription(kDescription);
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({o.json, o.minimumCapacity, o.report, o.customer, o.project, o.note, o.encoding, o.locale,
                     o.propertiesSource, o.fluid});
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
  if (parser.isSet(o.fluid)) {
    const QString name = parser.value(o.fluid);
    options.fluid = RefrigerantFromName(name);
    if (!options.fluid)
      return UsageError(
          QStringLiteral("--fluid does not know \"%1\" (%2)").arg(name, RefrigerantNames().join(QStringLiteral(", "))));
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
