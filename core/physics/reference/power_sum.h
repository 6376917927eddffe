#pragma once
// A sum of terms c_i x^e_i, evaluated without std::pow when the exponents
// are multiples of a quarter (all the transport correlations' exponents
// are): one or two square roots and integer powers.

#include <vector>

namespace kestrin {

class PowerSum {
 public:
  void Add(double coefficient, double exponent);
  bool Empty() const { return terms_.empty(); }
  double operator()(double x) const;  // x > 0 unless every exponent is a non-negative integer

 private:
  struct Term {
    double coefficient;
    double exponent;
    int steps;  // exponent in units of 1/rootDegree_, when exact
  };
  void Rebuild();

  std::vector<Term> terms_;  // ordered by exponent
  int rootDegree_ = 1;       // 1, 2 or 4; 0 when some exponent needs std::pow
};

// x^n by repeated squaring.
double IntegerPower(double x, int n);

}  // namespace kestrin
