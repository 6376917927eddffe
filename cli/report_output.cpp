#include "cli/report_output.h"

#include "core/report/report_model.h"
#include "drawing/report_pdf.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <map>

namespace kestrin {
namespace {

// The report reads what the desktop program would show after opening the
// file, pressing "Calculate" and, with a minimum capacity, accepting the
// part-load riser.
ReportInputs InputsOf(const FileSizing& sizing, const ReportOptions& report) {
  const ProjectData& project = *sizing.project;
  SessionState state;
  state.unit = sizing.unit;
  state.mode = sizing.mode;
  state.propertySource = sizing.propertySource;
  state.fittingCounts = project.fittingCounts;
  state.customer = report.customer ? report.customer : project.customer;
  state.project = report.project ? report.project : project.project;
  state.note = report.note.value_or(project.note);
  const bool riserAccepted = sizing.riser && sizing.riser->ok();
  if (riserAccepted) {
    state.riserOutput1 = sizing.riser->value().shown.lineSize;
    state.riserOutput2 = sizing.riser->value().shown.velocity;
  }
  const MainOutputTexts outputs =
      sizing.shown() ? MainOutputTextsOf(*sizing.shown(), riserAccepted) : MainOutputTexts{};
  return ReportInputsOf(sizing.calculation->fields, outputs, state, ProjectFileLocale());
}

}  // namespace

QString ReportPathFor(const QString& out, const QString& projectPath, bool severalFiles) {
  if (!severalFiles) return out;
  const QFileInfo report(out);
  const QString stem = report.completeBaseName() + u'-' + QFileInfo(projectPath).completeBaseName();
  const QString suffix = report.suffix().isEmpty() ? QStringLiteral("pdf") : report.suffix();
  return report.dir().filePath(stem + u'.' + suffix);
}

std::optional<QString> ReportPathClash(const QString& out, const QStringList& files) {
  std::map<QString, QString> firstFileOf;
  for (const QString& file : files) {
    const QString path = QFileInfo(ReportPathFor(out, file, files.size() > 1)).absoluteFilePath();
    const auto [place, added] = firstFileOf.emplace(path, file);
    if (!added)
      return QStringLiteral("\"%1\" and \"%2\" would both write their report to \"%3\"; no report was written")
          .arg(QDir::toNativeSeparators(place->second), QDir::toNativeSeparators(file), QDir::toNativeSeparators(path));
  }
  return std::nullopt;
}

std::optional<QString> WriteReports(const std::vector<FileSizing>& sized, const ReportOptions& report) {
  for (const FileSizing& sizing : sized) {
    if (!sizing.project || !sizing.calculation) continue;
    const QString path = ReportPathFor(report.path, sizing.path, sized.size() > 1);
    const PdfWriteResult written =
        WriteReportPdf(BuildReport(InputsOf(sizing, report), QDateTime::currentDateTime()), path);
    if (!written.written) return written.error;
  }
  return std::nullopt;
}

}  // namespace kestrin
