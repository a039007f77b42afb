#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>

namespace qx {

// The fast-scan rule: a set counts as available when one of the ROM folders holds an entry (file or folder,
// hidden ones included) named after the set plus "." and something ("pacman.zip", "pacman.7z"), or a folder
// named after the set ("pacman/"): MAME reads all three. Only the
// set's own name is looked for, so the collection must be split: a clone that lives only inside its parent's
// archive is unavailable. Each folder is listed once and its names go into a hash, so 45,000 sets cost 45,000
// look-ups, not 45,000 directory searches.
class RomFolderScan {
public:
    RomFolderScan() = default;

    // romPaths: MAME's rompath value, folders separated by ";". Quotes are removed, variables such as $HOME
    // are expanded, and relative folders are taken against the emulator directory. A folder that is missing
    // or unreadable holds no files.
    static RomFolderScan Scan(const QString &romPaths, const QString &emulatorDir);

    bool isAvailable(const QString &setName) const { return m_baseNames.contains(setName.toUtf8()); }
    bool isAvailable(QByteArrayView setName) const {
        return m_baseNames.contains(QByteArray::fromRawData(setName.data(), setName.size()));
    }
    const QStringList &folders() const { return m_folders; }

private:
    void addFolder(const QString &folder);

    QStringList m_folders;
    QSet<QByteArray> m_baseNames; // UTF-8, as the set names come from the cache files
};

// MAME's ROM folders as the fast scan reads them: the first line of mame.ini that contains "rompath" in any
// letter case, from its eighth character, with surrounding spaces removed. An empty ini path gives "roms"; a
// missing file or one without such a line gives "" (no folders).
QString ReadRomPaths(const QString &emulatorIniPath);

} // namespace qx
