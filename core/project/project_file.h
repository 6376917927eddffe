#pragma once
// The project file (*.kst): the whole input side of a design case, one value
// per line, 42 values (40 in files written before the tube series came). The core reads and writes it; the windows only
// pick the file name and show what these functions return.
//
// Lines, in order:
//   1-11   the main window's input texts (Cmbrt .. Txtal)
//   12-21  fit1 .. fit10, unset until first stored
//   22-23  customer and project, unset until the title dialog's first OK
//   24     note
//   25-36  captions of Lbl2 Lbl3 Lbl4 Lbl5 Lbl6 Lbl8 Lbl9 Lbl10 Lbl11 Lbl15 Lbl17 Lbl19
//   37-40  previous unit system, unit system, previous working mode, working mode
//   41     tube series, quoted: "K", "L" or "EN12735-1"
//   42     design climate, the ambient in C: 32, 38 or 43

#include "core/main_fields.h"
#include "core/outcome.h"
#include "core/project/legacy_encoding.h"
#include "core/session_state.h"
#include "core/sizing/design_case.h"
#include "core/units/unit_texts.h"
#include "core/units/units.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace kestrin {

inline constexpr int kProjectValueCount = 42;

struct ProjectData {
  MainFieldTexts fields;              // lines 1-11; an unset value reads as empty text
  StoredFittingCounts fittingCounts;  // lines 12-21
  std::optional<QString> customer;    // line 22
  std::optional<QString> project;     // line 23
  QString note;                       // line 24; line breaks are "\n"
  UnitCaptions captions;              // lines 25-36
  int previousUnit = 0;               // line 37: kept as read, never used
  int unit = 0;                       // line 38: 0 IP, anything else SI
  int previousMode = 0;               // line 39: kept as read, never used
  int mode = 0;                       // line 40: 0 design, anything else checking
  TubeChoice tubes;                   // lines 41-42; Type K, 32 C when the file has neither
  bool operator==(const ProjectData&) const = default;
};

// The unit system and working mode that opening the file puts in force.
UnitSystem ProjectUnitSystem(const ProjectData& project);
WorkingMode ProjectWorkingMode(const ProjectData& project);

// What Save stores: the window's input texts and captions with the settings
// that outlive the dialogs.
ProjectData ProjectFromSession(const SessionState& session, const MainFieldTexts& fields, const UnitCaptions& captions);

// The file's bytes: UTF-8, CRLF after every value, texts in double quotes
// with nothing escaped. Line breaks in the note are written as CRLF inside
// its quotes, so such a file has more than 42 physical lines; any other text
// is kept on its one line.
QByteArray WriteProject(const ProjectData& project);

// Reads the bytes of a project file (UTF-8 when they are valid UTF-8, else
// the single-byte code page named by `legacyEncoding`; CRLF, LF or a lone CR
// end a line). Each value is read from its own line: leading blanks skipped,
// a quoted text runs to the next quote or the end of its line, an unquoted
// value to the first comma, an empty line is unset. Only the note may run
// over several lines, as this program writes it, and the values after it
// keep their places. Missing values read as unset, so a short file opens
// with empty texts in IP design mode, and a file of 40 values as Type K in
// the mildest climate. Refused, naming the line, when the unit system or the
// working mode is not a whole number, when the tube series or the climate is
// not one the program knows, and when the bytes are not UTF-8 and
// `legacyEncoding` names no known encoding.
Outcome<ProjectData> ReadProject(const QByteArray& bytes, const QString& legacyEncoding = LegacyEncodingName());

// Whether the main window can take the file's texts: the refrigerant and the
// line lists accept only their own entries (or nothing chosen). The refusal
// names the list's control.
std::optional<Refusal> CheckProjectApplies(const ProjectData& project);

// Open's effect on the settings that outlive the dialogs: fitting counts,
// title texts, unit system and working mode (with their histories, so the
// next dialog OK sees no change), tube series and design climate. The window sets its own texts and clears
// its outputs.
void ApplyProjectToSession(const ProjectData& project, SessionState& session);

// Refuses files far larger than any project file before reading them whole.
inline constexpr qint64 kLargestProjectFileBytes = qint64{4} * 1024 * 1024;

// The file at `path` read and parsed, as ReadProject does; the refusal names
// the file. Anything but a regular file (a folder, a pipe, a device) is
// refused before it is opened.
Outcome<ProjectData> ReadProjectFile(const QString& path, const QString& legacyEncoding = LegacyEncodingName());

// Writes the file at `path`, replacing it whole or not at all; only an
// existing file that may be written in a folder that takes no new files is
// written in place. Gives the reason when it could not be saved, nothing
// when it was.
std::optional<QString> SaveProjectFile(const QString& path, const ProjectData& project);

}  // namespace kestrin
