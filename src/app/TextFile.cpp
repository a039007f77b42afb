#include "app/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <new>

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

FileContent ReadFileContent(const QString &path, qint64 maxBytes) {
    FileContent result;
    const QFileInfo info(path);
    result.exists = info.exists();
    if (!result.exists) {
        return result;
    }
    if (!info.isFile()) {
        result.error = QStringLiteral("%1 is not a regular file.").arg(path);
        return result;
    }
    if (info.size() > maxBytes) {
        result.error = QStringLiteral("%1 is damaged: %2 bytes is larger than any file Quorvex reads.")
                           .arg(path)
                           .arg(info.size());
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("%1 could not be read: %2").arg(path, file.errorString());
        return result;
    }
    try {
        result.bytes = file.readAll();
    } catch (const std::bad_alloc &) {
        result.bytes.clear();
        result.error = QStringLiteral("%1 could not be read: not enough memory.").arg(path);
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.error = QStringLiteral("%1 could not be read: %2").arg(path, file.errorString());
    }
    return result;
}

QByteArray ReadWholeFile(const QString &path, bool *ok) {
    FileContent content = ReadFileContent(path);
    if (ok) {
        *ok = content.exists && !content.failed();
    }
    return std::move(content.bytes);
}

bool WriteFileAtomically(const QString &path, const QByteArray &content, QString *error) {
    QSaveFile file(path);
    auto fail = [&] {
        if (error) {
            *error = file.errorString();
        }
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail();
    }
    if (file.write(content) != content.size() || file.error() != QFileDevice::NoError) {
        return fail();
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
