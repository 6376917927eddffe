#pragma once
// The command line of kestrin-size, read with Qt's own parser.

#include "core/outcome.h"
#include "core/physics/property_source.h"
#include "core/physics/refrigerant.h"
#include "core/physics/tube_series.h"
#include "core/sizing/capacity_table.h"
#include "core/sizing/design_climate.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

struct ReportOptions {
  QString path;  // --report OUT.pdf
  // Replace the file's own title texts; an empty text blanks it.
  std::optional<QString> customer;
  std::optional<QString> project;
  std::optional<QString> note;
};

struct SizeToolOptions {
  bool help = false;
  bool version = false;
  bool json = false;
  std::optional<QString> minimumCapacity;
  // For the refrigerants that have correlations.
  PropertySource propertySource = PropertySource::Correlations;
  // --fluid NAME: print the refrigerant's saturation table instead of sizing.
  std::optional<Refrigerant> fluid;
  // --capacity-table with --fluid and --line: print the line capacity table
  // of these conditions instead.
  std::optional<CapacityConditions> capacityTable;
  std::optional<ReportOptions> report;
  // --tubes and --climate: the tube series and design climate, instead of
  // each file's own (the capacity table takes the series).
  std::optional<TubeSeries> tubes;
  std::optional<DesignClimate> climate;
  std::optional<QString> encoding;  // of project files that are not UTF-8
  QLocale locale;                   // of the numbers in the files
  QStringList files;
};

// The arguments after the program name, or the usage error.
Outcome<SizeToolOptions> ParseSizeToolArguments(const QStringList& arguments);
QString SizeToolHelp();

// Whether the arguments ask for a drawing (the report), so that main() makes
// a GUI application only then.
bool ArgumentsNeedDrawing(const QStringList& arguments);

}  // namespace kestrin
