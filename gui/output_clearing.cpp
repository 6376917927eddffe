#include "gui/output_clearing.h"

#include "core/sizing/fitting_table.h"

#include <QLineEdit>

namespace kestrin {

void ClearFittingCounts(QWidget* fittingDialog) {
  for (int type = 1; type <= kFittingTypeCount; ++type) {
    if (auto* field = fittingDialog->findChild<QLineEdit*>(QStringLiteral("Txt%1").arg(type))) field->clear();
  }
}

}  // namespace kestrin
