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

using A = ActionId;

// A separator in a menu's list of entries that is no command of its own.
constexpr A kBar = A::Count;

enum Flag { kPlain = 0, kCheckable = 1, kSeparator = 2 };

struct ActionEntry {
    A id;
    const char *name;
    const char *caption;
    const char *shortcut;
    int flags;
};

// Every command with its documented name, caption and shortcut, in the order the menus list them.
constexpr ActionEntry kActionTable[] = {
    // File
    {A::FilePlay, "mnuFilePlay", "&Play ", "", kPlain},
    {A::FilePlayBar, "mnuFilePlayBar", "", "", kSeparator},
    {A::FileRandom, "mnuFileRandom", "Play &Random Set", "Ctrl+R", kPlain},
    {A::FileAddFav, "mnuFileAddFav", "Add To &Favourites", "", kPlain},
    {A::FileRecord, "mnuFileRecord", "Record Input...", "", kPlain},
    {A::FilePlayback, "mnuFilePlayback", "Playback Input...", "", kPlain},
    {A::FileVidSnd, "mnuFileVidSnd", "Record AVI...", "", kPlain},
    {A::FileSound, "mnuFileSound", "Record &WAV...", "", kPlain},
    {A::FileVideo, "mnuFileVideo", "Record &MNG...", "", kPlain},
    {A::FileExit, "mnuFileExit", "E&xit", "Ctrl+X", kPlain},
    // View
    {A::ViewToolbar, "mnuViewToolbar", "&Toolbar", "Ctrl+T", kCheckable},
    {A::ViewStatusBar, "mnuViewStatusBar", "&Status Bar", "Ctrl+S", kCheckable},
    {A::ViewMenuBar, "mnuViewMenuBar", "&Menu Bar", "Ctrl+M", kCheckable},
    {A::ViewHistory, "mnuViewHistory", "&History", "Ctrl+H", kCheckable},
    {A::ViewPicture, "mnuViewPicture", "Picture &Image", "Ctrl+I", kCheckable},
    {A::ViewFullScreen, "mnuViewFullScreen", "Full Screen", "F11", kCheckable},
    {A::ListViewMode1, "mnuListViewMode1", "&Grouped", "", kCheckable},
    {A::ListViewMode2, "mnuListViewMode2", "&List", "", kCheckable},
    {A::ListViewMode3, "mnuListViewMode3", "&Details", "", kCheckable},
    {A::Collapse, "mnuCollapse", "Collapse List", "", kPlain},
    // Options
    {A::OptionsFolders, "mnuOptionsFolders", "Paths/&Directories...", "Ctrl+D", kPlain},
    {A::OptionsDefault, "mnuOptionsDefault", "Default &Options...", "Ctrl+O", kPlain},
    {A::OptionsVector, "mnuOptionsVector", "V&ector Options...", "Ctrl+E", kPlain},
    {A::OptionsGUI, "mnuOptionsGUI", "&Preferences...", "", kPlain},
    {A::FontsList, "mnuFontsList", "Set List...", "", kPlain},
    {A::FontsHistory, "mnuFontsHistory", "History...", "", kPlain},
    {A::FontsStatusBar, "mnuFontsStatusBar", "Status Bar...", "", kPlain},
    {A::ColourAll, "mnuColourAll", "All...", "", kPlain},
    {A::ColourList, "mnuColourList", "Set List...", "", kPlain},
    {A::ColourHistory, "mnuColourHistory", "History / Picture...", "", kPlain},
    // Set-List
    {A::ViewFav, "mnuViewFav", "&Favourites", "Ctrl+F", kCheckable},
    {A::ViewGameLists1, "mnuViewGameLists1", "&Available", "Ctrl+A", kCheckable},
    {A::ViewGameLists2, "mnuViewGameLists2", "&Unavailable", "Ctrl+U", kCheckable},
    {A::OptionsClones, "mnuOptionsClones", "&Clones", "Ctrl+C", kCheckable},
    {A::ToolsBIOS, "mnuToolsBIOS", "&BIOS List", "", kPlain},
    // Tools
    {A::ToolsExplorer, "mnuToolsExplorer", "&Open MAME Folder", "", kPlain},
    {A::ToolsDelNv, "mnuToolsDelNv", "&NVRAM (*.nv)", "", kPlain},
    {A::ToolsDelCfg, "mnuToolsDelCfg", "&Configuration (*.cfg)", "", kPlain},
    {A::ToolsDelDif, "mnuToolsDelDif", "HDD &Difference (*.dif)", "", kPlain},
    {A::ToolsDelIni, "mnuToolsDelIni", "INI Files (*.ini)", "", kPlain},
    {A::ToolsDelAll, "mnuToolsDelAll", "&All Above Files", "", kPlain},
    {A::ToolsColumnOrder, "mnuToolsColumnOrder", "Reset &Column Order", "", kPlain},
    {A::ToolsReloadHistory, "mnuToolsReloadHistory", "Reload History File", "", kPlain},
    {A::ToolsVerify, "mnuToolsVerify", "&Verify All Sets", "", kPlain},
    {A::ToolsSelectMame, "mnuToolsSelectMame", "Select &MAME...", "", kPlain},
    // Help
    {A::HelpMameTxt, "mnuHelpMameTxt", "mame.txt", "", kPlain},
    {A::HelpWhatsNew, "mnuHelpWhatsNew", "whatsnew.txt", "", kPlain},
    {A::HelpHome, "mnuHelpHome", "Quorvex Home", "", kPlain},
    {A::HelpMameHome, "mnuHelpMameHome", "MAME &Home", "", kPlain},
    {A::HelpHistoryHome, "mnuHelpHistoryHome", "&History Database Home", "", kPlain},
    {A::HelpAbout, "mnuHelpAbout", "&About Quorvex", "F1", kPlain},
    // Item pop-up entries with captions of their own
    {A::ItemPopupPlay, "mnuItemPopupPlay", "Play ", "", kPlain},
    {A::ItemPopupAddFav, "mnuItemPopupAddFav", "Add To Favourites", "", kPlain},
    {A::ItemPopupRemFav, "mnuItemPopupRemFav", "Remove From Favourites", "", kPlain},
    {A::ItemPopupRecord, "mnuItemPopupRecord", "Record Input...", "", kPlain},
    {A::ItemPopupPlayback, "mnuItemPopupPlayback", "Playback Input...", "", kPlain},
    {A::ItemPopupSndVid, "mnuItemPopupSndVid", "Record AVI...", "", kPlain},
    {A::ItemPopupSound, "mnuItemPopupSound", "Record WAV...", "", kPlain},
    {A::ItemPopupVideo, "mnuItemPopupVideo", "Record MNG...", "", kPlain},
    {A::ItemPopupSetOptions, "mnuItemPopupSetOptions", "Set Options", "", kPlain},
    {A::ItemPopupDriverOptions, "mnuItemPopupDriverOptions", "Driver Options", "", kPlain},
    {A::ItemPopupDelNv, "mnuItemPopupDelNv", ".nv", "", kPlain},
    {A::ItemPopupDelCfg, "mnuItemPopupDelCfg", ".cfg", "", kPlain},
    {A::ItemPopupDelDif, "mnuItemPopupDelDif", ".dif", "", kPlain},
    {A::ItemPopupDelIni, "mnuItemPopupDelIni", ".ini", "", kPlain},
    {A::ItemPopupDelAll, "mnuItemPopupDelAll", "All Above Files", "", kPlain},
    {A::ItemPopupVerify, "mnuItemPopupVerify", "Verify Set", "", kPlain},
    {A::ItemPopupHistoryNotepad, "mnuItemPopupHistoryNotepad", "Open History in Text Editor", "", kPlain},
    {A::ItemPopupCopy0, "mnuItemPopupCopy0", "Description", "", kPlain},
    {A::ItemPopupCopy1, "mnuItemPopupCopy1", "Name", "", kPlain},
    {A::ItemPopupCopy2, "mnuItemPopupCopy2", "Parent", "", kPlain},
    {A::ItemPopupCopy3, "mnuItemPopupCopy3", "Manufacturer", "", kPlain},
    {A::ItemPopupMaws, "mnuItemPopupMaws", "Open Info. Online...", "", kPlain},
    // General pop-up entries with captions of their own
    {A::PopupSnap0, "mnuPopupSnap0", "Delete ", "", kPlain},
    {A::PopupSnap1, "mnuPopupSnap1", "Rename ", "", kPlain},
    {A::PopupBar0, "mnuPopupBar0", "", "", kSeparator},
    {A::PopupFolders, "mnuPopupFolders", "Paths/Directories...", "", kPlain},
    {A::PopupDefault, "mnuPopupDefault", "Default MAME Options...", "", kPlain},
    {A::PopupVector, "mnuPopupVector", "Vector Options...", "", kPlain},
    {A::PopupOptionsGUI, "mnuPopupOptionsGUI", "Preferences...", "", kPlain},
    // Tray menu
    {A::TrayFavNone, "mnuTrayFavNone", "no favourites", "", kPlain},
    {A::TrayBarRandom, "mnuTrayBarRandom", "", "", kSeparator},
    {A::TrayRandom, "mnuTrayRandom", "Play Random Set", "", kPlain},
    {A::TrayBarPlay, "mnuTrayBarPlay", "", "", kSeparator},
    {A::TrayPlay, "mnuTrayPlay", "Play", "", kPlain},
    {A::TrayShow, "mnuTrayShow", "Show", "", kPlain},
    {A::TrayExit, "mnuTrayExit", "Exit", "", kPlain},
    // Toolbar buttons 1 to 10; 3, 6 and 9 carry no action
    {A::TbrFavourites, "tbrFavourites", "Favourites", "", kCheckable},
    {A::TbrAddFav, "tbrAddFav", "Add To Favourites", "", kPlain},
    {A::TbrAvailable, "tbrAvailable", "Available", "", kCheckable},
    {A::TbrUnavailable, "tbrUnavailable", "Unavailable", "", kCheckable},
    {A::TbrPaths, "tbrPaths", "Paths / Directories", "", kPlain},
    {A::TbrOptions, "tbrOptions", "Default MAME Options", "", kPlain},
    {A::TbrVerify, "tbrVerify", "Verify", "", kPlain},
};
static_assert(std::size(kActionTable) == std::size_t(A::Count), "every command has its entry");

// The toolbar's buttons 1 to 10; kBar where a separator stands.
constexpr A kToolbarButtons[] = {
    A::TbrFavourites, A::TbrAddFav,  kBar, A::TbrAvailable, A::TbrUnavailable, kBar,
    A::TbrPaths,      A::TbrOptions, kBar, A::TbrVerify};

} // namespace

MainActions::MainActions(QWidget *window) : QObject(window), m_window(window) {
    setObjectName(QStringLiteral("MainActions"));
    createActions();
    buildItemPopup();
    buildGeneralPopup();
    buildTrayMenu();
    (*this)[A::TrayFavNone]->setEnabled(false);
    m_commands = new QActionGroup(this);
    m_commands->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction *action : m_actions) {
        if (action->actionGroup() != m_viewModes) {
            m_commands->addAction(action);
        }
    }
}

void MainActions::setCommandsEnabled(bool enabled) {
    m_commands->setEnabled(enabled);
    m_viewModes->setEnabled(enabled);
}

void MainActions::createActions() {
    for (const ActionEntry &entry : kActionTable) {
        auto *action = new QAction(QString::fromUtf8(entry.caption), m_window);
        action->setObjectName(QLatin1String(entry.name));
        action->setSeparator(entry.flags & kSeparator);
        action->setCheckable(entry.flags & kCheckable);
        if (*entry.shortcut) {
            action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
            // Shortcuts reach the window even while the menu bar is hidden.
            m_window->addAction(action);
        }
        m_actions[std::size_t(entry.id)] = action;
        m_byName.insert(action->objectName(), action);
    }

    // The general pop-up's twins of menu-bar entries.
    alias(QStringLiteral("mnuPopupRandom"), A::FileRandom);
    alias(QStringLiteral("mnuPopupToolbar"), A::ViewToolbar);
    alias(QStringLiteral("mnuPopupStatusBar"), A::ViewStatusBar);
    alias(QStringLiteral("mnuPopupMenuBar"), A::ViewMenuBar);
    alias(QStringLiteral("mnuPopupHistory"), A::ViewHistory);
    alias(QStringLiteral("mnuPopupPicture"), A::ViewPicture);
    alias(QStringLiteral("mnuPopupFullScreen"), A::ViewFullScreen);
    alias(QStringLiteral("mnuPopupListViewMode1"), A::ListViewMode1);
    alias(QStringLiteral("mnuPopupListViewMode2"), A::ListViewMode2);
    alias(QStringLiteral("mnuPopupListViewMode3"), A::ListViewMode3);
    alias(QStringLiteral("mnuPopupCollapse"), A::Collapse);
    alias(QStringLiteral("mnuPopupFav"), A::ViewFav);
    alias(QStringLiteral("mnuPopupGameLists1"), A::ViewGameLists1);
    alias(QStringLiteral("mnuPopupGameLists2"), A::ViewGameLists2);
    alias(QStringLiteral("mnuPopupClones"), A::OptionsClones);
    alias(QStringLiteral("mnuPopupVerify"), A::ToolsVerify);

    // Exactly one view mode is checked at a time; choosing the checked one leaves it checked.
    m_viewModes = new QActionGroup(this);
    m_viewModes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const A mode : {A::ListViewMode1, A::ListViewMode2, A::ListViewMode3}) {
        m_viewModes->addAction((*this)[mode]);
    }
}

void MainActions::alias(const QString &twin, ActionId id) {
    QAction *action = (*this)[id];
    m_byName.insert(twin, action);
    QStringList twins = action->property("twinNames").toStringList();
    twins.append(twin);
    action->setProperty("twinNames", twins);
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

namespace {

void addEntries(QMenu *menu, const MainActions &actions, std::initializer_list<A> entries) {
    for (const A id : entries) {
        if (id == kBar) {
            menu->addSeparator();
        } else {
            menu->addAction(actions[id]);
        }
    }
}

} // namespace

void MainActions::buildMenuBar(QMenuBar *bar) {
    QMenu *file = newMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"), bar);
    addEntries(file, *this,
               {A::FilePlay, A::FilePlayBar, A::FileRandom, kBar, A::FileAddFav, kBar, A::FileRecord,
                A::FilePlayback, kBar, A::FileVidSnd, A::FileSound, A::FileVideo, kBar, A::FileExit});
    m_fileMenu = file;
    QMenu *view = newMenu(QStringLiteral("mnuView"), QStringLiteral("&View"), bar);
    addEntries(view, *this,
               {A::ViewToolbar, A::ViewStatusBar, A::ViewMenuBar, kBar, A::ViewHistory, A::ViewPicture, kBar,
                A::ViewFullScreen, kBar, A::ListViewMode1, A::ListViewMode2, A::ListViewMode3, kBar,
                A::Collapse});
    QMenu *options = newMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"), bar);
    addEntries(options, *this,
               {A::OptionsFolders, A::OptionsDefault, A::OptionsVector, kBar, A::OptionsGUI, kBar});
    QMenu *fonts = newMenu(QStringLiteral("mnuOptionsFonts"), QStringLiteral("F&onts"), options);
    addEntries(fonts, *this, {A::FontsList, A::FontsHistory, A::FontsStatusBar});
    options->addMenu(fonts);
    QMenu *colours =
        newMenu(QStringLiteral("mnuOptionsColour"), QStringLiteral("&Background Colour"), options);
    addEntries(colours, *this, {A::ColourAll, A::ColourList, A::ColourHistory});
    options->addMenu(colours);
    QMenu *setList = newMenu(QStringLiteral("mnuSetList"), QStringLiteral("&Set-List"), bar);
    addEntries(
        setList, *this,
        {A::ViewFav, kBar, A::ViewGameLists1, A::ViewGameLists2, A::OptionsClones, kBar, A::ToolsBIOS});
    QMenu *tools = newMenu(QStringLiteral("mnuTools"), QStringLiteral("&Tools"), bar);
    addEntries(tools, *this, {A::ToolsExplorer, kBar});
    QMenu *del = newMenu(QStringLiteral("mnuToolsDelete"), QStringLiteral("&Delete"), tools);
    addEntries(del, *this,
               {A::ToolsDelNv, A::ToolsDelCfg, A::ToolsDelDif, A::ToolsDelIni, kBar, A::ToolsDelAll});
    tools->addMenu(del);
    addEntries(tools, *this,
               {kBar, A::ToolsColumnOrder, kBar, A::ToolsReloadHistory, kBar, A::ToolsVerify, kBar,
                A::ToolsSelectMame});
    QMenu *help = newMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"), bar);
    addEntries(help, *this,
               {A::HelpMameTxt, A::HelpWhatsNew, kBar, A::HelpHome, A::HelpMameHome, A::HelpHistoryHome, kBar,
                A::HelpAbout});
    for (QMenu *menu : {file, view, options, setList, tools, help}) {
        bar->addMenu(menu);
    }
}

void MainActions::buildItemPopup() {
    QMenu *popup = newMenu(QStringLiteral("mnuItemPopup"), QString(), m_window);
    addEntries(popup, *this,
               {A::ItemPopupPlay, kBar, A::ItemPopupAddFav, A::ItemPopupRemFav, kBar, A::ItemPopupRecord,
                A::ItemPopupPlayback, kBar, A::ItemPopupSndVid, A::ItemPopupSound, A::ItemPopupVideo, kBar,
                A::ItemPopupSetOptions, A::ItemPopupDriverOptions, kBar});
    QMenu *del = newMenu(QStringLiteral("mnuItemPopupDelete"), QStringLiteral("Delete"), popup);
    addEntries(del, *this,
               {A::ItemPopupDelNv, A::ItemPopupDelCfg, A::ItemPopupDelDif, A::ItemPopupDelIni, kBar,
                A::ItemPopupDelAll});
    popup->addMenu(del);
    addEntries(popup, *this, {kBar, A::ItemPopupVerify, kBar, A::ItemPopupHistoryNotepad, kBar});
    QMenu *copy = newMenu(QStringLiteral("mnuItemPopupCopy"), QStringLiteral("Copy To Clipboard"), popup);
    addEntries(copy, *this, {A::ItemPopupCopy0, A::ItemPopupCopy1, A::ItemPopupCopy2, A::ItemPopupCopy3});
    popup->addMenu(copy);
    addEntries(popup, *this, {kBar, A::ItemPopupMaws});
    m_itemPopup = popup;
}

void MainActions::buildGeneralPopup() {
    QMenu *popup = newMenu(QStringLiteral("mnuPopup"), QString(), m_window);
    addEntries(popup, *this, {A::PopupSnap0, A::PopupSnap1, A::PopupBar0, A::FileRandom, kBar});
    QMenu *view = newMenu(QStringLiteral("mnuPopupView"), QStringLiteral("View"), popup);
    addEntries(view, *this,
               {A::ViewToolbar, A::ViewStatusBar, A::ViewMenuBar, kBar, A::ViewHistory, A::ViewPicture});
    popup->addMenu(view);
    addEntries(popup, *this,
               {kBar,
                A::ViewFullScreen,
                kBar,
                A::ListViewMode1,
                A::ListViewMode2,
                A::ListViewMode3,
                kBar,
                A::Collapse,
                kBar,
                A::PopupFolders,
                A::PopupDefault,
                A::PopupVector,
                kBar,
                A::PopupOptionsGUI,
                kBar,
                A::ViewFav,
                kBar,
                A::ViewGameLists1,
                A::ViewGameLists2,
                A::OptionsClones,
                kBar,
                A::ToolsVerify});
    m_generalPopup = popup;
}

void MainActions::buildTrayMenu() {
    QMenu *tray = newMenu(QStringLiteral("mnuTray"), QString(), m_window);
    m_trayFavourites = newMenu(QStringLiteral("mnuTrayFav"), QStringLiteral("Favourites"), tray);
    m_trayFavourites->addAction((*this)[A::TrayFavNone]);
    tray->addMenu(m_trayFavourites);
    addEntries(
        tray, *this,
        {A::TrayBarRandom, A::TrayRandom, A::TrayBarPlay, A::TrayPlay, kBar, A::TrayShow, kBar, A::TrayExit});
    m_trayMenu = tray;
}

void MainActions::buildToolBar(QToolBar *bar) {
    // The desktop theme's icon where it has one, the program's own otherwise.
    static const struct {
        A id;
        const char *themed;
        const char *own;
    } kIcons[] = {
        {A::TbrFavourites, "emblem-favorite", "favourites"},
        {A::TbrAddFav, "bookmark-new", "add-favourite"},
        {A::TbrAvailable, "emblem-default", "available"},
        {A::TbrUnavailable, "emblem-unreadable", "unavailable"},
        {A::TbrPaths, "folder", "paths"},
        {A::TbrOptions, "preferences-system", "options"},
        {A::TbrVerify, "system-search", "verify"},
    };
    for (const auto &icon : kIcons) {
        const QIcon themed = QIcon::fromTheme(QLatin1String(icon.themed));
        // A theme may name an icon it cannot draw here (an SVG without its icon engine): check a pixmap.
        const bool usable = !themed.isNull() && !themed.pixmap(QSize(16, 16)).isNull();
        (*this)[icon.id]->setIcon(
            usable ? themed : QIcon(QStringLiteral(":/quorvex/icons/%1.png").arg(QLatin1String(icon.own))));
    }
    for (const A button : kToolbarButtons) {
        if (button == kBar) {
            bar->addSeparator();
        } else {
            bar->addAction((*this)[button]);
        }
    }
}

QAction *MainActions::toolbarButton(int number) const {
    if (number < 1 || number > 10 || kToolbarButtons[number - 1] == kBar) {
        return nullptr;
    }
    return (*this)[kToolbarButtons[number - 1]];
}

BrowserActions MainActions::browserActions() const {
    using B = BrowserActions;
    static const std::pair<QAction * B::*, A> kCommands[] = {
        {&B::filePlay, A::FilePlay},
        {&B::filePlayBar, A::FilePlayBar},
        {&B::fileAddFav, A::FileAddFav},
        {&B::viewFav, A::ViewFav},
        {&B::clones, A::OptionsClones},
        {&B::collapse, A::Collapse},
        {&B::columnOrder, A::ToolsColumnOrder},
        {&B::popupPlay, A::ItemPopupPlay},
        {&B::popupAddFav, A::ItemPopupAddFav},
        {&B::popupRemFav, A::ItemPopupRemFav},
        {&B::favourites, A::TbrFavourites},
        {&B::addFav, A::TbrAddFav},
        {&B::available, A::TbrAvailable},
        {&B::unavailable, A::TbrUnavailable},
        {&B::paths, A::TbrPaths},
        {&B::options, A::TbrOptions},
        {&B::verify, A::TbrVerify},
    };
    BrowserActions actions;
    for (const auto &[member, id] : kCommands) {
        actions.*member = (*this)[id];
    }
    actions.viewMode = {(*this)[A::ListViewMode1], (*this)[A::ListViewMode2], (*this)[A::ListViewMode3]};
    actions.gameLists = {(*this)[A::ViewGameLists1], (*this)[A::ViewGameLists2]};
    actions.fileMenu = m_fileMenu;
    return actions;
}

} // namespace qx
