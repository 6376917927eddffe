#include "core/project/project_file.h"
#include "core/project/quoted_file_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <future>
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
    "0\r\n0\r\n0\r\n0\r\n\"K\"\r\n32\r\n";

// The 42 lines of the suction file, to be edited one at a time.
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
      {"lines after line 42", QByteArray(kSuctionFile) + "\"extra\"\r\n5\r\n", SuctionProject()},
      {"a file of 40 values, as written before the tube series", firstLines(40), SuctionProject()},
      {"tube series unset", withLines({{41, ""}}), SuctionProject()},
      {"tube series not known", withLines({{41, "\"M\""}}), std::nullopt, "Line 41 holds the tube series"},
      {"tube series in lower case", withLines({{41, "\"l\""}}), std::nullopt, "Line 41"},
      {"climate not known", withLines({{42, "35"}}), std::nullopt, "Line 42 holds the design climate"},
      {"climate not a number", withLines({{42, "\"hot\""}}), std::nullopt, "Line 42"},
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

// Lines 41 and 42 carry the tube series and the climate; a file that ends
// at line 40, as every file written before them does, is Type K at 32 C
// whether its note has one line or several, and the values after a note of
// several lines keep their places in both.
TEST(ProjectFile, TubeSeriesAndClimateFollowTheFortyValuesOfEarlierFiles) {
  const QString notes[] = {u"one line"_s, u"first\nsecond"_s, u"first\n\"quoted\"\nthird\n"_s};
  for (const QString& note : notes) {
    SCOPED_TRACE(note.toStdString());
    ProjectData project = SuctionProject();
    project.note = note;
    project.unit = 1;
    project.mode = 1;
    project.tubes = {TubeSeries::EN12735, DesignClimate::UpTo43C};
    const QByteArray bytes = WriteProject(project);
    EXPECT_TRUE(bytes.endsWith("\r\n1\r\n0\r\n1\r\n\"EN12735-1\"\r\n43\r\n"));
    const Outcome<ProjectData> read = ReadProject(bytes);
    ASSERT_TRUE(read.ok()) << read.refusal().message.toStdString();
    EXPECT_EQ(read.value(), project);

    const QByteArray earlier = bytes.first(bytes.size() - static_cast<qsizetype>(qstrlen("\"EN12735-1\"\r\n43\r\n")));
    const Outcome<ProjectData> readEarlier = ReadProject(earlier);
    ASSERT_TRUE(readEarlier.ok()) << readEarlier.refusal().message.toStdString();
    ProjectData asTypeK = project;
    asTypeK.tubes = TubeChoice{};
    EXPECT_EQ(readEarlier.value(), asTypeK);
    EXPECT_EQ(WriteProject(readEarlier.value()).count("\r\n"), bytes.count("\r\n"));
  }
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

// A quote that never closes ends with its line, on the note's line as on any
// other: the values after it keep their lines and the file keeps its units.
TEST(ProjectFileReader, UnclosedQuoteEndsWithItsLine) {
  ProjectData project = SuctionProject();
  project.fields = {u"R407C"_s,     u"70"_s,    u"5"_s,  u"45"_s, u"5"_s,  u"5"_s,
                    u"Discharge"_s, u"1 3/8"_s, u"30"_s, u"8"_s,  u"0.1"_s};
  project.project = u"Dairy"_s;
  project.note = u"Pipe note"_s;
  project.captions = ShownCaptions(UnitSystem::SI, WorkingMode::Checking);
  project.previousUnit = 1;
  project.unit = 1;
  project.previousMode = 1;
  project.mode = 1;
  std::vector<std::string> written;
  for (const QByteArray& line : WriteProject(project).split('\n'))
    if (!line.isEmpty()) written.push_back(line.chopped(1).toStdString());
  ASSERT_EQ(written.size(), static_cast<size_t>(kProjectValueCount));

  for (int line = 22; line <= 36; ++line) {
    SCOPED_TRACE("line " + std::to_string(line));
    std::vector<std::string> lines = written;
    ASSERT_EQ(lines[line - 1].back(), '"');
    lines[line - 1].pop_back();
    const Outcome<ProjectData> read = ReadProject(FileOf(lines));
    ASSERT_TRUE(read.ok()) << read.refusal().message.toStdString();
    EXPECT_EQ(read.value(), project);
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
  EXPECT_EQ(lines[40], "\"K\"\r");
  EXPECT_EQ(lines[41], "32\r");

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

TEST(ProjectFileEncoding, ReadsUtf8ElseTheCodePageGiven) {
  const struct {
    const char* name;
    QByteArray line1;
    const char* codePage;
    QString refrigerant;
  } rows[] = {
      {"UTF-8", "\"M\xC3\xBCller\"", "windows-1256", u"Müller"_s},
      {"UTF-8 with a byte order mark", "\xEF\xBB\xBF\"R22\"", "windows-1251", u"R22"_s},
      {"Western", "\"M\xFCller\"", "windows-1252", u"Müller"_s},
      {"Western quote marks", "\"\x93Roof\x94 unit\"", "windows-1252", u"“Roof” unit"_s},
      {"Persian", "\"\xD4\xD1\x98\xCA\x20\xCA\xE5\xD1\xC7\xE4\"", "windows-1256", u"شرکت تهران"_s},
      {"Cyrillic", "\"\xCC\xEE\xF1\xEA\xE2\xE0\"", "windows-1251", u"Москва"_s},
      {"UTF-8 cut off in its last character", "\"ab\xC3", "windows-1252", u"ab\u00C3"_s},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome<ProjectData> read = ReadProject(row.line1, QLatin1String(row.codePage));
    ASSERT_TRUE(read.ok()) << read.refusal().message.toStdString();
    EXPECT_EQ(read.value().fields.refrigerant, row.refrigerant);
  }
  ProjectData project;
  project.note = u"Müller"_s;
  EXPECT_TRUE(WriteProject(project).contains("\"M\xC3\xBCller\"\r\n"));

  EXPECT_TRUE(ReadProject("\"R22\"", u"no such code page"_s).ok());
  const Outcome<ProjectData> unknown = ReadProject("\"M\xFCller\"", u"no such code page"_s);
  ASSERT_FALSE(unknown.ok());
  EXPECT_TRUE(unknown.refusal().message.contains(u"\"no such code page\""_s))
      << unknown.refusal().message.toStdString();
}

TEST(ProjectFileEncoding, CodePageFollowsTheLanguageUnlessNamed) {
  const struct {
    QLocale::Language language;
    const char* codePage;
  } rows[] = {
      {QLocale::Persian, "windows-1256"},    {QLocale::Arabic, "windows-1256"},
      {QLocale::Urdu, "windows-1256"},       {QLocale::Russian, "windows-1251"},
      {QLocale::Ukrainian, "windows-1251"},  {QLocale::Bulgarian, "windows-1251"},
      {QLocale::Serbian, "windows-1251"},    {QLocale::Greek, "windows-1253"},
      {QLocale::Turkish, "windows-1254"},    {QLocale::Azerbaijani, "windows-1254"},
      {QLocale::Hebrew, "windows-1255"},     {QLocale::Polish, "windows-1250"},
      {QLocale::Czech, "windows-1250"},      {QLocale::Hungarian, "windows-1250"},
      {QLocale::Lithuanian, "windows-1257"}, {QLocale::Latvian, "windows-1257"},
      {QLocale::Vietnamese, "windows-1258"}, {QLocale::English, "windows-1252"},
      {QLocale::German, "windows-1252"},     {QLocale::Japanese, "windows-1252"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(QLocale::languageToString(row.language).toStdString());
    EXPECT_EQ(LegacyEncodingOfLanguage(row.language), QLatin1String(row.codePage));
    EXPECT_TRUE(IsKnownTextEncoding(QLatin1String(row.codePage)));
  }
  EXPECT_FALSE(IsKnownTextEncoding(u"no such code page"_s));

  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran));
  qunsetenv(kLegacyEncodingVariable);
  EXPECT_EQ(LegacyEncodingName(), u"windows-1256"_s);
  EXPECT_EQ(ReadProject("\"\xD4\xD1\x98\xCA\"").value().fields.refrigerant, u"شرکت"_s);
  qputenv(kLegacyEncodingVariable, "windows-1251");
  EXPECT_EQ(LegacyEncodingName(), u"windows-1251"_s);
  EXPECT_EQ(ReadProject("\"\xCC\xEE\xF1\xEA\xE2\xE0\"").value().fields.refrigerant, u"Москва"_s);
  qunsetenv(kLegacyEncodingVariable);
  QLocale::setDefault(before);
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
      {"R454B", "Suction", ""},
      {"R1234ze(E)", "Liquid", ""},
      {"R1234ze", "Liquid", "Cmbrt"},
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

TEST(QuotedFileText, EscapesControlsAndCutsLongText) {
  const QString eighty(80, u'x');
  const QString face = u"\U0001F600"_s;  // two UTF-16 units, one character
  const struct {
    const char* name;
    QString text;
    QString quoted;
  } rows[] = {
      {"plain", u"R22"_s, u"\"R22\""_s},
      {"Persian with its joiner kept", u"می\u200Cخواهم"_s, u"\"می\u200Cخواهم\""_s},
      {"terminal colour", u"R22\x1B[31m"_s, u"\"R22\\e[31m\""_s},
      {"line breaks and tab", u"a\r\nb\tc"_s, u"\"a\\r\\nb\\tc\""_s},
      {"other controls", u"\x01\x7F\u0085"_s, u"\"\\u{0001}\\u{007f}\\u{0085}\""_s},
      {"direction override", u"ab\u202Edc"_s, u"\"ab\\u{202e}dc\""_s},
      {"backslash", u"a\\e"_s, u"\"a\\\\e\""_s},
      {"80 characters, not cut", eighty, u'"' + eighty + u'"'},
      {"81 characters", eighty + u'y', u'"' + eighty + u"…\""_s},
      {"a megabyte", QString(1 << 20, u'x'), u'"' + eighty + u"…\""_s},
      {"not cut inside a character", QString(79, u'x') + face + face, u'"' + QString(79, u'x') + u"…\""_s},
      {"escapes count as shown", QString(78, u'x') + u"\x1B\x1B"_s, u'"' + QString(78, u'x') + u"\\e…\""_s},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(QuotedFileText(row.text), row.quoted);
  }
}

TEST(ProjectFileReader, MessagesQuoteFileTextSafely) {
  std::vector<std::string> lines = SuctionLines();
  lines[0] = "\"R22\x1B[31m" + std::string(1 << 20, 'x') + "\"";
  lines[6] = "\"Suction\x07\"";
  lines[37] = "\x1B]0;owned\x07" + std::string(1 << 20, '1');
  const Outcome<ProjectData> refused = ReadProject(FileOf(lines));
  ASSERT_FALSE(refused.ok());
  EXPECT_TRUE(refused.refusal().message.endsWith(u"it reads \"\\e]0;owned\\u{0007}"_s + QString(62, u'1') + u"…\"."_s))
      << refused.refusal().message.toStdString();

  lines[37] = "0";
  const Outcome<ProjectData> read = ReadProject(FileOf(lines));
  ASSERT_TRUE(read.ok());
  const std::optional<Refusal> refrigerant = CheckProjectApplies(read.value());
  ASSERT_TRUE(refrigerant.has_value());
  EXPECT_TRUE(refrigerant->message.startsWith(u"The project names the refrigerant \"R22\\e[31m"_s + QString(71, u'x') +
                                              u"…\", which"_s))
      << refrigerant->message.toStdString();
  ProjectData line = read.value();
  line.fields.refrigerant = u"R22"_s;
  EXPECT_EQ(
      CheckProjectApplies(line)->message,
      u"The project names the line \"Suction\\u{0007}\", which is not in the line list (Discharge, Liquid, Suction)."_s);
}

TEST(ProjectFileOnDisk, ExampleProjectsReadAndWriteBackWithTheirTubeSeries) {
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
    // Saved again, a file of 40 values gains its tube series and climate.
    EXPECT_EQ(WriteProject(read.value()), bytes + "\"K\"\r\n32\r\n");
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

// The inode of a file: a replacement made whole gets a new one, a file
// written in place keeps its own.
ino_t InodeOf(const QString& path) {
  struct stat status {};
  return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

QByteArray ContentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves `project` over `path` as a user without special rights, and exits
// with 0 when the save said it succeeded. The superuser writes anywhere, so
// the save runs as nobody there.
void SaveAsOrdinaryUser(const QString& path, const ProjectData& project) {
  if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) std::_Exit(2);
  std::_Exit(SaveProjectFile(path, project).has_value() ? 1 : 0);
}

TEST(ProjectFileOnDisk, SaveReplacesWholeAndWritesInPlaceOnlyInAFolderThatTakesNoNewFiles) {
  GTEST_FLAG_SET(death_test_style, "fast");  // the child saves over the files made here
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString writable = dir.filePath(u"writable.kst"_s);
  const QString readOnly = dir.filePath(u"read-only.kst"_s);
  for (const QString& path : {writable, readOnly}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
  }
  const auto everyone = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
  const auto writeAll = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  const auto enter = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(writable, everyone | writeAll));
  ASSERT_TRUE(QFile::setPermissions(readOnly, everyone));

  // In a folder that takes new files, the file is replaced whole.
  const ino_t before = InodeOf(writable);
  ASSERT_EQ(SaveProjectFile(writable, SuctionProject()), std::nullopt);
  EXPECT_NE(InodeOf(writable), before);
  EXPECT_EQ(ContentsOf(writable), QByteArray(kSuctionFile));
  ASSERT_TRUE(QFile::setPermissions(writable, everyone | writeAll));

  ASSERT_TRUE(QFile::setPermissions(dir.path(), everyone | enter));
  ProjectData changed = SuctionProject();
  changed.fields.capacity = u"25"_s;
  const ino_t inFolder = InodeOf(writable);
  EXPECT_EXIT(SaveAsOrdinaryUser(writable, changed), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(SaveAsOrdinaryUser(readOnly, changed), ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(SaveAsOrdinaryUser(dir.filePath(u"new.kst"_s), changed), ::testing::ExitedWithCode(1), "");
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | enter));

  EXPECT_EQ(InodeOf(writable), inFolder);
  EXPECT_EQ(ContentsOf(writable), WriteProject(changed));
  EXPECT_EQ(ContentsOf(readOnly), QByteArray("old"));
  EXPECT_FALSE(QFile::exists(dir.filePath(u"new.kst"_s)));
}

// Paths that are not regular files are refused by what they are, at once:
// a pipe that nobody writes would otherwise keep the open waiting for ever.
TEST(ProjectFileOnDisk, RefusesWhatIsNotARegularFileWithoutWaiting) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString fifo = dir.filePath(u"pipe.kst"_s);
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString socketPath = dir.filePath(u"socket.kst"_s);
  const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(socketFd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray socketName = QFile::encodeName(socketPath);
  ASSERT_LT(static_cast<size_t>(socketName.size()), sizeof(address.sun_path));
  std::copy(socketName.begin(), socketName.end(), address.sun_path);
  ASSERT_EQ(bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

  const struct {
    QString path;
    const char* says;
  } rows[] = {
      {fifo, "is not a regular file"},
      {socketPath, "is not a regular file"},
      {u"/dev/null"_s, "is not a regular file"},
      {u"/dev/zero"_s, "is not a regular file"},
      {dir.path(), "is a folder, not a regular file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path.toStdString());
    std::future<Outcome<ProjectData>> read = std::async(std::launch::async, [&] { return ReadProjectFile(row.path); });
    if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ADD_FAILURE() << "the read waits";
      // Lets the waiting open go on, so that the test can end.
      close(open(QFile::encodeName(row.path).constData(), O_WRONLY | O_NONBLOCK));
    }
    const Outcome<ProjectData> outcome = read.get();
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.refusal().message, u'"' + row.path + u"\" "_s + QLatin1String(row.says) + u'.')
        << outcome.refusal().message.toStdString();
  }
  close(socketFd);
}

}  // namespace
}  // namespace kestrin
