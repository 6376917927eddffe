// Reads the viscosity data files `:/fluids/<name>.viscosity.json`, the
// program's own format: one object per term family, each with a "source"
// citation. The coefficients were taken from the papers named there, as
// recorded in the CoolProp fluid library (dev/fluids/*.json):
//   R134a: Huber, Laesecke, Perkins, Ind. Eng. Chem. Res. 42 (2003) 3163;
//   R290: Vogel, Kuechenmeister, Bich, Laesecke, J. Phys. Chem. Ref. Data 27 (1998) 947;
//   R32: Huber, Laesecke, Perkins (2003), corresponding states over R290;
//   R22: Klein, McLinden, Laesecke, Int. J. Refrig. 20 (1997) 208, over R134a;
//   R1234yf: corresponding states over R134a fitted by I. H. Bell (2015) to
//     the data of Zhao et al., J. Chem. Eng. Data 59 (2014);
//   R410A, R507A, R404A, R407C: Geller, Bivens, Yokozeki, Purdue conference 2000.
// The data files hold viscosities in micropascal seconds, sizes in
// nanometres and densities in mol/L, the papers' units; this loader converts
// them to SI.

#include "core/physics/reference/viscosity_model.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace kestrin {

namespace {

constexpr double kMicro = 1e-6;
constexpr double kNano = 1e-9;
constexpr double kPerLitre = 1e3;  // mol/L to mol/m3

// A number that must be present and finite; none otherwise.
std::optional<double> Number(const QJsonObject& object, const char* key) {
  const QJsonValue value = object.value(QLatin1String(key));
  if (!value.isDouble() || !std::isfinite(value.toDouble())) return std::nullopt;
  return value.toDouble();
}

std::optional<double> Positive(const QJsonObject& object, const char* key) {
  const auto value = Number(object, key);
  if (!value || *value <= 0) return std::nullopt;
  return value;
}

std::optional<int> Integer(const QJsonObject& object, const char* key) {
  const auto value = Number(object, key);
  if (!value || *value != std::round(*value) || std::abs(*value) > 64) return std::nullopt;
  return static_cast<int>(*value);
}

// Terms {coefficientKey, exponentKey} into a power sum; none when the array
// is missing, empty or has a malformed term.
std::optional<PowerSum> Terms(const QJsonObject& object, const char* arrayKey, const char* coefficientKey,
                              const char* exponentKey, double scale) {
  const QJsonArray terms = object.value(QLatin1String(arrayKey)).toArray();
  if (terms.isEmpty()) return std::nullopt;
  PowerSum sum;
  for (const auto& term : terms) {
    const auto coefficient = Number(term.toObject(), coefficientKey);
    const auto exponent = Number(term.toObject(), exponentKey);
    if (!coefficient || !exponent) return std::nullopt;
    sum.Add(*coefficient * scale, *exponent);
  }
  return sum;
}

// The coefficients of a polynomial given as {coefficientKey, powerKey} terms,
// indexed by power.
std::optional<std::vector<double>> Polynomial(const QJsonObject& object, const char* arrayKey,
                                              const char* coefficientKey, const char* powerKey) {
  const QJsonArray terms = object.value(QLatin1String(arrayKey)).toArray();
  if (terms.isEmpty()) return std::nullopt;
  std::vector<double> coefficients;
  for (const auto& term : terms) {
    const auto coefficient = Number(term.toObject(), coefficientKey);
    const auto power = Integer(term.toObject(), powerKey);
    if (!coefficient || !power || *power < 0) return std::nullopt;
    if (coefficients.size() <= static_cast<size_t>(*power)) coefficients.resize(*power + 1, 0.0);
    coefficients[*power] += *coefficient;
  }
  return coefficients;
}

std::optional<DiluteGasModel> ReadDiluteGas(const QJsonObject& object) {
  DiluteGasModel dilute;
  const QString form = object.value(QLatin1String("form")).toString();
  if (form == QLatin1String("temperaturePolynomial")) {
    const auto terms = Terms(object, "terms", "coefficientMicroPaS", "temperatureExponent", kMicro);
    if (!terms) return std::nullopt;
    dilute.form = DiluteGasModel::Form::TemperaturePolynomial;
    dilute.temperaturePolynomial = *terms;
    return dilute;
  }
  const auto sigma = Positive(object, "sigmaNm");
  const auto epsilon = Positive(object, "epsilonOverKK");
  if (!sigma || !epsilon) return std::nullopt;
  dilute.sigma = *sigma * kNano;
  dilute.epsilonOverK = *epsilon;
  if (form == QLatin1String("kineticTheory")) {
    dilute.form = DiluteGasModel::Form::KineticTheory;
    return dilute;
  }
  if (form == QLatin1String("collisionIntegral")) {
    const auto factor = Positive(object, "factorMicroPaS");
    const auto lnOmega = Polynomial(object, "lnOmegaTerms", "coefficient", "lnTStarPower");
    if (!factor || !lnOmega) return std::nullopt;
    dilute.form = DiluteGasModel::Form::CollisionIntegral;
    dilute.factor = *factor * kMicro;
    dilute.lnOmega = *lnOmega;
    return dilute;
  }
  return std::nullopt;
}

std::optional<ClosePackedTerm> ReadClosePacked(const QJsonObject& object) {
  ClosePackedTerm term;
  const auto coefficient = Number(object, "coefficientMicroPaS");
  const auto densityExponent = Integer(object, "densityExponent");
  const auto numerator = Terms(object, "numerator", "coefficient", "temperatureExponent", 1.0);
  const auto denominator = Terms(object, "denominator", "coefficient", "temperatureExponent", 1.0);
  if (!coefficient || !densityExponent || *densityExponent < 0 || !numerator || !denominator) return std::nullopt;
  term.coefficient = *coefficient * kMicro;
  term.densityExponent = *densityExponent;
  term.numerator = *numerator;
  term.denominator = *denominator;
  return term;
}

std::optional<ResidualModel> ReadResidual(const QJsonObject& object) {
  ResidualModel residual;
  const auto temperature = Positive(object, "reducingTemperatureK");
  const auto density = Positive(object, "reducingDensityMolPerL");
  const QJsonArray terms = object.value(QLatin1String("terms")).toArray();
  if (!temperature || !density || terms.isEmpty()) return std::nullopt;
  residual.reducingTemperature = *temperature;
  residual.reducingDensity = *density * kPerLitre;
  for (const auto& value : terms) {
    const QJsonObject term = value.toObject();
    const auto coefficient = Number(term, "coefficientMicroPaS");
    const auto densityExponent = Integer(term, "densityExponent");
    const auto temperatureExponent = Number(term, "temperatureExponent");
    // A density exponent of 0 would give the residual a dilute-gas part.
    if (!coefficient || !densityExponent || *densityExponent < 1 || !temperatureExponent) return std::nullopt;
    if (residual.byDensityExponent.size() <= static_cast<size_t>(*densityExponent)) {
      residual.byDensityExponent.resize(*densityExponent + 1);
    }
    residual.byDensityExponent[*densityExponent].Add(*coefficient * kMicro, *temperatureExponent);
  }
  if (object.contains(QLatin1String("closePacked"))) {
    residual.closePacked = ReadClosePacked(object.value(QLatin1String("closePacked")).toObject());
    if (!residual.closePacked) return std::nullopt;
  }
  return residual;
}

std::optional<ViscosityCorrelation> ReadCorrelation(const QJsonObject& root) {
  ViscosityCorrelation correlation;
  const auto molarMass = Positive(root, "molarMassGPerMol");
  const auto dilute = ReadDiluteGas(root.value(QLatin1String("diluteGas")).toObject());
  const auto residual = ReadResidual(root.value(QLatin1String("residual")).toObject());
  if (!molarMass || !dilute || !residual) return std::nullopt;
  correlation.molarMass = *molarMass * 1e-3;
  correlation.diluteGas = *dilute;
  correlation.residual = *residual;
  if (root.contains(QLatin1String("initialDensity"))) {
    // The initial-density term scales with sigma^3 and T/(epsilon/k) of a
    // dilute gas described by its collision integral.
    if (dilute->form == DiluteGasModel::Form::TemperaturePolynomial) return std::nullopt;
    correlation.initialDensity =
        Terms(root.value(QLatin1String("initialDensity")).toObject(), "terms", "coefficient", "tStarExponent", 1.0);
    if (!correlation.initialDensity) return std::nullopt;
  }
  return correlation;
}

std::optional<CorrespondingStatesModel> ReadCorrespondingStates(const QJsonObject& root) {
  CorrespondingStatesModel states;
  states.referenceFluid = root.value(QLatin1String("referenceFluid")).toString();
  const auto dilute = ReadDiluteGas(root.value(QLatin1String("diluteGas")).toObject());
  const QJsonObject shape = root.value(QLatin1String("shapeFactorCorrection")).toObject();
  const auto density = Positive(shape, "reducingDensityMolPerL");
  const auto correction = Polynomial(shape, "terms", "coefficient", "densityExponent");
  if (states.referenceFluid.isEmpty() || !dilute || !density || !correction) return std::nullopt;
  states.diluteGas = *dilute;
  states.shapeReducingDensity = *density * kPerLitre;
  states.shapeCorrection = *correction;
  return states;
}

}  // namespace

std::optional<ViscosityModel> LoadViscosityModel(const QString& fluidName) {
  QFile file(QStringLiteral(":/fluids/%1.viscosity.json").arg(fluidName));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
  ViscosityModel model;
  model.fluid = root.value(QLatin1String("fluid")).toString();
  model.source = root.value(QLatin1String("source")).toString();
  if (model.fluid != fluidName || model.source.isEmpty()) return std::nullopt;
  const QString kind = root.value(QLatin1String("model")).toString();
  if (kind == QLatin1String("correlation")) {
    auto correlation = ReadCorrelation(root);
    if (!correlation) return std::nullopt;
    model.model = std::move(*correlation);
  } else if (kind == QLatin1String("correspondingStates")) {
    auto states = ReadCorrespondingStates(root);
    if (!states) return std::nullopt;
    model.model = std::move(*states);
  } else {
    return std::nullopt;
  }
  return model;
}

}  // namespace kestrin
