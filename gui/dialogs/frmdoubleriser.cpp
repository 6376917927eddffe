#include "gui/dialogs/frmdoubleriser.h"

#include "core/units/unit_texts.h"
#include "gui/field_colours.h"
#include "gui/message_boxes.h"
#include "gui/riser_picture.h"
#include "gui/twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrin {

namespace {

// The window's two sizes and the place of the large one, in twips: small it
// shows only the minimum capacity and "Calculate"; once calculated it grows
// to show both risers and the drawing.
constexpr int kSmallWidthTwips = 4965;
constexpr int kSmallHeightTwips = 1110;
constexpr int kLargeWidthTwips = 7410;
constexpr int kLargeHeightTwips = 5355;
constexpr int kLargeLeftTwips = 4940;
constexpr int kLargeTopTwips = 3570;

// Fields are sized to show about this many digits, whatever the font.
constexpr int kFieldWidthInDigits = 8;

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

QLineEdit* MakeResultField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setAlignment(Qt::AlignCenter);
  field->setFocusPolicy(Qt::ClickFocus);
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kFieldWidthInDigits);
  return field;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QString CapacityCaption(UnitSystem unit) {
  return unit == UnitSystem::IP ? QStringLiteral("Minimumm Capacity (tons) :")
                                : QStringLiteral("Minimumm Capacity (kw) :");
}

}  // namespace

Frmdoubleriser::Frmdoubleriser(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frmdoubleriser"));
  setWindowTitle(QStringLiteral("Double Riser Calculations"));
  setModal(true);
  BuildControls();
  setUnitSystem(UnitSystem::IP);
  ShowDrawing(std::nullopt);
  ShowSmall();
}

void Frmdoubleriser::setUnitSystem(UnitSystem unit) {
  unit_ = unit;
  lblriser_->setText(CapacityCaption(unit));
  lr5_->setText(VelocityUnit(unit));
  lr6_->setText(VelocityUnit(unit));
}

void Frmdoubleriser::setFullLoad(const QString& lineSize, const QString& velocity) {
  fullLoadSize_ = lineSize;
  fullLoadVelocity_ = velocity;
}

void Frmdoubleriser::setLine(std::optional<LineType> line) { line_ = line; }

void Frmdoubleriser::setDesignCase(const std::optional<DesignCase>& designCase, WorkingMode mode,
                                   const StoredFittingCounts& fittingCounts) {
  designCase_ = designCase;
  mode_ = mode;
  fittingCounts_ = fittingCounts;
}

QString Frmdoubleriser::partLoadSize() const { return rsize2_->text(); }
QString Frmdoubleriser::partLoadVelocity() const { return tr2_->text(); }

void Frmdoubleriser::BuildControls() {
  lblriser_ = MakeLabel(QStringLiteral("Lblriser"), QString(), this);
  txtriser_ = new QLineEdit(this);
  txtriser_->setObjectName(QStringLiteral("Txtriser"));
  txtriser_->setAlignment(Qt::AlignCenter);
  txtriser_->setFixedWidth(txtriser_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kFieldWidthInDigits);
  txtriser_->installEventFilter(this);
  lblriser_->setBuddy(txtriser_);
  auto* command1 = MakeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"), this);
  connect(command1, &QPushButton::clicked, this, &Frmdoubleriser::Calculate);

  auto* capacityRow = new QHBoxLayout;
  capacityRow->addWidget(lblriser_);
  capacityRow->addWidget(txtriser_);
  capacityRow->addSpacing(8);
  capacityRow->addWidget(command1);
  capacityRow->addStretch(1);

  results_ = new QWidget(this);
  results_->setObjectName(QStringLiteral("results"));
  auto* risers = new QGridLayout;
  risers->setColumnMinimumWidth(0, 12);
  int row = 0;
  auto addHeading = [&](const char* name, const char* caption) {
    risers->addWidget(MakeLabel(QString::fromLatin1(name), QString::fromLatin1(caption), results_), row++, 0, 1, 4);
  };
  auto addRow = [&](const char* labelName, const char* caption, QLineEdit* field, QLabel* unitLabel) {
    risers->addWidget(MakeLabel(QString::fromLatin1(labelName), QString::fromLatin1(caption), results_), row, 1);
    risers->addWidget(field, row, 2);
    if (unitLabel) risers->addWidget(unitLabel, row, 3);
    ++row;
  };
  rsize1_ = MakeResultField(QStringLiteral("RSIZE1"), results_);
  tr1_ = MakeResultField(QStringLiteral("TR1"), results_);
  lr5_ = MakeLabel(QStringLiteral("LR5"), QString(), results_);
  rsize2_ = MakeResultField(QStringLiteral("RSIZE2"), results_);
  tr2_ = MakeResultField(QStringLiteral("TR2"), results_);
  lr6_ = MakeLabel(QStringLiteral("LR6"), QString(), results_);
  addHeading("Label1", "Full Load Riser :");
  addRow("LR1", "Line Size :", rsize1_, nullptr);
  addRow("LR2", "Velocity :", tr1_, lr5_);
  risers->setRowMinimumHeight(row++, 12);
  addHeading("Label2", "Part Load Riser :");
  addRow("LR3", "Line Size :", rsize2_, nullptr);
  addRow("LR4", "Velocity :", tr2_, lr6_);
  risers->setRowStretch(row, 1);
  risers->setColumnStretch(4, 1);

  auto* command2 = MakeButton(QStringLiteral("Command2"), QStringLiteral("OK"), results_);
  auto* command3 = MakeButton(QStringLiteral("Command3"), QStringLiteral("Cancel"), results_);
  connect(command2, &QPushButton::clicked, this, &QDialog::accept);
  connect(command3, &QPushButton::clicked, this, [this] {
    cancelled_ = true;
    reject();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command2);
  buttons->addWidget(command3);
  buttons->addStretch(1);

  auto* left = new QVBoxLayout;
  left->addLayout(risers, 1);
  left->addLayout(buttons);

  // The two drawings share one place; at most one of them shows.
  picture1_ = new RiserPicture(RiserDrawing::Discharge, QStringLiteral("LR10"), QStringLiteral("LR9"), results_);
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture2_ = new RiserPicture(RiserDrawing::Suction, QStringLiteral("LR8"), QStringLiteral("LR7"), results_);
  picture2_->setObjectName(QStringLiteral("Picture2"));
  auto* pictures = new QGridLayout;
  pictures->setContentsMargins(0, 0, 0, 0);
  for (RiserPicture* picture : {picture1_, picture2_}) {
    QSizePolicy policy = picture->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    picture->setSizePolicy(policy);
    pictures->addWidget(picture, 0, 0);
  }

  auto* risersAndDrawing = new QHBoxLayout;
  risersAndDrawing->addLayout(left);
  risersAndDrawing->addSpacing(8);
  risersAndDrawing->addLayout(pictures, 1);

  // Whether the part-load riser still carries the oil up, under both risers.
  lblwarning_ = MakeLabel(QStringLiteral("Lblwarning"), QString(), results_);
  lblwarning_->setWordWrap(true);
  QPalette warningPalette = lblwarning_->palette();
  warningPalette.setColor(QPalette::WindowText, kFrameCaptionRed);
  lblwarning_->setPalette(warningPalette);

  auto* resultsLayout = new QVBoxLayout(results_);
  resultsLayout->setContentsMargins(0, 0, 0, 0);
  resultsLayout->addLayout(risersAndDrawing, 1);
  resultsLayout->addWidget(lblwarning_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(capacityRow);
  layout->addWidget(results_, 1);

  setTabOrder(txtriser_, command1);
  setTabOrder(command1, command2);
  setTabOrder(command2, command3);
}

void Frmdoubleriser::ShowDrawing(std::optional<RiserDrawing> drawing) {
  picture1_->setVisible(drawing == RiserDrawing::Discharge);
  picture2_->setVisible(drawing == RiserDrawing::Suction);
}

int Frmdoubleriser::TwipsWide(int twips) const { return TwipsToPixels(twips, logicalDpiX()); }
int Frmdoubleriser::TwipsHigh(int twips) const { return TwipsToPixels(twips, logicalDpiY()); }

// The sizes in twips are the window's design; where the fonts in use need
// more room, the window takes it rather than cut a caption short.
void Frmdoubleriser::ShowSmall() {
  results_->hide();
  layout()->activate();
  setFixedSize(QSize(TwipsWide(kSmallWidthTwips), TwipsHigh(kSmallHeightTwips)).expandedTo(minimumSizeHint()));
}

void Frmdoubleriser::ShowEnlarged() {
  results_->show();
  layout()->activate();
  const QSize size = QSize(TwipsWide(kLargeWidthTwips), TwipsHigh(kLargeHeightTwips)).expandedTo(minimumSizeHint());
  setFixedSize(size);
  QPoint place(TwipsWide(kLargeLeftTwips), TwipsHigh(kLargeTopTwips));
  // On a small screen the window moves in just enough to be seen whole.
  if (const QScreen* shown = (parentWidget() ? parentWidget() : this)->screen()) {
    const QRect screen = shown->availableGeometry();
    place.setX(std::clamp(place.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())));
    place.setY(std::clamp(place.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
  }
  move(place);
}

bool Frmdoubleriser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtriser_ && event->type() == QEvent::KeyRelease) CheckMinimumCapacity();
  return QDialog::eventFilter(watched, event);
}

void Frmdoubleriser::CheckMinimumCapacity() {
  SetFieldFlagged(txtriser_, false);
  if (!MinimumCapacityEntryKept(txtriser_->text(), unit_, locale())) txtriser_->clear();
}

void Frmdoubleriser::Calculate() {
  // The riser follows the line the main window shows; a liquid line has no
  // riser to size, and the window only shows the full-load values.
  const LineType line = line_.value_or(LineType::Liquid);
  const Outcome<PartLoadRiser> riser =
      designCase_ ? RunPartLoadRiser(txtriser_->text(), line, *designCase_, fittingCounts_, unit_, mode_, locale())
                  : Outcome<PartLoadRiser>(Refusal{});
  if (!riser.ok() && riser.refusal().field == DesignField::MinimumCapacity &&
      riser.refusal().reason == RefusalReason::DataIncomplete) {
    SetFieldFlagged(txtriser_, true);
    ShowDataIncomplete(this);
    return;
  }

  rsize1_->setText(fullLoadSize_);
  tr1_->setText(fullLoadVelocity_);
  picture1_->fullLoadLabel()->setText(fullLoadSize_);
  picture2_->fullLoadLabel()->setText(fullLoadSize_);
  if (line == LineType::Suction || line == LineType::Discharge) {
    ShowDrawing(line == LineType::Suction ? RiserDrawing::Suction : RiserDrawing::Discharge);
    // The double riser is offered only after a Calculate stored a case.
    if (designCase_) {
      ShowPartLoad(riser);
    } else {
      ShowDataIncomplete(this);
    }
  }
  // Whether or not a part-load riser was found, the window now shows both.
  ShowEnlarged();
}

void Frmdoubleriser::ShowPartLoad(const Outcome<PartLoadRiser>& riser) {
  if (riser.ok()) {
    ShowPartLoadTexts(riser.value().shown);
    return;
  }
  // Nothing is shown for a capacity that gives no tube or no flow: a result
  // left from another capacity would be accepted as this one's.
  ShowPartLoadTexts(ShownRiser{});
  const Refusal& refusal = riser.refusal();
  if (refusal.reason == RefusalReason::NoPipeSize) {
    ShowNoPipeSize(this);
    Q_EMIT noPipeSizeAtMinimum();
    return;
  }
  if (refusal.field == DesignField::MinimumCapacity) SetFieldFlagged(txtriser_, true);
  if (!refusal.message.isEmpty()) ShowError(this, refusal.message);
}

void Frmdoubleriser::ShowPartLoadTexts(const ShownRiser& shown) {
  rsize2_->setText(shown.lineSize);
  tr2_->setText(shown.velocity);
  lblwarning_->setText(shown.warning);
  if (shown.velocityInBand) {
    SetFieldColours(tr2_, kFieldWhite, kTextBlack);
  } else {
    SetFieldColours(tr2_, kErrorRed, kFieldWhite);
  }
  (line_ == LineType::Suction ? picture2_ : picture1_)->partLoadLabel()->setText(shown.lineSize);
}

}  // namespace kestrin
