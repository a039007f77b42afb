#include "launch/SetFilesController.h"

#include "app/FileDialog.h"
#include "app/PathHelpers.h"
#include "app/UserPrompts.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "catalogue/SetListCache.h"
#include "catalogue/SetName.h"
#include "launch/ModalToolDialog.h"
#include "launch/SnapshotFiles.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>

namespace qx {

namespace {

bool confirmed(UserPrompts &prompts, const QString &question) {
    return prompts.ask(question, kAppTitle, PromptButtons::YesNo, PromptAnswer::No) == PromptAnswer::Yes;
}

QString iniPathOf(const ProgramState &state) {
    return state.EmulatorIniPath.isEmpty() ? state.EmulatorDir + QStringLiteral("mame.ini")
                                           : state.EmulatorIniPath;
}

} // namespace

SetFilesController::SetFilesController(MainWindow &window, LaunchHooks hooks)
    : QObject(&window), m_window(window), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("SetFilesController"));
}

void SetFilesController::connectActions() {
    const MainActions &actions = m_window.actions();
    using A = ActionId;
    const auto onTrigger = [&](A id, auto handler) {
        connect(actions[id], &QAction::triggered, this, handler);
    };
    const std::tuple<A, A, SetFileType> deletes[] = {
        {A::ItemPopupDelNv, A::ToolsDelNv, SetFileType::Nvram},
        {A::ItemPopupDelCfg, A::ToolsDelCfg, SetFileType::Configuration},
        {A::ItemPopupDelDif, A::ToolsDelDif, SetFileType::Difference},
        {A::ItemPopupDelIni, A::ToolsDelIni, SetFileType::Ini}};
    for (const auto &[oneSet, allSets, type] : deletes) {
        onTrigger(oneSet, [this, type = type] { DeleteSetFile(type); });
        onTrigger(allSets, [this, type = type] { DeleteAllSetFiles(type); });
    }
    onTrigger(A::ItemPopupDelAll, [this] { DeleteSetFilesOfAllTypes(); });
    onTrigger(A::ToolsDelAll, [this] { DeleteAllSetFilesOfAllTypes(); });
    onTrigger(A::PopupSnap0, [this] { DeleteSnapshot(); });
    onTrigger(A::PopupSnap1, [this] { RenameSnapshot(); });
    onTrigger(A::ToolsExplorer, [this] { OpenEmulatorFolder(); });
    onTrigger(A::ItemPopupMaws, [this] { OpenSetInfoOnline(); });
    if (QMenu *popup = actions.generalPopup()) {
        connect(popup, &QMenu::aboutToShow, this, &SetFilesController::PrepareSnapshotEntries);
    }
}

void SetFilesController::DeleteSetFile(SetFileType type) {
    const ProgramState &state = m_window.state();
    if (m_window.isBusy() || state.CurrentSetName.isEmpty() ||
        !AcceptSetName(state.CurrentSetName, m_window.prompts())) {
        return;
    }
    const QStringList folders = SetFileFolders(type, iniPathOf(state), state.EmulatorDir);
    if (!confirmed(m_window.prompts(), DeleteSetFileQuestion(type, state.CurrentSetName, folders))) {
        return;
    }
    DeleteSetFiles(type, folders, state.CurrentSetName);
}

void SetFilesController::DeleteAllSetFiles(SetFileType type) {
    const ProgramState &state = m_window.state();
    if (m_window.isBusy() || !confirmed(m_window.prompts(), DeleteAllSetFilesQuestion(type))) {
        return;
    }
    qx::DeleteAllSetFiles(type, SetFileFolders(type, iniPathOf(state), state.EmulatorDir), knownSetNames());
}

QSet<QString> SetFilesController::knownSetNames() const {
    // qx.dat names the clones and BIOS sets too, which the catalogue leaves out while clones are hidden.
    QSet<QString> names = CachedSetNames(m_window.state().cachePath());
    for (const SetView set : m_window.catalogue()) {
        names.insert(set.name().toString());
    }
    return names;
}

void SetFilesController::DeleteSetFilesOfAllTypes() {
    const QString &name = m_window.state().CurrentSetName;
    if (name.isEmpty() || !AcceptSetName(name, m_window.prompts())) {
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

QLabel *SetFilesController::caption() const {
    return m_window.findChild<QLabel *>(QStringLiteral("Label1"));
}

QString SetFilesController::snapshotFolder() const {
    const ProgramState &state = m_window.state();
    const QString shownSet = m_hooks.shownPictureSet ? m_hooks.shownPictureSet() : state.CurrentSetName;
    return SetSnapshotFolder(state.SnapshotDirectory, shownSet);
}

bool SetFilesController::snapshotShown() const {
    const QLabel *label = caption();
    if (!label || label->text().isEmpty() || label->text().contains(QStringLiteral("found"))) {
        return false;
    }
    return m_hooks.snapshotShown ? m_hooks.snapshotShown() : true;
}

void SetFilesController::PrepareSnapshotEntries() {
    const MainActions &actions = m_window.actions();
    QAction *deleteEntry = actions[ActionId::PopupSnap0];
    QAction *renameEntry = actions[ActionId::PopupSnap1];
    QAction *separator = actions[ActionId::PopupBar0];
    const bool shown = snapshotShown();
    const QString name = shown ? caption()->text() : QString();
    for (QAction *action : {deleteEntry, renameEntry, separator}) {
        if (action) {
            action->setVisible(shown);
        }
    }
    if (deleteEntry && shown) {
        deleteEntry->setText(QStringLiteral("Delete ") + name);
    }
    if (renameEntry && shown) {
        renameEntry->setText(QStringLiteral("Rename ") + name);
    }
}

void SetFilesController::RenameSnapshot() {
    QLabel *label = caption();
    const QString folder = snapshotFolder();
    if (m_window.isBusy() || !label || folder.isEmpty()) {
        return;
    }
    const JoystickPause pause(m_window);
    const QString oldName = label->text();
    if (!IsPlainSnapshotName(oldName) || !FileExists(QDir(folder).filePath(oldName))) {
        return;
    }
    const std::optional<QString> answer =
        m_window.prompts().inputText(QStringLiteral("Enter new name:"), kAppTitle, oldName);
    const std::optional<QString> newName = answer ? SnapshotNameFromAnswer(*answer) : std::nullopt;
    if (!newName) {
        return;
    }
    switch (RenameSnapshotFile(folder, oldName, *newName)) {
    case SnapshotRename::Renamed:
        label->setText(*newName);
        break;
    case SnapshotRename::NameTaken:
        m_window.prompts().inform(
            QStringLiteral("%1 already exists; %2 keeps its name.").arg(*newName, oldName), kAppTitle,
            PromptIcon::Information);
        break;
    case SnapshotRename::Failed:
        m_window.prompts().inform(QStringLiteral("%1 could not be renamed.").arg(oldName), kAppTitle,
                                  PromptIcon::Error);
        break;
    case SnapshotRename::Unchanged:
    case SnapshotRename::Missing:
        break;
    }
}

void SetFilesController::DeleteSnapshot() {
    QLabel *label = caption();
    const QString folder = snapshotFolder();
    if (m_window.isBusy() || !label || folder.isEmpty()) {
        return;
    }
    const JoystickPause pause(m_window);
    const QString name = label->text();
    if (!IsPlainSnapshotName(name) || !FileExists(QDir(folder).filePath(name))) {
        return;
    }
    if (!confirmed(m_window.prompts(), QStringLiteral("Delete ") + name + QLatin1Char('?'))) {
        return;
    }
    if (!DeleteSnapshotFile(folder, name)) {
        m_window.prompts().inform(QStringLiteral("%1 could not be deleted.").arg(name), kAppTitle,
                                  PromptIcon::Error);
        return;
    }
    if (m_hooks.clearPicture) {
        m_hooks.clearPicture();
    }
    label->setText(MissingSnapshotCaption(name));
}

void SetFilesController::OpenEmulatorFolder() {
    const QString folder = m_window.state().EmulatorDir;
    if (folder.isEmpty()) {
        return;
    }
    if (!OpenDocument(m_window.services(), folder)) {
        m_window.prompts().inform(QStringLiteral("The folder %1 could not be opened.").arg(folder), kAppTitle,
                                  PromptIcon::Error);
    }
}

void SetFilesController::OpenSetInfoOnline() {
    const QString name = m_window.state().CurrentSetName;
    if (name.isEmpty()) {
        return;
    }
    const QString url = m_window.settings().get(Settings::Url) + name;
    if (!OpenDocument(m_window.services(), url)) {
        m_window.prompts().inform(QStringLiteral("%1 could not be opened.").arg(url), kAppTitle,
                                  PromptIcon::Error);
    }
}

} // namespace qx
