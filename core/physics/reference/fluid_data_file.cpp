// The fluid data files hold the published coefficients of each fluid's
// reference equation of state. They were taken from the papers named in each
// file's "source" fields, as collected in the fluid files (dev/fluids/*.json)
// of the open-source property library CoolProp:
//   R32: Tillner-Roth and Yokozeki, J. Phys. Chem. Ref. Data 26 (1997);
//   R1234yf: Lemmon and Akasaka, Int. J. Thermophys. 43 (2022);
//   R290: Lemmon, McLinden and Wagner, J. Chem. Eng. Data 54 (2009);
//   R134a: Tillner-Roth and Baehr, J. Phys. Chem. Ref. Data 23 (1994);
//   R22: Kamei, Beyerlein and Jacobsen, Int. J. Thermophys. 16 (1995);
//   R125: Lemmon and Jacobsen, J. Phys. Chem. Ref. Data 34 (2005);
//   R1234ze(E): Thol and Lemmon, Int. J. Thermophys. 37 (2016);
//   R410A, R507A, R404A, R407C: Lemmon, Int. J. Thermophys. 24 (2003);
//   ancillary density and pure-fluid pressure fits: Bell et al., Ind. Eng.
//   Chem. Res. 53 (2014).
//
// Layout of a file (SI units, named in the keys):
//   fluid, pseudoPure, equationOfState {source, molarMassKgPerMol,
//     gasConstantJPerMolK, reducing/critical/triple/validity values},
//   idealGas {source, lead {a1, a2}, logTau, power {n, t},
//     planckEinstein {n, thetaK}, cp0Polynomial {c, t}: cp0/R = sum(c T^t)},
//   residual {source, polynomial {n, d, t}, exponential {n, d, t, l[, m]}
//     (m: the tau exponent of an exp(-tau^m) factor, 0 for none),
//     gaussian {n, d, t, eta, beta, gamma, epsilon}},
//   ancillaries {source, saturationPressure | bubblePressure + dewPressure,
//     liquidDensity, vapourDensity}, each {form, reducingTemperatureK,
//     reducingPressurePa | reducingDensityMolPerM3, n, t}.

#include "core/physics/reference/fluid_data_file.h"

#include "core/physics/reference/json_field_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

AncillaryEquation ReadAncillary(FieldReader& r, const QJsonObject& parent, const QString& key, double reducingScale) {
  AncillaryEquation eq;
  const QJsonObject o = r.Object(parent, key);
  if (r.Failed()) return eq;
  const QString form = r.Text(o, QStringLiteral("form"));
  if (form == QStringLiteral("y/yr = 1 + sum(n * theta^t)"))
    eq.form = AncillaryEquation::Form::Linear;
  else if (form == QStringLiteral("ln(y/yr) = sum(n * theta^t)"))
    eq.form = AncillaryEquation::Form::Exponential;
  else if (form == QStringLiteral("ln(y/yr) = (Tr/T) * sum(n * theta^t)"))
    eq.form = AncillaryEquation::Form::ExponentialOverReducedT;
  else
    r.Fail(QStringLiteral("unknown form of \"%1\"").arg(key));
  eq.reducingTemperatureK = r.Positive(o, QStringLiteral("reducingTemperatureK"));
  const bool isPressure = o.contains(QStringLiteral("reducingPressurePa"));
  eq.reducingValue = isPressure ? r.Positive(o, QStringLiteral("reducingPressurePa"))
                                : r.Positive(o, QStringLiteral("reducingDensityMolPerM3")) * reducingScale;
  eq.n = r.Numbers(o, QStringLiteral("n"));
  eq.t = r.Numbers(o, QStringLiteral("t"), static_cast<qsizetype>(eq.n.size()));
  return eq;
}

void ReadIdealGas(FieldReader& r, const QJsonObject& o, double reducingTemperature, IdealGasTerms& ig) {
  const QJsonObject lead = r.Object(o, QStringLiteral("lead"));
  ig.a1 = r.Number(lead, QStringLiteral("a1"));
  ig.a2 = r.Number(lead, QStringLiteral("a2"));
  ig.logTau = r.Number(o, QStringLiteral("logTau"));
  if (o.contains(QStringLiteral("power"))) {
    const QJsonObject p = r.Object(o, QStringLiteral("power"));
    ig.powerN = r.Numbers(p, QStringLiteral("n"));
    ig.powerT = r.Numbers(p, QStringLiteral("t"), static_cast<qsizetype>(ig.powerN.size()));
  }
  if (o.contains(QStringLiteral("planckEinstein"))) {
    const QJsonObject p = r.Object(o, QStringLiteral("planckEinstein"));
    ig.planckN = r.Numbers(p, QStringLiteral("n"));
    for (double theta : r.Numbers(p, QStringLiteral("thetaK"), static_cast<qsizetype>(ig.planckN.size()))) {
      if (!(theta > 0)) r.Fail(QStringLiteral("\"thetaK\" must be positive"));
      ig.planckTheta.push_back(theta / reducingTemperature);
    }
  }
  if (o.contains(QStringLiteral("cp0Polynomial"))) {
    // cp0/R = c T^t integrates to alpha0 terms: c ln(tau) for t = 0 and
    // -c Tr^t / (t (t + 1)) tau^-t otherwise, up to constant and linear
    // terms that the enthalpy and entropy reference absorbs.
    const QJsonObject p = r.Object(o, QStringLiteral("cp0Polynomial"));
    const std::vector<double> c = r.Numbers(p, QStringLiteral("c"));
    const std::vector<double> t = r.Numbers(p, QStringLiteral("t"), static_cast<qsizetype>(c.size()));
    for (std::size_t i = 0; i < c.size() && !r.Failed(); ++i) {
      if (t[i] == 0) {
        ig.logTau += c[i];
      } else if (t[i] == -1) {
        r.Fail(QStringLiteral("cp0 term T^-1 is not supported"));
      } else {
        ig.powerN.push_back(-c[i] * std::pow(reducingTemperature, t[i]) / (t[i] * (t[i] + 1)));
        ig.powerT.push_back(-t[i]);
      }
    }
  }
}

}  // namespace

void ReadResidualTerms(FieldReader& r, const QJsonObject& o, ResidualTerms& res) {
  auto readFamily = [&](const QString& key, bool exponential) {
    if (!o.contains(key)) return;
    const QJsonObject f = r.Object(o, key);
    const std::vector<double> n = r.Numbers(f, QStringLiteral("n"));
    const auto count = static_cast<qsizetype>(n.size());
    const std::vector<double> t = r.Numbers(f, QStringLiteral("t"), count);
    const std::vector<int> d = r.Integers(f, QStringLiteral("d"), count, 0, kMaxDensityExponent);
    const std::vector<int> l = exponential ? r.Integers(f, QStringLiteral("l"), count, 1, kMaxExponentialPower)
                                           : std::vector<int>(n.size(), 0);
    std::vector<double> m(n.size(), 0.0);
    if (exponential && f.contains(QStringLiteral("m"))) {
      m = r.Numbers(f, QStringLiteral("m"), count);
      if (std::any_of(m.begin(), m.end(), [](double x) { return x < 0; }))
        r.Fail(QStringLiteral("\"m\" must not be negative"));
    }
    if (r.Failed()) return;
    res.n.insert(res.n.end(), n.begin(), n.end());
    res.t.insert(res.t.end(), t.begin(), t.end());
    res.d.insert(res.d.end(), d.begin(), d.end());
    res.l.insert(res.l.end(), l.begin(), l.end());
    res.m.insert(res.m.end(), m.begin(), m.end());
  };
  readFamily(QStringLiteral("polynomial"), false);
  readFamily(QStringLiteral("exponential"), true);
  if (o.contains(QStringLiteral("gaussian"))) {
    const QJsonObject g = r.Object(o, QStringLiteral("gaussian"));
    res.gaussN = r.Numbers(g, QStringLiteral("n"));
    const auto count = static_cast<qsizetype>(res.gaussN.size());
    res.gaussD = r.Integers(g, QStringLiteral("d"), count, 0, kMaxDensityExponent);
    res.gaussT = r.Numbers(g, QStringLiteral("t"), count);
    res.gaussEta = r.Numbers(g, QStringLiteral("eta"), count);
    res.gaussBeta = r.Numbers(g, QStringLiteral("beta"), count);
    res.gaussGamma = r.Numbers(g, QStringLiteral("gamma"), count);
    res.gaussEpsilon = r.Numbers(g, QStringLiteral("epsilon"), count);
  }
  const std::size_t total = res.n.size() + res.gaussN.size();
  if (total == 0) r.Fail(QStringLiteral("the residual part has no terms"));
  if (total > static_cast<std::size_t>(kMaxResidualTerms)) r.Fail(QStringLiteral("too many residual terms"));
}

std::optional<FluidEquation> ParseFluidEquation(const QByteArray& json, QString* error) {
  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
  FieldReader r;
  if (!doc.isObject()) r.Fail(QStringLiteral("not a JSON object: %1").arg(parseError.errorString()));
  const QJsonObject root = doc.object();

  FluidEquation eq;
  eq.name = r.Text(root, QStringLiteral("fluid"));
  eq.pseudoPure = root.value(QStringLiteral("pseudoPure")).toBool(false);

  const QJsonObject e = r.Object(root, QStringLiteral("equationOfState"));
  eq.source = r.Text(e, QStringLiteral("source"));
  eq.molarMass = r.Positive(e, QStringLiteral("molarMassKgPerMol"));
  const double molarMass = eq.molarMass > 0 ? eq.molarMass : 1;
  eq.gasConstant = r.Positive(e, QStringLiteral("gasConstantJPerMolK")) / molarMass;
  eq.reducingTemperatureK = r.Positive(e, QStringLiteral("reducingTemperatureK"));
  eq.reducingDensity = r.Positive(e, QStringLiteral("reducingDensityMolPerM3")) * molarMass;
  eq.criticalTemperatureK = r.Positive(e, QStringLiteral("criticalTemperatureK"));
  eq.criticalPressurePa = r.Positive(e, QStringLiteral("criticalPressurePa"));
  eq.criticalDensity = r.Positive(e, QStringLiteral("criticalDensityMolPerM3")) * molarMass;
  eq.tripleTemperatureK = r.Positive(e, QStringLiteral("tripleTemperatureK"));
  eq.minimumTemperatureK = r.Positive(e, QStringLiteral("minimumTemperatureK"));
  eq.maximumTemperatureK = r.Positive(e, QStringLiteral("maximumTemperatureK"));
  eq.maximumPressurePa = r.Positive(e, QStringLiteral("maximumPressurePa"));
  if (!r.Failed() &&
      !(eq.minimumTemperatureK < eq.criticalTemperatureK && eq.criticalTemperatureK < eq.maximumTemperatureK))
    r.Fail(QStringLiteral("the critical temperature must lie inside the range of validity"));

  const QJsonObject ideal = r.Object(root, QStringLiteral("idealGas"));
  r.Text(ideal, QStringLiteral("source"));
  if (!r.Failed()) ReadIdealGas(r, ideal, eq.reducingTemperatureK, eq.idealGas);

  const QJsonObject residual = r.Object(root, QStringLiteral("residual"));
  r.Text(residual, QStringLiteral("source"));
  if (!r.Failed()) ReadResidualTerms(r, residual, eq.residual);

  const QJsonObject anc = r.Object(root, QStringLiteral("ancillaries"));
  r.Text(anc, QStringLiteral("source"));
  if (eq.pseudoPure) {
    eq.bubblePressure = ReadAncillary(r, anc, QStringLiteral("bubblePressure"), 1);
    eq.dewPressure = ReadAncillary(r, anc, QStringLiteral("dewPressure"), 1);
  } else {
    eq.bubblePressure = ReadAncillary(r, anc, QStringLiteral("saturationPressure"), 1);
    eq.dewPressure = eq.bubblePressure;
  }
  eq.liquidDensity = ReadAncillary(r, anc, QStringLiteral("liquidDensity"), molarMass);
  eq.vapourDensity = ReadAncillary(r, anc, QStringLiteral("vapourDensity"), molarMass);

  if (r.Failed()) {
    if (error) *error = r.Error();
    return std::nullopt;
  }
  return eq;
}

}  // namespace kestrin
