// Save and Open driven through the real main window: what a user saves comes
// back whole, a file that cannot be read or written changes nothing, and a
// project file dropped on the window opens as Open opens it.

#include "gui/project_commands.h"
#include "core/project/project_file.h"
#include "core/session_state.h"
#include "gui/frmmain.h"
#include "gui/frmmain_test_case.h"

#include <QComboBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrin {
namespace {

using testing::ModalWatcher;

// A main window with its own session, as the program has at start-up.
struct Program {
  SessionState session;
  std::unique_ptr<Frmmain> main = std::make_unique<Frmmain>(session);
  Program() {
    main->setLocale(QLocale::c());
    main->show();
  }
  void Calculate() { QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("Cmdcalculate")), Qt::LeftButton); }
};

ProjectFileDialogs DialogsFor(const QString& path) {
  return {[path](QWidget*) { return path; }, [path](QWidget*) { return path; }};
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A drag as a file manager offers it: the files' addresses, and the same as
// text for programs that take text only.
std::unique_ptr<QMimeData> DraggedFiles(const QList<QUrl>& urls) {
  auto data = std::make_unique<QMimeData>();
  data->setUrls(urls);
  QStringList texts;
  for (const QUrl& url : urls) texts << url.toString();
  data->setText(texts.join(QLatin1Char('\n')));
  return data;
}

bool DragEnterAccepted(QWidget* target, const QMimeData& data) {
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  return enter.isAccepted();
}

bool DropAccepted(QWidget* target, const QMimeData& data) {
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

class ProjectCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }

  void roundTripGivesTheSameCalculation_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("designDrop");
    QTest::newRow("IP design") << 0 << 0 << QStringLiteral("2");
    QTest::newRow("SI design") << 1 << 0 << QStringLiteral("0.1");
    QTest::newRow("checking") << 0 << 1 << QStringLiteral("1 3/8");
  }

  void roundTripGivesTheSameCalculation() {
    QFETCH(int, unit);
    QFETCH(int, mode);
    QFETCH(QString, designDrop);
    const QString path = dir_->filePath(QStringLiteral("case.kst"));
    ModalWatcher watcher;

    Program saved;
    saved.main->applyUnitSystem(static_cast<UnitSystem>(unit));
    saved.main->applyWorkingMode(static_cast<WorkingMode>(mode));
    testing::TypedCase typed = unit == 0 ? testing::SuctionCaseIP() : testing::SuctionCaseSI();
    typed.designDrop = designDrop;
    QVERIFY(testing::TypeCase(saved.main.get(), typed));
    saved.Calculate();
    const OutputTexts before = saved.main->outputTexts();
    QVERIFY(!before.lineSize.isEmpty());
    SaveProject(*saved.main, DialogsFor(path));

    Program opened;
    OpenProject(*opened.main, DialogsFor(path));
    QCOMPARE(opened.session.unit, static_cast<UnitSystem>(unit));
    QCOMPARE(opened.session.unitHistory, static_cast<UnitSystem>(unit));
    QCOMPARE(opened.session.mode, static_cast<WorkingMode>(mode));
    QCOMPARE(opened.session.modeHistory, static_cast<WorkingMode>(mode));
    QCOMPARE(opened.main->inputTexts(), saved.main->inputTexts());
    // The captions of the restored unit system and mode (the IP ones as the
    // unit system sets them, "PSI" and "Ft ").
    QCOMPARE(opened.main->unitCaptions(), ShownCaptions(static_cast<UnitSystem>(unit), static_cast<WorkingMode>(mode)));
    QVERIFY(opened.main->outputTexts().lineSize.isEmpty());
    opened.Calculate();
    QCOMPARE(opened.main->outputTexts(), before);
    QVERIFY(watcher.boxes().isEmpty());
  }

  void fittingsAndTitleTextsComeBack() {
    const QString path = dir_->filePath(QStringLiteral("titled.kst"));
    Program saved;
    saved.session.fittingCounts[0] = QStringLiteral("1");
    saved.session.fittingCounts[5] = QStringLiteral("12");
    saved.session.customer = QStringLiteral("Harbour Cold Store, Ltd.");
    saved.session.project = QStringLiteral("Plant room 2");
    saved.session.note = QStringLiteral("First line\nsecond line");
    SaveProject(*saved.main, DialogsFor(path));

    Program opened;
    OpenProject(*opened.main, DialogsFor(path));
    QCOMPARE(opened.session.fittingCounts, saved.session.fittingCounts);
    QCOMPARE(opened.session.customer, saved.session.customer);
    QCOMPARE(opened.session.project, saved.session.project);
    QCOMPARE(opened.session.note, saved.session.note);
  }

  void savingAtStartUpWritesEmptyOptionalLines() {
    const QString path = dir_->filePath(QStringLiteral("empty.kst"));
    Program program;
    SaveProject(*program.main, DialogsFor(path));
    const QList<QByteArray> lines = Contents(path).split('\n');
    QCOMPARE(lines.size(), 43);  // 42 values, each ending in CRLF
    for (int line = 12; line <= 23; ++line) QCOMPARE(lines[line - 1], QByteArray("\r"));
    QCOMPARE(lines[23], QByteArray("\"\"\r"));
    QCOMPARE(lines[37], QByteArray("0\r"));
    QCOMPARE(lines[40], QByteArray("\"K\"\r"));
    QCOMPARE(lines[41], QByteArray("32\r"));
  }

  void aFileWrittenByHandWithLineFeedsOpens() {
    const QString path = dir_->filePath(QStringLiteral("by-hand.kst"));
    QByteArray text =
        "\"R404A\"\n\"30\"\n\"-10\"\n\"110\"\n\"5\"\n\"5\"\n\"Liquid\"\n\"3\"\n\"150.125\"\n\"0\"\n\"0\"\n";
    for (int line = 12; line <= 21; ++line) text += "\n";
    text += "\"Acme, Inc.\"\n\n\"\"\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    ModalWatcher watcher;
    Program program;
    OpenProject(*program.main, DialogsFor(path));
    QVERIFY(watcher.boxes().isEmpty());
    QCOMPARE(program.main->inputTexts().refrigerant, QStringLiteral("R404A"));
    QCOMPARE(program.main->inputTexts().line, QStringLiteral("Liquid"));
    QCOMPARE(program.main->inputTexts().totalLength, QStringLiteral("150.125"));  // longer than typing allows
    QCOMPARE(program.session.customer, QStringLiteral("Acme, Inc."));
    QCOMPARE(program.session.unit, UnitSystem::IP);
    program.Calculate();
    QVERIFY(!program.main->outputTexts().lineSize.isEmpty());
  }

  void aFileTheWindowCannotTakeChangesNothing() {
    const QString path = dir_->filePath(QStringLiteral("r12.kst"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"R12\"\r\n\"30\"\r\n");
    file.close();
    ModalWatcher watcher;
    Program program;
    QVERIFY(testing::TypeCase(program.main.get(), testing::SuctionCaseIP()));
    program.session.customer = QStringLiteral("kept");
    const MainFieldTexts before = program.main->inputTexts();
    OpenProject(*program.main, DialogsFor(path));
    QTRY_COMPARE(watcher.boxes().size(), 1);
    QCOMPARE(watcher.boxes().first().title, QStringLiteral("error"));
    QCOMPARE(program.main->inputTexts(), before);
    QCOMPARE(program.session.customer, QStringLiteral("kept"));
  }

  void aCancelledDialogChangesAndWritesNothing() {
    ModalWatcher watcher;
    Program program;
    QVERIFY(testing::TypeCase(program.main.get(), testing::SuctionCaseIP()));
    const MainFieldTexts before = program.main->inputTexts();
    OpenProject(*program.main, DialogsFor(QString()));
    SaveProject(*program.main, DialogsFor(QString()));
    QCOMPARE(program.main->inputTexts(), before);
    QVERIFY(watcher.boxes().isEmpty());
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
  }

  void aFailedSaveSaysSoAndKeepsTheOldFile() {
    ModalWatcher watcher;
    Program program;
    SaveProject(*program.main, DialogsFor(dir_->filePath(QStringLiteral("no-such-folder/case.kst"))));
    QTRY_COMPARE(watcher.boxes().size(), 1);
    QCOMPARE(watcher.boxes().first().title, QStringLiteral("error"));
  }

  // A pipe with no writer would keep the open waiting; Open refuses it, and
  // devices, at once and changes nothing.
  void openRefusesWhatIsNotARegularFileAtOnce_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("pipe") << QStringLiteral("pipe.kst");  // made in the test's own folder
    QTest::newRow("device") << QStringLiteral("/dev/null");
  }

  void openRefusesWhatIsNotARegularFileAtOnce() {
    QFETCH(QString, path);
    if (QDir::isRelativePath(path)) {
      path = dir_->filePath(path);
      QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    ModalWatcher watcher;
    Program program;
    QVERIFY(testing::TypeCase(program.main.get(), testing::SuctionCaseIP()));
    const MainFieldTexts before = program.main->inputTexts();
    // Should Open wait on the pipe after all, a writer comes and goes after
    // five seconds, so that the test fails rather than hangs.
    std::atomic<bool> opened = false;
    std::thread unblocker([&] {
      for (int tenth = 0; tenth < 50 && !opened; ++tenth) std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (!opened) close(open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK));
    });
    QElapsedTimer timer;
    timer.start();
    OpenProject(*program.main, DialogsFor(path));
    const qint64 took = timer.elapsed();
    opened = true;
    unblocker.join();
    QVERIFY2(took < 5000, "Open waited");
    QTRY_COMPARE(watcher.boxes().size(), 1);
    QVERIFY2(watcher.boxes().first().text.endsWith(QStringLiteral("\" is not a regular file.")),
             qPrintable(watcher.boxes().first().text));
    QCOMPARE(program.main->inputTexts(), before);
  }

  // On the window itself, or on a field that would otherwise take the
  // file's address as text.
  void droppingOneProjectFileOpensIt_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("window") << QStringLiteral("Frmmain");
    QTest::newRow("capacity field") << QStringLiteral("Txtcapacity");
    QTest::newRow("design drop list") << QStringLiteral("Cmbdpd");
  }

  void droppingOneProjectFileOpensIt() {
    QFETCH(QString, target);
    const QString path = dir_->filePath(QStringLiteral("Dropped.KST"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"R404A\"\r\n\"30\"\r\n");
    file.close();
    ModalWatcher watcher;
    Program program;
    ConnectProjectCommands(*program.main, DialogsFor(QString()));
    QWidget* widget = program.main.get();
    if (target == QStringLiteral("Txtcapacity")) widget = program.main->findChild<QLineEdit*>(target);
    if (target == QStringLiteral("Cmbdpd")) widget = program.main->findChild<QComboBox*>(target)->lineEdit();
    QVERIFY(widget);

    const auto data = DraggedFiles({QUrl::fromLocalFile(path)});
    QVERIFY(DragEnterAccepted(widget, *data));
    QVERIFY(DropAccepted(widget, *data));
    QTRY_COMPARE(program.main->inputTexts().refrigerant, QStringLiteral("R404A"));
    QCOMPARE(program.main->inputTexts().capacity, QStringLiteral("30"));
    QCOMPARE(program.main->inputTexts().designDrop, QString());
    QVERIFY(watcher.boxes().isEmpty());
  }

  void draggingAnythingElseIsRefused_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    const QUrl project = QUrl::fromLocalFile(QStringLiteral("/tmp/a.kst"));
    QTest::newRow("two project files") << QList<QUrl>{project, QUrl::fromLocalFile(QStringLiteral("/tmp/b.kst"))};
    QTest::newRow("another kind of file") << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))};
    QTest::newRow("a file with no suffix") << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp/kst"))};
    QTest::newRow("a web address") << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.kst"))};
    QTest::newRow("text only") << QList<QUrl>{};
  }

  void draggingAnythingElseIsRefused() {
    QFETCH(QList<QUrl>, urls);
    ModalWatcher watcher;
    Program program;
    ConnectProjectCommands(*program.main, DialogsFor(QString()));
    auto data = DraggedFiles(urls);
    if (urls.isEmpty()) data->setText(QStringLiteral("/tmp/a.kst"));
    QVERIFY(!DragEnterAccepted(program.main.get(), *data));
    QVERIFY(!DropAccepted(program.main.get(), *data));
    QTest::qWait(20);
    QCOMPARE(program.main->inputTexts(), MainFieldTexts{});
    QVERIFY(watcher.boxes().isEmpty());
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace
}  // namespace kestrin

QTEST_MAIN(kestrin::ProjectCommandsTest)
#include "project_commands_test.moc"
