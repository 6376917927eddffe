// The desktop program's command line: what starts the windows, what ends the
// program at once, and with which status.

#include "gui/program_arguments.h"

#include <QCoreApplication>
#include <QTest>

namespace kestrin {
namespace {

constexpr int kStarts = -1;  // no exit status: the windows start

class ProgramArgumentsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("Kestrin Refrigerant Pipe Sizing"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
  }

  void argumentsDecideHowTheProgramStarts_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QString>("outputHas");
    QTest::addColumn<QString>("projectFile");
    QTest::addColumn<QStringList>("ignoredFiles");
    // The usage line names the program as it was started.
    const QString usage = QStringLiteral(" [options] [file]\n");
    QTest::newRow("nothing") << QStringList{} << kStarts << QString() << QString() << QStringList{};
    QTest::newRow("one file") << QStringList{QStringLiteral("a.kst")} << kStarts << QString() << QStringLiteral("a.kst")
                              << QStringList{};
    QTest::newRow("three files") << QStringList{QStringLiteral("a.kst"), QStringLiteral("b.kst"),
                                                QStringLiteral("c.kst")}
                                 << kStarts << QString() << QStringLiteral("a.kst")
                                 << QStringList{QStringLiteral("b.kst"), QStringLiteral("c.kst")};
    QTest::newRow("a file whose name starts with a dash")
        << QStringList{QStringLiteral("--"), QStringLiteral("-odd.kst")} << kStarts << QString()
        << QStringLiteral("-odd.kst") << QStringList{};
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << usage << QString() << QStringList{};
    QTest::newRow("-h with a file") << QStringList{QStringLiteral("-h"), QStringLiteral("a.kst")} << 0 << usage
                                    << QString() << QStringList{};
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0
                               << QStringLiteral("Kestrin Refrigerant Pipe Sizing 1.2.3\n") << QString()
                               << QStringList{};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus"), QStringLiteral("a.kst")} << 2
                                    << QStringLiteral("Unknown option 'bogus'.\nUsage: ") << QString() << QStringList{};
  }

  void argumentsDecideHowTheProgramStarts() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitStatus);
    QFETCH(QString, outputHas);
    QFETCH(QString, projectFile);
    QFETCH(QStringList, ignoredFiles);
    arguments.prepend(QStringLiteral("kestrin"));
    const ProgramArguments parsed = ParseProgramArguments(arguments);
    QCOMPARE(parsed.exitStatus.value_or(kStarts), exitStatus);
    QVERIFY2(parsed.output.contains(outputHas), qPrintable(parsed.output));
    QCOMPARE(parsed.projectFile, projectFile);
    QCOMPARE(parsed.ignoredFiles, ignoredFiles);
  }
};

}  // namespace
}  // namespace kestrin

QTEST_GUILESS_MAIN(kestrin::ProgramArgumentsTest)
#include "program_arguments_test.moc"
