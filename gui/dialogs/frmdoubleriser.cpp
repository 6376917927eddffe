#include "gui/dialogs/frmdoubleriser.h"

#include "core/line_type.h"
#include "core/messages.h"
#include "core/sizing/calculate_command.h"
#include "core/sizing/double_riser.h"
#include "core/units/number_text.h"
#include "core/units/unit_texts.h"
#include "gui/field_colours.h"
#include "gui/frmmain.h"
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

void RiserWindowState::ClearRiserResults() {
  for (QString* text : {&fullLoadSize, &fullLoadVelocity, &partLoadSize, &partLoadVelocity, &suctionPartLoadLabel,
                        &suctionFullLoadLabel, &dischargePartLoadLabel, &dischargeFullLoadLabel})
    text->clear();
  // An empty velocity flags nothing.
  partLoadVelocityInBand = true;
  enlarged = false;
}

Frmdoubleriser::Frmdoubleriser(Frmmain& main, const RiserWindowState& state)
    : QDialog(&main), main_(main), state_(state) {
  setObjectName(QStringLiteral("Frmdoubleriser"));
  setWindowTitle(QStringLiteral("Double Riser Calculations"));
  setModal(true);
  BuildControls();
  ShowState();
}

void Frmdoubleriser::BuildControls() {
  const UnitSystem unit = main_.session().unit;

  auto* lblriser = MakeLabel(QStringLiteral("Lblriser"), CapacityCaption(unit), this);
  txtriser_ = new QLineEdit(this);
  txtriser_->setObjectName(QStringLiteral("Txtriser"));
  txtriser_->setAlignment(Qt::AlignCenter);
  txtriser_->setFixedWidth(txtriser_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kFieldWidthInDigits);
  txtriser_->installEventFilter(this);
  lblriser->setBuddy(txtriser_);
  auto* command1 = MakeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"), this);
  connect(txtriser_, &QLineEdit::textChanged, this, [this](const QString& text) { state_.minimumCapacity = text; });
  connect(command1, &QPushButton::clicked, this, &Frmdoubleriser::Calculate);

  auto* capacityRow = new QHBoxLayout;
  capacityRow->addWidget(lblriser);
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
  auto* lr5 = MakeLabel(QStringLiteral("LR5"), VelocityUnit(unit), results_);
  rsize2_ = MakeResultField(QStringLiteral("RSIZE2"), results_);
  tr2_ = MakeResultField(QStringLiteral("TR2"), results_);
  auto* lr6 = MakeLabel(QStringLiteral("LR6"), VelocityUnit(unit), results_);
  addHeading("Label1", "Full Load Riser :");
  addRow("LR1", "Line Size :", rsize1_, nullptr);
  addRow("LR2", "Velocity :", tr1_, lr5);
  risers->setRowMinimumHeight(row++, 12);
  addHeading("Label2", "Part Load Riser :");
  addRow("LR3", "Line Size :", rsize2_, nullptr);
  addRow("LR4", "Velocity :", tr2_, lr6);
  risers->setRowStretch(row, 1);
  risers->setColumnStretch(4, 1);

  auto* command2 = MakeButton(QStringLiteral("Command2"), QStringLiteral("OK"), results_);
  auto* command3 = MakeButton(QStringLiteral("Command3"), QStringLiteral("Cancel"), results_);
  connect(command2, &QPushButton::clicked, this, &Frmdoubleriser::AcceptRiser);
  connect(command3, &QPushButton::clicked, this, &Frmdoubleriser::CancelRiser);
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

  auto* resultsLayout = new QHBoxLayout(results_);
  resultsLayout->setContentsMargins(0, 0, 0, 0);
  resultsLayout->addLayout(left);
  resultsLayout->addSpacing(8);
  resultsLayout->addLayout(pictures, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(capacityRow);
  layout->addWidget(results_, 1);

  setTabOrder(txtriser_, command1);
  setTabOrder(command1, command2);
  setTabOrder(command2, command3);
}

void Frmdoubleriser::ShowState() {
  ShowFields();
  if (state_.enlarged) {
    ShowEnlarged();
  } else {
    ShowSmall();
  }
}

void Frmdoubleriser::ShowFields() {
  txtriser_->setText(state_.minimumCapacity);
  rsize1_->setText(state_.fullLoadSize);
  tr1_->setText(state_.fullLoadVelocity);
  rsize2_->setText(state_.partLoadSize);
  tr2_->setText(state_.partLoadVelocity);
  if (state_.partLoadVelocityInBand) {
    SetFieldColours(tr2_, kFieldWhite, kTextBlack);
  } else {
    SetFieldColours(tr2_, kErrorRed, kFieldWhite);
  }
  picture1_->fullLoadLabel()->setText(state_.dischargeFullLoadLabel);
  picture1_->partLoadLabel()->setText(state_.dischargePartLoadLabel);
  picture2_->fullLoadLabel()->setText(state_.suctionFullLoadLabel);
  picture2_->partLoadLabel()->setText(state_.suctionPartLoadLabel);
  picture1_->setVisible(state_.drawing == RiserDrawing::Discharge);
  picture2_->setVisible(state_.drawing == RiserDrawing::Suction);
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
  if (const QScreen* shown = main_.screen()) {
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
  if (!MinimumCapacityEntryKept(txtriser_->text(), main_.session().unit, locale())) txtriser_->clear();
}

void Frmdoubleriser::Calculate() {
  const SessionState& session = main_.session();
  const std::optional<double> minimumCapacity = MinimumCapacityTons(txtriser_->text(), session.unit, locale());
  if (!minimumCapacity) {
    SetFieldFlagged(txtriser_, true);
    ShowDataIncomplete(this);
    return;
  }

  const OutputTexts full = main_.outputTexts();
  state_.fullLoadSize = full.lineSize;
  state_.fullLoadVelocity = full.velocity;
  state_.suctionFullLoadLabel = full.lineSize;
  state_.dischargeFullLoadLabel = full.lineSize;
  ShowFields();

  // The riser follows the line the main window shows; a liquid line has no
  // riser to size, and the window only shows the full-load values.
  const std::optional<LineType> line = LineTypeFromName(main_.inputTexts().line);
  if (line == LineType::Suction) SizePartLoad(*minimumCapacity, RiserDrawing::Suction);
  if (line == LineType::Discharge) SizePartLoad(*minimumCapacity, RiserDrawing::Discharge);

  // Whether or not a part-load riser was found, the window now shows both.
  state_.enlarged = true;
  ShowEnlarged();
}

void Frmdoubleriser::SizePartLoad(double minimumCapacityTons, RiserDrawing drawing) {
  state_.drawing = drawing;
  ShowFields();

  const SessionState& session = main_.session();
  if (!session.designCase) {
    // The double riser is offered only after a Calculate stored a case.
    ShowDataIncomplete(this);
    return;
  }
  // The design case of the last Calculate, with the fittings as they stand
  // now: the riser is sized for the line the user has described so far.
  DesignCase designCase = *session.designCase;
  designCase.line = drawing == RiserDrawing::Suction ? LineType::Suction : LineType::Discharge;
  const Outcome<FittingCounts> fittings = FittingCountsOf(session.fittingCounts, locale());
  if (!fittings.ok()) {
    EmptyPartLoad();
    ShowError(this, fittings.refusal().message);
    return;
  }
  designCase.fittings = fittings.value();

  const Outcome<PartLoadRiser> riser =
      kestrin::SizePartLoadRiser(designCase, minimumCapacityTons, session.unit, locale());
  if (riser.ok()) {
    state_.partLoadSize = riser.value().lineSize;
    state_.partLoadVelocity = riser.value().velocity;
    state_.partLoadVelocityInBand = riser.value().velocityInBand;
    (drawing == RiserDrawing::Suction ? state_.suctionPartLoadLabel : state_.dischargePartLoadLabel) =
        riser.value().lineSize;
    ShowFields();
    return;
  }

  const Refusal& refusal = riser.refusal();
  if (refusal.message == MessageText(Message::NoPipeSize)) {
    // No tube carries even the minimum capacity within the design drop: the
    // main window's result goes too; the last part-load result stays here.
    ShowNoPipeSize(this);
    main_.ClearOutputs();
    return;
  }
  // A capacity that gives no flow to size: nothing is shown for it.
  EmptyPartLoad();
  if (refusal.field == txtriser_->objectName()) SetFieldFlagged(txtriser_, true);
  if (!refusal.message.isEmpty()) ShowError(this, refusal.message);
}

void Frmdoubleriser::EmptyPartLoad() {
  state_.partLoadSize.clear();
  state_.partLoadVelocity.clear();
  state_.partLoadVelocityInBand = true;
  state_.suctionPartLoadLabel.clear();
  state_.dischargePartLoadLabel.clear();
  ShowFields();
}

// The window keeps its size while open; the next opening is small.
void Frmdoubleriser::ClearRiserResults() {
  state_.ClearRiserResults();
  ShowFields();
}

void Frmdoubleriser::AcceptRiser() {
  SessionState& session = main_.session();
  session.riserOutput1 = rsize2_->text();
  session.riserOutput2 = tr2_->text();
  main_.setDoubleRiserAccepted(true);
  accept();
}

void Frmdoubleriser::CancelRiser() {
  main_.setDoubleRiserAccepted(false);
  reject();
}

}  // namespace kestrin
