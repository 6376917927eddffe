// kestrin-size: everything but the application object and the standard
// streams lives in the tool's library.

#include "cli/size_command.h"
#include "cli/size_options.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's offscreen platform warns about an unset XDG_RUNTIME_DIR, which says
// nothing about the run: a normal run keeps the error output empty.
void QuietRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
  qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments += QString::fromLocal8Bit(argv[i]);

  // The report's fonts need a GUI application; writing a PDF needs no
  // display. Only --report pays for one.
  std::unique_ptr<QCoreApplication> application;
  if (kestrin::ArgumentsNeedDrawing(arguments)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(QuietRuntimeDirWarning);
    application = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    application = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName(QStringLiteral("kestrin-size"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));

  QTextStream out(stdout);
  QTextStream err(stderr);
  const kestrin::Outcome<kestrin::SizeToolOptions> options = kestrin::ParseSizeToolArguments(arguments);
  if (!options.ok()) {
    err << "kestrin-size: " << options.refusal().message << '\n' << "Try 'kestrin-size --help' for more information.\n";
    return 2;
  }
  return kestrin::RunSizeTool(options.value(), out, err);
}
