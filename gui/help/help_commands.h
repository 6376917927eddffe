#pragma once
// The Help menu's three commands: the piping guide, the maker's web site and
// the about box. None of them touches the design case.

#include "gui/message_boxes.h"

#include <QUrl>

#include <functional>

class QWidget;

namespace kestrin {

class Frmhelp;

// The maker's web site that the "web" command opens.
inline constexpr char kMakerWebsite[] = "https://kestrin-sizing.example/";

// Puts a question to the user and tells whether the answer was Yes.
using QuestionAsker = std::function<bool(QWidget* parent)>;
// Hands an address to the desktop's browser; false when none took it.
using UrlOpener = std::function<bool(const QUrl& url)>;

// Asks first (through `ask`: by default the question titled "Attention"); only a Yes shows the piping guide window, not
// modally, as a window of its own owned by `parent`. A guide already open
// for `parent` is brought to the front instead of a second one. Returns the
// guide window, or null when the user declined.
Frmhelp* ShowPipingGuide(QWidget* parent, const QuestionAsker& ask = AskReaderNeeded);

// Hands the maker's web site to the desktop; nothing is awaited and a
// desktop without a browser is not reported.
void OpenMakerWebsite(const UrlOpener& open = {});

// The about box, modally.
void ShowAbout(QWidget* parent);

}  // namespace kestrin
