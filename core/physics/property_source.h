#pragma once
// Where a refrigerant's properties come from: the polynomial correlations of
// the four first refrigerants, or the reference equations of state. The
// user's choice is a program setting; refrigerants without correlations
// always take the reference equations.

#include "core/physics/refrigerant.h"

#include <QString>

#include <optional>

namespace kestrin {

enum class PropertySource { Correlations, Reference };

// "correlations" or "reference": the name kestrin-size and the program's
// settings use.
QString PropertySourceKey(PropertySource source);
std::optional<PropertySource> PropertySourceFromKey(const QString& key);

// The source the refrigerant's properties really come from when the user
// chose `chosen`.
PropertySource PropertySourceFor(Refrigerant refrigerant, PropertySource chosen);

}  // namespace kestrin
