#include "gui/dialogs/frmtubes.h"

#include "gui/dialogs/choice_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrin {
namespace {

// The option buttons' names and captions, in the order of kTubeSeries.
struct SeriesButton {
  const char16_t* name;
  const char16_t* caption;
  const char16_t* toolTip;
};
constexpr std::array<SeriesButton, kTubeSeries.size()> kSeriesButtons = {{
    {u"typeK", u"Type K (ASTM B88)", u"The thick-walled tube the program has always sized with."},
    {u"typeL", u"Type L / ACR (ASTM B88, B280)",
     u"Thinner walls, a larger bore: the tube most North American installers buy."},
    {u"en12735", u"EN 12735-1 (metric)", u"Metric refrigeration tube, 12 mm to 88.9 mm."},
}};

// A frame of option buttons, one ticked at a time.
QGroupBox* OptionFrame(QDialog* dialog, const char16_t* name, const QString& caption) {
  auto* frame = new QGroupBox(caption, dialog);
  frame->setObjectName(QString::fromUtf16(name));
  new QVBoxLayout(frame);
  new QButtonGroup(frame);
  return frame;
}

QRadioButton* AddOption(QGroupBox* frame, const QString& name, const QString& caption) {
  auto* button = new QRadioButton(caption, frame);
  button->setObjectName(name);
  frame->layout()->addWidget(button);
  frame->findChild<QButtonGroup*>()->addButton(button);
  return button;
}

}  // namespace

Frmtubes::Frmtubes(const TubeChoice& current, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frmtubes"));
  setWindowTitle(QStringLiteral("Tubes"));
  setModal(true);

  QGroupBox* seriesFrame = OptionFrame(this, u"Frame1", QStringLiteral("Tube series"));
  for (std::size_t i = 0; i < kTubeSeries.size(); ++i) {
    series_[i] = AddOption(seriesFrame, QString::fromUtf16(kSeriesButtons[i].name),
                           QString::fromUtf16(kSeriesButtons[i].caption));
    series_[i]->setToolTip(QString::fromUtf16(kSeriesButtons[i].toolTip));
    series_[i]->setChecked(kTubeSeries[i] == current.series);
  }
  QGroupBox* climateFrame = OptionFrame(this, u"Frame2", QStringLiteral("Design climate (ambient)"));
  climateFrame->setToolTip(
      QStringLiteral("The pressure each tube must hold is the refrigerant's saturation pressure at the lowest "
                     "design temperature of its side for this climate (EN 378-2)."));
  for (std::size_t i = 0; i < kDesignClimates.size(); ++i) {
    climates_[i] = AddOption(climateFrame, QStringLiteral("climate%1").arg(ClimateAmbientC(kDesignClimates[i])),
                             ClimateCaption(kDesignClimates[i]));
    climates_[i]->setChecked(kDesignClimates[i] == current.climate);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(seriesFrame);
  layout->addWidget(climateFrame);
  AddOkButton(this, layout, QStringLiteral("CmdOK"));
}

TubeChoice Frmtubes::chosenTubes() const {
  TubeChoice chosen;
  for (std::size_t i = 0; i < kTubeSeries.size(); ++i)
    if (series_[i]->isChecked()) chosen.series = kTubeSeries[i];
  for (std::size_t i = 0; i < kDesignClimates.size(); ++i)
    if (climates_[i]->isChecked()) chosen.climate = kDesignClimates[i];
  return chosen;
}

}  // namespace kestrin
