#pragma once
// The whole of kestrin-size once its arguments are read: sizes each file,
// writes the results to the standard output and the problems to the error
// output, and writes the reports.

#include "cli/size_options.h"

#include <QTextStream>

namespace kestrin {

// Returns the exit status. --report needs a GUI application.
int RunSizeTool(const SizeToolOptions& options, QTextStream& out, QTextStream& err);

}  // namespace kestrin
