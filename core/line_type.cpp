#include "core/line_type.h"

namespace kestrin {

QStringList LineNames() { return {QStringLiteral("Discharge"), QStringLiteral("Liquid"), QStringLiteral("Suction")}; }

QString LineName(LineType line) {
  switch (line) {
    case LineType::Suction: return QStringLiteral("Suction");
    case LineType::Discharge: return QStringLiteral("Discharge");
    case LineType::Liquid: return QStringLiteral("Liquid");
  }
  return {};
}

std::optional<LineType> LineTypeFromName(const QString& name) {
  for (LineType line : {LineType::Suction, LineType::Discharge, LineType::Liquid})
    if (name == LineName(line)) return line;
  return std::nullopt;
}

}  // namespace kestrin
