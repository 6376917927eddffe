#pragma once
// The desktop program's command line: `kestrin [options] [file]`.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

struct ProgramArguments {
  // Set when the program ends before any window: 0 after --help or
  // --version, 2 after a usage error.
  std::optional<int> exitStatus;
  // What to print before ending: on stdout for status 0, stderr otherwise.
  QString output;
  // The project file to open once the main window shows; empty for none.
  QString projectFile;
  // Further files named after the first, which are not opened.
  QStringList ignoredFiles;
};

// Reads `arguments` as QCoreApplication::arguments() gives them (the
// program's name first, the toolkit's own options already taken out).
ProgramArguments ParseProgramArguments(const QStringList& arguments);

// The note on standard error about files that are not opened.
QString IgnoredFilesNote(const QStringList& ignoredFiles);

}  // namespace kestrin
