// The multi-fluid mixture model: its pure-component limits, its automatic
// derivatives against differences, its bubble and dew points against
// Lemmon's pseudo-pure equations of the blends it was fitted with, the
// glides of today's blends, and refusals instead of numbers where there is
// no solution.

#include "core/physics/reference/mixture_model.h"
#include "core/physics/reference/mixture_equilibrium.h"
#include "core/physics/reference/mixture_pairs_file.h"

#include "param_names.h"

#include "mixture_of.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace kestrin {
namespace {

const ReferenceFluid& Fluid(const char* name) {
  const ReferenceFluid* fluid = ReferenceFluid::Find(QString::fromLatin1(name));
  if (!fluid) throw std::runtime_error(name);
  return *fluid;
}

// A blend at its nominal mass composition.
struct Blend {
  const char* name;
  std::vector<const char*> components;
  Amounts massFractions;
};

void PrintTo(const Blend& blend, std::ostream* out) { *out << blend.name; }

const Blend kR410A{"R410A", {"R32", "R125"}, {0.5, 0.5}};
const Blend kR407C{"R407C", {"R32", "R125", "R134a"}, {0.23, 0.25, 0.52}};
const Blend kR454B{"R454B", {"R32", "R1234yf"}, {0.689, 0.311}};
const Blend kR513A{"R513A", {"R1234yf", "R134a"}, {0.56, 0.44}};
const Blend kR452B{"R452B", {"R32", "R125", "R1234yf"}, {0.67, 0.07, 0.26}};
const Blend kR448A{"R448A", {"R32", "R125", "R1234yf", "R134a", "R1234ze(E)"}, {0.26, 0.26, 0.20, 0.21, 0.07}};
const Blend kR449A{"R449A", {"R32", "R125", "R1234yf", "R134a"}, {0.243, 0.247, 0.253, 0.257}};

// The pure components as one-component mixtures, and as a binary with the
// other component absent, reproduce their own equations: the pair terms and
// the mixing of the reducing functions vanish.
class PureLimit : public testing::TestWithParam<const char*> {};

TEST_P(PureLimit, ReproducesThePureEquation) {
  const ReferenceFluid& fluid = Fluid(GetParam());
  const MixtureModel alone = MixtureOf({GetParam()});
  const MixtureModel withR32 = MixtureOf({GetParam(), std::string(GetParam()) == "R32" ? "R125" : "R32"});
  const double molarMass = fluid.MolarMass();
  for (double t : {240.0, 300.0}) {
    const SaturatedStates s = *fluid.Saturation(t);
    for (double density : {s.vapourDensity, s.liquidDensity, 1.05 * s.liquidDensity}) {
      const double molar = density / molarMass;
      const double alpha = fluid.ResidualHelmholtz(t, density);
      const double p = fluid.Pressure(t, density);
      EXPECT_NEAR(alone.ResidualHelmholtz(t, molar, {1}), alpha, 1e-12 * std::abs(alpha));
      EXPECT_NEAR(withR32.ResidualHelmholtz(t, molar, {1, 0}), alpha, 1e-12 * std::abs(alpha));
      EXPECT_NEAR(alone.Pressure(t, molar, {1}) / p - 1, 0, 1e-9) << t << " K " << density;
      EXPECT_NEAR(withR32.Pressure(t, molar, {1, 0}) / p - 1, 0, 1e-9) << t << " K " << density;
    }
    // The phase equilibrium of one component is the pure fluid's.
    for (SaturationPoint point : {SaturationPoint::Bubble, SaturationPoint::Dew}) {
      const std::optional<MixtureSaturation> m = SaturationAtTemperature(alone, point, t, {1});
      ASSERT_TRUE(m.has_value()) << t;
      EXPECT_NEAR(m->pressurePa / s.bubblePressurePa - 1, 0, 1e-9) << t;
      EXPECT_NEAR(m->liquidMolarDensity * molarMass / s.liquidDensity - 1, 0, 1e-9) << t;
      EXPECT_NEAR(m->vapourMolarDensity * molarMass / s.vapourDensity - 1, 0, 1e-9) << t;
      const std::optional<MixtureSaturation> back = SaturationAtPressure(alone, point, s.bubblePressurePa, {1});
      ASSERT_TRUE(back.has_value()) << t;
      EXPECT_NEAR(back->temperatureK, t, 1e-7);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Components, PureLimit, testing::Values("R32", "R125", "R134a", "R1234yf", "R1234ze(E)"),
                         [](const testing::TestParamInfo<const char*>& row) {
                           std::string name = row.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

// The derivatives by automatic differentiation against central differences
// of the plain function, in a five-component liquid and vapour.
TEST(MixtureModel, AutomaticDerivativesMatchDifferences) {
  const MixtureModel model = MixtureOf(kR448A.components);
  const Amounts x = model.MoleFractions(kR448A.massFractions);
  const double t = 280;
  for (double density : {300.0, 11000.0}) {
    Amounts rho{};
    for (int i = 0; i < model.Size(); ++i) rho[static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i)] * density;
    const MixturePoint point = model.At(t, rho);
    EXPECT_NEAR(point.pressurePa / model.Pressure(t, density, x) - 1, 0, 1e-12);
    auto psi = [&](double temperature, const Amounts& r) { return model.ResidualDensity(temperature, r); };
    auto chemical = [&](double temperature, const Amounts& r, int i) {
      return model.At(temperature, r).chemical[static_cast<std::size_t>(i)];
    };
    const double dt = 1e-6 * t;
    EXPECT_NEAR(point.psiT, (psi(t + dt, rho) - psi(t - dt, rho)) / (2 * dt), 1e-6 * std::abs(point.psiT));
    for (int i = 0; i < model.Size(); ++i) {
      const auto si = static_cast<std::size_t>(i);
      Amounts up = rho, down = rho;
      const double h = 1e-5 * density;
      up[si] += h;
      down[si] -= h;
      EXPECT_NEAR(point.chemical[si], (psi(t, up) - psi(t, down)) / (2 * h), 1e-7) << density << " " << i;
      EXPECT_NEAR(point.chemicalT[si], (chemical(t + dt, rho, i) - chemical(t - dt, rho, i)) / (2 * dt),
                  1e-6 * std::abs(point.chemicalT[si]) + 1e-12);
      for (int j = 0; j < model.Size(); ++j) {
        const double difference = (chemical(t, up, j) - chemical(t, down, j)) / (2 * h);
        const double exact = point.Hessian(i, j);
        EXPECT_NEAR(exact, difference, 1e-6 * std::abs(exact) + 1e-12) << density << " " << i << " " << j;
      }
    }
  }
}

// Lemmon's pseudo-pure R410A and R407C were fitted to this mixture model:
// the bubble and dew pressures agree within 0.3 % over the sizing range.
class AgainstPseudoPure : public testing::TestWithParam<Blend> {};

TEST_P(AgainstPseudoPure, BubbleAndDewPressuresAgree) {
  const Blend& blend = GetParam();
  const MixtureModel model = MixtureOf(blend.components);
  const ReferenceFluid& pseudoPure = Fluid(blend.name);
  const Amounts x = model.MoleFractions(blend.massFractions);
  for (double celsius = -40; celsius <= 60; celsius += 5) {
    const double t = 273.15 + celsius;
    const SaturatedStates s = *pseudoPure.Saturation(t);
    const std::optional<MixtureSaturation> bubble = SaturationAtTemperature(model, SaturationPoint::Bubble, t, x);
    const std::optional<MixtureSaturation> dew = SaturationAtTemperature(model, SaturationPoint::Dew, t, x);
    ASSERT_TRUE(bubble && dew) << celsius << " C";
    EXPECT_NEAR(bubble->pressurePa / s.bubblePressurePa - 1, 0, 3e-3) << celsius << " C";
    EXPECT_NEAR(dew->pressurePa / s.dewPressurePa - 1, 0, 3e-3) << celsius << " C";
  }
}

INSTANTIATE_TEST_SUITE_P(Blends, AgainstPseudoPure, testing::Values(kR410A, kR407C), RowName<Blend>);

// The glide of an evaporator whose dew point is 0 C: t - T_bubble(p_dew(t)).
struct GlideRow {
  const char* name;
  Blend blend;
  double lowK, highK;
};

void PrintTo(const GlideRow& row, std::ostream* out) { *out << row.name; }

class Glide : public testing::TestWithParam<GlideRow> {};

TEST_P(Glide, AtZeroCelsiusIsTheBlendsOwn) {
  const GlideRow& row = GetParam();
  const MixtureModel model = MixtureOf(row.blend.components);
  const Amounts x = model.MoleFractions(row.blend.massFractions);
  const std::optional<MixtureSaturation> dew = SaturationAtTemperature(model, SaturationPoint::Dew, 273.15, x);
  ASSERT_TRUE(dew.has_value());
  const std::optional<MixtureSaturation> bubble =
      SaturationAtPressure(model, SaturationPoint::Bubble, dew->pressurePa, x);
  ASSERT_TRUE(bubble.has_value());
  const double glide = 273.15 - bubble->temperatureK;
  EXPECT_GE(glide, row.lowK);
  EXPECT_LE(glide, row.highK);
}

INSTANTIATE_TEST_SUITE_P(Blends, Glide,
                         testing::Values(GlideRow{"R454B", kR454B, 1, 2}, GlideRow{"R513A", kR513A, 0, 0.1},
                                         GlideRow{"R448A", kR448A, 4, 7}, GlideRow{"R449A", kR449A, 4, 7},
                                         GlideRow{"R452B", kR452B, 0.8, 1.8}),
                         RowName<GlideRow>);

// At a bubble point the incipient vapour's fugacities equal the liquid's,
// ln(x_i phi_i p) evaluated afresh in each phase; likewise at a dew point.
class EqualFugacities : public testing::TestWithParam<Blend> {};

TEST_P(EqualFugacities, HoldAtBubbleAndDewPoints) {
  const Blend& blend = GetParam();
  const MixtureModel model = MixtureOf(blend.components);
  const Amounts z = model.MoleFractions(blend.massFractions);
  for (double t : {243.15, 283.15, 323.15}) {
    for (SaturationPoint point : {SaturationPoint::Bubble, SaturationPoint::Dew}) {
      const std::optional<MixtureSaturation> s = SaturationAtTemperature(model, point, t, z);
      ASSERT_TRUE(s.has_value()) << t;
      const Amounts lnPhiL = model.LnFugacityCoefficients(t, s->liquidMolarDensity, s->liquid);
      const Amounts lnPhiV = model.LnFugacityCoefficients(t, s->vapourMolarDensity, s->vapour);
      EXPECT_NEAR(model.Pressure(t, s->vapourMolarDensity, s->vapour) / s->pressurePa - 1, 0, 1e-9);
      for (int i = 0; i < model.Size(); ++i) {
        const auto si = static_cast<std::size_t>(i);
        EXPECT_NEAR(std::log(s->liquid[si]) + lnPhiL[si], std::log(s->vapour[si]) + lnPhiV[si], 1e-9) << t << " " << i;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Blends, EqualFugacities, testing::Values(kR454B, kR448A, kR407C), RowName<Blend>);

// A point depends on its inputs alone: the same point asked again after
// others, at other temperatures, pressures and blends, has the same bits.
TEST(MixtureEquilibrium, SameInputsGiveTheSameBits) {
  const MixtureModel model = MixtureOf(kR448A.components);
  const Amounts x = model.MoleFractions(kR448A.massFractions);
  const MixtureModel other = MixtureOf(kR454B.components);
  const Amounts y = other.MoleFractions(kR454B.massFractions);
  const auto first = SaturationAtTemperature(model, SaturationPoint::Dew, 268.15, x);
  const auto firstAtPressure = SaturationAtPressure(model, SaturationPoint::Bubble, 1.5e6, x);
  ASSERT_TRUE(first && firstAtPressure);
  for (double t : {230.0, 300.0, 330.0}) {
    SaturationAtTemperature(model, SaturationPoint::Bubble, t, x);
    SaturationAtTemperature(other, SaturationPoint::Dew, t, y);
    SaturationAtPressure(model, SaturationPoint::Dew, t * 1e4, x);
  }
  const auto again = SaturationAtTemperature(model, SaturationPoint::Dew, 268.15, x);
  const auto againAtPressure = SaturationAtPressure(model, SaturationPoint::Bubble, 1.5e6, x);
  ASSERT_TRUE(again && againAtPressure);
  EXPECT_EQ(again->pressurePa, first->pressurePa);
  EXPECT_EQ(again->liquidMolarDensity, first->liquidMolarDensity);
  EXPECT_EQ(again->liquid, first->liquid);
  EXPECT_EQ(againAtPressure->temperatureK, firstAtPressure->temperatureK);
  EXPECT_EQ(againAtPressure->vapour, firstAtPressure->vapour);
}

// Newton's method from a neighbouring point of the same kind finds the point
// Raoult's law leads to, at a given temperature and at a given pressure;
// from a start with no point nearby, or no valid start, it finds none.
TEST(MixtureEquilibrium, StartFromANeighbourFindsTheSamePoint) {
  const MixtureModel model = MixtureOf(kR448A.components);
  const Amounts x = model.MoleFractions(kR448A.massFractions);
  for (SaturationPoint point : {SaturationPoint::Bubble, SaturationPoint::Dew}) {
    const auto neighbour = SaturationAtTemperature(model, point, 290, x);
    const auto atTemperature = SaturationAtTemperature(model, point, 293, x);
    ASSERT_TRUE(neighbour && atTemperature);
    const auto fromNeighbour = SaturationAtTemperatureFrom(model, point, 293, x, *neighbour);
    ASSERT_TRUE(fromNeighbour.has_value());
    EXPECT_NEAR(fromNeighbour->pressurePa / atTemperature->pressurePa, 1, 1e-10);
    EXPECT_NEAR(fromNeighbour->liquidMolarDensity / atTemperature->liquidMolarDensity, 1, 1e-10);
    EXPECT_NEAR(fromNeighbour->vapour[0], atTemperature->vapour[0], 1e-10);
    const auto atPressure = SaturationAtPressure(model, point, atTemperature->pressurePa, x);
    const auto atPressureFromNeighbour =
        SaturationAtPressureFrom(model, point, atTemperature->pressurePa, x, *neighbour);
    ASSERT_TRUE(atPressure && atPressureFromNeighbour);
    EXPECT_NEAR(atPressureFromNeighbour->temperatureK, atPressure->temperatureK, 1e-8);
    EXPECT_NEAR(atPressureFromNeighbour->temperatureK, 293, 1e-8);
    EXPECT_FALSE(SaturationAtTemperatureFrom(model, point, 400, x, *neighbour).has_value());  // above critical
    MixtureSaturation broken = *neighbour;
    broken.vapourMolarDensity = -1;
    EXPECT_FALSE(SaturationAtTemperatureFrom(model, point, 293, x, broken).has_value());
  }
}

// Where there is no two-phase point, or no valid input, the answer is none:
// never a number that is not a solution.
TEST(MixtureEquilibrium, RefusesWhatHasNoSolution) {
  const MixtureModel model = MixtureOf(kR454B.components);
  const Amounts x = model.MoleFractions(kR454B.massFractions);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (SaturationPoint point : {SaturationPoint::Bubble, SaturationPoint::Dew}) {
    EXPECT_FALSE(SaturationAtTemperature(model, point, 400, x).has_value());  // above the critical point
    EXPECT_FALSE(SaturationAtPressure(model, point, 8e6, x).has_value());     // above the cricondenbar
    EXPECT_FALSE(SaturationAtTemperature(model, point, nan, x).has_value());
    EXPECT_FALSE(SaturationAtTemperature(model, point, -5, x).has_value());
    EXPECT_FALSE(SaturationAtPressure(model, point, 0, x).has_value());
    EXPECT_FALSE(SaturationAtTemperature(model, point, 273.15, {0.5, 0.4}).has_value());  // fractions sum to 0.9
    EXPECT_FALSE(SaturationAtTemperature(model, point, 273.15, {1, 0}).has_value());      // a component absent
  }
  EXPECT_TRUE(std::isnan(model.Pressure(273.15, -1, x)));
  EXPECT_TRUE(std::isnan(model.ResidualHelmholtz(273.15, 100, {0.7, 0.7})));
  EXPECT_FALSE(model.MolarDensity(400, 1e6, x, Phase::Liquid).has_value());
}

TEST(MixtureModel, RefusesComponentsWithoutPublishedParameters) {
  QString error;
  EXPECT_FALSE(MixtureModel::Of({QStringLiteral("R32"), QStringLiteral("R290")}, &error).has_value());
  EXPECT_TRUE(error.contains(QStringLiteral("R290"))) << error.toStdString();
  EXPECT_FALSE(MixtureModel::Of({QStringLiteral("R32"), QStringLiteral("R410A")}, &error).has_value());
  EXPECT_TRUE(error.contains(QStringLiteral("blend"))) << error.toStdString();
  EXPECT_FALSE(MixtureModel::Of({QStringLiteral("R999")}, &error).has_value());
  EXPECT_FALSE(MixtureModel::Of({}, &error).has_value());
}

// The shipped pair file holds the ten pairs of the five components, and a
// damaged one is refused with a reason.
QJsonObject ShippedPairs() {
  QFile file(QStringLiteral(":/fluids/mixture-pairs.json"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(file.readAll()).object();
}

TEST(MixturePairsFile, ShippedFileHoldsEveryPairOfTheFiveComponents) {
  QString error;
  const auto pairs = ParseMixturePairs(QJsonDocument(ShippedPairs()).toJson(), &error);
  ASSERT_TRUE(pairs.has_value()) << error.toStdString();
  EXPECT_EQ(pairs->size(), 10u);
}

struct PairDamage {
  const char* name;
  std::function<void(QJsonObject&)> apply;
};

class DamagedPairFile : public testing::TestWithParam<PairDamage> {};

TEST_P(DamagedPairFile, IsRefusedWithAReason) {
  QJsonObject root = ShippedPairs();
  GetParam().apply(root);
  QString error;
  EXPECT_FALSE(ParseMixturePairs(QJsonDocument(root).toJson(), &error).has_value());
  EXPECT_FALSE(error.isEmpty());
}

void ChangeFirstPair(QJsonObject& root, const std::function<void(QJsonObject&)>& change) {
  QJsonArray pairs = root[QStringLiteral("pairs")].toArray();
  QJsonObject first = pairs[0].toObject();
  change(first);
  pairs[0] = first;
  root[QStringLiteral("pairs")] = pairs;
}

INSTANTIATE_TEST_SUITE_P(
    MixturePairsFile, DamagedPairFile,
    testing::Values(PairDamage{"no departure functions",
                               [](QJsonObject& r) { r.remove(QStringLiteral("departureFunctions")); }},
                    PairDamage{"departure function missing",
                               [](QJsonObject& r) {
                                 ChangeFirstPair(r, [](QJsonObject& p) {
                                   p[QStringLiteral("departure")] = QStringLiteral("R32-R999");
                                 });
                               }},
                    PairDamage{"one fluid",
                               [](QJsonObject& r) {
                                 ChangeFirstPair(r, [](QJsonObject& p) {
                                   p[QStringLiteral("fluids")] = QJsonArray{QStringLiteral("R32")};
                                 });
                               }},
                    PairDamage{"no reducing parameters",
                               [](QJsonObject& r) {
                                 ChangeFirstPair(r, [](QJsonObject& p) { p.remove(QStringLiteral("linear")); });
                               }}),
    RowName<PairDamage>);

}  // namespace
}  // namespace kestrin
