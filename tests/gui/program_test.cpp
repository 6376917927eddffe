// The program as started: every menu entry and button reaches its window or
// command, and a project file named at start opens as "&Open" opens it.

#include "gui/program.h"
#include "gui/property_setting.h"
#include "gui/window_test_support.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace kestrin {
namespace {

using testing::ModalWatcher;

const QString kExamples = QStringLiteral(KESTRIN_EXAMPLES_DIR);

class ProgramTest : public QObject {
  Q_OBJECT

  testing::IsolatedSettings settings_;

 private Q_SLOTS:
  void menuEntriesOpenTheirDialogs_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("Units") << QStringLiteral("units") << QStringLiteral("Frmunit");
    QTest::newRow("Process") << QStringLiteral("Process") << QStringLiteral("Frmprocess");
    QTest::newRow("Properties") << QStringLiteral("properties") << QStringLiteral("Frmproperties");
    QTest::newRow("Print") << QStringLiteral("print") << QStringLiteral("Frmtitle");
    QTest::newRow("About") << QStringLiteral("About") << QStringLiteral("frmAbout");
    QTest::newRow("Line Capacities") << QStringLiteral("capacities") << QStringLiteral("Frmcapacity");
    QTest::newRow("Open") << QStringLiteral("open") << QString();
    QTest::newRow("Save") << QStringLiteral("save") << QString();
    QTest::newRow("Print Setup") << QStringLiteral("Printsetup") << QString();
  }

  void menuEntriesOpenTheirDialogs() {
    QFETCH(QString, entry);
    QFETCH(QString, dialog);
    Program program;
    program.mainWindow().show();
    QAction* action = program.mainWindow().menuAction(entry);
    QVERIFY2(action, qPrintable(entry));
    ModalWatcher watcher;
    QString seen;
    watcher.onNextDialog([&seen](QDialog* opened) {
      seen = opened->objectName().isEmpty() ? QString::fromLatin1(opened->metaObject()->className())
                                            : opened->objectName();
      opened->reject();
    });
    action->trigger();
    QTRY_VERIFY(!seen.isEmpty());
    if (!dialog.isEmpty()) QCOMPARE(seen, dialog);
    QCOMPARE(watcher.unexpectedDialogs(), 0);
  }

  void buttonsOpenTheFittingsAndDoubleRiserWindows() {
    Program program;
    program.mainWindow().show();
    ModalWatcher watcher;
    QStringList seen;
    auto record = [&seen](QDialog* opened) {
      seen << opened->objectName();
      opened->reject();
    };
    watcher.onNextDialog(record);
    watcher.onNextDialog(record);
    QTest::mouseClick(program.mainWindow().findChild<QPushButton*>(QStringLiteral("Cmdfitting")), Qt::LeftButton);
    Q_EMIT program.mainWindow().doubleRiserRequested();
    QTRY_COMPARE(seen, QStringList({QStringLiteral("Frmfitting"), QStringLiteral("Frmdoubleriser")}));
  }

  // The property source is a setting of the program: a new start takes the
  // last choice kept.
  void startsWithThePropertySourceKept() {
    QCOMPARE(Program().session().propertySource, PropertySource::Correlations);
    StorePropertySource(PropertySource::Reference);
    QCOMPARE(Program().session().propertySource, PropertySource::Reference);
    StorePropertySource(PropertySource::Correlations);
  }

  void exitEndsTheProgram() {
    Program program;
    program.mainWindow().show();
    QSignalSpy closed(&program.mainWindow(), &Frmmain::closed);
    program.mainWindow().menuAction(QStringLiteral("exit"))->trigger();
    QTRY_COMPARE(closed.count(), 1);
    QVERIFY(!program.mainWindow().isVisible());
  }

  void startingWithAProjectFileShowsItsInputs() {
    ModalWatcher watcher;
    Program program;
    program.ShowMainWindow(kExamples + QStringLiteral("/suction-r407c-si-design.kst"));
    QTRY_COMPARE(program.mainWindow().inputTexts().refrigerant, QStringLiteral("R407C"));
    QCOMPARE(program.session().unit, UnitSystem::SI);
    QVERIFY(program.mainWindow().isVisible());
    QVERIFY(program.mainWindow().outputTexts().lineSize.isEmpty());
    QVERIFY(watcher.boxes().isEmpty());
  }

  // A file that cannot be opened says why in the error box and leaves the
  // window as it starts, empty and ready for a case of its own.
  void startingWithAFileThatCannotBeOpenedSaysWhy_data() {
    QTest::addColumn<QByteArray>("contents");  // null: no file at all
    QTest::addColumn<QString>("saying");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("does not exist");
    QTest::newRow("unknown refrigerant") << QByteArray("\"R12\"\r\n\"30\"\r\n") << QStringLiteral("R12");
    QTest::newRow("unit system not a number")
        << QByteArray("\"R22\"\r\n").append(QByteArray("\r\n").repeated(36)).append("\"SI\"\r\n")
        << QStringLiteral("Line 38");
  }

  void startingWithAFileThatCannotBeOpenedSaysWhy() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, saying);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.kst"));
    if (!contents.isNull()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(contents);
    }
    ModalWatcher watcher;
    Program program;
    program.ShowMainWindow(path);
    QTRY_COMPARE(watcher.boxes().size(), 1);
    QCOMPARE(watcher.boxes().first().title, QStringLiteral("error"));
    QVERIFY2(watcher.boxes().first().text.contains(saying), qPrintable(watcher.boxes().first().text));
    QVERIFY(program.mainWindow().isVisible());
    QCOMPARE(program.mainWindow().inputTexts(), MainFieldTexts{});
    QCOMPARE(program.session().unit, UnitSystem::IP);
  }
};

}  // namespace
}  // namespace kestrin

QTEST_MAIN(kestrin::ProgramTest)
#include "program_test.moc"
