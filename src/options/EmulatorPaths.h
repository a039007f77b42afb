#pragma once

#include <QString>

namespace qx {

// The folders the main window takes from MAME's mame.ini and from its own settings, resolved against the
// emulator directory ($HOME and other variables expanded, quotes removed). All end with a separator.

// snapshot_directory ("snap" and other relative values are folders of the emulator directory).
QString SnapshotDirectoryFrom(const QString &emulatorIniPath, const QString &emulatorDir);
// The picturepath setting ("flyers" is the flyers folder of the emulator directory).
QString PictureDirectoryFrom(const QString &picturePath, const QString &emulatorDir);

// Makes sure MAME's inipath names the current directory ".", so a set's INI file next to mame.ini is found:
// an inipath without a "." entry gets "." put in front. An empty inipath is left alone. Returns false only
// when mame.ini needed the change and could not be read or written (error says why).
bool NormaliseIniPath(const QString &emulatorIniPath, QString *error = nullptr);

} // namespace qx
