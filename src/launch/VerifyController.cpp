#include "launch/VerifyController.h"

#include "app/UserPrompts.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "catalogue/EmulatorIdentity.h"
#include "catalogue/SetName.h"
#include "dialogs/VerifyOutputWindow.h"
#include "launch/LaunchCommand.h"
#include "launch/ModalToolDialog.h"
#include "launch/SingleSetVerify.h"

#include <QAction>
#include <QApplication>

namespace qx {

VerifyController::VerifyController(MainWindow &window, LaunchHooks hooks)
    : QObject(&window), m_window(window), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("VerifyController"));
}

void VerifyController::connectActions() {
    const MainActions &actions = m_window.actions();
    connect(actions[ActionId::ItemPopupVerify], &QAction::triggered, this, [this] { VerifySet(); });
    // The general pop-up's Verify All Sets is the same action as the Tools menu's.
    connect(actions[ActionId::ToolsVerify], &QAction::triggered, this, &VerifyController::VerifyAllSets);
}

void VerifyController::VerifySet() {
    const QString selected = m_hooks.currentSelection ? m_hooks.currentSelection() : QString();
    VerifySet(selected.isEmpty() ? m_window.state().CurrentSetName : selected);
}

void VerifyController::VerifySet(const QString &setName) {
    if (setName.isEmpty() || m_window.isBusy() || !AcceptSetName(setName, m_window.prompts())) {
        return;
    }
    ProgramState &state = m_window.state();
    const JoystickPause pause(m_window);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_window.setBusy(true);

    const bool showWindow = m_window.settings().get(Settings::VerifyDialog);
    const SetVerifyReport report = VerifySetReport(state, setName, showWindow && state.checksamples);
    QString writeError;
    const std::optional<SetState> changed =
        ApplyVerifyVerdict(m_window.catalogue(), state.cachePath(), setName, report.verdict, &writeError);
    if (changed && m_hooks.setItemState) {
        m_hooks.setItemState(setName, *changed);
    }
    QApplication::restoreOverrideCursor();

    if (report.exitCode < -1) {
        m_window.prompts().inform(LaunchFailureMessage(report.exitCode, state.EmulatorPath, setName),
                                  kAppTitle, PromptIcon::Error);
    } else if (!writeError.isEmpty()) {
        m_window.prompts().inform(QStringLiteral("The set list could not be saved: ") + writeError, kAppTitle,
                                  PromptIcon::Error);
    }
    if (showWindow) {
        showOutput(setName, VerifyWindowText(report));
    }
    m_window.setBusy(false);
}

VerifyOutputWindow *VerifyController::outputWindow() const {
    return m_outputWindow;
}

void VerifyController::showOutput(const QString &setName, const QString &text) {
    const QWidget *list = m_window.findChild<QWidget *>(QStringLiteral("lvListView"));
    VerifyOutputWindow window(m_window.state(), list ? list->font() : m_window.font(),
                              list ? list->palette() : m_window.palette(), &m_window);
    window.setWindowTitle(setName);
    window.setOutputText(text);
    m_outputWindow = &window;
    window.exec();
    m_outputWindow = nullptr;
}

void VerifyController::VerifyAllSets() {
    if (m_window.isBusy()) {
        return;
    }
    if (m_window.settings().get(Settings::ConfirmVerify) &&
        m_window.prompts().ask(QStringLiteral("Verify all sets?"), kAppTitle, PromptButtons::YesNo,
                               PromptAnswer::No) != PromptAnswer::Yes) {
        return;
    }
    const ProgramState &state = m_window.state();
    m_window.setBusy(true);
    const EmulatorIdentity identity =
        IdentifyEmulator(state.EmulatorPath, state.programDir, m_window.prompts());
    m_window.setBusy(false);
    if (!identity.ok) {
        return; // IdentifyEmulator told the user why
    }
    // An executable replaced in place may be another version.
    m_window.settings().set(Settings::Version, identity.version);
    m_window.setWindowTitle(identity.version + QStringLiteral(" - ") + kAppTitle);
    if (m_hooks.runRefreshCatalogue) {
        m_hooks.runRefreshCatalogue();
    }
}

} // namespace qx
