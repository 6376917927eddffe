#include "core/physics/property_source.h"

#include "core/physics/refrigerant_properties.h"

namespace kestrin {

QString PropertySourceKey(PropertySource source) {
  return source == PropertySource::Correlations ? QStringLiteral("correlations") : QStringLiteral("reference");
}

std::optional<PropertySource> PropertySourceFromKey(const QString& key) {
  for (const PropertySource source : {PropertySource::Correlations, PropertySource::Reference})
    if (key == PropertySourceKey(source)) return source;
  return std::nullopt;
}

PropertySource PropertySourceFor(Refrigerant refrigerant, PropertySource chosen) {
  return HasCorrelations(refrigerant) ? chosen : PropertySource::Reference;
}

}  // namespace kestrin
