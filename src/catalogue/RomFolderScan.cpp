#include "catalogue/RomFolderScan.h"

#include "app/PathHelpers.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace qx {

RomFolderScan RomFolderScan::Scan(const QString &romPaths, const QString &emulatorDir) {
    RomFolderScan scan;
    for (const QString &entry : romPaths.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString folder = ResolveMameFolder(entry, emulatorDir);
        if (!folder.isEmpty()) {
            scan.addFolder(folder);
        }
    }
    return scan;
}

void RomFolderScan::addFolder(const QString &folder) {
    m_folders.append(folder);
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &entry : entries) {
        // "a.b.zip" names both "a" and "a.b"; a leading dot names nothing, a trailing one no extension.
        bool named = false;
        for (qsizetype dot = entry.indexOf(QLatin1Char('.'), 1); dot > 0 && dot < entry.size() - 1;
             dot = entry.indexOf(QLatin1Char('.'), dot + 1)) {
            m_baseNames.insert(entry.left(dot).toUtf8());
            named = true;
        }
        // MAME also reads a set from a folder of its name (roms/pacman/). Only the few entries without an
        // extension cost a look at their type.
        if (!named && QFileInfo(dir, entry).isDir()) {
            m_baseNames.insert(entry.toUtf8());
        }
    }
}

QString ReadRomPaths(const QString &emulatorIniPath) {
    if (emulatorIniPath.isEmpty()) {
        return QStringLiteral("roms");
    }
    const TextLines text = SplitTextLines(ReadWholeFile(emulatorIniPath));
    for (const QByteArray &line : text.lines) {
        if (line.toLower().contains("rompath")) {
            return QString::fromUtf8(line.mid(7)).trimmed();
        }
    }
    return QString();
}

} // namespace qx
