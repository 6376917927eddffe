#include "gui/project_commands.h"

#include "core/project/project_file.h"
#include "gui/frmmain.h"
#include "gui/message_boxes.h"

#include <QAction>
#include <QFileDialog>

namespace kestrin {
namespace {

const QString kFilter = QStringLiteral("kestrin pipe sizing(*.kst)");

}  // namespace

ProjectFileDialogs PlatformProjectFileDialogs() {
  return {
      [](QWidget* parent) { return QFileDialog::getOpenFileName(parent, QString(), QString(), kFilter); },
      [](QWidget* parent) { return QFileDialog::getSaveFileName(parent, QString(), QString(), kFilter); },
  };
}

void SaveProject(Frmmain& main, const ProjectFileDialogs& dialogs) {
  const QString path = dialogs.saveName(&main);
  if (path.isEmpty()) return;
  const ProjectData project = ProjectFromSession(main.session(), main.inputTexts(), main.unitCaptions());
  if (const auto failure = SaveProjectFile(path, project)) ShowError(&main, *failure);
}

void OpenProject(Frmmain& main, const ProjectFileDialogs& dialogs) {
  const QString path = dialogs.openName(&main);
  if (!path.isEmpty()) OpenProjectFile(main, path);
}

void OpenProjectFile(Frmmain& main, const QString& path) {
  const Outcome<ProjectData> read = ReadProjectFile(path);
  if (!read.ok()) {
    ShowError(&main, read.refusal().message);
    return;
  }
  const ProjectData& project = read.value();
  if (const auto refusal = CheckProjectApplies(project)) {
    ShowError(&main, refusal->message);
    return;
  }
  main.setInputTexts(project.fields);
  ApplyProjectToSession(project, main.session());
  main.setUnitCaptions(project.captions);
  main.restoreUnitAndMode(ProjectUnitSystem(project), ProjectWorkingMode(project), project.fields.designDrop);
  // A part-load riser accepted for the case before belongs to that case.
  main.ClearRiserResults();
}

void ConnectProjectCommands(Frmmain& main, const ProjectFileDialogs& dialogs) {
  QObject::connect(main.menuAction(QStringLiteral("open")), &QAction::triggered, &main,
                   [&main, dialogs] { OpenProject(main, dialogs); });
  QObject::connect(main.menuAction(QStringLiteral("save")), &QAction::triggered, &main,
                   [&main, dialogs] { SaveProject(main, dialogs); });
  QObject::connect(&main, &Frmmain::projectFileDropped, &main,
                   [&main](const QString& path) { OpenProjectFile(main, path); });
}

}  // namespace kestrin
