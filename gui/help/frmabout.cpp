#include "gui/help/frmabout.h"

#include "gui/help/animation.h"
#include "gui/help/help_commands.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace kestrin {
namespace {

constexpr int kPictureSide = 96;

// The program's mark, drawn sharp for the screen's pixel ratio.
QPixmap ProgramPicture(int side, qreal pixelRatio) {
  QPixmap picture(QSize(side, side) * pixelRatio);
  picture.setDevicePixelRatio(pixelRatio);
  picture.fill(Qt::transparent);
  QSvgRenderer mark(QStringLiteral(":/kestrin/kestrin.svg"));
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  mark.render(&painter, QRectF(0, 0, side, side));
  return picture;
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Kestrin Refrigerant Pipe Sizing"));

  // The heading: the program's picture, name and version on a light band.
  auto* heading = new QFrame(this);
  heading->setObjectName(QStringLiteral("aboutHeading"));
  heading->setAutoFillBackground(true);
  QPalette headingColours = heading->palette();
  headingColours.setColor(QPalette::Window, headingColours.color(QPalette::Base));
  heading->setPalette(headingColours);

  picture1_ = NamedLabel("Picture1", QString(), heading);
  picture1_->setFixedSize(kPictureSide, kPictureSide);
  picture1_->setPixmap(ProgramPicture(kPictureSide, devicePixelRatioF()));

  QLabel* title = NamedLabel("LblTitle", QStringLiteral("Kestrin Refrigerant Pipe Sizing"), heading);
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
  title->setFont(titleFont);
  QLabel* version = NamedLabel("LblVersion", tr("Version %1").arg(QStringLiteral(KESTRIN_VERSION)), heading);

  auto* titleColumn = new QVBoxLayout;
  titleColumn->addStretch();
  titleColumn->addWidget(title);
  titleColumn->addWidget(version);
  titleColumn->addStretch();
  auto* headingLayout = new QHBoxLayout(heading);
  headingLayout->setContentsMargins(18, 14, 24, 14);
  headingLayout->setSpacing(18);
  headingLayout->addWidget(picture1_);
  headingLayout->addLayout(titleColumn, 1);

  // The body: the animation beside what the program does.
  animatedGif2_ = NamedLabel("AnimatedGif2", QString(), this);
  animatedGif2_->setAlignment(Qt::AlignCenter);
  animation_ = LoadAnimation(QString::fromLatin1(kAboutAnimationFileName), animatedGif2_);
  animatedGif2_->setMovie(animation_);
  // The size is read apart from the movie, which must stay on its first
  // frame until the box is activated.
  const QSize animationSize = QImageReader(animation_->fileName()).size();
  animatedGif2_->setFixedSize(animationSize.isValid() ? animationSize : QSize(128, 128));

  const QString website = QString::fromLatin1(kMakerWebsite);
  QLabel* description =
      NamedLabel("LblDescription",
                 tr("<p>Sizes the copper suction, discharge and liquid lines of air-conditioning and refrigeration "
                    "systems working with R22, R134a, R407C or R404A, in English or metric units.</p>"
                    "<p>For each line it chooses the copper tube and reports its pressure drop, velocity, "
                    "equivalent length and oil traps, and it sizes double suction and discharge risers.</p>"
                    "<p><a href=\"%1\">%1</a></p>")
                     .arg(website),
                 this);
  description->setWordWrap(true);
  description->setTextFormat(Qt::RichText);
  description->setOpenExternalLinks(true);
  description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  description->setMinimumWidth(300);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(18, 14, 24, 0);
  body->setSpacing(18);
  body->addWidget(animatedGif2_, 0, Qt::AlignTop);
  body->addWidget(description, 1);

  auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdOK->setMinimumWidth(90);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(18, 0, 18, 16);
  buttons->addStretch();
  buttons->addWidget(cmdOK);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(12);
  layout->addWidget(heading);
  layout->addWidget(line);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmAbout::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) RestartAnimation();
  return QDialog::event(event);
}

void frmAbout::RestartAnimation() {
  if (!animation_->isValid()) return;
  // Stopped, a movie starts again from its first frame.
  animation_->stop();
  animation_->start();
}

}  // namespace kestrin
