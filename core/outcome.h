#pragma once
// What a command gives back: either its value, or why it refused: a typed
// reason, the design-case field it concerns, and the message the user is
// shown. Only window code turns a field into a control.

#include <QString>

#include <utility>
#include <variant>

namespace kestrin {

// The fields of a design case that a refusal can point at.
enum class DesignField {
  None,
  Refrigerant,
  Capacity,
  Evaporating,
  Condensing,
  Superheat,
  Subcool,
  Line,
  DesignDrop,  // the design pressure drop, or the tube to check
  TotalLength,
  RiserLength,
  AdditionalLoss,
  MinimumCapacity,  // of the part-load riser
};

// The field's name in kestrin-size's output and the project's vocabulary:
// the objectName of the control that shows it ("Txtcapacity"); empty for
// None.
QString DesignFieldName(DesignField field);

enum class RefusalReason {
  DataIncomplete,  // a field left empty or not a number
  OutOfRange,      // a temperature below its lowest value, a value no system can have
  RiserTooLong,    // riser longer than the whole line
  UnknownTube,     // a tube to check that the catalogue does not hold
  FittingCountNotNumber,
  NoFlow,                // the data give no physical flow or line to size
  OutsidePropertyRange,  // a temperature the refrigerant's properties are not used at
  TooLarge,              // a result too large to calculate or show
  NoPipeSize,            // no tube keeps the pressure drop below the design drop
  NoRiserOnLiquidLine,
  RiserNeedsDesignMode,  // a part-load riser asked for after a checking-mode run
  FileUnusable,          // a project file that cannot be read or applied
  Usage,                 // a command line that cannot be followed
};

struct Refusal {
  QString message;  // exactly as the message box shows it; empty shows none
  DesignField field = DesignField::None;
  RefusalReason reason = RefusalReason::DataIncomplete;
  bool operator==(const Refusal&) const = default;
};

template <class T>
class Outcome {
 public:
  Outcome(T value) : state_(std::move(value)) {}            // NOLINT(google-explicit-constructor)
  Outcome(Refusal refusal) : state_(std::move(refusal)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return std::holds_alternative<T>(state_); }
  const T& value() const { return std::get<T>(state_); }
  const Refusal& refusal() const { return std::get<Refusal>(state_); }

 private:
  std::variant<T, Refusal> state_;
};

}  // namespace kestrin
