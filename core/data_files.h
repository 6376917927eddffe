#pragma once
// Where the program finds the files it reads by name: the guide document and
// the two animations. A developer's build keeps them beside the program; an
// installed program keeps them in its data folder.

#include <QFlags>
#include <QString>
#include <QStringList>

namespace kestrin {

enum class DataPlace {
  CurrentFolder = 0x1,  // the folder the program was started in
  ProgramFolder = 0x2,  // the folder of the program file
  InstalledData = 0x4,  // the data folder of an installed program
};
Q_DECLARE_FLAGS(DataPlaces, DataPlace)
Q_DECLARE_OPERATORS_FOR_FLAGS(DataPlaces)

// The folders searched for `places`, in the order above. The installed data
// folder is given both relative to the program file (so a package installed
// under another prefix still finds it) and as the configured absolute path.
QStringList DataFolders(DataPlaces places);

// The first existing file `fileName` in DataFolders(places), or an empty
// text when there is none.
QString FindDataFile(const QString& fileName, DataPlaces places);

}  // namespace kestrin
