#include "core/sizing/capacity_table.h"

#include "core/messages.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/line_readings.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/saturation_curve_of.h"

#include <cmath>

namespace kestrin {
namespace {

constexpr CapacityColumns kColumnsIP = {-40, -20, 0, 20, 40};
constexpr CapacityColumns kColumnsC = {-40, -30, -20, -5, 5};
constexpr double kReferenceLengthIPFt = 100;

// The printed tables' conditions, as shown in each unit system.
constexpr double kDefaultCondensingF = 105;
constexpr double kDefaultCondensingC = 40;
constexpr double kDefaultSuctionDropF = 2;     // per 100 ft
constexpr double kDefaultOtherDropF = 1;       // per 100 ft
constexpr double kDefaultSuctionDropK = 0.04;  // per m
constexpr double kDefaultOtherDropK = 0.02;    // per m

// The condensing temperatures the main window accepts.
constexpr double kLowestCondensingF = 80;
constexpr double kHighestCondensingF = 150;
constexpr double kLowestCondensingC = 25;
constexpr double kHighestCondensingC = 65;

// Half the step of the central difference that gives the curve's slope, F.
constexpr double kSlopeStepF = 0.05;

// The search runs between these capacities and stops when the drop is met
// this closely or the bracket is this narrow, both relative. The friction
// factor is a single-precision number, so the drop moves in steps of about
// 1e-7 of itself: a cell is solved when its drop is within kSolvedDrop.
constexpr double kLowestTons = 1e-4;
constexpr double kHighestTons = 1e5;
constexpr double kBracketGrowth = 4;
constexpr double kDropTolerance = 1e-10;
constexpr double kBracketTolerance = 1e-12;
constexpr double kSolvedDrop = 1e-6;
constexpr int kMostSteps = 200;

// The cell whose drop exponent the table reports: 1 3/8 (or its metric
// neighbour) at the middle evaporating temperature.
constexpr int kExponentSizeIndex = 6;
constexpr std::size_t kExponentColumn = kCapacityColumnCount / 2;

Refusal Problem(CapacityProblem problem, DesignField field = DesignField::None,
                RefusalReason reason = RefusalReason::NoFlow) {
  return Refusal{CapacityProblemMessage(problem), field, reason};
}

// The engine's mass flow is the capacity over the refrigerating effect, so
// the flow of any capacity is the flow of one ton scaled; the properties
// stay those of the temperatures.
FluidState Scaled(const FluidState& perTon, double capacityTons) {
  FluidState flow = perTon;
  flow.massFlowLbPerHour = perTon.massFlowLbPerHour * capacityTons;
  return flow;
}

// A point of the search: ln(capacity) and ln(drop / target).
struct SearchPoint {
  double x = 0;
  double y = 0;
};

class CapacitySearch {
 public:
  CapacitySearch(const DesignCase& line, const FluidState& perTon, int sizeIndex, double targetPsi)
      : line_(line), perTon_(perTon), sizeIndex_(sizeIndex), target_(targetPsi) {}

  // The capacity whose drop is nearest the target, or none when no
  // capacity within the search's limits brackets it.
  std::optional<double> Solve() {
    if (!Bracket()) return std::nullopt;
    SearchPoint best = std::abs(low_.y) < std::abs(high_.y) ? low_ : high_;
    int sideKept = 0;  // +1 when the low end stayed twice in a row, -1 the high end
    for (int step = 0; step < kMostSteps; ++step) {
      if (std::abs(best.y) <= kDropTolerance || high_.x - low_.x <= kBracketTolerance) break;
      // Regula falsi on the logarithms, where the drop is nearly a power of
      // the capacity; the Illinois halving keeps one end from sticking.
      double x = low_.x - low_.y * (high_.x - low_.x) / (high_.y - low_.y);
      if (!(x > low_.x && x < high_.x)) x = 0.5 * (low_.x + high_.x);
      const SearchPoint point = At(x);
      if (std::abs(point.y) < std::abs(best.y)) best = point;
      if (point.y < 0) {
        low_ = point;
        if (sideKept == -1) high_.y *= 0.5;
        sideKept = -1;
      } else {
        high_ = point;
        if (sideKept == 1) low_.y *= 0.5;
        sideKept = 1;
      }
    }
    return std::exp(best.x);
  }

 private:
  SearchPoint At(double x) const {
    const double drop = EvaluateSize(line_, Scaled(perTon_, std::exp(x)), sizeIndex_).pressureDropPsi;
    return {x, std::log(drop / target_)};
  }

  // The drop grows with the capacity: from one ton, widen until the target
  // lies between a capacity below it and one above.
  bool Bracket() {
    low_ = high_ = At(0);
    while (high_.y < 0) {
      low_ = high_;
      if (std::exp(high_.x) >= kHighestTons) return false;
      high_ = At(high_.x + std::log(kBracketGrowth));
    }
    while (low_.y > 0) {
      high_ = low_;
      if (std::exp(low_.x) <= kLowestTons) return false;
      low_ = At(low_.x - std::log(kBracketGrowth));
    }
    return std::isfinite(low_.y) && std::isfinite(high_.y);
  }

  const DesignCase& line_;
  FluidState perTon_;
  int sizeIndex_;
  double target_;
  SearchPoint low_;
  SearchPoint high_;
};

Outcome<CapacityCell> SolveWithFlow(const DesignCase& straightLine, const FluidState& perTon, int sizeIndex,
                                    double targetPsi) {
  const std::optional<double> tons = CapacitySearch(straightLine, perTon, sizeIndex, targetPsi).Solve();
  if (!tons) return Problem(CapacityProblem::OutOfReach);
  const LineEvaluation solved = EvaluateSize(straightLine, Scaled(perTon, *tons), sizeIndex);
  if (std::abs(solved.pressureDropPsi / targetPsi - 1) > kSolvedDrop) return Problem(CapacityProblem::LaminarJump);

  CapacityCell cell;
  cell.capacityTons = *tons;
  cell.velocityFps = solved.velocityFps;
  cell.pressureDropPsi = solved.pressureDropPsi;
  if (const std::optional<OilReturn> oil = JudgeOilReturn(straightLine.line, sizeIndex, solved.velocityFps))
    cell.oilReturnOk = oil->ok;
  return cell;
}

// What every size of one column shares: the straight line at its
// evaporating temperature, the flow of one ton and the target drop; or why
// the whole column stays empty.
struct Column {
  DesignCase straightLine;
  std::optional<Refusal> problem;
  FluidState perTon;
  double targetPsi = 0;
};

Column ColumnOf(const CapacityConditions& conditions, double evaporatingF) {
  Column column;
  column.straightLine = CapacityDesignCase(conditions, evaporatingF);
  if (evaporatingF >= conditions.condensingF) {
    column.problem = Problem(CapacityProblem::EvaporatingNotBelowCondensing);
    return column;
  }
  const Outcome<FluidState> perTon = FlowOf(ProfileOf(conditions.line), column.straightLine, 1);
  if (!perTon.ok()) {
    column.problem = perTon.refusal();
    return column;
  }
  const Outcome<double> target = TargetDropPsi(conditions, evaporatingF);
  if (!target.ok()) {
    column.problem = target.refusal();
    return column;
  }
  column.perTon = perTon.value();
  column.targetPsi = target.value();
  return column;
}

Outcome<CapacityCell> SolveInColumn(const Column& column, int sizeIndex, double dropScale = 1) {
  if (column.problem) return *column.problem;
  return SolveWithFlow(column.straightLine, column.perTon, sizeIndex, column.targetPsi * dropScale);
}

std::optional<double> DropExponent(const Column& column, const Outcome<CapacityCell>& cell) {
  if (!cell.ok()) return std::nullopt;
  const Outcome<CapacityCell> doubled = SolveInColumn(column, kExponentSizeIndex, 2);
  if (!doubled.ok()) return std::nullopt;
  return std::log2(doubled.value().capacityTons / cell.value().capacityTons);
}

}  // namespace

CapacityColumns CapacityColumnsF(UnitSystem unit) {
  if (unit == UnitSystem::IP) return kColumnsIP;
  CapacityColumns columns{};
  for (std::size_t i = 0; i < columns.size(); ++i) columns[i] = CelsiusToFahrenheit(kColumnsC[i]);
  return columns;
}

double ReferenceLengthFt(UnitSystem unit) { return unit == UnitSystem::IP ? kReferenceLengthIPFt : kMetresToFeet; }

CapacityInputs DefaultCapacityInputs(LineType line, UnitSystem unit) {
  const bool suction = line == LineType::Suction;
  if (unit == UnitSystem::IP) return {kDefaultCondensingF, 0, 0, suction ? kDefaultSuctionDropF : kDefaultOtherDropF};
  return {kDefaultCondensingC, 0, 0, suction ? kDefaultSuctionDropK : kDefaultOtherDropK};
}

Outcome<CapacityConditions> CapacityConditionsOf(Refrigerant refrigerant, PropertySource properties, LineType line,
                                                 TubeSeries series, UnitSystem unit, const CapacityInputs& inputs) {
  const bool ip = unit == UnitSystem::IP;
  if (inputs.condensing < (ip ? kLowestCondensingF : kLowestCondensingC) ||
      inputs.condensing > (ip ? kHighestCondensingF : kHighestCondensingC))
    return Refusal{MessageText(ip ? Message::CondensingRangeIP : Message::CondensingRangeSI), DesignField::Condensing,
                   RefusalReason::OutOfRange};
  if (inputs.superheat < 0)
    return Problem(CapacityProblem::NegativeSuperheat, DesignField::Superheat, RefusalReason::OutOfRange);
  if (inputs.subcool < 0)
    return Problem(CapacityProblem::NegativeSubcool, DesignField::Subcool, RefusalReason::OutOfRange);
  if (!(inputs.drop > 0))
    return Problem(CapacityProblem::DropNotPositive, DesignField::None, RefusalReason::OutOfRange);

  const double difference = ip ? 1 : kCelsiusDifferenceToFahrenheit;
  CapacityConditions c;
  c.refrigerant = refrigerant;
  c.properties = properties;
  c.line = line;
  c.series = series;
  c.unit = unit;
  c.condensingF = ip ? inputs.condensing : CelsiusToFahrenheit(inputs.condensing);
  c.superheatF = inputs.superheat * difference;
  c.subcoolF = inputs.subcool * difference;
  c.dropF = inputs.drop * difference;
  return c;
}

DesignCase CapacityDesignCase(const CapacityConditions& conditions, double evaporatingF) {
  DesignCase c;
  c.refrigerant = conditions.refrigerant;
  c.line = conditions.line;
  c.evaporatingF = evaporatingF;
  c.condensingF = conditions.condensingF;
  c.superheatF = conditions.superheatF;
  c.subcoolF = conditions.subcoolF;
  c.totalLengthFt = ReferenceLengthFt(conditions.unit);
  c.properties = PropertySourceFor(conditions.refrigerant, conditions.properties);
  c.tubes.series = conditions.series;
  return c;
}

Outcome<double> TargetDropPsi(const CapacityConditions& conditions, double evaporatingF) {
  const DesignCase line = CapacityDesignCase(conditions, evaporatingF);
  const std::unique_ptr<const SaturationCurve> curve = SaturationCurveOf(line, conditions.line);
  // The liquid line's saturation is the bubble point of the condensing
  // pressure, below the condensing temperature by a blend's glide.
  const double t = conditions.line == LineType::Suction  ? evaporatingF
                   : conditions.line == LineType::Liquid ? curve->CondenserLiquidF(conditions.condensingF)
                                                         : conditions.condensingF;
  const double slope =
      (curve->PressurePsia(t + kSlopeStepF) - curve->PressurePsia(t - kSlopeStepF)) / (2 * kSlopeStepF);
  if (!std::isfinite(slope) || slope <= 0) return Problem(CapacityProblem::NoSaturationSlope);
  return conditions.dropF * slope;
}

CapacityTable LineCapacityTable(const CapacityConditions& conditions) {
  CapacityTable table;
  table.conditions = conditions;
  table.evaporatingF = CapacityColumnsF(conditions.unit);
  std::vector<Column> columns;
  for (const double et : table.evaporatingF) columns.push_back(ColumnOf(conditions, et));
  for (int size = 1; size <= kTubeSizeCount; ++size) {
    CapacityRow row;
    row.sizeIndex = size;
    for (const Column& column : columns) row.cells.push_back(SolveInColumn(column, size));
    table.rows.push_back(std::move(row));
  }
  table.dropExponent =
      DropExponent(columns[kExponentColumn], table.rows[kExponentSizeIndex - 1].cells[kExponentColumn]);
  return table;
}

}  // namespace kestrin
