#include "options/EmulatorOptionWrites.h"

#include "app/TextFile.h"
#include "options/EmulatorOptionFile.h"

#include <QHash>
#include <algorithm>

namespace qx {

namespace {

QByteArray firstWord(const QByteArray &line) {
    const qsizetype space = line.indexOf(' ');
    return space < 0 ? line : line.left(space);
}

// A value holding a line break would split its line in two; the break becomes a blank.
QByteArray singleLine(const QString &value) {
    QByteArray bytes = value.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

} // namespace

bool IsOptionFileHeaderLine(const QByteArray &line) {
    static const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
    const QByteArray text = (line.startsWith(bom) ? line.mid(bom.size()) : line).trimmed();
    return text.isEmpty() || text.startsWith('#') || text == kUnadornedHeader;
}

OptionWriteResult WriteEmulatorOptions(const QList<OptionWrite> &writes, const QString &file) {
    OptionWriteResult result;
    if (writes.isEmpty()) {
        return result;
    }
    bool readable = false;
    const QByteArray original = ReadWholeFile(file, &readable);
    if (!readable) {
        result.ok = false;
        result.error = QStringLiteral("Quorvex could not read %1, so no option was written.").arg(file);
        return result;
    }
    QHash<QByteArray, QByteArray> replacements;
    for (const OptionWrite &write : writes) {
        const QByteArray name = write.name.toUtf8();
        replacements.insert(name, name + QByteArray(std::max(write.gap, 0), ' ') + singleLine(write.value));
    }
    TextLines text = SplitTextLines(original);
    for (QByteArray &line : text.lines) {
        const auto found = replacements.constFind(firstWord(line));
        if (found != replacements.cend()) {
            line = *found;
            ++result.linesReplaced;
        }
    }
    if (result.linesReplaced == 0) {
        return result;
    }
    if (IsOptionFileHeaderLine(text.lines.first())) {
        text.lines.first() = kUnadornedHeader;
    }
    const QByteArray content = JoinTextLines(text);
    if (content == original) {
        return result;
    }
    QString error;
    if (!WriteFileAtomically(file, content, &error)) {
        result.ok = false;
        result.error =
            QStringLiteral("Quorvex could not write %1 (%2). The file is unchanged.").arg(file, error);
    }
    return result;
}

} // namespace qx
