#pragma once

#include <QString>

namespace qx {

// Line operations on MAME's INI files (mame.ini, vector.ini, a driver's or a set's file). The file keeps its
// own line ends (LF stays LF) and a last line without a line break survives a rewrite.

// The value of the first line that starts with the name and holds the name followed by a space, with
// surrounding spaces removed; "" when no line qualifies or the file is missing. Quotes are kept.
QString ReadEmulatorOption(const QString &name, const QString &file);

// Replaces every line whose first word is the name by name + pad spaces + value; a name not in the file is
// not added. The first line becomes "<UNADORNED0>" when it holds no option (see HoldsNoOption); an option
// there is kept. Returns false, with the reason in error, when the file could not be read or written (the
// old file is then untouched).
bool WriteEmulatorOption(const QString &name, int pad, const QString &value, const QString &file,
                         QString *error = nullptr);

// A line MAME reads no option from: blank, a comment, a byte order mark alone, or "<UNADORNED0>".
bool HoldsNoOption(const QByteArray &line);

// The pad that starts the value in column 27, as MAME lays out its own files.
int EmulatorOptionPad(const QString &name);

inline const QByteArray kUnadornedHeader = QByteArrayLiteral("<UNADORNED0>");

} // namespace qx
