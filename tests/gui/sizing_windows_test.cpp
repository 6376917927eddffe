// The fittings dialog and the double riser window, driven from a real
// sizing in the main window: the counts the dialog keeps and wipes and how
// they reach the equivalent length; the part-load riser of suction and
// discharge lines in both unit systems, what OK and Cancel hand back, what a
// recalculation empties, and the refusals.

#include "core/physics/tube_catalogue.h"
#include "core/project/project_file.h"
#include "core/sizing/line_readings.h"
#include "gui/dialogs/frmdoubleriser.h"
#include "gui/dialogs/frmfitting.h"
#include "gui/field_colours.h"
#include "gui/frmmain.h"
#include "gui/frmmain_test_case.h"
#include "gui/project_commands.h"
#include "gui/twips.h"
#include "gui/window_commands.h"
#include "gui/window_test_support.h"

#include "core/physics/tube_catalogue.h"
#include "core/sizing/line_readings.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace kestrin {
namespace {

using testing::ModalWatcher;
using testing::TypeInto;

StoredFittingCounts Counts(std::initializer_list<const char*> texts) {
  StoredFittingCounts counts;
  std::size_t i = 0;
  for (const char* text : texts) {
    if (text) counts[i] = QString::fromLatin1(text);
    ++i;
  }
  return counts;
}

StoredFittingCounts AllCounts(const char* text) {
  StoredFittingCounts counts;
  counts.fill(QString::fromLatin1(text));
  return counts;
}

// The counts as text, for a readable failure: "-" for a count never set.
QStringList Shown(const StoredFittingCounts& counts) {
  QStringList shown;
  for (const auto& count : counts) shown.append(count.value_or(u"-"_qs));
  return shown;
}

QString FieldName(int type) { return u"Txt%1"_qs.arg(type); }

// The main window with its sizing windows, as the program sets it up.
struct Program {
  SessionState session;
  std::unique_ptr<Frmmain> main = std::make_unique<Frmmain>(session);

  explicit Program(UnitSystem unit = UnitSystem::IP) {
    main->setLocale(QLocale::c());
    main->applyUnitSystem(unit);
    ConnectSizingWindows(*main);
    main->show();
  }

  // Types the case and presses Calculate; true when no box was shown.
  bool Calculate(const testing::TypedCase& typed) {
    ModalWatcher watcher;
    if (!testing::TypeCase(main.get(), typed)) return false;
    Click(main.get(), "Cmdcalculate");
    return watcher.boxes().isEmpty();
  }

  static void Click(QWidget* root, const char* name) {
    QTest::mouseClick(root->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
};

testing::TypedCase CaseFor(UnitSystem unit, const QString& line) {
  testing::TypedCase typed = unit == UnitSystem::IP ? testing::SuctionCaseIP() : testing::SuctionCaseSI();
  typed.line = line;
  return typed;
}

QString Text(const QWidget* root, const char* name) {
  const QString objectName = QString::fromLatin1(name);
  if (const auto* edit = root->findChild<QLineEdit*>(objectName)) return edit->text();
  if (const auto* label = root->findChild<QLabel*>(objectName)) return label->text();
  return u"<no control %1>"_qs.arg(objectName);
}

bool Shows(const QWidget* window, const char* name) {
  const auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
  return widget && widget->isVisibleTo(window);
}

// A size in twips on the window's screen, rounded as the windows round it.
QSize Twips(const QWidget* window, int width, int height) {
  return {TwipsToPixels(width, window->logicalDpiX()), TwipsToPixels(height, window->logicalDpiY())};
}

// Every control that shows lies wholly inside the window.
QStringList Clipped(const QWidget* window) {
  QStringList clipped;
  for (const QWidget* child : window->findChildren<QWidget*>()) {
    if (!child->isVisibleTo(window) || child->objectName().isEmpty()) continue;
    const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
    if (!window->rect().contains(place)) clipped.append(child->objectName());
  }
  return clipped;
}

// What the window showed at one moment.
struct RiserSeen {
  QMap<QString, QString> texts;
  bool results = false, dischargeDrawing = false, suctionDrawing = false, minimumFlagged = false;
  QColor velocityBackground, velocityText;
  QSize size;
  QPoint place;
  QStringList clipped;
};

RiserSeen See(const QDialog* window) {
  RiserSeen seen;
  for (const char* name : {"Lblriser", "Txtriser", "RSIZE1", "TR1", "LR5", "RSIZE2", "TR2", "LR6", "LR7", "LR8", "LR9",
                           "LR10", "Lblwarning"})
    seen.texts.insert(QString::fromLatin1(name), Text(window, name));
  seen.results = Shows(window, "RSIZE1") && Shows(window, "Command2");
  seen.dischargeDrawing = Shows(window, "Picture1");
  seen.suctionDrawing = Shows(window, "Picture2");
  seen.minimumFlagged = IsFieldFlagged(window->findChild<QWidget*>(u"Txtriser"_qs));
  const auto* velocity = window->findChild<QWidget*>(u"TR2"_qs);
  seen.velocityBackground = FieldBackground(velocity);
  seen.velocityText = FieldTextColour(velocity);
  seen.size = window->size();
  seen.place = window->pos();
  seen.clipped = Clipped(window);
  return seen;
}

bool AtLeast(const QSize& size, const QSize& design) {
  return size.width() >= design.width() && size.height() >= design.height();
}

// Opens the double riser window as the user does, from "Using Double Riser",
// and runs `use` on it while it is open. `use` ends by closing it.
bool OpenRiserWindow(Program& program, const std::function<void(QDialog*)>& use) {
  ModalWatcher watcher;
  bool opened = false;
  watcher.onNextDialog([&](QDialog* window) {
    opened = window->objectName() == u"Frmdoubleriser"_qs;
    use(window);
    if (window->isVisible()) window->done(QDialog::Rejected);
  });
  auto* offer = program.main->findChild<QWidget*>(u"Lblriser"_qs);
  if (!offer || !offer->isVisible()) return false;
  QTest::mouseClick(offer, Qt::LeftButton);
  return opened && watcher.unexpectedDialogs() == 0;
}

SizingWindows& SizingWindowsOf(Program& program) {
  return *program.main->findChild<SizingWindows*>(u"sizingWindows"_qs);
}

// Types a minimum capacity and presses Calculate; the boxes shown on the way.
QList<testing::MessageBoxSeen> CalculateRiser(QDialog* window, const QString& minimum) {
  // A watcher of its own: the one that opened the window is busy until it
  // closes.
  ModalWatcher watcher;
  TypeInto(window->findChild<QLineEdit*>(u"Txtriser"_qs), minimum);
  Program::Click(window, "Command1");
  return watcher.boxes();
}

}  // namespace

class SizingWindowsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Fittings.
  void wipesWhatIsNoCountOrAboveTheLimit_data();
  void wipesWhatIsNoCountOrAboveTheLimit();
  void opensWithTheStoredCountsChecked();
  void onlyOkReplacesTheStoredCounts_data();
  void onlyOkReplacesTheStoredCounts();
  void countsReachTheEquivalentLengthOfASizing();
  // Double riser.
  void sizesThePartLoadRiser_data();
  void sizesThePartLoadRiser();
  void okCancelAndRecalculation();
  void liquidLineSizesNothingButEnlarges();
  void refusesWhatCannotBeSized();
  void partLoadRiserTooSlowForTheOilWarns();
  void openingAProjectForgetsTheAcceptedRiser_data();
  void openingAProjectForgetsTheAcceptedRiser();
  void checkingModeProjectHasNoPartLoadRiser();
};

void SizingWindowsTest::wipesWhatIsNoCountOrAboveTheLimit_data() {
  QTest::addColumn<int>("type");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("kept");
  QTest::newRow("six solenoid valves") << 1 << u"6"_qs << QString();
  QTest::newRow("five solenoid valves") << 1 << u"5"_qs << u"5"_qs;
  QTest::newRow("51 globe valves") << 2 << u"51"_qs << QString();
  QTest::newRow("201 elbows") << 5 << u"201"_qs << QString();
  QTest::newRow("200 elbows") << 6 << u"200"_qs << u"200"_qs;
  QTest::newRow("a fraction") << 7 << u"1.5"_qs << u"1.5"_qs;
  // A lone sign is no number yet, so it goes at once and the digits after
  // it stand alone.
  QTest::newRow("a leading minus") << 8 << u"-3"_qs << u"3"_qs;
}

void SizingWindowsTest::wipesWhatIsNoCountOrAboveTheLimit() {
  QFETCH(int, type);
  QFETCH(QString, typed);
  QFETCH(QString, kept);
  Frmfitting dialog(StoredFittingCounts{});
  dialog.setLocale(QLocale::c());
  dialog.show();
  auto* field = dialog.findChild<QLineEdit*>(FieldName(type));
  QVERIFY(field);
  TypeInto(field, typed);
  QCOMPARE(field->text(), kept);
}

void SizingWindowsTest::opensWithTheStoredCountsChecked() {
  // What a project file may bring: counts beyond the limits and a text that
  // is no number. The dialog shows them checked; the stored counts stay
  // until OK.
  const StoredFittingCounts stored = Counts({"2", nullptr, "x", "6", "200", "-1", "0.5", "201", "", "5"});
  Frmfitting dialog(stored);
  dialog.setLocale(QLocale::c());
  const QStringList shown = {u"2"_qs, {}, {}, {}, u"200"_qs, u"-1"_qs, u"0.5"_qs, {}, {}, u"5"_qs};
  for (int type = 1; type <= kFittingTypeCount; ++type)
    QCOMPARE(dialog.findChild<QLineEdit*>(FieldName(type))->text(), shown[type - 1]);
}

void SizingWindowsTest::onlyOkReplacesTheStoredCounts_data() {
  QTest::addColumn<StoredFittingCounts>("stored");
  QTest::addColumn<QStringList>("buttons");
  QTest::addColumn<StoredFittingCounts>("kept");
  const StoredFittingCounts some = Counts({"1", "0", "0", "0", "0", "2", "1", "0", "0", "0"});
  QTest::newRow("OK with every field empty") << StoredFittingCounts{} << QStringList{u"Cmdok"_qs} << AllCounts("0");
  QTest::newRow("Reset then Cancel") << some << QStringList{u"Cmdreset"_qs, u"Cmdcancel"_qs} << some;
  QTest::newRow("Reset then OK") << some << QStringList{u"Cmdreset"_qs, u"Cmdok"_qs} << AllCounts("0");
  QTest::newRow("Cancel before any OK") << StoredFittingCounts{} << QStringList{u"Cmdcancel"_qs}
                                        << StoredFittingCounts{};
}

void SizingWindowsTest::onlyOkReplacesTheStoredCounts() {
  QFETCH(StoredFittingCounts, stored);
  QFETCH(QStringList, buttons);
  QFETCH(StoredFittingCounts, kept);
  Program program;
  program.session.fittingCounts = stored;

  ModalWatcher watcher;
  bool opened = false;
  watcher.onNextDialog([&](QDialog* dialog) {
    opened = dialog->objectName() == u"Frmfitting"_qs;
    for (const QString& name : buttons) {
      if (auto* button = dialog->findChild<QPushButton*>(name)) QTest::mouseClick(button, Qt::LeftButton);
    }
    if (dialog->isVisible()) dialog->reject();
  });
  Program::Click(program.main.get(), "Cmdfitting");

  QVERIFY(opened);
  QCOMPARE(watcher.unexpectedDialogs(), 0);
  QCOMPARE(Shown(program.session.fittingCounts), Shown(kept));
}

// The worked example of the fitting table: at size "1 3/8" two long radius
// elbows, one 45 degree elbow and one solenoid valve cost 2 x 2.4 + 1.2 + 28
// = 34 ft, on top of 100 ft of straight tube with no riser.
void SizingWindowsTest::countsReachTheEquivalentLengthOfASizing() {
  Program program;
  testing::TypedCase typed = testing::SuctionCaseIP();
  typed.capacity = u"6"_qs;
  typed.totalLength = u"100"_qs;
  typed.riserLength = u"0"_qs;
  QVERIFY(testing::TypeCase(program.main.get(), typed));

  ModalWatcher watcher;
  watcher.onNextDialog([](QDialog* dialog) {
    for (auto [name, count] : {std::pair{"Txt6", "2"}, std::pair{"Txt7", "1"}, std::pair{"Txt1", "1"}})
      TypeInto(dialog->findChild<QLineEdit*>(QString::fromLatin1(name)), QString::fromLatin1(count));
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"Cmdok"_qs), Qt::LeftButton);
  });
  Program::Click(program.main.get(), "Cmdfitting");
  Program::Click(program.main.get(), "Cmdcalculate");

  QVERIFY(watcher.boxes().isEmpty());
  QCOMPARE(program.main->outputTexts().lineSize, u"1 3/8"_qs);
  QCOMPARE(program.main->outputTexts().equivalentLength, u"134.0"_qs);
}

void SizingWindowsTest::sizesThePartLoadRiser_data() {
  QTest::addColumn<UnitSystem>("unit");
  QTest::addColumn<QString>("line");
  QTest::addColumn<QString>("minimum");
  QTest::addColumn<QString>("partLoadSize");
  QTest::addColumn<QString>("partLoadVelocity");
  QTest::addColumn<bool>("velocityOutsideBand");
  // Ten tons of R22 with a 3 m riser; the minimum capacity is five tons.
  // The suction riser runs slower than a suction line may (8 FPS, 2.5 m/s)
  // and still shows white.
  QTest::newRow("suction IP") << UnitSystem::IP << u"Suction"_qs << u"5"_qs << u"1 3/8"_qs << u"14.98"_qs << false;
  QTest::newRow("discharge IP") << UnitSystem::IP << u"Discharge"_qs << u"5"_qs << u"1 1/8"_qs << u"11.99"_qs << true;
  QTest::newRow("suction SI") << UnitSystem::SI << u"Suction"_qs << u"17.584"_qs << u"1 3/8"_qs << u"4.57"_qs << false;
  QTest::newRow("discharge SI") << UnitSystem::SI << u"Discharge"_qs << u"17.584"_qs << u"1 1/8"_qs << u"3.65"_qs
                                << true;
}

void SizingWindowsTest::sizesThePartLoadRiser() {
  QFETCH(UnitSystem, unit);
  QFETCH(QString, line);
  QFETCH(QString, minimum);
  QFETCH(QString, partLoadSize);
  QFETCH(QString, partLoadVelocity);
  QFETCH(bool, velocityOutsideBand);
  Program program(unit);
  QVERIFY(program.Calculate(CaseFor(unit, line)));
  const OutputTexts full = program.main->outputTexts();
  QVERIFY(!full.lineSize.isEmpty());

  RiserSeen opened, calculated;
  QList<testing::MessageBoxSeen> boxes;
  QSize smallDesign, largeDesign;
  QPoint largePlace;  // moved in only as far as a small screen needs
  QVERIFY(OpenRiserWindow(program, [&](QDialog* window) {
    opened = See(window);
    boxes = CalculateRiser(window, minimum);
    calculated = See(window);
    smallDesign = Twips(window, 4965, 1110);
    largeDesign = Twips(window, 7410, 5355);
    const QRect screen = window->screen()->availableGeometry();
    const QSize place = Twips(window, 4940, 3570);
    largePlace = QPoint(std::min(place.width(), screen.right() + 1 - window->width()),
                        std::min(place.height(), screen.bottom() + 1 - window->height()));
    Program::Click(window, "Command2");
  }));
  QVERIFY(boxes.isEmpty());

  const bool ip = unit == UnitSystem::IP;
  QCOMPARE(opened.texts[u"Lblriser"_qs], ip ? u"Minimumm Capacity (tons) :"_qs : u"Minimumm Capacity (kw) :"_qs);
  QCOMPARE(opened.texts[u"LR5"_qs], ip ? u"FPS"_qs : u"m/s"_qs);
  QCOMPARE(opened.texts[u"LR6"_qs], ip ? u"FPS"_qs : u"m/s"_qs);
  QVERIFY(!opened.results && AtLeast(opened.size, smallDesign));
  QVERIFY2(opened.clipped.isEmpty(), qPrintable(opened.clipped.join(u", "_qs)));

  QCOMPARE(calculated.texts[u"RSIZE1"_qs], full.lineSize);
  QCOMPARE(calculated.texts[u"TR1"_qs], full.velocity);
  QCOMPARE(calculated.texts[u"RSIZE2"_qs], partLoadSize);
  QCOMPARE(calculated.texts[u"TR2"_qs], partLoadVelocity);
  QCOMPARE(calculated.velocityBackground, velocityOutsideBand ? kErrorRed : kFieldWhite);
  QCOMPARE(calculated.velocityText, velocityOutsideBand ? kFieldWhite : kTextBlack);
  const bool suction = line == u"Suction"_qs;
  QCOMPARE(calculated.suctionDrawing, suction);
  QCOMPARE(calculated.dischargeDrawing, !suction);
  QCOMPARE(calculated.texts[suction ? u"LR8"_qs : u"LR10"_qs], full.lineSize);
  QCOMPARE(calculated.texts[suction ? u"LR7"_qs : u"LR9"_qs], partLoadSize);
  QCOMPARE(calculated.texts[suction ? u"LR9"_qs : u"LR7"_qs], QString());
  // Each of these risers is fast enough to carry the oil up.
  QCOMPARE(calculated.texts[u"Lblwarning"_qs], QString());

  QVERIFY(calculated.results && AtLeast(calculated.size, largeDesign));
  QCOMPARE(calculated.place, largePlace);
  QVERIFY2(calculated.clipped.isEmpty(), qPrintable(calculated.clipped.join(u", "_qs)));

  QCOMPARE(program.session.riserOutput1, partLoadSize);
  QCOMPARE(program.session.riserOutput2, partLoadVelocity);
  QVERIFY(program.main->doubleRiserAccepted());
  QCOMPARE(program.main->outputTexts(), full);
}

void SizingWindowsTest::okCancelAndRecalculation() {
  Program program;
  QVERIFY(program.Calculate(CaseFor(UnitSystem::IP, u"Suction"_qs)));
  QVERIFY(OpenRiserWindow(program, [](QDialog* window) {
    CalculateRiser(window, u"5"_qs);
    Program::Click(window, "Command2");
  }));
  QVERIFY(program.main->doubleRiserAccepted());

  // Opened again, the window is loaded afresh: small, empty, nothing that
  // OK could accept unseen. Cancel unticks Check1 and leaves the accepted
  // riser as it was.
  RiserSeen seen;
  QVERIFY(OpenRiserWindow(program, [&](QDialog* window) {
    seen = See(window);
    Program::Click(window, "Command3");
  }));
  for (const char* name : {"Txtriser", "RSIZE1", "TR1", "RSIZE2", "TR2", "LR7", "LR8", "LR9", "LR10"})
    QVERIFY2(seen.texts[QString::fromLatin1(name)].isEmpty(), name);
  QVERIFY(!seen.results && !seen.suctionDrawing);
  QVERIFY(!program.main->doubleRiserAccepted());
  QCOMPARE(program.session.riserOutput1, u"1 3/8"_qs);
  QCOMPARE(program.session.riserOutput2, u"14.98"_qs);

  // Closing the window neither ticks nor unticks.
  program.main->setDoubleRiserAccepted(true);
  QVERIFY(OpenRiserWindow(program, [](QDialog* window) { window->close(); }));
  QVERIFY(program.main->doubleRiserAccepted());

  // A new calculation empties the results; the window opens small again.
  Program::Click(program.main.get(), "Cmdcalculate");
  QVERIFY(program.session.riserOutput1.isEmpty() && !program.main->doubleRiserAccepted());
  QVERIFY(OpenRiserWindow(program, [&](QDialog* window) { seen = See(window); }));
  for (const char* name : {"RSIZE1", "TR1", "RSIZE2", "TR2", "LR7", "LR8", "LR9", "LR10"})
    QVERIFY2(seen.texts[QString::fromLatin1(name)].isEmpty(), name);
  QVERIFY(!seen.results);
  QVERIFY(seen.texts[u"Txtriser"_qs].isEmpty());
}

// A liquid line never offers the riser, but the main window's line may have
// been changed after a suction sizing: the window then shows the full-load
// riser and sizes nothing.
void SizingWindowsTest::liquidLineSizesNothingButEnlarges() {
  Program program;
  QVERIFY(program.Calculate(CaseFor(UnitSystem::IP, u"Suction"_qs)));
  QVERIFY(testing::PickFromList(program.main->findChild<QComboBox*>(u"Cmbl"_qs), u"Liquid"_qs));
  const OutputTexts full = program.main->outputTexts();

  const std::unique_ptr<Frmdoubleriser> window = SizingWindowsOf(program).MakeDoubleRiserWindow();
  window->show();
  const QList<testing::MessageBoxSeen> boxes = CalculateRiser(window.get(), u"5"_qs);
  const RiserSeen seen = See(window.get());
  QVERIFY(boxes.isEmpty());
  QCOMPARE(seen.texts[u"RSIZE1"_qs], full.lineSize);
  QCOMPARE(seen.texts[u"TR1"_qs], full.velocity);
  QVERIFY(seen.texts[u"RSIZE2"_qs].isEmpty() && seen.texts[u"TR2"_qs].isEmpty());
  QVERIFY(!seen.suctionDrawing && !seen.dischargeDrawing);
  QVERIFY(seen.results && AtLeast(seen.size, Twips(window.get(), 7410, 5355)));
}

void SizingWindowsTest::refusesWhatCannotBeSized() {
  Program program;
  QVERIFY(program.Calculate(CaseFor(UnitSystem::IP, u"Suction"_qs)));
  const OutputTexts full = program.main->outputTexts();
  const std::unique_ptr<Frmdoubleriser> window = SizingWindowsOf(program).MakeDoubleRiserWindow();
  window->show();

  // Above 500 tons the entry is wiped as it is typed; with nothing left the
  // field is flagged and the window stays small.
  QList<testing::MessageBoxSeen> boxes = CalculateRiser(window.get(), u"500.01"_qs);
  QCOMPARE(boxes.size(), 1);
  QCOMPARE(boxes[0].title, u"error"_qs);
  QCOMPARE(boxes[0].text, u"Data is not complete. "_qs);
  RiserSeen seen = See(window.get());
  QVERIFY(seen.texts[u"Txtriser"_qs].isEmpty());
  QVERIFY(seen.minimumFlagged && !seen.results);

  // No flow at all: said so plainly, no result, the main window untouched.
  boxes = CalculateRiser(window.get(), u"0"_qs);
  QCOMPARE(boxes.size(), 1);
  QVERIFY(!boxes[0].text.isEmpty());
  QVERIFY(boxes[0].text != u"There is not any pipe size with this data."_qs);
  seen = See(window.get());
  QVERIFY(seen.minimumFlagged && seen.results);
  QVERIFY(seen.texts[u"RSIZE2"_qs].isEmpty() && seen.texts[u"TR2"_qs].isEmpty() && seen.texts[u"LR7"_qs].isEmpty());
  QCOMPARE(program.main->outputTexts(), full);

  // A minimum no tube carries within the design drop: the main window's
  // result goes, and so does the part-load result of the last minimum, which
  // OK would otherwise accept as this one's.
  QVERIFY(CalculateRiser(window.get(), u"5"_qs).isEmpty());
  QVERIFY(!See(window.get()).minimumFlagged);
  boxes = CalculateRiser(window.get(), u"300"_qs);
  QCOMPARE(boxes.size(), 1);
  QCOMPARE(boxes[0].text, u"There is not any pipe size with this data."_qs);
  seen = See(window.get());
  QVERIFY(seen.texts[u"RSIZE2"_qs].isEmpty() && seen.texts[u"TR2"_qs].isEmpty() && seen.texts[u"LR7"_qs].isEmpty());
  QCOMPARE(program.main->outputTexts(), OutputTexts{});
  QVERIFY(!program.main->doubleRiserOffered());
}

void SizingWindowsTest::partLoadRiserTooSlowForTheOilWarns() {
  // A small design drop takes large tubes, and near full load the part-load
  // riser keeps one that runs too slowly to lift the oil.
  testing::TypedCase typed = CaseFor(UnitSystem::IP, u"Suction"_qs);
  typed.designDrop = u"0.5"_qs;
  Program program;
  QVERIFY(program.Calculate(typed));
  const std::unique_ptr<Frmdoubleriser> window = SizingWindowsOf(program).MakeDoubleRiserWindow();
  window->show();
  QVERIFY(CalculateRiser(window.get(), u"9"_qs).isEmpty());
  const RiserSeen seen = See(window.get());
  const auto size = SizeIndexOf(TubeSeries::TypeK, seen.texts[u"RSIZE2"_qs]);
  QVERIFY(size.has_value());
  const QString minimum = QString::number(*MinimumOilReturnVelocityFps(LineType::Suction, *size), 'f', 2);
  QVERIFY2(seen.texts[u"TR2"_qs].toDouble() < minimum.toDouble(), qPrintable(seen.texts[u"TR2"_qs]));
  QCOMPARE(seen.texts[u"Lblwarning"_qs],
           u"Oil return: %1 FPS is below the %2 FPS that %3 needs in a suction riser."_qs.arg(
               seen.texts[u"TR2"_qs], minimum, seen.texts[u"RSIZE2"_qs]));
  const auto* warning = window->findChild<QLabel*>(u"Lblwarning"_qs);
  QVERIFY(warning->isVisibleTo(window.get()));
  QCOMPARE(warning->palette().color(QPalette::WindowText), kFrameCaptionRed);
  QVERIFY2(seen.clipped.isEmpty(), qPrintable(seen.clipped.join(u", "_qs)));

  // A minimum no tube carries empties the part-load results, warning and all.
  QCOMPARE(CalculateRiser(window.get(), u"300"_qs).size(), 1);
  QCOMPARE(See(window.get()).texts[u"Lblwarning"_qs], QString());
}

void SizingWindowsTest::openingAProjectForgetsTheAcceptedRiser_data() {
  QTest::addColumn<bool>("readable");
  QTest::newRow("a project file") << true;
  QTest::newRow("a file that cannot be read") << false;
}

// Open through the menu after a part-load riser was accepted: the riser was
// worked out for the case on screen, so a project read in takes it away with
// the outputs, and the report can no longer print it beside the new case. A
// file that cannot be read changes nothing, the riser included.
void SizingWindowsTest::openingAProjectForgetsTheAcceptedRiser() {
  QFETCH(bool, readable);
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString saved = dir.filePath(u"case.kst"_qs);
  const QString opened = readable ? saved : dir.filePath(u"missing.kst"_qs);
  Program program;
  ConnectProjectCommands(*program.main, {[&](QWidget*) { return opened; }, [&](QWidget*) { return saved; }});
  QVERIFY(program.Calculate(CaseFor(UnitSystem::IP, u"Suction"_qs)));
  program.main->menuAction(u"save"_qs)->trigger();
  QVERIFY(QFile::exists(saved));
  QVERIFY(OpenRiserWindow(program, [](QDialog* window) {
    CalculateRiser(window, u"5"_qs);
    Program::Click(window, "Command2");
  }));
  QCOMPARE(program.session.riserOutput1, u"1 3/8"_qs);
  QVERIFY(program.main->doubleRiserAccepted());
  const OutputTexts shown = program.main->outputTexts();

  ModalWatcher watcher;
  program.main->menuAction(u"open"_qs)->trigger();
  QCOMPARE(watcher.boxes().size(), readable ? 0 : 1);
  if (readable) {
    QVERIFY(program.session.riserOutput1.isEmpty());
    QVERIFY(program.session.riserOutput2.isEmpty());
    QVERIFY(!program.main->doubleRiserAccepted());
    QVERIFY(!program.main->doubleRiserOffered());
    QCOMPARE(program.main->outputTexts(), OutputTexts{});
  } else {
    QCOMPARE(program.session.riserOutput1, u"1 3/8"_qs);
    QCOMPARE(program.session.riserOutput2, u"14.98"_qs);
    QVERIFY(program.main->doubleRiserAccepted());
    QVERIFY(program.main->doubleRiserOffered());
    QCOMPARE(program.main->outputTexts(), shown);
  }
}

// A design run on one project leaves its design drop behind; a checking-mode
// project opened after it names no drop of its own, so its part-load riser
// is refused rather than sized by the other project's drop. The checked line
// itself stays as it was shown.
void SizingWindowsTest::checkingModeProjectHasNoPartLoadRiser() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString checking = dir.filePath(u"checking.kst"_qs);
  ProjectData project;
  project.fields = {u"R22"_qs,     u"20"_qs,    u"40"_qs,  u"105"_qs, u"10"_qs, u"10"_qs,
                    u"Suction"_qs, u"1 3/8"_qs, u"100"_qs, u"20"_qs,  u"0"_qs};
  project.mode = 1;
  project.captions = ShownCaptions(UnitSystem::IP, WorkingMode::Checking);
  QFile file(checking);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(WriteProject(project));
  file.close();

  Program program;
  ConnectProjectCommands(*program.main, {[&](QWidget*) { return checking; }, [&](QWidget*) { return QString(); }});
  QVERIFY(program.Calculate(CaseFor(UnitSystem::IP, u"Suction"_qs)));
  QVERIFY(program.session.designDropPsi > 0);
  {
    ModalWatcher watcher;
    program.main->menuAction(u"open"_qs)->trigger();
    Program::Click(program.main.get(), "Cmdcalculate");
    QVERIFY(watcher.boxes().isEmpty());
  }
  const OutputTexts checked = program.main->outputTexts();
  QCOMPARE(checked.lineSize, u"1 3/8"_qs);

  QList<testing::MessageBoxSeen> boxes;
  RiserSeen seen;
  QVERIFY(OpenRiserWindow(program, [&](QDialog* window) {
    boxes = CalculateRiser(window, u"5"_qs);
    seen = See(window);
  }));
  QCOMPARE(boxes.size(), 1);
  QCOMPARE(boxes[0].title, u"error"_qs);
  QCOMPARE(boxes[0].text,
           u"The double riser is sized from a design-mode result: calculate the line in design mode, then size the "
           u"part-load riser."_qs);
  QVERIFY(seen.texts[u"RSIZE2"_qs].isEmpty() && seen.texts[u"TR2"_qs].isEmpty() && seen.texts[u"LR7"_qs].isEmpty());
  QCOMPARE(seen.texts[u"RSIZE1"_qs], u"1 3/8"_qs);
  QCOMPARE(program.main->outputTexts(), checked);
  QVERIFY(!program.main->doubleRiserAccepted());
}

}  // namespace kestrin

QTEST_MAIN(kestrin::SizingWindowsTest)
#include "sizing_windows_test.moc"
