// The glide line and the temperature fields' tool tips: a blend boils and
// condenses over a range of temperatures, so the window says how wide that
// range is and which of its ends each temperature field means.

#include "core/physics/glide.h"
#include "core/sizing/result_presenter.h"
#include "core/units/number_text.h"
#include "gui/frmmain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kestrin {

void Frmmain::UpdateGlide() {
  const UnitSystem unit = session_.unit;
  const std::optional<Refrigerant> refrigerant = RefrigerantFromName(cmbrt_->currentText());
  const bool glides = refrigerant && Glides(*refrigerant, session_.propertySource);
  for (const InputField field : kInputFields)
    InputEdit(field)->setToolTip(glides ? GlideToolTip(field, unit) : ToolTip(field, unit));

  // The temperatures as typed, in F; none for an empty or partial entry.
  auto typedF = [&](InputField field) -> std::optional<double> {
    const std::optional<double> typed = ParseNumber(InputEdit(field)->text(), locale());
    if (!typed) return std::nullopt;
    return unit == UnitSystem::IP ? *typed : CelsiusToFahrenheit(*typed);
  };
  const std::optional<double> evaporatingF = typedF(InputField::Evaporating);
  const std::optional<double> condensingF = typedF(InputField::Condensing);
  std::optional<Glide> glide;
  if (glides && evaporatingF && condensingF)
    glide = GlideOf(*refrigerant, session_.propertySource, *evaporatingF, *condensingF);
  const QString shown = ShownGlide(glide, unit, locale());
  lblglide_->setText(shown.isEmpty() ? QString() : QStringLiteral("Glide : ") + shown);
}

}  // namespace kestrin
