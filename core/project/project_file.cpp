#include "core/project/project_file.h"

#include "core/line_type.h"
#include "core/physics/refrigerant.h"
#include "core/project/quoted_file_text.h"
#include "core/units/unit_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringView>

#include <vector>

namespace kestrin {

namespace {

// File lines of the values that are not plain texts.
constexpr int kFirstFittingLine = 12;
constexpr int kCustomerLine = 22;
constexpr int kProjectLine = 23;
constexpr int kNoteLine = 24;
constexpr int kFirstCaptionLine = 25;
constexpr int kPreviousUnitLine = 37;
constexpr int kUnitLine = 38;
constexpr int kPreviousModeLine = 39;
constexpr int kModeLine = 40;
constexpr int kTubeSeriesLine = 41;
constexpr int kClimateLine = 42;

// A value as it was read: nothing for an empty line, and the physical line
// it started on, which differs from its value number after a note that ran
// over several lines.
struct ReadValue {
  std::optional<QString> text;
  int physicalLine = 0;
};

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The file's lines without their ends; CRLF, LF and a lone CR each end one.
std::vector<QStringView> PhysicalLines(QStringView text) {
  std::vector<QStringView> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.push_back(text.sliced(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.sliced(start));
  return lines;
}

QStringView WithoutLeadingBlanks(QStringView line) {
  qsizetype i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  return line.sliced(i);
}

QStringView WithoutTrailingBlanks(QStringView line) {
  qsizetype end = line.size();
  while (end > 0 && IsBlank(line[end - 1])) --end;
  return line.first(end);
}

// One value from one line: a quoted text runs to the next quote on the line
// (the rest of the line is passed over), or to the end of the line when the
// quote is never closed; an unquoted value runs to the first comma.
std::optional<QString> ValueOfLine(QStringView line) {
  const QStringView value = WithoutLeadingBlanks(line);
  if (value.isEmpty()) return std::nullopt;
  if (value.front() == u'"') {
    const QStringView inside = value.sliced(1);
    const qsizetype close = inside.indexOf(u'"');
    return (close < 0 ? inside : inside.first(close)).toString();
  }
  const qsizetype comma = value.indexOf(u',');
  const QStringView text = WithoutTrailingBlanks(comma < 0 ? value : value.first(comma));
  if (text.isEmpty()) return std::nullopt;
  return text.toString();
}

std::optional<int> WholeNumber(const std::optional<QString>& text) {
  if (!text) return 0;
  bool ok = false;
  const int number = text->trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return number;
}

bool Quoted(QStringView line) { return WithoutLeadingBlanks(line).startsWith(u'"'); }

// How a file can end after its note: which of its last lines hold quoted
// texts. Files of 40 values end in the quoted caption of line 36 and the four
// unquoted numbers of lines 37 to 40; files written since end in those, the
// quoted tube series and the bare climate number.
struct FileEnding {
  size_t valuesAfterNote;
  std::vector<bool> lastLinesQuoted;
};
const std::array<FileEnding, 2>& FileEndings() {
  static const std::array<FileEnding, 2> endings = {{
      {kClimateLine - kNoteLine, {true, false, false, false, false, true, false}},
      {kModeLine - kNoteLine, {true, false, false, false, false}},
  }};
  return endings;
}

// Only the note can hold line breaks. In a file that ends as the program
// writes files (a quoted caption stands before the numbers), the values after
// the note are the file's last lines, so a longer file tells exactly which
// lines the note fills, quotes inside it or not: this is the last line of
// the note. A number that is not a whole one still marks its line, so that
// its refusal names the right one.
std::optional<size_t> LastLineOfNote(const std::vector<QStringView>& lines) {
  size_t count = lines.size();
  while (count > 0 && WithoutLeadingBlanks(lines[count - 1]).isEmpty()) --count;
  if (count < static_cast<size_t>(kNoteLine) || !Quoted(lines[kNoteLine - 1])) return std::nullopt;
  for (const FileEnding& ending : FileEndings()) {
    if (count <= kNoteLine + ending.valuesAfterNote) continue;
    const size_t last = count - ending.valuesAfterNote - 1;
    const QStringView lastOfNote = WithoutTrailingBlanks(lines[last]);
    if (lastOfNote.isEmpty() || lastOfNote.back() != u'"') continue;
    const size_t firstOfEnding = count - ending.lastLinesQuoted.size();
    bool matches = true;
    for (size_t i = firstOfEnding; i < count; ++i)
      matches = matches && Quoted(lines[i]) == ending.lastLinesQuoted[i - firstOfEnding];
    if (matches) return last;
  }
  return std::nullopt;
}

// The note's text from its opening quote on `first` to `closeLine` and the
// column of its closing quote there, line breaks as "\n".
QString NoteText(const std::vector<QStringView>& lines, size_t first, size_t closeLine, qsizetype closeColumn) {
  QString note = WithoutLeadingBlanks(lines[first]).sliced(1).toString();
  for (size_t i = first + 1; i < closeLine; ++i) {
    note += u'\n';
    note += lines[i];
  }
  note += u'\n';
  note += lines[closeLine].first(closeColumn);
  return note;
}

std::array<ReadValue, kProjectValueCount> ReadValues(const std::vector<QStringView>& lines) {
  std::array<ReadValue, kProjectValueCount> values;
  size_t next = 0;  // the physical line the next value starts on
  const auto readOwnLine = [&](ReadValue& value) {
    value.physicalLine = static_cast<int>(next) + 1;
    if (next < lines.size()) value.text = ValueOfLine(lines[next]);
    ++next;
  };
  for (int v = 1; v < kNoteLine; ++v) readOwnLine(values[v - 1]);

  // The note runs over several lines only where the file's length shows the
  // lines it fills; a quote that never closes ends with its line, like that
  // of every other text, so that the values after it keep their lines.
  ReadValue& note = values[kNoteLine - 1];
  if (const std::optional<size_t> last = LastLineOfNote(lines)) {
    note.physicalLine = static_cast<int>(next) + 1;
    const QStringView lastLine = WithoutTrailingBlanks(lines[*last]);
    note.text = NoteText(lines, next, *last, lastLine.size() - 1);
    next = *last + 1;
  } else {
    readOwnLine(note);
  }
  for (int v = kNoteLine + 1; v <= kProjectValueCount; ++v) readOwnLine(values[v - 1]);
  return values;
}

// The file's text: UTF-8 when its bytes are valid UTF-8, else the single-byte
// code page `legacyEncoding`; nothing when that names no known encoding.
std::optional<QString> Decoded(const QByteArray& bytes, const QString& legacyEncoding) {
  // Stateless, so that a sequence cut off at the end of the file counts as
  // invalid rather than waiting for bytes that never come.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  QStringDecoder legacy(legacyEncoding.toLatin1().constData(), QStringDecoder::Flag::Stateless);
  if (!legacy.isValid()) return std::nullopt;
  return legacy.decode(bytes);
}

Refusal NotWholeNumber(const ReadValue& value, const QString& what) {
  return Refusal{QStringLiteral("Line %1 holds the %2, which must be a whole number; it reads %3.")
                     .arg(value.physicalLine)
                     .arg(what, QuotedFileText(value.text.value_or(QString()))),
                 DesignField::None, RefusalReason::FileUnusable};
}

Refusal NotOneOf(const ReadValue& value, const QString& what) {
  return Refusal{QStringLiteral("Line %1 holds the %2; it reads %3.")
                     .arg(value.physicalLine)
                     .arg(what, QuotedFileText(value.text.value_or(QString()))),
                 DesignField::None, RefusalReason::FileUnusable};
}

// Lines 41 and 42; a file without them is Type K in the mildest climate.
Outcome<TubeChoice> TubeChoiceOf(const ReadValue& seriesValue, const ReadValue& climateValue) {
  TubeChoice tubes;
  if (seriesValue.text) {
    const std::optional<TubeSeries> series = TubeSeriesFromCode(*seriesValue.text);
    if (!series) return NotOneOf(seriesValue, QStringLiteral("tube series (\"K\", \"L\" or \"EN12735-1\")"));
    tubes.series = *series;
  }
  if (climateValue.text) {
    const std::optional<int> ambient = WholeNumber(climateValue.text);
    const std::optional<DesignClimate> climate = ambient ? ClimateFromAmbientC(*ambient) : std::nullopt;
    if (!climate) return NotOneOf(climateValue, QStringLiteral("design climate (32, 38 or 43 C ambient)"));
    tubes.climate = *climate;
  }
  return tubes;
}

// The note keeps its line breaks, as CRLF inside its quotes.
QByteArray WithCrlf(const QString& text) {
  QString normalised = text;
  normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  normalised.replace(u'\r', u'\n');
  normalised.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return normalised.toUtf8();
}

// Every other text comes from a one-line field; a line break that got into
// one anyway is written as a blank, so that it cannot move the values after
// it off their lines.
QByteArray OnOneLine(const QString& text) {
  QString line = text;
  line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  line.replace(u'\r', u' ');
  line.replace(u'\n', u' ');
  return line.toUtf8();
}

}  // namespace

UnitSystem ProjectUnitSystem(const ProjectData& project) { return project.unit != 0 ? UnitSystem::SI : UnitSystem::IP; }

WorkingMode ProjectWorkingMode(const ProjectData& project) {
  return project.mode != 0 ? WorkingMode::Checking : WorkingMode::Design;
}

ProjectData ProjectFromSession(const SessionState& session, const MainFieldTexts& fields,
                               const UnitCaptions& captions) {
  ProjectData project;
  project.fields = fields;
  project.fittingCounts = session.fittingCounts;
  project.customer = session.customer;
  project.project = session.project;
  project.note = session.note;
  project.captions = captions;
  project.previousUnit = static_cast<int>(session.unitHistory);
  project.unit = static_cast<int>(session.unit);
  project.previousMode = static_cast<int>(session.modeHistory);
  project.mode = static_cast<int>(session.mode);
  project.tubes = session.tubes;
  return project;
}

QByteArray WriteProject(const ProjectData& project) {
  QByteArray out;
  out.reserve(1024);
  const auto quoted = [&out](const QByteArray& value) {
    out += '"';
    out += value;
    out += "\"\r\n";
  };
  const auto text = [&](const QString& value) { quoted(OnOneLine(value)); };
  const auto optionalText = [&](const std::optional<QString>& value) {
    if (value)
      text(*value);
    else
      out += "\r\n";
  };
  const auto whole = [&out](int value) {
    out += QByteArray::number(value);
    out += "\r\n";
  };

  const MainFieldTexts& f = project.fields;
  for (const QString* value : {&f.refrigerant, &f.capacity, &f.evaporating, &f.condensing, &f.superheat, &f.subcool,
                               &f.line, &f.designDrop, &f.totalLength, &f.riserLength, &f.additionalLoss})
    text(*value);
  for (const std::optional<QString>& count : project.fittingCounts) optionalText(count);
  optionalText(project.customer);
  optionalText(project.project);
  quoted(WithCrlf(project.note));
  for (const QString& caption : project.captions) text(caption);
  whole(project.previousUnit);
  whole(project.unit);
  whole(project.previousMode);
  whole(project.mode);
  text(TubeSeriesCode(project.tubes.series));
  whole(ClimateAmbientC(project.tubes.climate));
  return out;
}

Outcome<ProjectData> ReadProject(const QByteArray& bytes, const QString& legacyEncoding) {
  const std::optional<QString> decoded = Decoded(bytes, legacyEncoding);
  if (!decoded) {
    return Refusal{QStringLiteral("Its texts are not UTF-8, and the encoding %1 to read them in is not known.")
                       .arg(QuotedFileText(legacyEncoding)),
                   DesignField::None, RefusalReason::FileUnusable};
  }
  const std::array<ReadValue, kProjectValueCount> values = ReadValues(PhysicalLines(*decoded));

  const auto textAt = [&values](int line) { return values[line - 1].text.value_or(QString()); };

  ProjectData project;
  MainFieldTexts& f = project.fields;
  int line = 1;
  for (QString* value : {&f.refrigerant, &f.capacity, &f.evaporating, &f.condensing, &f.superheat, &f.subcool, &f.line,
                         &f.designDrop, &f.totalLength, &f.riserLength, &f.additionalLoss})
    *value = textAt(line++);
  for (int k = 0; k < kFittingTypeCount; ++k) project.fittingCounts[k] = values[kFirstFittingLine - 1 + k].text;
  project.customer = values[kCustomerLine - 1].text;
  project.project = values[kProjectLine - 1].text;
  project.note = textAt(kNoteLine);
  for (int c = 0; c < kUnitCaptionCount; ++c) project.captions[c] = textAt(kFirstCaptionLine + c);

  // The previous unit system and mode are never used, so a value there that
  // is not a whole number does not keep the file from opening.
  project.previousUnit = WholeNumber(values[kPreviousUnitLine - 1].text).value_or(0);
  project.previousMode = WholeNumber(values[kPreviousModeLine - 1].text).value_or(0);

  const std::optional<int> unit = WholeNumber(values[kUnitLine - 1].text);
  if (!unit) return NotWholeNumber(values[kUnitLine - 1], QStringLiteral("unit system (0 English, 1 metric)"));
  project.unit = *unit;
  const std::optional<int> mode = WholeNumber(values[kModeLine - 1].text);
  if (!mode) return NotWholeNumber(values[kModeLine - 1], QStringLiteral("working mode (0 design, 1 checking)"));
  project.mode = *mode;
  const Outcome<TubeChoice> tubes = TubeChoiceOf(values[kTubeSeriesLine - 1], values[kClimateLine - 1]);
  if (!tubes.ok()) return tubes.refusal();
  project.tubes = tubes.value();
  return project;
}

std::optional<Refusal> CheckProjectApplies(const ProjectData& project) {
  const QString& refrigerant = project.fields.refrigerant;
  if (!refrigerant.isEmpty() && !RefrigerantFromName(refrigerant)) {
    return Refusal{QStringLiteral("The project names the refrigerant %1, which is not in the refrigerant list (%2).")
                       .arg(QuotedFileText(refrigerant), RefrigerantNames().join(QStringLiteral(", "))),
                   DesignField::Refrigerant, RefusalReason::FileUnusable};
  }
  const QString& line = project.fields.line;
  if (!line.isEmpty() && !LineTypeFromName(line)) {
    return Refusal{QStringLiteral("The project names the line %1, which is not in the line list (%2).")
                       .arg(QuotedFileText(line), LineNames().join(QStringLiteral(", "))),
                   DesignField::Line, RefusalReason::FileUnusable};
  }
  return std::nullopt;
}

void ApplyProjectToSession(const ProjectData& project, SessionState& session) {
  session.fittingCounts = project.fittingCounts;
  session.customer = project.customer;
  session.project = project.project;
  session.note = project.note;
  session.unit = ProjectUnitSystem(project);
  session.unitHistory = session.unit;
  session.mode = ProjectWorkingMode(project);
  session.modeHistory = session.mode;
  session.tubes = project.tubes;
}

Outcome<ProjectData> ReadProjectFile(const QString& path, const QString& legacyEncoding) {
  const QString shown = QDir::toNativeSeparators(path);
  const auto refused = [](const QString& message) {
    return Refusal{message, DesignField::None, RefusalReason::FileUnusable};
  };
  const QFileInfo info(path);
  if (!info.exists()) return refused(QStringLiteral("The project file \"%1\" does not exist.").arg(shown));
  if (info.isDir()) return refused(QStringLiteral("\"%1\" is a folder, not a regular file.").arg(shown));
  // Pipes, devices and sockets are refused before they are opened: opening a
  // pipe that nobody writes waits for ever, and a device reads as anything.
  if (!info.isFile()) return refused(QStringLiteral("\"%1\" is not a regular file.").arg(shown));

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return refused(QStringLiteral("The project file \"%1\" cannot be opened: %2").arg(shown, file.errorString()));
  // Read one byte past the limit rather than trusting size(), which a file
  // still growing under us does not keep.
  const QByteArray bytes = file.read(kLargestProjectFileBytes + 1);
  if (file.error() != QFileDevice::NoError)
    return refused(QStringLiteral("The project file \"%1\" cannot be read: %2").arg(shown, file.errorString()));
  if (bytes.size() > kLargestProjectFileBytes)
    return refused(QStringLiteral("\"%1\" is too large to be a project file.").arg(shown));

  Outcome<ProjectData> project = ReadProject(bytes, legacyEncoding);
  if (!project.ok())
    return refused(QStringLiteral("The project file \"%1\" cannot be read. %2").arg(shown, project.refusal().message));
  return project;
}

std::optional<QString> SaveProjectFile(const QString& path, const ProjectData& project) {
  const QString shown = QDir::toNativeSeparators(path);
  QSaveFile file(path);
  // A folder that refuses new files cannot take the temporary file that the
  // replacement is written to; a file there that the user may write is then
  // written in place. Everywhere else it is replaced whole or not at all.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly))
    return QStringLiteral("The project cannot be saved as \"%1\": %2").arg(shown, file.errorString());
  const QByteArray bytes = WriteProject(project);
  if (file.write(bytes) != bytes.size() || !file.commit())
    return QStringLiteral("The project cannot be saved as \"%1\": %2").arg(shown, file.errorString());
  return std::nullopt;
}

}  // namespace kestrin
