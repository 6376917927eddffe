// kestrin-size: everything but the arguments and the standard streams lives
// in the tool's library.

#include "cli/size_tool.h"

#include <QStringList>
#include <QTextStream>

#ifdef KESTRIN_REPORT_OUTPUT
#include "cli/report_output.h"
#endif

#include <cstdio>

int main(int argc, char* argv[]) {
  std::vector<kestrin::ExtraOutput> extras;
#ifdef KESTRIN_REPORT_OUTPUT
  extras = kestrin::ReportOutputs();
#endif
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments += QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return kestrin::RunSizeTool(arguments, out, err, extras);
}
