#pragma once
// The "&Open" and "&Save" commands of the main window: the file dialogs and
// the message when a file cannot be read or written. The format itself is
// the core's (files/project_file.h).

#include <QString>

#include <functional>

class QWidget;

namespace kestrin {

class Frmmain;
struct SessionState;

// The file name the user chose, or an empty text when the dialog was
// cancelled. Replaceable, so that tests need no dialog.
using FileNameAsker = std::function<QString(QWidget* parent)>;

struct ProjectFileDialogs {
  FileNameAsker openName;
  FileNameAsker saveName;
};

// The platform's open and save dialogs with the project file filter.
ProjectFileDialogs PlatformProjectFileDialogs();

// Saves the case shown in `main` to a file the user names. A failure leaves
// any old file whole and says so; a cancelled dialog writes nothing.
void SaveProject(Frmmain& main, const ProjectFileDialogs& dialogs);
// Opens a file the user names into `main`; a cancelled dialog changes
// nothing.
void OpenProject(Frmmain& main, const ProjectFileDialogs& dialogs);
// Opens the project file `path` into `main`: the one way in for a project,
// whether named in the open dialog, on the program's command line or dropped
// on the window. The whole file is checked before anything changes: a file
// that cannot be read or applied changes nothing and says why.
void OpenProjectFile(Frmmain& main, const QString& path);

// Connects the menu entries "open" and "save" of `main`, and a project file
// dropped on it.
void ConnectProjectCommands(Frmmain& main, const ProjectFileDialogs& dialogs = PlatformProjectFileDialogs());

}  // namespace kestrin
