// The main window's parts and their wiring: the set browser, the information panel, the chrome, the tray,
// the launch, verify and per-set file controllers, the joystick, the full-screen list, the preferences, and
// the commands that reach each.
#include "app/ModalToolDialog.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeModel.h"
#include "browser/window/FullScreenList.h"
#include "browser/window/JoystickPoller.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "browser/window/OptionsCommands.h"
#include "browser/window/SdlJoystick.h"
#include "browser/window/StatusPanels.h"
#include "browser/window/TrayIcon.h"
#include "browser/window/WindowChrome.h"
#include "browser/window/WindowLaunchHost.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/BiosListDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "launch/LaunchController.h"
#include "launch/SetFilesController.h"
#include "launch/VerifyController.h"
#include "options/EmulatorIni.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeView>

namespace qx {

void MainWindow::attachParts() {
    if (m_chrome) {
        return;
    }
    createInfoChrome();
    createLaunchers();
}

void MainWindow::createLaunchers() {
    LaunchHost &host = launchHost();
    m_launch = new LaunchController(host, this);
    m_verify = new VerifyController(host, this);
    m_setFiles = new SetFilesController(host, this);
    connectLaunchers();
    new OptionsCommands(*this, this);
}

// The ui controllers' commands: the capture kinds and the per-set file types each have an entry in the
// File menu (or Tools ▸ Delete) and its twin in the item pop-up.
void MainWindow::connectLaunchers() {
    const MainActions &a = *m_actions;
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
        connect(a[id], &QAction::triggered, m_launch,
                [this, kind = kind] { m_launch->LaunchWithCapture(kind); });
    }
    // The general pop-up's Play Random Set is the same action as the File menu's.
    for (const A id : {A::FileRandom, A::TrayRandom}) {
        connect(a[id], &QAction::triggered, m_launch, &LaunchController::PlayRandomSet);
    }

    connect(a[A::ItemPopupVerify], &QAction::triggered, m_verify, [this] { m_verify->VerifySet(); });
    // The general pop-up's Verify All Sets is the same action as the Tools menu's.
    connect(a[A::ToolsVerify], &QAction::triggered, m_verify, &VerifyController::VerifyAllSets);

    SetFilesController *files = m_setFiles;
    const std::tuple<A, A, SetFileType> deletes[] = {
        {A::ItemPopupDelNv, A::ToolsDelNv, SetFileType::Nvram},
        {A::ItemPopupDelCfg, A::ToolsDelCfg, SetFileType::Configuration},
        {A::ItemPopupDelDif, A::ToolsDelDif, SetFileType::Difference},
        {A::ItemPopupDelIni, A::ToolsDelIni, SetFileType::Ini}};
    for (const auto &[oneSet, allSets, type] : deletes) {
        connect(a[oneSet], &QAction::triggered, files, [files, type = type] { files->DeleteSetFile(type); });
        connect(a[allSets], &QAction::triggered, files,
                [files, type = type] { files->DeleteAllSetFiles(type); });
    }
    using Command = void (SetFilesController::*)();
    const std::pair<A, Command> commands[] = {
        {A::ItemPopupDelAll, &SetFilesController::DeleteSetFilesOfAllTypes},
        {A::ToolsDelAll, &SetFilesController::DeleteAllSetFilesOfAllTypes},
        {A::PopupSnap0, &SetFilesController::DeleteSnapshot},
        {A::PopupSnap1, &SetFilesController::RenameSnapshot},
        {A::ToolsExplorer, &SetFilesController::OpenEmulatorFolder},
        {A::ItemPopupMaws, &SetFilesController::OpenSetInfoOnline}};
    for (const auto &[id, command] : commands) {
        connect(a[id], &QAction::triggered, files, command);
    }
    connect(a.generalPopup(), &QMenu::aboutToShow, files, [this, files] {
        files->PrepareSnapshotEntries(action(A::PopupSnap0), action(A::PopupSnap1), action(A::PopupBar0));
    });
    // The BIOS list verifies and looks up a BIOS set as the browser does a set, in a catalogue of its own.
    connect(a[A::ToolsBIOS], &QAction::triggered, this, [this] {
        OpenBiosList(
            {m_state, m_settings, m_services, m_prompts, *m_list, *m_status,
             [this](const QString &name, SetCatalogue &bios, QWidget &owner, const SetStateShown &shown) {
                 m_verify->VerifySet(name, {bios, owner, false, shown});
             },
             [this](const QString &name) { m_setFiles->OpenSetInfoOnline(name); }, this,
             [this](QDialog &dialog) {
                 return ModalToolDialog(joystick(), dialog);
             }});
    });
}

void MainWindow::createInfoChrome() {
    WindowChromeHooks chromeHooks;
    chromeHooks.focusShownView = [this] {
        focusShownView();
    };
    m_chrome = new WindowChrome(*this, m_appearance, std::move(chromeHooks), this);
    TrayHooks trayHooks;
    trayHooks.focusShownView = [this] {
        focusShownView();
    };
    trayHooks.launchSet = [this](const QString &name) {
        m_launch->LaunchSet(name);
    };
    m_trayIcon = new TrayIcon(*this, std::move(trayHooks), this);
}

void MainWindow::focusShownView() {
    // The set stays shown as it is: a click on the picture must not take the snapshot back to the first.
    m_browser->shownView().widget()->setFocus();
    m_browser->reselectShownView();
}

void MainWindow::createBrowser() {
    BrowserWidgets widgets;
    widgets.list = m_list;
    widgets.tree = m_tree;
    widgets.text1 = m_text1;
    widgets.text2 = m_text2;
    widgets.itemPopup = m_actions->itemPopup();
    widgets.generalPopup = m_actions->generalPopup();
    widgets.pictureCaption = m_info->caption();
    BrowserHooks hooks;
    hooks.isBusy = [this] {
        return m_busy;
    };
    hooks.reloadCatalogue = [this] {
        LoadSetList();
    };
    hooks.showSetInfo = [this](const QString &name, const QString &parent) {
        m_info->showSetInfo(name, parent);
    };
    hooks.clearSetInfo = [this] {
        m_info->clearSetInfo();
    };
    // The launch and verify controllers are attached when the window loads; the hooks reach them when called.
    hooks.launchSet = [this](const QString &name) {
        if (m_launch) {
            m_launch->LaunchSet(name);
        }
    };
    hooks.verifySet = [this] {
        if (m_verify) {
            m_verify->VerifySet();
        }
    };
    m_browser = new SetBrowser(widgets, m_actions->browserActions(), std::move(hooks), m_catalogue, m_state,
                               m_settings, m_prompts, this);
    connect(m_browser, &SetBrowser::shownCountChanged, m_status, &StatusPanels::showCount);
    connect(m_browser, &SetBrowser::selectedSetShown, m_status, &StatusPanels::showSet);
}

void MainWindow::createJoystick() {
    m_sdlJoystick = std::make_unique<SdlJoystick>();
    m_joystick = new JoystickPoller(*m_sdlJoystick, this);
    m_joystick->setMinimisedCheck([this] { return isMinimized(); });
    // Every button first gives the focus to the shown view; the first three then play, or step the
    // selection as the Up and Down keys do.
    const auto pressKey = [this](Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(shownView(), &press);
    };
    connect(m_joystick, &JoystickPoller::focusPressed, this, [this] { shownView()->setFocus(); });
    connect(m_joystick, &JoystickPoller::playPressed, this, [this] {
        shownView()->setFocus();
        if (m_launch) {
            m_launch->LaunchSet(m_state.CurrentSetName);
        }
    });
    connect(m_joystick, &JoystickPoller::upPressed, this, [this, pressKey] {
        shownView()->setFocus();
        pressKey(Qt::Key_Up);
    });
    connect(m_joystick, &JoystickPoller::downPressed, this, [this, pressKey] {
        shownView()->setFocus();
        pressKey(Qt::Key_Down);
    });
}

void MainWindow::applyJoystickSettings() {
    m_joystick->setDevice(m_settings.get(Settings::JoyId));
    m_joystick->setEnabled(m_settings.get(Settings::JoySelect));
}

void MainWindow::createFullScreenList() {
    FullScreenListParts parts{
        *this, *action(ActionId::ViewFullScreen), m_state, m_settings, m_prompts, {}, {}, {}};
    parts.setBusy = [this](bool busy) {
        setBusy(busy);
    };
    parts.menuBarHidden = [this] {
        return menuBar()->isHidden();
    };
    parts.showSelection = [this] {
        m_browser->showSelection();
    };
    m_fullScreen = new FullScreenList(std::move(parts), this);
}

void MainWindow::openPreferences() {
    const JoystickPause pause(joystick());
    // The console rule reads MAME's video option, so mame.ini must be there first.
    if (const QString error = EnsureEmulatorIni(m_state); !error.isEmpty()) {
        m_prompts.inform(error, kAppTitle, PromptIcon::Warning);
    }
    const std::shared_ptr<DisplayModes> display = m_fullScreen->displayModes();
    const PreferencesResult result =
        OpenPreferences({m_settings, m_prompts, m_state.mameIniPath(), m_state.FullScreenListActive,
                         display.get(), m_sdlJoystick.get(), this, [this](QDialog &dialog) {
                             return ModalToolDialog(joystick(), dialog);
                         }});
    // The tray icon, the joystick, the tool tips, the mouse focus and the ghosted clones; RandomSelectOnly
    // and KeepConsoleOpen are read from qx.ini whenever a set is played.
    applyPreferences();
    m_state.ShowConsole = result.ShowConsole;
    m_state.VideoFullScreen = result.VideoFullScreen;
}

QWidget *MainWindow::shownView() const {
    return m_browser->isGrouped() ? static_cast<QWidget *>(m_tree) : m_list->activeView();
}

void MainWindow::setLaunchHost(std::unique_ptr<WindowLaunchHost> host) {
    m_launchHost = std::move(host);
}

JoystickPoll &MainWindow::joystick() const {
    return *m_joystick;
}

LaunchHost &MainWindow::launchHost() {
    if (!m_launchHost) {
        m_launchHost = std::make_unique<WindowLaunchHost>(*this);
    }
    return *m_launchHost;
}

void MainWindow::connectActions() {
    MainActions &a = *m_actions;
    connect(a[ActionId::FileExit], &QAction::triggered, this, &QWidget::close);
    connect(a[ActionId::TrayExit], &QAction::triggered, this, &QWidget::close);
    connect(a[ActionId::ViewMenuBar], &QAction::triggered, this, &MainWindow::ToggleMenuBar);
    connect(a[ActionId::ViewToolbar], &QAction::triggered, this,
            [this] { ShowToolbar(m_toolbar->isHidden()); });
    connect(a[ActionId::ViewStatusBar], &QAction::triggered, this, &MainWindow::ToggleStatusBar);
    connect(a[ActionId::ToolsSelectMame], &QAction::triggered, this, &MainWindow::SelectEmulator);
    connect(a[ActionId::HelpAbout], &QAction::triggered, this, [this] {
        OpenAbout({m_settings, m_services, m_state.FullScreenListActive, this, [this](QDialog &dialog) {
                       return ModalToolDialog(joystick(), dialog);
                   }});
    });
    for (const ActionId id : {ActionId::OptionsGUI, ActionId::PopupOptionsGUI}) {
        connect(a[id], &QAction::triggered, this, &MainWindow::openPreferences);
    }
    for (const ActionId id : {ActionId::OptionsFolders, ActionId::PopupFolders, ActionId::TbrPaths}) {
        connect(a[id], &QAction::triggered, this, &MainWindow::OpenPathsDialog);
    }
    // The item pop-up names the set its entries act on.
    connect(a.itemPopup(), &QMenu::aboutToShow, this, [this] {
        const QString name = m_state.CurrentSetName;
        action(ActionId::ItemPopupVerify)->setText(QStringLiteral("Verify ") + name);
        static const std::pair<ActionId, const char *> kDeletes[] = {{ActionId::ItemPopupDelNv, ".nv"},
                                                                     {ActionId::ItemPopupDelCfg, ".cfg"},
                                                                     {ActionId::ItemPopupDelDif, ".dif"},
                                                                     {ActionId::ItemPopupDelIni, ".ini"}};
        for (const auto &[id, extension] : kDeletes) {
            action(id)->setText(name + QLatin1String(extension));
        }
    });
}

} // namespace qx
