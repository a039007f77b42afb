#include "launch/SnapshotFiles.h"

#include "app/PathHelpers.h"
#include "launch/SetFileMaintenance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qx {

QString SetSnapshotFolder(const QString &snapshotDirectory, const QString &setName) {
    if (snapshotDirectory.isEmpty() || !IsPlainSetName(setName)) {
        return QString();
    }
    return WithTrailingSeparator(WithTrailingSeparator(snapshotDirectory) + setName);
}

bool IsPlainSnapshotName(const QString &fileName) {
    return IsPlainSetName(fileName) && fileName != QLatin1String(".");
}

std::optional<QString> SnapshotNameFromAnswer(const QString &answer) {
    if (answer.isEmpty()) {
        return std::nullopt;
    }
    QString name = answer;
    if (!name.contains(QStringLiteral(".png"))) {
        name += QStringLiteral(".png");
    }
    if (name.size() != 8 || !IsPlainSnapshotName(name)) {
        return std::nullopt;
    }
    return name;
}

SnapshotRename RenameSnapshotFile(const QString &folder, const QString &oldName, const QString &newName) {
    if (folder.isEmpty() || !IsPlainSnapshotName(oldName) || !IsPlainSnapshotName(newName)) {
        return SnapshotRename::Failed;
    }
    const QDir dir(folder);
    if (!FileExists(dir.filePath(oldName))) {
        return SnapshotRename::Missing;
    }
    if (newName == oldName) {
        return SnapshotRename::Unchanged;
    }
    if (QFileInfo::exists(dir.filePath(newName)) || QFileInfo(dir.filePath(newName)).isSymLink()) {
        return SnapshotRename::NameTaken;
    }
    return QFile::rename(dir.filePath(oldName), dir.filePath(newName)) ? SnapshotRename::Renamed
                                                                       : SnapshotRename::Failed;
}

bool DeleteSnapshotFile(const QString &folder, const QString &fileName) {
    if (folder.isEmpty() || !IsPlainSnapshotName(fileName)) {
        return false;
    }
    const QString path = QDir(folder).filePath(fileName);
    return FileExists(path) && QFile::remove(path);
}

QString MissingSnapshotCaption(const QString &fileName) {
    return fileName + QStringLiteral(" not found");
}

} // namespace qx
