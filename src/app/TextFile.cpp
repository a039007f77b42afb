#include "app/TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace qx {

TextLines SplitTextLines(const QByteArray &content) {
    TextLines text;
    bool lineEndKnown = false;
    qsizetype start = 0;
    const qsizetype size = content.size();
    qsizetype i = 0;
    while (i < size) {
        const char c = content.at(i);
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        qsizetype breakLength = 1;
        if (c == '\r' && i + 1 < size && content.at(i + 1) == '\n') {
            breakLength = 2;
        }
        if (!lineEndKnown) {
            text.lineEnd = content.mid(i, breakLength);
            lineEndKnown = true;
        }
        text.lines.append(content.mid(start, i - start));
        i += breakLength;
        start = i;
    }
    if (start < size) {
        text.lines.append(content.mid(start));
        text.endsWithLineBreak = false;
    } else {
        text.endsWithLineBreak = true;
    }
    return text;
}

QByteArray JoinTextLines(const TextLines &text) {
    QByteArray out;
    qsizetype total = 0;
    for (const QByteArray &line : text.lines) {
        total += line.size() + text.lineEnd.size();
    }
    out.reserve(total);
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        out += text.lines.at(i);
        if (i + 1 < text.lines.size() || text.endsWithLineBreak) {
            out += text.lineEnd;
        }
    }
    return out;
}

QByteArray ReadWholeFile(const QString &path, bool *ok) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok) {
            *ok = false;
        }
        return {};
    }
    if (ok) {
        *ok = true;
    }
    return file.readAll();
}

bool WriteFileAtomically(const QString &path, const QByteArray &content, QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    if (file.write(content) != content.size()) {
        if (error) {
            *error = file.errorString();
        }
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

} // namespace qx
