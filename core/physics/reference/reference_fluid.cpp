#include "core/physics/reference/reference_fluid.h"

#include "core/physics/reference/blend_fluid.h"
#include "core/physics/reference/equation_fluid.h"
#include "core/physics/reference/fluid_data_file.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <map>
#include <memory>

namespace kestrin {

namespace {

const QString kResourceFolder = QStringLiteral(":/fluids");
const QString kEquationSuffix = QStringLiteral(".eos.json");
const QString kBlendsFile = QStringLiteral(":/fluids/blends.json");

struct Registry {
  QStringList names;
  std::map<QString, std::unique_ptr<ReferenceFluid>> fluids;
};

QByteArray ReadResource(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AddEquationFluids(Registry& registry) {
  for (const QString& file : QDir(kResourceFolder).entryList({QLatin1Char('*') + kEquationSuffix}, QDir::Files)) {
    const QString name = file.chopped(kEquationSuffix.size());
    QString error;
    std::optional<FluidEquation> eq =
        ParseFluidEquation(ReadResource(kResourceFolder + QLatin1Char('/') + file), &error);
    if (eq && eq->name != name) error = QStringLiteral("its \"fluid\" field names another fluid");
    std::unique_ptr<EquationFluid> fluid = eq && error.isEmpty() ? EquationFluid::Of(std::move(*eq), &error) : nullptr;
    if (!fluid) {
      qWarning("Fluid data file %s is unusable: %s", qPrintable(file), qPrintable(error));
      continue;
    }
    registry.names << name;
    registry.fluids.emplace(name, std::move(fluid));
  }
}

// Blends are made of the fluids already read, so they come after them.
void AddBlends(Registry& registry) {
  QString error;
  const std::optional<std::vector<BlendRecipe>> recipes = ParseBlendRecipes(ReadResource(kBlendsFile), &error);
  if (!recipes) {
    qWarning("The blends file is unusable: %s", qPrintable(error));
    return;
  }
  const auto component = [&registry](const QString& name) -> const ReferenceFluid* {
    const auto found = registry.fluids.find(name);
    return found == registry.fluids.end() ? nullptr : found->second.get();
  };
  for (const BlendRecipe& recipe : *recipes) {
    std::unique_ptr<BlendFluid> blend = BlendFluid::Of(recipe, component, &error);
    if (!blend) {
      qWarning("Blend %s is unusable: %s", qPrintable(recipe.name), qPrintable(error));
      continue;
    }
    registry.names << recipe.name;
    registry.fluids.emplace(recipe.name, std::move(blend));
  }
}

// Every fluid is read once, on first use, and kept for the program's life.
const Registry& TheRegistry() {
  static const Registry registry = [] {
    Registry fluids;
    AddEquationFluids(fluids);
    AddBlends(fluids);
    return fluids;
  }();
  return registry;
}

}  // namespace

QStringList ReferenceFluid::Names() { return TheRegistry().names; }

const ReferenceFluid* ReferenceFluid::Find(const QString& name) {
  const auto& fluids = TheRegistry().fluids;
  const auto found = fluids.find(name);
  return found == fluids.end() ? nullptr : found->second.get();
}

}  // namespace kestrin
