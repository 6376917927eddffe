#pragma once
// kestrin-size --report OUT.pdf: the one-page results report of each project
// file, as the desktop program prints it, written as a PDF. --customer,
// --project and --note replace the file's own title texts.

#include "cli/size_options.h"
#include "cli/size_tool.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kestrin {

// Where the report of `projectPath` goes: `out` itself for a single file;
// with several files, one report each, named after its project file
// ("OUT-suction.pdf" for suction.kst).
QString ReportPathFor(const QString& out, const QString& projectPath, bool severalFiles);

// Why the reports of `files` cannot be written, before any is: two files
// whose reports would have the same name.
std::optional<QString> ReportPathClash(const QString& out, const QStringList& files);

// Writes the report of each sized file; the reason when one could not be
// written. Needs a GUI application for the fonts.
std::optional<QString> WriteReports(const std::vector<FileSizing>& sized, const ReportOptions& report);

}  // namespace kestrin
