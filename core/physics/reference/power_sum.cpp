#include "core/physics/reference/power_sum.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

double IntegerPower(double x, int n) {
  if (n < 0) return 1.0 / IntegerPower(x, -n);
  double result = 1.0;
  while (n > 0) {
    if (n & 1) result *= x;
    x *= x;
    n >>= 1;
  }
  return result;
}

void PowerSum::Add(double coefficient, double exponent) {
  terms_.push_back({coefficient, exponent, 0});
  Rebuild();
}

void PowerSum::Rebuild() {
  std::sort(terms_.begin(), terms_.end(), [](const Term& a, const Term& b) { return a.exponent < b.exponent; });
  rootDegree_ = 0;
  for (int degree : {1, 2, 4}) {
    const bool exact = std::all_of(terms_.begin(), terms_.end(), [degree](const Term& t) {
      const double steps = t.exponent * degree;
      return steps == std::round(steps) && std::abs(steps) < 1000;
    });
    if (exact) {
      rootDegree_ = degree;
      break;
    }
  }
  for (Term& t : terms_) t.steps = rootDegree_ == 0 ? 0 : static_cast<int>(std::lround(t.exponent * rootDegree_));
}

double PowerSum::operator()(double x) const {
  if (terms_.empty()) return 0.0;
  if (rootDegree_ == 0) {
    double sum = 0.0;
    for (const Term& t : terms_) sum += t.coefficient * std::pow(x, t.exponent);
    return sum;
  }
  const double base = rootDegree_ == 1 ? x : rootDegree_ == 2 ? std::sqrt(x) : std::sqrt(std::sqrt(x));
  // Walk the terms in exponent order so each power is the previous one times
  // a small integer power of the base.
  double power = IntegerPower(base, terms_.front().steps);
  int steps = terms_.front().steps;
  double sum = 0.0;
  for (const Term& t : terms_) {
    if (t.steps != steps) {
      power *= IntegerPower(base, t.steps - steps);
      steps = t.steps;
    }
    sum += t.coefficient * power;
  }
  return sum;
}

}  // namespace kestrin
