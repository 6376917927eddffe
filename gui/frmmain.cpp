#include "gui/frmmain.h"

#include "core/line_type.h"
#include "core/physics/refrigerant.h"
#include "core/physics/tube_catalogue.h"
#include "gui/clickable_label.h"
#include "gui/field_colours.h"
#include "gui/help/animation.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMovie>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrin {

namespace {

// Every input field takes at most six characters.
constexpr int kInputMaxLength = 6;
// Fields are sized to show about this many digits, whatever the font.
constexpr int kFieldWidthInDigits = 9;

QString Text(const char* latin1) { return QString::fromLatin1(latin1); }

QGroupBox* MakeFrame(const char* name, const char* caption, QWidget* parent) {
  auto* frame = new QGroupBox(Text(caption), parent);
  frame->setObjectName(Text(name));
  // Only the caption is bold and dark red; the frame's controls keep the
  // ordinary font and colour, because a style sheet on the frame alone does
  // not pass to its children.
  frame->setStyleSheet(QStringLiteral("QGroupBox#%1 { font-weight: bold; color: rgb(%2, %3, %4); }")
                           .arg(Text(name))
                           .arg(kFrameCaptionRed.red())
                           .arg(kFrameCaptionRed.green())
                           .arg(kFrameCaptionRed.blue()));
  return frame;
}

QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(Text(name));
  return label;
}

int FieldWidth(const QWidget* widget) {
  return widget->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kFieldWidthInDigits;
}

QLineEdit* MakeInputEdit(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(kInputMaxLength);
  edit->setAlignment(Qt::AlignCenter);
  edit->setFixedWidth(FieldWidth(edit));
  return edit;
}

QLineEdit* MakeOutputEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(Text(name));
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignCenter);
  edit->setFixedWidth(FieldWidth(edit));
  // Outputs are for reading and copying: a click gives them the focus, Tab
  // passes them by.
  edit->setFocusPolicy(Qt::ClickFocus);
  return edit;
}

QComboBox* MakeList(const char* name, const QStringList& items, bool editable, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(Text(name));
  list->setEditable(editable);
  list->addItems(items);
  list->setCurrentIndex(-1);
  if (editable) {
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setMaxLength(kInputMaxLength);
    list->lineEdit()->setAlignment(Qt::AlignCenter);
    list->clearEditText();
  }
  list->setMinimumWidth(FieldWidth(list));
  return list;
}

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(Text(caption), parent);
  button->setObjectName(Text(name));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

void KeepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace

Frmmain::Frmmain(SessionState& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName(QStringLiteral("Frmmain"));
  setWindowTitle(QStringLiteral("Kestrin Refrigerant Pipe Sizing"));

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("centralWidget"));
  setCentralWidget(central);

  BuildInputFrames();
  BuildOutputFrame();

  auto* grid = new QGridLayout(central);
  grid->addWidget(frame1_, 0, 0);
  grid->addWidget(frame2_, 0, 1);
  grid->addWidget(frame3_, 1, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  BuildMenuBar();
  SetTabOrder();
  ConnectFieldEvents();
  AcceptProjectFileDrops();
  StartAnimation();

  // The window opens in IP units and design mode, with no line chosen.
  UpdateRangeToolTips();
  layout()->setSizeConstraint(QLayout::SetMinimumSize);
}

Frmmain::~Frmmain() = default;

void Frmmain::BuildInputFrames() {
  const UnitSystem unit = UnitSystem::IP;

  frame1_ = MakeFrame("Frame1", " Input System Data ", this);
  auto* form1 = new QFormLayout(frame1_);
  form1->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form1->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  cmbrt_ = MakeList("Cmbrt", RefrigerantNames(), false, frame1_);
  auto* lbl1 = MakeLabel("Lbl1", QStringLiteral("Refrigerant type :"), frame1_);
  lbl1->setBuddy(cmbrt_);
  form1->addRow(lbl1, cmbrt_);

  frame2_ = MakeFrame("Frame2", " Input Design Data ", this);
  auto* frame2Layout = new QVBoxLayout(frame2_);
  auto* form2 = new QFormLayout;
  form2->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form2->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  frame2Layout->addLayout(form2);

  cmbl_ = MakeList("Cmbl", LineNames(), false, frame2_);
  auto* lbl7 = MakeLabel("Lbl7", QStringLiteral("Line :"), frame2_);
  lbl7->setBuddy(cmbl_);
  form2->addRow(lbl7, cmbl_);

  cmbdpd_ =
      MakeList("Cmbdpd", DesignDropList(unit, WorkingMode::Design, session_.tubes.series, locale()), true, frame2_);
  lbl8_ = MakeLabel("Lbl8", DesignDropCaption(unit, WorkingMode::Design), frame2_);
  lbl8_->setBuddy(cmbdpd_);
  form2->addRow(lbl8_, cmbdpd_);

  for (std::size_t i = 0; i < kInputFields.size(); ++i) {
    const InputField field = kInputFields[i];
    const bool designData =
        field == InputField::TotalLength || field == InputField::RiserLength || field == InputField::AdditionalLoss;
    QWidget* frame = designData ? frame2_ : frame1_;
    QLineEdit* edit = MakeInputEdit(FieldName(field), frame);
    edit->setToolTip(ToolTip(field, unit));
    auto* label = new QLabel(LabelCaption(field, unit), frame);
    label->setObjectName(LabelName(field));
    label->setBuddy(edit);
    (designData ? form2 : form1)->addRow(label, edit);
    inputEdits_[i] = edit;
    inputLabels_[i] = label;
  }
  // Under the subcooling: read-only, and empty unless the refrigerant glides.
  lblglide_ = MakeLabel("Lblglide", QString(), frame1_);
  lblglide_->setWordWrap(true);
  lblglide_->setMinimumHeight(lblglide_->fontMetrics().height());
  form1->addRow(lblglide_);
  // The lists show as many characters as the fields below them, besides
  // their arrow.
  const int listWidth = inputEdits_[0]->width() + cmbdpd_->fontMetrics().height() * 3 / 2;
  for (QComboBox* list : {cmbrt_, cmbl_, cmbdpd_}) list->setFixedWidth(listWidth);

  cmdfitting_ = MakeButton("Cmdfitting", "Add Fitting", frame2_);
  cmdcalculate_ = MakeButton("Cmdcalculate", "Calculate", frame2_);
  cmdclose_ = MakeButton("Cmdclose", "Close", frame2_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdfitting_);
  buttons->addStretch(1);
  buttons->addWidget(cmdcalculate_);
  buttons->addWidget(cmdclose_);
  frame2Layout->addStretch(1);
  frame2Layout->addLayout(buttons);

  connect(cmdfitting_, &QPushButton::clicked, this, &Frmmain::fittingsRequested);
  connect(cmdcalculate_, &QPushButton::clicked, this, &Frmmain::Calculate);
  connect(cmdclose_, &QPushButton::clicked, this, &Frmmain::close);
}

void Frmmain::BuildOutputFrame() {
  frame3_ = MakeFrame("Frame3", " Output Data ", this);
  auto* grid = new QGridLayout(frame3_);
  grid->setColumnStretch(3, 1);

  auto addRow = [&](int row, const char* labelName, const char* caption, QLineEdit* edit) {
    QLabel* label = MakeLabel(labelName, Text(caption), frame3_);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
  };

  txtlinesize_ = MakeOutputEdit("Txtlinesize", frame3_);
  QFont sizeFont = txtlinesize_->font();
  sizeFont.setBold(true);
  sizeFont.setPointSizeF(sizeFont.pointSizeF() + 1.5);
  txtlinesize_->setFont(sizeFont);
  addRow(0, "Lbl12", "Line Size :", txtlinesize_);
  lbl13_ = MakeLabel("Lbl13", QString(), frame3_);
  lbl13_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Room for the longest description, so the window keeps its size from one
  // result to the next.
  int descriptionWidth = 0;
  for (const TubeSeries series : kTubeSeries) {
    for (int size = 1; size <= kTubeSizeCount; ++size)
      descriptionWidth =
          std::max(descriptionWidth, lbl13_->fontMetrics().horizontalAdvance(TubeDescription(series, size)));
  }
  lbl13_->setMinimumWidth(descriptionWidth);
  grid->addWidget(lbl13_, 0, 2, 1, 2);

  txttpd_ = MakeOutputEdit("Txttpd", frame3_);
  addRow(1, "Lbl14", "Total Pressure Drop :", txttpd_);
  lbl15_ = MakeLabel("Lbl15", QStringLiteral("PSI "), frame3_);
  grid->addWidget(lbl15_, 1, 2);

  txtvelocity_ = MakeOutputEdit("Txtvelocity", frame3_);
  addRow(2, "Lbl16", "Velocity :", txtvelocity_);
  lbl17_ = MakeLabel("Lbl17", VelocityUnit(UnitSystem::IP), frame3_);
  grid->addWidget(lbl17_, 2, 2);
  SetFieldColours(txtvelocity_, kFieldWhite, kTextBlack);

  txtel_ = MakeOutputEdit("Txtel", frame3_);
  addRow(3, "Lbl18", "Equivalent Lengths :", txtel_);
  lbl19_ = MakeLabel("Lbl19", QStringLiteral("Ft"), frame3_);
  grid->addWidget(lbl19_, 3, 2);

  txttrap_ = MakeOutputEdit("Txttrap", frame3_);
  addRow(4, "Lbltrap", "No of Trap :", txttrap_);

  txtsatdrop_ = MakeOutputEdit("Txtsatdrop", frame3_);
  addRow(5, "Lblsatdrop", "Saturation Temp. Drop :", txtsatdrop_);
  lblsatdropunit_ = MakeLabel("Lblsatdropunit", TemperatureDropUnit(UnitSystem::IP), frame3_);
  grid->addWidget(lblsatdropunit_, 5, 2);

  // One line that tells what to look at: the oil return of a riser or flash
  // gas in the liquid line. It keeps its height when empty, so the window
  // does not jump from one result to the next.
  lblwarning_ = MakeLabel("Lblwarning", QString(), frame3_);
  lblwarning_->setWordWrap(true);
  lblwarning_->setMinimumHeight(lblwarning_->fontMetrics().height());
  QPalette warningPalette = lblwarning_->palette();
  warningPalette.setColor(QPalette::WindowText, kFrameCaptionRed);
  lblwarning_->setPalette(warningPalette);
  grid->addWidget(lblwarning_, 6, 0, 1, 5);

  lblriser_ = new ClickableLabel(QStringLiteral("Using Double Riser"), frame3_);
  lblriser_->setObjectName(QStringLiteral("Lblriser"));
  QPalette riserPalette = lblriser_->palette();
  riserPalette.setColor(QPalette::WindowText, kRiserLinkBlue);
  lblriser_->setPalette(riserPalette);
  lblriser_->setAccessibleDescription(QStringLiteral("Opens the double riser calculations"));
  check1_ = new QCheckBox(frame3_);
  check1_->setObjectName(QStringLiteral("Check1"));
  check1_->setEnabled(false);  // only the program ticks it
  check1_->setAccessibleName(QStringLiteral("Double riser accepted"));
  auto* riserRow = new QHBoxLayout;
  riserRow->addWidget(lblriser_);
  riserRow->addWidget(check1_);
  riserRow->addStretch(1);
  grid->addLayout(riserRow, 4, 2, 1, 2);
  for (QWidget* widget : {static_cast<QWidget*>(lblriser_), static_cast<QWidget*>(check1_)}) {
    KeepPlaceWhenHidden(widget);
    widget->hide();
  }
  connect(lblriser_, &ClickableLabel::clicked, this, &Frmmain::doubleRiserRequested);

  animatedGif1_ = MakeLabel("AnimatedGif1", QString(), frame3_);
  animatedGif1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(animatedGif1_, 0, 4, 5, 1);
}

void Frmmain::BuildMenuBar() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));

  auto addMenu = [&](const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(Text(caption));
    menu->setObjectName(Text(name));
    menu->menuAction()->setObjectName(Text(name));
    return menu;
  };
  auto addItem = [&](QMenu* menu, const char* name, const char* caption,
                     const QKeySequence& shortcut = QKeySequence()) {
    QAction* action = menu->addAction(Text(caption));
    action->setObjectName(Text(name));
    action->setShortcut(shortcut);
    return action;
  };
  auto addSeparator = [&](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(Text(name)); };

  QMenu* file = addMenu("file", "&File");
  addItem(file, "open", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
  addItem(file, "save", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
  addSeparator(file, "l1");
  addItem(file, "Printsetup", "Print Setup");
  addItem(file, "print", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P));
  addSeparator(file, "l2");
  QAction* exit = addItem(file, "exit", "&Exit");

  QMenu* setup = addMenu("setup", "&Set up");
  QAction* process = addItem(setup, "Process", "Process");
  QAction* units = addItem(setup, "units", "Units");
  QAction* properties = addItem(setup, "properties", "Properties");
  QAction* tubes = addItem(setup, "tubes", "Tubes");

  QMenu* tables = addMenu("tables", "&Tables");
  addItem(tables, "capacities", "Line Capacities", QKeySequence(Qt::CTRL | Qt::Key_T));

  QMenu* help = addMenu("help", "&Help");
  QAction* guide = addItem(help, "pipingGuide", "Kestrin Piping Guide");
  guide->setEnabled(false);
  guide->setVisible(false);
  addItem(help, "web", "Kestrin  website");
  addItem(help, "About", "About Kestrin Pipe ...");

  connect(exit, &QAction::triggered, this, &Frmmain::close);
  connect(process, &QAction::triggered, this, &Frmmain::ShowProcessDialog);
  connect(units, &QAction::triggered, this, &Frmmain::ShowUnitsDialog);
  connect(properties, &QAction::triggered, this, &Frmmain::ShowPropertiesDialog);
  connect(tubes, &QAction::triggered, this, &Frmmain::ShowTubesDialog);
}

QAction* Frmmain::menuAction(const QString& objectName) const {
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    if (action->objectName() == objectName && !action->isSeparator()) return action;
  }
  return nullptr;
}

void Frmmain::SetTabOrder() {
  QList<QWidget*> order = {cmbrt_};
  for (std::size_t i = 0; i < 5; ++i) order.append(inputEdits_[i]);  // system data
  order.append({cmbl_, cmbdpd_});
  for (std::size_t i = 5; i < kInputFields.size(); ++i) order.append(inputEdits_[i]);  // design data
  order.append({cmdfitting_, cmdcalculate_, cmdclose_, lblriser_});
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Frmmain::StartAnimation() {
  // The picture is decoration only: when "kestrin.gif" cannot be found or is
  // not a picture, its place stays empty.
  const QMovie* movie = PlayAnimation(animatedGif1_, QStringLiteral("kestrin.gif"));
  animatedGif1_->setVisible(movie->isValid());
}

void Frmmain::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program at once: nothing is asked and
  // nothing is saved.
  event->accept();
  Q_EMIT closed();
}

}  // namespace kestrin
