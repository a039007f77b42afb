#include "dialogs/PathsEditor.h"

#include "app/PathHelpers.h"
#include "app/ProfileIni.h"
#include "app/UserPrompts.h"
#include "dialogs/PathsSettings.h"
#include "options/EmulatorOptionFile.h"
#include "options/EmulatorOptionWrites.h"
#include "options/EmulatorPaths.h"
#include "options/FolderListValue.h"
#include "options/OptionFileSnapshot.h"

#include <QDir>

namespace qx {

namespace {

const QString kChooseFolderTitle = QStringLiteral("Choose a folder");
const QString kRomChangeQuestion =
    QStringLiteral("Changing ROM paths will verify all sets when the dialog closes. Continue?");
const QString kCurrentDirectory = QStringLiteral(".");

// A path of thousands of characters would make a message box as wide as the screen.
QString shortened(const QString &folder) {
    constexpr int kShown = 100;
    return folder.size() <= kShown
               ? folder
               : folder.left(kShown / 2) + QStringLiteral("...") + folder.right(kShown / 2);
}

// The picture folder is Quorvex's own setting: quotes are removed when it is read, and the settings file
// keeps a limited number of characters.
QString unreadablePictureFolderReason(const QString &folder) {
    if (folder.contains(QLatin1Char('"'))) {
        return QStringLiteral("holds a double quote (\"), which is removed when the setting is read");
    }
    if (folder.contains(QLatin1Char('\n')) || folder.contains(QLatin1Char('\r'))) {
        return QStringLiteral("holds a line break, which would split its line in qx.ini");
    }
    if (folder.size() > kMaxSettingLength) {
        return QStringLiteral("is %1 characters long and qx.ini keeps at most %2")
            .arg(folder.size())
            .arg(kMaxSettingLength);
    }
    return QString();
}

} // namespace

PathsEditor::PathsEditor(QString emulatorIniPath, QString emulatorDir, PathsSettings &settings,
                         UserPrompts &prompts, bool &romChangeConfirmed)
    : m_iniPath(std::move(emulatorIniPath)), m_emulatorDir(std::move(emulatorDir)), m_settings(settings),
      m_prompts(prompts), m_romChangeConfirmed(romChangeConfirmed) {
    selectKind(PathKind::Roms);
}

void PathsEditor::selectKind(PathKind kind) {
    m_kind = kind;
    const PathKindInfo &info = InfoOf(kind);
    QString value;
    if (info.inFrontendSettings) {
        value = m_settings.picturePath();
        m_optionPresent = true;
    } else {
        const std::optional<QString> stored = OptionFileSnapshot::read(m_iniPath).find(info.optionName());
        value = stored.value_or(QString());
        m_optionPresent = stored.has_value();
    }
    QStringList folders;
    if (info.manyFolders) {
        folders = SplitFolderList(value);
        if (kind == PathKind::IniFiles) {
            folders.removeAll(kCurrentDirectory); // always searched first, never shown
        }
    } else if (!StripQuotes(value).isEmpty()) {
        folders.append(StripQuotes(value));
    }
    setFolders(std::move(folders));
}

void PathsEditor::setFolders(QStringList folders) {
    m_folders = std::move(folders);
    m_found.clear();
    for (int row = 0; row < m_folders.size(); ++row) {
        m_found.append(FolderExists(resolvedFolder(row)));
    }
}

QString PathsEditor::resolvedFolder(int row) const {
    return isRow(row) ? ResolveMameFolder(m_folders.at(row), m_emulatorDir) : QString();
}

bool PathsEditor::folderFound(int row) const {
    return isRow(row) && m_found.at(row);
}

PathButtons PathsEditor::buttons(int selectedRow) const {
    const bool many = InfoOf(m_kind).manyFolders && m_optionPresent;
    PathButtons buttons;
    buttons.add = many;
    buttons.change = m_optionPresent && isRow(selectedRow);
    buttons.remove = many && isRow(selectedRow) && m_folders.size() >= 2;
    return buttons;
}

PathEdit PathsEditor::add() {
    if (!buttons(-1).add) {
        return PathEdit::Unchanged;
    }
    const QString folder = m_prompts.chooseFolder(kChooseFolderTitle, addStartFolder());
    if (folder.isEmpty() || isListed(folder)) {
        return PathEdit::Unchanged;
    }
    if (refuse(folder)) {
        return PathEdit::Refused;
    }
    if (!confirmRomChange()) {
        return PathEdit::Unchanged;
    }
    return writeFolders(m_folders + QStringList{folder});
}

PathEdit PathsEditor::change(int row) {
    if (!buttons(row).change) {
        return PathEdit::Unchanged;
    }
    const QString folder = browse(row);
    if (folder.isEmpty() || isListed(folder)) {
        return PathEdit::Unchanged;
    }
    if (refuse(folder)) {
        return PathEdit::Refused;
    }
    const PathKindInfo &info = InfoOf(m_kind);
    if (info.inFrontendSettings) {
        return writePicturePath(folder);
    }
    if (!info.manyFolders) {
        return writeOneFolder(folder);
    }
    if (!confirmRomChange()) {
        return PathEdit::Unchanged;
    }
    QStringList folders = m_folders;
    folders[row] = folder;
    return writeFolders(folders);
}

PathEdit PathsEditor::remove(int row) {
    if (!buttons(row).remove || !confirmRomChange()) {
        return PathEdit::Unchanged;
    }
    QStringList folders = m_folders;
    folders.removeAt(row);
    return writeFolders(folders);
}

QString PathsEditor::browse(int row) const {
    const QString shown = resolvedFolder(row);
    return m_prompts.chooseFolder(kChooseFolderTitle, FolderExists(shown) ? shown : QDir::homePath());
}

// A new folder is looked for from the last listed folder of the user's own: a system folder such as Debian's
// /usr/share/games/mame/roms is seldom where anyone keeps their files. With none, from the home folder.
QString PathsEditor::addStartFolder() const {
    const QString home = QDir::homePath();
    for (int row = int(m_folders.size()) - 1; row >= 0; --row) {
        const QString folder = QDir::cleanPath(resolvedFolder(row));
        if (FolderExists(folder) && (folder == home || folder.startsWith(home + QLatin1Char('/')))) {
            return folder;
        }
    }
    return home;
}

// The same folder written differently ("$HOME/roms" and "/home/me/roms/") is listed already, too.
bool PathsEditor::isListed(const QString &folder) const {
    const QString wanted = ResolveMameFolder(folder, m_emulatorDir);
    for (int row = 0; row < m_folders.size(); ++row) {
        if (m_folders.at(row) == folder || resolvedFolder(row) == wanted) {
            return true;
        }
    }
    return false;
}

bool PathsEditor::refuse(const QString &folder) const {
    const bool picture = InfoOf(m_kind).inFrontendSettings;
    const QString reason = picture ? unreadablePictureFolderReason(folder) : UnreadableFolderReason(folder);
    if (reason.isEmpty()) {
        return false;
    }
    warn(QStringLiteral("The folder \"%1\" %2, so %3 could not read it back. Please rename the folder or "
                        "choose another one.")
             .arg(shortened(folder), reason, picture ? QStringLiteral("Quorvex") : QStringLiteral("MAME")));
    return true;
}

bool PathsEditor::confirmRomChange() {
    if (m_kind != PathKind::Roms || m_romChangeConfirmed || !m_settings.confirmVerify()) {
        return true;
    }
    m_romChangeConfirmed = true; // whatever the answer: asked once per run
    return m_prompts.ask(kRomChangeQuestion, kAppTitle, PromptButtons::YesNo, PromptAnswer::No) ==
           PromptAnswer::Yes;
}

PathEdit PathsEditor::writeFolders(const QStringList &folders) {
    const QString name = InfoOf(m_kind).optionName();
    const QString value = m_kind == PathKind::IniFiles ? IniPathValue(folders) : JoinFolderList(folders);
    if (!writeToMameIni({{name, EmulatorOptionPad(name), value}})) {
        return PathEdit::Refused;
    }
    setFolders(folders);
    m_romPathsChanged = m_romPathsChanged || m_kind == PathKind::Roms;
    m_anyWritten = true;
    return PathEdit::Written;
}

// Every one-folder kind changed since the dialog opened is written again with the new one.
PathEdit PathsEditor::writeOneFolder(const QString &folder) {
    QMap<PathKind, QString> changed = m_changedFolders;
    changed.insert(m_kind, folder);
    QList<OptionWrite> writes;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        const QString name = InfoOf(it.key()).optionName();
        writes.append({name, EmulatorOptionPad(name), QuoteForMameIni(it.value())});
    }
    if (!writeToMameIni(writes)) {
        return PathEdit::Refused;
    }
    m_changedFolders = changed;
    setFolders({folder});
    m_anyWritten = true;
    return PathEdit::Written;
}

PathEdit PathsEditor::writePicturePath(const QString &folder) {
    if (!m_settings.setPicturePath(folder)) {
        warn(QStringLiteral("Quorvex could not write the picture folder to its settings file qx.ini. The "
                            "setting is unchanged."));
        return PathEdit::Refused;
    }
    setFolders({folder});
    m_pictureChanged = true;
    m_anyWritten = true;
    return PathEdit::Written;
}

bool PathsEditor::writeToMameIni(const QList<OptionWrite> &writes) const {
    for (const OptionWrite &write : writes) {
        const qsizetype length = MameIniLineLength(write.name, write.gap, write.value);
        if (length > kMameIniLineLimit) {
            warn(
                QStringLiteral("The %1 line of %2 would be %3 characters long, but MAME reads at most %4 "
                               "characters of a line, so it could not read these folders back. Please remove "
                               "a folder or choose one with a shorter path.")
                    .arg(write.name, m_iniPath)
                    .arg(length)
                    .arg(kMameIniLineLimit));
            return false;
        }
    }
    const OptionWriteResult written = WriteEmulatorOptions(writes, m_iniPath);
    if (!written.ok) {
        warn(written.error);
        return false;
    }
    if (written.linesReplaced < writes.size()) {
        warn(QStringLiteral("%1 has no %2 line any more, so the folders were not written.")
                 .arg(m_iniPath, writes.constLast().name));
        return false;
    }
    return true;
}

void PathsEditor::warn(const QString &text) const {
    m_prompts.inform(text, kAppTitle, PromptIcon::Warning);
}

PathsDialogResult PathsEditor::result() const {
    PathsDialogResult result;
    result.romPathsChanged = m_romPathsChanged;
    result.snapshotFolderChanged = m_changedFolders.contains(PathKind::Snapshots);
    result.pictureFolderChanged = m_pictureChanged;
    result.snapshotDirectory = SnapshotDirectoryFrom(m_iniPath, m_emulatorDir);
    result.pictureDirectory = PictureDirectoryFrom(m_settings.picturePath(), m_emulatorDir);
    return result;
}

} // namespace qx
