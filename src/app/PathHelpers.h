#pragma once

#include <QString>

namespace qx {

// True for an existing normal file (not a folder); any error gives false.
bool FileExists(const QString &path);
bool FolderExists(const QString &path);
// There are no 8.3 names here: an existing path is returned unchanged, a missing one gives "".
QString ShortPath(const QString &path);
// The text in double quotes when it holds a space, else unchanged.
QString QuoteIfSpaced(const QString &text);
QString StripQuotes(const QString &text);
// The path with a trailing separator.
QString WithTrailingSeparator(const QString &path);

// Expands environment variables the way MAME expands them in its search paths: "$NAME" and "${NAME}"
// (an unset variable expands to nothing) and a leading "~" for the home folder.
QString ExpandPathVariables(const QString &path);
// A MAME directory value made usable: quotes removed, variables expanded, and a relative folder taken
// against the emulator directory. No trailing separator is added.
QString ResolveMameFolder(const QString &value, const QString &emulatorDir);

} // namespace qx
