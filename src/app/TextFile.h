#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace qx {

// A text file as lines of bytes, remembering its line-end style so that a rewrite keeps it, and whether the
// last line had a line break, so that a last line without one survives.
struct TextLines {
    QList<QByteArray> lines;
    QByteArray lineEnd = "\r\n"; // "\r\n", "\n" or "\r", as found first in the file
    bool endsWithLineBreak = true;
};

// Splits on CR LF, LF or lone CR. An empty input gives no lines.
TextLines SplitTextLines(const QByteArray &content);
QByteArray JoinTextLines(const TextLines &text);

// Reads a whole file; an unreadable or missing file gives an empty array and ok = false.
QByteArray ReadWholeFile(const QString &path, bool *ok = nullptr);

// Replaces the file through a temporary file and a rename, so a full disk or a crash leaves the old file.
bool WriteFileAtomically(const QString &path, const QByteArray &content, QString *error = nullptr);

} // namespace qx
