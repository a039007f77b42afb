#include "launch/CaptureFolder.h"

#include "app/PathHelpers.h"
#include "options/EmulatorOptionFile.h"

#include <QDir>
#include <QFileInfo>

namespace qx {

namespace {

// The nearest folder above path that exists (or the path itself).
QFileInfo nearestExisting(const QString &path) {
    QString current = QDir::cleanPath(path);
    while (!QFileInfo::exists(current)) {
        const QString parent = QFileInfo(current).absolutePath();
        if (parent == current) {
            break;
        }
        current = parent;
    }
    return QFileInfo(current);
}

} // namespace

QString CreateFolderOrExplain(const QString &folder) {
    const QFileInfo info(folder);
    if (info.isDir()) {
        return QString();
    }
    if (info.exists()) {
        return QStringLiteral("%1 is a file, not a folder.").arg(folder);
    }
    if (QDir().mkpath(folder)) {
        return QString();
    }
    const QFileInfo existing = nearestExisting(folder);
    if (!existing.isDir()) {
        return QStringLiteral("The folder %1 cannot be created: %2 is a file.")
            .arg(folder, existing.absoluteFilePath());
    }
    if (!existing.isWritable()) {
        return QStringLiteral("The folder %1 cannot be created: %2 is not writable.")
            .arg(folder, existing.absoluteFilePath());
    }
    return QStringLiteral("The folder %1 cannot be created.").arg(folder);
}

CaptureFolder PrepareCaptureFolder(CaptureKind kind, const QString &emulatorIniPath,
                                   const QString &emulatorDir) {
    const CaptureKindInfo &info = CaptureInfo(kind);
    QString value = StripQuotes(ReadEmulatorOption(info.directoryOption, emulatorIniPath)).trimmed();
    if (value.isEmpty()) {
        value = info.defaultFolder;
    }
    const QString folder = ResolveMameFolder(value, emulatorDir);
    const QString reason = CreateFolderOrExplain(folder);
    if (!reason.isEmpty()) {
        return {QString(), reason + QStringLiteral(" Check %1 in mame.ini.").arg(info.directoryOption)};
    }
    return {WithTrailingSeparator(folder), QString()};
}

} // namespace qx
