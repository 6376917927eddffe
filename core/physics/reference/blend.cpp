#include "core/physics/reference/blend.h"

#include "core/physics/reference/mixture_equilibrium.h"
#include "core/physics/reference/reference_state.h"
#include "core/physics/reference/saturation_solver.h"

#include <cmath>
#include <limits>
#include <utility>

namespace kestrin {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

std::optional<Blend> Blend::Of(const QStringList& components, const Amounts& massFractions, QString* error) {
  QString ignored;
  if (!error) error = &ignored;
  std::optional<MixtureModel> model = MixtureModel::Of(components, error);
  if (!model) return std::nullopt;
  const Amounts x = model->MoleFractions(massFractions);
  if (!ValidMoleFractions(*model, x, true)) {
    *error = QStringLiteral("every component needs a mass fraction above 0");
    return std::nullopt;
  }
  Blend blend(std::move(*model), x);
  const std::optional<MixtureSaturation> reference =
      SaturationAtTemperature(blend.model_, SaturationPoint::Bubble, kReferenceTemperatureK, x);
  if (!reference) {
    *error = QStringLiteral("no bubble point at the reference temperature");
    return std::nullopt;
  }
  const double density = reference->liquidMolarDensity * blend.MolarMass();
  blend.enthalpyOffset_ = kReferenceEnthalpy - blend.Enthalpy(kReferenceTemperatureK, density);
  blend.entropyOffset_ = kReferenceEntropy - blend.Entropy(kReferenceTemperatureK, density);
  return blend;
}

double Blend::MolarMass() const {
  double sum = 0;
  for (int i = 0; i < model_.Size(); ++i) sum += x_[static_cast<std::size_t>(i)] * model_.ComponentMolarMass(i);
  return sum;
}

std::optional<SaturatedStates> Blend::Saturation(double temperatureK) const {
  const std::optional<MixtureSaturation> bubble =
      SaturationAtTemperature(model_, SaturationPoint::Bubble, temperatureK, x_);
  if (!bubble) return std::nullopt;
  const std::optional<MixtureSaturation> dew = SaturationAtTemperature(model_, SaturationPoint::Dew, temperatureK, x_);
  if (!dew) return std::nullopt;
  const double molarMass = MolarMass();
  return SaturatedStates{bubble->pressurePa, dew->pressurePa, bubble->liquidMolarDensity * molarMass,
                         dew->vapourMolarDensity * molarMass};
}

std::optional<double> Blend::BubbleTemperature(double pressurePa) const {
  const std::optional<MixtureSaturation> s = SaturationAtPressure(model_, SaturationPoint::Bubble, pressurePa, x_);
  return s ? std::optional<double>(s->temperatureK) : std::nullopt;
}

std::optional<double> Blend::DewTemperature(double pressurePa) const {
  const std::optional<MixtureSaturation> s = SaturationAtPressure(model_, SaturationPoint::Dew, pressurePa, x_);
  return s ? std::optional<double>(s->temperatureK) : std::nullopt;
}

std::optional<double> Blend::Density(double temperatureK, double pressurePa, Phase phase) const {
  const std::optional<double> molar = model_.MolarDensity(temperatureK, pressurePa, x_, phase);
  if (!molar) return std::nullopt;
  // Below the pseudo-critical temperature a phase point must lie on its own
  // side of the phase boundary of the blend's composition; above it, where
  // the boundary has no point at this temperature, the fluid is one phase.
  const SaturationPoint boundary = phase == Phase::Vapour ? SaturationPoint::Dew : SaturationPoint::Bubble;
  const std::optional<MixtureSaturation> s = SaturationAtTemperature(model_, boundary, temperatureK, x_);
  if (s) {
    const bool stable = phase == Phase::Vapour ? pressurePa <= s->pressurePa * (1 + kSaturatedTolerance)
                                               : pressurePa >= s->pressurePa * (1 - kSaturatedTolerance);
    if (!stable) return std::nullopt;
  } else if (temperatureK < model_.ReducingTemperatureK(x_)) {
    return std::nullopt;
  }
  return *molar * MolarMass();
}

double Blend::Enthalpy(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  const double molarMass = MolarMass();
  return model_.Enthalpy(temperatureK, density / molarMass, x_) / molarMass + enthalpyOffset_;
}

double Blend::Entropy(double temperatureK, double density) const {
  if (!ValidState(temperatureK, density)) return kNaN;
  const double molarMass = MolarMass();
  return model_.Entropy(temperatureK, density / molarMass, x_) / molarMass + entropyOffset_;
}

}  // namespace kestrin
