#pragma once
// The eleven copper tube sizes, smallest first: the order of the design
// search. A size index runs from 1 to 11.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

inline constexpr int kTubeSizeCount = 11;

// Outside diameter as the user sees it: "1/2" .. "3 5/8".
QString TubeName(int sizeIndex);
// Inside diameter, ft.
double TubeInsideDiameter(int sizeIndex);
// "Copper Tube Outside diameter (1 Nominal size)" and its kind.
QString TubeDescription(int sizeIndex);
// Exact match with one of the eleven names ("1/2" included).
std::optional<int> SizeIndexOf(const QString& name);
// The description of a size name; empty for a text that names no tube.
QString DescriptionOf(const QString& name);
// The sizes offered in checking mode: every size but "1/2".
QStringList CheckingTubeNames();

}  // namespace kestrin
