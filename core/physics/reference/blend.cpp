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
// Answers kept per blend before they are all dropped: a session's worth of
// design cases.
constexpr std::size_t kMemoLimit = 20000;
// A vapour (liquid) counts as on its own side of the dew (bubble) line this
// close to it, relative: the saturation point's own rounding.
constexpr double kBoundaryTolerance = 1e-6;

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
  // Solved from its own start, so that a blend traces its phase envelope
  // only once it is used, not whenever the program's fluids are loaded.
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

std::optional<MixtureSaturation> Blend::Point(Question question, double value) const {
  const std::lock_guard lock(memo_->mutex);
  const auto key = std::make_pair(question, value);
  if (const auto found = memo_->answers.find(key); found != memo_->answers.end()) return found->second;
  const std::optional<MixtureSaturation> solved = Solve(question, value);
  if (memo_->answers.size() >= kMemoLimit) memo_->answers.clear();
  memo_->answers.emplace(key, solved);
  return solved;
}

std::optional<MixtureSaturation> Blend::Solve(Question question, double value) const {
  const bool bubble = question == Question::BubbleAtT || question == Question::BubbleAtP;
  const SaturationPoint point = bubble ? SaturationPoint::Bubble : SaturationPoint::Dew;
  const bool atTemperature = question == Question::BubbleAtT || question == Question::DewAtT;
  const PhaseEnvelope& envelope = Envelope();
  const std::vector<MixtureSaturation> starts =
      atTemperature ? envelope.StartsAtTemperature(point, value) : envelope.StartsAtPressure(point, value);
  for (const MixtureSaturation& start : starts) {
    std::optional<MixtureSaturation> solved = atTemperature
                                                  ? SaturationAtTemperatureFrom(model_, point, value, x_, start)
                                                  : SaturationAtPressureFrom(model_, point, value, x_, start);
    if (solved) return solved;
  }
  return atTemperature ? SaturationAtTemperature(model_, point, value, x_)
                       : SaturationAtPressure(model_, point, value, x_);
}

const PhaseEnvelope& Blend::Envelope() const {
  std::call_once(memo_->traced, [this] { memo_->envelope = PhaseEnvelope::Trace(model_, x_); });
  return memo_->envelope;
}

std::optional<SaturatedStates> Blend::Saturation(double temperatureK) const {
  const std::optional<MixtureSaturation> bubble = Point(Question::BubbleAtT, temperatureK);
  if (!bubble) return std::nullopt;
  const std::optional<MixtureSaturation> dew = Point(Question::DewAtT, temperatureK);
  if (!dew) return std::nullopt;
  const double molarMass = MolarMass();
  return SaturatedStates{bubble->pressurePa, dew->pressurePa, bubble->liquidMolarDensity * molarMass,
                         dew->vapourMolarDensity * molarMass};
}

std::optional<double> Blend::BubbleTemperature(double pressurePa) const {
  const std::optional<MixtureSaturation> s = Point(Question::BubbleAtP, pressurePa);
  return s ? std::optional<double>(s->temperatureK) : std::nullopt;
}

std::optional<double> Blend::DewTemperature(double pressurePa) const {
  const std::optional<MixtureSaturation> s = Point(Question::DewAtP, pressurePa);
  return s ? std::optional<double>(s->temperatureK) : std::nullopt;
}

// The boundary point at the state's pressure places it (a line's states are
// isobars: one solve serves a whole search along one); where the pressure
// has none, the point at its temperature does; with neither, the state lies
// above the two-phase region.
std::optional<double> Blend::Density(double temperatureK, double pressurePa, Phase phase) const {
  if (!(temperatureK > 0) || !std::isfinite(temperatureK) || !(pressurePa > 0) || !std::isfinite(pressurePa))
    return std::nullopt;
  const std::optional<double> molar = model_.MolarDensity(temperatureK, pressurePa, x_, phase);
  if (!molar) return std::nullopt;
  const bool vapour = phase == Phase::Vapour;
  bool stable = true;
  if (const auto atPressure = Point(vapour ? Question::DewAtP : Question::BubbleAtP, pressurePa)) {
    const double t = atPressure->temperatureK;
    stable = vapour ? temperatureK >= t * (1 - kBoundaryTolerance) : temperatureK <= t * (1 + kBoundaryTolerance);
  } else if (const auto atTemperature = Point(vapour ? Question::DewAtT : Question::BubbleAtT, temperatureK)) {
    const double p = atTemperature->pressurePa;
    stable = vapour ? pressurePa <= p * (1 + kSaturatedTolerance) : pressurePa >= p * (1 - kSaturatedTolerance);
  }
  if (!stable) return std::nullopt;
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
