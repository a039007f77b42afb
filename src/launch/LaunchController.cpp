#include "launch/LaunchController.h"

#include "app/FileDialog.h"
#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "catalogue/SetName.h"
#include "launch/CaptureFolder.h"
#include "launch/LaunchCommand.h"
#include "launch/LaunchHost.h"

#include <QCoreApplication>
#include <QWidget>

namespace qx {

LaunchController::LaunchController(LaunchHost &host, QObject *parent) : QObject(parent), m_host(host) {
    setObjectName(QStringLiteral("LaunchController"));
}

int LaunchController::runHidden(const QString &setName, const QStringList &extraArguments) {
    const bool keepConsole = m_host.settings().get(Settings::KeepConsoleOpen);
    m_host.window().hide();
    QCoreApplication::processEvents();
    const int result = RunUntilExit(SetLaunchRequest(m_host.state(), keepConsole, setName, extraArguments));
    QCoreApplication::processEvents();
    return result;
}

void LaunchController::reportFailure(int runResult, const QString &setName) {
    const QString message = LaunchFailureMessage(runResult, m_host.state().EmulatorPath, setName);
    if (!message.isEmpty()) {
        m_host.prompts().inform(message, kAppTitle, PromptIcon::Error);
    }
}

bool LaunchController::LaunchSet(const QString &setName) {
    if (setName.isEmpty() || m_host.isBusy() || !AcceptSetName(setName, m_host.prompts())) {
        return false;
    }
    QWidget &window = m_host.window();
    // Minimised to the notification area: the window stays there after the run.
    const bool inTray = m_host.state().trayMin && m_host.settings().get(Settings::Tray) &&
                        (window.isMinimized() || window.isHidden());
    int result = 0;
    {
        const BusyScope busy(m_host);
        const JoystickPause pause(m_host.joystick());
        result = runHidden(setName, {});
    }
    if (!inTray) {
        window.show(); // in the state it had: normal, maximised or minimised
    }
    reportFailure(result, setName);
    return result >= -1;
}

bool LaunchController::LaunchWithCapture(CaptureKind kind) {
    const QString setName = m_host.state().CurrentSetName;
    if (setName.isEmpty() || m_host.isBusy() || !AcceptSetName(setName, m_host.prompts())) {
        return false;
    }
    const ProgramState &state = m_host.state();
    const CaptureKindInfo &info = CaptureInfo(kind);
    QWidget &window = m_host.window();
    int result = 0;
    {
        const BusyScope busy(m_host);
        const JoystickPause pause(m_host.joystick());
        const CaptureFolder folder = PrepareCaptureFolder(kind, state.mameIniPath(), state.EmulatorDir);
        if (!folder.ok()) {
            m_host.prompts().inform(folder.error, kAppTitle, PromptIcon::Error);
            return false;
        }
        QString fileTitle;
        QString filePath;
        FileDialog(m_host.prompts(), info.saveDialog ? FileDialogMode::Save : FileDialogMode::Open,
                   folder.folder, info.filter, CaptureDialogTitle(kind, setName),
                   CaptureDefaultFileName(kind, setName), fileTitle, filePath);
        const QString argument = info.passesFullPath ? filePath : fileTitle;
        if (argument.isEmpty()) {
            return false;
        }
        const bool wasInTray = window.isHidden() && window.isMinimized();
        result = runHidden(setName, CaptureArguments(kind, fileTitle, filePath));
        if (wasInTray) {
            window.showNormal();
        } else {
            window.show();
        }
    }
    reportFailure(result, setName);
    return result >= -1;
}

void LaunchController::PlayRandomSet() {
    if (m_host.isBusy() || !m_host.pickRandomSet()) {
        return;
    }
    m_host.showCurrentSet();
    if (!m_host.settings().get(Settings::RandomSelectOnly)) {
        LaunchSet(m_host.state().CurrentSetName);
    }
}

} // namespace qx
