#include "cli/size_tool.h"

#include "core/messages.h"
#include "core/units/number_text.h"
#include "core/units/unit_texts.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

const QString kProgram = QStringLiteral("kestrin-size");

// ---- JSON, written by hand so that the keys keep their documented order.

QString JsonString(const QString& text) {
  QString out;
  out.reserve(text.size() + 2);
  out += u'"';
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'"': out += QStringLiteral("\\\""); break;
      case u'\\': out += QStringLiteral("\\\\"); break;
      case u'\n': out += QStringLiteral("\\n"); break;
      case u'\r': out += QStringLiteral("\\r"); break;
      case u'\t': out += QStringLiteral("\\t"); break;
      default:
        if (c.unicode() < 0x20)
          out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
          out += c;
    }
  }
  out += u'"';
  return out;
}

QString JsonString(const std::optional<QString>& text) { return text ? JsonString(*text) : QStringLiteral("null"); }

QString JsonBool(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

QString JsonBool(const std::optional<bool>& value) { return value ? JsonBool(*value) : QStringLiteral("null"); }

// The shortest text that reads back as the same double; JSON has no NaN.
QString JsonNumber(double value) {
  if (!std::isfinite(value)) return QStringLiteral("null");
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

class JsonObject {
 public:
  JsonObject& Add(const char* key, const QString& json) {
    if (!body_.isEmpty()) body_ += u',';
    body_ += JsonString(QString::fromLatin1(key));
    body_ += u':';
    body_ += json;
    return *this;
  }
  QString Text() const { return u'{' + body_ + u'}'; }

 private:
  QString body_;
};

std::optional<QString> NonEmpty(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  return text;
}

QString UnitsKey(UnitSystem unit) { return unit == UnitSystem::IP ? QStringLiteral("IP") : QStringLiteral("SI"); }

QString ModeKey(WorkingMode mode) {
  return mode == WorkingMode::Design ? QStringLiteral("design") : QStringLiteral("checking");
}

QString RiserJson(const Outcome<PartLoadRiser>& riser) {
  JsonObject o;
  if (riser.ok()) {
    o.Add("ok", JsonBool(true))
        .Add("error", QStringLiteral("null"))
        .Add("line_size", JsonString(riser.value().lineSize))
        .Add("velocity", JsonString(riser.value().velocity))
        .Add("velocity_in_band", JsonBool(riser.value().velocityInBand));
  } else {
    o.Add("ok", JsonBool(false))
        .Add("error", JsonString(riser.refusal().message))
        .Add("line_size", QStringLiteral("null"))
        .Add("velocity", QStringLiteral("null"))
        .Add("velocity_in_band", QStringLiteral("null"));
  }
  return o.Text();
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
  return QStringLiteral("  %1 %2\n").arg(caption, -22).arg(value);
}

QString WithUnit(const QString& value, const QString& unit) { return value + u' ' + unit.trimmed(); }

QString OutsideBand(bool inBand) { return inBand ? QString() : QStringLiteral("  (outside the recommended range)"); }

// ---- The sinks of the standard output.

class TextSink final : public SizingSink {
 public:
  explicit TextSink(QTextStream& out) : out_(out) {}
  void Add(const FileSizing& sizing) override {
    if (sizing.fileProblem) return;  // told on the error output
    if (!first_) out_ << '\n';
    first_ = false;
    out_ << SizingText(sizing);
    out_.flush();
  }

 private:
  QTextStream& out_;
  bool first_ = true;
};

class JsonSink final : public SizingSink {
 public:
  JsonSink(QTextStream& out, bool withRiser) : out_(out), withRiser_(withRiser) {}
  void Add(const FileSizing& sizing) override {
    out_ << SizingJson(sizing, withRiser_) << '\n';
    out_.flush();
  }

 private:
  QTextStream& out_;
  bool withRiser_;
};

}  // namespace

// ---- One file.

const ShownResult* FileSizing::shown() const {
  if (!calculation || !calculation->sizing || !calculation->sizing->ok()) return nullptr;
  return &calculation->sizing->value();
}

std::optional<Refusal> FileSizing::refusal() const {
  if (fileProblem) return fileProblem;
  if (!calculation) return std::nullopt;
  if (calculation->checkRefusal) return calculation->checkRefusal;
  if (calculation->sizing && !calculation->sizing->ok()) return calculation->sizing->refusal();
  return std::nullopt;
}

int FileSizing::exitStatus() const {
  if (fileProblem) return kExitUnusable;
  if (!shown()) return kExitRefused;
  if (riser && !riser->ok()) return kExitRefused;
  return kExitSized;
}

QLocale ProjectFileLocale() { return QLocale::c(); }

FileSizing SizeProject(const QString& path, const ProjectData& project, const std::optional<QString>& minimumCapacity) {
  FileSizing sizing;
  sizing.path = path;
  sizing.project = project;
  sizing.unit = ProjectUnitSystem(project);
  sizing.mode = ProjectWorkingMode(project);
  if (std::optional<Refusal> refused = CheckProjectApplies(project)) {
    refused->message = QStringLiteral("The project file \"%1\" cannot be opened: %2")
                           .arg(QDir::toNativeSeparators(path), refused->message);
    sizing.fileProblem = std::move(refused);
    return sizing;
  }

  const QLocale locale = ProjectFileLocale();
  // A freshly opened program: no design pressure drop from an earlier run.
  sizing.calculation = RunCalculate(project.fields, sizing.unit, sizing.mode, project.fittingCounts, 0.0, locale);
  const CalculateOutcome& calculation = *sizing.calculation;
  if (!minimumCapacity || !sizing.shown() || !calculation.offerDoubleRiser || !calculation.stored) return sizing;

  // The riser window wipes an entry beyond its limit as it is typed, and
  // its Calculate then finds the field empty.
  if (!MinimumCapacityEntryKept(*minimumCapacity, sizing.unit, locale)) {
    sizing.riser = Outcome<PartLoadRiser>(Refusal{MessageText(Message::DataIncomplete), QStringLiteral("Txtriser")});
    return sizing;
  }
  const double tons = MinimumCapacityTons(*minimumCapacity, sizing.unit, locale).value_or(0);
  sizing.riser = SizePartLoadRiser(*calculation.stored, tons, sizing.unit, locale);
  return sizing;
}

FileSizing SizeProjectFile(const QString& path, const std::optional<QString>& minimumCapacity) {
  const Outcome<ProjectData> project = ReadProjectFile(path);
  if (!project.ok()) {
    FileSizing sizing;
    sizing.path = path;
    sizing.fileProblem = project.refusal();
    return sizing;
  }
  return SizeProject(path, project.value(), minimumCapacity);
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
    if (!refusal.field.isEmpty()) text += QStringLiteral("  flagged : %1\n").arg(refusal.field);
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
  if (sizing.riser) {
    const Outcome<PartLoadRiser>& riser = *sizing.riser;
    if (riser.ok()) {
      text += Row(QStringLiteral("Part Load Riser :"),
                  QStringLiteral("Line Size : %1   Velocity : %2")
                          .arg(riser.value().lineSize, WithUnit(riser.value().velocity, VelocityUnit(sizing.unit))) +
                      OutsideBand(riser.value().velocityInBand));
    } else {
      text += Row(QStringLiteral("Part Load Riser :"), QStringLiteral("error : %1").arg(riser.refusal().message));
    }
  }
  return text;
}

QString SizingJson(const FileSizing& sizing, bool withRiser) {
  const QString null = QStringLiteral("null");
  const ShownResult* shown = sizing.shown();
  const std::optional<Refusal> refusal = sizing.refusal();
  const bool known = sizing.project.has_value();

  JsonObject o;
  o.Add("file", JsonString(sizing.path))
      .Add("ok", JsonBool(shown != nullptr))
      .Add("error", refusal ? JsonString(refusal->message) : null)
      .Add("field", refusal ? JsonString(NonEmpty(refusal->field)) : null)
      .Add("units", known ? JsonString(UnitsKey(sizing.unit)) : null)
      .Add("mode", known ? JsonString(ModeKey(sizing.mode)) : null)
      .Add("line", known ? JsonString(sizing.project->fields.line) : null);
  if (shown) {
    JsonObject raw;
    raw.Add("pressure_drop_psi", JsonNumber(shown->raw.pressureDropPsi))
        .Add("velocity_fps", JsonNumber(shown->raw.velocityFps))
        .Add("equivalent_length_ft", JsonNumber(shown->raw.equivalentLengthFt));
    o.Add("line_size", JsonString(shown->lineSize))
        .Add("description", JsonString(shown->description))
        .Add("total_pressure_drop", JsonString(shown->totalPressureDrop))
        .Add("velocity", JsonString(shown->velocity))
        .Add("velocity_in_band", JsonBool(shown->velocityInBand))
        .Add("equivalent_length", JsonString(shown->equivalentLength))
        .Add("traps", JsonString(shown->traps))
        .Add("raw", raw.Text());
  } else {
    for (const char* key : {"line_size", "description", "total_pressure_drop", "velocity", "velocity_in_band",
                            "equivalent_length", "traps", "raw"})
      o.Add(key, null);
  }
  if (withRiser) o.Add("riser", sizing.riser ? RiserJson(*sizing.riser) : null);
  return o.Text();
}

// ---- The command line.

Outcome<SizeToolOptions> ParseSizeToolArguments(const QStringList& arguments, const std::vector<ExtraOutput>& extras) {
  SizeToolOptions options;
  const auto usage = [](const QString& message) { return Refusal{message, QString()}; };
  bool onlyFiles = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (onlyFiles || argument == u"-" || !argument.startsWith(u'-')) {
      options.files += argument;
      continue;
    }
    if (argument == u"--") {
      onlyFiles = true;
      continue;
    }
    if (argument == u"-h" || argument == u"--help") {
      options.help = true;
      continue;
    }
    if (argument == u"--version") {
      options.version = true;
      continue;
    }
    if (argument == u"--json") {
      options.json = true;
      continue;
    }
    // Options with a value: "--name VALUE" or "--name=VALUE".
    const qsizetype equals = argument.indexOf(u'=');
    const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
    std::optional<QString> value;
    const auto takeValue = [&]() -> bool {
      if (equals >= 0) {
        value = argument.mid(equals + 1);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        return false;
      }
      return true;
    };
    if (argument.startsWith(u"--") && name == u"min-capacity") {
      if (!takeValue()) return usage(QStringLiteral("--min-capacity needs a value"));
      if (!ParseNumber(*value, ProjectFileLocale()))
        return usage(QStringLiteral("--min-capacity needs a number, not \"%1\"").arg(*value));
      options.minimumCapacity = value;
      continue;
    }
    const auto extra = std::find_if(extras.begin(), extras.end(), [&](const ExtraOutput& e) {
      return argument.startsWith(u"--") && e.option == name;
    });
    if (extra != extras.end()) {
      if (!takeValue() || value->isEmpty()) return usage(QStringLiteral("--%1 needs a value").arg(extra->option));
      options.extras.emplace_back(&*extra, *value);
      continue;
    }
    return usage(QStringLiteral("unknown option \"%1\"").arg(argument));
  }
  if (!options.help && !options.version && options.files.isEmpty())
    return usage(QStringLiteral("no project file given"));
  return options;
}

QString SizeToolHelp(const std::vector<ExtraOutput>& extras) {
  QString extraUsage;
  QString extraOptions;
  for (const ExtraOutput& extra : extras) {
    // Further options go on lines of their own under the usage line.
    extraUsage += QStringLiteral("\n                    [--%1 %2]").arg(extra.option, extra.valueName);
    extraOptions += QStringLiteral("  %1%2\n")
                        .arg(QStringLiteral("--%1 %2").arg(extra.option, extra.valueName), -24)
                        .arg(extra.description);
  }
  return QStringLiteral(
             "Usage: kestrin-size [--json] [--min-capacity VALUE] FILE.kst...%1\n"
             "\n"
             "Sizes the line of each Kestrin project file as the desktop program does when\n"
             "the file is opened and \"Calculate\" is pressed: the file's unit system, working\n"
             "mode, input texts and fitting counts, with no earlier design pressure drop.\n"
             "Numbers in the file are read with a decimal point, whatever the locale.\n"
             "\n"
             "Options:\n"
             "  --json                  one JSON object per file, one per line, with the keys\n"
             "                          file, ok, error, field, units, mode, line, line_size,\n"
             "                          description, total_pressure_drop, velocity,\n"
             "                          velocity_in_band, equivalent_length, traps and raw\n"
             "                          (pressure_drop_psi, velocity_fps, equivalent_length_ft);\n"
             "                          a file that cannot be read or opened gives ok false,\n"
             "                          its error, and null for what it does not tell\n"
             "  --min-capacity VALUE    also size the part-load riser of a double riser at\n"
             "                          this minimum capacity, in the unit system of each file\n"
             "                          (tons or kW), for suction and discharge lines with a\n"
             "                          riser; adds the key riser to the JSON\n"
             "%2"
             "  -h, --help              show this help\n"
             "      --version           show the version\n"
             "\n"
             "Exit status:\n"
             "  0  every file gave a result\n"
             "  1  a file was refused: a check's message, or no pipe size (for the line\n"
             "     or for the part-load riser)\n"
             "  2  a usage error, or a file that cannot be read or opened\n")
      .arg(extraUsage, extraOptions);
}

int RunSizeTool(const QStringList& arguments, QTextStream& out, QTextStream& err,
                const std::vector<ExtraOutput>& extras) {
  const Outcome<SizeToolOptions> parsed = ParseSizeToolArguments(arguments, extras);
  if (!parsed.ok()) {
    err << kProgram << ": " << parsed.refusal().message << '\n' << "Try 'kestrin-size --help' for more information.\n";
    err.flush();
    return kExitUnusable;
  }
  const SizeToolOptions& options = parsed.value();
  if (options.help) {
    out << SizeToolHelp(extras);
    out.flush();
    return kExitSized;
  }
  if (options.version) {
    out << kProgram << ' ' << QStringLiteral(KESTRIN_VERSION) << '\n';
    out.flush();
    return kExitSized;
  }

  std::vector<std::unique_ptr<SizingSink>> sinks;
  if (options.json)
    sinks.push_back(std::make_unique<JsonSink>(out, options.minimumCapacity.has_value()));
  else
    sinks.push_back(std::make_unique<TextSink>(out));
  for (const auto& [extra, value] : options.extras) sinks.push_back(extra->makeSink(value));

  int status = kExitSized;
  for (const QString& path : options.files) {
    const FileSizing sizing = SizeProjectFile(path, options.minimumCapacity);
    if (sizing.fileProblem) {
      err << kProgram << ": " << sizing.fileProblem->message << '\n';
      err.flush();
    }
    for (const auto& sink : sinks) sink->Add(sizing);
    status = std::max(status, sizing.exitStatus());
  }
  for (const auto& sink : sinks) {
    if (const std::optional<QString> problem = sink->Finish()) {
      err << kProgram << ": " << *problem << '\n';
      status = kExitUnusable;
    }
  }
  err.flush();
  return status;
}

}  // namespace kestrin
