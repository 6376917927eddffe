#pragma once
// The property source among the program's settings: the choice outlives the
// run without going into project files.

#include "core/physics/property_source.h"

namespace kestrin {

// The correlations when nothing, or nothing known, was kept.
PropertySource StoredPropertySource();
void StorePropertySource(PropertySource source);

}  // namespace kestrin
