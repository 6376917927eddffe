// kestrin-size --report: the built tool writes the results report of a
// project file as a PDF, with the part-load riser and the title given.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString kTool = QStringLiteral(KESTRIN_SIZE_TOOL);
const QString kExamples = QStringLiteral(KESTRIN_EXAMPLES_DIR);

int RunTool(const QStringList& arguments, QString* err = nullptr,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setWorkingDirectory(kExamples);
  process.setProcessEnvironment(environment);
  process.start(kTool, arguments);
  if (!process.waitForFinished(60000)) return -1;
  if (err) *err = QString::fromUtf8(process.readAllStandardError());
  return process.exitCode();
}

bool IsPdf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

// The page's words, blanks simplified; empty when pdftotext is missing.
QString PdfWords(const QString& path) {
  const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
  if (pdftotext.isEmpty()) return {};
  QProcess process;
  process.start(pdftotext, {path, u"-"_s});
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

TEST(ReportOption, WritesTheSheetWithTheRiserAndTheTitleGiven) {
  QTemporaryDir dir;
  const QString out = dir.filePath(u"riser.pdf"_s);
  ASSERT_EQ(RunTool({u"--report"_s, out, u"--customer"_s, u"Harbour Cold Store"_s, u"--min-capacity"_s, u"5"_s,
                     u"suction-r22-ip-riser.kst"_s}),
            0);
  ASSERT_TRUE(IsPdf(out));
  const QString words = PdfWords(out);
  if (words.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* expected :
       {"Harbour Cold Store", "Suction line : From Evaporator To Compressor", "2 5/8 1 3/8", "Double Riser", "Riser"})
    EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected << "\n" << words.toStdString();
}

TEST(ReportOption, ANormalRunSaysNothingOnTheErrorOutput) {
  QTemporaryDir dir;
  // Without a runtime folder set, Qt's platform warns unless the tool keeps it quiet.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(u"XDG_RUNTIME_DIR"_s);
  environment.remove(u"QT_QPA_PLATFORM"_s);
  QString err;
  EXPECT_EQ(RunTool({u"--report"_s, dir.filePath(u"quiet.pdf"_s), u"suction-r22-ip-design.kst"_s}, &err, environment),
            0);
  EXPECT_TRUE(err.isEmpty()) << err.toStdString();
}

TEST(ReportOption, WritesOneReportPerFileWhenSeveralAreGiven) {
  QTemporaryDir dir;
  const QString out = dir.filePath(u"batch.pdf"_s);
  EXPECT_EQ(RunTool({u"--report"_s, out, u"suction-r22-ip-design.kst"_s, u"liquid-r404a-ip-design.kst"_s}), 0);
  EXPECT_TRUE(IsPdf(dir.filePath(u"batch-suction-r22-ip-design.pdf"_s)));
  EXPECT_TRUE(IsPdf(dir.filePath(u"batch-liquid-r404a-ip-design.pdf"_s)));
  EXPECT_FALSE(QFile::exists(out));
}

TEST(ReportOption, AReportThatCannotBeWrittenSaysWhy) {
  QTemporaryDir dir;
  QString err;
  EXPECT_EQ(RunTool({u"--report"_s, dir.filePath(u"no/such/folder/r.pdf"_s), u"suction-r22-ip-design.kst"_s}, &err), 2);
  EXPECT_TRUE(err.contains(u"kestrin-size: "_s)) << err.toStdString();
}

}  // namespace
