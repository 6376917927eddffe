#include "core/physics/reference/blend_fluid.h"

#include "core/physics/reference/json_field_reader.h"
#include "core/physics/reference/reference_state.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrin {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The isentropic end is found to this entropy, J/(kg K), in this many
// secant steps.
constexpr double kEntropyTolerance = 1e-9;
constexpr int kMaxSecantSteps = 50;
// dp/drho by central differences of this relative width.
constexpr double kDensityStep = 1e-6;

}  // namespace

std::optional<std::vector<BlendRecipe>> ParseBlendRecipes(const QByteArray& json, QString* error) {
  QJsonParseError parseError{};
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  if (!document.isObject()) {
    *error = parseError.errorString();
    return std::nullopt;
  }
  FieldReader reader;
  std::vector<BlendRecipe> recipes;
  const QJsonValue blends = document.object().value(QStringLiteral("blends"));
  if (!blends.isArray()) reader.Fail(QStringLiteral("missing array \"blends\""));
  for (const auto& entry : blends.toArray()) {
    const QJsonObject object = entry.toObject();
    BlendRecipe recipe;
    recipe.name = reader.Text(object, QStringLiteral("name"));
    for (const auto& component : object.value(QStringLiteral("components")).toArray())
      recipe.components << component.toString();
    recipe.massPercent = reader.Numbers(object, QStringLiteral("massPercent"), recipe.components.size());
    if (recipe.components.size() < 2 || recipe.components.size() > kMaxComponents)
      reader.Fail(QStringLiteral("blend \"%1\" needs 2 to %2 components").arg(recipe.name).arg(kMaxComponents));
    recipes.push_back(std::move(recipe));
  }
  if (reader.Failed()) {
    *error = reader.Error();
    return std::nullopt;
  }
  return recipes;
}

std::unique_ptr<BlendFluid> BlendFluid::Of(const BlendRecipe& recipe,
                                           const std::function<const ReferenceFluid*(const QString&)>& component,
                                           QString* error) {
  Amounts massFractions{};
  std::copy(recipe.massPercent.begin(), recipe.massPercent.end(), massFractions.begin());
  std::optional<Blend> blend = Blend::Of(recipe.components, massFractions, error);
  if (!blend) return nullptr;
  std::unique_ptr<BlendFluid> fluid(new BlendFluid(recipe.name, std::move(*blend)));
  // Valid where every component is: the warmest of their lower limits, the
  // coldest of their upper ones.
  fluid->minimumTemperatureK_ = 0;
  fluid->maximumTemperatureK_ = fluid->maximumPressurePa_ = std::numeric_limits<double>::infinity();
  for (const QString& name : recipe.components) {
    const ReferenceFluid* pure = component(name);
    if (!pure) {
      *error = QStringLiteral("component %1 has no equation of state").arg(name);
      return nullptr;
    }
    fluid->minimumTemperatureK_ = std::max(fluid->minimumTemperatureK_, pure->MinimumTemperatureK());
    fluid->maximumTemperatureK_ = std::min(fluid->maximumTemperatureK_, pure->MaximumTemperatureK());
    fluid->maximumPressurePa_ = std::min(fluid->maximumPressurePa_, pure->MaximumPressurePa());
  }
  return fluid;
}

QString BlendFluid::EquationSource() const {
  QStringList parts;
  const Amounts& x = blend_.MoleFractions();
  for (int i = 0; i < blend_.Model().Size(); ++i) {
    const double massPercent =
        100 * x[static_cast<std::size_t>(i)] * blend_.Model().ComponentMolarMass(i) / blend_.MolarMass();
    parts << QStringLiteral("%1 %2 %").arg(blend_.Model().ComponentName(i)).arg(massPercent, 0, 'g', 3);
  }
  return QStringLiteral(
             "multi-fluid mixture model of %1 (mass), reducing functions of O. Kunz and W. Wagner, "
             "J. Chem. Eng. Data 57 (2012) 3032-3091, with the published binary parameters of each pair "
             "(E. W. Lemmon and R. T. Jacobsen 2004; I. H. Bell 2022, 2023, 2025)")
      .arg(parts.join(QStringLiteral(", ")));
}

double BlendFluid::CriticalTemperatureK() const { return blend_.CriticalTemperatureK(); }

double BlendFluid::CriticalPressurePa() const { return blend_.CriticalPressurePa(); }

double BlendFluid::CriticalDensity() const {
  return blend_.Model().ReducingMolarDensity(blend_.MoleFractions()) * blend_.MolarMass();
}

double BlendFluid::Pressure(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return blend_.Model().Pressure(temperatureK, density / blend_.MolarMass(), blend_.MoleFractions());
}

double BlendFluid::PressureDensityDerivative(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  const double step = kDensityStep * density;
  return (Pressure(temperatureK, density + step) - Pressure(temperatureK, density - step)) / (2 * step);
}

double BlendFluid::Enthalpy(double temperatureK, double density) const {
  return blend_.Enthalpy(temperatureK, density);
}

double BlendFluid::Entropy(double temperatureK, double density) const { return blend_.Entropy(temperatureK, density); }

std::optional<double> BlendFluid::Density(double temperatureK, double pressurePa, Phase phase) const {
  return blend_.Density(temperatureK, pressurePa, phase);
}

std::optional<SaturatedStates> BlendFluid::Saturation(double temperatureK) const {
  return blend_.Saturation(temperatureK);
}

std::optional<double> BlendFluid::BubbleTemperature(double pressurePa) const {
  return blend_.BubbleTemperature(pressurePa);
}

std::optional<double> BlendFluid::DewTemperature(double pressurePa) const { return blend_.DewTemperature(pressurePa); }

// The vapour at the pressure with the entropy of `from`, by the secant
// method in temperature (entropy rises with temperature along an isobar),
// from the ideal gas's end with cp ~ 4.5 R.
std::optional<FluidPoint> BlendFluid::IsentropicEnd(const FluidPoint& from, double pressurePa) const {
  if (!ValidState(from.temperatureK, from.density) || !(pressurePa > 0)) return std::nullopt;
  const double entropy = Entropy(from.temperatureK, from.density);
  const double fromPressure = Pressure(from.temperatureK, from.density);
  const auto at = [&](double t) -> std::optional<std::pair<FluidPoint, double>> {
    const std::optional<double> density = Density(t, pressurePa, Phase::Vapour);
    if (!density) return std::nullopt;
    return std::make_pair(FluidPoint{t, *density}, Entropy(t, *density) - entropy);
  };
  const std::optional<double> dew = DewTemperature(pressurePa);
  double first = from.temperatureK * std::pow(pressurePa / fromPressure, 1 / 4.5);
  if (dew) first = std::max(first, *dew);
  auto a = at(first);
  auto b = at(first + 5);
  for (int step = 0; step < kMaxSecantSteps && a && b; ++step) {
    if (std::abs(b->second) < kEntropyTolerance) return b->first;
    const double slope = (b->second - a->second) / (b->first.temperatureK - a->first.temperatureK);
    if (!(slope > 0)) return std::nullopt;
    const double next = b->first.temperatureK - b->second / slope;
    a = b;
    b = at(dew ? std::max(next, *dew) : next);
  }
  return std::nullopt;
}

double BlendFluid::ResidualHelmholtz(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  return blend_.Model().ResidualHelmholtz(temperatureK, density / blend_.MolarMass(), blend_.MoleFractions());
}

double BlendFluid::Compressibility(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  const double molar = density / blend_.MolarMass();
  return Pressure(temperatureK, density) / (molar * blend_.Model().GasConstant(blend_.MoleFractions()) * temperatureK);
}

}  // namespace kestrin
