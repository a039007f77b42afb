#include "launch/SetFileMaintenance.h"

#include "app/PathHelpers.h"
#include "catalogue/SetName.h"
#include "options/EmulatorOptionFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

const QList<SetFileTypeInfo> &typeTable() {
    static const QList<SetFileTypeInfo> table{
        {SetFileType::Nvram, QStringLiteral("nvram_directory"), QStringLiteral("nvram"),
         QStringLiteral(".nv"), QStringLiteral("NVRAM Files?")},
        {SetFileType::Configuration, QStringLiteral("cfg_directory"), QStringLiteral("cfg"),
         QStringLiteral(".cfg"), QStringLiteral("Configuration Files?")},
        {SetFileType::Difference, QStringLiteral("diff_directory"), QStringLiteral("diff"),
         QStringLiteral(".dif"), QStringLiteral("Difference Files?")},
        {SetFileType::Ini, QStringLiteral("inipath"), QStringLiteral("ini"), QStringLiteral(".ini"),
         QStringLiteral("INI Files?")},
    };
    return table;
}

// The file is directly inside the folder (no link or name that leads elsewhere).
bool liesDirectlyIn(const QString &filePath, const QString &folder) {
    const QString parent = QFileInfo(filePath).absoluteDir().canonicalPath();
    return !parent.isEmpty() && parent == QDir(folder).canonicalPath();
}

// The folder is the root or lies inside it.
bool liesWithin(const QString &folder, const QString &root) {
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString cleanRoot = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
    return !root.isEmpty() && (clean == cleanRoot || clean.startsWith(WithTrailingSeparator(cleanRoot)));
}

// A set's own folder (nvram/pacman/) when it is a real folder directly inside the folder; else empty.
QString setFolderIn(const QString &folder, const QString &setName) {
    const QString setFolder = QDir(folder).filePath(setName);
    const QFileInfo info(setFolder);
    const bool real = info.isDir() && !info.isSymLink() && liesDirectlyIn(setFolder, folder);
    return real ? setFolder : QString();
}

QStringList filesUnder(const QString &setFolder) {
    QStringList files;
    if (setFolder.isEmpty()) {
        return files;
    }
    // Links are taken as files: what they point to is never visited.
    QDirIterator it(setFolder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(it.next());
    }
    return files;
}

void deleteSetFolder(const QString &folder, const QString &setName, QStringList &deleted) {
    const QString setFolder = setFolderIn(folder, setName);
    const QStringList files = filesUnder(setFolder);
    if (!setFolder.isEmpty() && QDir(setFolder).removeRecursively()) {
        deleted.append(files);
    }
}

// Only the folders named after a set: an nvram_directory that names a busier folder loses nothing else.
void deleteSetFolders(const QString &folder, const QSet<QString> &setNames, QStringList &deleted) {
    for (const QString &name : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (setNames.contains(name) && IsPlainSetName(name)) {
            deleteSetFolder(folder, name, deleted);
        }
    }
}

bool deleteFile(const QString &path, const QString &folder, QStringList &deleted) {
    const QFileInfo info(path);
    if (!(info.isFile() || info.isSymLink()) || info.isDir() || !liesDirectlyIn(path, folder)) {
        return false;
    }
    if (IsProtectedIniFile(info.fileName())) {
        return false;
    }
    if (QFile::remove(path)) {
        deleted.append(path);
        return true;
    }
    return false;
}

} // namespace

const SetFileTypeInfo &SetFileInfo(SetFileType type) {
    return typeTable().at(static_cast<int>(type));
}

const QList<SetFileType> &AllSetFileTypes() {
    static const QList<SetFileType> types{SetFileType::Nvram, SetFileType::Configuration,
                                          SetFileType::Difference, SetFileType::Ini};
    return types;
}

QString DeleteSetFileQuestion(SetFileType type, const QString &setName, const QStringList &folders) {
    if (type == SetFileType::Nvram && IsPlainSetName(setName)) {
        qsizetype files = 0;
        bool setFolder = false;
        for (const QString &folder : folders) {
            const QString own = setFolderIn(folder, setName);
            setFolder |= !own.isEmpty();
            files += filesUnder(own).size();
            files += QFileInfo(QDir(folder).filePath(setName + SetFileInfo(type).extension)).isFile() ? 1 : 0;
        }
        if (setFolder) {
            return QStringLiteral("Delete the NVRAM of %1 (%2 %3)?")
                .arg(setName)
                .arg(files)
                .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"));
        }
    }
    return QStringLiteral("Delete ") + setName + SetFileInfo(type).extension + QLatin1Char('?');
}

QString DeleteAllSetFilesQuestion(SetFileType type) {
    return QStringLiteral("Delete all ") + SetFileInfo(type).allQuestionTail;
}

QStringList SetFileFolders(SetFileType type, const QString &emulatorIniPath, const QString &emulatorDir) {
    QString value = ReadEmulatorOption(SetFileInfo(type).directoryOption, emulatorIniPath);
    value.remove(QStringLiteral(".;"));
    value = StripQuotes(value).trimmed();
    QStringList folders;
    for (const QString &entry : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString folder = ResolveMameFolder(entry.trimmed(), emulatorDir);
        if (folder.isEmpty()) {
            continue;
        }
        if (type == SetFileType::Ini && !liesWithin(folder, QDir::homePath()) &&
            !liesWithin(folder, emulatorDir)) {
            continue;
        }
        const QString withSeparator = WithTrailingSeparator(folder);
        if (!folders.contains(withSeparator)) {
            folders.append(withSeparator);
        }
    }
    return folders;
}

bool IsPlainSetName(const QString &setName) {
    if (setName.trimmed().isEmpty() || setName.contains(QStringLiteral(".."))) {
        return false;
    }
    for (const QChar c : setName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('*') ||
            c == QLatin1Char('?') || c == QLatin1Char('[') || c.unicode() < 0x20) {
            return false;
        }
    }
    return true;
}

bool IsProtectedIniFile(const QString &fileName) {
    static const QStringList names{QStringLiteral("mame.ini"), QStringLiteral("vector.ini"),
                                   QStringLiteral("ui.ini"), QStringLiteral("plugin.ini")};
    return names.contains(fileName, Qt::CaseInsensitive);
}

QStringList DeleteSetFiles(SetFileType type, const QStringList &folders, const QString &setName) {
    QStringList deleted;
    if (!IsMameSetName(setName)) {
        return deleted;
    }
    const QString fileName = setName + SetFileInfo(type).extension;
    for (const QString &folder : folders) {
        deleteFile(QDir(folder).filePath(fileName), folder, deleted);
        if (type == SetFileType::Nvram) {
            deleteSetFolder(folder, setName, deleted);
        }
    }
    return deleted;
}

QStringList DeleteAllSetFiles(SetFileType type, const QStringList &folders, const QSet<QString> &setNames) {
    QStringList deleted;
    const QString extension = SetFileInfo(type).extension;
    const auto deleteMatching = [&](const QString &folder, bool onlySetNames) {
        const QDir dir(folder);
        const QStringList names = dir.entryList(
            {QLatin1Char('*') + extension}, QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
        for (const QString &name : names) {
            if (!onlySetNames || setNames.contains(name.chopped(extension.size()))) {
                deleteFile(dir.filePath(name), folder, deleted);
            }
        }
    };
    for (const QString &folder : folders) {
        if (!QDir(folder).exists()) {
            continue;
        }
        deleteMatching(folder, type == SetFileType::Ini);
        if (type == SetFileType::Ini) {
            deleteMatching(WithTrailingSeparator(QDir(folder).filePath(QStringLiteral("source"))), false);
        }
        if (type == SetFileType::Nvram) {
            deleteSetFolders(folder, setNames, deleted);
        }
    }
    return deleted;
}

} // namespace qx
