#pragma once
// A number that carries its first and second derivatives with respect to K
// independent variables: second-order forward-mode automatic
// differentiation. A function written once over a generic number type gives
// its value with double and its gradient and Hessian with Jet<K>, exactly
// (to rounding) and without hand-written derivative formulas.
//
// Own type rather than a library's: the sizes are tiny and fixed (K up to
// six), so value, gradient and the symmetric Hessian live on the stack,
// every operation is a short loop the compiler unrolls, and the second
// derivatives come in one pass instead of through nested first-order types.

#include <array>
#include <cmath>
#include <cstddef>

namespace kestrin {

template <std::size_t K>
struct Jet {
  double v = 0;
  std::array<double, K> g{};      // d/dx_i
  std::array<double, K * K> h{};  // d2/dx_i dx_j, row-major

  Jet() = default;
  // A constant: generic code mixes plain numbers and jets freely.
  Jet(double value) : v(value) {}  // NOLINT(google-explicit-constructor)

  // The independent variable number `index` at `value`.
  static Jet Variable(double value, int index) {
    Jet x(value);
    x.g[static_cast<std::size_t>(index)] = 1;
    return x;
  }

  double Gradient(int i) const { return g[static_cast<std::size_t>(i)]; }
  double Hessian(int i, int j) const { return h[static_cast<std::size_t>(i) * K + static_cast<std::size_t>(j)]; }

  Jet& operator+=(const Jet& b) {
    v += b.v;
    for (std::size_t i = 0; i < g.size(); ++i) g[i] += b.g[i];
    for (std::size_t i = 0; i < h.size(); ++i) h[i] += b.h[i];
    return *this;
  }
  Jet& operator-=(const Jet& b) {
    v -= b.v;
    for (std::size_t i = 0; i < g.size(); ++i) g[i] -= b.g[i];
    for (std::size_t i = 0; i < h.size(); ++i) h[i] -= b.h[i];
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
template <std::size_t K>
double ValueOf(const Jet<K>& x) {
  return x.v;
}

// f(a) from f, f' and f'' at a's value: the chain rule to second order.
template <std::size_t K>
Jet<K> Chain(const Jet<K>& a, double f, double f1, double f2) {
  Jet<K> r(f);
  for (std::size_t si = 0; si < K; ++si) {
    r.g[si] = f1 * a.g[si];
    for (std::size_t sj = 0; sj < K; ++sj) {
      const std::size_t sij = si * K + sj;
      r.h[sij] = f1 * a.h[sij] + f2 * a.g[si] * a.g[sj];
    }
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
template <std::size_t K>
Jet<K> Chain2(const Jet<K>& a, const Jet<K>& b, const SecondOrder2& f) {
  Jet<K> r(f.f);
  for (std::size_t si = 0; si < K; ++si) {
    r.g[si] = f.fa * a.g[si] + f.fb * b.g[si];
    for (std::size_t sj = 0; sj < K; ++sj) {
      const std::size_t sij = si * K + sj;
      r.h[sij] = f.fa * a.h[sij] + f.fb * b.h[sij] + f.faa * a.g[si] * a.g[sj] +
                 f.fab * (a.g[si] * b.g[sj] + b.g[si] * a.g[sj]) + f.fbb * b.g[si] * b.g[sj];
    }
  }
  return r;
}

template <std::size_t K>
Jet<K> operator+(Jet<K> a, const Jet<K>& b) {
  return a += b;
}
template <std::size_t K>
Jet<K> operator-(Jet<K> a, const Jet<K>& b) {
  return a -= b;
}
template <std::size_t K>
Jet<K> operator-(Jet<K> a) {
  return a *= -1.0;
}
template <std::size_t K>
Jet<K> operator+(Jet<K> a, double c) {
  a.v += c;
  return a;
}
template <std::size_t K>
Jet<K> operator+(double c, Jet<K> a) {
  a.v += c;
  return a;
}
template <std::size_t K>
Jet<K> operator-(Jet<K> a, double c) {
  a.v -= c;
  return a;
}
template <std::size_t K>
Jet<K> operator-(double c, const Jet<K>& a) {
  return -a + c;
}
template <std::size_t K>
Jet<K> operator*(Jet<K> a, double c) {
  return a *= c;
}
template <std::size_t K>
Jet<K> operator*(double c, Jet<K> a) {
  return a *= c;
}
template <std::size_t K>
Jet<K> operator*(const Jet<K>& a, const Jet<K>& b) {
  Jet<K> r(a.v * b.v);
  for (std::size_t si = 0; si < K; ++si) {
    r.g[si] = a.v * b.g[si] + b.v * a.g[si];
    for (std::size_t sj = 0; sj < K; ++sj) {
      const std::size_t sij = si * K + sj;
      r.h[sij] = a.v * b.h[sij] + b.v * a.h[sij] + a.g[si] * b.g[sj] + b.g[si] * a.g[sj];
    }
  }
  return r;
}
template <std::size_t K>
Jet<K> Reciprocal(const Jet<K>& a) {
  const double r = 1 / a.v;
  return Chain(a, r, -r * r, 2 * r * r * r);
}
template <std::size_t K>
Jet<K> operator/(const Jet<K>& a, const Jet<K>& b) {
  return a * Reciprocal(b);
}
template <std::size_t K>
Jet<K> operator/(Jet<K> a, double c) {
  return a *= 1 / c;
}
template <std::size_t K>
Jet<K> operator/(double c, const Jet<K>& a) {
  return Reciprocal(a) * c;
}

}  // namespace kestrin
