// The start-up sequence of the main window: settings applied to the controls, the emulator checked or the
// first-run set-up run, and the window shown where the user left it.
#include "app/FileDialog.h"
#include "app/PathHelpers.h"
#include "app/ProgramDirectory.h"
#include "app/UserPrompts.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListView.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainLayout.h"
#include "browser/window/MainWindow.h"
#include "browser/window/StatusPanels.h"
#include "browser/window/TrayIcon.h"
#include "catalogue/EmulatorIdentity.h"
#include "catalogue/FirstRunSetup.h"
#include "dialogs/StartupVideo.h"
#include "dialogs/StartupVideoPlan.h"
#include "options/EmulatorIni.h"
#include "options/EmulatorPaths.h"
#include "options/FolderListValue.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

namespace qx {

bool MainWindow::load() {
    m_busy = true;
    attachParts();
    if (const QString error = m_settings.readError(); !error.isEmpty()) {
        reportSettingsProblem(QStringLiteral("Quorvex could not read its settings:\n%1\nIt starts with the "
                                             "default settings and leaves the file as it is.")
                                  .arg(error));
    }
    readStartupState();
    setMenuBarShown(m_settings.get(Settings::ShowMenu));
    applyJoystickSettings();
    applyAppearance();
    const bool statusShown = m_settings.get(Settings::ShowStatusBar);
    m_status->setVisible(statusShown);
    action(ActionId::ViewStatusBar)->setChecked(statusShown);

    m_state.EmulatorPath = m_settings.get(Settings::Exe);
    const bool known = !m_state.EmulatorPath.isEmpty() && FileExists(m_state.EmulatorPath);
    if (known ? !startNormally() : !runFirstRunSetup()) {
        m_busy = false;
        return false;
    }
    // The start-up video plays while the catalogue and the window are made ready behind it.
    if (known) {
        m_state.VideoFullScreen =
            StartupVideoModeFrom(m_settings.get(Settings::PlayAvi)) == StartupVideoMode::FullScreen;
        PlayStartupVideo({m_settings, m_prompts, this, m_state.VideoFullScreen});
    }
    resolveEmulatorFolders();

    ShowToolbar(m_settings.get(Settings::Toolbar));
    action(ActionId::OptionsClones)->setChecked(m_settings.get(Settings::HideClones));
    LoadSetList();
    m_browser->restoreSettings();
    m_browser->fillShownView();

    m_info->restoreFromSettings();
    QApplication::restoreOverrideCursor();
    restoreWindowGeometry();
    m_trayIcon->addIfWanted();
    m_busy = false;
    // The body spans the window's inner width, though it is laid out only once the window shows.
    m_splitterLeft = SplitterLeftFromSetting(m_settings.get(Settings::SplitterLeft), PixelsToTwips(width()));
    int left = m_splitterLeft;
    SizeControls(left);
    show();
    m_browser->reselectAndShow();
    // The keyboard starts in the set list, so the arrow keys and Enter work at once.
    (m_browser->isGrouped() ? static_cast<QWidget *>(m_tree) : m_list->activeView())->setFocus();
    return true;
}

void MainWindow::readStartupState() {
    m_state.CurrentSetName = m_settings.get(Settings::LastSelected);
    m_state.checksamples = m_settings.get(Settings::CheckSamples);
    m_state.ShowToolTips = m_settings.get(Settings::ShowToolTips);
    m_state.ShowConsole = m_settings.get(Settings::ShowConsole);
    m_state.trayMin = m_settings.get(Settings::TrayMin);
}

void MainWindow::applyPreferences() {
    m_state.trayMin = m_settings.get(Settings::TrayMin);
    m_state.ShowToolTips = m_settings.get(Settings::ShowToolTips);
    m_browser->setMouseFocus(m_settings.get(Settings::MouseFocus));
    m_browser->setGhostIcon(m_settings.get(Settings::GhostIcon));
    m_browser->RefreshToolTips();
    m_info->refreshToolTip();
    applyJoystickSettings();
    if (m_trayIcon) {
        m_trayIcon->remove();
        m_trayIcon->addIfWanted();
    }
}

void MainWindow::applyAppearance() {
    m_appearance = WindowAppearance::Read(m_settings);
    ApplyFont(m_list, m_appearance.listFont);
    ApplyFont(m_tree, m_appearance.listFont);
    ApplyBackColour(m_list, m_appearance.listBackColour);
    ApplyBackColour(m_tree, m_appearance.treeBackColour);
    ApplyFont(m_status, m_appearance.statusFont);
    ApplyFont(m_info->historyBox(), m_appearance.infoFont);
    ApplyFont(m_info->caption(), m_appearance.infoFont);
    ApplyBackColour(m_info->historyBox(), m_appearance.infoBackColour);
    ApplyBackColour(m_info, m_appearance.pictureBackColour);
    ApplyBackColour(m_info->picture(), m_appearance.pictureBackColour);
}

bool MainWindow::startNormally() {
    const double left = m_settings.get(Settings::MainLeft);
    const double top = m_settings.get(Settings::MainTop);
    move(TwipsToPixels(left), TwipsToPixels(top));
    m_state.EmulatorPath = ShortPath(m_state.EmulatorPath);
    m_state.EmulatorDir = ResolveEmulatorDirectory(m_state.EmulatorPath);
    QDir::setCurrent(m_state.EmulatorDir);
    if (const QString error = EnsureEmulatorIni(m_state); !error.isEmpty()) {
        m_prompts.inform(error, kAppTitle, PromptIcon::Warning);
    }
    setWindowTitle(m_settings.get(Settings::Version) + QStringLiteral(" - ") + kAppTitle);
    return true;
}

bool MainWindow::runFirstRunSetup() {
    // Centre the window, show it and remember where it stands.
    const QSize size(TwipsToPixels(m_settings.get(Settings::MainWidth)),
                     TwipsToPixels(m_settings.get(Settings::MainHeight)));
    resize(size);
    const QRect screen =
        (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
    setWindowTitle(kAppTitle);
    show();
    m_settings.set(Settings::MainLeft, PixelsToTwips(x()));
    m_settings.set(Settings::MainTop, PixelsToTwips(y()));

    m_busy = false;
    int left =
        SplitterLeftFromSetting(m_settings.get(Settings::SplitterLeft), PixelsToTwips(m_body->width()));
    SizeControls(left);
    m_busy = true;

    // A MAME chosen before has gone (moved, uninstalled): say so before asking again.
    const QString saved = m_settings.get(Settings::Exe);
    QApplication::restoreOverrideCursor();
    if (!saved.isEmpty()) {
        m_prompts.inform(QStringLiteral("MAME was not found at %1; choose it again.").arg(saved), kAppTitle,
                         PromptIcon::Warning);
    }
    // Only Cancel ends the first run: a file that is not MAME was named in a message, and the picker opens
    // again where the user left it.
    QString suggestion = SuggestEmulatorPath();
    for (;;) {
        const QString initialFolder =
            suggestion.isEmpty() ? m_programDir : QFileInfo(suggestion).absolutePath();
        QString title;
        QString path;
        FileDialog(m_prompts, FileDialogMode::Open, initialFolder,
                   QStringLiteral("MAME Executables (mame*);;All files (*)"),
                   QStringLiteral("Select MAME executable"), suggestion, title, path);
        if (path.isEmpty()) {
            return false;
        }
        QApplication::processEvents();
        if (FirstRunSetup(m_state, m_settings, *this, m_prompts).run(path) != FirstRunOutcome::NotMame) {
            return true;
        }
        suggestion = path;
    }
}

void MainWindow::resolveEmulatorFolders() {
    m_state.SnapshotDirectory = SnapshotDirectoryFrom(m_state.EmulatorIniPath, m_state.EmulatorDir);
    m_state.PictureDirectory =
        PictureDirectoryFrom(m_settings.get(Settings::PicturePath), m_state.EmulatorDir);
    // MAME reads a set's INI file beside mame.ini only while inipath names ".".
    const OptionWriteResult normalised = NormaliseIniPathOption(m_state.EmulatorIniPath);
    if (!normalised.ok) {
        m_prompts.inform(
            QStringLiteral("Quorvex could not put the current folder \".\" first in MAME's inipath "
                           "option, so MAME may not read the INI files of your sets.\n\n%1")
                .arg(normalised.error),
            kAppTitle, PromptIcon::Warning);
    }
}

void MainWindow::restoreWindowGeometry() {
    if (!isMinimized()) {
        const double width = m_settings.get(Settings::MainWidth);
        const double height = m_settings.get(Settings::MainHeight);
        const QRect saved(pos(), QSize(TwipsToPixels(width), TwipsToPixels(height)));
        // A hand-edited or foreign qx.ini must not put the window where no one can reach it.
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QRect reachable =
            ReachableWindowRect(saved, screen ? screen->availableVirtualGeometry() : QRect());
        move(reachable.topLeft());
        resize(reachable.size());
    }
    if (m_settings.get(Settings::WindowState) == 2) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    m_state.trayMin = m_settings.get(Settings::TrayMin);
}

} // namespace qx
