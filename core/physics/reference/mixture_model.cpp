#include "core/physics/reference/mixture_model.h"

#include "core/physics/reference/density_solver.h"
#include "core/physics/reference/fluid_data_file.h"
#include "core/physics/reference/mixture_pairs_file.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrin {

namespace {

const QString kPairFile = QStringLiteral(":/fluids/mixture-pairs.json");

// Below this fraction of its critical temperature a component's vapour
// pressure comes from its own fit; above, the fit is extrapolated along
// ln p linear in 1/T, which is all a starting value needs.
constexpr double kExtrapolateAbove = 0.98;

std::optional<FluidEquation> LoadComponent(const QString& name, QString* error) {
  QFile file(QStringLiteral(":/fluids/%1.eos.json").arg(name));
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("no equation of state for %1").arg(name);
    return std::nullopt;
  }
  std::optional<FluidEquation> eq = ParseFluidEquation(file.readAll(), error);
  if (eq && eq->pseudoPure) {
    *error = QStringLiteral("%1 is a blend, not a pure component").arg(name);
    return std::nullopt;
  }
  return eq;
}

const std::optional<std::vector<PairParameters>>& Pairs(QString* error) {
  static QString loadError;
  static const std::optional<std::vector<PairParameters>> pairs = [] {
    QFile file(kPairFile);
    if (!file.open(QIODevice::ReadOnly)) {
      loadError = QStringLiteral("no mixture pair file");
      return std::optional<std::vector<PairParameters>>();
    }
    return ParseMixturePairs(file.readAll(), &loadError);
  }();
  if (!pairs) *error = loadError;
  return pairs;
}

// A fluid's residual Helmholtz energy at (tau, delta) with its first and
// second derivatives in tau and delta, ready to join a generic computation.
SecondOrder2 Lifted(const HelmholtzEquation& helmholtz, double tau, double delta) {
  const ResidualDerivatives r = helmholtz.Residual(helmholtz.AtTau(tau), delta);
  return SecondOrder2{r.a, r.t / tau, r.d / delta, r.tt / (tau * tau), r.dt / (tau * delta), r.dd / (delta * delta)};
}

}  // namespace

std::optional<MixtureModel> MixtureModel::Of(const QStringList& components, QString* error) {
  QString ignored;
  if (!error) error = &ignored;
  if (components.isEmpty() || components.size() > kMaxComponents) {
    *error = QStringLiteral("a mixture has one to %1 components").arg(kMaxComponents);
    return std::nullopt;
  }
  MixtureModel model;
  for (const QString& name : components) {
    std::optional<FluidEquation> eq = LoadComponent(name, error);
    if (!eq) return std::nullopt;
    HelmholtzEquation helmholtz(*eq);
    const double molarMass = eq->molarMass;
    const double reducingT = eq->reducingTemperatureK;
    const double reducingV = molarMass / eq->reducingDensity;
    const double gasConstant = eq->gasConstant * molarMass;
    model.components_.push_back(Component{std::move(*eq), gasConstant, std::move(helmholtz), reducingT, reducingV});
  }
  const std::optional<std::vector<PairParameters>>& published = Pairs(error);
  if (!published) return std::nullopt;
  for (int i = 0; i < model.Size(); ++i) {
    for (int j = i + 1; j < model.Size(); ++j) {
      const Component& a = model.components_[static_cast<std::size_t>(i)];
      const Component& b = model.components_[static_cast<std::size_t>(j)];
      const auto found = std::find_if(published->begin(), published->end(), [&](const PairParameters& p) {
        return (p.first == a.eq.name && p.second == b.eq.name) || (p.first == b.eq.name && p.second == a.eq.name);
      });
      if (found == published->end()) {
        *error = QStringLiteral("no published parameters for %1 with %2").arg(a.eq.name, b.eq.name);
        return std::nullopt;
      }
      const double cubeRoots = std::cbrt(a.reducingMolarVolume) + std::cbrt(b.reducingMolarVolume);
      const double volumeMean = cubeRoots * cubeRoots * cubeRoots / 8;
      const double temperatureMean = std::sqrt(a.reducingTemperatureK * b.reducingTemperatureK);
      double betaT = found->betaT, gammaT = found->gammaT, betaV = found->betaV, gammaV = found->gammaV;
      if (found->linear) {
        // x1 Tc1 + x2 Tc2 + x1 x2 xi = x1^2 Tc1 + x2^2 Tc2 + 2 x1 x2 gammaT sqrt(Tc1 Tc2) with betaT = 1.
        gammaT = (a.reducingTemperatureK + b.reducingTemperatureK + found->xiK) / (2 * temperatureMean);
        gammaV = (a.reducingMolarVolume + b.reducingMolarVolume + found->zetaM3PerMol) / (2 * volumeMean);
      }
      // Swapping the pair's order inverts beta and keeps gamma.
      if (found->first != a.eq.name) {
        betaT = 1 / betaT;
        betaV = 1 / betaV;
      }
      Pair pair;
      pair.i = i;
      pair.j = j;
      pair.cT = betaT * gammaT * temperatureMean;
      pair.bT2 = betaT * betaT;
      pair.cV = betaV * gammaV * volumeMean;
      pair.bV2 = betaV * betaV;
      pair.departureFactor = found->departureFactor;
      if (found->departureFactor != 0) {
        FluidEquation departure;
        departure.reducingTemperatureK = 1;
        departure.residual = found->departure;
        pair.departure.emplace(departure);
      }
      model.pairs_.push_back(std::move(pair));
    }
  }
  return model;
}

QString MixtureModel::ComponentName(int i) const { return components_[static_cast<std::size_t>(i)].eq.name; }

double MixtureModel::ComponentMolarMass(int i) const { return components_[static_cast<std::size_t>(i)].eq.molarMass; }

const HelmholtzEquation& MixtureModel::ComponentHelmholtz(int i) const {
  return components_[static_cast<std::size_t>(i)].helmholtz;
}

double MixtureModel::ComponentVapourPressurePa(int i, double temperatureK) const {
  const FluidEquation& eq = components_[static_cast<std::size_t>(i)].eq;
  const double anchor = kExtrapolateAbove * std::min(eq.criticalTemperatureK, eq.bubblePressure.reducingTemperatureK);
  if (temperatureK <= anchor) return eq.bubblePressure(temperatureK);
  const double p = eq.bubblePressure(anchor);
  const double slope = anchor * anchor * eq.bubblePressure.Slope(anchor) / p;  // -d(ln p)/d(1/T)
  return p * std::exp(slope * (1 / anchor - 1 / temperatureK));
}

std::optional<double> MixtureModel::ComponentLiquidMolarDensity(int i, double temperatureK) const {
  const FluidEquation& eq = components_[static_cast<std::size_t>(i)].eq;
  if (!(temperatureK < std::min(eq.criticalTemperatureK, eq.liquidDensity.reducingTemperatureK))) return std::nullopt;
  return eq.liquidDensity(temperatureK) / eq.molarMass;
}

double MixtureModel::GasConstant(const Amounts& x) const {
  double r = 0;
  for (std::size_t i = 0; i < components_.size(); ++i) r += x[i] * components_[i].gasConstant;
  return r;
}

Amounts MixtureModel::MoleFractions(const Amounts& massFractions) const {
  Amounts x{};
  double sum = 0;
  for (int i = 0; i < Size(); ++i) {
    const auto si = static_cast<std::size_t>(i);
    x[si] = massFractions[si] / ComponentMolarMass(i);
    sum += x[si];
  }
  for (double& v : x) v /= sum;
  return x;
}

template <class Number>
std::array<Number, 2> MixtureModel::Reducing(const std::array<Number, kMaxComponents>& x) const {
  Number temperature = 0;
  Number volume = 0;
  for (std::size_t i = 0; i < components_.size(); ++i) {
    const Component& c = components_[i];
    const Number square = x[i] * x[i];
    temperature += square * c.reducingTemperatureK;
    volume += square * c.reducingMolarVolume;
  }
  for (const Pair& pair : pairs_) {
    const Number& xi = x[static_cast<std::size_t>(pair.i)];
    const Number& xj = x[static_cast<std::size_t>(pair.j)];
    // The pair's term vanishes, derivatives and all, without both.
    if (ValueOf(xi) == 0 && ValueOf(xj) == 0) continue;
    const Number product = 2 * xi * xj;
    const Number weighted = product * (xi + xj);
    // With beta = 1 the factor (x_i + x_j) / (beta^2 x_i + x_j) is 1.
    temperature += pair.bT2 == 1 ? pair.cT * product : pair.cT * weighted / (pair.bT2 * xi + xj);
    volume += pair.bV2 == 1 ? pair.cV * product : pair.cV * weighted / (pair.bV2 * xi + xj);
  }
  return {temperature, volume};
}

double MixtureModel::ReducingTemperatureK(const Amounts& x) const { return Reducing(x)[0]; }

double MixtureModel::ReducingMolarDensity(const Amounts& x) const { return 1 / Reducing(x)[1]; }

template <class Number>
Number MixtureModel::ResidualDensity(const Number& temperatureK,
                                     const std::array<Number, kMaxComponents>& molarDensities) const {
  const std::size_t n = components_.size();
  Number total = 0;
  for (std::size_t i = 0; i < n; ++i) total += molarDensities[i];
  std::array<Number, kMaxComponents> x{};
  for (std::size_t i = 0; i < n; ++i) x[i] = molarDensities[i] / total;
  const std::array<Number, 2> reducing = Reducing(x);
  const Number tau = reducing[0] / temperatureK;
  const Number delta = total * reducing[1];
  const double tauValue = ValueOf(tau);
  const double deltaValue = ValueOf(delta);
  Number alpha = 0;
  for (std::size_t i = 0; i < n; ++i)
    alpha += x[i] * Chain2(tau, delta, Lifted(components_[i].helmholtz, tauValue, deltaValue));
  for (const Pair& pair : pairs_) {
    if (!pair.departure) continue;
    alpha += pair.departureFactor * x[static_cast<std::size_t>(pair.i)] * x[static_cast<std::size_t>(pair.j)] *
             Chain2(tau, delta, Lifted(*pair.departure, tauValue, deltaValue));
  }
  return total * alpha;
}

template double MixtureModel::ResidualDensity(const double&, const std::array<double, kMaxComponents>&) const;
template Jet<1> MixtureModel::ResidualDensity(const Jet<1>&, const std::array<Jet<1>, kMaxComponents>&) const;
template MixtureJet MixtureModel::ResidualDensity(const MixtureJet&,
                                                  const std::array<MixtureJet, kMaxComponents>&) const;
template Jet<2, 1> MixtureModel::ResidualDensity(const Jet<2, 1>&, const std::array<Jet<2, 1>, kMaxComponents>&) const;
template ChemicalJet MixtureModel::ResidualDensity(const ChemicalJet&,
                                                   const std::array<ChemicalJet, kMaxComponents>&) const;

// p and dp/drho along one isotherm at one composition: only delta moves,
// so each fluid's and departure function's temperature terms are computed
// once for every density a solver tries, and
//   p = rho R T (1 + delta a_delta), dp/drho = R T (1 + 2 delta a_delta + delta^2 a_delta_delta).
class MixtureModel::Isotherm {
 public:
  Isotherm(const MixtureModel& model, double temperatureK, const Amounts& x) : model_(model), x_(x) {
    const std::array<double, 2> reducing = model.Reducing(x);
    reducingVolume_ = reducing[1];
    rt_ = model.GasConstant(x) * temperatureK;
    const double tau = reducing[0] / temperatureK;
    for (std::size_t i = 0; i < model.components_.size(); ++i)
      components_[i] = model.components_[i].helmholtz.AtTau(tau);
    for (std::size_t k = 0; k < model.pairs_.size(); ++k)
      if (model.pairs_[k].departure) departures_[k] = model.pairs_[k].departure->AtTau(tau);
  }

  PressurePoint At(double molarDensity) const {
    const double delta = molarDensity * reducingVolume_;
    double d = 0;
    double dd = 0;
    for (std::size_t i = 0; i < model_.components_.size(); ++i) {
      const ResidualDerivatives r = model_.components_[i].helmholtz.Residual(*components_[i], delta);
      d += x_[i] * r.d;
      dd += x_[i] * r.dd;
    }
    for (std::size_t k = 0; k < model_.pairs_.size(); ++k) {
      const Pair& pair = model_.pairs_[k];
      if (!pair.departure) continue;
      const ResidualDerivatives r = pair.departure->Residual(*departures_[k], delta);
      const double weight =
          pair.departureFactor * x_[static_cast<std::size_t>(pair.i)] * x_[static_cast<std::size_t>(pair.j)];
      d += weight * r.d;
      dd += weight * r.dd;
    }
    return {molarDensity * rt_ * (1 + d), rt_ * (1 + 2 * d + dd)};
  }

 private:
  const MixtureModel& model_;
  Amounts x_;
  double reducingVolume_ = 0;
  double rt_ = 0;
  // Optional so that only the terms in use are built.
  std::array<std::optional<TemperatureTerms>, kMaxComponents> components_;
  std::array<std::optional<TemperatureTerms>, kMaxComponents*(kMaxComponents - 1) / 2> departures_;
};

bool ValidMoleFractions(const MixtureModel& model, const Amounts& x, bool everyComponentPresent) {
  double sum = 0;
  for (int i = 0; i < model.Size(); ++i) {
    const double xi = x[static_cast<std::size_t>(i)];
    if (!(xi >= 0 && xi <= 1 + 1e-12) || (everyComponentPresent && !(xi > 0))) return false;
    sum += xi;
  }
  return std::abs(sum - 1) < 1e-9;
}

namespace {

bool ValidState(const MixtureModel& model, double temperatureK, double molarDensity, const Amounts& x) {
  return temperatureK > 0 && molarDensity > 0 && std::isfinite(temperatureK) && std::isfinite(molarDensity) &&
         ValidMoleFractions(model, x, false);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

double MixtureModel::ResidualHelmholtz(double temperatureK, double molarDensity, const Amounts& x) const {
  if (!ValidState(*this, temperatureK, molarDensity, x)) return kNaN;
  Amounts partial{};
  for (int i = 0; i < Size(); ++i) partial[static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i)] * molarDensity;
  return ResidualDensity(temperatureK, partial) / molarDensity;
}

double MixtureModel::Pressure(double temperatureK, double molarDensity, const Amounts& x) const {
  if (!ValidState(*this, temperatureK, molarDensity, x)) return kNaN;
  return Isotherm(*this, temperatureK, x).At(molarDensity).pressure;
}

MixtureModel::Caloric MixtureModel::CaloricAt(double temperatureK, double molarDensity, const Amounts& x) const {
  if (!ValidState(*this, temperatureK, molarDensity, x)) return {kNaN, kNaN};
  // The residual part from alpha_r = Psi_r / rho and its derivatives in T
  // and rho along the composition:
  //   h_r / RT = -T da/dT + rho da/drho, s_r / R = -T da/dT - a.
  using TemperatureDensity = Jet<2, 1>;
  const TemperatureDensity rho = TemperatureDensity::Variable(molarDensity, 1);
  std::array<TemperatureDensity, kMaxComponents> partial{};
  for (int i = 0; i < Size(); ++i) partial[static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i)] * rho;
  const TemperatureDensity psi = ResidualDensity(TemperatureDensity::Variable(temperatureK, 0), partial);
  const double a = psi.v / molarDensity;
  const double tDaDt = temperatureK * psi.Gradient(0) / molarDensity;
  const double rhoDaDrho = psi.Gradient(1) - a;
  const double r = GasConstant(x);
  Caloric c{r * temperatureK * (rhoDaDrho - tDaDt), r * (-tDaDt - a)};
  // The ideal-gas part, each component at its own reduced state, with the
  // entropy of mixing.
  for (std::size_t i = 0; i < components_.size(); ++i) {
    if (!(x[i] > 0)) continue;
    const Component& component = components_[i];
    const IdealGasDerivatives g = component.helmholtz.IdealGas(component.reducingTemperatureK / temperatureK);
    const double delta = molarDensity * component.reducingMolarVolume;
    c.enthalpy += x[i] * component.gasConstant * temperatureK * (1 + g.t);
    c.entropy += x[i] * component.gasConstant * (g.t - g.a - std::log(delta) - std::log(x[i]));
  }
  return c;
}

double MixtureModel::Enthalpy(double temperatureK, double molarDensity, const Amounts& x) const {
  return CaloricAt(temperatureK, molarDensity, x).enthalpy;
}

double MixtureModel::Entropy(double temperatureK, double molarDensity, const Amounts& x) const {
  return CaloricAt(temperatureK, molarDensity, x).entropy;
}

double MixtureModel::ReducedResidualEntropy(double temperatureK, double molarDensity, const Amounts& x) const {
  if (!ValidState(*this, temperatureK, molarDensity, x)) return kNaN;
  std::array<Jet<1>, kMaxComponents> partial{};
  for (int i = 0; i < Size(); ++i) partial[static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i)] * molarDensity;
  const Jet<1> psi = ResidualDensity(Jet<1>::Variable(temperatureK, 0), partial);
  // s_r / R = -T da/dT - a with a = Psi_r / rho.
  return -(temperatureK * psi.Gradient(0) + psi.v) / molarDensity;
}

MixturePoint MixtureModel::At(double temperatureK, const Amounts& molarDensities) const {
  const int n = Size();
  std::array<MixtureJet, kMaxComponents> rho{};
  double total = 0;
  for (int i = 0; i < n; ++i) {
    const double value = molarDensities[static_cast<std::size_t>(i)];
    rho[static_cast<std::size_t>(i)] = MixtureJet::Variable(value, i);
    total += value;
  }
  const MixtureJet psi = ResidualDensity(MixtureJet::Variable(temperatureK, kTemperatureVariable), rho);
  MixturePoint point;
  point.psi = psi.v;
  point.psiT = psi.Gradient(kTemperatureVariable);
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    const auto si = static_cast<std::size_t>(i);
    point.chemical[si] = psi.Gradient(i);
    point.chemicalT[si] = psi.Hessian(i, kTemperatureVariable);
    for (int j = 0; j < n; ++j) point.hessian[MixturePoint::Index(i, j)] = psi.Hessian(i, j);
    sum += molarDensities[si] * point.chemical[si];
  }
  Amounts x{};
  for (int i = 0; i < n; ++i) x[static_cast<std::size_t>(i)] = molarDensities[static_cast<std::size_t>(i)] / total;
  point.gasConstant = GasConstant(x);
  point.pressurePa = point.gasConstant * temperatureK * (total + sum - psi.v);
  return point;
}

Amounts MixtureModel::LnFugacityCoefficients(double temperatureK, double molarDensity, const Amounts& x) const {
  Amounts lnPhi{};
  if (!ValidState(*this, temperatureK, molarDensity, x)) {
    lnPhi.fill(kNaN);
    return lnPhi;
  }
  // First derivatives in the partial densities are all it takes:
  //   ln phi_i = dPsi_r/drho_i - ln Z, p = RT (rho + sum(rho_i dPsi_r/drho_i) - Psi_r).
  std::array<ChemicalJet, kMaxComponents> rho{};
  for (int i = 0; i < Size(); ++i)
    rho[static_cast<std::size_t>(i)] = ChemicalJet::Variable(x[static_cast<std::size_t>(i)] * molarDensity, i);
  const ChemicalJet psi = ResidualDensity(ChemicalJet(temperatureK), rho);
  double sum = 0;
  for (int i = 0; i < Size(); ++i) sum += rho[static_cast<std::size_t>(i)].v * psi.Gradient(i);
  const double lnZ = std::log(1 + (sum - psi.v) / molarDensity);
  for (int i = 0; i < Size(); ++i) lnPhi[static_cast<std::size_t>(i)] = psi.Gradient(i) - lnZ;
  return lnPhi;
}

std::optional<double> MixtureModel::MolarDensity(double temperatureK, double pressurePa, const Amounts& x, Phase phase,
                                                 std::optional<double> near) const {
  if (!(temperatureK > 0) || !std::isfinite(temperatureK) || !(pressurePa > 0) || !std::isfinite(pressurePa) ||
      !ValidMoleFractions(*this, x, false))
    return std::nullopt;
  // The mixture's reducing point stands in for its critical point: the
  // vapour branch lies below its density, the liquid branch above.
  const double reducingDensity = ReducingMolarDensity(x);
  const bool subcritical = temperatureK < ReducingTemperatureK(x);
  if (phase == Phase::Liquid && !subcritical) return std::nullopt;
  DensityBracket bracket;
  bracket.start = pressurePa / (GasConstant(x) * temperatureK);
  if (phase == Phase::Vapour && subcritical) bracket.high = reducingDensity;
  if (phase == Phase::Liquid) {
    // The components' saturated liquids mixed ideally.
    double volume = 0;
    for (int i = 0; i < Size(); ++i) {
      const std::optional<double> rho = ComponentLiquidMolarDensity(i, temperatureK);
      volume += x[static_cast<std::size_t>(i)] / (rho ? *rho : 2 * reducingDensity);
    }
    bracket.low = reducingDensity;
    bracket.start = std::max(1 / volume, 1.01 * reducingDensity);
  }
  if (near && *near > bracket.low && *near < bracket.high) bracket.start = *near;
  const Isotherm isotherm(*this, temperatureK, x);
  return SolveOnBranch([&](double molarDensity) { return isotherm.At(molarDensity); }, pressurePa, phase, bracket);
}

}  // namespace kestrin
