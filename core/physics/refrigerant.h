#pragma once
// The refrigerants the program knows, by the names the user picks: the four
// of the property correlations first, then those that only the reference
// equations of state describe.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

enum class Refrigerant {
  R22,
  R134a,
  R407C,
  R404A,
  R410A,
  R32,
  R1234yf,
  R290,
  R507A,
  R454B,
  R513A,
  R452B,
  R448A,
  R449A,
  R1234zeE,
};

// "R22", "R134a", "R407C", "R404A", "R410A", "R32", "R1234yf", "R290",
// "R507A", then today's blends "R454B", "R513A", "R452B", "R448A", "R449A"
// and "R1234ze(E)", in the order of the refrigerant list.
QStringList RefrigerantNames();
QString RefrigerantName(Refrigerant refrigerant);
// Exact, case-sensitive match with one of the names.
std::optional<Refrigerant> RefrigerantFromName(const QString& name);

}  // namespace kestrin
