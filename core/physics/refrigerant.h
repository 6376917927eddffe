#pragma once
// The four refrigerants the program knows, by the names the user picks.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

enum class Refrigerant { R22, R134a, R407C, R404A };

// "R22", "R134a", "R407C", "R404A", in the order of the refrigerant list.
QStringList RefrigerantNames();
QString RefrigerantName(Refrigerant refrigerant);
// Exact, case-sensitive match with one of the four names.
std::optional<Refrigerant> RefrigerantFromName(const QString& name);

}  // namespace kestrin
