#pragma once
// What a command gives back: either its value, or why it refused, with the
// message the user is shown and the control that is flagged for it.

#include <QString>

#include <utility>
#include <variant>

namespace kestrin {

struct Refusal {
  QString message;  // exactly as the message box shows it
  QString field;    // objectName of the flagged control; empty when none is flagged
  bool operator==(const Refusal&) const = default;
};

template <class T>
class Outcome {
 public:
  Outcome(T value) : state_(std::move(value)) {}            // NOLINT: implicit by design
  Outcome(Refusal refusal) : state_(std::move(refusal)) {}  // NOLINT: implicit by design

  bool ok() const { return std::holds_alternative<T>(state_); }
  const T& value() const { return std::get<T>(state_); }
  const Refusal& refusal() const { return std::get<Refusal>(state_); }

 private:
  std::variant<T, Refusal> state_;
};

}  // namespace kestrin
