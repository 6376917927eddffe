#include "drawing/report_page.h"
#include "core/report/report_model.h"
#include "drawing/report_pdf.h"
#include "drawing/riser_diagram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtMath>

#include <gtest/gtest.h>

#include <algorithm>

namespace kestrin {
namespace {

ReportModel DoubleRiserReport(UnitSystem unit) {
  ReportInputs in;
  in.fields = {u"R404A"_qs,     u"35"_qs,  u"-10"_qs, u"40"_qs, u"6"_qs, u"3"_qs,
               u"Discharge"_qs, u"0.2"_qs, u"30"_qs,  u"7"_qs,  u"0"_qs};
  in.outputs = {{u"1 5/8"_qs, QString(), u"0.15"_qs, u"12.30"_qs, u"41.2"_qs, u"1"_qs, u"0.1"_qs, {}}, true};
  in.riserOutput1 = u"1 1/8"_qs;
  in.riserOutput2 = u"9.80"_qs;
  in.unit = unit;
  in.title = {u"Northwind Foods"_qs, u"Cold store 3"_qs, u"Roof plant room"_qs};
  return BuildReport(in, QDateTime(QDate(2025, 3, 21), QTime(9, 30, 0)), QLocale::c());
}

QString PdfText(const QString& pdf) {
  QProcess process;
  process.start(QStandardPaths::findExecutable(u"pdftotext"_qs), {pdf, u"-"_qs});
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

int InkIn(const QImage& image, const QRect& area) {
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
  }
  return ink;
}

TEST(ReportPdf, WritesOnePageWithTheSheetsTexts) {
  if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  QTemporaryDir dir;
  const QString path = dir.filePath(u"report.pdf"_qs);
  const PdfWriteResult result = WriteReportPdf(DoubleRiserReport(UnitSystem::SI), path);
  ASSERT_TRUE(result.written) << result.error.toStdString();

  const QString text = PdfText(path);
  EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
  // The extraction collapses runs of blanks, so compare with blanks simplified.
  const QString words = text.simplified();
  for (const char* expected :
       {"Northwind Foods", "Cold store 3", "Discharge  line : From Compressor To Condenser", "System Capacity (Kw):",
        "Input Data :", "Output Data :", "No. of Sight Glass's :", "1 5/8   1 1/8", "12.30   9.80", "Double Riser",
        "21/3/2025", "1404/1/1   friday", "meter", "Riser", "Kestrin Refrigerant Pipe Sizing   version"}) {
    EXPECT_TRUE(words.contains(QString::fromUtf8(expected).simplified())) << expected << "\n" << text.toStdString();
  }
}

TEST(ReportPdf, AFailedWriteSaysWhyAndLeavesTheEarlierFile) {
  QTemporaryDir dir;
  const ReportModel model = DoubleRiserReport(UnitSystem::IP);
  const PdfWriteResult missingFolder = WriteReportPdf(model, dir.filePath(u"no/such/folder/report.pdf"_qs));
  EXPECT_FALSE(missingFolder.written);
  EXPECT_FALSE(missingFolder.error.isEmpty());

  // A folder standing where the file should go: nothing may be replaced.
  const QString earlier = dir.filePath(u"taken.pdf"_qs);
  ASSERT_TRUE(QDir(dir.path()).mkdir(u"taken.pdf"_qs));
  EXPECT_FALSE(WriteReportPdf(model, earlier).written);
  EXPECT_TRUE(QFileInfo(earlier).isDir());
}

TEST(ReportPage, ScalesIntoTheGivenAreaAndStaysInsideIt) {
  const ReportModel model = DoubleRiserReport(UnitSystem::IP);
  QImage image(800, 1000, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  // A strip wider than the sheet's proportion: the sheet keeps its aspect
  // and is centred, the sides stay untouched.
  const QRectF target(100, 100, 600, 600);
  PaintReportPage(painter, model, target);
  painter.end();
  const double width = 600.0 * kReportPageWidth / kReportPageHeight;
  const int left = qCeil(100 + (600 - width) / 2.0);
  EXPECT_EQ(InkIn(image, QRect(0, 0, 800, 99)), 0);
  EXPECT_EQ(InkIn(image, QRect(0, 701, 800, 299)), 0);
  EXPECT_EQ(InkIn(image, QRect(0, 0, left - 2, 1000)), 0);
  // The double riser drawing and the piping picture are painted where the
  // model places them.
  const double scale = 600.0 / kReportPageHeight;
  auto onImage = [&](const QRect& twips) {
    return QRect(qRound(left + twips.left() * scale), qRound(100 + twips.top() * scale), qRound(twips.width() * scale),
                 qRound(twips.height() * scale));
  };
  EXPECT_GT(InkIn(image, onImage(model.drawingPlace)), 200);
  EXPECT_GT(InkIn(image, onImage(model.pipingPicture)), 200);
}

// A note longer than its box shows whole lines only, the last ending with
// "…"; no part of a line beyond it is printed.
TEST(ReportPdf, ANoteTooLongForItsBoxEndsItsLastWholeLineWithAnEllipsis) {
  if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  ReportModel model = DoubleRiserReport(UnitSystem::IP);
  QStringList words;
  for (int i = 1; i <= 200; ++i) words << u"w%1"_qs.arg(i, 3, 10, QLatin1Char('0'));
  const auto note = std::find_if(model.texts.begin(), model.texts.end(),
                                 [](const ReportText& t) { return t.style == ReportTextStyle::Note; });
  ASSERT_NE(note, model.texts.end());
  note->text = words.join(u' ');
  QTemporaryDir dir;
  const QString path = dir.filePath(u"note.pdf"_qs);
  ASSERT_TRUE(WriteReportPdf(model, path).written);

  const QString text = PdfText(path);
  const qsizetype ellipsis = text.indexOf(u'…');
  ASSERT_GE(ellipsis, 0) << text.toStdString();
  // The words before the ellipsis run on without a gap, and none after it
  // is printed anywhere.
  const QString shownPart = text.left(ellipsis);
  int lastShown = 0;
  while (lastShown < 200 && shownPart.contains(words[lastShown])) ++lastShown;
  ASSERT_GT(lastShown, 10);
  for (int i = lastShown + 1; i < 200; ++i) EXPECT_FALSE(text.contains(words[i])) << words[i].toStdString();
}

// A title text of hundreds of thousands of characters is cut on its one
// line with "…", and nothing of it reaches the rows around.
TEST(ReportPdf, AHugeTitleTextStaysOnItsRowCut) {
  if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  ReportModel model = DoubleRiserReport(UnitSystem::IP);
  for (ReportText& item : model.texts)
    if (item.style == ReportTextStyle::TitleField) item.text = QString(300000, u'W') + u" end"_qs;
  QTemporaryDir dir;
  const QString path = dir.filePath(u"title.pdf"_qs);
  ASSERT_TRUE(WriteReportPdf(model, path).written);

  const QStringList lines = PdfText(path).split(u'\n');
  const QStringList titleLines = lines.filter(u"WWWW"_qs);
  ASSERT_EQ(titleLines.size(), 2) << "customer and project, one line each";
  for (const QString& line : titleLines) {
    EXPECT_TRUE(line.trimmed().endsWith(u"W…"_qs)) << line.toStdString();
    EXPECT_LT(line.size(), 200);
  }
  EXPECT_FALSE(lines.join(u' ').contains(u"end"_qs));
}

TEST(RiserDrawing, SizeLabelsSitOnClearGroundBesideTheirRisers) {
  for (const RiserDrawing drawing : {RiserDrawing::Discharge, RiserDrawing::Suction}) {
    for (const QRectF area : {QRectF(0, 0, 300, 400), QRectF(20, 10, 900, 500)}) {
      const RiserLabelPlaces places = RiserLabelPlacesIn(drawing, area);
      EXPECT_TRUE(area.contains(places.fullLoad));
      EXPECT_TRUE(area.contains(places.partLoad));
      EXPECT_FALSE(places.fullLoad.intersects(places.partLoad));
      EXPECT_GT(places.fullLoad.height(), area.height() / 25);

      QImage bare(qCeil(area.right()) + 1, qCeil(area.bottom()) + 1, QImage::Format_RGB32);
      bare.fill(Qt::white);
      QImage labelled = bare;
      {
        QPainter painter(&bare);
        PaintDoubleRiser(painter, area, drawing);
      }
      {
        QPainter painter(&labelled);
        PaintDoubleRiserWithSizes(painter, area, drawing, u"3 1/8"_qs, u"1 3/8"_qs);
      }
      // The window lays its own labels there, so the bare drawing leaves
      // them blank; the report writes the sizes into them.
      EXPECT_EQ(InkIn(bare, places.fullLoad.toRect()), 0);
      EXPECT_EQ(InkIn(bare, places.partLoad.toRect()), 0);
      EXPECT_GT(InkIn(labelled, places.fullLoad.toRect()), 0);
      EXPECT_GT(InkIn(labelled, places.partLoad.toRect()), 0);
    }
  }
}

}  // namespace
}  // namespace kestrin

int main(int argc, char** argv) {
  // Text needs the font database of a GUI application, and no display:
  // test discovery runs this without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
