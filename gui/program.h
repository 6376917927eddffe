#pragma once
// The desktop program once it has started: one session of settings, the main
// window, and every menu command and button connected to its window or
// command.

#include "core/session_state.h"
#include "gui/frmmain.h"

#include <memory>

namespace kestrin {

class PrintCommands;

class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the main window, the hand-over from the splash, and then opens
  // `projectFile` as the "open" menu entry would, when one is named.
  void ShowMainWindow(const QString& projectFile = QString());

  Frmmain& mainWindow() { return main_; }
  SessionState& session() { return session_; }
  PrintCommands& printCommands() { return *print_; }

 private:
  void ConnectMenus();

  SessionState session_;
  Frmmain main_{session_};
  std::unique_ptr<PrintCommands> print_;
};

}  // namespace kestrin
