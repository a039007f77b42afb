#include "app/PathHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace qx {

bool FileExists(const QString &path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool FolderExists(const QString &path) {
    if (path.isEmpty()) {
        return false;
    }
    return QFileInfo(path).isDir();
}

QString ShortPath(const QString &path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return QString();
    }
    return path;
}

QString QuoteIfSpaced(const QString &text) {
    if (text.contains(QLatin1Char(' '))) {
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QString StripQuotes(const QString &text) {
    QString result = text;
    result.remove(QLatin1Char('"'));
    return result;
}

QString WithTrailingSeparator(const QString &path) {
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QDir::separator())) {
        return path;
    }
    return path + QLatin1Char('/');
}

QString ExpandPathVariables(const QString &path) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString result;
    result.reserve(path.size());
    qsizetype i = 0;
    if (path.startsWith(QLatin1Char('~')) && (path.size() == 1 || path.at(1) == QLatin1Char('/'))) {
        result += QDir::homePath();
        i = 1;
    }
    while (i < path.size()) {
        const QChar c = path.at(i);
        if (c != QLatin1Char('$') || i + 1 >= path.size()) {
            result += c;
            ++i;
            continue;
        }
        QString name;
        qsizetype next = i + 1;
        if (path.at(next) == QLatin1Char('{')) {
            const qsizetype close = path.indexOf(QLatin1Char('}'), next);
            if (close < 0) {
                result += c;
                ++i;
                continue;
            }
            name = path.mid(next + 1, close - next - 1);
            next = close + 1;
        } else {
            while (next < path.size() &&
                   (path.at(next).isLetterOrNumber() || path.at(next) == QLatin1Char('_'))) {
                name += path.at(next);
                ++next;
            }
            if (name.isEmpty()) {
                result += c;
                ++i;
                continue;
            }
        }
        result += env.value(name);
        i = next;
    }
    return result;
}

QString ResolveMameFolder(const QString &value, const QString &emulatorDir) {
    const QString expanded = ExpandPathVariables(StripQuotes(value).trimmed());
    if (expanded.isEmpty()) {
        return QString();
    }
    if (QDir::isAbsolutePath(expanded)) {
        return QDir::cleanPath(expanded);
    }
    return QDir::cleanPath(QDir(emulatorDir).filePath(expanded));
}

} // namespace qx
