#pragma once
// The three lines, by the texts of the line list.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

enum class LineType { Suction, Discharge, Liquid };

// "Discharge", "Liquid", "Suction": the order of the line list.
QStringList LineNames();
QString LineName(LineType line);
std::optional<LineType> LineTypeFromName(const QString& name);

}  // namespace kestrin
