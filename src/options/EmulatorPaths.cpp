#include "options/EmulatorPaths.h"

#include "app/PathHelpers.h"
#include "options/EmulatorOptionFile.h"

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

} // namespace qx
