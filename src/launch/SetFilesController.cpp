#include "launch/SetFilesController.h"

#include "app/FileDialog.h"
#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "catalogue/SetCatalogue.h"
#include "catalogue/SetListCache.h"
#include "catalogue/SetName.h"
#include "launch/LaunchHost.h"
#include "launch/SnapshotFiles.h"

#include <QAction>
#include <QDir>

namespace qx {

namespace {

bool confirmed(UserPrompts &prompts, const QString &question) {
    return prompts.ask(question, kAppTitle, PromptButtons::YesNo, PromptAnswer::No) == PromptAnswer::Yes;
}

} // namespace

SetFilesController::SetFilesController(LaunchHost &host, QObject *parent) : QObject(parent), m_host(host) {
    setObjectName(QStringLiteral("SetFilesController"));
}

void SetFilesController::DeleteSetFile(SetFileType type) {
    const ProgramState &state = m_host.state();
    if (m_host.isBusy() || state.CurrentSetName.isEmpty() ||
        !AcceptSetName(state.CurrentSetName, m_host.prompts())) {
        return;
    }
    const QStringList folders = SetFileFolders(type, state.mameIniPath(), state.EmulatorDir);
    if (!confirmed(m_host.prompts(), DeleteSetFileQuestion(type, state.CurrentSetName, folders))) {
        return;
    }
    DeleteSetFiles(type, folders, state.CurrentSetName);
}

void SetFilesController::DeleteAllSetFiles(SetFileType type) {
    const ProgramState &state = m_host.state();
    if (m_host.isBusy() || !confirmed(m_host.prompts(), DeleteAllSetFilesQuestion(type))) {
        return;
    }
    qx::DeleteAllSetFiles(type, SetFileFolders(type, state.mameIniPath(), state.EmulatorDir),
                          knownSetNames());
}

QSet<QString> SetFilesController::knownSetNames() const {
    // qx.dat names the clones and BIOS sets too, which the catalogue leaves out while clones are hidden.
    QSet<QString> names = CachedSetNames(m_host.state().cachePath());
    for (const SetView set : m_host.catalogue()) {
        names.insert(set.name().toString());
    }
    return names;
}

void SetFilesController::DeleteSetFilesOfAllTypes() {
    const QString &name = m_host.state().CurrentSetName;
    if (name.isEmpty() || !AcceptSetName(name, m_host.prompts())) {
        return; // one message, not one per type
    }
    for (const SetFileType type : AllSetFileTypes()) {
        DeleteSetFile(type);
    }
}

void SetFilesController::DeleteAllSetFilesOfAllTypes() {
    for (const SetFileType type : AllSetFileTypes()) {
        DeleteAllSetFiles(type);
    }
}

QString SetFilesController::snapshotFolder() const {
    return SetSnapshotFolder(m_host.state().SnapshotDirectory, m_host.shownPictureSet());
}

void SetFilesController::PrepareSnapshotEntries(QAction *deleteEntry, QAction *renameEntry,
                                                QAction *separator) {
    const QString name = m_host.shownSnapshot();
    for (QAction *action : {deleteEntry, renameEntry, separator}) {
        action->setVisible(!name.isEmpty());
    }
    if (!name.isEmpty()) {
        deleteEntry->setText(QStringLiteral("Delete ") + name);
        renameEntry->setText(QStringLiteral("Rename ") + name);
    }
}

void SetFilesController::RenameSnapshot() {
    const QString folder = snapshotFolder();
    if (m_host.isBusy() || folder.isEmpty()) {
        return;
    }
    const JoystickPause pause(m_host.joystick());
    const QString oldName = m_host.shownSnapshot();
    if (!IsPlainSnapshotName(oldName) || !FileExists(QDir(folder).filePath(oldName))) {
        return;
    }
    const std::optional<QString> answer =
        m_host.prompts().inputText(QStringLiteral("Enter new name:"), kAppTitle, oldName);
    const std::optional<QString> newName = answer ? SnapshotNameFromAnswer(*answer) : std::nullopt;
    if (!newName) {
        return;
    }
    switch (RenameSnapshotFile(folder, oldName, *newName)) {
    case SnapshotRename::Renamed:
        m_host.setPictureCaption(*newName);
        break;
    case SnapshotRename::NameTaken:
        m_host.prompts().inform(
            QStringLiteral("%1 already exists; %2 keeps its name.").arg(*newName, oldName), kAppTitle,
            PromptIcon::Information);
        break;
    case SnapshotRename::Failed:
        m_host.prompts().inform(QStringLiteral("%1 could not be renamed.").arg(oldName), kAppTitle,
                                PromptIcon::Error);
        break;
    case SnapshotRename::Unchanged:
    case SnapshotRename::Missing:
        break;
    }
}

void SetFilesController::DeleteSnapshot() {
    const QString folder = snapshotFolder();
    if (m_host.isBusy() || folder.isEmpty()) {
        return;
    }
    const JoystickPause pause(m_host.joystick());
    const QString name = m_host.shownSnapshot();
    if (!IsPlainSnapshotName(name) || !FileExists(QDir(folder).filePath(name))) {
        return;
    }
    if (!confirmed(m_host.prompts(), QStringLiteral("Delete ") + name + QLatin1Char('?'))) {
        return;
    }
    if (!DeleteSnapshotFile(folder, name)) {
        m_host.prompts().inform(QStringLiteral("%1 could not be deleted.").arg(name), kAppTitle,
                                PromptIcon::Error);
        return;
    }
    m_host.removeShownPicture();
    m_host.setPictureCaption(MissingSnapshotCaption(name));
}

void SetFilesController::OpenEmulatorFolder() {
    const QString folder = m_host.state().EmulatorDir;
    if (folder.isEmpty()) {
        return;
    }
    if (!OpenDocument(m_host.services(), folder)) {
        m_host.prompts().inform(QStringLiteral("The folder %1 could not be opened.").arg(folder), kAppTitle,
                                PromptIcon::Error);
    }
}

void SetFilesController::OpenSetInfoOnline() {
    OpenSetInfoOnline(m_host.state().CurrentSetName);
}

void SetFilesController::OpenSetInfoOnline(const QString &name) {
    if (name.isEmpty()) {
        return;
    }
    const QString url = m_host.settings().get(Settings::Url) + name;
    if (!OpenDocument(m_host.services(), url)) {
        m_host.prompts().inform(QStringLiteral("%1 could not be opened.").arg(url), kAppTitle,
                                PromptIcon::Error);
    }
}

} // namespace qx
