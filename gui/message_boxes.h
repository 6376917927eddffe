#pragma once
// The program's message boxes. Callers name the situation; the texts live in
// app/messages.h and are never spelled here.

#include "core/messages.h"

#include <QString>

class QWidget;

namespace kestrin {

// A modal box titled "error" with Retry and Cancel and the error icon. The
// answer is not used: both buttons just close the box and the caller goes on.
void ShowError(QWidget* parent, const QString& text);

void ShowDataIncomplete(QWidget* parent);
void ShowNoPipeSize(QWidget* parent);

// The piping guide's question, titled "Attention", with Yes and No and no
// icon. True when the user answered Yes.
bool AskReaderNeeded(QWidget* parent);

}  // namespace kestrin
