#include "core/sizing/fitting_table.h"

#include "core/physics/tube_catalogue.h"

#include <cmath>

namespace kestrin {
namespace {

struct FittingType {
  const char16_t* caption;
  int countLimit;
  std::array<double, kTubeSizeCount> equivalentFt;  // "1/2" .. "3 5/8"
};

constexpr std::array<FittingType, kFittingTypeCount> kFittings = {{
    {u"Solenoid Valve :", 5, {9, 12, 14, 15, 22, 28, 35, 45, 51, 65, 80}},
    {u"Globe Valve :", 50, {9, 12, 14, 15, 22, 28, 35, 45, 51, 65, 80}},
    {u"Angle Valve :", 50, {5, 6, 7, 8, 12, 15, 17, 22, 26, 34, 40}},
    {u"Check Valve :", 5, {5, 6, 7, 8, 12, 15, 17, 22, 26, 34, 40}},
    {u"90 Short Radius Elbow :", 200, {1.4, 1.5, 1.9, 2.3, 2.7, 3.6, 4.2, 5.9, 6.9, 7.7, 9.8}},
    {u"90 Long Radius Elbow :", 200, {0.9, 1, 1.3, 1.5, 1.8, 2.4, 2.8, 3.9, 4.6, 5.5, 6.5}},
    {u"45 Elbow :", 200, {0.4, 0.5, 0.6, 0.7, 0.9, 1.2, 1.4, 1.8, 2.2, 2.7, 3}},
    {u"Tee Line Flow :", 200, {0.6, 0.8, 0.9, 1, 1.5, 1.8, 2, 3, 3.5, 4.5, 5}},
    {u"Tee Branch Flow :", 200, {2, 2.5, 3, 3.5, 4.5, 6, 7, 10, 12, 15, 17}},
    {u"Sight Glass :", 5, {0.6, 0.8, 0.9, 1, 1.5, 1.8, 2, 3, 3.5, 4.5, 5}},
}};

const FittingType& Fitting(int type) { return kFittings.at(static_cast<std::size_t>(type - 1)); }

// The riser's traps are counted in 90 degree long radius elbows.
constexpr int kTrapElbowType = 6;
constexpr double kTrapThresholdFt = 8.203;   // 2.5 m
constexpr double kTrapSpacingFt = 19.68504;  // 6 m
constexpr double kFirstTrapElbows = 4.5;
constexpr double kFurtherTrapElbows = 6.0;
constexpr double kFurtherTrapExtraFt = 1.0;

}  // namespace

double FittingEquivalentLength(int type, int sizeIndex) {
  return Fitting(type).equivalentFt.at(static_cast<std::size_t>(sizeIndex - 1));
}

double FittingLength(const FittingCounts& counts, int sizeIndex) {
  double length = 0;
  for (int type = 1; type <= kFittingTypeCount; ++type)
    length += counts[static_cast<std::size_t>(type - 1)] * FittingEquivalentLength(type, sizeIndex);
  return length;
}

double RiserAllowance(double riserLengthFt, int sizeIndex) {
  if (!(riserLengthFt >= kTrapThresholdFt)) return 0;
  const double elbow = FittingEquivalentLength(kTrapElbowType, sizeIndex);
  return kFirstTrapElbows * elbow +
         std::floor(riserLengthFt / kTrapSpacingFt) * (kFurtherTrapElbows * elbow + kFurtherTrapExtraFt);
}

QString FittingCaption(int type) { return QString::fromUtf16(Fitting(type).caption); }
int FittingCountLimit(int type) { return Fitting(type).countLimit; }

}  // namespace kestrin
