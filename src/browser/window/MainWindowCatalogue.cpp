// The main window's part in building the catalogue: choosing MAME, the refresh pipeline and its progress.
#include "app/FileDialog.h"
#include "app/PathHelpers.h"
#include "app/ProgramDirectory.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/FavouritesController.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/JoystickPoller.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "browser/window/StatusPanels.h"
#include "catalogue/CataloguePreload.h"
#include "catalogue/CatalogueRefresh.h"
#include "catalogue/EmulatorIdentity.h"
#include "catalogue/SetListCache.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

namespace qx {

void MainWindow::LoadSetList() {
    m_browser->clearViews();
    QString error;
    if (auto preloaded = CataloguePreload::instance().take(m_state.cachePath(), clonesChecked(), &error)) {
        m_catalogue = std::move(*preloaded);
    } else {
        m_catalogue = qx::LoadSetList(m_state.cachePath(), clonesChecked(), &error);
    }
    if (!error.isEmpty()) {
        // The next Select MAME must build the list anew rather than update the damaged one.
        m_settings.set(Settings::Crc32, QString());
        m_prompts.inform(error, kAppTitle, PromptIcon::Warning);
    }
}

void MainWindow::SelectEmulator() {
    m_busy = true;
    const JoystickPause pause(*m_joystick);
    QString title;
    QString path;
    FileDialog(m_prompts, FileDialogMode::Open, QFileInfo(m_state.EmulatorPath).absolutePath(),
               QStringLiteral("MAME Executables (mame*);;All files (*)"),
               QStringLiteral("Select MAME executable, e.g. mame"), m_state.EmulatorPath, title, path);
    if (!path.isEmpty()) {
        const EmulatorIdentity identity =
            IdentifyEmulator(ShortPath(path), m_programDir, m_prompts, m_state.runLimits);
        if (identity.ok) {
            m_settings.set(Settings::Version, identity.version);
            setWindowTitle(identity.version + QStringLiteral(" - ") + kAppTitle);
            m_settings.set(Settings::Exe, path);
            m_state.EmulatorPath = ShortPath(path);
            m_state.EmulatorDir = ResolveEmulatorDirectory(m_state.EmulatorPath);
            RefreshCatalogue();
            // The pictures, the snapshots and the option files are the new MAME's from now on.
            resolveEmulatorFolders();
            if (!m_catalogue.isEmpty()) {
                m_browser->reselectAndShow();
            }
        }
        // The dialog does not move the current directory here, but a refresh may have: keep MAME's.
        if (!m_state.EmulatorDir.isEmpty()) {
            QDir::setCurrent(m_state.EmulatorDir);
        }
    }
    m_busy = false;
}

void MainWindow::RefreshCatalogue() {
    const JoystickPause pause(*m_joystick);
    m_busy = true;
    qx::RefreshCatalogue(m_state, m_settings, *this, m_prompts);
    m_busy = false;
}

void MainWindow::showStatusText(const QString &text) {
    if (m_status->isHidden()) {
        m_info->historyBox()->setPlainText(text);
    } else {
        m_info->historyBox()->clear();
        m_status->showSingleText(text);
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::showProgress(qint64 value, qint64 maximum, const QString &countText) {
    m_status->showProgress(value, maximum, countText);
}

void MainWindow::restoreStatusPanels() {
    m_status->restorePanels();
}

bool MainWindow::cancelRequested() const {
    return m_status->cancelRequested();
}

void MainWindow::setControlsEnabled(bool enabled) {
    SetControlsEnabled(enabled);
    m_info->setScrollBarEnabled(enabled);
}

void MainWindow::setWaitCursor(bool waiting) {
    if (waiting) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::restoreIfMinimised() {
    if (isMinimized()) {
        showNormal();
    }
}

void MainWindow::clearViews() {
    m_info->clearSetInfo();
    m_info->setCaption(QString());
    QLineEdit *search = m_browser->shownView().searchBox();
    if (!search->text().isEmpty()) {
        search->clear();
    }
    m_browser->clearViews();
    if (m_browser->favourites().viewOn()) {
        m_browser->favourites().endView();
    }
}

void MainWindow::clearInfoCaption() {
    m_info->setCaption(QString());
}

bool MainWindow::clonesChecked() const {
    return action(ActionId::OptionsClones)->isChecked();
}

void MainWindow::showCatalogue(SetCatalogue catalogue) {
    m_browser->clearViews();
    m_catalogue = std::move(catalogue);
    if (!m_catalogue.isEmpty()) {
        m_browser->fillShownView();
        m_browser->reselectAndShow();
    }
}

void MainWindow::reloadHistory() {
    m_info->LoadHistory();
}

bool MainWindow::availableButtonPressed() const {
    return action(ActionId::TbrAvailable)->isChecked();
}

} // namespace qx
