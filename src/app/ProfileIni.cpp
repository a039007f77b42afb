#include "app/ProfileIni.h"

#include "app/TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace qx {

namespace {

// A text editor may have put a UTF-8 byte order mark before the first section line.
QByteArray trimmedLine(const QByteArray &line) {
    const QByteArray t = line.trimmed();
    return t.startsWith("\xEF\xBB\xBF") ? t.mid(3).trimmed() : t;
}

bool isSectionLine(const QByteArray &line) {
    const QByteArray t = trimmedLine(line);
    return t.startsWith('[') && t.contains(']');
}

bool isSection(const QByteArray &line, const QByteArray &section) {
    const QByteArray t = trimmedLine(line);
    if (!isSectionLine(t)) {
        return false;
    }
    const QByteArray name = t.mid(1, t.indexOf(']') - 1).trimmed();
    return name.compare(section, Qt::CaseInsensitive) == 0;
}

// The value of a "key=value" line when its key matches, else a null array.
QByteArray valueOf(const QByteArray &line, const QByteArray &key) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) {
        return {};
    }
    if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0) {
        return {};
    }
    QByteArray value = line.mid(eq + 1).trimmed();
    if (value.isNull()) {
        value = QByteArray("");
    }
    return value;
}

} // namespace

QString ReadSetting(const QString &section, const QString &key, const QString &file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return kMissingSetting;
    }
    const TextLines text = SplitTextLines(in.readAll());
    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = key.toUtf8();
    bool inSection = false;
    for (const QByteArray &line : text.lines) {
        if (isSectionLine(line)) {
            inSection = isSection(line, sectionName);
            continue;
        }
        if (!inSection) {
            continue;
        }
        const QByteArray value = valueOf(line, keyName);
        if (!value.isNull()) {
            return QString::fromUtf8(value).left(kMaxSettingLength);
        }
    }
    return kMissingSetting;
}

QString WriteSetting(const QString &section, const QString &key, const QString &value, const QString &file) {
    QByteArray original;
    {
        QFile in(file);
        if (in.exists() && in.open(QIODevice::ReadOnly)) {
            original = in.readAll();
        }
    }
    TextLines text = SplitTextLines(original);
    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = key.toUtf8();
    // A value is one line: a line break in it would turn the rest into lines of their own.
    QByteArray valueBytes = value.toUtf8();
    valueBytes.replace('\r', ' ').replace('\n', ' ');
    const QByteArray newLine = keyName + '=' + valueBytes;

    qsizetype sectionStart = -1; // index of the section line
    qsizetype sectionEnd = -1;   // one past the section's last non-blank line
    bool replaced = false;
    for (qsizetype i = 0; i < text.lines.size() && !replaced; ++i) {
        const QByteArray &line = text.lines.at(i);
        if (isSectionLine(line)) {
            if (sectionStart >= 0) {
                break; // the next section begins
            }
            if (isSection(line, sectionName)) {
                sectionStart = i;
                sectionEnd = i + 1;
            }
            continue;
        }
        if (sectionStart < 0) {
            continue;
        }
        if (!valueOf(line, keyName).isNull()) {
            text.lines[i] = newLine;
            replaced = true;
        } else if (!line.trimmed().isEmpty()) {
            sectionEnd = i + 1;
        }
    }
    if (!replaced) {
        if (sectionStart < 0) {
            text.lines.append('[' + sectionName + ']');
            text.lines.append(newLine);
        } else {
            text.lines.insert(sectionEnd, newLine);
        }
    }
    // Settings files are always written with CR LF, whatever line ends a hand edit left behind.
    text.lineEnd = "\r\n";
    text.endsWithLineBreak = true;
    return WriteFileAtomically(file, JoinTextLines(text)) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace qx
