#pragma once
// The eleven copper tube sizes of each tube series, smallest first: the order
// of the design search. A size index runs from 1 to 11; the same index is the
// same place in every series (a metric size stands where the inch size
// nearest to it in outside diameter stands), so the fitting lengths and the
// oil-return velocities, tabulated by inch size, serve every series.

#include "core/physics/tube_series.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

inline constexpr int kTubeSizeCount = 11;

// The size as the user sees it: "1/2" .. "3 5/8" in the inch series,
// "12 mm" .. "88.9 mm" in the metric one.
QString TubeName(TubeSeries series, int sizeIndex);
// Inside diameter, ft.
double TubeInsideDiameter(TubeSeries series, int sizeIndex);
// Outside diameter and nominal wall, inches.
double TubeOutsideDiameterIn(TubeSeries series, int sizeIndex);
double TubeWallIn(TubeSeries series, int sizeIndex);
// "Copper Tube Outside diameter (1 Nominal size)" and its kind.
QString TubeDescription(TubeSeries series, int sizeIndex);
// Exact match with one of the series' eleven names.
std::optional<int> SizeIndexOf(TubeSeries series, const QString& name);
// The description of a size name; empty for a text that names no tube.
QString DescriptionOf(TubeSeries series, const QString& name);
// The sizes offered in checking mode: every Type K size but "1/2", as the
// program has always offered them; every size of the other series.
QStringList CheckingTubeNames(TubeSeries series);

}  // namespace kestrin
