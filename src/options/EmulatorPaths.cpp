#include "options/EmulatorPaths.h"

#include "app/PathHelpers.h"
#include "options/EmulatorOptionFile.h"

#include <QStringList>

namespace qx {

QString SnapshotDirectoryFrom(const QString &emulatorIniPath, const QString &emulatorDir) {
    QString value = ReadEmulatorOption(QStringLiteral("snapshot_directory"), emulatorIniPath);
    if (StripQuotes(value).trimmed().isEmpty()) {
        value = QStringLiteral("snap");
    }
    return WithTrailingSeparator(ResolveMameFolder(value, emulatorDir));
}

QString PictureDirectoryFrom(const QString &picturePath, const QString &emulatorDir) {
    const QString value = StripQuotes(picturePath).trimmed();
    return WithTrailingSeparator(
        ResolveMameFolder(value.isEmpty() ? QStringLiteral("flyers") : value, emulatorDir));
}

bool NormaliseIniPath(const QString &emulatorIniPath, QString *error) {
    const QString name = QStringLiteral("inipath");
    const QString value = ReadEmulatorOption(name, emulatorIniPath);
    if (value.isEmpty()) {
        return true;
    }
    const QString unquoted = StripQuotes(value);
    if (unquoted.split(QLatin1Char(';')).contains(QStringLiteral("."))) {
        return true;
    }
    return WriteEmulatorOption(name, EmulatorOptionPad(name), QuoteIfSpaced(QStringLiteral(".;") + unquoted),
                               emulatorIniPath, error);
}

} // namespace qx
