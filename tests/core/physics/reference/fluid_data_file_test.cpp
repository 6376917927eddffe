// Reading the fluid data files: the shipped files parse into consistent
// mass-based equations, and damaged files are refused with a reason rather
// than loaded half-read.

#include "core/physics/reference/fluid_data_file.h"
#include "core/physics/reference/helmholtz_equation.h"

#include "param_names.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <functional>

namespace kestrin {
namespace {

QByteArray ShippedFile(const char* name) {
  QFile file(QStringLiteral(":/fluids/%1.eos.json").arg(QString::fromLatin1(name)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

TEST(FluidDataFile, ShippedFileIsReadInMassUnits) {
  QString error;
  const std::optional<FluidEquation> eq = ParseFluidEquation(ShippedFile("R134a"), &error);
  ASSERT_TRUE(eq.has_value()) << error.toStdString();
  EXPECT_EQ(eq->name, QStringLiteral("R134a"));
  EXPECT_FALSE(eq->pseudoPure);
  EXPECT_NEAR(eq->reducingDensity, 508, 1e-6);
  EXPECT_NEAR(eq->gasConstant, 8.314471 / 0.102032, 1e-9);
  EXPECT_EQ(eq->residual.n.size(), 21u);
  // A pure fluid's one saturation pressure serves as bubble and dew pressure.
  EXPECT_DOUBLE_EQ(eq->bubblePressure(300), eq->dewPressure(300));
}

// cp0/R from the ideal-gas Helmholtz terms: 1 - tau^2 d2(alpha0)/d(tau)2.
double IdealHeatCapacity(const FluidEquation& eq, double temperatureK) {
  return 1 - HelmholtzEquation(eq).IdealGas(eq.reducingTemperatureK / temperatureK).tt;
}

TEST(FluidDataFile, HeatCapacityPolynomialBecomesEquivalentHelmholtzTerms) {
  // R22's ideal gas is published as cp0/R = c0 + c1 T + Planck-Einstein terms
  // in its characteristic temperatures.
  const QJsonObject ideal = QJsonDocument::fromJson(ShippedFile("R22")).object()[QStringLiteral("idealGas")].toObject();
  const QJsonObject cp0 = ideal[QStringLiteral("cp0Polynomial")].toObject();
  const QJsonArray c = cp0[QStringLiteral("c")].toArray();
  const QJsonArray thetas = ideal[QStringLiteral("planckEinstein")].toObject()[QStringLiteral("thetaK")].toArray();
  QString error;
  const std::optional<FluidEquation> eq = ParseFluidEquation(ShippedFile("R22"), &error);
  ASSERT_TRUE(eq.has_value()) << error.toStdString();
  for (double t : {150.0, 273.15, 450.0}) {
    double expected = c[0].toDouble() + c[1].toDouble() * t;
    for (const QJsonValue& theta : thetas) {
      const double x = theta.toDouble() / t;
      expected += x * x * std::exp(x) / ((std::exp(x) - 1) * (std::exp(x) - 1));
    }
    EXPECT_NEAR(IdealHeatCapacity(*eq, t), expected, 1e-9 * expected) << t;
  }
}

struct Damage {
  const char* name;
  std::function<void(QJsonObject&)> apply;
};

QJsonObject Child(const QJsonObject& o, const char* key) { return o[QString::fromLatin1(key)].toObject(); }

void SetChild(QJsonObject& root, const char* key, const char* field, const QJsonValue& value) {
  QJsonObject child = Child(root, key);
  child[QString::fromLatin1(field)] = value;
  root[QString::fromLatin1(key)] = child;
}

class DamagedFile : public testing::TestWithParam<Damage> {};

TEST_P(DamagedFile, IsRefusedWithAReason) {
  QJsonObject root = QJsonDocument::fromJson(ShippedFile("R410A")).object();
  ASSERT_FALSE(root.isEmpty());
  GetParam().apply(root);
  QString error;
  EXPECT_FALSE(ParseFluidEquation(QJsonDocument(root).toJson(), &error).has_value());
  EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    FluidDataFile, DamagedFile,
    testing::Values(Damage{"no equation block", [](QJsonObject& r) { r.remove(QStringLiteral("equationOfState")); }},
                    Damage{"molar mass zero",
                           [](QJsonObject& r) { SetChild(r, "equationOfState", "molarMassKgPerMol", 0); }},
                    Damage{"residual arrays of unequal length",
                           [](QJsonObject& r) {
                             QJsonObject res = Child(r, "residual");
                             QJsonObject poly = Child(res, "polynomial");
                             QJsonArray exponents = poly[QStringLiteral("t")].toArray();
                             exponents.removeLast();
                             poly[QStringLiteral("t")] = exponents;
                             res[QStringLiteral("polynomial")] = poly;
                             r[QStringLiteral("residual")] = res;
                           }},
                    Damage{"fractional density exponent",
                           [](QJsonObject& r) {
                             QJsonObject res = Child(r, "residual");
                             QJsonObject ex = Child(res, "exponential");
                             QJsonArray l = ex[QStringLiteral("l")].toArray();
                             l[0] = 1.5;
                             ex[QStringLiteral("l")] = l;
                             res[QStringLiteral("exponential")] = ex;
                             r[QStringLiteral("residual")] = res;
                           }},
                    Damage{"negative temperature decay exponent",
                           [](QJsonObject& r) {
                             QJsonObject res = Child(r, "residual");
                             QJsonObject ex = Child(res, "exponential");
                             QJsonArray m;
                             for (qsizetype i = 0; i < ex[QStringLiteral("n")].toArray().size(); ++i) m.append(-1.7);
                             ex[QStringLiteral("m")] = m;
                             res[QStringLiteral("exponential")] = ex;
                             r[QStringLiteral("residual")] = res;
                           }},
                    Damage{"more terms than the evaluation holds",
                           [](QJsonObject& r) {
                             QJsonObject res = Child(r, "residual");
                             QJsonObject poly;
                             QJsonArray ones;
                             for (int i = 0; i <= kMaxResidualTerms; ++i) ones.append(1);
                             poly[QStringLiteral("n")] = ones;
                             poly[QStringLiteral("d")] = ones;
                             poly[QStringLiteral("t")] = ones;
                             res[QStringLiteral("polynomial")] = poly;
                             r[QStringLiteral("residual")] = res;
                           }},
                    Damage{"blend without its dew pressure",
                           [](QJsonObject& r) {
                             QJsonObject anc = Child(r, "ancillaries");
                             anc.remove(QStringLiteral("dewPressure"));
                             r[QStringLiteral("ancillaries")] = anc;
                           }},
                    Damage{"unknown ancillary form",
                           [](QJsonObject& r) {
                             QJsonObject anc = Child(r, "ancillaries");
                             QJsonObject dew = Child(anc, "dewPressure");
                             dew[QStringLiteral("form")] = QStringLiteral("p = a + b T");
                             anc[QStringLiteral("dewPressure")] = dew;
                             r[QStringLiteral("ancillaries")] = anc;
                           }}),
    RowName<Damage>);

TEST(FluidDataFile, TextThatIsNoJsonObjectIsRefused) {
  QString error;
  EXPECT_FALSE(ParseFluidEquation("{\"fluid\": \"R32\",", &error).has_value());
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(ParseFluidEquation("[1, 2]", &error).has_value());
}

}  // namespace
}  // namespace kestrin
