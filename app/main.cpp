// The desktop program: the splash while it starts, then the main window
// until the program ends; a project file named on the command line opens
// once the main window shows.

#include "gui/help/frmstart.h"
#include "gui/program.h"
#include "gui/program_arguments.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kestrin Refrigerant Pipe Sizing"));
  QApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrin/kestrin.svg")));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.example.kestrin"));

  const kestrin::ProgramArguments arguments = kestrin::ParseProgramArguments(QCoreApplication::arguments());
  if (arguments.exitStatus) {
    std::fputs(arguments.output.toLocal8Bit().constData(), *arguments.exitStatus == 0 ? stdout : stderr);
    return *arguments.exitStatus;
  }
  if (!arguments.ignoredFiles.isEmpty()) {
    std::fputs(kestrin::IgnoredFilesNote(arguments.ignoredFiles).toLocal8Bit().constData(), stderr);
  }

  kestrin::Program program;
  // Closing the main window ends the program at once, whatever else is open.
  QObject::connect(&program.mainWindow(), &kestrin::Frmmain::closed, &app, &QApplication::quit, Qt::QueuedConnection);

  auto splash = std::make_unique<kestrin::Frmstart>();
  QObject::connect(splash.get(), &kestrin::Frmstart::finished, &program.mainWindow(), [&program, &splash, &arguments] {
    program.ShowMainWindow(arguments.projectFile);
    splash.release()->deleteLater();
  });
  splash->show();
  return QApplication::exec();
}
