#pragma once

#include "browser/setlist/BrowserActions.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace qx {

// Every command of the main window, named after the menu entry the program's documentation names
// (mnuFilePlay is FilePlay, the toolbar's tbrVerify is TbrVerify). A pop-up twin of a menu-bar entry is
// the same command (mnuPopupRandom is FileRandom).
// A group per menu reads better than a name per line:
// clang-format off
enum class ActionId {
    // File
    FilePlay, FilePlayBar, FileRandom, FileAddFav, FileRecord, FilePlayback, FileVidSnd, FileSound, FileVideo,
    FileExit,
    // View
    ViewToolbar, ViewStatusBar, ViewMenuBar, ViewHistory, ViewPicture, ViewFullScreen, ListViewMode1,
    ListViewMode2, ListViewMode3, Collapse,
    // Options
    OptionsFolders, OptionsDefault, OptionsVector, OptionsGUI, FontsList, FontsHistory, FontsStatusBar,
    ColourAll, ColourList, ColourHistory,
    // Set-List
    ViewFav, ViewGameLists1, ViewGameLists2, OptionsClones, ToolsBIOS,
    // Tools
    ToolsExplorer, ToolsDelNv, ToolsDelCfg, ToolsDelDif, ToolsDelIni, ToolsDelAll, ToolsColumnOrder,
    ToolsReloadHistory, ToolsVerify, ToolsSelectMame,
    // Help
    HelpMameTxt, HelpWhatsNew, HelpHome, HelpMameHome, HelpHistoryHome, HelpAbout,
    // The item pop-up's entries of its own
    ItemPopupPlay, ItemPopupAddFav, ItemPopupRemFav, ItemPopupRecord, ItemPopupPlayback, ItemPopupSndVid,
    ItemPopupSound, ItemPopupVideo, ItemPopupSetOptions, ItemPopupDriverOptions, ItemPopupDelNv,
    ItemPopupDelCfg, ItemPopupDelDif, ItemPopupDelIni, ItemPopupDelAll, ItemPopupVerify,
    ItemPopupHistoryNotepad, ItemPopupCopy0, ItemPopupCopy1, ItemPopupCopy2, ItemPopupCopy3, ItemPopupMaws,
    // The general pop-up's entries of its own
    PopupSnap0, PopupSnap1, PopupBar0, PopupFolders, PopupDefault, PopupVector, PopupOptionsGUI,
    // The tray menu
    TrayFavNone, TrayBarRandom, TrayRandom, TrayBarPlay, TrayPlay, TrayShow, TrayExit,
    // The toolbar's buttons
    TbrFavourites, TbrAddFav, TbrAvailable, TbrUnavailable, TbrPaths, TbrOptions, TbrVerify,
    Count
};
// clang-format on

// Every command of the main window as one QAction, reached by its ActionId. Each carries its documented
// name (mnuFilePlay...) as its object name, and a twin's name is an alias, so tests find them by name. A
// menu-bar entry and its pop-up twin are the same QAction, so they share the handler and the check mark by
// construction.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QWidget *window);

    QAction *operator[](ActionId id) const { return m_actions[std::size_t(id)]; }

    void buildMenuBar(QMenuBar *bar);
    void buildToolBar(QToolBar *bar);
    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *itemPopup() const { return m_itemPopup; }
    QMenu *generalPopup() const { return m_generalPopup; }
    QMenu *trayMenu() const { return m_trayMenu; }
    QMenu *trayFavouritesMenu() const { return m_trayFavourites; }

    // The toolbar's action for button 1 to 10 (3, 6 and 9 are separators).
    QAction *toolbarButton(int number) const;
    // The commands the set browser drives.
    BrowserActions browserActions() const;

    // Disables every command, and with it its shortcut and toolbar button, while a long operation runs;
    // enabling gives each command back the state its own part last gave it (a command not built yet stays
    // disabled).
    void setCommandsEnabled(bool enabled);

    // Look-ups by the documented names, for tests: the action of a name or alias (nullptr when there is
    // none), every name, a name's aliases, a menu by its object name.
    QAction *find(const QString &name) const { return m_byName.value(name); }
    QStringList names() const { return m_byName.keys(); }
    QStringList aliasesOf(const QString &name) const;
    QMenu *menu(const QString &name) const { return m_menus.value(name); }

private:
    void createActions();
    void alias(const QString &twin, ActionId id);
    QMenu *newMenu(const QString &name, const QString &caption, QWidget *parent);
    void buildItemPopup();
    void buildGeneralPopup();
    void buildTrayMenu();

    QWidget *m_window;
    std::array<QAction *, std::size_t(ActionId::Count)> m_actions{};
    QHash<QString, QAction *> m_byName;
    QHash<QString, QMenu *> m_menus;
    // Every command is in one of these groups; a disabled group holds its commands disabled.
    QActionGroup *m_commands = nullptr;
    QActionGroup *m_viewModes = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_itemPopup = nullptr;
    QMenu *m_generalPopup = nullptr;
    QMenu *m_trayMenu = nullptr;
    QMenu *m_trayFavourites = nullptr;
};

} // namespace qx
