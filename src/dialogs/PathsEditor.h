#pragma once

#include "dialogs/PathKind.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace qx {

class PathsSettings;
class UserPrompts;
struct OptionWrite;

// What the paths dialog changed, for the window that opened it.
struct PathsDialogResult {
    bool romPathsChanged = false; // rompath was written (even if later set back): verify every set again
    bool snapshotFolderChanged = false;
    bool pictureFolderChanged = false;
    QString snapshotDirectory; // snapshot_directory as MAME reads it now, ending in a separator
    QString pictureDirectory;  // the picture folder now, ending in a separator
};

struct PathButtons {
    bool add = false;
    bool change = false;
    bool remove = false;
};

enum class PathEdit {
    Unchanged, // the picker was cancelled, the folder is already listed, or the ROM change was not confirmed
    Written,   // the folders were written to their file
    Refused,   // a folder MAME could not read back, or a file that cannot be written: the user was told why
};

// The paths dialog without its window. It shows one kind of folder at a time, as written in mame.ini (or
// qx.ini for the pictures): variables such as $HOME stay as they are, so changing one folder never expands
// the others. Add, Change and Delete write the kind at once; nothing is rolled back on closing.
class PathsEditor {
public:
    // romChangeConfirmed lives for the program run: the ROM-change question is asked at most once.
    PathsEditor(QString emulatorIniPath, QString emulatorDir, PathsSettings &settings, UserPrompts &prompts,
                bool &romChangeConfirmed);

    void selectKind(PathKind kind);
    PathKind kind() const { return m_kind; }
    const QStringList &folders() const { return m_folders; }
    // The row's folder as MAME reads it: variables expanded, a relative folder taken in the emulator
    // directory.
    QString resolvedFolder(int row) const;
    bool folderFound(int row) const;
    // False when mame.ini has no line for the kind's option (a MAME without it): nothing can be written.
    bool optionPresent() const { return m_optionPresent; }
    PathButtons buttons(int selectedRow) const;

    PathEdit add();
    PathEdit change(int row);
    PathEdit remove(int row);

    bool anyWritten() const { return m_anyWritten; }
    PathsDialogResult result() const;

private:
    bool isRow(int row) const { return row >= 0 && row < m_folders.size(); }
    void setFolders(QStringList folders);
    QString browse(int row) const;
    QString addStartFolder() const;
    bool isListed(const QString &folder) const;
    bool refuse(const QString &folder) const;
    bool confirmRomChange();
    PathEdit writeFolders(const QStringList &folders);
    PathEdit writeOneFolder(const QString &folder);
    PathEdit writePicturePath(const QString &folder);
    bool writeToMameIni(const QList<OptionWrite> &writes) const;
    void warn(const QString &text) const;

    QString m_iniPath;
    QString m_emulatorDir;
    PathsSettings &m_settings;
    UserPrompts &m_prompts;
    bool &m_romChangeConfirmed;
    PathKind m_kind = PathKind::Roms;
    QStringList m_folders;
    QList<bool> m_found;
    bool m_optionPresent = false;
    QMap<PathKind, QString> m_changedFolders; // one-folder kinds written since the dialog opened
    bool m_anyWritten = false;
    bool m_romPathsChanged = false;
    bool m_pictureChanged = false;
};

} // namespace qx
