#include "gui/property_setting.h"

#include <QSettings>

namespace kestrin {
namespace {

const QString kOrganization = QStringLiteral("Kestrin");
const QString kApplication = QStringLiteral("Kestrin Refrigerant Pipe Sizing");
const QString kKey = QStringLiteral("properties/source");

}  // namespace

PropertySource StoredPropertySource() {
  const QSettings settings(kOrganization, kApplication);
  return PropertySourceFromKey(settings.value(kKey).toString()).value_or(PropertySource::Correlations);
}

void StorePropertySource(PropertySource source) {
  QSettings settings(kOrganization, kApplication);
  settings.setValue(kKey, PropertySourceKey(source));
}

}  // namespace kestrin
