#include "core/physics/reference/phase_envelope.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrin {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The trace starts where every blend boils and Raoult's law starts both
// points well (-43 C), in steps of this size, halved whenever the next
// points do not solve, down to the finest: the top is known to that.
constexpr double kColdEndK = 230;
constexpr double kFirstStepK = 2;
constexpr double kFinestStepK = 1e-3;
// No blend of refrigerants keeps two phases this hot: a trace that got
// here would not be ending at a critical point.
constexpr double kHottestK = 600;
// A start is offered this far above the top too: a dew line may run on a
// little beyond where the bubble line ends.
constexpr double kBeyondTopK = 1;

// The point a fraction `w` of the way from a to b (beyond b for w > 1):
// temperature linear, pressure and densities in their logarithms,
// fractions linear and renormalised. None when a fraction would not be
// positive.
std::optional<MixtureSaturation> Between(const MixtureSaturation& a, const MixtureSaturation& b, double w) {
  const auto logLinear = [w](double from, double to) { return from * std::exp(w * std::log(to / from)); };
  MixtureSaturation s;
  s.temperatureK = a.temperatureK + w * (b.temperatureK - a.temperatureK);
  s.pressurePa = logLinear(a.pressurePa, b.pressurePa);
  s.liquidMolarDensity = logLinear(a.liquidMolarDensity, b.liquidMolarDensity);
  s.vapourMolarDensity = logLinear(a.vapourMolarDensity, b.vapourMolarDensity);
  const auto fractions = [w](const Amounts& from, const Amounts& to, Amounts& out) {
    double sum = 0;
    for (std::size_t i = 0; i < from.size(); ++i) {
      out[i] = from[i] + w * (to[i] - from[i]);
      if (from[i] > 0 && !(out[i] > 0)) return false;
      sum += out[i];
    }
    for (double& fraction : out) fraction /= sum;
    return true;
  };
  if (!fractions(a.liquid, b.liquid, s.liquid) || !fractions(a.vapour, b.vapour, s.vapour)) return std::nullopt;
  return s;
}

// The start for the next point of a line at T: straight on from its last
// two points, or the last one as it is.
MixtureSaturation NextStart(const std::vector<MixtureSaturation>& line, double temperatureK) {
  const MixtureSaturation& last = line.back();
  if (line.size() < 2) return last;
  const MixtureSaturation& before = line[line.size() - 2];
  const double w = (temperatureK - before.temperatureK) / (last.temperatureK - before.temperatureK);
  return Between(before, last, w).value_or(last);
}

// The starts on a line at the value `of` a point takes: between the traced
// points either side, then each of them as it is (close to the critical
// point, where a line bends sharply, one of them may lead where the
// interpolation does not); the last point alone a little beyond the end.
// `of` rises along the first `count` points.
template <typename Of>
std::vector<MixtureSaturation> StartsOn(const std::vector<MixtureSaturation>& line, std::size_t count, double value,
                                        Of of, double beyondEnd) {
  if (count == 0 || !(value >= of(line.front())) || !(value <= beyondEnd)) return {};
  const auto end = line.begin() + static_cast<std::ptrdiff_t>(count);
  const auto above =
      std::upper_bound(line.begin(), end, value, [&of](double v, const MixtureSaturation& s) { return v < of(s); });
  if (above == end) return {*(end - 1)};
  const MixtureSaturation& a = *(above - 1);
  const MixtureSaturation& b = *above;
  std::vector<MixtureSaturation> starts;
  if (const auto between = Between(a, b, (value - of(a)) / (of(b) - of(a)))) starts.push_back(*between);
  const bool nearerA = value - of(a) <= of(b) - value;
  starts.push_back(nearerA ? a : b);
  starts.push_back(nearerA ? b : a);
  return starts;
}

// How far apart a point's two phases are.
double PhaseGap(const MixtureSaturation& s) { return std::log(s.liquidMolarDensity / s.vapourMolarDensity); }

}  // namespace

PhaseEnvelope PhaseEnvelope::Trace(const MixtureModel& model, const Amounts& x) {
  PhaseEnvelope envelope;
  const std::optional<MixtureSaturation> bubble = SaturationAtTemperature(model, SaturationPoint::Bubble, kColdEndK, x);
  const std::optional<MixtureSaturation> dew = SaturationAtTemperature(model, SaturationPoint::Dew, kColdEndK, x);
  if (!bubble || !dew) return envelope;
  envelope.bubble_.push_back(*bubble);
  envelope.dew_.push_back(*dew);
  double step = kFirstStepK;
  while (step >= kFinestStepK) {
    const double next = envelope.bubble_.back().temperatureK + step;
    if (next > kHottestK) return PhaseEnvelope{};
    const std::optional<MixtureSaturation> nextBubble =
        SaturationAtTemperatureFrom(model, SaturationPoint::Bubble, next, x, NextStart(envelope.bubble_, next));
    const std::optional<MixtureSaturation> nextDew =
        nextBubble ? SaturationAtTemperatureFrom(model, SaturationPoint::Dew, next, x, NextStart(envelope.dew_, next))
                   : std::nullopt;
    if (nextBubble && nextDew) {
      envelope.bubble_.push_back(*nextBubble);
      envelope.dew_.push_back(*nextDew);
    } else {
      step /= 2;
    }
  }
  return envelope;
}

double PhaseEnvelope::TopTemperatureK() const { return Empty() ? kNaN : bubble_.back().temperatureK; }

double PhaseEnvelope::TopPressurePa() const {
  if (Empty()) return kNaN;
  return PhaseGap(bubble_.back()) <= PhaseGap(dew_.back()) ? bubble_.back().pressurePa : dew_.back().pressurePa;
}

std::vector<MixtureSaturation> PhaseEnvelope::StartsAtTemperature(SaturationPoint point, double temperatureK) const {
  const std::vector<MixtureSaturation>& line = Line(point);
  return StartsOn(
      line, line.size(), temperatureK, [](const MixtureSaturation& s) { return s.temperatureK; },
      TopTemperatureK() + kBeyondTopK);
}

// Along the part of the line where the pressure rises: near the critical
// point a bubble line's pressure passes its highest a little before the end.
std::vector<MixtureSaturation> PhaseEnvelope::StartsAtPressure(SaturationPoint point, double pressurePa) const {
  const std::vector<MixtureSaturation>& line = Line(point);
  if (line.empty()) return {};
  const auto highest = std::max_element(line.begin(), line.end(),
                                        [](const auto& a, const auto& b) { return a.pressurePa < b.pressurePa; });
  return StartsOn(
      line, static_cast<std::size_t>(highest - line.begin()) + 1, std::log(pressurePa),
      [](const MixtureSaturation& s) { return std::log(s.pressurePa); }, std::log(highest->pressurePa));
}

}  // namespace kestrin
