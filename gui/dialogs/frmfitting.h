#pragma once
// "Add fitting": how many fittings of each of the ten types the line has.
// The dialog opens with the stored counts and gives back what OK left in its
// fields; the caller keeps the counts.

#include "core/session_state.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace kestrin {

class Frmfitting : public QDialog {
  Q_OBJECT

 public:
  // Opens with `stored` in the fields; a count never set shows empty.
  explicit Frmfitting(const StoredFittingCounts& stored, QWidget* parent = nullptr);

  // The ten field texts, fit1..fit10 as OK stores them: after OK every field
  // holds a number within its limit, "0" where it was left empty.
  StoredFittingCounts counts() const;

 private:
  QLineEdit* Field(int type) const { return fields_[static_cast<std::size_t>(type - 1)]; }
  // Run on every change of a field, typed or set: a text that is not a
  // number, or a number above the type's limit, is wiped.
  void CheckCount(int type);
  void StoreCounts();
  void Reset();

  std::array<QLineEdit*, kFittingTypeCount> fields_{};
};

}  // namespace kestrin
