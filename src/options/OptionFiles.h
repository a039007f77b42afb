#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qx {

class OptionScope;

// Where MAME's layer option files live, how a new one comes into being, and deleting one.

// The INI directory for an inipath value, with a trailing separator: quotes removed, the first entry that is
// not "." ($HOME and other variables expanded as MAME does, a relative entry taken in the emulator
// directory); the emulator directory when every entry is "."; the "ini" folder when inipath is empty (MAME's
// default).
// ".;ini" and "ini" thus give the emulator directory's "ini" folder and "." the emulator directory.
QString IniDirectoryFor(const QString &iniPathValue, const QString &emulatorDir);
// Every folder of an inipath value in MAME's search order ("." is the emulator directory), each once and with
// a trailing separator.
QStringList IniSearchFolders(const QString &iniPathValue, const QString &emulatorDir);
// The first folder that holds relativeName ("vector.ini", "source/pong.ini"), as MAME opens it; "" if none.
QString FindLayerFile(const QStringList &folders, const QString &relativeName);

struct OptionFileResult {
    QString path; // the option file to edit; empty on error
    bool created = false;
    QString notice; // something the user should know although the file is usable
    QString error;  // why there is no file to edit
    bool ok() const { return error.isEmpty(); }
};

// The layer file baseName + ".ini" in the INI directory ("vector", "source/pong", "pacman"), creating the
// directory and, when the file is missing, the file as a copy of mame.ini cut down by TrimCopiedOptionFile.
OptionFileResult ResolveOptionFile(const QString &baseName, const QString &emulatorIniPath,
                                   const QString &emulatorDir);
// The scope's file: mame.ini itself for the Default scope, else ResolveOptionFile of its base name.
OptionFileResult OptionFileForScope(const OptionScope &scope, const QString &emulatorIniPath,
                                    const QString &emulatorDir);

// A copy of mame.ini cut down to "# CORE STATE/PLAYBACK OPTIONS" and what follows, so a layer file never
// overrides MAME's search paths and folders; it ends with a line break. A copy without that section (a
// hand-made or foreign mame.ini) keeps everything except the lines of those path options, and sectionFound
// says so.
QByteArray TrimmedOptionFileContent(const QByteArray &content, bool *sectionFound = nullptr);

struct TrimResult {
    bool sectionFound = true;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
TrimResult TrimCopiedOptionFile(const QString &path);

// "Delete this file": removes the scope's layer file when it exists; mame.ini is never removed. Returns ""
// on success, else a sentence for the user.
QString DeleteOptionFile(const OptionScope &scope, const QString &path);

inline const QByteArray kStatePlaybackSection = QByteArrayLiteral("# CORE STATE/PLAYBACK OPTIONS");

} // namespace qx
