#pragma once

#include <QList>
#include <QSet>
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
};

const SetFileTypeInfo &SetFileInfo(SetFileType type);
// NVRAM, Configuration, Difference, INI: the order "All Above Files" asks in.
const QList<SetFileType> &AllSetFileTypes();

// "Delete pacman.nv?"; for NVRAM that today's MAME keeps in a folder of the set (nvram/pacman/) in one of
// the folders, what will go: "Delete the NVRAM of pacman (3 files)?".
QString DeleteSetFileQuestion(SetFileType type, const QString &setName, const QStringList &folders = {});
QString DeleteAllSetFilesQuestion(SetFileType type); // "Delete all NVRAM Files?"

// The folders a type's files live in, from its option in mame.ini: every ".;" removed (so inipath ".;ini"
// is the ini folder), quotes removed, $HOME and other variables expanded, a relative folder taken in the
// emulator directory. A value that lists several folders (inipath "$HOME/.mame;.;ini") gives each of
// them once, in order; a "." entry is the emulator directory. A missing or empty option gives no folder, so
// nothing is deleted. Each folder ends with a separator. Option files are the user's only in the home
// folder and the emulator directory: an INI folder elsewhere (Debian's /etc/mame) is left out.
QStringList SetFileFolders(SetFileType type, const QString &emulatorIniPath, const QString &emulatorDir);

// A set name that can only name a file inside its folder: not empty, no separator, no "..", no wildcard.
bool IsPlainSetName(const QString &setName);
// MAME's own option files, never deleted as a set's file: mame.ini, vector.ini, ui.ini, plugin.ini.
bool IsProtectedIniFile(const QString &fileName);

// Deletes setName + extension in each folder where it exists, and for NVRAM the set's own folder with its
// files; returns the file paths deleted. A name MAME could not have made (IsMameSetName) deletes nothing.
QStringList DeleteSetFiles(SetFileType type, const QStringList &folders, const QString &setName);
// Deletes every set's files of the type in the folders (never MAME's own option files); returns the file
// paths deleted. Configuration and difference files go by their extension; NVRAM goes by its extension
// and the folders named after a set; INI files only when named after a set, and those in source/ (the
// per-driver files), so MAME's orientation and system-type files stay.
QStringList DeleteAllSetFiles(SetFileType type, const QStringList &folders, const QSet<QString> &setNames);

} // namespace qx
