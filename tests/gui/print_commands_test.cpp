#include "gui/print_commands.h"
#include "gui/dialogs/frmtitle.h"

#include "gui/window_test_support.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace kestrin {

using testing::ModalWatcher;

class PrintCommandsTest : public QObject {
  Q_OBJECT

 private:
  static MainFieldTexts Fields() {
    return {u"R22"_qs,     u"20"_qs, u"40"_qs,  u"105"_qs, u"10"_qs, u"5"_qs,
            u"Suction"_qs, u"2"_qs,  u"100"_qs, u"20"_qs,  u"0"_qs};
  }
  static MainOutputTexts Outputs() {
    return {{u"2 1/8"_qs, {}, u"1.23"_qs, u"45.12"_qs, u"130.5"_qs, u"1"_qs, u"0.9"_qs, {}}, false};
  }

  static bool IsPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
  }

  // Pressed from the event loop, not from inside the watcher's poll, so that
  // the watcher can answer the boxes the press opens.
  static void Press(QPushButton* button) {
    QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
  }

  // Fills the title dialog and presses one of its buttons.
  static std::function<void(QDialog*)> Answer(const QString& customer, const QString& project, const QString& note,
                                              const char* button) {
    return [=](QDialog* dialog) {
      dialog->findChild<QLineEdit*>(u"Txtcustomer"_qs)->setText(customer);
      dialog->findChild<QLineEdit*>(u"Txtproject"_qs)->setText(project);
      dialog->findChild<QPlainTextEdit*>(u"Txtnote"_qs)->setPlainText(note);
      Press(dialog->findChild<QPushButton*>(QString::fromLatin1(button)));
    };
  }

 private Q_SLOTS:
  void titleDialogOffersTheTextsAndCancelKeepsThem() {
    SessionState state;
    state.customer = u"Northwind"_qs;
    state.note = u"first\nsecond"_qs;
    bool printed = false;
    Frmtitle title(state, [&] { printed = true; });
    QCOMPARE(title.windowTitle(), u"Plot Title"_qs);
    KESTRIN_FIND(QLineEdit, customer, &title, "Txtcustomer");
    KESTRIN_FIND(QLineEdit, project, &title, "Txtproject");
    KESTRIN_FIND(QPlainTextEdit, note, &title, "Txtnote");
    KESTRIN_FIND(QPushButton, cancel, &title, "Cmd2");
    QCOMPARE(customer->text(), u"Northwind"_qs);
    QVERIFY(project->text().isEmpty());
    QCOMPARE(note->toPlainText(), u"first\nsecond"_qs);

    QTest::keyClicks(customer, u" Ltd"_qs);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(title.result(), int(QDialog::Rejected));
    QVERIFY(!printed);
    QCOMPARE(state.customer, std::optional(u"Northwind"_qs));
    QVERIFY(!state.project.has_value());
  }

  void okStoresTheTextsBeforeItPrints() {
    SessionState state;
    std::optional<QString> customerWhenPrinting;
    Frmtitle title(state, [&] { customerWhenPrinting = state.customer; });
    KESTRIN_FIND(QLineEdit, customer, &title, "Txtcustomer");
    KESTRIN_FIND(QPushButton, ok, &title, "Cmd1");
    QTest::keyClicks(customer, u"Contoso"_qs);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(customerWhenPrinting, std::optional(u"Contoso"_qs));
    QCOMPARE(state.project, std::optional(QString()));  // set, though empty
    QCOMPARE(title.result(), int(QDialog::Accepted));
  }

  void withoutAPrinterTheReportIsOfferedAsPdf() {
    QTemporaryDir dir;
    SessionState state;
    PrintCommands commands(state, nullptr);
    const QString path = dir.filePath(u"report.pdf"_qs);
    commands.TestHooks().printerInstalled = [] { return false; };
    commands.TestHooks().askPdfPath = [&](QWidget*) { return path; };
    {
      ModalWatcher watcher(QMessageBox::No);
      commands.PrintReport(Fields(), Outputs(), nullptr);
      QCOMPARE(watcher.boxes().size(), 1);
      QCOMPARE(watcher.boxes()[0].text, NoPrinterQuestion());
    }
    QVERIFY(!QFile::exists(path));
    {
      ModalWatcher watcher(QMessageBox::Yes);
      commands.PrintReport(Fields(), Outputs(), nullptr);
      QCOMPARE(watcher.boxes().size(), 1);
    }
    QVERIFY(IsPdf(path));

    commands.TestHooks().askPdfPath = [&](QWidget*) { return dir.filePath(u"no/such/folder/report.pdf"_qs); };
    {
      ModalWatcher watcher(QMessageBox::Yes);
      commands.PrintReport(Fields(), Outputs(), nullptr);
      QCOMPARE(watcher.boxes().size(), 2);
      QCOMPARE(watcher.boxes()[1].title, u"error"_qs);
      QVERIFY(watcher.boxes()[1].text.contains(u"could not be written"_qs));
    }
  }

  void printingTwiceOffersTheFirstTextsAndPrintsEachTime() {
    QTemporaryDir dir;
    SessionState state;
    PrintCommands commands(state, nullptr);
    commands.Printer().setOutputFormat(QPrinter::PdfFormat);
    commands.Printer().setOutputFileName(dir.filePath(u"first.pdf"_qs));
    ModalWatcher watcher;
    watcher.onNextDialog(Answer(u"Contoso"_qs, u"Tower B"_qs, u"two\nlines"_qs, "Cmd1"));
    commands.Print(Fields(), Outputs());
    QVERIFY(IsPdf(dir.filePath(u"first.pdf"_qs)));

    commands.Printer().setOutputFileName(dir.filePath(u"second.pdf"_qs));
    QString offered;
    watcher.onNextDialog([&](QDialog* dialog) {
      offered = dialog->findChild<QLineEdit*>(u"Txtcustomer"_qs)->text();
      Press(dialog->findChild<QPushButton*>(u"Cmd1"_qs));
    });
    commands.Print(Fields(), Outputs());
    QCOMPARE(offered, u"Contoso"_qs);
    QVERIFY(IsPdf(dir.filePath(u"second.pdf"_qs)));
    QCOMPARE(watcher.boxes().size(), 0);
    QCOMPARE(state.note, u"two\nlines"_qs);
  }

  void cancelPrintsNothing() {
    QTemporaryDir dir;
    SessionState state;
    PrintCommands commands(state, nullptr);
    commands.Printer().setOutputFormat(QPrinter::PdfFormat);
    commands.Printer().setOutputFileName(dir.filePath(u"never.pdf"_qs));
    ModalWatcher watcher;
    watcher.onNextDialog(Answer(u"Contoso"_qs, u"x"_qs, u"y"_qs, "Cmd2"));
    commands.Print(Fields(), Outputs());
    QVERIFY(!QFile::exists(dir.filePath(u"never.pdf"_qs)));
    QVERIFY(!state.customer.has_value());
  }

  void aFailedPrintSaysSoAndKeepsTheTitle() {
    QTemporaryDir dir;
    SessionState state;
    PrintCommands commands(state, nullptr);
    commands.Printer().setOutputFormat(QPrinter::PdfFormat);
    commands.Printer().setOutputFileName(dir.filePath(u"no/such/folder/report.pdf"_qs));
    ModalWatcher watcher(QMessageBox::Cancel);
    watcher.onNextDialog(Answer(u"Contoso"_qs, u"Tower B"_qs, QString(), "Cmd1"));
    commands.Print(Fields(), Outputs());
    QCOMPARE(watcher.boxes().size(), 1);
    QCOMPARE(watcher.boxes()[0].title, u"error"_qs);
    QCOMPARE(watcher.boxes()[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
    QVERIFY(watcher.boxes()[0].text.startsWith(u"The report could not be printed"_qs));
    QCOMPARE(state.customer, std::optional(u"Contoso"_qs));
    QCOMPARE(state.project, std::optional(u"Tower B"_qs));
  }
};

}  // namespace kestrin

QTEST_MAIN(kestrin::PrintCommandsTest)
#include "print_commands_test.moc"
