#include "options/EmulatorOptionFile.h"

#include "app/TextFile.h"

#include <algorithm>

namespace qx {

QString ReadEmulatorOption(const QString &name, const QString &file) {
    bool ok = false;
    const QByteArray content = ReadWholeFile(file, &ok);
    if (!ok) {
        return QString();
    }
    const QByteArray key = name.toUtf8();
    const QByteArray keyWithSpace = key + ' ';
    const TextLines text = SplitTextLines(content);
    for (const QByteArray &line : text.lines) {
        if (line.startsWith(key) && line.contains(keyWithSpace)) {
            return QString::fromUtf8(line.mid(key.size())).trimmed();
        }
    }
    return QString();
}

bool HoldsNoOption(const QByteArray &line) {
    QByteArray text = line.trimmed();
    if (text.startsWith("\xEF\xBB\xBF")) {
        text = text.mid(3).trimmed();
    }
    return text.isEmpty() || text.startsWith('#') || text == kUnadornedHeader;
}

bool WriteEmulatorOption(const QString &name, int pad, const QString &value, const QString &file,
                         QString *error) {
    const FileContent content = ReadFileContent(file);
    if (content.failed()) {
        if (error) {
            *error = content.error;
        }
        return false;
    }
    TextLines text = SplitTextLines(content.bytes);
    const QByteArray key = name.toUtf8();
    const QByteArray replacement = key + QByteArray(std::max(pad, 0), ' ') + value.toUtf8();
    for (QByteArray &line : text.lines) {
        if (!line.contains(key)) {
            continue;
        }
        const qsizetype space = line.indexOf(' ');
        const QByteArray firstWord = space < 0 ? line : line.left(space);
        if (firstWord == key) {
            line = replacement;
        }
    }
    if (text.lines.isEmpty()) {
        text.lines.append(kUnadornedHeader);
        text.endsWithLineBreak = true;
    } else if (HoldsNoOption(text.lines.constFirst())) {
        text.lines[0] = kUnadornedHeader;
    }
    return WriteFileAtomically(file, JoinTextLines(text), error);
}

int EmulatorOptionPad(const QString &name) {
    return std::max(1, 26 - static_cast<int>(name.size()));
}

} // namespace qx
