#pragma once
// Reading the mixture model's pair file (data/fluids/mixture-pairs.json):
// per pair of components the published reducing-function parameters and
// the departure function with its factor.
//
// Layout: source, reducingFunctions (the forms, as text),
//   pairs [{fluids [first, second], source,
//           kunzWagner {betaT, gammaT, betaV, gammaV}
//           | linear {xiK, zetaM3PerMol},
//           departureFactor, departure (a name, when the factor is not 0)}],
//   departureFunctions {name: {source, exponential {n, d, t, l}}}.

#include "core/physics/reference/fluid_equation.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace kestrin {

struct PairParameters {
  QString first, second;
  // Kunz-Wagner parameters, in the order first, second.
  double betaT = 1, gammaT = 1, betaV = 1, gammaV = 1;
  // Published in the linear form instead: Tr = ... + x1 x2 xi,
  // vr = ... + x1 x2 zeta; the model turns it into gammaT and gammaV.
  bool linear = false;
  double xiK = 0;
  double zetaM3PerMol = 0;
  double departureFactor = 0;
  ResidualTerms departure;  // no terms when the factor is 0
};

// The pairs in the file's text; none, with the reason in `error`, for a
// file that is not valid JSON, lacks a field or names a departure function
// it does not hold.
std::optional<std::vector<PairParameters>> ParseMixturePairs(const QByteArray& json, QString* error);

}  // namespace kestrin
