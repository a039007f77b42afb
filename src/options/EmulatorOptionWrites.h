#pragma once

#include <QList>
#include <QString>

namespace qx {

// One option line to write: name, the blanks after it (26 minus the name's length puts the value in column
// 27) and the value.
struct OptionWrite {
    QString name;
    int gap = 1;
    QString value;

    bool operator==(const OptionWrite &) const = default;
};

struct OptionWriteResult {
    bool ok = true;
    int linesReplaced = 0;
    QString error; // a sentence for the user when !ok
};

// WriteEmulatorOption for several options in one rewrite, with its rules: every line whose first word is a
// written name becomes name + gap blanks + value; a name without a line is never added; line ends, a last
// line without a line break and every other byte stay. The first line becomes "<UNADORNED0>" when it holds no
// option (a comment, a byte order mark, an empty line). A file that is missing or unreadable is an error, and
// a failed write leaves the file as it was. A file the writes would not change is not rewritten.
OptionWriteResult WriteEmulatorOptions(const QList<OptionWrite> &writes, const QString &file);

// True for a first line that carries no option and is replaced by "<UNADORNED0>" on a write.
bool IsOptionFileHeaderLine(const QByteArray &line);

} // namespace qx
