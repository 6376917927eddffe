#include "core/physics/tube_series.h"

namespace kestrin {

QString TubeSeriesTitle(TubeSeries series) {
  switch (series) {
    case TubeSeries::TypeK: return QStringLiteral("Type K");
    case TubeSeries::TypeL: return QStringLiteral("Type L");
    case TubeSeries::EN12735: return QStringLiteral("EN 12735-1");
  }
  return {};
}

QString TubeSeriesCode(TubeSeries series) {
  switch (series) {
    case TubeSeries::TypeK: return QStringLiteral("K");
    case TubeSeries::TypeL: return QStringLiteral("L");
    case TubeSeries::EN12735: return QStringLiteral("EN12735-1");
  }
  return {};
}

std::optional<TubeSeries> TubeSeriesFromCode(const QString& code) {
  for (const TubeSeries series : kTubeSeries)
    if (code == TubeSeriesCode(series)) return series;
  return std::nullopt;
}

}  // namespace kestrin
