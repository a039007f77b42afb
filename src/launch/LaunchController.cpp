#include "launch/LaunchController.h"

#include "app/FileDialog.h"
#include "app/UserPrompts.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "catalogue/SetName.h"
#include "launch/CaptureFolder.h"
#include "launch/LaunchCommand.h"
#include "launch/ModalToolDialog.h"

#include <QAction>
#include <QCoreApplication>

namespace qx {

namespace {

// Busy for the length of a scope, so every way out of a run clears it.
class BusyScope {
public:
    explicit BusyScope(MainWindow &window) : m_window(window) { m_window.setBusy(true); }
    ~BusyScope() { m_window.setBusy(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    MainWindow &m_window;
};

QString iniPathOf(const ProgramState &state) {
    return state.EmulatorIniPath.isEmpty() ? state.EmulatorDir + QStringLiteral("mame.ini")
                                           : state.EmulatorIniPath;
}

} // namespace

LaunchController::LaunchController(MainWindow &window, LaunchHooks hooks)
    : QObject(&window), m_window(window), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("LaunchController"));
}

void LaunchController::connectActions() {
    const MainActions &actions = m_window.actions();
    using A = ActionId;
    const std::pair<A, CaptureKind> captures[] = {{A::FileRecord, CaptureKind::RecordInput},
                                                  {A::ItemPopupRecord, CaptureKind::RecordInput},
                                                  {A::FilePlayback, CaptureKind::PlaybackInput},
                                                  {A::ItemPopupPlayback, CaptureKind::PlaybackInput},
                                                  {A::FileSound, CaptureKind::Wav},
                                                  {A::ItemPopupSound, CaptureKind::Wav},
                                                  {A::FileVideo, CaptureKind::Mng},
                                                  {A::ItemPopupVideo, CaptureKind::Mng},
                                                  {A::FileVidSnd, CaptureKind::Avi},
                                                  {A::ItemPopupSndVid, CaptureKind::Avi}};
    for (const auto &[id, kind] : captures) {
        connect(actions[id], &QAction::triggered, this, [this, kind = kind] { LaunchWithCapture(kind); });
    }
    // The general pop-up's Play Random Set is the same action as the File menu's.
    for (const A id : {A::FileRandom, A::TrayRandom}) {
        connect(actions[id], &QAction::triggered, this, &LaunchController::PlayRandomSet);
    }
}

int LaunchController::runHidden(const QString &setName, const QStringList &extraArguments) {
    const bool keepConsole = m_window.settings().get(Settings::KeepConsoleOpen);
    m_window.hide();
    QCoreApplication::processEvents();
    const int result = RunUntilExit(SetLaunchRequest(m_window.state(), keepConsole, setName, extraArguments));
    QCoreApplication::processEvents();
    return result;
}

void LaunchController::reportFailure(int runResult, const QString &setName) {
    const QString message = LaunchFailureMessage(runResult, m_window.state().EmulatorPath, setName);
    if (!message.isEmpty()) {
        m_window.prompts().inform(message, kAppTitle, PromptIcon::Error);
    }
}

bool LaunchController::LaunchSet(const QString &setName) {
    if (setName.isEmpty() || m_window.isBusy() || !AcceptSetName(setName, m_window.prompts())) {
        return false;
    }
    const ProgramState &state = m_window.state();
    // Minimised to the notification area: the window stays there after the run.
    const bool inTray = state.trayMin && m_window.settings().get(Settings::Tray) &&
                        (m_window.isMinimized() || m_window.isHidden());
    int result = 0;
    {
        const BusyScope busy(m_window);
        result = runHidden(setName, {});
    }
    if (!inTray) {
        m_window.show(); // in the state it had: normal, maximised or minimised
    }
    reportFailure(result, setName);
    return result >= -1;
}

bool LaunchController::LaunchWithCapture(CaptureKind kind) {
    const QString setName = m_window.state().CurrentSetName;
    if (setName.isEmpty() || m_window.isBusy() || !AcceptSetName(setName, m_window.prompts())) {
        return false;
    }
    const ProgramState &state = m_window.state();
    const CaptureKindInfo &info = CaptureInfo(kind);
    int result = 0;
    {
        const BusyScope busy(m_window);
        const JoystickPause pause(m_window);
        const CaptureFolder folder = PrepareCaptureFolder(kind, iniPathOf(state), state.EmulatorDir);
        if (!folder.ok()) {
            m_window.prompts().inform(folder.error, kAppTitle, PromptIcon::Error);
            return false;
        }
        QString fileTitle;
        QString filePath;
        FileDialog(m_window.prompts(), info.saveDialog ? FileDialogMode::Save : FileDialogMode::Open,
                   folder.folder, info.filter, CaptureDialogTitle(kind, setName),
                   CaptureDefaultFileName(kind, setName), fileTitle, filePath);
        const QString argument = info.passesFullPath ? filePath : fileTitle;
        if (argument.isEmpty()) {
            return false;
        }
        const bool wasInTray = m_window.isHidden() && m_window.isMinimized();
        result = runHidden(setName, CaptureArguments(kind, fileTitle, filePath));
        if (wasInTray) {
            m_window.showNormal();
        } else {
            m_window.show();
        }
    }
    reportFailure(result, setName);
    return result >= -1;
}

void LaunchController::PlayRandomSet() {
    if (m_window.isBusy() || !m_hooks.pickRandomSet || !m_hooks.pickRandomSet()) {
        return;
    }
    if (m_hooks.refreshSelectionDisplay) {
        m_hooks.refreshSelectionDisplay();
    }
    if (!m_window.settings().get(Settings::RandomSelectOnly)) {
        LaunchSet(m_window.state().CurrentSetName);
    }
}

} // namespace qx
