// The end of the program: the window's state written back to qx.ini and the work files removed.
#include "app/UserPrompts.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/FullScreenList.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainLayout.h"
#include "browser/window/MainWindow.h"
#include "browser/window/TrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>

namespace qx {

void MainWindow::unload() {
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    // The desktop gets its resolution back, and qx.ini the window as it was before it went full screen.
    m_fullScreen->leave();
    m_browser->clearViews();
    m_catalogue.clear();
    // Other windows close first, the last opened first.
    const QWidgetList others = QApplication::topLevelWidgets();
    for (auto it = others.crbegin(); it != others.crend(); ++it) {
        if (*it != this && (*it)->isVisible()) {
            (*it)->close();
        }
    }

    // Every key below reaches qx.ini in one write, when the batch ends; a failure is reported then, once.
    {
        const FrontendSettings &s = m_settings;
        const FrontendSettings::Batch batch(s);
        // The filters, the column order and widths, and the current set.
        m_browser->saveSettings();
        writeWindowGeometry();
        m_appearance.writeListAndInfo(s);
        s.set(Settings::ShowMenu, !menuBar()->isHidden());
        m_info->writeSettings();
        s.set(Settings::Toolbar, !m_toolbar->isHidden());
        s.set(Settings::HideClones, action(ActionId::OptionsClones)->isChecked());
        s.set(Settings::SplitterLeft, QString::number(m_splitterLeft));
        s.set(Settings::CheckSamples, m_state.checksamples);
    }
    if (m_trayIcon) {
        m_trayIcon->remove();
    }
    deleteWorkFiles();
}

void MainWindow::writeWindowGeometry() {
    const FrontendSettings &s = m_settings;
    const Qt::WindowStates states = windowState();
    const bool minimised = states.testFlag(Qt::WindowMinimized) || (isHidden() && m_state.trayMin);
    const bool maximised = states.testFlag(Qt::WindowMaximized);
    if (!minimised && !maximised) {
        s.set(Settings::MainLeft, PixelsToTwips(x()));
        s.set(Settings::MainTop, PixelsToTwips(y()));
        s.set(Settings::MainWidth, PixelsToTwips(width()));
        s.set(Settings::MainHeight, PixelsToTwips(height()));
    }
    if (!minimised) {
        s.set(Settings::WindowState, maximised ? 2 : 0);
    }
}

void MainWindow::deleteWorkFiles() {
    for (const char *name : {"qx_verifyroms.dat", "qx_roms.dat", "qx_samples.dat", "qx_listfull.dat",
                             "qx_listfull.tmp", "qx_history.txt"}) {
        QFile::remove(m_programDir + QLatin1String(name));
    }
}

void MainWindow::reportSettingsProblem(const QString &message) {
    if (m_settingsWriteFailed || m_readOnly) {
        return; // one message is enough, and a read-only start has said it already
    }
    m_settingsWriteFailed = true;
    m_prompts.inform(message, kAppTitle, PromptIcon::Warning);
}

} // namespace qx
