#pragma once

#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "browser/window/WindowAppearance.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/SetCatalogue.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QLineEdit;
class QToolBar;
class QTreeView;

namespace qx {

enum class ActionId;
class InfoPanel;
class FullScreenList;
class JoystickPoll;
class JoystickPoller;
class LaunchController;
class LaunchHost;
class MainActions;
class PlatformServices;
class SdlJoystick;
class SetBrowser;
class SetFilesController;
class SetListView;
class SplitterHandle;
class StatusPanels;
class TrayIcon;
class UserPrompts;
class VerifyController;
class WindowChrome;
class WindowLaunchHost;

// The program's main window (frmMain). Its load is the program's start and its close the program's end:
// it reads qx.ini and applies every setting, runs the first-run set-up when no MAME is known, lays out its
// panels by the layout rules, and writes its state back to qx.ini when it closes.
class MainWindow : public QMainWindow, private CatalogueHost {
    Q_OBJECT
public:
    MainWindow(const QString &programDir, UserPrompts &prompts, PlatformServices &services);
    ~MainWindow() override;

    // Attaches the window chrome, the tray icon and the launch, verify and per-set file commands. load() does
    // it first; a window that is never loaded (a test of one part) can be given parts of its own instead.
    void attachParts();

    // The start-up sequence. Returns false when the program is to end (the first-run set-up was cancelled
    // or the chosen file is not MAME).
    bool load();

    // The program directory cannot be written (see main): nothing is saved, the status bar says so, and the
    // failed writes are not reported one by one, as the user was told at the start.
    void setReadOnly();
    bool isReadOnly() const { return m_readOnly; }

    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }

    // Lays out every panel for the given splitter position (twips), correcting it where the rules say so.
    void SizeControls(int &splitterLeftTwips);
    int splitterLeft() const { return m_splitterLeft; }

    ProgramState &state() { return m_state; }
    const FrontendSettings &settings() const { return m_settings; }
    SetCatalogue &catalogue() { return m_catalogue; }
    MainActions &actions() const { return *m_actions; }
    QAction *action(ActionId id) const;
    StatusPanels &statusPanels() const { return *m_status; }
    UserPrompts &prompts() const { return m_prompts; }
    PlatformServices &services() const { return m_services; }

    SetBrowser &browser() const { return *m_browser; }
    SetListView &setListView() const { return *m_list; }
    QTreeView &treeView() const { return *m_tree; }
    InfoPanel &infoPanel() const { return *m_info; }
    // The main window as the launch, verify and per-set file controllers see it. A test may give the window
    // a host of its own (one that scripts a few answers) before attachParts.
    LaunchHost &launchHost();
    void setLaunchHost(std::unique_ptr<WindowLaunchHost> host);
    // The joystick poll: running while joyselect is on, paused by the window's dialogs and MAME runs.
    JoystickPoll &joystick() const;
    JoystickPoller &joystickPoller() const { return *m_joystick; }
    // Polls joystick joyid while joyselect is on, as the settings say now (at start-up, and after the
    // preferences changed them).
    void applyJoystickSettings();
    // After the preferences dialog closed: takes over trayMin, ShowToolTips (the window's tips are set or
    // cleared), mouseFocus, GhostIcon (clone rows ghosted or not), joyselect and joyid, and tray (the icon
    // added or removed). The other keys are read when their feature runs.
    void applyPreferences();
    TrayIcon &trayIcon() const { return *m_trayIcon; }
    // View ▸ "Full Screen": the set list without frame, maximised and on top, at its own resolution.
    FullScreenList &fullScreenList() const { return *m_fullScreen; }
    LaunchController &launcher() const { return *m_launch; }
    VerifyController &verifier() const { return *m_verify; }
    // Gives the focus to the shown view (the tree when grouped) and selects its current set again.
    void focusShownView();

    // Loads qx.dat into the catalogue, with clones while Set-List "&Clones" is checked.
    void LoadSetList();
    // Tools > "Select MAME...": a new executable, identified, then the catalogue refreshed.
    void SelectEmulator();
    // The set-list refresh for the current executable (a changed one is extracted anew).
    void RefreshCatalogue();
    // Options ▸ "Paths/&Directories...", its pop-up twin and toolbar button 7: the paths dialog. Afterwards
    // the snapshot and picture folders are the new ones, and after a change of ROM folders MAME is
    // identified again and every set verified.
    void OpenPathsDialog();

    // Panel visibility toggles (View menu).
    void ToggleMenuBar();
    void setMenuBarShown(bool shown);
    void ShowToolbar(bool show);
    void ToggleStatusBar();
    void SetControlsEnabled(bool enabled);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the catalogue refresh and the first-run set-up ask of the window.
    void showStatusText(const QString &text) override;
    void showProgress(qint64 value, qint64 maximum, const QString &countText) override;
    void restoreStatusPanels() override;
    bool cancelRequested() const override;
    void setControlsEnabled(bool enabled) override;
    void setWaitCursor(bool waiting) override;
    void setCaption(const QString &caption) override { setWindowTitle(caption); }
    void restoreIfMinimised() override;
    void clearViews() override;
    void clearInfoCaption() override;
    bool clonesChecked() const override;
    void showCatalogue(SetCatalogue catalogue) override;
    void reloadHistory() override;
    bool availableButtonPressed() const override;
    void showRomPathsDialog(bool showRomsNote) override;

    void createControls();
    void createBrowser();
    void createInfoChrome();
    void createLaunchers();
    void connectLaunchers();
    void createJoystick();
    void createFullScreenList();
    // Options ▸ "&Preferences...": the dialog over a mame.ini that exists, then its changes taken over.
    void openPreferences();
    // The view the user works in: the tree in Grouped mode, else the list's view of its style.
    QWidget *shownView() const;
    void createInfoPanel();
    void connectActions();

    // Start-up steps.
    void readStartupState();
    void applyAppearance();
    bool startNormally();
    bool runFirstRunSetup();
    void resolveEmulatorFolders();
    void restoreWindowGeometry();
    bool identifyEmulatorAgain();

    // Shutdown steps.
    void unload();
    void writeWindowGeometry();
    void deleteWorkFiles();
    // The first problem with qx.ini is shown; the rest of the run stays quiet about it.
    void reportSettingsProblem(const QString &message);

    void onSplitterReleased(int parentX);
    void updateSplitterLimits();
    bool handleWindowKey(QKeyEvent *event);
    QRect pixelRect(const struct TwipsRect &rect) const;

    QString m_programDir;
    ProgramState m_state;
    FrontendSettings m_settings;
    UserPrompts &m_prompts;
    PlatformServices &m_services;
    SetCatalogue m_catalogue;
    WindowAppearance m_appearance;

    MainActions *m_actions = nullptr;
    QToolBar *m_toolbar = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    StatusPanels *m_status = nullptr;
    QWidget *m_body = nullptr;
    SetListView *m_list = nullptr;
    SetBrowser *m_browser = nullptr;
    InfoPanel *m_info = nullptr;
    WindowChrome *m_chrome = nullptr;
    TrayIcon *m_trayIcon = nullptr;
    LaunchController *m_launch = nullptr;
    VerifyController *m_verify = nullptr;
    SetFilesController *m_setFiles = nullptr;
    QTreeView *m_tree = nullptr;
    SplitterHandle *m_splitter = nullptr;
    std::unique_ptr<SdlJoystick> m_sdlJoystick;
    JoystickPoller *m_joystick = nullptr;
    FullScreenList *m_fullScreen = nullptr;
    std::unique_ptr<WindowLaunchHost> m_launchHost;

    bool m_busy = true;
    bool m_settingsWriteFailed = false;
    bool m_readOnly = false;
    bool m_unloaded = false;
    int m_splitterLeft = 0; // twips
};

} // namespace qx
