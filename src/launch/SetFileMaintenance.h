#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qx {

// The per-set files MAME leaves behind, one kind each.
enum class SetFileType { Nvram, Configuration, Difference, Ini };

struct SetFileTypeInfo {
    SetFileType type;
    QString directoryOption; // nvram_directory, cfg_directory, diff_directory, inipath
    QString defaultFolder;   // "nvram", "cfg", "diff", "ini"
    QString extension;       // ".nv", ".cfg", ".dif", ".ini"
    QString allQuestionTail; // "NVRAM Files?" ...
    QString itemPopupAction; // mnuItemPopupDelNv ...
    QString toolsAction;     // mnuToolsDelNv ...
};

const SetFileTypeInfo &SetFileInfo(SetFileType type);
// NVRAM, Configuration, Difference, INI: the order "All Above Files" asks in.
const QList<SetFileType> &AllSetFileTypes();

QString DeleteSetFileQuestion(SetFileType type, const QString &setName); // "Delete pacman.nv?"
QString DeleteAllSetFilesQuestion(SetFileType type);                     // "Delete all NVRAM Files?"

// The folders a type's files live in, from its option in mame.ini: every ".;" removed (so inipath ".;ini"
// is the ini folder), quotes removed, $HOME and other variables expanded, a relative folder taken in the
// emulator directory. A value that lists several folders (inipath "$HOME/.mame;.;ini") gives each of
// them once, in order; a "." entry is the emulator directory. A missing or empty option gives no folder, so
// nothing is deleted. Each folder ends with a separator.
QStringList SetFileFolders(SetFileType type, const QString &emulatorIniPath, const QString &emulatorDir);

// A set name that can only name a file inside its folder: not empty, no separator, no "..", no wildcard.
bool IsPlainSetName(const QString &setName);
// MAME's own option files, never deleted as a set's file: mame.ini, vector.ini, ui.ini, plugin.ini.
bool IsProtectedIniFile(const QString &fileName);

// Deletes setName + extension in each folder where it exists; returns the paths deleted. A name MAME could
// not have made (IsMameSetName) deletes nothing.
QStringList DeleteSetFiles(SetFileType type, const QStringList &folders, const QString &setName);
// Deletes every file with the type's extension in the folders (files only, never a folder, never MAME's own
// option files); returns the paths deleted.
QStringList DeleteAllSetFiles(SetFileType type, const QStringList &folders);

} // namespace qx
