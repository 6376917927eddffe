#pragma once
// A zeotropic blend of fixed composition on the multi-fluid mixture model:
// the saturated states, densities, enthalpies and entropies a line sizing
// asks of a refrigerant, in the units and on the IIR reference of a
// ReferenceFluid. Enthalpy and entropy are 200 kJ/kg and 1 kJ/(kg K) for the
// bubble-point liquid of the blend's own composition at 0 C.
//
// Bubble and dew points cost a Newton solve each, and a sizing run asks the
// same few again and again (every line starts from the same circuit): each
// answer is kept, keyed by the exact question, so the same inputs still give
// the same bits whatever was asked before. Each solve starts from the
// blend's own bubble and dew lines, traced once up to its critical point,
// and from Raoult's law where that start does not lead to a point.

#include "core/physics/reference/mixture_equilibrium.h"
#include "core/physics/reference/mixture_model.h"
#include "core/physics/reference/phase_envelope.h"
#include "core/physics/reference/reference_fluid.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace kestrin {

class Blend {
 public:
  // The blend of these components at these mass fractions; none, with the
  // reason in `error`, when the model cannot be made or the reference state
  // cannot be solved.
  static std::optional<Blend> Of(const QStringList& components, const Amounts& massFractions, QString* error);

  const MixtureModel& Model() const { return model_; }
  const Amounts& MoleFractions() const { return x_; }
  double MolarMass() const;  // kg/mol

  // The critical point of the blend's composition: the top of its two-phase
  // region, where the traced bubble and dew lines end, K and Pa; NaN when
  // they could not be traced.
  double CriticalTemperatureK() const { return Envelope().TopTemperatureK(); }
  double CriticalPressurePa() const { return Envelope().TopPressurePa(); }

  // The bubble and dew pressures at T, the bubble-point liquid's and the
  // dew-point vapour's densities (kg/m3); none where either point has no
  // solution.
  std::optional<SaturatedStates> Saturation(double temperatureK) const;
  // The temperatures of the bubble and dew points at p, K.
  std::optional<double> BubbleTemperature(double pressurePa) const;
  std::optional<double> DewTemperature(double pressurePa) const;

  // The density (kg/m3) of the blend as the given phase at (T, p); none
  // where that branch gives no root or the phase is not the stable one
  // there: a vapour below the dew temperature of its pressure, a liquid
  // above the bubble temperature (inside the two-phase region either is
  // metastable), beyond the rounding of a saturation point. Above the
  // two-phase region the blend is one phase.
  std::optional<double> Density(double temperatureK, double pressurePa, Phase phase) const;

  // J/kg and J/(kg K) at (T, density in kg/m3); NaN for a state that is not
  // positive and finite.
  double Enthalpy(double temperatureK, double density) const;
  double Entropy(double temperatureK, double density) const;

 private:
  Blend(MixtureModel model, const Amounts& x) : model_(std::move(model)), x_(x), memo_(std::make_shared<Memo>()) {}

  // Which point, and whether at a given temperature or pressure.
  enum class Question { BubbleAtT, DewAtT, BubbleAtP, DewAtP };
  std::optional<MixtureSaturation> Point(Question question, double value) const;
  std::optional<MixtureSaturation> Solve(Question question, double value) const;
  const PhaseEnvelope& Envelope() const;

  MixtureModel model_;
  Amounts x_{};
  double enthalpyOffset_ = 0;  // J/kg
  double entropyOffset_ = 0;   // J/(kg K)
  // The traced lines and the answers solved so far; shared by the copies
  // of one blend, which all give the same answers.
  struct Memo {
    std::once_flag traced;
    PhaseEnvelope envelope;
    std::mutex mutex;
    std::map<std::pair<Question, double>, std::optional<MixtureSaturation>> answers;
  };
  std::shared_ptr<Memo> memo_;
};

}  // namespace kestrin
