#pragma once

#include "options/EmulatorOptionWrites.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

// How MAME's search paths (rompath, inipath...) and folders (snapshot_directory...) are written in mame.ini.
// MAME reads an unquoted value up to a "#", which starts a comment, and a quoted value up to the next double
// quote; a search path separates its folders with ";". Variables such as $HOME stay as written: MAME expands
// them itself.

// The folders of a value: every double quote removed, split on ";", empty entries dropped.
QStringList SplitFolderList(const QString &value);
// The folders joined with ";" in order (empty ones left out), quoted as MAME needs.
QString JoinFolderList(const QStringList &folders);
// inipath's value: "." (the emulator directory) first, then the folders, without any other ".".
QString IniPathValue(const QStringList &folders);
// A value in one pair of double quotes when MAME would otherwise cut it (a blank, a tab or a "#").
QString QuoteForMameIni(const QString &text);

// Start-up keeps "." in inipath, so the INI files beside mame.ini are read: the value to write when the
// stored one names no "." (the stored folders after "."), nullopt when it does or is empty (MAME's own
// default then holds).
std::optional<QString> IniPathWithCurrentDirectory(const QString &storedValue);
// That rule applied to a mame.ini; a file without an inipath line is left alone.
OptionWriteResult NormaliseIniPathOption(const QString &emulatorIniPath);

// Why MAME could not read the folder back from mame.ini, as the end of a sentence ("holds a \";\"...");
// "" when it can. A ";" would split a search path, a double quote ends or disappears from the value, a line
// break splits the line.
QString UnreadableFolderReason(const QString &folder);

// MAME 0.251 reads at most this many bytes of a mame.ini line (without its line end); a longer line comes
// back garbled.
inline constexpr int kMameIniLineLimit = 4093;
// The bytes of the line name + gap blanks + value.
qsizetype MameIniLineLength(const QString &name, int gap, const QString &value);

} // namespace qx
