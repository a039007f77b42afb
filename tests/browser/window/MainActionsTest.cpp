#include "browser/window/MainActions.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace qx;

namespace {

// One entry of a menu as the user sees it: its caption and accelerator, or a separator ("-").
struct Entry {
    QString caption;
    QString shortcut;
};

QList<Entry> entriesOf(const QMenu *menu) {
    QList<Entry> entries;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator()) {
            entries.append({QStringLiteral("-"), {}});
        } else {
            entries.append({action->text(), action->shortcut().toString()});
        }
    }
    return entries;
}

void compareMenu(const QMenu *menu, const QList<Entry> &expected) {
    QVERIFY2(menu, "menu missing");
    const QList<Entry> actual = entriesOf(menu);
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual.at(i).caption, expected.at(i).caption);
        QCOMPARE(actual.at(i).shortcut, expected.at(i).shortcut);
    }
}

const Entry kSep{QStringLiteral("-"), {}};

Entry e(const char *caption, const char *shortcut = "") {
    return {QString::fromUtf8(caption), QString::fromUtf8(shortcut)};
}

} // namespace

class MainActionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_window = new QMainWindow;
        m_actions = new MainActions(m_window);
        m_actions->buildMenuBar(m_window->menuBar());
        m_toolbar = new QToolBar(m_window);
        m_actions->buildToolBar(m_toolbar);
    }
    void cleanup() { delete m_window; }

    void menuBarHasEveryEntryWithItsAccelerator() {
        const QList<QAction *> tops = m_window->menuBar()->actions();
        QStringList captions;
        for (const QAction *top : tops) {
            captions.append(top->text());
        }
        QCOMPARE(captions, (QStringList{QStringLiteral("&File"), QStringLiteral("&View"),
                                        QStringLiteral("&Options"), QStringLiteral("&Set-List"),
                                        QStringLiteral("&Tools"), QStringLiteral("&Help")}));
        compareMenu(m_actions->menu(QStringLiteral("mnuFile")),
                    {e("&Play "), kSep, e("Play &Random Set", "Ctrl+R"), kSep, e("Add To &Favourites"), kSep,
                     e("Record Input..."), e("Playback Input..."), kSep, e("Record AVI..."),
                     e("Record &WAV..."), e("Record &MNG..."), kSep, e("E&xit", "Ctrl+X")});
        compareMenu(m_actions->menu(QStringLiteral("mnuView")),
                    {e("&Toolbar", "Ctrl+T"), e("&Status Bar", "Ctrl+S"), e("&Menu Bar", "Ctrl+M"), kSep,
                     e("&History", "Ctrl+H"), e("Picture &Image", "Ctrl+I"), kSep, e("Full Screen", "F11"),
                     kSep, e("&Grouped"), e("&List"), e("&Details"), kSep, e("Collapse List")});
        compareMenu(m_actions->menu(QStringLiteral("mnuOptions")),
                    {e("Paths/&Directories...", "Ctrl+D"), e("Default &Options...", "Ctrl+O"),
                     e("V&ector Options...", "Ctrl+E"), kSep, e("&Preferences..."), kSep, e("F&onts"),
                     e("&Background Colour")});
        compareMenu(m_actions->menu(QStringLiteral("mnuOptionsFonts")),
                    {e("Set List..."), e("History..."), e("Status Bar...")});
        compareMenu(m_actions->menu(QStringLiteral("mnuOptionsColour")),
                    {e("All..."), e("Set List..."), e("History / Picture...")});
        compareMenu(m_actions->menu(QStringLiteral("mnuSetList")),
                    {e("&Favourites", "Ctrl+F"), kSep, e("&Available", "Ctrl+A"), e("&Unavailable", "Ctrl+U"),
                     e("&Clones", "Ctrl+C"), kSep, e("&BIOS List")});
        compareMenu(m_actions->menu(QStringLiteral("mnuTools")),
                    {e("&Open MAME Folder"), kSep, e("&Delete"), kSep, e("Reset &Column Order"), kSep,
                     e("Reload History File"), kSep, e("&Verify All Sets"), kSep, e("Select &MAME...")});
        compareMenu(m_actions->menu(QStringLiteral("mnuToolsDelete")),
                    {e("&NVRAM (*.nv)"), e("&Configuration (*.cfg)"), e("HDD &Difference (*.dif)"),
                     e("INI Files (*.ini)"), kSep, e("&All Above Files")});
        compareMenu(m_actions->menu(QStringLiteral("mnuHelp")),
                    {e("mame.txt"), e("whatsnew.txt"), kSep, e("Quorvex Home"), e("MAME &Home"),
                     e("&History Database Home"), kSep, e("&About Quorvex", "F1")});
    }

    void popUpMenusHaveEveryEntry() {
        compareMenu(m_actions->itemPopup(), {e("Play "),
                                             kSep,
                                             e("Add To Favourites"),
                                             e("Remove From Favourites"),
                                             kSep,
                                             e("Record Input..."),
                                             e("Playback Input..."),
                                             kSep,
                                             e("Record AVI..."),
                                             e("Record WAV..."),
                                             e("Record MNG..."),
                                             kSep,
                                             e("Set Options"),
                                             e("Driver Options"),
                                             kSep,
                                             e("Delete"),
                                             kSep,
                                             e("Verify Set"),
                                             kSep,
                                             e("Open History in Text Editor"),
                                             kSep,
                                             e("Copy To Clipboard"),
                                             kSep,
                                             e("Open Info. Online...")});
        compareMenu(m_actions->menu(QStringLiteral("mnuItemPopupCopy")),
                    {e("Description"), e("Name"), e("Parent"), e("Manufacturer")});
        compareMenu(m_actions->menu(QStringLiteral("mnuItemPopupDelete")),
                    {e(".nv"), e(".cfg"), e(".dif"), e(".ini"), kSep, e("All Above Files")});
        compareMenu(m_actions->generalPopup(), {e("Delete "),
                                                e("Rename "),
                                                kSep,
                                                e("Play &Random Set", "Ctrl+R"),
                                                kSep,
                                                e("View"),
                                                kSep,
                                                e("Full Screen", "F11"),
                                                kSep,
                                                e("&Grouped"),
                                                e("&List"),
                                                e("&Details"),
                                                kSep,
                                                e("Collapse List"),
                                                kSep,
                                                e("Paths/Directories..."),
                                                e("Default MAME Options..."),
                                                e("Vector Options..."),
                                                kSep,
                                                e("Preferences..."),
                                                kSep,
                                                e("&Favourites", "Ctrl+F"),
                                                kSep,
                                                e("&Available", "Ctrl+A"),
                                                e("&Unavailable", "Ctrl+U"),
                                                e("&Clones", "Ctrl+C"),
                                                kSep,
                                                e("&Verify All Sets")});
        compareMenu(m_actions->menu(QStringLiteral("mnuPopupView")),
                    {e("&Toolbar", "Ctrl+T"), e("&Status Bar", "Ctrl+S"), e("&Menu Bar", "Ctrl+M"), kSep,
                     e("&History", "Ctrl+H"), e("Picture &Image", "Ctrl+I")});
        compareMenu(m_actions->trayMenu(), {e("Favourites"), kSep, e("Play Random Set"), kSep, e("Play"),
                                            kSep, e("Show"), kSep, e("Exit")});
        compareMenu(m_actions->menu(QStringLiteral("mnuTrayFav")), {e("no favourites")});
        QVERIFY(!m_actions->find(QStringLiteral("mnuTrayFavNone"))->isEnabled());
    }

    void twinsShareOneCheckMark() {
        const QList<QPair<const char *, const char *>> twins{
            {"mnuViewToolbar", "mnuPopupToolbar"},
            {"mnuViewStatusBar", "mnuPopupStatusBar"},
            {"mnuViewMenuBar", "mnuPopupMenuBar"},
            {"mnuViewHistory", "mnuPopupHistory"},
            {"mnuViewPicture", "mnuPopupPicture"},
            {"mnuViewFullScreen", "mnuPopupFullScreen"},
            {"mnuListViewMode1", "mnuPopupListViewMode1"},
            {"mnuListViewMode2", "mnuPopupListViewMode2"},
            {"mnuListViewMode3", "mnuPopupListViewMode3"},
            {"mnuCollapse", "mnuPopupCollapse"},
            {"mnuViewFav", "mnuPopupFav"},
            {"mnuViewGameLists1", "mnuPopupGameLists1"},
            {"mnuViewGameLists2", "mnuPopupGameLists2"},
            {"mnuOptionsClones", "mnuPopupClones"},
            {"mnuFileRandom", "mnuPopupRandom"},
            {"mnuToolsVerify", "mnuPopupVerify"},
        };
        for (const auto &[bar, popup] : twins) {
            QAction *barAction = m_actions->find(QLatin1String(bar));
            QAction *popupAction = m_actions->find(QLatin1String(popup));
            QVERIFY2(barAction && popupAction, bar);
            QCOMPARE(barAction, popupAction);
            QVERIFY(m_actions->aliasesOf(QLatin1String(bar)).contains(QLatin1String(popup)));
            if (barAction->isCheckable()) {
                const bool before = popupAction->isChecked();
                barAction->setChecked(!before);
                QCOMPARE(popupAction->isChecked(), !before);
            }
        }
    }

    void exactlyOneViewModeStaysChecked() {
        QAction *grouped = m_actions->find(QStringLiteral("mnuListViewMode1"));
        QAction *details = m_actions->find(QStringLiteral("mnuListViewMode3"));
        details->setChecked(true);
        grouped->trigger();
        QVERIFY(grouped->isChecked());
        QVERIFY(!details->isChecked());
        grouped->trigger(); // choosing the checked mode leaves it checked
        QVERIFY(grouped->isChecked());
    }

    void toolbarHasTenButtonsWithIcons() {
        const QList<QAction *> buttons = m_toolbar->actions();
        QCOMPARE(buttons.size(), 10);
        for (int number = 1; number <= 10; ++number) {
            QAction *button = m_actions->toolbarButton(number);
            if (number == 3 || number == 6 || number == 9) {
                QVERIFY(!button);
                QVERIFY(buttons.at(number - 1)->isSeparator());
                continue;
            }
            QCOMPARE(buttons.at(number - 1), button);
            QVERIFY2(!button->icon().pixmap(16, 16).isNull(), qPrintable(button->objectName()));
        }
        QVERIFY(m_actions->toolbarButton(1)->isCheckable());
        QVERIFY(m_actions->toolbarButton(4)->isCheckable());
        QVERIFY(m_actions->toolbarButton(5)->isCheckable());
    }

private:
    QMainWindow *m_window = nullptr;
    MainActions *m_actions = nullptr;
    QToolBar *m_toolbar = nullptr;
};

QTEST_MAIN(MainActionsTest)
#include "MainActionsTest.moc"
