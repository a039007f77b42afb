#include "browser/window/FullScreenList.h"

#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/SettingsKeys.h"
#include "app/UserPrompts.h"
#include "launch/DisplayModesFactory.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace qx {

namespace {

const QString kModeNotSupported = QStringLiteral("Mode not supported");

std::shared_ptr<DisplayModes> platformDisplayModes(QScreen *screen) {
    return CreateDisplayModes(screen);
}

} // namespace

FullScreenList::FullScreenList(FullScreenListParts parts, QObject *parent)
    : QObject(parent), m_parts(std::move(parts)), m_source(&platformDisplayModes) {
    connect(&m_parts.toggle, &QAction::triggered, this, &FullScreenList::onToggled);
    m_parts.toggle.installEventFilter(this);
}

FullScreenList::~FullScreenList() = default;

std::shared_ptr<DisplayModes> FullScreenList::displayModes() const {
    return m_source(m_parts.window.screen());
}

void FullScreenList::ToggleFullScreenList() {
    m_parts.toggle.trigger();
}

void FullScreenList::leave() {
    if (m_active) {
        m_parts.toggle.setChecked(false);
        exit();
    }
}

bool FullScreenList::eventFilter(QObject *watched, QEvent *event) {
    // F11 stands beside the entry in the menus but acts only while the menu bar is hidden: with the bar
    // shown the View menu is the way in, and the key stays free for whatever else has the focus.
    if (watched == &m_parts.toggle && event->type() == QEvent::Shortcut && !m_parts.menuBarHidden()) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FullScreenList::onToggled(bool checked) {
    // The menu entry, its pop-up twin and F11 are one checkable action: its mark has flipped already.
    if (checked == m_active) {
        return;
    }
    fillEmptyResolution();
    if (checked) {
        enter();
    } else {
        exit();
    }
    m_parts.showSelection();
}

void FullScreenList::fillEmptyResolution() {
    const FrontendSettings &settings = m_parts.settings;
    if (!settings.get(Settings::FullScreenRes).isEmpty()) {
        return;
    }
    if (const QString current = displayModes()->CurrentResolution(); !current.isEmpty()) {
        settings.set(Settings::FullScreenRes, current);
    }
}

void FullScreenList::enter() {
    QWidget &window = m_parts.window;
    if (m_parts.settings.get(Settings::UseAltRes)) {
        m_display = displayModes();
        switchToFullScreenResolution();
    }
    m_saved = {window.normalGeometry(), window.windowState(), window.windowFlags(), window.windowTitle()};
    {
        const BusyScope busy(m_parts);
        // The caption goes with the title bar (and from the task bar); leaving gives it back.
        window.setWindowTitle(QString());
        // New window flags re-create the native window, which hides it: showMaximized shows it again.
        window.setWindowFlags(m_saved.flags | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        m_parts.state.FullScreenListActive = true;
    }
    window.showMaximized();
    m_active = true;
}

void FullScreenList::exit() {
    QWidget &window = m_parts.window;
    if (m_parts.settings.get(Settings::UseAltRes)) {
        restoreDesktopResolution();
    }
    {
        const BusyScope busy(m_parts);
        const bool visible = window.isVisible();
        window.setWindowFlags(m_saved.flags);
        window.setWindowTitle(m_saved.title);
        // The normal place first, so that a window that was maximised un-maximises to it later.
        window.setWindowState(m_saved.states & ~Qt::WindowMaximized);
        window.setGeometry(m_saved.normalGeometry);
        window.setWindowState(m_saved.states);
        if (visible) {
            window.show();
        }
    }
    m_parts.state.FullScreenListActive = false;
    m_display.reset();
    m_savedDesktopResolution.clear();
    m_active = false;
}

void FullScreenList::switchToFullScreenResolution() {
    const QString text = m_parts.settings.get(Settings::FullScreenRes);
    const FullScreenResParse target = ParseFullScreenRes(text);
    m_savedDesktopResolution = m_display->CurrentResolution();
    if (!target.resolution) {
        m_parts.prompts.inform(
            QStringLiteral("The full-screen resolution in qx.ini (FullScreenRes) cannot be used: %1\nThe set "
                           "list goes full screen at the resolution the display shows now; choose another "
                           "in Options ▸ Preferences.")
                .arg(target.error),
            kAppTitle, PromptIcon::Warning);
        return;
    }
    if (ResolutionText(*target.resolution) != m_savedDesktopResolution) {
        changeDisplayMode(*target.resolution);
    }
}

void FullScreenList::restoreDesktopResolution() {
    // Only a resolution saved on entry is given back, and only when the display shows another one now
    // (a switch that was refused left it as it was).
    if (!m_display || m_savedDesktopResolution.isEmpty() ||
        m_display->CurrentResolution() == m_savedDesktopResolution) {
        return;
    }
    if (const FullScreenResParse saved = ParseFullScreenRes(m_savedDesktopResolution); saved.resolution) {
        changeDisplayMode(*saved.resolution);
    }
}

void FullScreenList::changeDisplayMode(DisplayResolution resolution) {
    switch (m_display->ChangeDisplayMode(resolution.width, resolution.height, m_display->CurrentDepth())) {
    case DisplayModeChange::Ok:
        return;
    case DisplayModeChange::NotSupported:
        m_parts.prompts.inform(kModeNotSupported, QStringLiteral("Error"), PromptIcon::Error);
        return;
    case DisplayModeChange::RestartNeeded:
        // Only a display driver that applies a mode at the next start answers this. XRandR (X11) never
        // does: it applies a mode it lists at once or refuses it, and the platforms that cannot switch
        // refuse. So no restart is offered here; the user learns why the resolution stayed as it was.
        m_parts.prompts.inform(QStringLiteral("You've to reboot"), QStringLiteral("Info"),
                               PromptIcon::Information);
        return;
    }
}

} // namespace qx
