#include "gui/dialogs/frmcapacity.h"

#include "core/units/number_text.h"
#include "core/units/unit_texts.h"
#include "gui/message_boxes.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kestrin {
namespace {

constexpr int kFieldWidthInDigits = 8;
// Room for the inputs, eleven rows and five columns at a normal font.
constexpr int kWidthPixels = 760;
constexpr int kHeightPixels = 600;
const QColor kBelowOilReturnGrey{0x80, 0x80, 0x80};

QString AskCsvPathByDialog(QWidget* parent) {
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save the capacity table"),
                                              QDir::home().filePath(QStringLiteral("capacity-table.csv")),
                                              QStringLiteral("CSV files (*.csv)"));
  if (!path.isEmpty() && !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
  return path;
}

QLineEdit* MakeField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setAlignment(Qt::AlignCenter);
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kFieldWidthInDigits);
  return field;
}

QLabel* MakeLabel(const char* name, QWidget* parent, QWidget* buddy = nullptr) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  if (buddy) label->setBuddy(buddy);
  return label;
}

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QString Caption(const char* words, const QString& unit) {
  return QStringLiteral("%1 (%2) :").arg(QString::fromLatin1(words), unit);
}

}  // namespace

Frmcapacity::Frmcapacity(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frmcapacity"));
  setWindowTitle(QStringLiteral("Line Capacities"));
  setModal(true);
  hooks_.askCsvPath = AskCsvPathByDialog;
  hooks_.print = [](const ShownCapacityTable&, QWidget*) {};
  BuildControls();
  ShowUnitTexts();
  resize(kWidthPixels, kHeightPixels);
}

void Frmcapacity::BuildControls() {
  cmbcaprt_ = new QComboBox(this);
  cmbcaprt_->setObjectName(QStringLiteral("Cmbcaprt"));
  cmbcaprt_->addItems(RefrigerantNames());
  cmbcapline_ = new QComboBox(this);
  cmbcapline_->setObjectName(QStringLiteral("Cmbcapline"));
  cmbcapline_->addItems(LineNames());
  txtcapct_ = MakeField("Txtcapct", this);
  txtcapsh_ = MakeField("Txtcapsh", this);
  txtcapsc_ = MakeField("Txtcapsc", this);
  txtcapdt_ = MakeField("Txtcapdt", this);
  lblcapct_ = MakeLabel("Lblcapct", this, txtcapct_);
  lblcapsh_ = MakeLabel("Lblcapsh", this, txtcapsh_);
  lblcapsc_ = MakeLabel("Lblcapsc", this, txtcapsc_);
  lblcapdt_ = MakeLabel("Lblcapdt", this, txtcapdt_);

  auto* inputs = new QGridLayout;
  inputs->addWidget(MakeLabel("Lblcaprt", this, cmbcaprt_), 0, 0);
  inputs->addWidget(cmbcaprt_, 0, 1);
  inputs->addWidget(MakeLabel("Lblcapline", this, cmbcapline_), 1, 0);
  inputs->addWidget(cmbcapline_, 1, 1);
  inputs->addWidget(lblcapct_, 0, 2);
  inputs->addWidget(txtcapct_, 0, 3);
  inputs->addWidget(lblcapdt_, 1, 2);
  inputs->addWidget(txtcapdt_, 1, 3);
  inputs->addWidget(lblcapsh_, 0, 4);
  inputs->addWidget(txtcapsh_, 0, 5);
  inputs->addWidget(lblcapsc_, 1, 4);
  inputs->addWidget(txtcapsc_, 1, 5);
  inputs->setColumnStretch(6, 1);
  findChild<QLabel*>(QStringLiteral("Lblcaprt"))->setText(QStringLiteral("Refrigerant :"));
  findChild<QLabel*>(QStringLiteral("Lblcapline"))->setText(QStringLiteral("Line :"));

  lblcaptitle_ = MakeLabel("Lblcaptitle", this);
  lblcaptitle_->setWordWrap(true);
  tblcapacity_ = new QTableWidget(this);
  tblcapacity_->setObjectName(QStringLiteral("Tblcapacity"));
  tblcapacity_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblcapacity_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tblcapacity_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  lblcapnote_ = MakeLabel("Lblcapnote", this);
  lblcapnote_->setWordWrap(true);

  auto* copy = MakeButton("Cmdcopy", "Copy", this);
  auto* save = MakeButton("Cmdsave", "Save...", this);
  auto* print = MakeButton("Cmdprint", "Print...", this);
  auto* close = MakeButton("Cmdclose", "Close", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addWidget(save);
  buttons->addWidget(print);
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto* page = new QVBoxLayout(this);
  page->addLayout(inputs);
  page->addWidget(lblcaptitle_);
  page->addWidget(tblcapacity_, 1);
  page->addWidget(lblcapnote_);
  page->addLayout(buttons);

  for (QLineEdit* edit : {txtcapct_, txtcapsh_, txtcapsc_, txtcapdt_}) {
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, &Frmcapacity::Recompute);
  }
  connect(cmbcaprt_, &QComboBox::currentIndexChanged, this, &Frmcapacity::Recompute);
  connect(cmbcapline_, &QComboBox::currentIndexChanged, this, &Frmcapacity::OnLineChosen);
  connect(copy, &QPushButton::clicked, this, &Frmcapacity::CopyTable);
  connect(save, &QPushButton::clicked, this, &Frmcapacity::SaveTable);
  connect(print, &QPushButton::clicked, this, &Frmcapacity::PrintTable);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void Frmcapacity::setSettings(UnitSystem unit, PropertySource properties, TubeSeries series) {
  unit_ = unit;
  properties_ = properties;
  series_ = series;
  ShowUnitTexts();
  Recompute();
}

void Frmcapacity::setCase(const MainFieldTexts& texts) {
  const QSignalBlocker blockRefrigerant(cmbcaprt_);
  const QSignalBlocker blockLine(cmbcapline_);
  cmbcaprt_->setCurrentIndex(std::max(0, cmbcaprt_->findText(texts.refrigerant)));
  const int line = cmbcapline_->findText(texts.line);
  cmbcapline_->setCurrentIndex(line >= 0 ? line : cmbcapline_->findText(LineName(LineType::Suction)));
  line_ = ChosenLine();
  const CapacityInputs defaults = DefaultCapacityInputs(line_.value_or(LineType::Suction), unit_);
  const auto kept = [&](QLineEdit* edit, const QString& typed, double fallback, InputField field) {
    const QSignalBlocker block(edit);
    const bool usable = IsNumeric(typed, locale()) && EntryKept(field, typed, unit_, locale());
    edit->setText(usable ? typed : ConditionText(fallback, locale()));
  };
  kept(txtcapct_, texts.condensing, defaults.condensing, InputField::Condensing);
  kept(txtcapsh_, texts.superheat, defaults.superheat, InputField::Superheat);
  kept(txtcapsc_, texts.subcool, defaults.subcool, InputField::Subcool);
  {
    const QSignalBlocker block(txtcapdt_);
    txtcapdt_->setText(ConditionText(defaults.drop, locale()));
  }
  Recompute();
}

void Frmcapacity::ShowUnitTexts() {
  const bool ip = unit_ == UnitSystem::IP;
  lblcapct_->setText(Caption("Condensing Temperature", ip ? QStringLiteral("F") : QStringLiteral("C")));
  lblcapsh_->setText(Caption("Superheat", ip ? QStringLiteral("F") : QStringLiteral("C")));
  lblcapsc_->setText(Caption("Subcool", ip ? QStringLiteral("F") : QStringLiteral("C")));
  lblcapdt_->setText(Caption("Temperature Drop", TemperatureDropPerLengthUnit(unit_)));
  txtcapct_->setToolTip(ToolTip(InputField::Condensing, unit_));
  txtcapsh_->setToolTip(ToolTip(InputField::Superheat, unit_));
  txtcapsc_->setToolTip(ToolTip(InputField::Subcool, unit_));
  txtcapdt_->setToolTip(ip ? QStringLiteral("Saturation temperature lost per 100 ft of straight tube")
                           : QStringLiteral("Saturation temperature lost per metre of straight tube"));
}

bool Frmcapacity::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) CheckEntry(edit);
  }
  return QDialog::eventFilter(watched, event);
}

// The main window's checks on every key release: a text that is not a
// number within the field's limits is wiped.
void Frmcapacity::CheckEntry(QLineEdit* edit) {
  const QString text = edit->text();
  bool kept = true;
  if (edit == txtcapdt_) {
    kept = TemperatureDropEntryKept(text, locale());
  } else if (edit == txtcapct_) {
    kept = EntryKept(InputField::Condensing, text, unit_, locale());
  } else if (edit == txtcapsh_) {
    kept = EntryKept(InputField::Superheat, text, unit_, locale());
  } else if (edit == txtcapsc_) {
    kept = EntryKept(InputField::Subcool, text, unit_, locale());
  }
  if (!kept) edit->clear();
}

std::optional<LineType> Frmcapacity::ChosenLine() const { return LineTypeFromName(cmbcapline_->currentText()); }

// The drop follows the line while it still holds the last line's default.
void Frmcapacity::OnLineChosen() {
  const std::optional<LineType> chosen = ChosenLine();
  if (line_ && chosen) {
    const std::optional<double> typed = ParseNumber(txtcapdt_->text(), locale());
    if (typed && *typed == DefaultCapacityInputs(*line_, unit_).drop) {
      const QSignalBlocker block(txtcapdt_);
      txtcapdt_->setText(ConditionText(DefaultCapacityInputs(*chosen, unit_).drop, locale()));
    }
  }
  line_ = chosen;
  Recompute();
}

void Frmcapacity::Recompute() {
  const std::optional<Refrigerant> refrigerant = RefrigerantFromName(cmbcaprt_->currentText());
  const std::optional<LineType> line = ChosenLine();
  if (!refrigerant || !line) return ShowProblem(MessageText(Message::DataIncomplete).trimmed());
  const struct {
    QLineEdit* edit;
    double CapacityInputs::*value;
    const char* name;
  } fields[] = {{txtcapct_, &CapacityInputs::condensing, "condensing temperature"},
                {txtcapsh_, &CapacityInputs::superheat, "superheat"},
                {txtcapsc_, &CapacityInputs::subcool, "subcooling"},
                {txtcapdt_, &CapacityInputs::drop, "temperature drop"}};
  CapacityInputs inputs;
  for (const auto& field : fields) {
    const std::optional<double> value = ParseNumber(field.edit->text(), locale());
    if (!value) return ShowProblem(QStringLiteral("Enter the %1.").arg(QString::fromLatin1(field.name)));
    inputs.*field.value = *value;
  }
  const Outcome<CapacityConditions> conditions =
      CapacityConditionsOf(*refrigerant, properties_, *line, series_, unit_, inputs);
  if (!conditions.ok()) return ShowProblem(conditions.refusal().message.trimmed());
  ShowTable(PresentCapacityTable(LineCapacityTable(conditions.value()), locale()));
}

void Frmcapacity::ShowTable(const ShownCapacityTable& table) {
  shown_ = table;
  lblcaptitle_->setText(table.title + u'\n' + table.conditions);
  tblcapacity_->clear();
  tblcapacity_->setRowCount(static_cast<int>(table.cells.size()));
  tblcapacity_->setColumnCount(static_cast<int>(table.columnCaptions.size()));
  QStringList captions;
  const QString unit = CapacityUnit(unit_);
  for (const QString& caption : table.columnCaptions) captions += caption + u'\n' + unit;
  tblcapacity_->setHorizontalHeaderLabels(captions);
  tblcapacity_->setVerticalHeaderLabels(table.sizeNames);
  for (std::size_t r = 0; r < table.cells.size(); ++r) {
    for (std::size_t c = 0; c < table.cells[r].size(); ++c) {
      const ShownCapacityCell& cell = table.cells[r][c];
      auto* item = new QTableWidgetItem(cell.capacity);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item->setToolTip(cell.capacity.isEmpty()
                           ? cell.reason
                           : QStringLiteral("%1 %2, %3 %4")
                                 .arg(cell.velocity, VelocityUnit(unit_), cell.pressureDrop, DropPerLengthUnit(unit_)));
      if (cell.belowOilReturn) {
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        item->setForeground(kBelowOilReturnGrey);
      }
      tblcapacity_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  lblcapnote_->setText((QStringList{table.note} + table.emptyCells).join(u'\n'));
}

void Frmcapacity::ShowProblem(const QString& problem) {
  shown_.reset();
  lblcaptitle_->clear();
  tblcapacity_->clearContents();
  tblcapacity_->setRowCount(0);
  lblcapnote_->setText(problem);
}

void Frmcapacity::CopyTable() const {
  if (!shown_) return;
  QApplication::clipboard()->setText(CapacityTableDelimited(*shown_, u'\t'));
}

void Frmcapacity::SaveTable() {
  if (!shown_) return;
  const QString path = hooks_.askCsvPath(this);
  if (path.isEmpty()) return;
  QSaveFile file(path);
  const QByteArray bytes = CapacityTableDelimited(*shown_, u',').toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    ShowError(this, QStringLiteral("The capacity table could not be written to %1: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void Frmcapacity::PrintTable() {
  if (shown_) hooks_.print(*shown_, this);
}

}  // namespace kestrin
