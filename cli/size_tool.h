#pragma once
// kestrin-size: sizes the line of each project file as the desktop program
// does when the file is opened and "Calculate" is pressed, and prints the
// output fields as text or as JSON. main() only hands over its arguments;
// everything here can be driven from a test.

#include "core/outcome.h"
#include "core/project/project_file.h"
#include "core/sizing/calculate_command.h"
#include "core/sizing/double_riser.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

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

  std::optional<CalculateOutcome> calculation;

  // The part-load riser, when one was asked for and the run offers a double
  // riser.
  std::optional<Outcome<PartLoadRiser>> riser;

  // The result shown in the output fields, if any.
  const ShownResult* shown() const;
  // Why the run showed no result: a check's or the sizing's refusal.
  std::optional<Refusal> refusal() const;
  int exitStatus() const;
};

// Numbers in project files are read the same on every machine, whatever
// the user's locale: files travel between them.
QLocale ProjectFileLocale();

// Opens the project (unit system, working mode, texts and fitting counts),
// runs Calculate on it with no earlier design pressure drop, and, when
// `minimumCapacity` is given (in the file's unit system), sizes the
// part-load riser as the double riser window does.
FileSizing SizeProject(const QString& path, const ProjectData& project, const std::optional<QString>& minimumCapacity);
FileSizing SizeProjectFile(const QString& path, const std::optional<QString>& minimumCapacity);

// A readable block with the main window's labels and units.
QString SizingText(const FileSizing& sizing);
// One JSON object on one line; the "riser" key only when `withRiser`.
QString SizingJson(const FileSizing& sizing, bool withRiser);

// Where the results of the files go, one file at a time.
class SizingSink {
 public:
  virtual ~SizingSink() = default;
  virtual void Add(const FileSizing& sizing) = 0;
  // After the last file; the reason when the output could not be made.
  virtual std::optional<QString> Finish() { return std::nullopt; }
};

// A further output that a program built on this tool adds, such as a
// printed report: an option with one value, and the sink it makes for that
// value, which sees every file after the standard output has.
struct ExtraOutput {
  QString option;       // without its dashes: "report"
  QString valueName;    // "OUT.pdf"
  QString description;  // one line of --help
  std::function<std::unique_ptr<SizingSink>(const QString& value)> makeSink;
};

struct SizeToolOptions {
  bool help = false;
  bool version = false;
  bool json = false;
  std::optional<QString> minimumCapacity;
  std::vector<std::pair<const ExtraOutput*, QString>> extras;
  QStringList files;
};

// The arguments after the program name, or the usage error.
Outcome<SizeToolOptions> ParseSizeToolArguments(const QStringList& arguments,
                                                const std::vector<ExtraOutput>& extras = {});
QString SizeToolHelp(const std::vector<ExtraOutput>& extras = {});

// The whole tool: returns the exit status.
int RunSizeTool(const QStringList& arguments, QTextStream& out, QTextStream& err,
                const std::vector<ExtraOutput>& extras = {});

}  // namespace kestrin
