// The paths dialog as the main window opens it: from Options ▸ Paths/Directories, its pop-up twin and the
// toolbar, and on the first run for the ROM folders.
#include "app/ModalToolDialog.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/MainWindow.h"
#include "catalogue/EmulatorIdentity.h"
#include "dialogs/FrontendPathsSettings.h"
#include "dialogs/PathsDialog.h"
#include "options/EmulatorIni.h"

namespace qx {

namespace {

PathsDialogResult ShowPathsDialog(MainWindow &window, const QString &caption, bool showRomsNote) {
    ProgramState &state = window.state();
    FrontendPathsSettings settings(window.settings());
    PathsDialogContext context{state.EmulatorDir, state.EmulatorIniPath,    settings,
                               window.prompts(),  state.RomChangeConfirmed, caption,
                               showRomsNote};
    context.run = [&window](QDialog &dialog) {
        return ModalToolDialog(window.joystick(), dialog);
    };
    context.parent = &window;
    return OpenPathsDialog(context);
}

} // namespace

void MainWindow::OpenPathsDialog() {
    if (m_busy) {
        return;
    }
    // Paused until the verify that may follow is over, as the dialog's work is not done before.
    const JoystickPause pause(joystick());
    m_state.RomPathsChanged = false;
    if (const QString error = EnsureEmulatorIni(m_state); !error.isEmpty()) {
        m_prompts.inform(error, kAppTitle, PromptIcon::Warning);
    }
    const PathsDialogResult result = ShowPathsDialog(*this, kPathsDialogCaption, false);
    m_state.RomPathsChanged = result.romPathsChanged;

    m_state.SnapshotDirectory = result.snapshotDirectory;
    m_state.PictureDirectory = result.pictureDirectory;
    const SelectedSet shown = m_browser->selectedSet();
    if ((result.snapshotFolderChanged || result.pictureFolderChanged) && !shown.isEmpty()) {
        m_info->showSetInfo(shown.name, shown.parent);
    }
    // Set back or not, the ROM folders were changed: which sets are available is known only after a verify.
    if (m_state.RomPathsChanged && identifyEmulatorAgain()) {
        RefreshCatalogue();
    }
}

bool MainWindow::identifyEmulatorAgain() {
    EmulatorIdentity identity;
    {
        const BusyScope busy(*this);
        identity = IdentifyEmulator(m_state.EmulatorPath, m_programDir, m_prompts, m_state.runLimits);
    }
    if (identity.ok) {
        // An executable replaced in place may be another version.
        m_settings.set(Settings::Version, identity.version);
        setWindowTitle(identity.version + QStringLiteral(" - ") + kAppTitle);
    }
    return identity.ok;
}

void MainWindow::showRomPathsDialog(bool showRomsNote) {
    ShowPathsDialog(*this, kRomPathsCaption, showRomsNote);
}

} // namespace qx
