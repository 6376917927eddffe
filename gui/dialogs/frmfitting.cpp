#include "gui/dialogs/frmfitting.h"

#include "core/sizing/fitting_table.h"
#include "core/units/number_text.h"
#include "gui/output_clearing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrin {

namespace {

// Count fields are sized for a few digits, whatever the font.
constexpr int kCountWidthInDigits = 6;

QFont HeadingFont(const QFont& base) {
  QFont font(base);
  font.setFamily(QStringLiteral("Arial"));
  font.setBold(true);
  return font;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

Frmfitting::Frmfitting(const StoredFittingCounts& stored, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frmfitting"));
  setWindowTitle(QStringLiteral("Add fitting"));
  setModal(true);

  auto* frame = new QGroupBox(QStringLiteral(" Fitting  "), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  // Only the caption is bold Arial: a style sheet aimed at the frame by name
  // does not pass its font on to the rows inside.
  frame->setStyleSheet(QStringLiteral("QGroupBox#Frame1 { font-family: Arial; font-weight: bold; }"));

  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(24);
  auto* typeHeading = new QLabel(QStringLiteral("Fitting Type :"), frame);
  typeHeading->setObjectName(QStringLiteral("Label11"));
  typeHeading->setFont(HeadingFont(font()));
  auto* countHeading = new QLabel(QStringLiteral("No."), frame);
  countHeading->setObjectName(QStringLiteral("Label12"));
  countHeading->setFont(HeadingFont(font()));
  countHeading->setAlignment(Qt::AlignCenter);
  grid->addWidget(typeHeading, 0, 0);
  grid->addWidget(countHeading, 0, 1);

  for (int type = 1; type <= kFittingTypeCount; ++type) {
    auto* caption = new QLabel(FittingCaption(type), frame);
    caption->setObjectName(QStringLiteral("Label%1").arg(type));
    auto* field = new QLineEdit(frame);
    field->setObjectName(QStringLiteral("Txt%1").arg(type));
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kCountWidthInDigits);
    caption->setBuddy(field);
    grid->addWidget(caption, type, 0);
    grid->addWidget(field, type, 1, Qt::AlignHCenter);
    fields_[static_cast<std::size_t>(type - 1)] = field;
    connect(field, &QLineEdit::textChanged, this, [this, type] { CheckCount(type); });
  }

  auto* ok = MakeButton(QStringLiteral("Cmdok"), QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* reset = MakeButton(QStringLiteral("Cmdreset"), QStringLiteral("Reset"), this);
  reset->setAutoDefault(false);
  auto* cancel = MakeButton(QStringLiteral("Cmdcancel"), QStringLiteral("Cancel"), this);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &Frmfitting::StoreCounts);
  connect(reset, &QPushButton::clicked, this, &Frmfitting::Reset);
  // The stored counts are only ever replaced by OK, so Cancel just closes.
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(reset);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Stored counts pass the same check as typing: a count a project file
  // brought that is no number, or is above the limit, shows empty.
  for (int type = 1; type <= kFittingTypeCount; ++type)
    Field(type)->setText(stored[static_cast<std::size_t>(type - 1)].value_or(QString()));
}

StoredFittingCounts Frmfitting::counts() const {
  StoredFittingCounts counts;
  for (std::size_t i = 0; i < fields_.size(); ++i) counts[i] = fields_[i]->text();
  return counts;
}

void Frmfitting::CheckCount(int type) {
  QLineEdit* field = Field(type);
  if (field->text().isEmpty()) return;
  const std::optional<double> count = ParseNumber(field->text(), locale());
  if (!count || *count > FittingCountLimit(type)) field->clear();
}

void Frmfitting::StoreCounts() {
  for (QLineEdit* field : fields_) {
    if (field->text().isEmpty()) field->setText(QStringLiteral("0"));
  }
  accept();
}

void Frmfitting::Reset() { ClearFittingCounts(this); }

}  // namespace kestrin
