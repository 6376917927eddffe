#include "core/physics/refrigerant_properties.h"

#include "core/physics/property_units.h"

#include <array>
#include <cmath>
#include <limits>

namespace kestrin {
namespace {

// Coefficients c0 .. c6 of c6 T^6 + ... + c1 T + c0, T in degrees F.
using Polynomial = std::array<double, 7>;
// One polynomial per refrigerant, in the order R22, R134a, R407C, R404A.
using Correlation = std::array<Polynomial, 4>;

double Evaluate(const Polynomial& p, double t) {
  double value = 0;
  for (auto c = p.rbegin(); c != p.rend(); ++c) value = value * t + *c;
  return value;
}

constexpr double kNotDescribed = std::numeric_limits<double>::quiet_NaN();

// A refrigerant without correlations gets NaN, which no line accepts as a
// flow, rather than another refrigerant's coefficients.
double Evaluate(const Correlation& correlation, Refrigerant refrigerant, double t) {
  if (!HasCorrelations(refrigerant)) return kNotDescribed;
  return Evaluate(correlation[static_cast<std::size_t>(refrigerant)], t);
}

constexpr Correlation kLiquidEnthalpy = {{
    {74.9925672331, 0.3457989228, -0.0006583775, 2.8615e-06},
    {75.8779746582, 0.3102592528, 0.0001567537, 3.887e-07},
    {75.3801752326, 0.3248522315, 9.96222e-05, 1.3083e-06},
    {75.7838289768, 0.3140747965, 7.58862e-05, 2.2922e-06},
}};

constexpr Correlation kVapourEnthalpy = {{
    {171.09765853747, 0.10050763952772, -0.000211905405267, -6.2176896e-07},
    {165.977493850475, 0.143855670631513, -8.7217343257e-05, -3.88732143e-07, -1.22403e-10, 3.082e-12, 7.9e-14},
    {171.853838488564, 0.131290133564833, -0.000195359090291, -9.30350034e-07, -3.722937e-09, 7.4926e-11, -4.54e-13},
    {152.992972353721, 0.133582455768426, -0.000151898186394, -1.261891879e-06, -1.5110592e-08, 2.81103e-10, -1.59e-12},
}};

constexpr Correlation kLiquidDensity = {{
    {85.69294609, -0.1710772, 0.00060521, -3.3e-06},
    {84.3517129, -0.10393985, -0.00010249, -7.2e-07},
    {81.20185734, -0.11734253, -0.00013956, -9.7e-07},
    {75.77786165, -0.1178986, -3.482e-05, -2.63e-06},
}};

constexpr Correlation kLiquidViscosity = {{
    {0.666554823646985, -0.00523383001151238, 2.569930828592e-05, -6.265676081e-08},
    {0.833201498423662, -0.00620959634835983, 2.609809671286e-05, -6.865272849e-08},
    {0.802178695413577, -0.0061516001227446, 2.565773239294e-05, -6.753015048e-08},
    {0.749273338027606, -0.00583877748524506, 2.456501472569e-05, -6.889580643e-08},
}};

constexpr Correlation kVapourDensity = {{
    {0.727522185854436, 0.014460383912482, 0.000114429838796, 4.66544343e-07},
    {0.466316357877889, 0.010416248565628, 9.1258039758e-05, 4.12146969e-07, 1.201523e-09, -7e-12, 7.2e-14},
    {0.643511830747792, 0.013895365816364, 0.000115497000876, 5.8653812e-07, 3.366311e-09, -3.9462e-11, 2.68e-13},
    {1.05443638077622, 0.020792267412905, 0.000142503045097, 1.009367979e-06, 1.3664681e-08, -2.28027e-10, 1.259e-12},
}};

constexpr Correlation kVapourViscosity = {{
    {0.0260290473151498, 5.837298264397e-05, 1.1142113345e-07, 5.7888374e-10},
    {0.0244166108615, 5.15969317e-05, 2.63454e-08, 1.0326e-09},
    {0.0336719608073, 4.79998966e-05, 8.65982e-08, 2.3205e-09},
    {0.055012175232, -1.3519486e-05, 2.65581e-07, 5.6531e-09},
}};

constexpr Correlation kSaturationPressure = {{
    {38.89464267, 0.80861205, 0.00631261, 2.699e-05},
    {21.33176899, 0.49267428, 0.00438693, 2.451e-05},
    {34.49568256, 0.76484414, 0.00640585, 3.578e-05},
    {47.98132633, 0.96967915, 0.00725674, 3.266e-05},
}};

// Exponent of the isentropic compression, per refrigerant.
constexpr std::array<double, 4> kCompressionExponent = {0.1735537, 0.1189427, 0.1416309, 0.1352311};

constexpr Correlation kDischargeGasDensity = {{
    {6.7726475073252, -0.0313902322597, 8.1283472e-05, -7.34368e-08},
    {6.9465500547541, -0.0538254225369, 0.0001804583453, -1.072547e-07},
    {16.8010879644922, -0.2353377852951, 0.0014331855212, -2.9950062e-06},
    {35.457790239029, -0.5306171709515, 0.0031979517251, -6.6752149e-06},
}};

constexpr Correlation kDischargeGasViscosity = {{
    {-0.0144483305683415, 0.000600703594957276, -9.320508230209e-06, 7.36020105613e-08, -3.091875102e-10, 6.517526e-13,
     -5.352e-16},
    {0.000959571110915669, -1.3201882918526e-06, 8.3289735054e-09, 4.11055118e-11},
    {-0.0495967830991858, 0.00245530644841082, -4.90580621553289e-05, 5.168702926644e-07, -3.0265604511e-09,
     9.3442545e-12, -1.18883e-14},
    {0.000811837098315566, 1.7709653640843e-06},
}};

// R22's compression runs between pressures taken 2.5 psi above condensing
// and 4 psi below evaporating saturation (line losses of the original data).
constexpr double kR22CondensingAllowancePsi = 2.5;
constexpr double kR22EvaporatingAllowancePsi = 4.0;

}  // namespace

bool HasCorrelations(Refrigerant r) { return static_cast<std::size_t>(r) < std::tuple_size_v<Correlation>; }

double LiquidEnthalpy(Refrigerant r, double t) { return Evaluate(kLiquidEnthalpy, r, t); }
double VapourEnthalpy(Refrigerant r, double t) { return Evaluate(kVapourEnthalpy, r, t); }

double RefrigeratingEffect(Refrigerant r, double liquidF, double vapourF) {
  return VapourEnthalpy(r, vapourF) - LiquidEnthalpy(r, liquidF);
}

double LiquidDensity(Refrigerant r, double t) { return Evaluate(kLiquidDensity, r, t); }
double LiquidViscosity(Refrigerant r, double t) { return Evaluate(kLiquidViscosity, r, t); }
double VapourDensity(Refrigerant r, double t) { return Evaluate(kVapourDensity, r, t); }
double VapourViscosity(Refrigerant r, double t) { return Evaluate(kVapourViscosity, r, t); }
double SaturationPressure(Refrigerant r, double t) { return Evaluate(kSaturationPressure, r, t); }

double DischargeTemperature(Refrigerant r, double condensingF, double evaporatingF, double suctionGasF) {
  if (!HasCorrelations(r)) return kNotDescribed;
  double condensingPsia = SaturationPressure(r, condensingF);
  double evaporatingPsia = SaturationPressure(r, evaporatingF);
  if (r == Refrigerant::R22) {
    condensingPsia += kR22CondensingAllowancePsi;
    evaporatingPsia -= kR22EvaporatingAllowancePsi;
  }
  const double suctionK = KelvinFromFahrenheit(suctionGasF);
  const double dischargeK =
      suctionK * std::pow(condensingPsia / evaporatingPsia, kCompressionExponent[static_cast<std::size_t>(r)]);
  return FahrenheitFromKelvin(dischargeK);
}

double DischargeGasDensity(Refrigerant r, double condensingF, double evaporatingF, double suctionGasF) {
  return Evaluate(kDischargeGasDensity, r, DischargeTemperature(r, condensingF, evaporatingF, suctionGasF));
}

double DischargeGasViscosity(Refrigerant r, double dischargeF) {
  return Evaluate(kDischargeGasViscosity, r, dischargeF);
}

}  // namespace kestrin
