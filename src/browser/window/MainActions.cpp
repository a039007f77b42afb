#include "browser/window/MainActions.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

namespace qx {

namespace {

// Commands whose feature is not part of this build yet: they exist, with their captions, but stay disabled.
const QStringList kNotYetBuilt{
    QStringLiteral("mnuViewFullScreen"),
    QStringLiteral("mnuOptionsFolders"),
    QStringLiteral("mnuOptionsDefault"),
    QStringLiteral("mnuOptionsVector"),
    QStringLiteral("mnuOptionsGUI"),
    QStringLiteral("mnuToolsBIOS"),
    QStringLiteral("mnuHelpAbout"),
    QStringLiteral("mnuItemPopupSetOptions"),
    QStringLiteral("mnuItemPopupDriverOptions"),
    QStringLiteral("mnuPopupFolders"),
    QStringLiteral("mnuPopupDefault"),
    QStringLiteral("mnuPopupVector"),
    QStringLiteral("mnuPopupOptionsGUI"),
    QStringLiteral("tbrPaths"),
    QStringLiteral("tbrOptions"),
};

} // namespace

MainActions::MainActions(QWidget *window) : QObject(window), m_window(window) {
    setObjectName(QStringLiteral("MainActions"));
    createActions();
    buildItemPopup();
    buildGeneralPopup();
    buildTrayMenu();
    for (const QString &name : kNotYetBuilt) {
        if (QAction *action = find(name)) {
            action->setEnabled(false);
        }
    }
    m_commands = new QActionGroup(this);
    m_commands->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction *action : std::as_const(m_byName)) {
        if (action->actionGroup() != m_viewModes) {
            m_commands->addAction(action);
        }
    }
}

void MainActions::setCommandsEnabled(bool enabled) {
    m_commands->setEnabled(enabled);
    m_viewModes->setEnabled(enabled);
}

QAction *MainActions::add(const QString &name, const QString &caption, const QString &shortcut,
                          bool checkable) {
    auto *action = new QAction(caption, m_window);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        // Shortcuts reach the window even while the menu bar is hidden.
        m_window->addAction(action);
    }
    action->setCheckable(checkable);
    m_byName.insert(name, action);
    return action;
}

QAction *MainActions::separator(const QString &name) {
    auto *action = new QAction(m_window);
    action->setSeparator(true);
    action->setObjectName(name);
    m_byName.insert(name, action);
    return action;
}

void MainActions::alias(const QString &twin, const QString &name) {
    QAction *action = m_byName.value(name);
    Q_ASSERT(action);
    m_byName.insert(twin, action);
    QStringList twins = action->property("twinNames").toStringList();
    twins.append(twin);
    action->setProperty("twinNames", twins);
}

QAction *MainActions::find(const QString &name) const {
    return m_byName.value(name);
}

QAction *MainActions::operator[](const QString &name) const {
    QAction *action = find(name);
    Q_ASSERT_X(action, "MainActions", qPrintable(name));
    return action;
}

QStringList MainActions::aliasesOf(const QString &name) const {
    const QAction *action = find(name);
    return action ? action->property("twinNames").toStringList() : QStringList();
}

QMenu *MainActions::newMenu(const QString &name, const QString &caption, QWidget *parent) {
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    m_menus.insert(name, menu);
    return menu;
}

void MainActions::createActions() {
    // File
    add(QStringLiteral("mnuFilePlay"), QStringLiteral("&Play "));
    separator(QStringLiteral("mnuFilePlayBar"));
    add(QStringLiteral("mnuFileRandom"), QStringLiteral("Play &Random Set"), QStringLiteral("Ctrl+R"));
    add(QStringLiteral("mnuFileAddFav"), QStringLiteral("Add To &Favourites"));
    add(QStringLiteral("mnuFileRecord"), QStringLiteral("Record Input..."));
    add(QStringLiteral("mnuFilePlayback"), QStringLiteral("Playback Input..."));
    add(QStringLiteral("mnuFileVidSnd"), QStringLiteral("Record AVI..."));
    add(QStringLiteral("mnuFileSound"), QStringLiteral("Record &WAV..."));
    add(QStringLiteral("mnuFileVideo"), QStringLiteral("Record &MNG..."));
    add(QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"), QStringLiteral("Ctrl+X"));
    // View
    add(QStringLiteral("mnuViewToolbar"), QStringLiteral("&Toolbar"), QStringLiteral("Ctrl+T"), true);
    add(QStringLiteral("mnuViewStatusBar"), QStringLiteral("&Status Bar"), QStringLiteral("Ctrl+S"), true);
    add(QStringLiteral("mnuViewMenuBar"), QStringLiteral("&Menu Bar"), QStringLiteral("Ctrl+M"), true);
    add(QStringLiteral("mnuViewHistory"), QStringLiteral("&History"), QStringLiteral("Ctrl+H"), true);
    add(QStringLiteral("mnuViewPicture"), QStringLiteral("Picture &Image"), QStringLiteral("Ctrl+I"), true);
    add(QStringLiteral("mnuViewFullScreen"), QStringLiteral("Full Screen"), QStringLiteral("F11"), true);
    add(QStringLiteral("mnuListViewMode1"), QStringLiteral("&Grouped"), {}, true);
    add(QStringLiteral("mnuListViewMode2"), QStringLiteral("&List"), {}, true);
    add(QStringLiteral("mnuListViewMode3"), QStringLiteral("&Details"), {}, true);
    add(QStringLiteral("mnuCollapse"), QStringLiteral("Collapse List"));
    // Options
    add(QStringLiteral("mnuOptionsFolders"), QStringLiteral("Paths/&Directories..."),
        QStringLiteral("Ctrl+D"));
    add(QStringLiteral("mnuOptionsDefault"), QStringLiteral("Default &Options..."), QStringLiteral("Ctrl+O"));
    add(QStringLiteral("mnuOptionsVector"), QStringLiteral("V&ector Options..."), QStringLiteral("Ctrl+E"));
    add(QStringLiteral("mnuOptionsGUI"), QStringLiteral("&Preferences..."));
    add(QStringLiteral("mnuFontsList"), QStringLiteral("Set List..."));
    add(QStringLiteral("mnuFontsHistory"), QStringLiteral("History..."));
    add(QStringLiteral("mnuFontsStatusBar"), QStringLiteral("Status Bar..."));
    add(QStringLiteral("mnuColourAll"), QStringLiteral("All..."));
    add(QStringLiteral("mnuColourList"), QStringLiteral("Set List..."));
    add(QStringLiteral("mnuColourHistory"), QStringLiteral("History / Picture..."));
    // Set-List
    add(QStringLiteral("mnuViewFav"), QStringLiteral("&Favourites"), QStringLiteral("Ctrl+F"), true);
    add(QStringLiteral("mnuViewGameLists1"), QStringLiteral("&Available"), QStringLiteral("Ctrl+A"), true);
    add(QStringLiteral("mnuViewGameLists2"), QStringLiteral("&Unavailable"), QStringLiteral("Ctrl+U"), true);
    add(QStringLiteral("mnuOptionsClones"), QStringLiteral("&Clones"), QStringLiteral("Ctrl+C"), true);
    add(QStringLiteral("mnuToolsBIOS"), QStringLiteral("&BIOS List"));
    // Tools
    add(QStringLiteral("mnuToolsExplorer"), QStringLiteral("&Open MAME Folder"));
    add(QStringLiteral("mnuToolsDelNv"), QStringLiteral("&NVRAM (*.nv)"));
    add(QStringLiteral("mnuToolsDelCfg"), QStringLiteral("&Configuration (*.cfg)"));
    add(QStringLiteral("mnuToolsDelDif"), QStringLiteral("HDD &Difference (*.dif)"));
    add(QStringLiteral("mnuToolsDelIni"), QStringLiteral("INI Files (*.ini)"));
    add(QStringLiteral("mnuToolsDelAll"), QStringLiteral("&All Above Files"));
    add(QStringLiteral("mnuToolsColumnOrder"), QStringLiteral("Reset &Column Order"));
    add(QStringLiteral("mnuToolsReloadHistory"), QStringLiteral("Reload History File"));
    add(QStringLiteral("mnuToolsVerify"), QStringLiteral("&Verify All Sets"));
    add(QStringLiteral("mnuToolsSelectMame"), QStringLiteral("Select &MAME..."));
    // Help
    add(QStringLiteral("mnuHelpMameTxt"), QStringLiteral("mame.txt"));
    add(QStringLiteral("mnuHelpWhatsNew"), QStringLiteral("whatsnew.txt"));
    add(QStringLiteral("mnuHelpHome"), QStringLiteral("Quorvex Home"));
    add(QStringLiteral("mnuHelpMameHome"), QStringLiteral("MAME &Home"));
    add(QStringLiteral("mnuHelpHistoryHome"), QStringLiteral("&History Database Home"));
    add(QStringLiteral("mnuHelpAbout"), QStringLiteral("&About Quorvex"), QStringLiteral("F1"));

    // Item pop-up entries with captions of their own.
    add(QStringLiteral("mnuItemPopupPlay"), QStringLiteral("Play "));
    add(QStringLiteral("mnuItemPopupAddFav"), QStringLiteral("Add To Favourites"));
    add(QStringLiteral("mnuItemPopupRemFav"), QStringLiteral("Remove From Favourites"));
    add(QStringLiteral("mnuItemPopupRecord"), QStringLiteral("Record Input..."));
    add(QStringLiteral("mnuItemPopupPlayback"), QStringLiteral("Playback Input..."));
    add(QStringLiteral("mnuItemPopupSndVid"), QStringLiteral("Record AVI..."));
    add(QStringLiteral("mnuItemPopupSound"), QStringLiteral("Record WAV..."));
    add(QStringLiteral("mnuItemPopupVideo"), QStringLiteral("Record MNG..."));
    add(QStringLiteral("mnuItemPopupSetOptions"), QStringLiteral("Set Options"));
    add(QStringLiteral("mnuItemPopupDriverOptions"), QStringLiteral("Driver Options"));
    add(QStringLiteral("mnuItemPopupDelNv"), QStringLiteral(".nv"));
    add(QStringLiteral("mnuItemPopupDelCfg"), QStringLiteral(".cfg"));
    add(QStringLiteral("mnuItemPopupDelDif"), QStringLiteral(".dif"));
    add(QStringLiteral("mnuItemPopupDelIni"), QStringLiteral(".ini"));
    add(QStringLiteral("mnuItemPopupDelAll"), QStringLiteral("All Above Files"));
    add(QStringLiteral("mnuItemPopupVerify"), QStringLiteral("Verify Set"));
    add(QStringLiteral("mnuItemPopupHistoryNotepad"), QStringLiteral("Open History in Text Editor"));
    add(QStringLiteral("mnuItemPopupCopy0"), QStringLiteral("Description"));
    add(QStringLiteral("mnuItemPopupCopy1"), QStringLiteral("Name"));
    add(QStringLiteral("mnuItemPopupCopy2"), QStringLiteral("Parent"));
    add(QStringLiteral("mnuItemPopupCopy3"), QStringLiteral("Manufacturer"));
    add(QStringLiteral("mnuItemPopupMaws"), QStringLiteral("Open Info. Online..."));

    // General pop-up entries with captions of their own.
    add(QStringLiteral("mnuPopupSnap0"), QStringLiteral("Delete "));
    add(QStringLiteral("mnuPopupSnap1"), QStringLiteral("Rename "));
    separator(QStringLiteral("mnuPopupBar0"));
    add(QStringLiteral("mnuPopupFolders"), QStringLiteral("Paths/Directories..."));
    add(QStringLiteral("mnuPopupDefault"), QStringLiteral("Default MAME Options..."));
    add(QStringLiteral("mnuPopupVector"), QStringLiteral("Vector Options..."));
    add(QStringLiteral("mnuPopupOptionsGUI"), QStringLiteral("Preferences..."));

    // The general pop-up's twins of menu-bar entries.
    alias(QStringLiteral("mnuPopupRandom"), QStringLiteral("mnuFileRandom"));
    alias(QStringLiteral("mnuPopupToolbar"), QStringLiteral("mnuViewToolbar"));
    alias(QStringLiteral("mnuPopupStatusBar"), QStringLiteral("mnuViewStatusBar"));
    alias(QStringLiteral("mnuPopupMenuBar"), QStringLiteral("mnuViewMenuBar"));
    alias(QStringLiteral("mnuPopupHistory"), QStringLiteral("mnuViewHistory"));
    alias(QStringLiteral("mnuPopupPicture"), QStringLiteral("mnuViewPicture"));
    alias(QStringLiteral("mnuPopupFullScreen"), QStringLiteral("mnuViewFullScreen"));
    for (int i = 1; i <= 3; ++i) {
        alias(QStringLiteral("mnuPopupListViewMode%1").arg(i), QStringLiteral("mnuListViewMode%1").arg(i));
    }
    alias(QStringLiteral("mnuPopupCollapse"), QStringLiteral("mnuCollapse"));
    alias(QStringLiteral("mnuPopupFav"), QStringLiteral("mnuViewFav"));
    alias(QStringLiteral("mnuPopupGameLists1"), QStringLiteral("mnuViewGameLists1"));
    alias(QStringLiteral("mnuPopupGameLists2"), QStringLiteral("mnuViewGameLists2"));
    alias(QStringLiteral("mnuPopupClones"), QStringLiteral("mnuOptionsClones"));
    alias(QStringLiteral("mnuPopupVerify"), QStringLiteral("mnuToolsVerify"));

    // Tray menu.
    add(QStringLiteral("mnuTrayFavNone"), QStringLiteral("no favourites"))->setEnabled(false);
    add(QStringLiteral("mnuTrayRandom"), QStringLiteral("Play Random Set"));
    add(QStringLiteral("mnuTrayPlay"), QStringLiteral("Play"));
    add(QStringLiteral("mnuTrayShow"), QStringLiteral("Show"));
    add(QStringLiteral("mnuTrayExit"), QStringLiteral("Exit"));

    // Toolbar buttons 1 to 10; 3, 6 and 9 carry no action.
    add(QStringLiteral("tbrFavourites"), QStringLiteral("Favourites"), {}, true);
    add(QStringLiteral("tbrAddFav"), QStringLiteral("Add To Favourites"));
    add(QStringLiteral("tbrAvailable"), QStringLiteral("Available"), {}, true);
    add(QStringLiteral("tbrUnavailable"), QStringLiteral("Unavailable"), {}, true);
    add(QStringLiteral("tbrPaths"), QStringLiteral("Paths / Directories"));
    add(QStringLiteral("tbrOptions"), QStringLiteral("Default MAME Options"));
    add(QStringLiteral("tbrVerify"), QStringLiteral("Verify"));

    // Exactly one view mode is checked at a time; choosing the checked one leaves it checked.
    m_viewModes = new QActionGroup(this);
    m_viewModes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 1; i <= 3; ++i) {
        m_viewModes->addAction(find(QStringLiteral("mnuListViewMode%1").arg(i)));
    }
}

void MainActions::buildMenuBar(QMenuBar *bar) {
    auto actions = [this](QMenu *menu, const QStringList &names) {
        for (const QString &name : names) {
            if (name == QLatin1String("-")) {
                menu->addSeparator();
            } else {
                menu->addAction((*this)[name]);
            }
        }
    };
    QMenu *file = newMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"), bar);
    actions(file, {QStringLiteral("mnuFilePlay"), QStringLiteral("mnuFilePlayBar"),
                   QStringLiteral("mnuFileRandom"), QStringLiteral("-"), QStringLiteral("mnuFileAddFav"),
                   QStringLiteral("-"), QStringLiteral("mnuFileRecord"), QStringLiteral("mnuFilePlayback"),
                   QStringLiteral("-"), QStringLiteral("mnuFileVidSnd"), QStringLiteral("mnuFileSound"),
                   QStringLiteral("mnuFileVideo"), QStringLiteral("-"), QStringLiteral("mnuFileExit")});
    QMenu *view = newMenu(QStringLiteral("mnuView"), QStringLiteral("&View"), bar);
    actions(view,
            {QStringLiteral("mnuViewToolbar"), QStringLiteral("mnuViewStatusBar"),
             QStringLiteral("mnuViewMenuBar"), QStringLiteral("-"), QStringLiteral("mnuViewHistory"),
             QStringLiteral("mnuViewPicture"), QStringLiteral("-"), QStringLiteral("mnuViewFullScreen"),
             QStringLiteral("-"), QStringLiteral("mnuListViewMode1"), QStringLiteral("mnuListViewMode2"),
             QStringLiteral("mnuListViewMode3"), QStringLiteral("-"), QStringLiteral("mnuCollapse")});
    QMenu *options = newMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"), bar);
    actions(options, {QStringLiteral("mnuOptionsFolders"), QStringLiteral("mnuOptionsDefault"),
                      QStringLiteral("mnuOptionsVector"), QStringLiteral("-"),
                      QStringLiteral("mnuOptionsGUI"), QStringLiteral("-")});
    QMenu *fonts = newMenu(QStringLiteral("mnuOptionsFonts"), QStringLiteral("F&onts"), options);
    actions(fonts, {QStringLiteral("mnuFontsList"), QStringLiteral("mnuFontsHistory"),
                    QStringLiteral("mnuFontsStatusBar")});
    options->addMenu(fonts);
    QMenu *colours =
        newMenu(QStringLiteral("mnuOptionsColour"), QStringLiteral("&Background Colour"), options);
    actions(colours, {QStringLiteral("mnuColourAll"), QStringLiteral("mnuColourList"),
                      QStringLiteral("mnuColourHistory")});
    options->addMenu(colours);
    QMenu *setList = newMenu(QStringLiteral("mnuSetList"), QStringLiteral("&Set-List"), bar);
    actions(setList, {QStringLiteral("mnuViewFav"), QStringLiteral("-"), QStringLiteral("mnuViewGameLists1"),
                      QStringLiteral("mnuViewGameLists2"), QStringLiteral("mnuOptionsClones"),
                      QStringLiteral("-"), QStringLiteral("mnuToolsBIOS")});
    QMenu *tools = newMenu(QStringLiteral("mnuTools"), QStringLiteral("&Tools"), bar);
    actions(tools, {QStringLiteral("mnuToolsExplorer"), QStringLiteral("-")});
    QMenu *del = newMenu(QStringLiteral("mnuToolsDelete"), QStringLiteral("&Delete"), tools);
    actions(del, {QStringLiteral("mnuToolsDelNv"), QStringLiteral("mnuToolsDelCfg"),
                  QStringLiteral("mnuToolsDelDif"), QStringLiteral("mnuToolsDelIni"), QStringLiteral("-"),
                  QStringLiteral("mnuToolsDelAll")});
    tools->addMenu(del);
    actions(tools,
            {QStringLiteral("-"), QStringLiteral("mnuToolsColumnOrder"), QStringLiteral("-"),
             QStringLiteral("mnuToolsReloadHistory"), QStringLiteral("-"), QStringLiteral("mnuToolsVerify"),
             QStringLiteral("-"), QStringLiteral("mnuToolsSelectMame")});
    QMenu *help = newMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"), bar);
    actions(help,
            {QStringLiteral("mnuHelpMameTxt"), QStringLiteral("mnuHelpWhatsNew"), QStringLiteral("-"),
             QStringLiteral("mnuHelpHome"), QStringLiteral("mnuHelpMameHome"),
             QStringLiteral("mnuHelpHistoryHome"), QStringLiteral("-"), QStringLiteral("mnuHelpAbout")});
    for (QMenu *menu : {file, view, options, setList, tools, help}) {
        bar->addMenu(menu);
    }
}

void MainActions::buildItemPopup() {
    QMenu *popup = newMenu(QStringLiteral("mnuItemPopup"), QString(), m_window);
    popup->addAction((*this)[QStringLiteral("mnuItemPopupPlay")]);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuItemPopupAddFav")]);
    popup->addAction((*this)[QStringLiteral("mnuItemPopupRemFav")]);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuItemPopupRecord")]);
    popup->addAction((*this)[QStringLiteral("mnuItemPopupPlayback")]);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuItemPopupSndVid")]);
    popup->addAction((*this)[QStringLiteral("mnuItemPopupSound")]);
    popup->addAction((*this)[QStringLiteral("mnuItemPopupVideo")]);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuItemPopupSetOptions")]);
    popup->addAction((*this)[QStringLiteral("mnuItemPopupDriverOptions")]);
    popup->addSeparator();
    QMenu *del = newMenu(QStringLiteral("mnuItemPopupDelete"), QStringLiteral("Delete"), popup);
    for (const char *name :
         {"mnuItemPopupDelNv", "mnuItemPopupDelCfg", "mnuItemPopupDelDif", "mnuItemPopupDelIni"}) {
        del->addAction((*this)[QLatin1String(name)]);
    }
    del->addSeparator();
    del->addAction((*this)[QStringLiteral("mnuItemPopupDelAll")]);
    popup->addMenu(del);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuItemPopupVerify")]);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuItemPopupHistoryNotepad")]);
    popup->addSeparator();
    QMenu *copy = newMenu(QStringLiteral("mnuItemPopupCopy"), QStringLiteral("Copy To Clipboard"), popup);
    for (int i = 0; i < 4; ++i) {
        copy->addAction((*this)[QStringLiteral("mnuItemPopupCopy%1").arg(i)]);
    }
    popup->addMenu(copy);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuItemPopupMaws")]);
    m_itemPopup = popup;
}

void MainActions::buildGeneralPopup() {
    QMenu *popup = newMenu(QStringLiteral("mnuPopup"), QString(), m_window);
    popup->addAction((*this)[QStringLiteral("mnuPopupSnap0")]);
    popup->addAction((*this)[QStringLiteral("mnuPopupSnap1")]);
    popup->addAction((*this)[QStringLiteral("mnuPopupBar0")]);
    popup->addAction((*this)[QStringLiteral("mnuPopupRandom")]);
    popup->addSeparator();
    QMenu *view = newMenu(QStringLiteral("mnuPopupView"), QStringLiteral("View"), popup);
    for (const char *name : {"mnuPopupToolbar", "mnuPopupStatusBar", "mnuPopupMenuBar"}) {
        view->addAction((*this)[QLatin1String(name)]);
    }
    view->addSeparator();
    view->addAction((*this)[QStringLiteral("mnuPopupHistory")]);
    view->addAction((*this)[QStringLiteral("mnuPopupPicture")]);
    popup->addMenu(view);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuPopupFullScreen")]);
    popup->addSeparator();
    for (int i = 1; i <= 3; ++i) {
        popup->addAction((*this)[QStringLiteral("mnuPopupListViewMode%1").arg(i)]);
    }
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuPopupCollapse")]);
    popup->addSeparator();
    for (const char *name : {"mnuPopupFolders", "mnuPopupDefault", "mnuPopupVector"}) {
        popup->addAction((*this)[QLatin1String(name)]);
    }
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuPopupOptionsGUI")]);
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuPopupFav")]);
    popup->addSeparator();
    for (const char *name : {"mnuPopupGameLists1", "mnuPopupGameLists2", "mnuPopupClones"}) {
        popup->addAction((*this)[QLatin1String(name)]);
    }
    popup->addSeparator();
    popup->addAction((*this)[QStringLiteral("mnuPopupVerify")]);
    m_generalPopup = popup;
}

void MainActions::buildTrayMenu() {
    QMenu *tray = newMenu(QStringLiteral("mnuTray"), QString(), m_window);
    QMenu *favourites = newMenu(QStringLiteral("mnuTrayFav"), QStringLiteral("Favourites"), tray);
    favourites->addAction((*this)[QStringLiteral("mnuTrayFavNone")]);
    tray->addMenu(favourites);
    tray->addSeparator()->setObjectName(QStringLiteral("mnuTrayBarRandom"));
    tray->addAction((*this)[QStringLiteral("mnuTrayRandom")]);
    tray->addSeparator()->setObjectName(QStringLiteral("mnuTrayBarPlay"));
    tray->addAction((*this)[QStringLiteral("mnuTrayPlay")]);
    tray->addSeparator();
    tray->addAction((*this)[QStringLiteral("mnuTrayShow")]);
    tray->addSeparator();
    tray->addAction((*this)[QStringLiteral("mnuTrayExit")]);
    m_trayMenu = tray;
}

void MainActions::buildToolBar(QToolBar *bar) {
    // The desktop theme's icon where it has one, the program's own otherwise.
    static const char *const kIcons[][3] = {
        {"tbrFavourites", "emblem-favorite", "favourites"},
        {"tbrAddFav", "bookmark-new", "add-favourite"},
        {"tbrAvailable", "emblem-default", "available"},
        {"tbrUnavailable", "emblem-unreadable", "unavailable"},
        {"tbrPaths", "folder", "paths"},
        {"tbrOptions", "preferences-system", "options"},
        {"tbrVerify", "system-search", "verify"},
    };
    for (const auto &icon : kIcons) {
        const QIcon themed = QIcon::fromTheme(QLatin1String(icon[1]));
        // A theme may name an icon it cannot draw here (an SVG without its icon engine): check a pixmap.
        const bool usable = !themed.isNull() && !themed.pixmap(QSize(16, 16)).isNull();
        (*this)[QLatin1String(icon[0])]->setIcon(
            usable ? themed : QIcon(QStringLiteral(":/quorvex/icons/%1.png").arg(QLatin1String(icon[2]))));
    }
    bar->addAction((*this)[QStringLiteral("tbrFavourites")]);
    bar->addAction((*this)[QStringLiteral("tbrAddFav")]);
    bar->addSeparator();
    bar->addAction((*this)[QStringLiteral("tbrAvailable")]);
    bar->addAction((*this)[QStringLiteral("tbrUnavailable")]);
    bar->addSeparator();
    bar->addAction((*this)[QStringLiteral("tbrPaths")]);
    bar->addAction((*this)[QStringLiteral("tbrOptions")]);
    bar->addSeparator();
    bar->addAction((*this)[QStringLiteral("tbrVerify")]);
}

QAction *MainActions::toolbarButton(int number) const {
    static const char *const kButtons[] = {"tbrFavourites",  "tbrAddFav", nullptr,    "tbrAvailable",
                                           "tbrUnavailable", nullptr,     "tbrPaths", "tbrOptions",
                                           nullptr,          "tbrVerify"};
    if (number < 1 || number > 10 || !kButtons[number - 1]) {
        return nullptr;
    }
    return find(QLatin1String(kButtons[number - 1]));
}

} // namespace qx
