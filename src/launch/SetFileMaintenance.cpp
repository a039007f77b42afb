#include "launch/SetFileMaintenance.h"

#include "app/EmulatorOptionFile.h"
#include "app/PathHelpers.h"
#include "catalogue/SetName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

const QList<SetFileTypeInfo> &typeTable() {
    static const QList<SetFileTypeInfo> table{
        {SetFileType::Nvram, QStringLiteral("nvram_directory"), QStringLiteral("nvram"),
         QStringLiteral(".nv"), QStringLiteral("NVRAM Files?"), QStringLiteral("mnuItemPopupDelNv"),
         QStringLiteral("mnuToolsDelNv")},
        {SetFileType::Configuration, QStringLiteral("cfg_directory"), QStringLiteral("cfg"),
         QStringLiteral(".cfg"), QStringLiteral("Configuration Files?"), QStringLiteral("mnuItemPopupDelCfg"),
         QStringLiteral("mnuToolsDelCfg")},
        {SetFileType::Difference, QStringLiteral("diff_directory"), QStringLiteral("diff"),
         QStringLiteral(".dif"), QStringLiteral("Difference Files?"), QStringLiteral("mnuItemPopupDelDif"),
         QStringLiteral("mnuToolsDelDif")},
        {SetFileType::Ini, QStringLiteral("inipath"), QStringLiteral("ini"), QStringLiteral(".ini"),
         QStringLiteral("INI Files?"), QStringLiteral("mnuItemPopupDelIni"),
         QStringLiteral("mnuToolsDelIni")},
    };
    return table;
}

// The file is directly inside the folder (no link or name that leads elsewhere).
bool liesDirectlyIn(const QString &filePath, const QString &folder) {
    const QString parent = QFileInfo(filePath).absoluteDir().canonicalPath();
    return !parent.isEmpty() && parent == QDir(folder).canonicalPath();
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

QString DeleteSetFileQuestion(SetFileType type, const QString &setName) {
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
    }
    return deleted;
}

QStringList DeleteAllSetFiles(SetFileType type, const QStringList &folders) {
    QStringList deleted;
    const QString pattern = QLatin1Char('*') + SetFileInfo(type).extension;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        if (!dir.exists()) {
            continue;
        }
        const QStringList names =
            dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
        for (const QString &name : names) {
            deleteFile(dir.filePath(name), folder, deleted);
        }
    }
    return deleted;
}

} // namespace qx
