#include "core/outcome.h"

namespace kestrin {

QString DesignFieldName(DesignField field) {
  switch (field) {
    case DesignField::Refrigerant: return QStringLiteral("Cmbrt");
    case DesignField::Capacity: return QStringLiteral("Txtcapacity");
    case DesignField::Evaporating: return QStringLiteral("Txtet");
    case DesignField::Condensing: return QStringLiteral("Txtct");
    case DesignField::Superheat: return QStringLiteral("Txtsh");
    case DesignField::Subcool: return QStringLiteral("Txtsc");
    case DesignField::Line: return QStringLiteral("Cmbl");
    case DesignField::DesignDrop: return QStringLiteral("Cmbdpd");
    case DesignField::TotalLength: return QStringLiteral("Txttll");
    case DesignField::RiserLength: return QStringLiteral("Txtrl");
    case DesignField::AdditionalLoss: return QStringLiteral("Txtal");
    case DesignField::MinimumCapacity: return QStringLiteral("Txtriser");
    case DesignField::None: break;
  }
  return {};
}

}  // namespace kestrin
