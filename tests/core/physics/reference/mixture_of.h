#pragma once
// The mixture model of the named components for a test; a model that cannot
// be made fails the test with the reason.

#include "core/physics/reference/mixture_model.h"

#include <stdexcept>
#include <vector>

namespace kestrin {

inline MixtureModel MixtureOf(const std::vector<const char*>& components) {
  QStringList names;
  for (const char* name : components) names << QString::fromLatin1(name);
  QString error;
  std::optional<MixtureModel> model = MixtureModel::Of(names, &error);
  if (!model) throw std::runtime_error(error.toStdString());
  return *model;
}

}  // namespace kestrin
