#include "gui/help/frmhelp.h"

#include "core/data_files.h"
#include "gui/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace kestrin {
namespace {

constexpr int kOpeningMarginTwips = 1000;
// The window opens at 10 x 8 inches, or less on a small screen.
constexpr int kOpeningWidthTwips = 14400;
constexpr int kOpeningHeightTwips = 11520;

}  // namespace

QString FindGuideDocument() {
  QString found =
      FindDataFile(QString::fromLatin1(kGuideFileName), DataPlace::ProgramFolder | DataPlace::InstalledData);
  if (!found.isEmpty()) return found;
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(kGuideFileName);
}

Frmhelp::Frmhelp(const QString& documentPath, QWidget* parent)
    : QWidget(parent, Qt::Window), documentPath_(documentPath) {
  setObjectName(QStringLiteral("Frmhelp"));
  setWindowTitle(QStringLiteral("Kestrin Piping Guide"));

  document_ = new QPdfDocument(this);
  web1_ = new QPdfView(this);
  web1_->setObjectName(QStringLiteral("Web1"));
  web1_->setPageMode(QPdfView::PageMode::MultiPage);
  web1_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
  web1_->setDocument(document_);

  // Where the document cannot be opened the viewer says so on its own page,
  // as a browser would; no message box interrupts the user.
  missingNotice_ = new QLabel(web1_->viewport());
  missingNotice_->setObjectName(QStringLiteral("Web1Notice"));
  missingNotice_->setAlignment(Qt::AlignCenter);
  missingNotice_->setWordWrap(true);
  missingNotice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  missingNotice_->setMinimumWidth(380);
  missingNotice_->setMaximumWidth(560);
  missingNotice_->setStyleSheet(QStringLiteral(
      "QLabel { background: white; color: #243b53; border: 1px solid #9aa5b1; border-radius: 4px; padding: 24px; }"));
  auto* noticeLayout = new QVBoxLayout(web1_->viewport());
  noticeLayout->addWidget(missingNotice_, 0, Qt::AlignCenter);

  if (document_->load(documentPath_) == QPdfDocument::Error::None) {
    missingNotice_->hide();
  } else {
    missingNotice_->setText(
        tr("The piping guide could not be opened.\n\n%1").arg(QDir::toNativeSeparators(documentPath_)));
  }

  const int dpiX = logicalDpiX();
  const int dpiY = logicalDpiY();
  QSize opening(TwipsToPixels(kOpeningWidthTwips, dpiX), TwipsToPixels(kOpeningHeightTwips, dpiY));
  if (const QScreen* shown = screen()) opening = opening.boundedTo(shown->availableGeometry().size() * 9 / 10);
  resize(opening);
  web1_->setGeometry(0, 0, width() - OpeningMarginPixels(), height());
}

bool Frmhelp::documentLoaded() const { return document_->status() == QPdfDocument::Status::Ready; }

int Frmhelp::OpeningMarginPixels() const { return TwipsToPixels(kOpeningMarginTwips, logicalDpiX()); }

void Frmhelp::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The first size the window gets on showing is its opening size, where the
  // viewer keeps its margin; every later resize lets it fill the window.
  if (event->oldSize().isValid()) {
    web1_->setGeometry(0, 0, width(), height());
  } else {
    web1_->setGeometry(0, 0, width() - OpeningMarginPixels(), height());
  }
}

}  // namespace kestrin
