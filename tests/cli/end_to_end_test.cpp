// Runs the built kestrin-size on the example project files and compares its
// output with the golden files. KESTRIN_UPDATE_GOLDEN=1 rewrites the golden
// files from the current output (check the numbers before keeping them).

#include "core/project/project_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kTool = QStringLiteral(KESTRIN_SIZE_TOOL);
const QString kExamples = QStringLiteral(KESTRIN_EXAMPLES_DIR);
const QString kGolden = QStringLiteral(KESTRIN_GOLDEN_DIR);

struct ToolRun {
  int exitStatus = -1;
  QString out;
  QString err;
};

ToolRun RunTool(const QStringList& arguments, const QString& folder) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(kTool, arguments);
  ToolRun run;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
    ADD_FAILURE() << "kestrin-size did not finish: " << process.errorString().toStdString();
    return run;
  }
  run.exitStatus = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

// Texts, booleans and nulls alike; numbers to a relative 1e-9, so that a
// different compiler's last bit does not count.
bool SameJson(const QJsonValue& actual, const QJsonValue& expected, const QString& where, QStringList* differences) {
  if (actual.isDouble() && expected.isDouble()) {
    const double a = actual.toDouble();
    const double e = expected.toDouble();
    if (std::abs(a - e) <= 1e-9 * std::max(std::abs(a), std::abs(e))) return true;
  } else if (actual.isObject() && expected.isObject()) {
    const QJsonObject a = actual.toObject();
    const QJsonObject e = expected.toObject();
    bool same = a.keys() == e.keys();
    if (!same) *differences += where + u": keys "_s + a.keys().join(u',') + u" instead of "_s + e.keys().join(u',');
    for (const QString& key : e.keys())
      if (a.contains(key)) same = SameJson(a[key], e[key], where + u'.' + key, differences) && same;
    return same;
  } else if (actual == expected) {
    return true;
  }
  *differences +=
      where + u": "_s + QString::fromUtf8(QJsonDocument(QJsonArray{actual}).toJson(QJsonDocument::Compact)) +
      u" instead of "_s + QString::fromUtf8(QJsonDocument(QJsonArray{expected}).toJson(QJsonDocument::Compact));
  return false;
}

QStringList Lines(const QString& text) {
  QStringList lines = text.split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

struct GoldenRun {
  const char* golden;  // in tests/cli/golden; .jsonl compares as JSON, anything else as text
  std::vector<const char*> arguments;
};

void PrintTo(const GoldenRun& run, std::ostream* os) { *os << run.golden; }

class GoldenOutput : public testing::TestWithParam<GoldenRun> {};

TEST_P(GoldenOutput, MatchesGoldenFile) {
  const GoldenRun& param = GetParam();
  QStringList arguments;
  for (const char* a : param.arguments) arguments += QString::fromUtf8(a);
  const ToolRun run = RunTool(arguments, kExamples);
  EXPECT_EQ(run.exitStatus, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

  const QString goldenPath = kGolden + u'/' + QString::fromUtf8(param.golden);
  if (qEnvironmentVariableIsSet("KESTRIN_UPDATE_GOLDEN")) {
    QFile file(goldenPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(run.out.toUtf8());
    GTEST_SKIP() << "golden file rewritten: " << goldenPath.toStdString();
  }
  QFile file(goldenPath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing golden file " << goldenPath.toStdString();
  const QString golden = QString::fromUtf8(file.readAll());
  ASSERT_FALSE(golden.trimmed().isEmpty()) << "empty golden file " << goldenPath.toStdString();

  if (!goldenPath.endsWith(u".jsonl"_s)) {
    EXPECT_EQ(run.out.toStdString(), golden.toStdString());
    return;
  }
  const QStringList actualLines = Lines(run.out);
  const QStringList goldenLines = Lines(golden);
  ASSERT_EQ(actualLines.size(), goldenLines.size()) << run.out.toStdString();
  for (qsizetype i = 0; i < goldenLines.size(); ++i) {
    QJsonParseError error;
    const QJsonDocument actual = QJsonDocument::fromJson(actualLines[i].toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << actualLines[i].toStdString();
    const QJsonDocument expected = QJsonDocument::fromJson(goldenLines[i].toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << goldenLines[i].toStdString();
    QStringList differences;
    EXPECT_TRUE(SameJson(actual.object(), expected.object(), u"line %1"_s.arg(i + 1), &differences))
        << differences.join(u'\n').toStdString();
  }
}

const GoldenRun kGoldenRuns[] = {
    {"suction-r22-ip-design.jsonl", {"--json", "suction-r22-ip-design.kst"}},
    {"discharge-r134a-ip-design.jsonl", {"--json", "discharge-r134a-ip-design.kst"}},
    {"liquid-r404a-ip-design.jsonl", {"--json", "liquid-r404a-ip-design.kst"}},
    {"suction-r407c-si-design.jsonl", {"--json", "suction-r407c-si-design.kst"}},
    {"suction-r22-ip-checking.jsonl", {"--json", "suction-r22-ip-checking.kst"}},
    {"discharge-r22-ip-riser.jsonl", {"--json", "discharge-r22-ip-riser.kst"}},
    {"suction-r22-ip-riser.jsonl", {"--json", "suction-r22-ip-riser.kst"}},
    {"risers-at-10-tons.jsonl",
     {"--json", "--min-capacity", "10", "discharge-r22-ip-riser.kst", "suction-r22-ip-riser.kst",
      "liquid-r404a-ip-design.kst"}},
    {"suction-r22-ip-design.txt", {"suction-r22-ip-design.kst"}},
    {"risers-at-10-tons.txt", {"--min-capacity", "10", "discharge-r22-ip-riser.kst", "suction-r22-ip-riser.kst"}},
    {"suction-r407c-si-design.txt", {"suction-r407c-si-design.kst"}},
    {"suction-r32-si-design.jsonl", {"--json", "suction-r32-si-design.kst"}},
    {"discharge-r410a-ip-riser.jsonl", {"--json", "--min-capacity", "5", "discharge-r410a-ip-riser.kst"}},
    {"liquid-r290-si-design.jsonl", {"--json", "liquid-r290-si-design.kst"}},
    {"reference-properties.jsonl",
     {"--json", "--properties-source", "reference", "suction-r22-ip-design.kst", "discharge-r134a-ip-design.kst",
      "liquid-r404a-ip-design.kst", "suction-r407c-si-design.kst"}},
    {"tubes-en12735-at-43.jsonl",
     {"--json", "--tubes", "EN12735-1", "--climate", "43", "--min-capacity", "5", "discharge-r410a-ip-riser.kst",
      "suction-r32-si-design.kst"}},
    {"tubes-type-l.txt", {"--tubes", "L", "discharge-r410a-ip-riser.kst", "liquid-r290-si-design.kst"}},
    {"suction-r454b-ip-riser.jsonl", {"--json", "--min-capacity", "1", "suction-r454b-ip-riser.kst"}},
    {"liquid-r448a-si-lift.jsonl", {"--json", "liquid-r448a-si-lift.kst"}},
    {"blends-text.txt", {"--min-capacity", "1", "suction-r454b-ip-riser.kst", "liquid-r448a-si-lift.kst"}},
    {"fluid-r32.jsonl", {"--fluid", "R32", "--json"}},
    {"fluid-r454b.jsonl", {"--fluid", "R454B", "--json"}},
    {"fluid-r448a.jsonl", {"--fluid", "R448A", "--json"}},
    {"fluid-r448a.txt", {"--fluid", "R448A"}},
    {"fluid-r410a.jsonl", {"--fluid", "R410A", "--json"}},
    {"fluid-r410a.txt", {"--fluid", "R410A"}},
    {"fluid-r22-correlations.jsonl", {"--fluid", "R22", "--json"}},
    {"capacity-r22-suction-type-l.txt", {"--capacity-table", "--fluid", "R22", "--line", "suction", "--tubes", "L"}},
    {"capacity-r32-discharge-si.jsonl",
     {"--capacity-table", "--fluid", "R32", "--line", "discharge", "--units", "SI", "--tubes", "EN12735-1", "--json"}},
    {"capacity-r410a-liquid-si.txt",
     {"--capacity-table", "--fluid", "R410A", "--line", "liquid", "--units", "SI", "--condensing", "45", "--subcool",
      "3"}},
};

std::string GoldenName(const testing::TestParamInfo<GoldenRun>& info) {
  std::string name = info.param.golden;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenOutput, testing::ValuesIn(kGoldenRuns), GoldenName);

TEST(GoldenOutputCoverage, EveryExampleHasItsGoldenRun) {
  std::set<QString> covered;
  for (const GoldenRun& run : kGoldenRuns)
    for (const char* a : run.arguments) covered.insert(QString::fromUtf8(a));
  const QStringList examples = QDir(kExamples).entryList({u"*.kst"_s}, QDir::Files);
  ASSERT_GE(examples.size(), 6);
  for (const QString& example : examples) EXPECT_TRUE(covered.count(example)) << example.toStdString();
}

// Project files made from an example, each with one line changed.
class ExitStatus : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QFile example(kExamples + u"/suction-r22-ip-design.kst"_s);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    good_ = example.readAll();
    Write(u"good.kst"_s, good_);
    Write(u"no capacity.kst"_s, QByteArray(good_).replace("\"R22\"\r\n\"20\"", "\"R22\"\r\n\"\""));
    Write(u"r12.kst"_s, QByteArray(good_).replace("\"R22\"", "\"R12\""));
    Write(u"metric word.kst"_s, QByteArray(good_).replace("\r\n0\r\n0\r\n0\r\n0\r\n", "\r\n0\r\nmetric\r\n0\r\n0\r\n"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(u"folder.kst"_s));
  }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir_;
  QByteArray good_;
};

TEST_F(ExitStatus, FollowsTheWorstFile) {
  const struct {
    const char* name;
    QStringList arguments;
    int exitStatus;
    const char* err;  // expected in the error output
  } rows[] = {
      {"every file sized", {u"good.kst"_s, u"good.kst"_s}, 0, ""},
      {"a check refused", {u"good.kst"_s, u"no capacity.kst"_s}, 1, ""},
      {"unknown refrigerant", {u"r12.kst"_s}, 2, "\"R12\""},
      {"unit system not a number", {u"metric word.kst"_s}, 2, "Line 38"},
      {"missing file", {u"absent.kst"_s}, 2, "absent.kst\" does not exist"},
      {"a folder", {u"folder.kst"_s}, 2, "folder.kst\" is a folder"},
      {"refused and unreadable", {u"no capacity.kst"_s, u"absent.kst"_s, u"good.kst"_s}, 2, "absent.kst"},
      {"no file", {u"--json"_s}, 2, "no project file given"},
      {"unknown option", {u"--pdf"_s, u"good.kst"_s}, 2, "unknown option \"--pdf\""},
      {"capacity table without its line", {u"--capacity-table"_s, u"--fluid"_s, u"R22"_s}, 2, "needs --line"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    for (const bool json : {false, true}) {
      QStringList arguments = row.arguments;
      if (json) arguments.prepend(u"--json"_s);
      const ToolRun run = RunTool(arguments, dir_.path());
      EXPECT_EQ(run.exitStatus, row.exitStatus) << run.out.toStdString() << run.err.toStdString();
      EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.err))) << run.err.toStdString();
    }
  }
}

TEST_F(ExitStatus, JsonGivesOneLinePerFileInTheOrderGiven) {
  const ToolRun run =
      RunTool({u"--json"_s, u"good.kst"_s, u"absent.kst"_s, u"no capacity.kst"_s, u"r12.kst"_s}, dir_.path());
  const QStringList lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
  const QString files[] = {u"good.kst"_s, u"absent.kst"_s, u"no capacity.kst"_s, u"r12.kst"_s};
  const bool ok[] = {true, false, false, false};
  for (int i = 0; i < 4; ++i) {
    const QJsonObject o = QJsonDocument::fromJson(lines[i].toUtf8()).object();
    EXPECT_EQ(o[u"file"_s].toString(), files[i]);
    EXPECT_EQ(o[u"ok"_s].toBool(), ok[i]);
  }
  EXPECT_EQ(QJsonDocument::fromJson(lines[3].toUtf8()).object()[u"field"_s].toString(), u"Cmbrt"_s);
}

// Cases no refrigeration system can have, written into project files: the
// error and the field on both outputs, exit status 1, and nothing sized.
TEST(ImpossibleCases, AreRefusedWithTheErrorAndTheField) {
  struct Row {
    const char* name;
    bool si;
    const char* refrigerant;  // R22 on its correlations, R410A on its reference equation
    void (*edit)(kestrin::ProjectData&);
    const char* field;  // empty: none
    const char* error;
  };
  const Row rows[] = {
      {"evaporating above condensing", false, "R22", [](auto& p) { p.fields.evaporating = u"120"_s; }, "Txtet",
       "The evaporating temperature must be below the condensing temperature."},
      {"SI evaporating above condensing", true, "R410A", [](auto& p) { p.fields.evaporating = u"45"_s; }, "Txtet",
       "The evaporating temperature must be below the condensing temperature."},
      {"negative superheat", false, "R22", [](auto& p) { p.fields.superheat = u"-20"_s; }, "Txtsh",
       "Superheat (F) must not be negative."},
      {"SI negative subcooling", true, "R410A", [](auto& p) { p.fields.subcool = u"-5"_s; }, "Txtsc",
       "Subcool (C) must not be negative."},
      {"negative line and riser", false, "R22",
       [](auto& p) {
         p.fields.totalLength = u"-10"_s;
         p.fields.riserLength = u"-80"_s;
       },
       "Txttll", "Total Line Length (Ft) must not be negative."},
      {"SI negative riser", true, "R410A", [](auto& p) { p.fields.riserLength = u"-5"_s; }, "Txtrl",
       "Riser Length (m) must not be negative."},
      {"negative additional loss", false, "R22", [](auto& p) { p.fields.additionalLoss = u"-1"_s; }, "Txtal",
       "Additional loss (psi) must not be negative."},
      {"condensing 5 F below critical", false, "R22", [](auto& p) { p.fields.condensing = u"200"_s; }, "Txtct",
       "The condensing temperature is too close to the critical temperature of R22 (205.1 F): lines are sized with "
       "condensing temperatures up to 196.1 F."},
      {"SI condensing near critical", true, "R410A", [](auto& p) { p.fields.condensing = u"70"_s; }, "Txtct",
       "The condensing temperature is too close to the critical temperature of R410A (71.3 C): lines are sized with "
       "condensing temperatures up to 66.3 C."},
      {"condensing above critical", false, "R404A", [](auto& p) { p.fields.condensing = u"170"_s; }, "Txtct",
       "critical temperature of R404A (161.8 F)"},
      {"suction gas above critical", false, "R22", [](auto& p) { p.fields.superheat = u"170"_s; }, "Txtsh",
       "The suction gas (evaporating temperature plus superheat) is above the critical temperature of R22 (205.1 F)."},
      {"SI liquid below -51.1 C", true, "R410A", [](auto& p) { p.fields.subcool = u"95"_s; }, "Txtsc",
       "is colder than -51.1 C"},
      {"a line of 1e308 ft, checking", false, "R22",
       [](auto& p) {
         p.fields.totalLength = u"1e308"_s;
         p.fields.designDrop = u"1 1/8"_s;
         p.mode = 1;
       },
       "", "The line cannot be sized with this data: the pressure drop is too large to calculate or show."},
      {"SI fittings longer than the line", true, "R410A", [](auto& p) { p.fittingCounts[0] = u"-100"_s; }, "",
       "the equivalent length of 1/2 is below 0"},
  };
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    kestrin::ProjectData p;
    p.fields = row.si ? kestrin::MainFieldTexts{u""_s,        u"70"_s,   u"5"_s,  u"40"_s, u"5"_s, u"5"_s,
                                                u"Suction"_s, u"0.15"_s, u"30"_s, u"6"_s,  u"0"_s}
                      : kestrin::MainFieldTexts{u""_s,        u"20"_s, u"40"_s,  u"105"_s, u"10"_s, u"10"_s,
                                                u"Suction"_s, u"2"_s,  u"100"_s, u"20"_s,  u"0"_s};
    p.fields.refrigerant = QString::fromLatin1(row.refrigerant);
    p.unit = row.si ? 1 : 0;
    row.edit(p);
    QFile file(dir.filePath(u"case.kst"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(kestrin::WriteProject(p));
    file.close();

    const ToolRun json = RunTool({u"--json"_s, u"case.kst"_s}, dir.path());
    EXPECT_EQ(json.exitStatus, 1) << json.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_FALSE(o[u"ok"_s].toBool());
    EXPECT_TRUE(o[u"error"_s].toString().contains(QString::fromUtf8(row.error))) << json.out.toStdString();
    EXPECT_EQ(o[u"field"_s].toString(), QString::fromLatin1(row.field));
    EXPECT_TRUE(o[u"total_pressure_drop"_s].isNull());

    const ToolRun text = RunTool({u"case.kst"_s}, dir.path());
    EXPECT_EQ(text.exitStatus, 1);
    EXPECT_TRUE(text.out.contains(u"  error : "_s) && text.out.contains(QString::fromUtf8(row.error)))
        << text.out.toStdString();
    EXPECT_EQ(text.out.contains(u"  flagged : "_s + QString::fromLatin1(row.field) + u'\n'), *row.field != '\0')
        << text.out.toStdString();
    EXPECT_FALSE(text.out.contains(u"Total Pressure Drop"_s));
  }
}

// The part-load riser of a checking-mode file: refused with its reason,
// while the checked line itself is shown as before.
TEST(ImpossibleCases, PartLoadRiserOfACheckingModeFileIsRefused) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile example(kExamples + u"/suction-r22-ip-checking.kst"_s);
  ASSERT_TRUE(example.open(QIODevice::ReadOnly));
  QFile file(dir.filePath(u"checking.kst"_s));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(example.readAll().replace("\"100\"\r\n\"0\"", "\"100\"\r\n\"20\""));
  file.close();
  const ToolRun run = RunTool({u"--json"_s, u"--min-capacity"_s, u"5"_s, u"checking.kst"_s}, dir.path());
  const ToolRun plain = RunTool({u"--json"_s, u"checking.kst"_s}, dir.path());
  EXPECT_EQ(plain.exitStatus, 0);
  EXPECT_EQ(run.exitStatus, 1);
  QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
  const QJsonObject riser = o.take(u"riser"_s).toObject();
  EXPECT_FALSE(riser[u"ok"_s].toBool());
  EXPECT_EQ(riser[u"error"_s].toString(),
            u"The double riser is sized from a design-mode result: calculate the line in design mode, then size the "
            u"part-load riser."_s);
  EXPECT_EQ(o, QJsonDocument::fromJson(plain.out.toUtf8()).object());
}

TEST(Help, DocumentsUsageOptionsAndExitStatus) {
  const ToolRun run = RunTool({u"--help"_s}, kExamples);
  EXPECT_EQ(run.exitStatus, 0);
  for (const char* expected : {"Usage: kestrin-size [--json] [--min-capacity VALUE] FILE.kst...", "--json",
                               "--min-capacity VALUE", "Exit status:", "  0 ", "  1 ", "  2 "})
    EXPECT_TRUE(run.out.contains(QString::fromUtf8(expected))) << expected;
  EXPECT_TRUE(run.err.isEmpty());
}

}  // namespace
