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

// No file Quorvex reads whole comes near this size (qx.dat of today's MAME is about 4 MB); a bigger one is
// damaged, or sparse, and reading it would only exhaust memory.
inline constexpr qint64 kMaxWholeFileBytes = 1024LL * 1024 * 1024;

// A whole file as read for a rewrite, telling a file that is not there (nothing to keep) from one that is
// there but could not be read (which must not be replaced by what was made without it).
struct FileContent {
    QByteArray bytes;
    bool exists = false;
    QString error; // set when the file exists but was not read: unreadable, not a regular file, too big
    bool failed() const { return !error.isEmpty(); }
};

// Reads only regular files: a named pipe or a device would block or never end.
FileContent ReadFileContent(const QString &path, qint64 maxBytes = kMaxWholeFileBytes);

// Reads a whole file; a missing or unreadable file gives an empty array and ok = false.
QByteArray ReadWholeFile(const QString &path, bool *ok = nullptr);

// Replaces the file through a temporary file and a rename. Every write is checked as it is made (the file
// is unbuffered, so a full disk is seen at once rather than in a flush that comes too late), and any
// failure leaves the old file as it was.
bool WriteFileAtomically(const QString &path, const QByteArray &content, QString *error = nullptr);

} // namespace qx
