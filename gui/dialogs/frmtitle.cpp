#include "gui/dialogs/frmtitle.h"

#include "gui/twips.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace kestrin {

namespace {

constexpr int kClientWidthTwips = 7185;
constexpr int kClientHeightTwips = 2400;

QFont WithFamilies(QFont font, const QStringList& families) {
  font.setFamilies(families);
  return font;
}

}  // namespace

Frmtitle::Frmtitle(SessionState& state, std::function<void()> printReport, QWidget* parent)
    : QDialog(parent), state_(state), printReport_(std::move(printReport)) {
  setObjectName(QStringLiteral("Frmtitle"));
  setWindowTitle(QStringLiteral("Plot Title"));
  setModal(true);

  const QFont labelFont = WithFamilies(font(), {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  const QFont fieldFont = WithFamilies(font(), {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
  auto makeLabel = [&](const char* name, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(labelFont);
    return label;
  };
  auto* label1 = makeLabel("Label1", QStringLiteral("Customer :"));
  auto* label2 = makeLabel("Label2", QStringLiteral("Project :"));
  auto* label3 = makeLabel("Label3", QStringLiteral("Note :"));

  customer_ = new QLineEdit(state_.customer.value_or(QString()), this);
  customer_->setObjectName(QStringLiteral("Txtcustomer"));
  project_ = new QLineEdit(state_.project.value_or(QString()), this);
  project_->setObjectName(QStringLiteral("Txtproject"));
  note_ = new QPlainTextEdit(state_.note, this);
  note_->setObjectName(QStringLiteral("Txtnote"));
  note_->setTabChangesFocus(true);
  for (QWidget* field :
       {static_cast<QWidget*>(customer_), static_cast<QWidget*>(project_), static_cast<QWidget*>(note_)}) {
    field->setFont(fieldFont);
  }
  label1->setBuddy(customer_);
  label2->setBuddy(project_);
  label3->setBuddy(note_);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Cmd1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Cmd2"));
  connect(ok, &QPushButton::clicked, this, &Frmtitle::Cmd1Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(label1, 0, 0);
  grid->addWidget(customer_, 0, 1);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(project_, 1, 1);
  grid->addWidget(label3, 2, 0, Qt::AlignTop);
  grid->addWidget(note_, 2, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  grid->addLayout(buttons, 0, 2, 3, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);

  resize(TwipsToPixels(kClientWidthTwips, logicalDpiX()), TwipsToPixels(kClientHeightTwips, logicalDpiY()));
}

void Frmtitle::Cmd1Click() {
  // The texts are kept before printing, so a print that fails loses none.
  state_.customer = customer_->text();
  state_.project = project_->text();
  state_.note = note_->toPlainText();
  if (printReport_) {
    printReport_();
  }
  accept();
}

}  // namespace kestrin
