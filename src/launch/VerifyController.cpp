#include "launch/VerifyController.h"

#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "catalogue/EmulatorIdentity.h"
#include "catalogue/SetName.h"
#include "dialogs/VerifyOutputWindow.h"
#include "launch/LaunchCommand.h"
#include "launch/LaunchHost.h"
#include "launch/SingleSetVerify.h"

#include <QWidget>

namespace qx {

VerifyController::VerifyController(LaunchHost &host, QObject *parent) : QObject(parent), m_host(host) {
    setObjectName(QStringLiteral("VerifyController"));
}

void VerifyController::VerifySet() {
    const QString selected = m_host.selectedSet().name;
    VerifySet(selected.isEmpty() ? m_host.state().CurrentSetName : selected);
}

void VerifyController::VerifySet(const QString &setName) {
    VerifySet(setName,
              {m_host.catalogue(), m_host.window(), true, [this](const QString &name, SetState state) {
                   m_host.showSetState(name, state);
               }});
}

void VerifyController::VerifySet(const QString &setName, const SetVerifyTarget &target) {
    if (setName.isEmpty() || m_host.isBusy() || !AcceptSetName(setName, m_host.prompts())) {
        return;
    }
    ProgramState &state = m_host.state();
    const JoystickPause pause(m_host.joystick());
    const BusyScope busy(m_host);
    const bool showWindow = m_host.settings().get(Settings::VerifyDialog);
    SetVerifyReport report;
    QString writeError;
    {
        const BusyPointer pointer;
        report = VerifySetReport(state, setName, showWindow && target.offerSampleCheck && state.checksamples);
        const std::optional<SetState> changed =
            ApplyVerifyVerdict(target.catalogue, state.cachePath(), setName, report.verdict, &writeError);
        if (changed && target.showState) {
            target.showState(setName, *changed);
        }
    }

    if (report.exitCode < -1) {
        m_host.prompts().inform(LaunchFailureMessage(report.exitCode, state.EmulatorPath, setName), kAppTitle,
                                PromptIcon::Error);
    } else if (!writeError.isEmpty()) {
        m_host.prompts().inform(QStringLiteral("The set list could not be saved: ") + writeError, kAppTitle,
                                PromptIcon::Error);
    }
    if (showWindow) {
        showOutput(setName, VerifyWindowText(report), target);
    }
}

VerifyOutputWindow *VerifyController::outputWindow() const {
    return m_outputWindow;
}

void VerifyController::showOutput(const QString &setName, const QString &text,
                                  const SetVerifyTarget &target) {
    const QWidget &list = m_host.setList();
    VerifyOutputWindow window(m_host.state(), list.font(), list.palette(), &target.owner);
    window.setOptionsMenuShown(target.offerSampleCheck);
    window.setWindowTitle(setName);
    window.setOutputText(text);
    m_outputWindow = &window;
    window.exec();
    m_outputWindow = nullptr;
}

void VerifyController::VerifyAllSets() {
    if (m_host.isBusy()) {
        return;
    }
    if (m_host.settings().get(Settings::ConfirmVerify) &&
        m_host.prompts().ask(QStringLiteral("Verify all sets?"), kAppTitle, PromptButtons::YesNo,
                             PromptAnswer::No) != PromptAnswer::Yes) {
        return;
    }
    const ProgramState &state = m_host.state();
    EmulatorIdentity identity;
    {
        const BusyScope busy(m_host);
        identity = IdentifyEmulator(state.EmulatorPath, state.programDir, m_host.prompts());
    }
    if (!identity.ok) {
        return; // IdentifyEmulator told the user why
    }
    // An executable replaced in place may be another version.
    m_host.settings().set(Settings::Version, identity.version);
    m_host.window().setWindowTitle(identity.version + QStringLiteral(" - ") + kAppTitle);
    m_host.refreshCatalogue();
}

} // namespace qx
