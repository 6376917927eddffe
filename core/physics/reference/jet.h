#pragma once
// A number that carries its derivatives with respect to K independent
// variables: forward-mode automatic differentiation, to first or second
// order. A function written once over a generic number type gives its value
// with double, its gradient with Jet<K, 1> and its gradient and Hessian with
// Jet<K, 2>, exactly (to rounding) and without hand-written derivative
// formulas.
//
// Own type rather than a library's: the sizes are tiny and fixed (K up to
// six), so value, gradient and the symmetric Hessian (its upper triangle)
// live on the stack, every operation is a short loop the compiler unrolls,
// and the second derivatives come in one pass instead of through nested
// first-order types.

#include <array>
#include <cstddef>

namespace kestrin {

template <std::size_t K, int Order = 2>
struct Jet {
  static_assert(Order == 1 || Order == 2);
  // The Hessian's upper triangle, row by row: (0,0) (0,1) .. (0,K-1) (1,1) ..
  static constexpr std::size_t kTriangle = Order == 2 ? K * (K + 1) / 2 : 0;

  double v = 0;
  std::array<double, K> g{};          // d/dx_i
  std::array<double, kTriangle> h{};  // d2/dx_i dx_j, i <= j

  Jet() = default;
  // A constant: generic code mixes plain numbers and jets freely.
  Jet(double value) : v(value) {}  // NOLINT(google-explicit-constructor)

  // The independent variable number `index` at `value`.
  static Jet Variable(double value, int index) {
    Jet x(value);
    x.g[static_cast<std::size_t>(index)] = 1;
    return x;
  }

  static constexpr std::size_t TriangleIndex(std::size_t i, std::size_t j) {
    if (i > j) return TriangleIndex(j, i);
    return i * K - i * (i + 1) / 2 + j;
  }

  double Gradient(int i) const { return g[static_cast<std::size_t>(i)]; }
  double Hessian(int i, int j) const {
    return h[TriangleIndex(static_cast<std::size_t>(i), static_cast<std::size_t>(j))];
  }

  Jet& operator+=(const Jet& b) {
    v += b.v;
    for (std::size_t i = 0; i < K; ++i) g[i] += b.g[i];
    for (std::size_t i = 0; i < kTriangle; ++i) h[i] += b.h[i];
    return *this;
  }
  Jet& operator-=(const Jet& b) {
    v -= b.v;
    for (std::size_t i = 0; i < K; ++i) g[i] -= b.g[i];
    for (std::size_t i = 0; i < kTriangle; ++i) h[i] -= b.h[i];
    return *this;
  }
  Jet& operator*=(double c) {
    v *= c;
    for (double& x : g) x *= c;
    for (double& x : h) x *= c;
    return *this;
  }
};

// The value of a plain number or of a jet.
inline double ValueOf(double x) { return x; }
template <std::size_t K, int Order>
double ValueOf(const Jet<K, Order>& x) {
  return x.v;
}

// f(a) from f, f' and f'' at a's value: the chain rule to second order.
template <std::size_t K, int Order>
Jet<K, Order> Chain(const Jet<K, Order>& a, double f, double f1, double f2) {
  Jet<K, Order> r(f);
  for (std::size_t i = 0; i < K; ++i) r.g[i] = f1 * a.g[i];
  if constexpr (Order == 2) {
    std::size_t p = 0;
    for (std::size_t i = 0; i < K; ++i)
      for (std::size_t j = i; j < K; ++j, ++p) r.h[p] = f1 * a.h[p] + f2 * a.g[i] * a.g[j];
  }
  return r;
}

// f(a, b) from f's value, gradient (fa, fb) and Hessian (faa, fab, fbb) at
// the values of a and b: how a function whose own derivatives are known (a
// fluid's Helmholtz energy in tau and delta) joins a generic computation.
struct SecondOrder2 {
  double f = 0, fa = 0, fb = 0, faa = 0, fab = 0, fbb = 0;
};
inline double Chain2(double /*a*/, double /*b*/, const SecondOrder2& f) { return f.f; }
template <std::size_t K, int Order>
Jet<K, Order> Chain2(const Jet<K, Order>& a, const Jet<K, Order>& b, const SecondOrder2& f) {
  Jet<K, Order> r(f.f);
  for (std::size_t i = 0; i < K; ++i) r.g[i] = f.fa * a.g[i] + f.fb * b.g[i];
  if constexpr (Order == 2) {
    std::size_t p = 0;
    for (std::size_t i = 0; i < K; ++i)
      for (std::size_t j = i; j < K; ++j, ++p)
        r.h[p] = f.fa * a.h[p] + f.fb * b.h[p] + f.faa * a.g[i] * a.g[j] + f.fab * (a.g[i] * b.g[j] + b.g[i] * a.g[j]) +
                 f.fbb * b.g[i] * b.g[j];
  }
  return r;
}

template <std::size_t K, int Order>
Jet<K, Order> operator+(Jet<K, Order> a, const Jet<K, Order>& b) {
  return a += b;
}
template <std::size_t K, int Order>
Jet<K, Order> operator-(Jet<K, Order> a, const Jet<K, Order>& b) {
  return a -= b;
}
template <std::size_t K, int Order>
Jet<K, Order> operator-(Jet<K, Order> a) {
  return a *= -1.0;
}
template <std::size_t K, int Order>
Jet<K, Order> operator+(Jet<K, Order> a, double c) {
  a.v += c;
  return a;
}
template <std::size_t K, int Order>
Jet<K, Order> operator+(double c, Jet<K, Order> a) {
  a.v += c;
  return a;
}
template <std::size_t K, int Order>
Jet<K, Order> operator-(Jet<K, Order> a, double c) {
  a.v -= c;
  return a;
}
template <std::size_t K, int Order>
Jet<K, Order> operator-(double c, const Jet<K, Order>& a) {
  return -a + c;
}
template <std::size_t K, int Order>
Jet<K, Order> operator*(Jet<K, Order> a, double c) {
  return a *= c;
}
template <std::size_t K, int Order>
Jet<K, Order> operator*(double c, Jet<K, Order> a) {
  return a *= c;
}
template <std::size_t K, int Order>
Jet<K, Order> operator*(const Jet<K, Order>& a, const Jet<K, Order>& b) {
  Jet<K, Order> r(a.v * b.v);
  for (std::size_t i = 0; i < K; ++i) r.g[i] = a.v * b.g[i] + b.v * a.g[i];
  if constexpr (Order == 2) {
    std::size_t p = 0;
    for (std::size_t i = 0; i < K; ++i)
      for (std::size_t j = i; j < K; ++j, ++p) r.h[p] = a.v * b.h[p] + b.v * a.h[p] + a.g[i] * b.g[j] + b.g[i] * a.g[j];
  }
  return r;
}
template <std::size_t K, int Order>
Jet<K, Order> Reciprocal(const Jet<K, Order>& a) {
  const double r = 1 / a.v;
  return Chain(a, r, -r * r, 2 * r * r * r);
}
template <std::size_t K, int Order>
Jet<K, Order> operator/(const Jet<K, Order>& a, const Jet<K, Order>& b) {
  return a * Reciprocal(b);
}
template <std::size_t K, int Order>
Jet<K, Order> operator/(Jet<K, Order> a, double c) {
  return a *= 1 / c;
}
template <std::size_t K, int Order>
Jet<K, Order> operator/(double c, const Jet<K, Order>& a) {
  return Reciprocal(a) * c;
}

}  // namespace kestrin
