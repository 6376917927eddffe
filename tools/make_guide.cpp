// Turns the piping guide's HTML source into the PDF the program shows.
// The guide's SVG figures are drawn as vector pictures, the pages are A4 with
// the guide's name at the top and the page number at the bottom.
// Usage: kestrin_make_guide <guide.html> <output.pdf>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextStream>

#include <cmath>
#include <memory>
#include <vector>

namespace kestrin {
namespace {

constexpr int kSvgObjectType = QTextFormat::UserObject + 1;
constexpr double kDocumentDpi = 96.0;  // the units the layout works in
constexpr double kMillimetresPerInch = 25.4;
constexpr double kSideMarginMm = 20.0;
constexpr double kTopMarginMm = 24.0;
constexpr double kBottomMarginMm = 22.0;
constexpr double kRunningTextMm = 12.0;  // distance of heading and page number from the paper's edge

double MmToDocument(double millimetres) { return millimetres / kMillimetresPerInch * kDocumentDpi; }

// Draws the guide's figures from their SVG sources, so they stay sharp at
// any zoom of the viewer. The size is the one the <img> element gives.
class SvgFigures : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  explicit SvgFigures(const QDir& folder) : folder_(folder) {}

  QSizeF intrinsicSize(QTextDocument* /*document*/, int /*position*/, const QTextFormat& format) override {
    const QTextImageFormat image = format.toImageFormat();
    QSizeF size(image.width(), image.height());
    if (size.width() <= 0 || size.height() <= 0) {
      if (const QSvgRenderer* renderer = Renderer(image.name())) size = renderer->defaultSize();
    }
    return size;
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* /*document*/, int /*position*/,
                  const QTextFormat& format) override {
    if (QSvgRenderer* renderer = Renderer(format.toImageFormat().name())) renderer->render(painter, rect);
  }

  QSvgRenderer* Renderer(const QString& name) {
    auto& renderer = renderers_[name];
    if (!renderer) renderer = std::make_shared<QSvgRenderer>(folder_.filePath(name));
    return renderer->isValid() ? renderer.get() : nullptr;
  }

 private:
  QDir folder_;
  QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
};

// Hands every <img> with an SVG source over to the figure drawer; returns
// the names of figures that cannot be read.
QStringList UseVectorFigures(QTextDocument& document, SvgFigures& figures) {
  struct Figure {
    int position;
    int length;
    QTextImageFormat format;
  };
  std::vector<Figure> found;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      if (!format.isImageFormat()) continue;
      const QTextImageFormat image = format.toImageFormat();
      if (image.name().endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        found.push_back({fragment.fragment().position(), fragment.fragment().length(), image});
      }
    }
  }
  QStringList unreadable;
  for (Figure& figure : found) {
    if (!figures.Renderer(figure.format.name())) unreadable.append(figure.format.name());
    figure.format.setObjectType(kSvgObjectType);
    QTextCursor cursor(&document);
    cursor.setPosition(figure.position);
    cursor.setPosition(figure.position + figure.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(figure.format);
  }
  return unreadable;
}

bool WriteGuide(const QString& sourcePath, const QString& outputPath) {
  QTextStream err(stderr);
  QFile source(sourcePath);
  if (!source.open(QIODevice::ReadOnly)) {
    err << "cannot read " << sourcePath << '\n';
    return false;
  }
  const QString html = QString::fromUtf8(source.readAll());

  QTextDocument document;
  SvgFigures figures(QFileInfo(sourcePath).absoluteDir());
  document.documentLayout()->registerHandler(kSvgObjectType, &figures);
  QFont body(QStringLiteral("DejaVu Sans"));
  body.setStyleHint(QFont::SansSerif);
  body.setPointSizeF(10);
  document.setDefaultFont(body);
  document.setHtml(html);
  const QStringList unreadable = UseVectorFigures(document, figures);
  if (!unreadable.isEmpty()) {
    err << "cannot read the figures " << unreadable.join(QStringLiteral(", ")) << '\n';
    return false;
  }

  const QPageSize a4(QPageSize::A4);
  const QSizeF paper = a4.size(QPageSize::Millimeter);
  const QSizeF paperDocument(MmToDocument(paper.width()), MmToDocument(paper.height()));
  const QRectF content(MmToDocument(kSideMarginMm), MmToDocument(kTopMarginMm),
                       paperDocument.width() - 2 * MmToDocument(kSideMarginMm),
                       paperDocument.height() - MmToDocument(kTopMarginMm) - MmToDocument(kBottomMarginMm));
  document.setDocumentMargin(0);
  document.setPageSize(content.size());
  const int pageCount = document.pageCount();

  QSaveFile output(outputPath);
  if (!output.open(QIODevice::WriteOnly)) {
    err << "cannot write " << outputPath << '\n';
    return false;
  }
  {
    QPdfWriter writer(&output);
    writer.setPageLayout(QPageLayout(a4, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    writer.setResolution(600);
    writer.setTitle(QStringLiteral("Kestrin Piping Guide"));
    writer.setCreator(QStringLiteral("Kestrin Refrigerant Pipe Sizing"));

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(writer.resolution() / kDocumentDpi, writer.resolution() / kDocumentDpi);
    QFont running = body;
    running.setPixelSize(11);  // in the layout's units, which the painter scales to the page
    const QColor runningColour(0x7b, 0x87, 0x94);
    for (int page = 0; page < pageCount; ++page) {
      if (page > 0) writer.newPage();
      painter.save();
      painter.translate(content.topLeft());
      const QRectF visible(0, page * content.height(), content.width(), content.height());
      painter.translate(0, -visible.top());
      painter.setClipRect(visible);
      QAbstractTextDocumentLayout::PaintContext context;
      context.clip = visible;
      context.palette.setColor(QPalette::Text, QColor(0x1f, 0x29, 0x33));
      document.documentLayout()->draw(&painter, context);
      painter.restore();

      // The running heading and the page number.
      const double top = MmToDocument(kRunningTextMm);
      const double bottom = paperDocument.height() - MmToDocument(kRunningTextMm);
      painter.setFont(running);
      painter.setPen(runningColour);
      painter.drawText(QRectF(content.left(), top - 14, content.width(), 14), Qt::AlignLeft | Qt::AlignBottom,
                       QStringLiteral("Kestrin Piping Guide"));
      painter.drawText(QRectF(content.left(), top - 14, content.width(), 14), Qt::AlignRight | Qt::AlignBottom,
                       QStringLiteral("Kestrin Refrigerant Pipe Sizing"));
      painter.setPen(QPen(QColor(0xc8, 0x6a, 0x34), 0.8));
      painter.drawLine(QPointF(content.left(), top + 3), QPointF(content.right(), top + 3));
      painter.setPen(runningColour);
      painter.drawText(QRectF(content.left(), bottom, content.width(), 14), Qt::AlignHCenter | Qt::AlignTop,
                       QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount));
    }
    if (!painter.end()) {
      err << "cannot draw " << outputPath << '\n';
      return false;
    }
  }
  if (!output.commit()) {
    err << "cannot write " << outputPath << '\n';
    return false;
  }
  return true;
}

}  // namespace
}  // namespace kestrin

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 3) {
    QTextStream(stderr) << "usage: kestrin_make_guide <guide.html> <output.pdf>\n";
    return 2;
  }
  return kestrin::WriteGuide(arguments.at(1), arguments.at(2)) ? 0 : 1;
}

#include "make_guide.moc"
