#include "browser/window/TrayIcon.h"

#include "browser/setlist/FavouritesFile.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>

namespace qx {

namespace {

// A description shown as a menu caption: "&" would otherwise mark a mnemonic and vanish.
QString MenuCaption(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

TrayIcon::TrayIcon(MainWindow &window, TrayHooks hooks, QObject *parent)
    : QObject(parent ? parent : &window), m_window(window), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("TrayIcon"));
    m_icon = new QSystemTrayIcon(window.windowIcon(), this);
    m_icon->setToolTip(toolTipText());
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);

    MainActions &actions = window.actions();
    m_menu = actions.trayMenu();
    m_favouritesMenu = actions.trayFavouritesMenu();
    connect(actions[ActionId::TrayShow], &QAction::triggered, this, &TrayIcon::restoreWindow);
    connect(actions[ActionId::TrayRandom], &QAction::triggered, this, [this] {
        if (m_hooks.playRandom) {
            m_hooks.playRandom();
        }
    });
    QAction *play = actions[ActionId::TrayPlay];
    connect(play, &QAction::triggered, this, [this, play] {
        if (m_hooks.launchSet && !play->data().toString().isEmpty()) {
            m_hooks.launchSet(play->data().toString());
        }
    });
}

TrayIcon::~TrayIcon() {
    remove();
}

QString TrayIcon::toolTipText() {
    // The notification area shows at most 64 characters.
    return (QStringLiteral("Quorvex ") + QStringLiteral(QX_VERSION)).left(64);
}

void TrayIcon::addIfWanted() {
    if (!m_window.settings().get(Settings::Tray)) {
        return;
    }
    m_added = true;
    m_icon->setIcon(m_window.windowIcon());
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_icon->show();
    }
}

bool TrayIcon::isShown() const {
    return m_added && m_icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::remove() {
    m_icon->hide();
    m_added = false;
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) {
        restoreWindow();
        return;
    }
    if (reason != QSystemTrayIcon::Context) {
        return;
    }
    if (m_window.isVisible() && !m_window.isMinimized()) {
        m_window.raise();
        m_window.activateWindow();
    }
    if (!prepareMenu()) {
        return;
    }
    if (!m_window.isMinimized() && m_hooks.focusShownView) {
        m_hooks.focusShownView();
    }
    m_menu->popup(QCursor::pos());
}

void TrayIcon::restoreWindow() {
    // A minimised window keeps its maximised flag, so clearing the minimised one restores it as it was.
    const Qt::WindowStates states = m_window.windowState();
    if (states.testFlag(Qt::WindowMinimized) || m_window.isHidden()) {
        m_window.setWindowState((states & ~Qt::WindowMinimized) | Qt::WindowActive);
        m_window.show();
    }
    m_window.raise();
    m_window.activateWindow();
}

void TrayIcon::BuildTrayMenu() {
    qDeleteAll(m_favourites);
    m_favourites.clear();
    delete m_moreFavourites;
    m_moreFavourites = nullptr;
    const FavouritesFile favourites(m_window.state().favouritesPath());
    m_favouriteList = TrayFavouriteEntries(m_window.catalogue(), favourites);
    addFavouritesPage(m_favouritesMenu, 0);
    m_window.actions()[ActionId::TrayFavNone]->setVisible(m_favourites.isEmpty());
}

void TrayIcon::addFavouritesPage(QMenu *menu, qsizetype first) {
    const qsizetype end = std::min(first + kTrayFavouritesPage, m_favouriteList.size());
    for (qsizetype i = first; i < end; ++i) {
        const TrayFavourite &entry = m_favouriteList.at(i);
        auto *action = new QAction(MenuCaption(entry.description), menu);
        action->setObjectName(QStringLiteral("mnuTrayFavEntry"));
        action->setData(entry.name);
        const QString name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] {
            if (m_hooks.launchSet) {
                m_hooks.launchSet(name);
            }
        });
        menu->addAction(action);
        m_favourites.append(action);
    }
    if (end == m_favouriteList.size()) {
        return;
    }
    auto *more = new QMenu(QStringLiteral("More\u2026"), menu);
    more->setObjectName(QStringLiteral("mnuTrayFavMore"));
    menu->addMenu(more);
    if (!m_moreFavourites) {
        m_moreFavourites = more;
    }
    connect(more, &QMenu::aboutToShow, this, [this, more, end] {
        if (more->isEmpty()) {
            addFavouritesPage(more, end);
        }
    });
}

bool TrayIcon::prepareMenu() {
    BuildTrayMenu();
    const QString name = m_window.browser().selectedSet().name;
    const qsizetype index = name.isEmpty() ? -1 : m_window.catalogue().indexOfName(name);
    QAction *play = m_window.actions()[ActionId::TrayPlay];
    if (index >= 0) {
        play->setText(QStringLiteral("Play ") +
                      MenuCaption(m_window.catalogue().at(index).description().toString()));
        play->setData(name);
    } else {
        play->setData(QString());
    }
    setPlayEntriesVisible(index >= 0);
    return !m_window.isBusy() && !anotherWindowOpen();
}

void TrayIcon::setPlayEntriesVisible(bool visible) {
    const MainActions &actions = m_window.actions();
    for (const ActionId id :
         {ActionId::TrayBarRandom, ActionId::TrayRandom, ActionId::TrayBarPlay, ActionId::TrayPlay}) {
        actions[id]->setVisible(visible);
    }
}

bool TrayIcon::anotherWindowOpen() const {
    if (QApplication::activeModalWidget()) {
        return true;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *widget : windows) {
        const Qt::WindowType type = widget->windowType();
        if (widget != &m_window && widget->isVisible() && (type == Qt::Window || type == Qt::Dialog)) {
            return true;
        }
    }
    return false;
}

} // namespace qx
