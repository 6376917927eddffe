#pragma once
// A refrigerant blend of fixed nominal composition on the multi-fluid
// mixture model, answering as any reference fluid does.

#include "core/physics/reference/blend.h"
#include "core/physics/reference/reference_fluid.h"

#include <QByteArray>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kestrin {

// A blend as its data file names it: components and mass per cent.
struct BlendRecipe {
  QString name;
  QStringList components;
  std::vector<double> massPercent;
};

// The blends of a data file (data/fluids/blends.json); none, with the reason
// in `error`, for a file that is not one.
std::optional<std::vector<BlendRecipe>> ParseBlendRecipes(const QByteArray& json, QString* error);

class BlendFluid final : public ReferenceFluid {
 public:
  // The blend of the recipe, valid where every component's equation is (each
  // found by `component`); none, with the reason in `error`, when the model
  // cannot be made, a component is not found or the reference state cannot
  // be solved.
  static std::unique_ptr<BlendFluid> Of(const BlendRecipe& recipe,
                                        const std::function<const ReferenceFluid*(const QString&)>& component,
                                        QString* error);

  QString Name() const override { return name_; }
  bool PseudoPure() const override { return false; }
  QString EquationSource() const override;
  const Blend* AsBlend() const override { return &blend_; }

  double MolarMass() const override { return blend_.MolarMass(); }
  double CriticalTemperatureK() const override;
  double CriticalDensity() const override;
  double CriticalPressurePa() const override;
  // A blend has no triple point of its own: its lowest temperature stands
  // for it.
  double TripleTemperatureK() const override { return minimumTemperatureK_; }
  double MinimumTemperatureK() const override { return minimumTemperatureK_; }
  double MaximumTemperatureK() const override { return maximumTemperatureK_; }
  double MaximumPressurePa() const override { return maximumPressurePa_; }

  double Pressure(double temperatureK, double density) const override;
  double Enthalpy(double temperatureK, double density) const override;
  double Entropy(double temperatureK, double density) const override;
  double PressureDensityDerivative(double temperatureK, double density) const override;
  std::optional<double> Density(double temperatureK, double pressurePa, Phase phase) const override;

  std::optional<SaturatedStates> Saturation(double temperatureK) const override;
  std::optional<double> BubbleTemperature(double pressurePa) const override;
  std::optional<double> DewTemperature(double pressurePa) const override;
  std::optional<FluidPoint> IsentropicEnd(const FluidPoint& from, double pressurePa) const override;

  double ResidualHelmholtz(double temperatureK, double density) const override;
  double Compressibility(double temperatureK, double density) const override;

 private:
  BlendFluid(QString name, Blend blend) : name_(std::move(name)), blend_(std::move(blend)) {}

  QString name_;
  Blend blend_;
  double minimumTemperatureK_ = 0;
  double maximumTemperatureK_ = 0;
  double maximumPressurePa_ = 0;
};

}  // namespace kestrin
