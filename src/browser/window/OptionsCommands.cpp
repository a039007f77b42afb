#include "browser/window/OptionsCommands.h"

#include "app/ModalToolDialog.h"
#include "app/ScopeGuards.h"
#include "app/SettingsKeys.h"
#include "app/UserPrompts.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "launch/DisplayModesFactory.h"
#include "options/EmulatorIni.h"
#include "options/OptionsDialogContext.h"
#include "options/SetScreenType.h"

#include <QAction>
#include <QDialog>

namespace qx {

OptionsCommands::OptionsCommands(MainWindow &window, QObject *parent) : QObject(parent), m_window(window) {
    connectEntries();
}

void OptionsCommands::connectEntries() {
    using A = ActionId;
    using E = OptionsMenuEntry;
    // The general pop-up's twins and toolbar button 8 are entries of their own, with the menu bar's scope.
    static const std::pair<A, E> kEntries[] = {
        {A::OptionsDefault, E::DefaultOptions},       {A::PopupDefault, E::DefaultOptions},
        {A::TbrOptions, E::DefaultOptions},           {A::OptionsVector, E::VectorOptions},
        {A::PopupVector, E::VectorOptions},           {A::ItemPopupSetOptions, E::SetOptions},
        {A::ItemPopupDriverOptions, E::DriverOptions}};
    for (const auto &[id, entry] : kEntries) {
        connect(m_window.action(id), &QAction::triggered, this, [this, entry = entry] { open(entry); });
    }
}

std::optional<OptionScopeSelection> OptionsCommands::selectionFor(OptionsMenuEntry entry) {
    if (entry != OptionsMenuEntry::SetOptions && entry != OptionsMenuEntry::DriverOptions) {
        return OptionScopeSelection{};
    }
    const SelectedSet set = m_window.browser().selectedSet();
    const bool forSet = entry == OptionsMenuEntry::SetOptions;
    QString refusal;
    if (set.isEmpty()) {
        refusal =
            forSet ? QStringLiteral("Select a set first: Set Options edit the options of the selected set.")
                   : QStringLiteral("Select a set first: Driver Options edit the options of the selected "
                                    "set's driver.");
    } else if (!forSet && set.driver.isEmpty()) {
        refusal = QStringLiteral("The driver of %1 is not known, so its driver options cannot be opened. "
                                 "Refreshing the set list from MAME brings it.")
                      .arg(set.name);
    }
    if (!refusal.isEmpty()) {
        m_window.prompts().inform(refusal, kAppTitle, PromptIcon::Information);
        return std::nullopt;
    }
    return OptionScopeSelection{set.name, set.parent, set.driver,
                                SetHasVectorScreen(m_window.state(), set.name)};
}

int OptionsCommands::open(OptionsMenuEntry entry) {
    // Finding the screen type and making mame.ini are MAME runs: the joystick rests through them too.
    const JoystickPause pause(m_window.joystick());
    const std::optional<OptionScopeSelection> selection = selectionFor(entry);
    if (!selection) {
        return QDialog::Rejected;
    }
    ProgramState &state = m_window.state();
    if (const QString error = EnsureEmulatorIni(state); !error.isEmpty()) {
        m_window.prompts().inform(error, kAppTitle, PromptIcon::Warning);
        return QDialog::Rejected;
    }
    const FrontendSettings &settings = m_window.settings();
    const std::unique_ptr<DisplayModes> displayModes = CreateDisplayModes(m_window.screen());
    OptionsDialogContext context(m_window.prompts(), *displayModes);
    context.scope = OptionScope::forEntry(entry, *selection);
    context.emulatorIniPath = state.EmulatorIniPath;
    context.emulatorDir = state.EmulatorDir;
    context.dialogFontName = settings.get(Settings::DialogueFont);
    context.showToolTips = state.ShowToolTips;
    context.topmost = state.FullScreenListActive;
    context.monitorNames = MonitorNames();
    context.lastEffectFolder = settings.get(Settings::Mrud2);
    context.effectFolderPicked = [&settings](const QString &folder) {
        settings.set(Settings::Mrud2, folder);
    };
    context.consoleNeeded = [this] {
        showConsole();
    };
    context.run = [this](QDialog &dialog) {
        return ModalToolDialog(m_window.joystick(), dialog);
    };
    context.parent = &m_window;
    return OpenOptionsDialog(context);
}

// MAME without video has nothing to show but its console, so the launches show it from now on.
void OptionsCommands::showConsole() {
    if (m_window.settings().get(Settings::ShowConsole) == 0) {
        m_window.settings().set(Settings::ShowConsole, 1);
    }
    if (m_window.state().ShowConsole == 0) {
        m_window.state().ShowConsole = 1;
    }
}

} // namespace qx
