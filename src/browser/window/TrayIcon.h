#pragma once

#include "browser/setlist/FavouritesFile.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <functional>

class QAction;
class QMenu;

namespace qx {

class MainWindow;

// What choosing a tray entry asks of the rest of the program. An unset hook does nothing.
struct TrayHooks {
    std::function<void(const QString &name)> launchSet; // "Play" and the favourite entries
    std::function<void()> playRandom;                   // "Play Random Set"
    std::function<void()> focusShownView;               // before the menu opens
};

// The notification-area icon: the window's icon with the tooltip "Quorvex " + version. A left click
// restores the window; a right click fills and opens the tray menu (favourites, Play Random Set, Play,
// Show, Exit) unless an operation runs or another window of the program is open.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(MainWindow &window, TrayHooks hooks = {}, QObject *parent = nullptr);
    ~TrayIcon() override;

    // Adds the icon when the tray setting is 1 (start-up); remove() takes it away (shutdown).
    void addIfWanted();
    void remove();
    bool isAdded() const { return m_added; }
    // The icon is in a notification area the user can see (a desktop may have none).
    bool isShown() const;
    QSystemTrayIcon &icon() { return *m_icon; }

    // The icon's clicks: Trigger restores the window, Context opens the menu.
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void restoreWindow();

    // BuildTrayMenu: the Favourites submenu from qx_fav.dat, in file order, captioned by Description. A long
    // list shows its first kTrayFavouritesPage entries and a "More…" submenu with the next page, built when
    // it opens, so a hundred thousand favourites cost no more than a few hundred.
    void BuildTrayMenu();
    static constexpr qsizetype kTrayFavouritesPage = 300;
    // BuildTrayMenu, then Play and Play Random Set shown only while a set is selected. Returns whether the
    // menu may open now (no operation running, no other window of the program open).
    bool prepareMenu();
    // The favourite entries BuildTrayMenu made (the disabled "no favourites" entry is not among them).
    const QList<QAction *> &favouriteEntries() const { return m_favourites; }

    static QString toolTipText();

private:
    bool anotherWindowOpen() const;
    void addFavouritesPage(QMenu *menu, qsizetype first);
    void setPlayEntriesVisible(bool visible);

    MainWindow &m_window;
    TrayHooks m_hooks;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QMenu *m_favouritesMenu = nullptr;
    QList<QAction *> m_favourites;
    QList<TrayFavourite> m_favouriteList; // every entry BuildTrayMenu found, shown a page at a time
    QMenu *m_moreFavourites = nullptr;    // the first "More…" submenu; later pages are its children
    bool m_added = false;
};

} // namespace qx
