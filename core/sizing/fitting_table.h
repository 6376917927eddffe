#pragma once
// Equivalent lengths of the ten fitting types by tube size, and the two sums
// built from them: the fittings of a line and the traps of its riser.

#include <QString>

#include <array>

namespace kestrin {

inline constexpr int kFittingTypeCount = 10;

// Counts of fitting types 1..10, at index 0..9.
using FittingCounts = std::array<double, kFittingTypeCount>;

// Feet of straight tube that one fitting of `type` (1..10) costs at
// `sizeIndex` (1..11).
double FittingEquivalentLength(int type, int sizeIndex);
// Sum of count x equivalent length over the ten types, ft.
double FittingLength(const FittingCounts& counts, int sizeIndex);
// Equivalent length of the riser's oil traps, ft: none below 8.203 ft (2.5 m);
// from there 4.5 long radius elbows, and 6 elbows plus 1 ft more for each
// whole 19.68504 ft (6 m).
double RiserAllowance(double riserLengthFt, int sizeIndex);

// "Solenoid Valve :" .. "Sight Glass :", the captions of the fittings dialog.
QString FittingCaption(int type);
// The largest count the fittings dialog accepts for `type`: 5, 50 or 200.
int FittingCountLimit(int type);

}  // namespace kestrin
