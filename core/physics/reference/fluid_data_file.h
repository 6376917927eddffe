#pragma once
// Reading a fluid's equation-of-state data file (data/fluids/<Name>.eos.json).

#include "core/physics/reference/fluid_equation.h"
#include "core/physics/reference/json_field_reader.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrin {

// The equation in the file's text; none, with the reason in `error`, for a
// file that is not valid JSON, lacks a field, has a number out of range or
// arrays of unequal length.
std::optional<FluidEquation> ParseFluidEquation(const QByteArray& json, QString* error);

// The residual terms of `o` (families "polynomial", "exponential" and
// "gaussian", as in a fluid's "residual" block) appended to `terms`; a
// mixture's departure functions are written the same way.
void ReadResidualTerms(FieldReader& reader, const QJsonObject& o, ResidualTerms& terms);

}  // namespace kestrin
