// The units and process dialogs, opened from the main window's menu as the
// user opens them, and what a real change does to the main window.

#include "gui/frmmain.h"
#include "gui/frmmain_test_case.h"
#include "gui/property_setting.h"
#include "gui/window_test_support.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <memory>

using namespace kestrin;
using namespace kestrin::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Leave { ByOk, ByClosing };

QStringList Items(const QComboBox* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts.append(list->itemText(i));
  return texts;
}

const QStringList kTubes = {u"5/8"_s,   u"3/4"_s,   u"7/8"_s,   u"1 1/8"_s, u"1 3/8"_s,
                            u"1 5/8"_s, u"2 1/8"_s, u"2 5/8"_s, u"3 1/8"_s, u"3 5/8"_s};
const QStringList kSiDrops = {u"0.05"_s, u"0.1"_s, u"0.2"_s, u"0.3"_s, u"0.4"_s};

}  // namespace

class SettingsDialogsTest : public QObject {
  Q_OBJECT

  IsolatedSettings settings_;
  std::unique_ptr<SessionState> session_;
  std::unique_ptr<Frmmain> window_;

  QLineEdit* Edit(const char* name) const { return window_->findChild<QLineEdit*>(QString::fromLatin1(name)); }
  QComboBox* DesignDrop() const { return window_->findChild<QComboBox*>(u"Cmbdpd"_s); }
  QString Caption(const char* name) const { return window_->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

  // Opens a settings dialog from the menu, ticks `option` and leaves it;
  // returns the option that was ticked when it opened.
  QString Choose(const char* menuEntry, const char* dialogName, const char* title, const char* option, Leave leave) {
    ModalWatcher watcher;
    QString tickedAtOpening;
    watcher.onNextDialog([&](QDialog* dialog) {
      QCOMPARE(dialog->objectName(), QString::fromLatin1(dialogName));
      QCOMPARE(dialog->windowTitle(), QString::fromLatin1(title));
      QVERIFY(dialog->isModal());
      KESTRIN_FIND(QGroupBox, frame, dialog, "Frame1");
      for (QRadioButton* button : frame->findChildren<QRadioButton*>()) {
        if (button->isChecked()) tickedAtOpening = button->objectName();
      }
      KESTRIN_FIND(QRadioButton, choice, frame, option);
      // On the indicator: a button takes clicks on its indicator and
      // caption only, and a short caption leaves the button's middle empty.
      QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(choice->height() / 2, choice->height() / 2));
      if (leave == Leave::ByOk) {
        auto* ok = dialog->findChild<QPushButton*>();
        QVERIFY(ok && ok->text() == u"OK"_s);
        QTest::mouseClick(ok, Qt::LeftButton);
      } else {
        dialog->close();
      }
    });
    window_->menuAction(QString::fromLatin1(menuEntry))->trigger();
    return tickedAtOpening;
  }
  QString ChooseUnits(const char* option, Leave leave = Leave::ByOk) {
    return Choose("units", "Frmunit", "Default Units", option, leave);
  }
  QString ChooseProcess(const char* option, Leave leave = Leave::ByOk) {
    return Choose("Process", "Frmprocess", "Process", option, leave);
  }
  QString ChooseProperties(const char* option, Leave leave = Leave::ByOk) {
    return Choose("properties", "Frmproperties", "Properties", option, leave);
  }

  // Opens Set up > Tubes, ticks a series and a climate, and presses OK;
  // returns the series and climate ticked when it opened.
  QStringList ChooseTubes(const char* series, const char* climate) {
    ModalWatcher watcher;
    QStringList tickedAtOpening;
    watcher.onNextDialog([&](QDialog* dialog) {
      QCOMPARE(dialog->objectName(), u"Frmtubes"_s);
      QCOMPARE(dialog->windowTitle(), u"Tubes"_s);
      QVERIFY(dialog->isModal());
      for (const char* frameName : {"Frame1", "Frame2"}) {
        KESTRIN_FIND(QGroupBox, frame, dialog, frameName);
        for (QRadioButton* button : frame->findChildren<QRadioButton*>())
          if (button->isChecked()) tickedAtOpening.append(button->objectName());
      }
      for (const char* option : {series, climate}) {
        KESTRIN_FIND(QRadioButton, choice, dialog, option);
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(choice->height() / 2, choice->height() / 2));
        QVERIFY(choice->isChecked());
      }
      KESTRIN_FIND(QPushButton, ok, dialog, "CmdOK");
      QTest::mouseClick(ok, Qt::LeftButton);
    });
    window_->menuAction(u"tubes"_s)->trigger();
    return tickedAtOpening;
  }

  void CalculateQuietly() {
    ModalWatcher watcher;
    QTest::mouseClick(window_->findChild<QPushButton*>(u"Cmdcalculate"_s), Qt::LeftButton);
    QCOMPARE(watcher.boxes().size(), 0);
    QVERIFY(!window_->outputTexts().lineSize.isEmpty());
  }

 private Q_SLOTS:
  void init() {
    QLocale::setDefault(QLocale::c());
    session_ = std::make_unique<SessionState>();
    window_ = std::make_unique<Frmmain>(*session_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    session_.reset();
  }

  void switchingUnitsConvertsTypedValuesAndRelabels() {
    TypeInto(Edit("Txtcapacity"), u"100"_s);
    TypeInto(Edit("Txtet"), u"40"_s);
    TypeInto(Edit("Txttll"), u"100"_s);
    TypeInto(Edit("Txtal"), u"4"_s);
    TypeInto(DesignDrop(), u"2"_s);

    QCOMPARE(ChooseUnits("metric"), u"imperial"_s);
    QVERIFY(session_->unit == UnitSystem::SI && session_->unitHistory == UnitSystem::SI);
    QCOMPARE(Edit("Txtcapacity")->text(), u"352"_s);
    QCOMPARE(Edit("Txtet")->text(), u"4"_s);
    QCOMPARE(Edit("Txttll")->text(), u"30"_s);
    QCOMPARE(Edit("Txtal")->text(), u"0"_s);     // 4 psi is 0.28 bar, written whole
    QCOMPARE(Edit("Txtct")->text(), QString());  // empty stays empty
    QCOMPARE(DesignDrop()->currentText(), QString());
    QCOMPARE(Items(DesignDrop()), kSiDrops);
    QCOMPARE(Caption("Lbl2"), u"System Capacity (kw) :"_s);
    QCOMPARE(Caption("Lbl8"), u"Design Pressure Drop (bar) :"_s);
    QCOMPARE(Caption("Lbl15") + Caption("Lbl17") + Caption("Lbl19"), u"barm/sm "_s);
    QCOMPARE(Edit("Txtcapacity")->toolTip(), u"Valid Range Is 1 to 1500 KW"_s);

    TypeInto(Edit("Txtet"), u"13"_s);  // the SI limits are in force
    QCOMPARE(Edit("Txtet")->text(), QString());
    TypeInto(Edit("Txtet"), u"4"_s);

    // Back to IP the rounded SI numbers drift.
    QCOMPARE(ChooseUnits("imperial"), u"metric"_s);
    QCOMPARE(Edit("Txtcapacity")->text(), u"100"_s);
    QCOMPARE(Edit("Txtet")->text(), u"39"_s);
    QCOMPARE(Edit("Txttll")->text(), u"98"_s);
    QCOMPARE(Caption("Lbl2"), u"System Capacity (tons) :"_s);
    QCOMPARE(Caption("Lbl15") + Caption("Lbl17") + Caption("Lbl19"), u"PSIFPSFt "_s);
    QCOMPARE(Items(DesignDrop()).size(), 7);
  }

  void okWithTheSameChoiceOrClosingChangesNothing() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    CalculateQuietly();
    const MainFieldTexts inputs = window_->inputTexts();
    const OutputTexts outputs = window_->outputTexts();
    const UnitCaptions captions = window_->unitCaptions();

    ChooseUnits("imperial");
    ChooseProcess("Design");
    ChooseUnits("metric", Leave::ByClosing);
    ChooseProcess("checking", Leave::ByClosing);
    QVERIFY(session_->unit == UnitSystem::IP && session_->mode == WorkingMode::Design);
    QCOMPARE(window_->inputTexts(), inputs);
    QCOMPARE(window_->outputTexts(), outputs);
    QCOMPARE(window_->unitCaptions(), captions);
    QVERIFY(window_->doubleRiserOffered());
    QCOMPARE(ChooseUnits("imperial"), u"imperial"_s);  // the choice in force is shown
  }

  void realChangesEmptyOutputsAndTheAcceptedRiser() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    CalculateQuietly();
    window_->setDoubleRiserAccepted(true);
    session_->riserOutput1 = u"1 1/8"_s;
    ChooseUnits("metric");
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(!window_->doubleRiserOffered());
    QVERIFY(!window_->doubleRiserAccepted());
    QVERIFY(session_->riserOutput1.isEmpty());

    QVERIFY(TypeCase(window_.get(), SuctionCaseSI()));
    CalculateQuietly();
    window_->setDoubleRiserAccepted(true);
    session_->riserOutput1 = u"1 1/8"_s;
    ChooseProcess("checking");
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(!window_->doubleRiserAccepted());
    QVERIFY(session_->riserOutput1.isEmpty());
  }

  // A change of property source empties the outputs and the accepted riser,
  // as they came from the other source, keeps the inputs, and is kept among
  // the program's settings; closing or the same choice changes nothing.
  void propertySourceChangeEmptiesTheOutputsAndIsKept() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    CalculateQuietly();
    const OutputTexts fromCorrelations = window_->outputTexts();
    const MainFieldTexts inputs = window_->inputTexts();

    QCOMPARE(ChooseProperties("reference", Leave::ByClosing), u"correlations"_s);
    QCOMPARE(ChooseProperties("correlations"), u"correlations"_s);
    QCOMPARE(window_->outputTexts(), fromCorrelations);

    window_->setDoubleRiserAccepted(true);
    session_->riserOutput1 = u"1 1/8"_s;
    QCOMPARE(ChooseProperties("reference"), u"correlations"_s);
    QCOMPARE(session_->propertySource, PropertySource::Reference);
    QCOMPARE(StoredPropertySource(), PropertySource::Reference);
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QVERIFY(!window_->doubleRiserAccepted());
    QVERIFY(session_->riserOutput1.isEmpty());
    QCOMPARE(window_->inputTexts(), inputs);

    CalculateQuietly();
    QCOMPARE(window_->outputTexts().lineSize, fromCorrelations.lineSize);
    QVERIFY(window_->outputTexts().velocity != fromCorrelations.velocity);
    QCOMPARE(ChooseProperties("correlations"), u"reference"_s);
    QCOMPARE(session_->propertySource, PropertySource::Correlations);
    QCOMPARE(StoredPropertySource(), PropertySource::Correlations);
  }

  // The new refrigerants follow the four in the list, today's blends last,
  // and size like them; a blend shows its glide beside the sizing.
  void newRefrigerantsFollowTheFourAndSize() {
    const QComboBox* list = window_->findChild<QComboBox*>(u"Cmbrt"_s);
    QCOMPARE(Items(list),
             (QStringList{u"R22"_s, u"R134a"_s, u"R407C"_s, u"R404A"_s, u"R410A"_s, u"R32"_s, u"R1234yf"_s, u"R290"_s,
                          u"R507A"_s, u"R454B"_s, u"R513A"_s, u"R452B"_s, u"R448A"_s, u"R449A"_s, u"R1234ze(E)"_s}));
    for (const QString& name : {u"R32"_s, u"R454B"_s, u"R448A"_s}) {
      TypedCase typed = SuctionCaseIP();
      typed.refrigerant = name;
      QVERIFY(TypeCase(window_.get(), typed));
      CalculateQuietly();
      QVERIFY2(!window_->outputTexts().lineSize.isEmpty(), qPrintable(name));
      const QString glide = window_->findChild<QLabel*>(u"Lblglide"_s)->text();
      QCOMPARE(glide.isEmpty(), name == u"R32"_s);
    }
  }

  // The tube series: a real change empties the outputs and keeps the
  // inputs; the next Calculate sizes in the new series; checking mode's list
  // follows it; the rating warning appears, follows the unit system and
  // clears with the outputs.
  void tubeSeriesAndClimateChangeTheSizingAndTheRating() {
    const TypedCase r410a = {u"R410A"_s,     u"15"_s, u"40"_s,  u"115"_s, u"10"_s, u"10"_s,
                             u"Discharge"_s, u"2"_s,  u"100"_s, u"0"_s,   u"0"_s};
    QVERIFY(TypeCase(window_.get(), r410a));
    CalculateQuietly();
    QCOMPARE(window_->outputTexts().lineSize, u"1 3/8"_s);
    QCOMPARE(window_->outputTexts().warning,
             u"Tube rating: 1 3/8 Type K (annealed) is rated 425 psig at 250 F; this line's design pressure is "
             u"484 psig (R410A at 131 F)."_s);
    QVERIFY(window_->findChild<QLabel*>(u"Lblwarning"_s)->isVisible());
    const MainFieldTexts inputs = window_->inputTexts();

    QCOMPARE(ChooseTubes("typeK", "climate32"), (QStringList{u"typeK"_s, u"climate32"_s}));
    QVERIFY(!window_->outputTexts().lineSize.isEmpty());  // the same choice changes nothing

    QCOMPARE(ChooseTubes("en12735", "climate43"), (QStringList{u"typeK"_s, u"climate32"_s}));
    QCOMPARE(session_->tubes, (TubeChoice{TubeSeries::EN12735, DesignClimate::UpTo43C}));
    QCOMPARE(window_->outputTexts(), OutputTexts{});
    QCOMPARE(window_->inputTexts(), inputs);
    CalculateQuietly();
    QVERIFY2(window_->outputTexts().lineSize.endsWith(u" mm"_s), qPrintable(window_->outputTexts().lineSize));
    QVERIFY(window_->outputTexts().description.endsWith(u"(EN 12735-1)"_s));
    QVERIFY(window_->outputTexts().warning.contains(u"(R410A at 145 F)"_s));

    ChooseUnits("metric");
    TypeInto(DesignDrop(), u"0.14"_s);  // the design drop is not converted
    CalculateQuietly();
    QVERIFY2(window_->outputTexts().warning.contains(u"bar(g) (R410A at 63 \u00B0C)"_s),
             qPrintable(window_->outputTexts().warning));

    ChooseProcess("checking");
    QCOMPARE(Items(DesignDrop()).first(), u"12 mm"_s);
    QCOMPARE(Items(DesignDrop()).size(), 11);
    QVERIFY(PickFromList(DesignDrop(), u"35 mm"_s));
    CalculateQuietly();
    QCOMPARE(window_->outputTexts().lineSize, u"35 mm"_s);
    // Type L has no "35 mm": the list becomes the inch sizes, nothing picked.
    ChooseTubes("typeL", "climate43");
    QCOMPARE(Items(DesignDrop()).first(), u"1/2"_s);
    QCOMPARE(DesignDrop()->currentText(), QString());
    QVERIFY(PickFromList(DesignDrop(), u"1 3/8"_s));
    // Type K has "1 3/8" too: it stays picked.
    ChooseTubes("typeK", "climate43");
    QCOMPARE(Items(DesignDrop()), kTubes);
    QCOMPARE(DesignDrop()->currentText(), u"1 3/8"_s);
  }

  void designToCheckingAndBackRelistsTheDesignDrop() {
    QVERIFY(TypeCase(window_.get(), SuctionCaseIP()));
    CalculateQuietly();
    QCOMPARE(DesignDrop()->toolTip(), u"Recommended Range : 1 to 3 psi"_s);

    QCOMPARE(ChooseProcess("checking"), u"Design"_s);
    QCOMPARE(session_->mode, WorkingMode::Checking);
    QCOMPARE(Caption("Lbl8"), u"Line size: (OD diameter)"_s);
    QCOMPARE(DesignDrop()->currentText(), QString());
    QCOMPARE(Items(DesignDrop()), kTubes);
    QCOMPARE(DesignDrop()->toolTip(), QString());
    QCOMPARE(Edit("Txtcapacity")->text(), u"10"_s);  // the other inputs stay

    QVERIFY(PickFromList(DesignDrop(), u"1 3/8"_s));
    CalculateQuietly();
    QCOMPARE(window_->outputTexts().lineSize, u"1 3/8"_s);

    // A unit switch keeps the tube and the checking caption.
    ChooseUnits("metric");
    QCOMPARE(DesignDrop()->currentText(), u"1 3/8"_s);
    QCOMPARE(Caption("Lbl8"), u"Line size: (OD diameter)"_s);
    QCOMPARE(Items(DesignDrop()), kTubes);

    // Back to design while SI is in force.
    QCOMPARE(ChooseProcess("Design"), u"checking"_s);
    QCOMPARE(Items(DesignDrop()), kSiDrops);
    QCOMPARE(Caption("Lbl8"), u"Design Pressure Drop (bar) :"_s);
    QCOMPARE(DesignDrop()->toolTip(), u"Recommended Range : 0.1 to 0.2 bar"_s);
    QCOMPARE(DesignDrop()->currentText(), QString());
  }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
