#include "options/OptionFiles.h"

#include "app/PathHelpers.h"
#include "app/TextFile.h"
#include "options/OptionFileSnapshot.h"
#include "options/OptionScope.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

QStringList iniPathEntries(const QString &iniPathValue) {
    QStringList entries;
    for (const QString &entry : StripQuotes(iniPathValue).split(QLatin1Char(';'))) {
        if (!entry.trimmed().isEmpty()) {
            entries.append(entry.trimmed());
        }
    }
    return entries;
}

QString folderOf(const QString &entry, const QString &emulatorDir) {
    if (entry == QLatin1String(".")) {
        return WithTrailingSeparator(QDir::cleanPath(emulatorDir));
    }
    return WithTrailingSeparator(ResolveMameFolder(entry, emulatorDir));
}

// A base name that stays inside the INI directory: plain names, optionally below one plain folder.
bool isSafeBaseName(const QString &baseName) {
    const QStringList parts = baseName.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('\\'))) {
            return false;
        }
    }
    return parts.size() <= 2;
}

// The options of mame.ini's configuration, search-path and output-directory sections.
bool isPathOption(const QByteArray &line) {
    const qsizetype space = line.indexOf(' ');
    const QByteArray name = space < 0 ? line : line.left(space);
    return name.endsWith("path") || name.endsWith("_directory") || name == "readconfig" ||
           name == "writeconfig";
}

OptionFileResult failure(const QString &error) {
    OptionFileResult result;
    result.error = error;
    return result;
}

} // namespace

QString IniDirectoryFor(const QString &iniPathValue, const QString &emulatorDir) {
    const QStringList entries = iniPathEntries(iniPathValue);
    if (entries.isEmpty()) {
        return folderOf(QStringLiteral("ini"), emulatorDir);
    }
    for (const QString &entry : entries) {
        if (entry != QLatin1String(".")) {
            return folderOf(entry, emulatorDir);
        }
    }
    return folderOf(QStringLiteral("."), emulatorDir);
}

QStringList IniSearchFolders(const QString &iniPathValue, const QString &emulatorDir) {
    QStringList entries = iniPathEntries(iniPathValue);
    if (entries.isEmpty()) {
        entries = QStringList{QStringLiteral("."), QStringLiteral("ini")};
    }
    QStringList folders;
    for (const QString &entry : entries) {
        const QString folder = folderOf(entry, emulatorDir);
        if (!folders.contains(folder)) {
            folders.append(folder);
        }
    }
    return folders;
}

QString FindLayerFile(const QStringList &folders, const QString &relativeName) {
    for (const QString &folder : folders) {
        const QString path = folder + relativeName;
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return QString();
}

QByteArray TrimmedOptionFileContent(const QByteArray &content, bool *sectionFound) {
    const qsizetype start = content.indexOf(kStatePlaybackSection);
    if (sectionFound) {
        *sectionFound = start >= 0;
    }
    TextLines text = SplitTextLines(start >= 0 ? content.mid(start) : content);
    if (start < 0) {
        text.lines.removeIf(isPathOption);
    }
    text.endsWithLineBreak = true;
    return JoinTextLines(text);
}

TrimResult TrimCopiedOptionFile(const QString &path) {
    TrimResult result;
    bool readable = false;
    const QByteArray content = ReadWholeFile(path, &readable);
    QString error;
    if (!readable) {
        result.error = QStringLiteral("Quorvex could not read %1.").arg(path);
    } else if (!WriteFileAtomically(path, TrimmedOptionFileContent(content, &result.sectionFound), &error)) {
        result.error = QStringLiteral("Quorvex could not write %1 (%2).").arg(path, error);
    }
    return result;
}

OptionFileResult ResolveOptionFile(const QString &baseName, const QString &emulatorIniPath,
                                   const QString &emulatorDir) {
    if (!isSafeBaseName(baseName)) {
        return failure(QStringLiteral("\"%1\" cannot name an option file.").arg(baseName));
    }
    bool mameIniReadable = false;
    const QByteArray mameIni = ReadWholeFile(emulatorIniPath, &mameIniReadable);
    const QString iniPathValue = OptionFileSnapshot::fromContent(mameIni).value(QStringLiteral("inipath"));
    const QString directory = IniDirectoryFor(iniPathValue, emulatorDir);
    const QString path = directory + baseName + QStringLiteral(".ini");
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return failure(
            QStringLiteral("Quorvex could not create the folder %1 (inipath in %2), so the options "
                           "of %3.ini cannot be kept there.")
                .arg(folder, emulatorIniPath, baseName));
    }
    OptionFileResult result;
    result.path = path;
    if (QFileInfo(path).isFile()) {
        return result;
    }
    if (!mameIniReadable) {
        return failure(QStringLiteral("%1 is missing or unreadable, so %2 cannot be made from it.")
                           .arg(emulatorIniPath, path));
    }
    bool sectionFound = true;
    const QByteArray content = TrimmedOptionFileContent(mameIni, &sectionFound);
    QString error;
    if (!WriteFileAtomically(path, content, &error)) {
        return failure(QStringLiteral("Quorvex could not create %1 (%2).").arg(path, error));
    }
    result.created = true;
    if (!sectionFound) {
        result.notice = QStringLiteral("%1 has no \"%2\" section, so %3 was made from all of it except its "
                                       "search paths and folders.")
                            .arg(emulatorIniPath, QString::fromLatin1(kStatePlaybackSection), path);
    }
    return result;
}

OptionFileResult OptionFileForScope(const OptionScope &scope, const QString &emulatorIniPath,
                                    const QString &emulatorDir) {
    if (!scope.isValid()) {
        return failure(QStringLiteral("No set is selected, so its options cannot be edited."));
    }
    if (scope.kind() == OptionScopeKind::Default) {
        if (!FileExists(emulatorIniPath)) {
            return failure(QStringLiteral("MAME's option file %1 is missing.").arg(emulatorIniPath));
        }
        OptionFileResult result;
        result.path = emulatorIniPath;
        return result;
    }
    return ResolveOptionFile(scope.fileBaseName(), emulatorIniPath, emulatorDir);
}

QString DeleteOptionFile(const OptionScope &scope, const QString &path) {
    if (!scope.canDeleteFile()) {
        return QStringLiteral("MAME's default option file is never deleted.");
    }
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.remove()) {
        return QString();
    }
    return QStringLiteral("Quorvex could not delete %1 (%2).").arg(path, file.errorString());
}

} // namespace qx
