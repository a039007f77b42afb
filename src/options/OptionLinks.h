#pragma once

#include <QString>

namespace qx {

// The "Select..." links of the effect file and the input layout, and the seconds-to-run box.

// Where "Select..." of the effect file starts: the folder last picked (mrud2), else the emulator's "artwork"
// folder when it exists, else the emulator directory.
QString EffectStartFolder(const QString &lastEffectFolder, const QString &emulatorDir);
// Where "Select..." of the input layout starts: the first folder of ctrlrpath in mame.ini ($HOME and other
// variables expanded, a relative folder such as "ctrlr" taken in the emulator directory); the emulator
// directory when ctrlrpath is empty.
QString InputLayoutStartFolder(const QString &emulatorIniPath, const QString &emulatorDir);
// The text a picked file puts in the box: its name without folder and without its last extension.
QString PickedFileTitle(const QString &path);
// The folder of a picked file, with a trailing separator (stored as mrud2).
QString PickedFileFolder(const QString &path);
// The seconds-to-run box keeps a text that is empty or a number; anything else is cleared.
bool IsSecondsToRunText(const QString &text);

} // namespace qx
