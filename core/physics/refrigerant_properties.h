#pragma once
// Thermophysical properties of four refrigerants as polynomial
// correlations in temperature. IP units throughout: degrees F, Btu/lb,
// lb/ft3, lb/(ft h), psia. Each correlation is evaluated wherever it is
// asked, without clamping.

#include "core/physics/refrigerant.h"

namespace kestrin {

// Whether the correlations describe the refrigerant: the four first ones of
// the list. Every function below gives NaN for the others.
bool HasCorrelations(Refrigerant refrigerant);

double LiquidEnthalpy(Refrigerant refrigerant, double temperatureF);
double VapourEnthalpy(Refrigerant refrigerant, double temperatureF);
// Vapour enthalpy at `vapourF` minus liquid enthalpy at `liquidF`, Btu/lb.
double RefrigeratingEffect(Refrigerant refrigerant, double liquidF, double vapourF);
double LiquidDensity(Refrigerant refrigerant, double temperatureF);
double LiquidViscosity(Refrigerant refrigerant, double temperatureF);
double VapourDensity(Refrigerant refrigerant, double temperatureF);
double VapourViscosity(Refrigerant refrigerant, double temperatureF);
// Saturation pressure, psia.
double SaturationPressure(Refrigerant refrigerant, double temperatureF);

// Temperature at the end of an isentropic compression from the suction gas
// state to the condensing pressure, degrees F.
double DischargeTemperature(Refrigerant refrigerant, double condensingF, double evaporatingF, double suctionGasF);
// Discharge gas density at DischargeTemperature, lb/ft3.
double DischargeGasDensity(Refrigerant refrigerant, double condensingF, double evaporatingF, double suctionGasF);
// The viscosity that the discharge line's Reynolds number uses, at the
// discharge temperature.
double DischargeGasViscosity(Refrigerant refrigerant, double dischargeF);

}  // namespace kestrin
