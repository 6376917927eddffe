#include "cli/report_output.h"

#include "core/report/report_model.h"
#include "drawing/report_pdf.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <memory>

namespace kestrin {
namespace {

// The report's fonts need a GUI application, which only --report pays for;
// writing a PDF needs no display.
void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kestrin-size";
  static char* argv[] = {name, nullptr};
  // Kept to the end of the process, like an application made in main().
  static auto* application = new QGuiApplication(argc, argv);
  Q_UNUSED(application);
}

struct TitleOverrides {
  std::optional<QString> customer;
  std::optional<QString> project;
  std::optional<QString> note;
};

// The title options only record their value for the report.
class NoOutput : public SizingSink {
 public:
  void Add(const FileSizing&) override {}
};

class ReportSink : public SizingSink {
 public:
  ReportSink(QString out, std::shared_ptr<const TitleOverrides> titles)
      : out_(std::move(out)), titles_(std::move(titles)) {}

  void Add(const FileSizing& sizing) override { sized_.push_back(sizing); }

  std::optional<QString> Finish() override {
    EnsureGuiApplication();
    for (const FileSizing& sizing : sized_) {
      if (!sizing.project || !sizing.calculation) continue;
      const QString path = ReportPathFor(out_, sizing.path, sized_.size() > 1);
      const PdfWriteResult written = WriteReportPdf(BuildReport(InputsOf(sizing), QDateTime::currentDateTime()), path);
      if (!written.written) return written.error;
    }
    return std::nullopt;
  }

 private:
  // The report reads what the desktop program would show after opening the
  // file, pressing "Calculate" and, with a minimum capacity, accepting the
  // part-load riser.
  ReportInputs InputsOf(const FileSizing& sizing) const {
    const ProjectData& project = *sizing.project;
    SessionState state;
    state.unit = sizing.unit;
    state.mode = sizing.mode;
    state.fittingCounts = project.fittingCounts;
    state.customer = titles_->customer ? titles_->customer : project.customer;
    state.project = titles_->project ? titles_->project : project.project;
    state.note = titles_->note.value_or(project.note);
    const bool riserAccepted = sizing.riser && sizing.riser->ok();
    if (riserAccepted) {
      state.riserOutput1 = sizing.riser->value().lineSize;
      state.riserOutput2 = sizing.riser->value().velocity;
    }
    const MainOutputTexts outputs =
        sizing.shown() ? MainOutputTextsOf(*sizing.shown(), riserAccepted) : MainOutputTexts{};
    return ReportInputsOf(sizing.calculation->fields, outputs, state, ProjectFileLocale());
  }

  QString out_;
  std::shared_ptr<const TitleOverrides> titles_;
  std::vector<FileSizing> sized_;
};

ExtraOutput TitleOption(const QString& option, const QString& description,
                        const std::shared_ptr<TitleOverrides>& titles, std::optional<QString> TitleOverrides::*field) {
  return {option, QStringLiteral("TEXT"), description, [titles, field](const QString& value) {
            (*titles).*field = value;
            return std::make_unique<NoOutput>();
          }};
}

}  // namespace

std::vector<ExtraOutput> ReportOutputs() {
  auto titles = std::make_shared<TitleOverrides>();
  return {
      {QStringLiteral("report"), QStringLiteral("OUT.pdf"),
       QStringLiteral("also write the results report as a PDF file"),
       [titles](const QString& out) { return std::make_unique<ReportSink>(out, titles); }},
      TitleOption(QStringLiteral("customer"), QStringLiteral("customer on the report (default: the file's)"), titles,
                  &TitleOverrides::customer),
      TitleOption(QStringLiteral("project"), QStringLiteral("project on the report (default: the file's)"), titles,
                  &TitleOverrides::project),
      TitleOption(QStringLiteral("note"), QStringLiteral("note on the report (default: the file's)"), titles,
                  &TitleOverrides::note),
  };
}

QString ReportPathFor(const QString& out, const QString& projectPath, bool severalFiles) {
  if (!severalFiles) return out;
  const QFileInfo report(out);
  const QString stem = report.completeBaseName() + u'-' + QFileInfo(projectPath).completeBaseName();
  const QString suffix = report.suffix().isEmpty() ? QStringLiteral("pdf") : report.suffix();
  return report.dir().filePath(stem + u'.' + suffix);
}

}  // namespace kestrin
