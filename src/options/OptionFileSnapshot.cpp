#include "options/OptionFileSnapshot.h"

#include "app/TextFile.h"

namespace qx {

OptionFileSnapshot OptionFileSnapshot::read(const QString &path) {
    bool ok = false;
    const QByteArray content = ReadWholeFile(path, &ok);
    OptionFileSnapshot snapshot = fromContent(content);
    snapshot.m_readable = ok;
    return snapshot;
}

OptionFileSnapshot OptionFileSnapshot::fromContent(const QByteArray &content) {
    OptionFileSnapshot snapshot;
    snapshot.m_lines = SplitTextLines(content).lines;
    snapshot.m_readable = true;
    return snapshot;
}

bool IsOptionLineOf(const QByteArray &line, const QByteArray &name) {
    return line.startsWith(name) && (line.size() == name.size() || line.at(name.size()) == ' ');
}

std::optional<QString> OptionFileSnapshot::find(const QString &name) const {
    const QByteArray key = name.toUtf8();
    for (const QByteArray &line : m_lines) {
        if (IsOptionLineOf(line, key)) {
            return value(name);
        }
    }
    return std::nullopt;
}

QString OptionFileSnapshot::value(const QString &name) const {
    const QByteArray key = name.toUtf8();
    const QByteArray keyWithSpace = key + ' ';
    for (const QByteArray &line : m_lines) {
        if (line.startsWith(key) && line.contains(keyWithSpace)) {
            return QString::fromUtf8(line.mid(key.size())).trimmed();
        }
    }
    return QString();
}

} // namespace qx
