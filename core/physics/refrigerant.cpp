#include "core/physics/refrigerant.h"

#include <array>

namespace kestrin {
namespace {

struct NamedRefrigerant {
  Refrigerant refrigerant;
  const char16_t* name;
};

constexpr std::array<NamedRefrigerant, 15> kRefrigerants = {{
    {Refrigerant::R22, u"R22"},
    {Refrigerant::R134a, u"R134a"},
    {Refrigerant::R407C, u"R407C"},
    {Refrigerant::R404A, u"R404A"},
    {Refrigerant::R410A, u"R410A"},
    {Refrigerant::R32, u"R32"},
    {Refrigerant::R1234yf, u"R1234yf"},
    {Refrigerant::R290, u"R290"},
    {Refrigerant::R507A, u"R507A"},
    {Refrigerant::R454B, u"R454B"},
    {Refrigerant::R513A, u"R513A"},
    {Refrigerant::R452B, u"R452B"},
    {Refrigerant::R448A, u"R448A"},
    {Refrigerant::R449A, u"R449A"},
    {Refrigerant::R1234zeE, u"R1234ze(E)"},
}};

}  // namespace

QStringList RefrigerantNames() {
  QStringList names;
  for (const auto& entry : kRefrigerants) names << QString::fromUtf16(entry.name);
  return names;
}

QString RefrigerantName(Refrigerant refrigerant) {
  for (const auto& entry : kRefrigerants)
    if (entry.refrigerant == refrigerant) return QString::fromUtf16(entry.name);
  return {};
}

std::optional<Refrigerant> RefrigerantFromName(const QString& name) {
  for (const auto& entry : kRefrigerants)
    if (name == QString::fromUtf16(entry.name)) return entry.refrigerant;
  return std::nullopt;
}

}  // namespace kestrin
