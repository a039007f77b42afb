#include "options/FolderListValue.h"

#include "app/PathHelpers.h"
#include "options/EmulatorOptionFile.h"
#include "options/OptionFileSnapshot.h"

namespace qx {

namespace {

const QString kCurrentDirectory = QStringLiteral(".");
const QString kIniPath = QStringLiteral("inipath");

} // namespace

QStringList SplitFolderList(const QString &value) {
    return StripQuotes(value).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QString JoinFolderList(const QStringList &folders) {
    QStringList kept = folders;
    kept.removeAll(QString());
    return QuoteForMameIni(kept.join(QLatin1Char(';')));
}

QString IniPathValue(const QStringList &folders) {
    QStringList entries = folders;
    entries.removeAll(kCurrentDirectory);
    entries.prepend(kCurrentDirectory);
    return JoinFolderList(entries);
}

QString QuoteForMameIni(const QString &text) {
    const bool cut = text.contains(QLatin1Char(' ')) || text.contains(QLatin1Char('\t')) ||
                     text.contains(QLatin1Char('#'));
    return cut ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

std::optional<QString> IniPathWithCurrentDirectory(const QString &storedValue) {
    const QStringList folders = SplitFolderList(storedValue);
    if (folders.isEmpty() || folders.contains(kCurrentDirectory)) {
        return std::nullopt;
    }
    return IniPathValue(folders);
}

OptionWriteResult NormaliseIniPathOption(const QString &emulatorIniPath) {
    const std::optional<QString> stored = OptionFileSnapshot::read(emulatorIniPath).find(kIniPath);
    const std::optional<QString> value = IniPathWithCurrentDirectory(stored.value_or(QString()));
    if (!value) {
        return {};
    }
    return WriteEmulatorOptions({{kIniPath, EmulatorOptionPad(kIniPath), *value}}, emulatorIniPath);
}

QString UnreadableFolderReason(const QString &folder) {
    if (folder.contains(QLatin1Char(';'))) {
        return QStringLiteral("holds a \";\", which MAME takes for the end of a folder");
    }
    if (folder.contains(QLatin1Char('"'))) {
        return QStringLiteral("holds a double quote (\"), which MAME does not keep in a folder name");
    }
    if (folder.contains(QLatin1Char('\n')) || folder.contains(QLatin1Char('\r'))) {
        return QStringLiteral("holds a line break, which would split its line in mame.ini");
    }
    return QString();
}

qsizetype MameIniLineLength(const QString &name, int gap, const QString &value) {
    return name.toUtf8().size() + gap + value.toUtf8().size();
}

} // namespace qx
