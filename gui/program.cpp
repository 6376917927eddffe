#include "gui/program.h"

#include "core/report/report_model.h"
#include "gui/help/help_commands.h"
#include "gui/print_commands.h"
#include "gui/project_commands.h"
#include "gui/property_setting.h"
#include "gui/window_commands.h"

#include <QAction>
#include <QTimer>

namespace kestrin {
namespace {

// What the report reads of the output frame.
MainOutputTexts ReportOutputsOf(const Frmmain& main) { return {main.outputTexts(), main.doubleRiserAccepted()}; }

}  // namespace

Program::Program() : print_(std::make_unique<PrintCommands>(session_, &main_)) {
  session_.propertySource = StoredPropertySource();
  ConnectSizingWindows(main_);
  ConnectProjectCommands(main_);
  ConnectMenus();
}

Program::~Program() = default;

void Program::ShowMainWindow(const QString& projectFile) {
  main_.show();
  if (projectFile.isEmpty()) return;
  // Opened from the event loop, once the window is on screen, so that a
  // message about the file stands over the window it concerns.
  QTimer::singleShot(0, &main_, [this, projectFile] { OpenProjectFile(main_, projectFile); });
}

void Program::ConnectMenus() {
  auto on = [this](const char* name, auto command) {
    QObject::connect(main_.menuAction(QString::fromLatin1(name)), &QAction::triggered, &main_, command);
  };
  on("print", [this] { print_->Print(main_.inputTexts(), ReportOutputsOf(main_)); });
  on("Printsetup", [this] { print_->PrintSetup(); });
  on("capacities", [this] { ShowCapacityTable(main_, *print_); });
  on("pipingGuide", [this] { ShowPipingGuide(&main_); });
  on("web", [] { OpenMakerWebsite(); });
  on("About", [this] { ShowAbout(&main_); });
}

}  // namespace kestrin
