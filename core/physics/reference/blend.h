#pragma once
// A zeotropic blend of fixed composition on the multi-fluid mixture model:
// the saturated states, densities, enthalpies and entropies a line sizing
// asks of a refrigerant, in the units and on the IIR reference of a
// ReferenceFluid. Enthalpy and entropy are 200 kJ/kg and 1 kJ/(kg K) for the
// bubble-point liquid of the blend's own composition at 0 C.

#include "core/physics/reference/mixture_model.h"
#include "core/physics/reference/reference_fluid.h"

#include <QString>
#include <QStringList>

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

  // The bubble and dew pressures at T, the bubble-point liquid's and the
  // dew-point vapour's densities (kg/m3); none where either point has no
  // solution.
  std::optional<SaturatedStates> Saturation(double temperatureK) const;
  // The temperatures of the bubble and dew points at p, K.
  std::optional<double> BubbleTemperature(double pressurePa) const;
  std::optional<double> DewTemperature(double pressurePa) const;

  // The density (kg/m3) of the blend as the given phase at (T, p); none
  // where that branch gives no root or the phase is not the stable one
  // there: a vapour above its dew pressure, a liquid below its bubble
  // pressure (inside the two-phase region either is metastable), beyond
  // the rounding of a saturation pressure.
  std::optional<double> Density(double temperatureK, double pressurePa, Phase phase) const;

  // J/kg and J/(kg K) at (T, density in kg/m3); NaN for a state that is not
  // positive and finite.
  double Enthalpy(double temperatureK, double density) const;
  double Entropy(double temperatureK, double density) const;

 private:
  Blend(MixtureModel model, const Amounts& x) : model_(std::move(model)), x_(x) {}

  MixtureModel model_;
  Amounts x_{};
  double enthalpyOffset_ = 0;  // J/kg
  double entropyOffset_ = 0;   // J/(kg K)
};

}  // namespace kestrin
