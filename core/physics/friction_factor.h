#pragma once
// Darcy friction factor of the flow in a copper tube.

namespace kestrin {

// Absolute roughness of drawn copper tube: 1.5 micrometres, in feet.
inline constexpr double kRoughnessFt = 4.92125985e-6;
// At or below this Reynolds number the flow is laminar: f = 64 / Re.
inline constexpr double kLaminarLimit = 2000.0;

// Colebrook-White solved from the Swamee-Jain estimate by secant steps over a
// narrow bracket, in single precision as the program has always done it.
float FrictionFactor(double relativeRoughness, double reynolds);

// The program's Reynolds number: mass flow (lb/h) over viscosity (lb/(ft h))
// times inside diameter (ft), without the 4/pi of the textbook form.
double ReynoldsNumber(double massFlowLbPerHour, double viscosity, double diameterFt);
// The physical Reynolds number rho V D / mu = 4 m / (pi D mu), which the
// reference equations' viscosities are meant for.
double PhysicalReynoldsNumber(double massFlowLbPerHour, double viscosity, double diameterFt);
double RelativeRoughness(double diameterFt);
// The friction rule of every line: 64 / Re up to the laminar limit,
// FrictionFactor above it.
double DarcyFrictionFactor(double relativeRoughness, double reynolds);

}  // namespace kestrin
