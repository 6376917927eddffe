#include "core/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// Both are set by the build from the install layout; the defaults keep a
// stray compile of this file working.
#ifndef KESTRIN_DATA_DIR
#define KESTRIN_DATA_DIR "/usr/local/share/kestrin"
#endif
#ifndef KESTRIN_DATA_DIR_FROM_PROGRAM
#define KESTRIN_DATA_DIR_FROM_PROGRAM "../share/kestrin"
#endif

namespace kestrin {

QStringList DataFolders(DataPlaces places) {
  QStringList folders;
  const auto add = [&folders](const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    if (!folder.isEmpty() && !folders.contains(clean)) folders.append(clean);
  };
  if (places.testFlag(DataPlace::CurrentFolder)) add(QDir::currentPath());
  // Without an application object there is no program folder to ask for.
  const QString programFolder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  if (places.testFlag(DataPlace::ProgramFolder)) add(programFolder);
  if (places.testFlag(DataPlace::InstalledData)) {
    if (!programFolder.isEmpty()) add(programFolder + QLatin1Char('/') + QLatin1String(KESTRIN_DATA_DIR_FROM_PROGRAM));
    add(QStringLiteral(KESTRIN_DATA_DIR));
  }
  return folders;
}

QString FindDataFile(const QString& fileName, DataPlaces places) {
  if (fileName.isEmpty()) return {};
  for (const QString& folder : DataFolders(places)) {
    const QFileInfo candidate(QDir(folder), fileName);
    if (candidate.isFile()) return candidate.absoluteFilePath();
  }
  return {};
}

}  // namespace kestrin
