#pragma once
// kestrin-size --report OUT.pdf: the one-page results report of a project
// file, as the desktop program prints it, written as a PDF. --customer,
// --project and --note replace the file's own title texts.

#include "cli/size_tool.h"

#include <vector>

namespace kestrin {

// The options --report, --customer, --project and --note.
std::vector<ExtraOutput> ReportOutputs();

// Where the report of `projectPath` goes: `out` itself for a single file;
// with several files, one report each, named after its project file
// ("OUT-suction.pdf" for suction.kst).
QString ReportPathFor(const QString& out, const QString& projectPath, bool severalFiles);

}  // namespace kestrin
