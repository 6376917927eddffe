#pragma once
// The copper tube series a project is sized in. Type K is the catalogue the
// program has always sized with; Type L (the walls of drawn ACR tube) is what
// most North American installers buy; EN 12735-1 is the metric refrigeration
// tube of Europe, the Middle East and Asia. Every series has eleven sizes in
// the same order, so a size index means the same place in each.

#include <QString>

#include <array>
#include <optional>

namespace kestrin {

enum class TubeSeries { TypeK, TypeL, EN12735 };
inline constexpr std::array kTubeSeries = {TubeSeries::TypeK, TubeSeries::TypeL, TubeSeries::EN12735};

// "Type K", "Type L", "EN 12735-1": as the windows, the report and
// kestrin-size name the series.
QString TubeSeriesTitle(TubeSeries series);
// "K", "L", "EN12735-1": as a project file and kestrin-size's --tubes write it.
QString TubeSeriesCode(TubeSeries series);
// Exact match with one of the codes.
std::optional<TubeSeries> TubeSeriesFromCode(const QString& code);

}  // namespace kestrin
