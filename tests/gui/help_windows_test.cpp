// The splash window's hand-over, the piping guide command and window, the
// about box's animation, and how the program finds its data files.

#include "core/data_files.h"
#include "core/messages.h"
#include "gui/help/animation.h"
#include "gui/help/frmabout.h"
#include "gui/help/frmhelp.h"
#include "gui/help/frmstart.h"
#include "gui/help/help_commands.h"
#include "gui/message_boxes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMovie>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPdfView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

using namespace kestrin;

namespace {

const QString kRuntimeDir = QStringLiteral(KESTRIN_RUNTIME_DIR);

// The child named `name`, failing the test with the names there are when
// it is missing.
template <class T>
T* Child(QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (!child) {
    QStringList names;
    for (const QObject* object : parent->findChildren<QObject*>()) {
      if (!object->objectName().isEmpty()) names.append(object->objectName());
    }
    qWarning("no %s among: %s", name, qPrintable(names.join(QStringLiteral(", "))));
  }
  return child;
}

// Runs `answer` on the next modal box once it is up.
void WhenModalBoxShows(const std::function<void(QMessageBox*)>& answer) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      answer(box);
    }
  });
  poll->start();
}

void Activate(QWidget* window) {
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(window, &activate);
}

}  // namespace

class TestHelpWindows : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void SplashHandsOverAfterExactlyFourTicks();
  void SplashTimerTicksEveryHalfSecond();
  void GuideQuestionAsksAttentionWithYesAndNo_data();
  void GuideQuestionAsksAttentionWithYesAndNo();
  void GuideOpensOnlyOnYesAndOnceForItsParent();
  void GuideOpensNarrowerAndFillsTheWindowOnResize();
  void GuideShowsTheBuiltDocument();
  void MissingGuideIsShownAsMissingInTheWindow();
  void AboutBoxRestartsItsAnimationOnEveryActivation();
  void AboutBoxShowsItsPictureAndVersionAndClosesOnOK();
  void MissingOrBrokenAnimationLeavesItEmpty();
  void DataFilesAreFoundInTheCurrentFolderFirst();

 private:
  QString startFolder_ = QDir::currentPath();
};

void TestHelpWindows::init() { QDir::setCurrent(startFolder_); }

void TestHelpWindows::SplashHandsOverAfterExactlyFourTicks() {
  Frmstart splash;
  QCOMPARE(splash.windowTitle(), QStringLiteral("Loading Program ..."));
  QCOMPARE(splash.size(), QSize(422, 398));
  QWidget mainWindow;
  QSignalSpy finished(&splash, &Frmstart::finished);
  bool splashStillUpWhenHandedOver = false;
  connect(&splash, &Frmstart::finished, &mainWindow, [&] {
    splashStillUpWhenHandedOver = splash.isVisible();
    mainWindow.show();
  });
  splash.show();

  for (int tick = 1; tick <= 3; ++tick) {
    splash.Tick();
    QCOMPARE(finished.count(), 0);
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.ticksLeft(), 4 - tick);
  }
  splash.Tick();
  QCOMPARE(finished.count(), 1);
  QVERIFY(!splash.isVisible());
  QVERIFY(mainWindow.isVisible());
  // The main window is up before the splash goes, so the program never has
  // no window open.
  QVERIFY(splashStillUpWhenHandedOver);

  // A tick that was already on its way hands over nothing more.
  splash.Tick();
  QCOMPARE(finished.count(), 1);
}

void TestHelpWindows::SplashTimerTicksEveryHalfSecond() {
  Frmstart splash;
  auto* timer1 = Child<QTimer>(&splash, "Timer1");
  QVERIFY(timer1);
  QCOMPARE(timer1->interval(), 500);
  QVERIFY(!timer1->isActive());
  splash.show();
  QVERIFY(timer1->isActive());

  // The same timer, run fast: it alone brings the splash to its hand-over.
  QSignalSpy finished(&splash, &Frmstart::finished);
  timer1->setInterval(1);
  QTRY_COMPARE(finished.count(), 1);
  QCOMPARE(splash.ticksLeft(), 0);
  QVERIFY(!timer1->isActive());
  QVERIFY(!splash.isVisible());
}

void TestHelpWindows::GuideQuestionAsksAttentionWithYesAndNo_data() {
  QTest::addColumn<int>("press");  // a button, or 0 for Escape
  QTest::addColumn<bool>("yes");
  QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
  QTest::newRow("No") << int(QMessageBox::No) << false;
  QTest::newRow("Escape") << 0 << false;
}

void TestHelpWindows::GuideQuestionAsksAttentionWithYesAndNo() {
  QFETCH(int, press);
  QFETCH(bool, yes);
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::Critical;
  QMessageBox::StandardButtons buttons;
  WhenModalBoxShows([&](QMessageBox* box) {
    text = box->text();
    title = box->windowTitle();
    icon = box->icon();
    buttons = box->standardButtons();
    if (press == 0) {
      QTest::keyClick(box, Qt::Key_Escape);
    } else {
      box->button(QMessageBox::StandardButton(press))->click();
    }
  });
  QCOMPARE(AskReaderNeeded(nullptr), yes);
  QCOMPARE(text, QStringLiteral("You need Acrobat reader program to see this topic . continue?. "));
  QCOMPARE(title, QStringLiteral("Attention"));
  QCOMPARE(icon, QMessageBox::NoIcon);
  QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
}

void TestHelpWindows::GuideOpensOnlyOnYesAndOnceForItsParent() {
  QWidget mainWindow;
  mainWindow.show();
  int asked = 0;
  const auto answerNo = [&asked](QWidget*) {
    ++asked;
    return false;
  };
  const auto answerYes = [&asked](QWidget*) {
    ++asked;
    return true;
  };

  QVERIFY(!ShowPipingGuide(&mainWindow, answerNo));
  QCOMPARE(asked, 1);
  QVERIFY(mainWindow.findChildren<Frmhelp*>().isEmpty());

  QPointer<Frmhelp> guide = ShowPipingGuide(&mainWindow, answerYes);
  QVERIFY(guide);
  QVERIFY(guide->isVisible());
  QVERIFY(guide->isWindow());
  QCOMPARE(guide->windowModality(), Qt::NonModal);
  QCOMPARE(guide->windowTitle(), QStringLiteral("Kestrin Piping Guide"));
  // The main window stays usable while the guide is open.
  QVERIFY(!QApplication::activeModalWidget());

  QCOMPARE(ShowPipingGuide(&mainWindow, answerYes), guide.data());
  QCOMPARE(mainWindow.findChildren<Frmhelp*>().size(), 1);
  QCOMPARE(asked, 3);

  // Closed, the guide is gone; asking again opens a new one.
  guide->close();
  QTRY_VERIFY(!guide);
  QVERIFY(!ShowPipingGuide(&mainWindow, answerNo));
  QVERIFY(mainWindow.findChildren<Frmhelp*>().isEmpty());
  QVERIFY(ShowPipingGuide(&mainWindow, answerYes));
}

void TestHelpWindows::GuideOpensNarrowerAndFillsTheWindowOnResize() {
  Frmhelp guide(kRuntimeDir + QStringLiteral("/Piping.PDf"));
  guide.show();
  QVERIFY(QTest::qWaitForWindowExposed(&guide));
  auto* web1 = Child<QPdfView>(&guide, "Web1");
  QVERIFY(web1);
  const int margin = static_cast<int>(std::lround(1000 * guide.logicalDpiX() / 1440.0));
  QCOMPARE(guide.OpeningMarginPixels(), margin);
  QVERIFY(margin > 0);
  QCOMPARE(web1->geometry(), QRect(0, 0, guide.width() - margin, guide.height()));

  guide.resize(guide.width() - 40, guide.height() + 30);
  QCOMPARE(web1->geometry(), QRect(0, 0, guide.width(), guide.height()));
  guide.resize(guide.width() + 90, guide.height() - 60);
  QCOMPARE(web1->geometry(), QRect(0, 0, guide.width(), guide.height()));
}

void TestHelpWindows::GuideShowsTheBuiltDocument() {
  Frmhelp guide(kRuntimeDir + QStringLiteral("/Piping.PDf"));
  QVERIFY(guide.documentLoaded());
  QPdfDocument* document = Child<QPdfView>(&guide, "Web1")->document();
  QVERIFY(document->pageCount() >= 3);
  QCOMPARE(document->metaData(QPdfDocument::MetaDataField::Title).toString(), QStringLiteral("Kestrin Piping Guide"));
  const QString firstPage = document->getSelectionAtIndex(0, 0, 100000).text();
  QVERIFY2(firstPage.contains(QStringLiteral("Suction line")), qPrintable(firstPage.left(200)));
  QVERIFY(!Child<QLabel>(&guide, "Web1Notice")->isVisible());
}

void TestHelpWindows::MissingGuideIsShownAsMissingInTheWindow() {
  QTemporaryDir empty;
  const QString missing = empty.filePath(QStringLiteral("Piping.PDf"));
  Frmhelp guide(missing);
  guide.show();
  QVERIFY(!guide.documentLoaded());
  auto* notice = Child<QLabel>(&guide, "Web1Notice");
  QVERIFY(notice->isVisible());
  QVERIFY(notice->text().contains(missing));
  QVERIFY(!QApplication::activeModalWidget());
}

void TestHelpWindows::AboutBoxRestartsItsAnimationOnEveryActivation() {
  QDir::setCurrent(kRuntimeDir);  // "About.gif" is read from the current folder
  for (int opening = 1; opening <= 2; ++opening) {
    frmAbout box;
    box.show();
    QMovie* movie = Child<QLabel>(&box, "AnimatedGif2")->movie();
    QVERIFY(movie);
    QVERIFY(movie->isValid());
    QVERIFY(movie->frameCount() > 5);
    Activate(&box);
    QCOMPARE(movie->state(), QMovie::Running);
    QCOMPARE(movie->currentFrameNumber(), 0);

    for (int frame = 1; frame <= 3; ++frame) QVERIFY(movie->jumpToNextFrame());
    QCOMPARE(movie->currentFrameNumber(), 3);
    Activate(&box);
    QCOMPARE(movie->state(), QMovie::Running);
    QCOMPARE(movie->currentFrameNumber(), 0);
  }
}

void TestHelpWindows::AboutBoxShowsItsPictureAndVersionAndClosesOnOK() {
  frmAbout box;
  QCOMPARE(box.windowTitle(), QStringLiteral("About Kestrin Refrigerant Pipe Sizing"));
  QVERIFY(!Child<QLabel>(&box, "Picture1")->pixmap().isNull());
  QVERIFY(Child<QLabel>(&box, "LblVersion")->text().contains(QStringLiteral(KESTRIN_VERSION)));
  auto* ok = Child<QPushButton>(&box, "cmdOK");
  QCOMPARE(ok->text(), QStringLiteral("OK"));
  QTimer::singleShot(0, ok, &QPushButton::click);
  QCOMPARE(box.exec(), int(QDialog::Accepted));
  QVERIFY(!box.isVisible());
}

void TestHelpWindows::MissingOrBrokenAnimationLeavesItEmpty() {
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  QFile broken(folder.filePath(QStringLiteral("broken.gif")));
  QVERIFY(broken.open(QIODevice::WriteOnly));
  broken.write("GIF89a but nothing after it");
  broken.close();

  for (const char* name : {"no-such-animation.gif", "broken.gif"}) {
    QLabel label;
    QMovie* movie = PlayAnimation(&label, QString::fromLatin1(name));
    QVERIFY(movie);
    QVERIFY(!movie->isValid());
    QCOMPARE(movie->state(), QMovie::NotRunning);
    label.show();
    QVERIFY(label.pixmap().isNull());
  }
}

void TestHelpWindows::DataFilesAreFoundInTheCurrentFolderFirst() {
  QTemporaryDir folder;
  QVERIFY(QFile::copy(kRuntimeDir + QStringLiteral("/kestrin.gif"), folder.filePath(QStringLiteral("kestrin.gif"))));
  QDir::setCurrent(folder.path());
  const DataPlaces everywhere = DataPlace::CurrentFolder | DataPlace::ProgramFolder | DataPlace::InstalledData;
  const QString copied = QDir(folder.path()).filePath(QStringLiteral("kestrin.gif"));
  QCOMPARE(FindDataFile(QStringLiteral("kestrin.gif"), everywhere), copied);
  QVERIFY(FindDataFile(QStringLiteral("kestrin.gif"), DataPlace::ProgramFolder).isEmpty());
  QVERIFY(FindDataFile(QStringLiteral("no-such-file.gif"), everywhere).isEmpty());

  QMovie* movie = LoadAnimation(QStringLiteral("kestrin.gif"), this);
  QVERIFY(movie->isValid());
  QCOMPARE(movie->fileName(), copied);
  delete movie;

  const QStringList folders = DataFolders(everywhere);
  QCOMPARE(folders.first(), QDir::currentPath());
  QCOMPARE(folders.at(1), QCoreApplication::applicationDirPath());
}

QTEST_MAIN(TestHelpWindows)
#include "help_windows_test.moc"
