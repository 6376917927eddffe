// The desktop program: the splash while it starts, then the main window
// until the program ends.

#include "gui/help/frmstart.h"
#include "gui/program.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kestrin Refrigerant Pipe Sizing"));
  QApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrin/kestrin.svg")));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.example.kestrin"));

  kestrin::Program program;
  kestrin::Frmmain& window = program.mainWindow();
  // Closing the main window ends the program at once, whatever else is open.
  QObject::connect(&window, &kestrin::Frmmain::closed, &app, &QApplication::quit, Qt::QueuedConnection);

  auto splash = std::make_unique<kestrin::Frmstart>();
  QObject::connect(splash.get(), &kestrin::Frmstart::finished, &window, [&window, &splash] {
    window.show();
    splash.release()->deleteLater();
  });
  splash->show();
  return QApplication::exec();
}
