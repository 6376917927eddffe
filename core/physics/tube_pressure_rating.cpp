#include "core/physics/tube_pressure_rating.h"

#include "core/physics/tube_catalogue.h"

#include <array>

namespace kestrin {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Allowable stress of annealed copper in tension, psi, at 150 F and 250 F:
// the ASME B31 values that the Copper Development Association's tables are
// computed from (The Copper Tube Handbook, Tables 3a to 3c, column heads).
constexpr double kAllowableStress150Psi = 5100;
constexpr double kAllowableStress250Psi = 4800;

struct PublishedRating {
  double at150Psig;
  double at250Psig;
};
using RatingTable = std::array<PublishedRating, kTubeSizeCount>;

// Rated internal working pressure of annealed Type K tube, psig, by size
// "1/2" (3/8 nominal) .. "3 5/8": Copper Development Association, The Copper
// Tube Handbook (A4015-14/17), Table 3a. The 250 F column is the 150 F figure
// times the ratio of the allowable stresses (4800/5100), rounded down, which
// is how the handbook's columns relate.
constexpr RatingTable kTypeKAnnealed = {{
    {960, 903},
    {758, 713},
    {626, 589},
    {724, 681},
    {557, 524},
    {452, 425},
    {420, 395},
    {370, 348},
    {338, 318},
    {328, 308},
    {311, 292},
}};

// The same for annealed Type L tube (and ACR tube of the same walls): The
// Copper Tube Handbook, Table 3b.
constexpr RatingTable kTypeLAnnealed = {{
    {662, 623},
    {613, 576},
    {537, 505},
    {495, 465},
    {420, 395},
    {373, 351},
    {347, 326},
    {309, 290},
    {285, 268},
    {270, 254},
    {258, 242},
}};

// Tolerances of EN 12735-1:2020 by outside diameter, mm: Table 5 (mean
// outside diameter, plus or minus) and Table 6 (wall thickness, plus or
// minus, as a fraction of the nominal wall).
struct MetricTolerance {
  double outsideDiameterMm;
  double wallFraction;
};
constexpr std::array<MetricTolerance, kTubeSizeCount> kEN12735Tolerance = {{
    {0.04, 0.10},  // 12
    {0.04, 0.10},  // 15
    {0.04, 0.10},  // 18
    {0.05, 0.10},  // 22
    {0.05, 0.10},  // 28
    {0.06, 0.10},  // 35
    {0.06, 0.10},  // 42
    {0.06, 0.10},  // 54
    {0.07, 0.10},  // 64
    {0.07, 0.10},  // 76.1
    {0.10, 0.10},  // 88.9
}};

double AllowableStressPsi(RatingTemperature temperature) {
  return temperature == RatingTemperature::F150 ? kAllowableStress150Psi : kAllowableStress250Psi;
}

// The ASME B31 rule the handbook's tables come from, P = 2 S t / (D - 0.8 t),
// with the thinnest wall and the largest outside diameter the standard lets
// through.
double MetricRatingPsig(int sizeIndex, RatingTemperature temperature) {
  const MetricTolerance& tolerance = kEN12735Tolerance.at(static_cast<std::size_t>(sizeIndex - 1));
  const double wall = TubeWallIn(TubeSeries::EN12735, sizeIndex) * (1 - tolerance.wallFraction);
  const double outside =
      TubeOutsideDiameterIn(TubeSeries::EN12735, sizeIndex) + tolerance.outsideDiameterMm / kMillimetresPerInch;
  return 2 * AllowableStressPsi(temperature) * wall / (outside - 0.8 * wall);
}

}  // namespace

double RatingTemperatureF(RatingTemperature temperature) { return temperature == RatingTemperature::F150 ? 150 : 250; }

double RatedWorkingPressurePsig(TubeSeries series, int sizeIndex, RatingTemperature temperature) {
  if (series == TubeSeries::EN12735) return MetricRatingPsig(sizeIndex, temperature);
  const RatingTable& table = series == TubeSeries::TypeK ? kTypeKAnnealed : kTypeLAnnealed;
  const PublishedRating& rating = table.at(static_cast<std::size_t>(sizeIndex - 1));
  return temperature == RatingTemperature::F150 ? rating.at150Psig : rating.at250Psig;
}

}  // namespace kestrin
