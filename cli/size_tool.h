#pragma once
// kestrin-size: sizes the line of each project file as the desktop program
// does when the file is opened and "Calculate" is pressed, and prints the
// output fields as text or as JSON. main() only makes the application and
// hands over its arguments; everything here can be driven from a test.

#include "core/outcome.h"
#include "core/project/project_file.h"
#include "core/sizing/calculate_command.h"
#include "core/sizing/double_riser.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace kestrin {

// Exit statuses.
inline constexpr int kExitSized = 0;
inline constexpr int kExitRefused = 1;   // a check's message, or no pipe size
inline constexpr int kExitUnusable = 2;  // usage error, or a file that cannot be read or applied

// What one project file gave.
struct FileSizing {
  QString path;  // as given on the command line

  // The file could not be read, or the main window could not take it.
  std::optional<Refusal> fileProblem;
  std::optional<ProjectData> project;
  UnitSystem unit = UnitSystem::IP;
  WorkingMode mode = WorkingMode::Design;
  PropertySource propertySource = PropertySource::Correlations;  // as chosen

  std::optional<CalculateResult> calculation;
  // The glide of the case as the window shows it; empty when the case has
  // none to show or was not accepted.
  QString glide;

  // The part-load riser, when one was asked for and the run offers a double
  // riser.
  std::optional<Outcome<PartLoadRiser>> riser;

  // Optional fields whose text is not a number and counts as "0", as the
  // window would show them: one sentence each.
  QStringList warnings;

  // The result shown in the output fields, if any.
  const ShownResult* shown() const;
  // Why the run showed no result: a check's or the sizing's refusal.
  std::optional<Refusal> refusal() const;
  // Where the file's refrigerant took its properties from (the choice when
  // the file names no refrigerant the program knows).
  PropertySource propertiesUsed() const;
  int exitStatus() const;
};

// Numbers in project files are read the same on every machine, whatever the
// user's locale: files travel between them.
QLocale ProjectFileLocale();

// Opens the project (unit system, working mode, texts and fitting counts),
// runs Calculate on it with no earlier design pressure drop, and, when
// `minimumCapacity` is given (in the file's unit system), sizes the
// part-load riser as the double riser window does. Numbers are read in
// `locale`; `properties` is the property source chosen.
FileSizing SizeProject(const QString& path, const ProjectData& project, const std::optional<QString>& minimumCapacity,
                       const QLocale& locale = ProjectFileLocale(),
                       PropertySource properties = PropertySource::Correlations);

// A readable block with the main window's labels and units.
QString SizingText(const FileSizing& sizing);
// One JSON object on one line; the "riser" key only when `withRiser`.
QString SizingJson(const FileSizing& sizing, bool withRiser);

}  // namespace kestrin
