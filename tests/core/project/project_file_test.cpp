#include "core/project/project_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ostream>
#include <string>
#include <vector>

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

using namespace Qt::StringLiterals;

namespace kestrin {

void PrintTo(const ProjectData& project, std::ostream* os) { *os << '\n' << WriteProject(project).toStdString(); }

namespace {

// The lines of a file, each ended by `lineEnd`.
QByteArray FileOf(const std::vector<std::string>& lines, const char* lineEnd = "\r\n") {
  QByteArray bytes;
  for (const std::string& line : lines) {
    bytes += QByteArray::fromStdString(line);
    bytes += lineEnd;
  }
  return bytes;
}

UnitCaptions DesignCaptionsIP() {
  return {u"System Capacity (tons) :"_s,
          u"Evaporating Temperature (F) :"_s,
          u"Condensing Temperature (F) :"_s,
          u"Superheat (F) :"_s,
          u"Subcool (F) :"_s,
          u"Design Pressure Drop (psi) :"_s,
          u"Total Line Length (Ft) :"_s,
          u"Riser Length (Ft) :"_s,
          u"Additional loss (psi) :"_s,
          u"PSI"_s,
          u"FPS"_s,
          u"Ft "_s};
}

// A suction line in IP design mode: some fittings stored, a customer but no
// project, a one-line note.
ProjectData SuctionProject() {
  ProjectData p;
  p.fields = {u"R22"_s, u"20"_s, u"40"_s, u"105"_s, u"10"_s, u"10"_s, u"Suction"_s, u"2"_s, u"100"_s, u"12"_s, u"0"_s};
  p.fittingCounts = {u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"6"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s};
  p.customer = u"Harbour Cold Store"_s;
  p.note = u"Roof unit 3"_s;
  p.captions = DesignCaptionsIP();
  return p;
}

const char kSuctionFile[] =
    "\"R22\"\r\n\"20\"\r\n\"40\"\r\n\"105\"\r\n\"10\"\r\n\"10\"\r\n\"Suction\"\r\n\"2\"\r\n\"100\"\r\n\"12\"\r\n\"0\"\r"
    "\n"
    "\"1\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"6\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"1\"\r\n"
    "\"Harbour Cold Store\"\r\n\r\n\"Roof unit 3\"\r\n"
    "\"System Capacity (tons) :\"\r\n\"Evaporating Temperature (F) :\"\r\n\"Condensing Temperature (F) :\"\r\n"
    "\"Superheat (F) :\"\r\n\"Subcool (F) :\"\r\n\"Design Pressure Drop (psi) :\"\r\n\"Total Line Length (Ft) :\"\r\n"
    "\"Riser Length (Ft) :\"\r\n\"Additional loss (psi) :\"\r\n\"PSI\"\r\n\"FPS\"\r\n\"Ft \"\r\n"
    "0\r\n0\r\n0\r\n0\r\n";

// The 40 lines of the suction file, to be edited one at a time.
std::vector<std::string> SuctionLines() {
  std::vector<std::string> lines;
  const std::string file = kSuctionFile;
  for (size_t start = 0; start < file.size();) {
    const size_t end = file.find("\r\n", start);
    lines.push_back(file.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(ProjectFileWriter, WritesEveryValueOnItsOwnLineInFileOrder) {
  EXPECT_EQ(WriteProject(SuctionProject()), QByteArray(kSuctionFile));
}

TEST(ProjectFileReader, ReadsWrittenFileBackIntoItsValues) {
  const Outcome<ProjectData> read = ReadProject(kSuctionFile);
  ASSERT_TRUE(read.ok()) << read.refusal().message.toStdString();
  EXPECT_EQ(read.value(), SuctionProject());
}

TEST(ProjectFile, RoundTripIsByteForByte) {
  ProjectData checkingSI = SuctionProject();
  checkingSI.fields = {u"R407C"_s,     u"70"_s,    u"5"_s,  u"45"_s, u"5"_s,  u"5"_s,
                       u"Discharge"_s, u"1 3/8"_s, u"30"_s, u"8"_s,  u"0.1"_s};
  checkingSI.customer = u""_s;
  checkingSI.project = u"Müller Kälte, Halle 2"_s;
  checkingSI.note = u"first line\nsecond line\n\nafter a blank line"_s;
  checkingSI.previousUnit = 0;
  checkingSI.unit = 1;
  checkingSI.previousMode = 1;
  checkingSI.mode = 1;

  const std::vector<std::pair<const char*, ProjectData>> cases = {
      {"suction, IP design", SuctionProject()},
      {"discharge, SI checking, multi-line note", checkingSI},
  };
  for (const auto& [name, project] : cases) {
    SCOPED_TRACE(name);
    const QByteArray bytes = WriteProject(project);
    const Outcome<ProjectData> read = ReadProject(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), project);
    EXPECT_EQ(WriteProject(read.value()), bytes);
  }
}

// How one line reads, seen on line 22 (the customer, an optional text)
// between a set line 21 and a set line 23 that must keep their places.
TEST(ProjectFileReader, ReadingRuleOfOneLine) {
  struct Row {
    const char* line;
    std::optional<QString> customer;
  };
  const Row rows[] = {
      {"\"Harbour\"", u"Harbour"_s},
      {"   \"Harbour\"", u"Harbour"_s},  // leading blanks skipped
      {"\t \"Harbour\"", u"Harbour"_s},
      {"\"  padded  \"", u"  padded  "_s},  // blanks inside quotes kept
      {"Harbour", u"Harbour"_s},            // unquoted text
      {"Harbour   ", u"Harbour"_s},
      {"Harbour, North", u"Harbour"_s},             // unquoted runs to the comma
      {"\"Harbour, North\"", u"Harbour, North"_s},  // a quoted comma is text
      {"\"Harbour\", \"North\"", u"Harbour"_s},     // the rest of the line is passed over
      {"\"Shop \"North\"\"", u"Shop "_s},           // a quote ends the text
      {"\"\"", u""_s},                              // set and empty
      {"", std::nullopt},                           // unset
      {"    ", std::nullopt},
      {",Harbour", std::nullopt},
      {"\"Harbour", u"Harbour"_s},  // no closing quote: ends with its line
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    std::vector<std::string> lines = SuctionLines();
    lines[22] = "\"Project X\"";
    lines[21] = row.line;
    const Outcome<ProjectData> read = ReadProject(FileOf(lines));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().customer, row.customer);
    EXPECT_EQ(read.value().fittingCounts[9], u"1"_s);
    EXPECT_EQ(read.value().project, u"Project X"_s);
    EXPECT_EQ(read.value().note, u"Roof unit 3"_s);
  }
}

TEST(ProjectFileReader, ShortAndMalformedFiles) {
  const auto withLines = [](const std::vector<std::pair<int, std::string>>& changes) {
    std::vector<std::string> lines = SuctionLines();
    for (const auto& [line, text] : changes) lines[line - 1] = text;
    return FileOf(lines);
  };
  const auto firstLines = [](size_t count) {
    std::vector<std::string> lines = SuctionLines();
    lines.resize(count);
    return FileOf(lines);
  };
  ProjectData refrigerantOnly;
  refrigerantOnly.fields.refrigerant = u"R22"_s;
  ProjectData mainFieldsOnly;
  mainFieldsOnly.fields = SuctionProject().fields;
  ProjectData throughNote = SuctionProject();
  throughNote.captions = {};
  ProjectData siChecking = SuctionProject();
  siChecking.unit = 7;
  siChecking.mode = -1;
  ProjectData quotedNumbers = SuctionProject();
  quotedNumbers.unit = 1;

  struct Row {
    const char* name;
    QByteArray bytes;
    std::optional<ProjectData> expected;  // nothing: refused
    const char* refusalNames = "";
  };
  const Row rows[] = {
      {"empty file", QByteArray(), ProjectData{}},
      {"only the refrigerant", "\"R22\"\r\n", refrigerantOnly},
      {"no line end after the last value", "\"R22\"", refrigerantOnly},
      {"ends after line 11", firstLines(11), mainFieldsOnly},
      {"ends after line 24", firstLines(24), throughNote},
      {"LF line ends", FileOf(SuctionLines(), "\n"), SuctionProject()},
      {"lone CR line ends", FileOf(SuctionLines(), "\r"), SuctionProject()},
      {"lines after line 40", QByteArray(kSuctionFile) + "\"extra\"\r\n5\r\n", SuctionProject()},
      {"previous unit and mode not numbers", withLines({{37, "\"x\""}, {39, "2.5"}}), SuctionProject()},
      {"any whole number for unit and mode", withLines({{38, "7"}, {40, " -1"}}), siChecking},
      {"quoted whole number", withLines({{38, "\"1\""}}), quotedNumbers},
      {"unit not a number", withLines({{38, "\"SI\""}}), std::nullopt, "Line 38"},
      {"mode with decimals", withLines({{40, "1.5"}}), std::nullopt, "Line 40"},
      {"unit far beyond any whole number", withLines({{38, "99999999999999999999"}}), std::nullopt, "Line 38"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome<ProjectData> read = ReadProject(row.bytes);
    if (row.expected) {
      ASSERT_TRUE(read.ok()) << read.refusal().message.toStdString();
      EXPECT_EQ(read.value(), *row.expected);
    } else {
      ASSERT_FALSE(read.ok());
      EXPECT_TRUE(read.refusal().message.contains(QLatin1String(row.refusalNames)))
          << read.refusal().message.toStdString();
    }
  }
}

TEST(ProjectFile, NoteWithLineBreaksKeepsLaterValuesInPlace) {
  ProjectData project = SuctionProject();
  project.note = u"first\nsecond\r\nthird\rfourth"_s;
  const QByteArray bytes = WriteProject(project);
  EXPECT_TRUE(bytes.contains("\r\n\"first\r\nsecond\r\nthird\r\nfourth\"\r\n\"System Capacity (tons) :\"\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), kProjectValueCount + 3);

  const Outcome<ProjectData> read = ReadProject(bytes);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value().note, u"first\nsecond\nthird\nfourth"_s);
  EXPECT_EQ(read.value().captions, project.captions);
  EXPECT_EQ(read.value().mode, 0);

  // A refused value further down is told by the line it stands on.
  std::vector<std::string> lines = SuctionLines();
  lines[23] = "\"first\r\nsecond\r\nthird\"";
  lines[37] = "metric";
  const Outcome<ProjectData> refused = ReadProject(FileOf(lines));
  ASSERT_FALSE(refused.ok());
  EXPECT_TRUE(refused.refusal().message.startsWith(u"Line 40 holds the unit system"_s))
      << refused.refusal().message.toStdString();
}

TEST(ProjectFile, NoteOverSeveralLinesReadsBackWholeEvenWithQuotes) {
  ProjectData project = SuctionProject();
  project.unit = 1;
  project.mode = 1;
  const QString notes[] = {
      u"He said \"urgent\"\n\"Second\" line\nends with a \"quote\""_s,
      u"\"\n\""_s,
      u"trailing break\n"_s,
  };
  for (const QString& note : notes) {
    SCOPED_TRACE(note.toStdString());
    project.note = note;
    for (const QByteArray& bytes : {WriteProject(project), WriteProject(project) + "\r\n\r\n"}) {
      const Outcome<ProjectData> read = ReadProject(bytes);
      ASSERT_TRUE(read.ok()) << read.refusal().message.toStdString();
      EXPECT_EQ(read.value(), project);
    }
  }
}

TEST(ProjectFile, LineBreakInAOneLineTextIsWrittenAsABlank) {
  ProjectData project = SuctionProject();
  project.customer = u"Harbour\r\nCold\nStore"_s;
  const Outcome<ProjectData> read = ReadProject(WriteProject(project));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value().customer, u"Harbour Cold Store"_s);
  EXPECT_EQ(read.value().note, project.note);
}

TEST(ProjectFile, TextWithDoubleQuoteIsWrittenUnchangedAndDoesNotReadBackWhole) {
  ProjectData project = SuctionProject();
  project.customer = u"Shop \"North\" Ltd"_s;
  project.project = u"Line 2"_s;
  const QByteArray bytes = WriteProject(project);
  EXPECT_TRUE(bytes.contains("\r\n\"Shop \"North\" Ltd\"\r\n\"Line 2\"\r\n"));

  const Outcome<ProjectData> read = ReadProject(bytes);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value().customer, u"Shop "_s);
  EXPECT_EQ(read.value().project, u"Line 2"_s);
  EXPECT_EQ(read.value().note, project.note);
}

TEST(ProjectFile, SavedRightAfterStartUpLeavesCountsAndTitlesUnset) {
  UnitCaptions startUp = DesignCaptionsIP();
  startUp[9] = u"PSI "_s;  // the window's own design, before any unit change
  startUp[11] = u"Ft"_s;
  const QByteArray bytes = WriteProject(ProjectFromSession(SessionState{}, MainFieldTexts{}, startUp));

  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), kProjectValueCount + 1);
  for (int line = 1; line <= 11; ++line) EXPECT_EQ(lines[line - 1], "\"\"\r") << "line " << line;
  for (int line = 12; line <= 23; ++line) EXPECT_EQ(lines[line - 1], "\r") << "line " << line;
  EXPECT_EQ(lines[23], "\"\"\r");
  EXPECT_EQ(lines[33], "\"PSI \"\r");
  for (int line = 37; line <= 40; ++line) EXPECT_EQ(lines[line - 1], "0\r") << "line " << line;

  const Outcome<ProjectData> read = ReadProject(bytes);
  ASSERT_TRUE(read.ok());
  for (const std::optional<QString>& count : read.value().fittingCounts) EXPECT_FALSE(count.has_value());
  EXPECT_FALSE(read.value().customer.has_value());
  EXPECT_FALSE(read.value().project.has_value());
  EXPECT_EQ(read.value().note, QString());
}

TEST(ProjectFile, SessionValuesGoToTheirLines) {
  SessionState session;
  session.unit = UnitSystem::SI;
  session.unitHistory = UnitSystem::SI;
  session.mode = WorkingMode::Checking;
  session.modeHistory = WorkingMode::Design;
  session.fittingCounts[3] = u"2"_s;
  session.project = u"Dairy"_s;
  session.note = u"n"_s;
  session.riserOutput1 = u"1 1/8"_s;  // results are not stored

  const ProjectData project = ProjectFromSession(session, SuctionProject().fields, DesignCaptionsIP());
  EXPECT_EQ(project.fittingCounts[3], u"2"_s);
  EXPECT_FALSE(project.fittingCounts[0].has_value());
  EXPECT_FALSE(project.customer.has_value());
  EXPECT_EQ(project.project, u"Dairy"_s);
  EXPECT_EQ((std::array{project.previousUnit, project.unit, project.previousMode, project.mode}),
            (std::array{1, 1, 0, 1}));

  SessionState opened;
  opened.unitHistory = UnitSystem::IP;
  ApplyProjectToSession(project, opened);
  EXPECT_EQ(opened.unit, UnitSystem::SI);
  EXPECT_EQ(opened.unitHistory, UnitSystem::SI);
  EXPECT_EQ(opened.mode, WorkingMode::Checking);
  EXPECT_EQ(opened.modeHistory, WorkingMode::Checking);
  EXPECT_EQ(opened.fittingCounts, session.fittingCounts);
  EXPECT_EQ(opened.project, session.project);
  EXPECT_EQ(opened.note, u"n"_s);
}

TEST(ProjectFile, ShownCaptionsFollowUnitSystemAndMode) {
  EXPECT_EQ(ShownCaptions(UnitSystem::IP, WorkingMode::Design), DesignCaptionsIP());
  const UnitCaptions si = ShownCaptions(UnitSystem::SI, WorkingMode::Checking);
  EXPECT_EQ(si[0], u"System Capacity (kw) :"_s);
  EXPECT_EQ(si[5], u"Line size: (OD diameter)"_s);
  EXPECT_EQ(si[9], u"bar"_s);
  EXPECT_EQ(si[11], u"m "_s);
}

TEST(ProjectFileEncoding, ReadsUtf8AndFallsBackToLatin1) {
  const struct {
    const char* name;
    QByteArray line1;
    QString refrigerant;
  } rows[] = {
      {"UTF-8", "\"M\xC3\xBCller\"", u"Müller"_s},
      {"Latin-1", "\"M\xFCller\"", u"Müller"_s},
      {"UTF-8 with a byte order mark", "\xEF\xBB\xBF\"R22\"", u"R22"_s},
      {"UTF-8 cut off in its last character", "\"ab\xC3", u"ab\u00C3"_s},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome<ProjectData> read = ReadProject(row.line1);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().fields.refrigerant, row.refrigerant);
  }
  ProjectData project;
  project.note = u"Müller"_s;
  EXPECT_TRUE(WriteProject(project).contains("\"M\xC3\xBCller\"\r\n"));
}

TEST(ProjectFileApplies, RefrigerantAndLineMustBeEntriesOfTheirLists) {
  const struct {
    const char* refrigerant;
    const char* line;
    const char* flagged;  // empty: applies
  } rows[] = {
      {"", "", ""},
      {"R22", "Suction", ""},
      {"R134a", "Discharge", ""},
      {"R407C", "Liquid", ""},
      {"R404A", "", ""},
      {"R12", "Suction", "Cmbrt"},
      {"r22", "Suction", "Cmbrt"},
      {"R22 ", "Suction", "Cmbrt"},
      {"R22", "suction", "Cmbl"},
      {"R22", "Hot gas", "Cmbl"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.refrigerant) + " / " + row.line);
    ProjectData project;
    project.fields.refrigerant = QString::fromLatin1(row.refrigerant);
    project.fields.line = QString::fromLatin1(row.line);
    const std::optional<Refusal> refusal = CheckProjectApplies(project);
    if (*row.flagged == '\0') {
      EXPECT_FALSE(refusal.has_value());
    } else {
      ASSERT_TRUE(refusal.has_value());
      EXPECT_EQ(DesignFieldName(refusal->field), QLatin1String(row.flagged));
      const QString named = row.flagged == std::string("Cmbrt") ? project.fields.refrigerant : project.fields.line;
      EXPECT_TRUE(refusal->message.contains(u'"' + named + u'"')) << refusal->message.toStdString();
    }
  }
}

TEST(ProjectFileOnDisk, ExampleProjectsReadAndWriteBackByteForByte) {
  const QStringList examples = QDir(QStringLiteral(KESTRIN_EXAMPLES_DIR)).entryList({u"*.kst"_s}, QDir::Files);
  ASSERT_FALSE(examples.isEmpty());
  for (const QString& name : examples) {
    SCOPED_TRACE(name.toStdString());
    QFile file(QStringLiteral(KESTRIN_EXAMPLES_DIR) + u'/' + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const Outcome<ProjectData> read = ReadProject(bytes);
    ASSERT_TRUE(read.ok()) << read.refusal().message.toStdString();
    EXPECT_EQ(CheckProjectApplies(read.value()), std::nullopt);
    EXPECT_EQ(WriteProject(read.value()), bytes);
  }
}

TEST(ProjectFileOnDisk, SavesAndReadsBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(u"roof unit.kst"_s);
  ASSERT_EQ(SaveProjectFile(path, SuctionProject()), std::nullopt);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray(kSuctionFile));

  ProjectData changed = SuctionProject();
  changed.fields.capacity = u"25"_s;
  ASSERT_EQ(SaveProjectFile(path, changed), std::nullopt);  // replaces the file
  const Outcome<ProjectData> read = ReadProjectFile(path);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value(), changed);
}

TEST(ProjectFileOnDisk, RefusesWhatCannotBeReadOrWrittenNamingTheFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString missing = dir.filePath(u"missing.kst"_s);
  const QString badUnit = dir.filePath(u"bad unit.kst"_s);
  const QString huge = dir.filePath(u"huge.kst"_s);
  {
    std::vector<std::string> lines = SuctionLines();
    lines[37] = "SI";
    QFile file(badUnit);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(FileOf(lines));
    QFile big(huge);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(kLargestProjectFileBytes + 1, '\n'));
  }
  for (const QString& path : {missing, dir.path(), badUnit, huge}) {
    SCOPED_TRACE(path.toStdString());
    const Outcome<ProjectData> read = ReadProjectFile(path);
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.refusal().message.contains(QDir::toNativeSeparators(path)))
        << read.refusal().message.toStdString();
  }
  EXPECT_TRUE(ReadProjectFile(badUnit).refusal().message.contains(u"Line 38"_s));

  const std::optional<QString> notSaved = SaveProjectFile(dir.filePath(u"no such folder/a.kst"_s), SuctionProject());
  ASSERT_TRUE(notSaved.has_value());
  EXPECT_TRUE(notSaved->contains(u"a.kst"_s));
}

}  // namespace
}  // namespace kestrin
