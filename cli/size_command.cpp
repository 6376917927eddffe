#include "cli/size_command.h"

#include "cli/capacity_output.h"
#include "cli/report_output.h"
#include "cli/saturation_output.h"
#include "cli/size_tool.h"
#include "core/project/legacy_encoding.h"

#include <QDir>

#include <algorithm>
#include <vector>

namespace kestrin {
namespace {

const QString kProgram = QStringLiteral("kestrin-size");

FileSizing SizeProjectFile(const QString& path, const SizeToolOptions& options) {
  const Outcome<ProjectData> project = ReadProjectFile(path, options.encoding.value_or(LegacyEncodingName()));
  if (!project.ok()) {
    FileSizing sizing;
    sizing.path = path;
    sizing.fileProblem = project.refusal();
    sizing.propertySource = options.propertySource;
    return sizing;
  }
  ProjectData opened = project.value();
  if (options.tubes) opened.tubes.series = *options.tubes;
  if (options.climate) opened.tubes.climate = *options.climate;
  return SizeProject(path, opened, options.minimumCapacity, options.locale, options.propertySource);
}

void Tell(QTextStream& err, const QString& message) { err << kProgram << ": " << message << '\n'; }

}  // namespace

int RunSizeTool(const SizeToolOptions& options, QTextStream& out, QTextStream& err) {
  if (options.help) {
    out << SizeToolHelp();
    out.flush();
    return kExitSized;
  }
  if (options.version) {
    out << kProgram << ' ' << QStringLiteral(KESTRIN_VERSION) << '\n';
    out.flush();
    return kExitSized;
  }
  if (options.capacityTable) {
    const CapacityTable table = LineCapacityTable(*options.capacityTable);
    out << (options.json ? CapacityJson(table) : CapacityText(table));
    out.flush();
    return kExitSized;
  }
  if (options.fluid) {
    const SaturationTable table = SaturationTableOf(*options.fluid, options.propertySource);
    out << (options.json ? SaturationJson(table) : SaturationText(table));
    out.flush();
    return kExitSized;
  }
  if (options.report) {
    if (const auto clash = ReportPathClash(options.report->path, options.files)) {
      Tell(err, *clash);
      err.flush();
      return kExitUnusable;
    }
  }

  int status = kExitSized;
  std::vector<FileSizing> sized;
  bool first = true;
  for (const QString& path : options.files) {
    FileSizing sizing = SizeProjectFile(path, options);
    if (sizing.fileProblem) Tell(err, sizing.fileProblem->message);
    for (const QString& warning : sizing.warnings)
      Tell(err, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), warning));
    if (options.json) {
      out << SizingJson(sizing, options.minimumCapacity.has_value()) << '\n';
    } else if (!sizing.fileProblem) {
      if (!first) out << '\n';
      first = false;
      out << SizingText(sizing);
    }
    out.flush();
    err.flush();
    status = std::max(status, sizing.exitStatus());
    if (options.report) sized.push_back(std::move(sizing));
  }
  if (options.report) {
    if (const auto problem = WriteReports(sized, *options.report)) {
      Tell(err, *problem);
      status = kExitUnusable;
    }
  }
  err.flush();
  return status;
}

}  // namespace kestrin
