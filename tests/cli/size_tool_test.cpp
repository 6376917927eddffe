#include "cli/size_tool.h"

#include "cli/saturation_output.h"
#include "cli/size_command.h"
#include "cli/size_options.h"
#include "core/physics/glide.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace kestrin {
namespace {

// 20 tons of R22 on a suction line, IP design mode: sizes to 2 1/8.
ProjectData SuctionProject() {
  ProjectData p;
  p.fields = {u"R22"_s, u"20"_s, u"40"_s, u"105"_s, u"10"_s, u"10"_s, u"Suction"_s, u"2"_s, u"100"_s, u"0"_s, u"0"_s};
  p.captions = ShownCaptions(UnitSystem::IP, WorkingMode::Design);
  return p;
}

ProjectData WithRiser(ProjectData p, const QString& riser) {
  p.fields.riserLength = riser;
  return p;
}

QJsonObject JsonOf(const QString& line) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
  return document.object();
}

// The keys of the line and of its raw numbers, in any order.
QStringList Keys(const QString& jsonLine) {
  QStringList keys;
  static const QRegularExpression key(uR"re([{,]"([a-z_0-9]+)":)re"_s);
  for (const QRegularExpressionMatch& match : key.globalMatch(jsonLine)) keys += match.captured(1);
  keys.sort();
  return keys;
}

QStringList Sorted(QStringList keys) {
  keys.sort();
  return keys;
}

const QStringList kResultKeys = {
    u"file"_s, u"ok"_s, u"error"_s, u"field"_s, u"units"_s, u"mode"_s, u"line"_s, u"line_size"_s, u"description"_s,
    u"total_pressure_drop"_s, u"velocity"_s, u"velocity_in_band"_s, u"equivalent_length"_s, u"traps"_s, u"warnings"_s,
    u"saturation_drop"_s, u"oil_return"_s, u"flash_gas"_s, u"property_source"_s, u"tube_series"_s, u"pressure_rating"_s,
    u"glide"_s, u"raw"_s, u"pressure_drop_psi"_s, u"velocity_fps"_s, u"equivalent_length_ft"_s, u"saturation_drop_f"_s,
    u"mass_flow_lb_h"_s, u"density_lb_ft3"_s, u"viscosity_lb_ft_h"_s, u"reynolds"_s, u"friction_factor"_s,
    u"inside_diameter_in"_s, u"design_pressure_psig"_s, u"tube_rating_psig"_s, u"glide_evaporating_f"_s,
    u"glide_condensing_f"_s,
    // pressure_rating's own
    u"design_pressure"_s, u"tube_rating"_s, u"ok"_s};

TEST(SizeToolArguments, OptionsAndUsageErrors) {
  struct Row {
    std::vector<const char*> arguments;
    const char* error;  // empty: accepted
    bool json = false;
    const char* minimumCapacity = nullptr;
    int files = 0;
  };
  const Row rows[] = {
      {{"a.kst"}, "", false, nullptr, 1},
      {{"--json", "a.kst", "b.kst"}, "", true, nullptr, 2},
      {{"--min-capacity", "10", "a.kst"}, "", false, "10", 1},
      {{"--min-capacity=7.5", "--json", "a.kst"}, "", true, "7.5", 1},
      {{"--min-capacity", "-3", "a.kst"}, "", false, "-3", 1},  // the riser window has no lower bound either
      {{"--", "--json"}, "", false, nullptr, 1},                // a file named --json
      {{"--help"}, ""},
      {{}, "no project file given"},
      {{"--json"}, "no project file given"},
      {{"--min-capacity"}, "--min-capacity needs a value"},
      {{"--min-capacity", "ten", "a.kst"}, "--min-capacity needs a number, not \"ten\""},
      {{"--min-capacity", "10,5", "a.kst"}, "needs a number"},  // decimal point on every machine
      {{"--jsn", "a.kst"}, "unknown option \"--jsn\""},
      {{"-j", "a.kst"}, "unknown option \"-j\""},
      {{"--properties-source", "reference", "a.kst"}, "", false, nullptr, 1},
      {{"--properties-source", "tables", "a.kst"}, "is correlations or reference, not \"tables\""},
      {{"--fluid", "R32", "--json"}, "", true},
      {{"--tubes", "L", "--climate", "43", "a.kst"}, "", false, nullptr, 1},
      {{"--tubes", "EN12735-1", "a.kst"}, "", false, nullptr, 1},
      {{"--tubes", "ACR", "a.kst"}, "--tubes is K, L or EN12735-1, not \"ACR\""},
      {{"--climate", "35", "a.kst"}, "--climate is 32, 38 or 43, not \"35\""},
      {{"--climate", "32C", "a.kst"}, "--climate is 32, 38 or 43"},
      {{"--fluid", "r32"}, "--fluid does not know \"r32\" (R22, R134a, R407C, R404A, R410A, R32"},
      {{"--fluid", "R32", "a.kst"}, "--fluid prints a table and sizes no project file"},
      {{"--capacity-table", "--fluid", "R32", "--line", "liquid", "--units", "SI", "--tubes", "EN12735-1",
        "--condensing", "45", "--superheat", "5", "--subcool", "3", "--drop", "0.03"},
       ""},
      {{"--capacity-table", "--line", "suction"}, "--capacity-table needs --fluid NAME"},
      {{"--capacity-table", "--fluid", "R22"}, "--capacity-table needs --line suction|discharge|liquid"},
      {{"--capacity-table", "--fluid", "R22", "--line", "Suction"}, "--line is suction, discharge or liquid"},
      {{"--capacity-table", "--fluid", "R22", "--line", "liquid", "--units", "metric"}, "--units is IP or SI"},
      {{"--capacity-table", "--fluid", "R22", "--line", "liquid", "--tubes", "M"}, "--tubes is K, L or EN12735-1"},
      {{"--capacity-table", "--fluid", "R22", "--line", "liquid", "--drop", "two"}, "--drop needs a number"},
      {{"--capacity-table", "--fluid", "R22", "--line", "liquid", "--drop", "0"}, "drop must be above 0"},
      {{"--capacity-table", "--fluid", "R22", "--line", "liquid", "--condensing", "160"}, "80 to 150 F"},
      {{"--capacity-table", "--fluid", "R22", "--line", "liquid", "a.kst"}, "sizes no project file"},
      {{"--drop", "2", "a.kst"}, "--drop goes with --capacity-table"},
  };
  for (const Row& row : rows) {
    QStringList arguments;
    for (const char* a : row.arguments) arguments += QString::fromUtf8(a);
    SCOPED_TRACE(arguments.join(u' ').toStdString());
    const Outcome<SizeToolOptions> parsed = ParseSizeToolArguments(arguments);
    if (*row.error != '\0') {
      ASSERT_FALSE(parsed.ok());
      EXPECT_TRUE(parsed.refusal().message.contains(QString::fromUtf8(row.error)))
          << parsed.refusal().message.toStdString();
      continue;
    }
    ASSERT_TRUE(parsed.ok()) << parsed.refusal().message.toStdString();
    EXPECT_EQ(parsed.value().json, row.json);
    EXPECT_EQ(parsed.value().minimumCapacity,
              row.minimumCapacity ? std::optional(QString::fromUtf8(row.minimumCapacity)) : std::nullopt);
    EXPECT_EQ(parsed.value().files.size(), row.files);
  }
}

TEST(SizeToolJson, ResultLineHasTheDocumentedKeys) {
  const FileSizing sized = SizeProject(u"roof.kst"_s, SuctionProject(), std::nullopt);
  ASSERT_EQ(sized.exitStatus(), kExitSized);
  const QString line = SizingJson(sized, false);
  EXPECT_FALSE(line.contains(u'\n'));
  EXPECT_EQ(Keys(line), Sorted(kResultKeys));

  // The raw numbers read back exactly.
  EXPECT_EQ(JsonOf(line)[u"raw"_s][u"velocity_fps"_s].toDouble(), sized.calculation->sized()->evaluation.velocityFps);

  QStringList withRiser = kResultKeys;
  withRiser += u"riser"_s;
  EXPECT_EQ(Keys(SizingJson(sized, true)), Sorted(withRiser));
  EXPECT_TRUE(JsonOf(SizingJson(sized, true))[u"riser"_s].isNull());
}

// The glide as the main window shows it, and its raw numbers: none on the
// correlations, zero for a pure fluid, shown only for a blend.
TEST(SizeToolJson, GlideOfTheCaseWhereItsPropertiesTellBubbleFromDew) {
  const struct {
    const char* refrigerant;
    PropertySource properties;
    const char* glide;  // null: JSON null
    bool rawNumbers;
  } rows[] = {
      {"R22", PropertySource::Correlations, nullptr, false},
      {"R407C", PropertySource::Correlations, nullptr, false},
      {"R32", PropertySource::Reference, nullptr, true},
      {"R407C", PropertySource::Reference, "F evaporating, ", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.refrigerant);
    ProjectData project = SuctionProject();
    project.fields.refrigerant = QString::fromLatin1(row.refrigerant);
    const FileSizing sized = SizeProject(u"a.kst"_s, project, std::nullopt, ProjectFileLocale(), row.properties);
    ASSERT_EQ(sized.exitStatus(), kExitSized);
    const QJsonObject o = JsonOf(SizingJson(sized, false));
    if (row.glide)
      EXPECT_TRUE(o[u"glide"_s].toString().contains(QString::fromLatin1(row.glide)))
          << o[u"glide"_s].toString().toStdString();
    else
      EXPECT_TRUE(o[u"glide"_s].isNull());
    const QJsonObject raw = o[u"raw"_s].toObject();
    const std::optional<Glide> glide =
        GlideOf(*RefrigerantFromName(project.fields.refrigerant), row.properties, 40, 105);
    ASSERT_EQ(glide.has_value(), row.rawNumbers);
    EXPECT_EQ(raw[u"glide_evaporating_f"_s], glide ? QJsonValue(glide->evaporatingF) : QJsonValue());
    EXPECT_EQ(raw[u"glide_condensing_f"_s], glide ? QJsonValue(glide->condensingF) : QJsonValue());
  }
}

// kestrin-size --fluid: the glide of an evaporator whose dew point is the
// row's temperature; null where the correlations define none.
TEST(SizeToolFluid, GlideColumnAndKey) {
  const struct {
    Refrigerant refrigerant;
    PropertySource chosen;
    std::optional<double> leastK;
    double mostK;
  } rows[] = {
      {Refrigerant::R407C, PropertySource::Reference, 4.0, 7.5},
      {Refrigerant::R407C, PropertySource::Correlations, std::nullopt, 0},
      {Refrigerant::R290, PropertySource::Correlations, 0.0, 0.0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(RefrigerantName(row.refrigerant).toStdString());
    const SaturationTable table = SaturationTableOf(row.refrigerant, row.chosen);
    const QStringList lines = SaturationJson(table).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), qsizetype(table.rows.size()));
    for (const QString& line : lines) {
      EXPECT_EQ(Keys(line).size(), 11);
      const QJsonValue glide = JsonOf(line)[u"glide_k"_s];
      if (!row.leastK) {
        EXPECT_TRUE(glide.isNull());
        continue;
      }
      EXPECT_GE(glide.toDouble(-1), *row.leastK);
      EXPECT_LE(glide.toDouble(-1), row.mostK);
    }
    const QStringList text = SaturationText(table).split(u'\n');
    EXPECT_TRUE(text.at(text.indexOf(QRegularExpression(u" +t .*"_s))).endsWith(u"glide"_s));
  }
}

TEST(SizeToolJson, RefusedAndUnreadableFilesGiveNullResults) {
  ProjectData noCapacity = SuctionProject();
  noCapacity.fields.capacity.clear();
  ProjectData unknownLine = SuctionProject();
  unknownLine.fields.line = u"Hot gas"_s;
  FileSizing unreadable;
  unreadable.path = u"we\"ird\\name\n.kst"_s;
  unreadable.fileProblem = Refusal{u"cannot be read"_s};

  const struct {
    const char* name;
    FileSizing sizing;
    int exitStatus;
    const char* error;
    QJsonValue field;
    QJsonValue units;
  } rows[] = {
      {"check refused", SizeProject(u"a.kst"_s, noCapacity, std::nullopt), kExitRefused, "Data is not complete. ",
       u"Txtcapacity"_s, u"IP"_s},
      {"line not in the list", SizeProject(u"a.kst"_s, unknownLine, std::nullopt), kExitUnusable, "\"Hot gas\"",
       u"Cmbl"_s, u"IP"_s},
      {"unreadable", unreadable, kExitUnusable, "cannot be read", QJsonValue::Null, QJsonValue::Null},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.sizing.exitStatus(), row.exitStatus);
    const QString line = SizingJson(row.sizing, true);
    EXPECT_FALSE(line.contains(u'\n'));
    QStringList keys = kResultKeys.mid(0, 23);
    keys += u"riser"_s;
    EXPECT_EQ(Keys(line), Sorted(keys));
    const QJsonObject o = JsonOf(line);
    EXPECT_EQ(o[u"file"_s].toString(), row.sizing.path);
    EXPECT_FALSE(o[u"ok"_s].toBool());
    EXPECT_TRUE(o[u"error"_s].toString().contains(QString::fromUtf8(row.error))) << line.toStdString();
    EXPECT_EQ(o[u"field"_s], row.field);
    EXPECT_EQ(o[u"units"_s], row.units);
    for (const char* key : {"line_size", "velocity", "velocity_in_band", "traps", "saturation_drop", "oil_return",
                            "flash_gas", "pressure_rating", "raw", "riser"})
      EXPECT_TRUE(o[QString::fromLatin1(key)].isNull()) << key;
  }
}

TEST(SizeToolRiser, PartLoadRiserAsTheDoubleRiserWindowSizesIt) {
  ProjectData checking = WithRiser(SuctionProject(), u"20"_s);
  checking.fields.designDrop = u"2 1/8"_s;
  checking.mode = 1;
  ProjectData liquid = WithRiser(SuctionProject(), u"20"_s);
  liquid.fields.line = u"Liquid"_s;
  ProjectData si = WithRiser(SuctionProject(), u"6"_s);
  si.fields = {u"R22"_s, u"70"_s, u"5"_s, u"40"_s, u"5"_s, u"5"_s, u"Suction"_s, u"0.2"_s, u"30"_s, u"6"_s, u"0"_s};
  si.unit = 1;

  const struct {
    const char* name;
    ProjectData project;
    const char* minimum;
    bool offered;
    const char* error;  // empty: sized
  } rows[] = {
      {"suction riser", WithRiser(SuctionProject(), u"20"_s), "10", true, ""},
      {"no riser", SuctionProject(), "10", false, ""},
      {"liquid line", liquid, "10", false, ""},
      // The entry keeps 500 tons (1500 kW in SI), which no tube carries
      // at this design pressure drop; beyond that it is wiped.
      {"limit of the entry", WithRiser(SuctionProject(), u"20"_s), "500", true, "There is not any pipe size"},
      {"beyond the entry's limit", WithRiser(SuctionProject(), u"20"_s), "500.5", true, "Data is not complete. "},
      {"SI limit is 1500 kW", si, "1500", true, "There is not any pipe size"},
      {"SI beyond 1500 kW", si, "1500.5", true, "Data is not complete. "},
      {"SI part load", si, "20", true, ""},
      {"no minimum load", WithRiser(SuctionProject(), u"20"_s), "0", true, "minimum capacity"},
      // A checking-mode file has no design pressure drop of its own to size
      // the riser by; its line is checked all the same.
      {"checking mode", checking, "10", true, "The double riser is sized from a design-mode result"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const FileSizing sizing = SizeProject(u"a.kst"_s, row.project, QString::fromLatin1(row.minimum));
    ASSERT_NE(sizing.shown(), nullptr);
    ASSERT_EQ(sizing.riser.has_value(), row.offered);
    if (!row.offered) {
      EXPECT_EQ(sizing.exitStatus(), kExitSized);
      continue;
    }
    if (*row.error == '\0') {
      ASSERT_TRUE(sizing.riser->ok()) << sizing.riser->refusal().message.toStdString();
      EXPECT_EQ(sizing.exitStatus(), kExitSized);
      EXPECT_FALSE(sizing.riser->value().shown.lineSize.isEmpty());
    } else {
      ASSERT_FALSE(sizing.riser->ok());
      EXPECT_TRUE(sizing.riser->refusal().message.contains(QString::fromUtf8(row.error)))
          << sizing.riser->refusal().message.toStdString();
      EXPECT_EQ(sizing.exitStatus(), kExitRefused);
    }
  }
  // Without --min-capacity no riser is sized at all.
  EXPECT_FALSE(SizeProject(u"a.kst"_s, WithRiser(SuctionProject(), u"20"_s), std::nullopt).riser.has_value());
}

TEST(SizeToolLocale, FileNumbersReadTheSameWhateverTheUsersLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ProjectData decimals = SuctionProject();
  decimals.fields.capacity = u"20.5"_s;
  ProjectData commas = SuctionProject();
  commas.fields.capacity = u"20,5"_s;
  const FileSizing withPoint = SizeProject(u"a.kst"_s, decimals, std::nullopt);
  const FileSizing withComma = SizeProject(u"a.kst"_s, commas, std::nullopt);
  QLocale::setDefault(before);

  ASSERT_NE(withPoint.shown(), nullptr);
  EXPECT_TRUE(withPoint.shown()->totalPressureDrop.contains(u'.'));
  ASSERT_FALSE(withComma.shown());
  EXPECT_EQ(DesignFieldName(withComma.refusal()->field), u"Txtcapacity"_s);
}

int RunTool(const QStringList& arguments, QString* out, QString* err) {
  const Outcome<SizeToolOptions> options = ParseSizeToolArguments(arguments);
  if (!options.ok()) {
    *err = options.refusal().message;
    return kExitUnusable;
  }
  QTextStream outStream(out);
  QTextStream errStream(err);
  return RunSizeTool(options.value(), outStream, errStream);
}

TEST(SizeToolRun, AFileThatCannotBeReadIsToldOnTheErrorOutput) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString good = dir.filePath(u"good.kst"_s);
  ASSERT_EQ(SaveProjectFile(good, SuctionProject()), std::nullopt);
  const QString missing = dir.filePath(u"missing.kst"_s);

  QString out, err;
  EXPECT_EQ(RunTool({good, missing}, &out, &err), kExitUnusable);
  EXPECT_TRUE(out.contains(u"Line Size :"_s));
  EXPECT_FALSE(out.contains(u"missing.kst"_s));  // told on the error output instead
  EXPECT_TRUE(err.contains(u"missing.kst\" does not exist"_s)) << err.toStdString();
}

TEST(SizeToolRun, ReportsOfFilesWithOneNameAreRefusedBeforeAnyIsWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkpath(u"a"_s) && QDir(dir.path()).mkpath(u"b"_s));
  const QString first = dir.filePath(u"a/x.kst"_s);
  const QString second = dir.filePath(u"b/x.kst"_s);
  ASSERT_EQ(SaveProjectFile(first, SuctionProject()), std::nullopt);
  ASSERT_EQ(SaveProjectFile(second, SuctionProject()), std::nullopt);
  QString out, err;
  EXPECT_EQ(RunTool({u"--report"_s, dir.filePath(u"out.pdf"_s), first, second}, &out, &err), kExitUnusable);
  EXPECT_TRUE(err.contains(u"no report was written"_s)) << err.toStdString();
  EXPECT_TRUE(out.isEmpty());
  EXPECT_FALSE(QFile::exists(dir.filePath(u"out-x.pdf"_s)));
}

TEST(SizeToolRun, ATextThatCountsAsZeroIsWarnedAboutAndReadInTheLocaleAsked) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ProjectData german = SuctionProject();
  german.fields.additionalLoss = u"0,5"_s;
  const QString path = dir.filePath(u"german.kst"_s);
  ASSERT_EQ(SaveProjectFile(path, german), std::nullopt);

  QString out, err;
  EXPECT_EQ(RunTool({u"--json"_s, path}, &out, &err), kExitSized);
  EXPECT_TRUE(err.contains(u"german.kst: the additional loss \"0,5\" is not a number; it counts as 0"_s))
      << err.toStdString();
  const QJsonObject plain = JsonOf(out.trimmed());
  EXPECT_EQ(plain[u"warnings"_s].toArray().size(), 1);
  EXPECT_EQ(plain[u"total_pressure_drop"_s].toString(), u"0.93"_s);

  out.clear();
  err.clear();
  EXPECT_EQ(RunTool({u"--json"_s, u"--locale"_s, u"de_DE"_s, path}, &out, &err), kExitSized);
  EXPECT_TRUE(err.isEmpty()) << err.toStdString();
  const QJsonObject inGerman = JsonOf(out.trimmed());
  EXPECT_TRUE(inGerman[u"warnings"_s].toArray().isEmpty());
  EXPECT_EQ(inGerman[u"total_pressure_drop"_s].toString(), u"1,43"_s);

  EXPECT_EQ(RunTool({u"--locale"_s, u"xx_nowhere"_s, path}, &out, &err), kExitUnusable);
}

TEST(SizeToolArguments, EncodingMustBeACodePageQtKnows) {
  const Outcome<SizeToolOptions> known = ParseSizeToolArguments({u"--encoding"_s, u"windows-1251"_s, u"a.kst"_s});
  ASSERT_TRUE(known.ok()) << known.refusal().message.toStdString();
  EXPECT_EQ(known.value().encoding, u"windows-1251"_s);
  const Outcome<SizeToolOptions> unknown = ParseSizeToolArguments({u"--encoding"_s, u"no-such-page"_s, u"a.kst"_s});
  ASSERT_FALSE(unknown.ok());
  EXPECT_TRUE(unknown.refusal().message.contains(u"no-such-page"_s));
}

TEST(SizeToolArguments, EmptyTitleTextsBlankTheReportsAndNeedTheReport) {
  const Outcome<SizeToolOptions> blank =
      ParseSizeToolArguments({u"--report"_s, u"o.pdf"_s, u"--customer"_s, QString(), u"--note="_s, u"a.kst"_s});
  ASSERT_TRUE(blank.ok()) << blank.refusal().message.toStdString();
  EXPECT_EQ(blank.value().report->customer, QString());
  EXPECT_EQ(blank.value().report->note, QString());
  EXPECT_FALSE(blank.value().report->project.has_value());
  EXPECT_FALSE(ParseSizeToolArguments({u"--customer"_s, u"Acme"_s, u"a.kst"_s}).ok());
}

// The golden files show the output fields in both unit systems; these are
// the marks that only some cases show.
TEST(SizeToolText, MarksVelocityOutsideItsBandAndTellsARefusal) {
  ProjectData fast = SuctionProject();
  fast.fields.designDrop = u"1 1/8"_s;  // checking a tube too small for 20 tons
  fast.mode = 1;
  const FileSizing fastSizing = SizeProject(u"fast.kst"_s, fast, std::nullopt);
  ASSERT_NE(fastSizing.shown(), nullptr);
  ASSERT_EQ(fastSizing.shown()->velocityInBand, false) << fastSizing.shown()->velocity.toStdString();
  EXPECT_TRUE(SizingText(fastSizing).contains(u"(outside the recommended range)"_s));

  ProjectData noCapacity = SuctionProject();
  noCapacity.fields.capacity.clear();
  const QString refused = SizingText(SizeProject(u"a.kst"_s, noCapacity, std::nullopt));
  EXPECT_TRUE(refused.contains(u"error : Data is not complete. \n"_s));
  EXPECT_TRUE(refused.contains(u"flagged : Txtcapacity"_s));
  EXPECT_FALSE(refused.contains(u"Line Size"_s));
}

}  // namespace
}  // namespace kestrin
