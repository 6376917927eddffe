// The line capacity window driven by object name as a user drives it: filled
// from the main window's case, recomputed on every change, emptied with its
// reason by a bad input, and copied, saved and printed.

#include "core/sizing/capacity_table_texts.h"
#include "gui/dialogs/frmcapacity.h"
#include "gui/print_commands.h"
#include "gui/window_test_support.h"

#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace kestrin {
namespace {

using testing::ModalWatcher;
using testing::PickFromList;
using testing::TypeInto;

MainFieldTexts CaseOf(const QString& refrigerant, const QString& line, const QString& condensing,
                      const QString& superheat, const QString& subcool) {
  MainFieldTexts texts;
  texts.refrigerant = refrigerant;
  texts.line = line;
  texts.condensing = condensing;
  texts.superheat = superheat;
  texts.subcool = subcool;
  return texts;
}

class CapacityWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void opensWithTheMainWindowsCaseAndTheLinesDefaults_data() {
    QTest::addColumn<bool>("si");
    QTest::addColumn<MainFieldTexts>("main");
    QTest::addColumn<QStringList>("fields");  // Txtcapct, Txtcapsh, Txtcapsc, Txtcapdt
    QTest::addColumn<QString>("firstHeader");
    QTest::addColumn<QString>("titleStart");
    QTest::newRow("IP, correlations, liquid")
        << false << CaseOf(u"R22"_qs, u"Liquid"_qs, u"110"_qs, u"10"_qs, QString())
        << QStringList{u"110"_qs, u"10"_qs, u"0"_qs, u"1"_qs} << u"-40 F\ntons"_qs
        << u"R22 liquid line capacities, Type L tube (tons)\nCondensing 110 F"_qs;
    QTest::newRow("SI, reference, suction") << true << CaseOf(u"R32"_qs, u"Suction"_qs, QString(), u"5"_qs, u"3"_qs)
                                            << QStringList{u"40"_qs, u"5"_qs, u"3"_qs, u"0.04"_qs} << u"-40 °C\nkW"_qs
                                            << u"R32 suction line capacities, Type L tube (kW)\nCondensing 40 °C"_qs;
    QTest::newRow("an empty case") << false << MainFieldTexts{} << QStringList{u"105"_qs, u"0"_qs, u"0"_qs, u"2"_qs}
                                   << u"-40 F\ntons"_qs << u"R22 suction line capacities"_qs;
  }

  void opensWithTheMainWindowsCaseAndTheLinesDefaults() {
    QFETCH(bool, si);
    QFETCH(MainFieldTexts, main);
    QFETCH(QStringList, fields);
    QFETCH(QString, firstHeader);
    QFETCH(QString, titleStart);
    Frmcapacity window;
    window.setSettings(si ? UnitSystem::SI : UnitSystem::IP, PropertySource::Correlations, TubeSeries::TypeL);
    window.setCase(main);
    const char* names[] = {"Txtcapct", "Txtcapsh", "Txtcapsc", "Txtcapdt"};
    for (int i = 0; i < 4; ++i) {
      KESTRIN_FIND(QLineEdit, field, &window, names[i]);
      QCOMPARE(field->text(), fields[i]);
    }
    KESTRIN_FIND(QTableWidget, table, &window, "Tblcapacity");
    KESTRIN_FIND(QLabel, title, &window, "Lblcaptitle");
    QCOMPARE(table->rowCount(), 11);
    QCOMPARE(table->columnCount(), 5);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), firstHeader);
    QVERIFY2(title->text().startsWith(titleStart), qPrintable(title->text()));
    QVERIFY(window.shownTable().has_value());
    for (int r = 0; r < 11; ++r) {
      for (int c = 0; c < 5; ++c) {
        const QTableWidgetItem* item = table->item(r, c);
        const ShownCapacityCell& cell =
            window.shownTable()->cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        QCOMPARE(item->text(), cell.capacity);
        QCOMPARE(item->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(item->font().italic(), cell.belowOilReturn);
      }
    }
  }

  void aBadInputEmptiesTheTableAndSaysWhy_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // what the field keeps after the key checks
    QTest::addColumn<QString>("problem");
    QTest::newRow("condensing too high is wiped")
        << u"Txtcapct"_qs << u"160"_qs << QString() << u"Enter the condensing temperature."_qs;
    QTest::newRow("condensing too low") << u"Txtcapct"_qs << u"70"_qs << u"70"_qs
                                        << u"Valid Range Is 80 to 150 F.please insert correct data."_qs;
    QTest::newRow("no drop") << u"Txtcapdt"_qs << u"0"_qs << u"0"_qs << u"The temperature drop must be above 0."_qs;
    QTest::newRow("a lone point") << u"Txtcapdt"_qs << u"."_qs << u"."_qs << u"Enter the temperature drop."_qs;
    QTest::newRow("a letter") << u"Txtcapsh"_qs << u"x"_qs << QString() << u"Enter the superheat."_qs;
  }

  void aBadInputEmptiesTheTableAndSaysWhy() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, problem);
    Frmcapacity window;
    window.setSettings(UnitSystem::IP, PropertySource::Correlations, TubeSeries::TypeK);
    window.setCase(CaseOf(u"R22"_qs, u"Suction"_qs, u"105"_qs, u"0"_qs, u"0"_qs));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    KESTRIN_FIND(QLineEdit, edit, &window, field);
    KESTRIN_FIND(QTableWidget, table, &window, "Tblcapacity");
    KESTRIN_FIND(QLabel, note, &window, "Lblcapnote");
    TypeInto(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(note->text(), problem);
    QVERIFY(!window.shownTable());
    // A good entry brings the table back.
    TypeInto(edit, field == u"Txtcapct"_qs ? u"100"_qs : u"1"_qs);
    QCOMPARE(table->rowCount(), 11);
  }

  void aChangeOfLineMovesTheDropOnlyWhileItIsTheDefault() {
    Frmcapacity window;
    window.setSettings(UnitSystem::IP, PropertySource::Correlations, TubeSeries::TypeK);
    window.setCase(CaseOf(u"R134a"_qs, u"Suction"_qs, u"100"_qs, u"5"_qs, u"5"_qs));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    KESTRIN_FIND(QComboBox, line, &window, "Cmbcapline");
    KESTRIN_FIND(QLineEdit, drop, &window, "Txtcapdt");
    KESTRIN_FIND(QLabel, title, &window, "Lblcaptitle");
    QCOMPARE(drop->text(), u"2"_qs);
    QVERIFY(PickFromList(line, u"Discharge"_qs));
    QCOMPARE(drop->text(), u"1"_qs);
    QVERIFY(title->text().startsWith(u"R134a discharge line"_qs));
    TypeInto(drop, u"0.5"_qs);
    QVERIFY(PickFromList(line, u"Liquid"_qs));
    QCOMPARE(drop->text(), u"0.5"_qs);
    QVERIFY(title->text().contains(u"drop 0.5 F/100 ft"_qs));
  }

  void cellsTooSlowToReturnOilAreGreyItalics() {
    Frmcapacity window;
    window.setSettings(UnitSystem::IP, PropertySource::Correlations, TubeSeries::TypeK);
    window.setCase(CaseOf(u"R22"_qs, u"Suction"_qs, u"105"_qs, u"0"_qs, u"0"_qs));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    KESTRIN_FIND(QLineEdit, drop, &window, "Txtcapdt");
    KESTRIN_FIND(QTableWidget, table, &window, "Tblcapacity");
    KESTRIN_FIND(QLabel, note, &window, "Lblcapnote");
    QVERIFY(!table->item(0, 0)->font().italic());
    TypeInto(drop, u"0.2"_qs);
    QVERIFY(window.shownTable()->cells[0][0].belowOilReturn);
    QVERIFY(table->item(0, 0)->font().italic());
    QCOMPARE(table->item(0, 0)->foreground().color(), QColor(0x80, 0x80, 0x80));
    QVERIFY(!table->item(10, 0)->font().italic());
    QVERIFY(note->text().startsWith(u"Grey italics: too slow to carry oil up a riser of that size."_qs));
  }

  void copySaveAndPrintHandOverTheTableShown() {
    QTemporaryDir dir;
    Frmcapacity window;
    window.setSettings(UnitSystem::IP, PropertySource::Reference, TubeSeries::TypeK);
    window.setCase(CaseOf(u"R22"_qs, u"Discharge"_qs, u"105"_qs, u"0"_qs, u"0"_qs));
    const QString path = dir.filePath(u"table.csv"_qs);
    window.hooks().askCsvPath = [&](QWidget*) { return path; };
    QString printed;
    window.hooks().print = [&](const ShownCapacityTable& table, QWidget*) { printed = table.title; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.shownTable());
    QVERIFY(window.shownTable()->conditions.endsWith(u"reference equation of state"_qs));

    KESTRIN_FIND(QPushButton, copy, &window, "Cmdcopy");
    KESTRIN_FIND(QPushButton, save, &window, "Cmdsave");
    KESTRIN_FIND(QPushButton, print, &window, "Cmdprint");
    KESTRIN_FIND(QPushButton, close, &window, "Cmdclose");
    QTest::mouseClick(copy, Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied, CapacityTableDelimited(*window.shownTable(), u'\t'));
    QCOMPARE(copied.count(u'\n'), 3 + 11);
    QVERIFY(copied.split(u'\n')[2].startsWith(u"Size\t-40 F\t-20 F"_qs));

    QTest::mouseClick(save, Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), CapacityTableDelimited(*window.shownTable(), u','));

    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(printed, window.shownTable()->title);

    window.hooks().askCsvPath = [&](QWidget*) { return dir.filePath(u"no/such/folder/table.csv"_qs); };
    {
      ModalWatcher watcher;
      QTest::mouseClick(save, Qt::LeftButton);
      QCOMPARE(watcher.boxes().size(), 1);
      QCOMPARE(watcher.boxes()[0].title, u"error"_qs);
      QVERIFY(watcher.boxes()[0].text.startsWith(u"The capacity table could not be written to"_qs));
    }
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  // The printing path of the report: with no printer the page is offered as
  // a PDF.
  void withoutAPrinterTheTableIsOfferedAsPdf() {
    QTemporaryDir dir;
    SessionState state;
    PrintCommands commands(state, nullptr);
    const QString path = dir.filePath(u"capacity-table.pdf"_qs);
    commands.TestHooks().printerInstalled = [] { return false; };
    commands.TestHooks().askPdfPath = [&](QWidget*) { return path; };
    Frmcapacity window;
    window.setSettings(UnitSystem::SI, PropertySource::Correlations, TubeSeries::EN12735);
    window.setCase(CaseOf(u"R410A"_qs, u"Suction"_qs, u"40"_qs, u"0"_qs, u"0"_qs));
    window.hooks().print = [&](const ShownCapacityTable& table, QWidget* parent) {
      commands.PrintCapacityTable(table, parent);
    };
    KESTRIN_FIND(QPushButton, print, &window, "Cmdprint");
    {
      ModalWatcher watcher(QMessageBox::Yes);
      QTest::mouseClick(print, Qt::LeftButton);
      QCOMPARE(watcher.boxes().size(), 1);
      QCOMPARE(watcher.boxes()[0].text, NoPrinterQuestion(u"capacity table"_qs));
    }
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
  }
};

}  // namespace
}  // namespace kestrin

QTEST_MAIN(kestrin::CapacityWindowTest)
#include "capacity_window_test.moc"
