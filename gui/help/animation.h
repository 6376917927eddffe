#pragma once
// The animated pictures of the main window and the about box, read from GIF
// files by name.

#include <QString>

class QLabel;
class QMovie;
class QObject;

namespace kestrin {

// A movie of `fileName` found in the current folder, then beside the program,
// then in the installed data folder. A file that is missing everywhere or is
// not a valid animation gives an empty movie (isValid() false) that shows
// nothing, never a null pointer. The movie is not started.
QMovie* LoadAnimation(const QString& fileName, QObject* parent);

// Loads `fileName` into `label` (the movie is owned by the label) and starts
// it. Returns the movie.
QMovie* PlayAnimation(QLabel* label, const QString& fileName);

}  // namespace kestrin
