#pragma once

#include <QString>

namespace qx {

// The folders the main window takes from MAME's mame.ini and from its own settings, resolved against the
// emulator directory ($HOME and other variables expanded, quotes removed). All end with a separator.

// snapshot_directory ("snap" and other relative values are folders of the emulator directory).
QString SnapshotDirectoryFrom(const QString &emulatorIniPath, const QString &emulatorDir);
// The picturepath setting ("flyers" is the flyers folder of the emulator directory).
QString PictureDirectoryFrom(const QString &picturePath, const QString &emulatorDir);

} // namespace qx
