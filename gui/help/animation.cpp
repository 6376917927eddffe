#include "gui/help/animation.h"

#include "core/data_files.h"

#include <QLabel>
#include <QMovie>

namespace kestrin {

QMovie* LoadAnimation(const QString& fileName, QObject* parent) {
  auto* movie = new QMovie(parent);
  const QString path =
      FindDataFile(fileName, DataPlace::CurrentFolder | DataPlace::ProgramFolder | DataPlace::InstalledData);
  // An empty file name leaves the movie without a device: invalid, and quiet.
  if (!path.isEmpty()) movie->setFileName(path);
  return movie;
}

QMovie* PlayAnimation(QLabel* label, const QString& fileName) {
  QMovie* movie = LoadAnimation(fileName, label);
  label->setMovie(movie);
  if (movie->isValid()) movie->start();
  return movie;
}

}  // namespace kestrin
