#include "gui/program_arguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace kestrin {
namespace {

constexpr int kUsageErrorStatus = 2;

}  // namespace

ProgramArguments ParseProgramArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Sizes the copper suction, discharge and liquid lines of refrigeration systems."));
  // Its own help option rather than the parser's, which also offers the
  // toolkit's options under --help-all.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help and ends."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A project file (*.kst) to open."),
                               QStringLiteral("[file]"));

  ProgramArguments result;
  if (!parser.parse(arguments)) {
    result.exitStatus = kUsageErrorStatus;
    result.output = parser.errorText() + QLatin1Char('\n') + parser.helpText();
    return result;
  }
  if (parser.isSet(help)) {
    result.exitStatus = 0;
    result.output = parser.helpText();
    return result;
  }
  if (parser.isSet(version)) {
    result.exitStatus = 0;
    result.output = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                    QLatin1Char('\n');
    return result;
  }
  QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) result.projectFile = files.takeFirst();
  result.ignoredFiles = files;
  return result;
}

QString IgnoredFilesNote(const QStringList& ignoredFiles) {
  return QStringLiteral("Only the first project file is opened; not opened: %1\n")
      .arg(ignoredFiles.join(QStringLiteral(", ")));
}

}  // namespace kestrin
