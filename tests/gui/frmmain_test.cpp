// The main window driven as a user drives it: keys typed, lists picked,
// "Calculate" clicked, message boxes read and closed.

#include "gui/frmmain.h"
#include "gui/field_colours.h"
#include "gui/frmmain_test_case.h"
#include "gui/window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

using namespace kestrin;
using namespace kestrin::testing;
using namespace Qt::StringLiterals;

namespace {

const QStringList kInputNames = {u"Txtcapacity"_s, u"Txtet"_s,  u"Txtct"_s, u"Txtsh"_s,
                                 u"Txtsc"_s,       u"Txttll"_s, u"Txtrl"_s, u"Txtal"_s};
const QStringList kFlaggableNames = kInputNames + QStringList{u"Cmbrt"_s, u"Cmbl"_s, u"Cmbdpd"_s};
const QColor kRed(255, 0, 0), kWhite(255, 255, 255), kBlack(0, 0, 0);

}  // namespace

class FrmmainTest : public QObject {
  Q_OBJECT

  std::unique_ptr<SessionState> session_;
  std::unique_ptr<Frmmain> window_;

  template <class T = QWidget>
  T* Get(const QString& name) const {
    return window_->findChild<T*>(name);
  }
  QLineEdit* Edit(const char* name) const { return Get<QLineEdit>(QString::fromLatin1(name)); }
  QComboBox* List(const char* name) const { return Get<QComboBox>(QString::fromLatin1(name)); }

  QStringList FlaggedFields() const {
    QStringList flagged;
    for (const QString& name : kFlaggableNames) {
      if (IsFieldFlagged(Get(name))) flagged.append(name);
    }
    return flagged;
  }

  // Clicks "Calculate" with the fields as they stand; every box is answered.
  QList<MessageBoxSeen> Calculate() {
    ModalWatcher watcher;
    QTest::mouseClick(Get<QPushButton>(u"Cmdcalculate"_s), Qt::LeftButton);
    return watcher.boxes();
  }

  void NewWindow() {
    window_ = std::make_unique<Frmmain>(*session_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

 private Q_SLOTS:
  void init() {
    QLocale::setDefault(QLocale::c());
    session_ = std::make_unique<SessionState>();
    NewWindow();
    for (const QString& name : kFlaggableNames + QStringList{u"Txtlinesize"_s, u"Txtvelocity"_s, u"Lblriser"_s,
                                                             u"Check1"_s, u"Cmdcalculate"_s, u"Lbl8"_s}) {
      QVERIFY2(Get(name), qPrintable(MissingChildMessage("control", name, window_.get())));
    }
  }

  void cleanup() {
    window_.reset();
    session_.reset();
  }

  void startsEmptyWithItsListsAndLimits() {
    QCOMPARE(window_->windowTitle(), u"Kestrin Refrigerant Pipe Sizing"_s);
    QCOMPARE(List("Cmbrt")->currentIndex(), -1);
    QCOMPARE(List("Cmbl")->currentIndex(), -1);
    QCOMPARE(window_->inputTexts(), MainFieldTexts{});
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(Get(u"Lblriser"_s)->isHidden() && Get(u"Check1"_s)->isHidden());
    QVERIFY(!Get(u"Check1"_s)->isEnabled());
    QVERIFY(FlaggedFields().isEmpty());

    QCOMPARE(Get<QGroupBox>(u"Frame3"_s)->title(), u" Output Data "_s);
    QVERIFY(!List("Cmbrt")->isEditable() && !List("Cmbl")->isEditable() && List("Cmbdpd")->isEditable());
    for (const QString& name : kInputNames) {
      QCOMPARE(Get<QLineEdit>(name)->maxLength(), 6);
      QCOMPARE(Get<QLineEdit>(name)->alignment(), Qt::AlignCenter);
    }
    for (const char* name : {"Txtlinesize", "Txttpd", "Txtvelocity", "Txtel", "Txttrap"}) {
      QVERIFY2(Edit(name)->isReadOnly() && Edit(name)->alignment() == Qt::AlignCenter, name);
    }
    // Every field is named by its label, for the keyboard and screen readers.
    for (const QString& name : kFlaggableNames) {
      const auto labels = window_->findChildren<QLabel*>();
      QVERIFY2(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == Get(name); }),
               qPrintable(name));
    }

    const QStringList order = {u"Cmbrt"_s, u"Txtcapacity"_s, u"Txtet"_s,        u"Txtct"_s,   u"Txtsh"_s,
                               u"Txtsc"_s, u"Cmbl"_s,        u"Cmbdpd"_s,       u"Txttll"_s,  u"Txtrl"_s,
                               u"Txtal"_s, u"Cmdfitting"_s,  u"Cmdcalculate"_s, u"Cmdclose"_s};
    QWidget* widget = Get(order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
      do {
        widget = widget->nextInFocusChain();
      } while (widget->focusProxy() || widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty());
      QCOMPARE(widget->objectName(), order[i]);
    }
  }

  // The menu bar as the user meets it, menu by menu and entry by entry in
  // order: object name, caption, the access key its ampersand gives, and the
  // shortcut. "-" stands for a separator line.
  void menuBarEntriesInOrderWithTheirKeys() {
    struct Entry {
      const char* name;
      const char* caption;
      char accessKey;  // 0: none
      const char* shortcut;
    };
    struct Menu {
      Entry title;
      QList<Entry> entries;
    };
    const QList<Menu> menus = {
        {{"file", "&File", 'F', ""},
         {{"open", "&Open", 'O', "Ctrl+O"},
          {"save", "&Save", 'S', "Ctrl+S"},
          {"l1", "-", 0, ""},
          {"Printsetup", "Print Setup", 0, ""},
          {"print", "&Print", 'P', "Ctrl+P"},
          {"l2", "-", 0, ""},
          {"exit", "&Exit", 'E', ""}}},
        {{"setup", "&Set up", 'S', ""},
         {{"Process", "Process", 0, ""},
          {"units", "Units", 0, ""},
          {"properties", "Properties", 0, ""},
          {"tubes", "Tubes", 0, ""}}},
        {{"tables", "&Tables", 'T', ""}, {{"capacities", "Line Capacities", 0, "Ctrl+T"}}},
        {{"help", "&Help", 'H', ""},
         {{"pipingGuide", "Kestrin Piping Guide", 0, ""},
          {"web", "Kestrin  website", 0, ""},
          {"About", "About Kestrin Pipe ...", 0, ""}}},
    };
    auto check = [](const QAction* action, const Entry& entry) {
      const QString where = QString::fromLatin1(entry.name);
      QCOMPARE(action->objectName(), where);
      if (QByteArrayView(entry.caption) == "-") {
        QVERIFY2(action->isSeparator(), entry.name);
        return;
      }
      QVERIFY2(!action->isSeparator(), entry.name);
      QCOMPARE(action->text(), QString::fromLatin1(entry.caption));
      const QKeySequence accessKey =
          entry.accessKey ? QKeySequence(Qt::ALT | Qt::Key(entry.accessKey)) : QKeySequence();
      QCOMPARE(QKeySequence::mnemonic(action->text()), accessKey);
      QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(entry.shortcut)));
    };

    const QList<QAction*> titles = window_->menuBar()->actions();
    QCOMPARE(titles.size(), menus.size());
    for (qsizetype m = 0; m < menus.size(); ++m) {
      check(titles[m], menus[m].title);
      if (QTest::currentTestFailed()) return;
      QVERIFY(titles[m]->menu());
      const QList<QAction*> entries = titles[m]->menu()->actions();
      QCOMPARE(entries.size(), menus[m].entries.size());
      for (qsizetype e = 0; e < entries.size(); ++e) {
        check(entries[e], menus[m].entries[e]);
        if (QTest::currentTestFailed()) return;
      }
    }
    // The guide's entry is there but neither shown nor usable.
    QVERIFY(!window_->menuAction(u"pipingGuide"_s)->isVisible());
    QVERIFY(!window_->menuAction(u"pipingGuide"_s)->isEnabled());
  }

  void refusedCalculateFlagsOneFieldAndShowsItsMessage_data() {
    QTest::addColumn<bool>("si");
    QTest::addColumn<bool>("checking");
    QTest::addColumn<MainFieldTexts>("fields");
    QTest::addColumn<QString>("flagged");
    QTest::addColumn<QString>("message");

    const QString incomplete = u"Data is not complete. "_s;
    const MainFieldTexts full{u"R22"_s,     u"10"_s, u"40"_s,  u"105"_s, u"10"_s, u"10"_s,
                              u"Suction"_s, u"2"_s,  u"100"_s, u"10"_s,  u"0"_s};
    auto with = [&](auto change) {
      MainFieldTexts texts = full;
      change(texts);
      return texts;
    };
    QTest::newRow("all empty: only the refrigerant") << false << false << MainFieldTexts{} << u"Cmbrt"_s << incomplete;
    QTest::newRow("no capacity") << false << false << with([](auto& t) { t.capacity.clear(); }) << u"Txtcapacity"_s
                                 << incomplete;
    QTest::newRow("IP evaporating -41") << false << false << with([](auto& t) { t.evaporating = u"-41"_s; })
                                        << u"Txtet"_s << u"Valid Range Is -40 to 55 F.please insert correct data "_s;
    QTest::newRow("SI evaporating -41") << true << false << with([](auto& t) { t.evaporating = u"-41"_s; })
                                        << u"Txtet"_s << u"Valid Range Is -40 to 12 C.please insert correct data "_s;
    QTest::newRow("IP condensing 79.9") << false << false << with([](auto& t) { t.condensing = u"79.9"_s; })
                                        << u"Txtct"_s << u"Valid Range Is 80 to 150 F.please insert correct data. "_s;
    QTest::newRow("SI condensing 24.9") << true << false << with([](auto& t) { t.condensing = u"24.9"_s; })
                                        << u"Txtct"_s << u"Valid Range Is 25 to 65 C.please insert correct data. "_s;
    QTest::newRow("no line") << false << false << with([](auto& t) { t.line.clear(); }) << u"Cmbl"_s << incomplete;
    QTest::newRow("checking mode, no tube")
        << false << true << with([](auto& t) { t.designDrop.clear(); }) << u"Cmbdpd"_s << incomplete;
    QTest::newRow("riser longer than the line")
        << false << false << with([](auto& t) { t.riserLength = u"100.5"_s; }) << u"Txtrl"_s
        << u"Riser Length should not be greater than the Total Line Length . "_s;
    // Pasted or opened from a file: no system evaporates above its
    // condensing temperature, and no length or loss is negative.
    QTest::newRow("evaporating above condensing")
        << false << false << with([](auto& t) { t.evaporating = u"120"_s; }) << u"Txtet"_s
        << u"The evaporating temperature must be below the condensing temperature."_s;
    QTest::newRow("SI negative superheat") << true << false << with([](auto& t) {
      t.evaporating = u"5"_s;
      t.condensing = u"40"_s;
      t.superheat = u"-3"_s;
    }) << u"Txtsh"_s << u"Superheat (C) must not be negative."_s;
    QTest::newRow("checking mode, negative line") << false << true << with([](auto& t) {
      t.designDrop = u"1 1/8"_s;
      t.totalLength = u"-10"_s;
      t.riserLength = u"-80"_s;
    }) << u"Txttll"_s << u"Total Line Length (Ft) must not be negative."_s;
  }

  void refusedCalculateFlagsOneFieldAndShowsItsMessage() {
    QFETCH(bool, si);
    QFETCH(bool, checking);
    QFETCH(MainFieldTexts, fields);
    QFETCH(QString, flagged);
    QFETCH(QString, message);
    if (si) window_->applyUnitSystem(UnitSystem::SI);
    if (checking) window_->applyWorkingMode(WorkingMode::Checking);
    QVERIFY(window_->setInputTexts(fields));

    const QList<MessageBoxSeen> boxes = Calculate();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, u"error"_s);
    QCOMPARE(boxes[0].text, message);
    QCOMPARE(boxes[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QVERIFY(boxes[0].modal);
    QCOMPARE(FlaggedFields(), QStringList{flagged});
    QCOMPARE(FieldBackground(Get(flagged)), kRed);
    QVERIFY(!session_->designCase.has_value());
    QCOMPARE(window_->outputTexts(), OutputTexts{});
  }

  // A condensing temperature the refrigerant's properties do not reach,
  // pasted after a good run: refused like a line no tube fits, the earlier
  // result gone.
  void condensingTooCloseToCriticalEmptiesTheOutputs() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    QVERIFY(Calculate().isEmpty());
    QVERIFY(!window_->outputTexts().lineSize.isEmpty());
    MainFieldTexts fields = window_->inputTexts();
    fields.condensing = u"200"_s;
    QVERIFY(window_->setInputTexts(fields));

    const QList<MessageBoxSeen> boxes = Calculate();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, u"error"_s);
    QCOMPARE(boxes[0].text,
             u"The condensing temperature is too close to the critical temperature of R22 (205.1 F): lines are sized "
             u"with condensing temperatures up to 196.1 F."_s);
    QCOMPARE(FlaggedFields(), QStringList{u"Txtct"_s});
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(!window_->doubleRiserOffered());
  }

  void refusedCalculateKeepsOutputsButWritesZeros() {
    TypedCase typed = SuctionCaseIP();
    typed.superheat = typed.subcool = typed.riserLength = typed.additionalLoss = QString();
    QVERIFY(TypeCase(window_.get(), typed));
    QVERIFY(Calculate().isEmpty());
    for (const char* name : {"Txtsh", "Txtsc", "Txtrl", "Txtal"}) QCOMPARE(Edit(name)->text(), u"0"_s);
    QCOMPARE(session_->designCase->superheatF, 0.0);
    const OutputTexts before = window_->outputTexts();
    const double storedCapacity = session_->designCase->capacityTons;

    Edit("Txtsh")->clear();
    TypeInto(Edit("Txtcapacity"), u"20"_s);
    TypeInto(Edit("Txttll"), QString());
    QCOMPARE(Calculate().size(), 1);
    QCOMPARE(Edit("Txtsh")->text(), u"0"_s);
    QCOMPARE(FlaggedFields(), QStringList{u"Txttll"_s});
    QCOMPARE(window_->outputTexts(), before);
    QCOMPARE(session_->designCase->capacityTons, storedCapacity);
  }

  void suctionSizingShowsTheSameTubeInIpAndSi() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    QVERIFY(Calculate().isEmpty());
    const OutputTexts ip = window_->outputTexts();
    QCOMPARE(ip.lineSize, u"1 5/8"_s);
    QCOMPARE(ip.description, u"Copper Tube Outside diameter (1 1/2 Nominal size)"_s);
    QCOMPARE(ip.traps, u"1"_s);
    QVERIFY(window_->doubleRiserOffered());
    QCOMPARE(session_->designDropPsi, 2.0);

    window_->applyUnitSystem(UnitSystem::SI);
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(TypeCase(window_.get(), SuctionCaseSI()));
    QVERIFY(Calculate().isEmpty());
    const OutputTexts si = window_->outputTexts();
    QCOMPARE(si.lineSize, ip.lineSize);
    QCOMPARE(si.traps, ip.traps);
    // The same case, shown in bar, m/s and m.
    auto near = [](const QString& shown, const QString& ipShown, double factor, double tolerance) {
      return qAbs(shown.toDouble() - ipShown.toDouble() * factor) <= tolerance;
    };
    QVERIFY2(near(si.totalPressureDrop, ip.totalPressureDrop, kPsiToBar, 0.011), qPrintable(si.totalPressureDrop));
    QVERIFY2(near(si.velocity, ip.velocity, 0.3048, 0.02), qPrintable(si.velocity));
    QVERIFY2(near(si.equivalentLength, ip.equivalentLength, 0.3048, 0.11), qPrintable(si.equivalentLength));
    QVERIFY(qAbs(session_->designCase->capacityTons - 35.168 * 0.2843451433) < 1e-9);
  }

  void noPipeSizeAfterAGoodRunEmptiesTheOutputs() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    QVERIFY(Calculate().isEmpty());
    window_->setDoubleRiserAccepted(true);

    // An additional loss as large as the design drop can never be met.
    TypeInto(Edit("Txtal"), u"2"_s);
    const QList<MessageBoxSeen> boxes = Calculate();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, u"There is not any pipe size with this data."_s);
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(!window_->doubleRiserOffered());
    QVERIFY(!window_->doubleRiserAccepted());
  }

  void velocityOutsideItsBandShowsWhiteOnRed() {
    // A large tube checked at one ton: the gas crawls far below the band.
    window_->applyWorkingMode(WorkingMode::Checking);
    TypedCase typed = SuctionCaseIP();
    typed.capacity = u"1"_s;
    typed.designDrop = u"3 5/8"_s;
    QVERIFY(TypeCase(window_.get(), typed));
    QVERIFY(Calculate().isEmpty());
    QLineEdit* velocity = Edit("Txtvelocity");
    QCOMPARE(window_->outputTexts().lineSize, u"3 5/8"_s);
    QCOMPARE(FieldTextColour(velocity), kWhite);
    const QImage shown = velocity->grab().toImage();  // as the user sees it
    QCOMPARE(QColor(shown.pixel(4, shown.height() / 2)), kRed);

    // A liquid line has no band: its velocity shows plain.
    QVERIFY(PickFromList(List("Cmbl"), u"Liquid"_s));
    QVERIFY(Calculate().isEmpty());
    QCOMPARE(FieldBackground(velocity), kWhite);
    QCOMPARE(FieldTextColour(velocity), kBlack);

    QVERIFY(PickFromList(List("Cmbl"), u"Suction"_s));
    QVERIFY(Calculate().isEmpty());
    QVERIFY(window_->velocityOutsideBand());
    window_->ClearOutputs();
    QCOMPARE(FieldBackground(velocity), kWhite);
    QCOMPARE(FieldTextColour(velocity), kBlack);
  }

  void readingsRowAndWarningShowClearAndFollowTheUnits() {
    QCOMPARE(Get<QLabel>(u"Lblsatdrop"_s)->text(), u"Saturation Temp. Drop :"_s);
    QCOMPARE(Get<QLabel>(u"Lblsatdrop"_s)->buddy(), Edit("Txtsatdrop"));
    QVERIFY(Edit("Txtsatdrop")->isReadOnly() && Edit("Txtsatdrop")->alignment() == Qt::AlignCenter);
    auto* unit = Get<QLabel>(u"Lblsatdropunit"_s);
    auto* warning = Get<QLabel>(u"Lblwarning"_s);
    QCOMPARE(unit->text(), u"F"_s);
    QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    // The new row sits under the traps, the warning under every row.
    QVERIFY(Edit("Txtsatdrop")->y() > Edit("Txttrap")->y());
    QVERIFY(warning->y() > Edit("Txtsatdrop")->y());

    // Checked at one ton a 3 5/8 riser cannot lift the oil.
    window_->applyWorkingMode(WorkingMode::Checking);
    TypedCase typed = SuctionCaseIP();
    typed.capacity = u"1"_s;
    typed.designDrop = u"3 5/8"_s;
    QVERIFY(TypeCase(window_.get(), typed));
    QVERIFY(Calculate().isEmpty());
    const OutputTexts slow = window_->outputTexts();
    QCOMPARE(slow.saturationDrop, u"0.0"_s);
    QCOMPARE(slow.warning,
             u"Oil return: %1 FPS is below the 21.17 FPS that 3 5/8 needs in a suction riser."_s.arg(slow.velocity));
    QVERIFY(warning->isVisible());

    // The warning goes with the outputs, whatever empties them.
    window_->ClearOutputs();
    QCOMPARE(Edit("Txtsatdrop")->text(), QString());
    QCOMPARE(warning->text(), QString());

    window_->applyWorkingMode(WorkingMode::Design);
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    QVERIFY(Calculate().isEmpty());
    const OutputTexts ip = window_->outputTexts();
    QVERIFY(!ip.saturationDrop.isEmpty());
    window_->applyUnitSystem(UnitSystem::SI);
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QCOMPARE(unit->text(), u"K"_s);
    QVERIFY(TypeCase(window_.get(), SuctionCaseSI()));
    QVERIFY(Calculate().isEmpty());
    const OutputTexts si = window_->outputTexts();
    QVERIFY2(qAbs(si.saturationDrop.toDouble() - ip.saturationDrop.toDouble() / 1.8) <= 0.06,
             qPrintable(si.saturationDrop + u" K against "_s + ip.saturationDrop + u" F"_s));
    window_->applyUnitSystem(UnitSystem::IP);
    QCOMPARE(unit->text(), u"F"_s);

    // A liquid line with no subcooling flashes at once.
    typed = SuctionCaseIP();
    typed.line = u"Liquid"_s;
    typed.subcool = u"0"_s;
    QVERIFY(TypeCase(window_.get(), typed));
    QVERIFY(Calculate().isEmpty());
    QVERIFY2(window_->outputTexts().warning.startsWith(u"Flash gas likely: the subcooling margin is -"_s),
             qPrintable(window_->outputTexts().warning));
  }

  void doubleRiserIsOfferedForARiserOnSuctionOrDischarge_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("riser");
    QTest::addColumn<bool>("offered");
    QTest::newRow("suction, riser 5") << u"Suction"_s << u"5"_s << true;
    QTest::newRow("discharge, riser 5") << u"Discharge"_s << u"5"_s << true;
    QTest::newRow("suction, riser 0") << u"Suction"_s << u"0"_s << false;
    QTest::newRow("liquid, riser 5") << u"Liquid"_s << u"5"_s << false;
  }

  void doubleRiserIsOfferedForARiserOnSuctionOrDischarge() {
    QFETCH(QString, line);
    QFETCH(QString, riser);
    QFETCH(bool, offered);
    TypedCase typed = SuctionCaseIP();
    typed.line = line;
    typed.riserLength = riser;
    QVERIFY(TypeCase(window_.get(), typed));
    QVERIFY(Calculate().isEmpty());
    QCOMPARE(window_->doubleRiserOffered(), offered);
    QCOMPARE(Get(u"Check1"_s)->isVisible(), offered);
  }

  void acceptedDoubleRiserIsHiddenByALineChangeAndEmptiedByCalculate() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    QVERIFY(Calculate().isEmpty());
    window_->setDoubleRiserAccepted(true);
    session_->riserOutput1 = u"7/8"_s;
    session_->riserOutput2 = u"21.50"_s;
    const OutputTexts before = window_->outputTexts();

    QVERIFY(PickFromList(List("Cmbl"), u"Liquid"_s));
    QVERIFY(!window_->doubleRiserOffered());
    QVERIFY(window_->doubleRiserAccepted());  // only hidden
    QCOMPARE(window_->outputTexts(), before);
    QCOMPARE(List("Cmbdpd")->toolTip(), u"Recommended Range : 2 to 4 psi"_s);

    QVERIFY(PickFromList(List("Cmbl"), u"Suction"_s));
    QVERIFY(Calculate().isEmpty());
    QVERIFY(!window_->doubleRiserAccepted());
    QVERIFY(session_->riserOutput1.isEmpty() && session_->riserOutput2.isEmpty());
  }

  void textsNoTubeMatchesAreRefusedWithAMessage_data() {
    QTest::addColumn<bool>("checking");
    QTest::addColumn<QString>("designDrop");
    QTest::newRow("design mode, a lone point") << false << u"."_s;
    QTest::newRow("checking mode, no such tube") << true << u"9/8"_s;
  }

  void textsNoTubeMatchesAreRefusedWithAMessage() {
    QFETCH(bool, checking);
    QFETCH(QString, designDrop);
    if (checking) window_->applyWorkingMode(WorkingMode::Checking);
    TypedCase typed = SuctionCaseIP();
    typed.designDrop = designDrop;
    QVERIFY(TypeCase(window_.get(), typed));
    QCOMPARE(List("Cmbdpd")->currentText(), designDrop);

    const QList<MessageBoxSeen> boxes = Calculate();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, u"error"_s);
    QVERIFY(!boxes[0].text.isEmpty());
    QCOMPARE(FlaggedFields(), QStringList{u"Cmbdpd"_s});
  }

  void keyChecksWipeWhatLiesOutsideTheLimits_data() {
    QTest::addColumn<bool>("si");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("left");
    auto row = [](const char* name, bool si, const char* field, const char* keys, const char* left) {
      QTest::newRow(name) << si << QString::fromLatin1(field) << QString::fromLatin1(keys) << QString::fromLatin1(left);
    };
    row("IP capacity 5001 is wiped", false, "Txtcapacity", "5001", "");
    row("capacity: a lone point is wiped", false, "Txtcapacity", ".5", "5");
    row("SI capacity 1500.5 is wiped", true, "Txtcapacity", "1500.5", "");
    row("evaporating: a lone minus stays", false, "Txtet", "-", "-");
    row("evaporating -41 is wiped", false, "Txtet", "-41", "");
    row("SI evaporating 13 is wiped", true, "Txtet", "13", "");
    row("condensing: no lower limit", false, "Txtct", "95", "95");
    row("superheat: a lone minus is wiped", false, "Txtsh", "-", "");
    row("IP additional loss 4.1 is wiped", false, "Txtal", "4.1", "");
    row("SI additional loss 0.31 is wiped", true, "Txtal", "0.31", "");
    row("design drop: a lone point stays", false, "Cmbdpd", ".", ".");
    row("design drop: letters are wiped", false, "Cmbdpd", "2x", "");
  }

  void keyChecksWipeWhatLiesOutsideTheLimits() {
    QFETCH(bool, si);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, left);
    if (si) window_->applyUnitSystem(UnitSystem::SI);
    TypeInto(Get(field), keys);
    QCOMPARE(field == u"Cmbdpd"_s ? List("Cmbdpd")->currentText() : Get<QLineEdit>(field)->text(), left);
  }

  void keyCheckKeepsTheTubeChosenInCheckingMode() {
    window_->applyWorkingMode(WorkingMode::Checking);
    QComboBox* list = List("Cmbdpd");
    QVERIFY(PickFromList(list, u"1 1/8"_s));
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Tab}) QTest::keyClick(list, key);
    QCOMPARE(list->currentText(), u"1 1/8"_s);

    window_->applyWorkingMode(WorkingMode::Design);
    TypeInto(list, u"5/"_s);
    QCOMPARE(list->currentText(), QString());
  }

  void redFlagsClearAsTheUserCorrects() {
    TypedCase typed = SuctionCaseIP();
    typed.totalLength = u"50"_s;
    typed.riserLength = u"60"_s;
    QVERIFY(TypeCase(window_.get(), typed));
    QCOMPARE(Calculate().size(), 1);
    QCOMPARE(FlaggedFields(), QStringList{u"Txtrl"_s});
    TypeInto(Edit("Txttll"), u"70"_s);  // a valid line length clears the riser
    QVERIFY(FlaggedFields().isEmpty());

    Edit("Txtcapacity")->clear();
    QCOMPARE(Calculate().size(), 1);
    QTest::keyClick(Edit("Txtcapacity"), Qt::Key_Shift);  // any key
    QVERIFY(FlaggedFields().isEmpty());
    TypeInto(Edit("Txtcapacity"), u"10"_s);

    MainFieldTexts texts = window_->inputTexts();
    texts.evaporating = u"-41"_s;
    QVERIFY(window_->setInputTexts(texts));
    QCOMPARE(Calculate().size(), 1);
    TypeInto(Edit("Txtet"), u"4"_s);
    QVERIFY(FlaggedFields().isEmpty());

    NewWindow();
    QCOMPARE(Calculate().size(), 1);
    QCOMPARE(FlaggedFields(), QStringList{u"Cmbrt"_s});
    QVERIFY(PickFromList(List("Cmbrt"), u"R134a"_s));
    QVERIFY(FlaggedFields().isEmpty());
  }

  void numbersAreReadAndShownInTheUsersLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    NewWindow();
    TypedCase typed = SuctionCaseIP();
    typed.totalLength = u"98,425"_s;
    typed.riserLength = u"9,8425"_s;
    QVERIFY(TypeCase(window_.get(), typed));
    QVERIFY(Calculate().isEmpty());
    QLocale::setDefault(QLocale::c());
    QVERIFY(qAbs(session_->designCase->totalLengthFt - 98.425) < 1e-9);
    QCOMPARE(window_->outputTexts().totalPressureDrop, u"1,12"_s);
  }

  void projectRestoreSetsFieldsUnitsAndMode() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    QVERIFY(Calculate().isEmpty());
    const MainFieldTexts restored{u"R404A"_s,     u"35"_s,    u"5"_s,  u"40"_s, u"5"_s, u"5"_s,
                                  u"Discharge"_s, u"1 3/8"_s, u"30"_s, u"3"_s,  u"0"_s};
    QVERIFY(window_->setInputTexts(restored));
    window_->restoreUnitAndMode(UnitSystem::SI, WorkingMode::Checking, restored.designDrop);
    QCOMPARE(window_->inputTexts(), restored);
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(!window_->doubleRiserOffered());
    QVERIFY(session_->unitHistory == UnitSystem::SI && session_->modeHistory == WorkingMode::Checking);
    QCOMPARE(window_->unitCaptions()[0], u"System Capacity (kw) :"_s);
    QCOMPARE(window_->unitCaptions()[5], u"Line size: (OD diameter)"_s);

    MainFieldTexts unknown = restored;
    unknown.refrigerant = u"R12"_s;  // the list refuses it: nothing after it is set
    unknown.capacity = u"99"_s;
    QVERIFY(!window_->setInputTexts(unknown));
    QCOMPARE(Edit("Txtcapacity")->text(), u"35"_s);
  }

  // The glide line under the subcooling: shown for a blend on its reference
  // equation, in the unit system in force, empty otherwise; the temperature
  // fields then say which point of the glide they mean.
  void glideLineFollowsTheRefrigerantTemperaturesUnitsAndPropertySource() {
    auto* glide = Get<QLabel>(u"Lblglide"_s);
    QVERIFY2(glide, qPrintable(MissingChildMessage("control", u"Lblglide"_s, window_.get())));
    const QRegularExpression shownIP(uR"re(^Glide : \d+\.\d F evaporating, \d+\.\d F condensing$)re"_s);
    const QRegularExpression shownSI(uR"re(^Glide : [5-7]\.\d K evaporating, [4-6]\.\d K condensing$)re"_s);
    const QString specifiedTip = u"Valid Range Is -40 to 55 F"_s;

    QVERIFY(PickFromList(List("Cmbrt"), u"R407C"_s));
    TypeInto(Edit("Txtet"), u"40"_s);
    TypeInto(Edit("Txtct"), u"105"_s);
    QCOMPARE(glide->text(), QString());  // the correlations tell no glide
    QCOMPARE(Edit("Txtet")->toolTip(), specifiedTip);

    window_->applyPropertySource(PropertySource::Reference);
    QVERIFY2(shownIP.match(glide->text()).hasMatch(), qPrintable(glide->text()));
    QVERIFY(Edit("Txtet")->toolTip().startsWith(specifiedTip + u"\n"_s));
    QVERIFY(Edit("Txtet")->toolTip().contains(u"dew point at the evaporator outlet pressure"_s));
    QVERIFY(Edit("Txtct")->toolTip().contains(u"dew point at the condenser inlet pressure"_s));
    QVERIFY(Edit("Txtsh")->toolTip().contains(u"from the dew point"_s));
    QVERIFY(Edit("Txtsc")->toolTip().contains(u"from the bubble point"_s));
    QCOMPARE(Edit("Txttll")->toolTip(), u"Valid Range Is 0 to 1500 ft"_s);

    window_->applyUnitSystem(UnitSystem::SI);
    QVERIFY2(shownSI.match(glide->text()).hasMatch(), qPrintable(glide->text()));
    QVERIFY(Edit("Txtet")->toolTip().startsWith(u"Valid Range Is -40 to 12 C\n"_s));

    TypeInto(Edit("Txtct"), u"-"_s);  // a partial entry
    QCOMPARE(glide->text(), QString());
    TypeInto(Edit("Txtct"), u"40"_s);
    QVERIFY2(shownSI.match(glide->text()).hasMatch(), qPrintable(glide->text()));

    QVERIFY(PickFromList(List("Cmbrt"), u"R32"_s));
    QCOMPARE(glide->text(), QString());
    QCOMPARE(Edit("Txtet")->toolTip(), u"Valid Range Is -40 to 12 C"_s);
    QVERIFY(PickFromList(List("Cmbrt"), u"R410A"_s));  // about a tenth of a kelvin
    QVERIFY2(glide->text().startsWith(u"Glide : 0.1 K evaporating"_s), qPrintable(glide->text()));

    window_->applyPropertySource(PropertySource::Correlations);  // R410A keeps its reference equation
    QVERIFY(!glide->text().isEmpty());
    QVERIFY(PickFromList(List("Cmbrt"), u"R407C"_s));
    QCOMPARE(glide->text(), QString());
  }

  void requestsAreSignalledAndCloseEndsTheProgram() {
    QSignalSpy fittings(window_.get(), &Frmmain::fittingsRequested);
    QSignalSpy riser(window_.get(), &Frmmain::doubleRiserRequested);
    QSignalSpy closed(window_.get(), &Frmmain::closed);
    QTest::mouseClick(Get<QPushButton>(u"Cmdfitting"_s), Qt::LeftButton);
    QCOMPARE(fittings.count(), 1);
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    QVERIFY(Calculate().isEmpty());
    QTest::mouseClick(Get(u"Lblriser"_s), Qt::LeftButton);
    QCOMPARE(riser.count(), 1);

    QTest::mouseClick(Get<QPushButton>(u"Cmdclose"_s), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!window_->isVisible());
    window_->show();
    window_->menuAction(u"exit"_s)->trigger();
    QCOMPARE(closed.count(), 2);
  }
};

QTEST_MAIN(FrmmainTest)
#include "frmmain_test.moc"
