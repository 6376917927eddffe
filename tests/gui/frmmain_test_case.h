#pragma once
// A design case as a user types it into the main window, and the way to
// type it.

#include "gui/window_test_support.h"

#include <QLineEdit>

namespace kestrin::testing {

struct TypedCase {
  QString refrigerant, capacity, evaporating, condensing, superheat, subcool;
  QString line, designDrop, totalLength, riserLength, additionalLoss;
};

// A suction line that fits comfortably, in IP ...
inline TypedCase SuctionCaseIP() {
  return {QStringLiteral("R22"),    QStringLiteral("10"),     QStringLiteral("41"),      QStringLiteral("104"),
          QStringLiteral("9"),      QStringLiteral("9"),      QStringLiteral("Suction"), QStringLiteral("2"),
          QStringLiteral("98.425"), QStringLiteral("9.8425"), QStringLiteral("0")};
}

// ... and the same case in SI (10 tons, 5 C, 40 C, 2 psi, 30 m, 3 m).
inline TypedCase SuctionCaseSI() {
  return {QStringLiteral("R22"), QStringLiteral("35.168"), QStringLiteral("5"),       QStringLiteral("40"),
          QStringLiteral("5"),   QStringLiteral("5"),      QStringLiteral("Suction"), QStringLiteral("0.1379"),
          QStringLiteral("30"),  QStringLiteral("3"),      QStringLiteral("0")};
}

// Types every field of `typed` into `window` key by key and picks the lists;
// false when a list does not hold the entry asked for.
inline bool TypeCase(QWidget* window, const TypedCase& typed) {
  auto edit = [&](const char* name) { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); };
  auto list = [&](const char* name) { return window->findChild<QComboBox*>(QString::fromLatin1(name)); };
  if (!PickFromList(list("Cmbrt"), typed.refrigerant)) return false;
  TypeInto(edit("Txtcapacity"), typed.capacity);
  TypeInto(edit("Txtet"), typed.evaporating);
  TypeInto(edit("Txtct"), typed.condensing);
  TypeInto(edit("Txtsh"), typed.superheat);
  TypeInto(edit("Txtsc"), typed.subcool);
  if (!PickFromList(list("Cmbl"), typed.line)) return false;
  TypeInto(list("Cmbdpd"), typed.designDrop);
  TypeInto(edit("Txttll"), typed.totalLength);
  TypeInto(edit("Txtrl"), typed.riserLength);
  TypeInto(edit("Txtal"), typed.additionalLoss);
  return true;
}

}  // namespace kestrin::testing
