#pragma once
// The texts of the main window's input controls, by their names: what the
// Calculate command reads, a project file stores and the report prints.

#include <QString>

namespace kestrin {

struct MainFieldTexts {
  QString refrigerant;     // Cmbrt
  QString capacity;        // Txtcapacity
  QString evaporating;     // Txtet
  QString condensing;      // Txtct
  QString superheat;       // Txtsh
  QString subcool;         // Txtsc
  QString line;            // Cmbl
  QString designDrop;      // Cmbdpd: design pressure drop, or the tube to check
  QString totalLength;     // Txttll
  QString riserLength;     // Txtrl
  QString additionalLoss;  // Txtal
  bool operator==(const MainFieldTexts&) const = default;
};

// What the output frame shows, by control.
struct OutputTexts {
  QString lineSize;           // Txtlinesize
  QString description;        // Lbl13
  QString totalPressureDrop;  // Txttpd
  QString velocity;           // Txtvelocity
  QString equivalentLength;   // Txtel
  QString traps;              // Txttrap
  QString saturationDrop;     // Txtsatdrop
  QString warning;            // Lblwarning: oil return, flash gas; empty when all is well
  bool operator==(const OutputTexts&) const = default;
};

}  // namespace kestrin
