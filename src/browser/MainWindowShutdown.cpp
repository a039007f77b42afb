// The end of the program: the window's state written back to qx.ini and the work files removed.
#include "app/UserPrompts.h"
#include "browser/InfoPanel.h"
#include "browser/MainActions.h"
#include "browser/MainLayout.h"
#include "browser/MainWindow.h"
#include "browser/SetBrowser.h"
#include "browser/TrayIcon.h"

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
    m_browser->clearViews();
    m_catalogue.clear();
    // Other windows close first, the last opened first.
    const QWidgetList others = QApplication::topLevelWidgets();
    for (auto it = others.crbegin(); it != others.crend(); ++it) {
        if (*it != this && (*it)->isVisible()) {
            (*it)->close();
        }
    }

    const FrontendSettings &s = m_settings;
    // The filters, the column order and widths, and the current set.
    bool ok = m_browser->saveSettings();
    writeWindowGeometry();
    ok &= m_appearance.writeListAndInfo(s);
    ok &= s.writeFlag(QStringLiteral("ShowMenu"), !menuBar()->isHidden());
    if (m_info) {
        ok &= m_info->writeSettings();
    }
    ok &= s.writeFlag(QStringLiteral("toolbar"), !m_toolbar->isHidden());
    ok &= s.writeFlag(QStringLiteral("HideClones"),
                      m_actions->find(QStringLiteral("mnuOptionsClones"))->isChecked());
    ok &= s.writeNumber(QStringLiteral("SplitterLeft"), m_splitterLeft);
    ok &= s.writeFlag(QStringLiteral("checksamples"), m_state.checksamples);
    if (!ok) {
        reportSettingsWriteFailure();
    }
    if (m_trayIcon) {
        m_trayIcon->remove();
    }
    deleteWorkFiles();
}

void MainWindow::writeWindowGeometry() {
    const FrontendSettings &s = m_settings;
    bool ok = true;
    const Qt::WindowStates states = windowState();
    const bool minimised = states.testFlag(Qt::WindowMinimized) || (isHidden() && m_state.trayMin);
    const bool maximised = states.testFlag(Qt::WindowMaximized);
    if (!minimised && !maximised) {
        ok &= s.writeNumber(QStringLiteral("MainLeft"), PixelsToTwips(x()));
        ok &= s.writeNumber(QStringLiteral("MainTop"), PixelsToTwips(y()));
        ok &= s.writeNumber(QStringLiteral("MainWidth"), PixelsToTwips(width()));
        ok &= s.writeNumber(QStringLiteral("MainHeight"), PixelsToTwips(height()));
    }
    if (!minimised) {
        ok &= s.writeNumber(QStringLiteral("WindowState"), maximised ? 2 : 0);
    }
    if (!ok) {
        reportSettingsWriteFailure();
    }
}

void MainWindow::deleteWorkFiles() {
    for (const char *name : {"qx_verifyroms.dat", "qx_roms.dat", "qx_samples.dat", "qx_listfull.dat",
                             "qx_listfull.tmp", "qx_history.txt"}) {
        QFile::remove(m_programDir + QLatin1String(name));
    }
}

void MainWindow::reportSettingsWriteFailure() {
    if (m_settingsWriteFailed) {
        return; // one message is enough
    }
    m_settingsWriteFailed = true;
    m_prompts.inform(
        QStringLiteral("Quorvex could not save its settings to %1.\nThe folder may be read-only or "
                       "the disk full; the previous settings file was left as it was.")
            .arg(m_settings.path()),
        kAppTitle, PromptIcon::Warning);
}

} // namespace qx
