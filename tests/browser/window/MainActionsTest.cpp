#include "browser/window/MainActions.h"

#include "TestDirs.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace qx;

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

    // Every menu's entries, captions and accelerators, against the fixture that lists them.
    void everyMenuHasItsEntries() {
        QString menuName;
        QStringList expected;
        const auto compare = [&] {
            QMenu *menu = m_actions->menu(menuName);
            const QList<QAction *> actions = menu ? menu->actions() : m_window->menuBar()->actions();
            QStringList actual;
            for (const QAction *action : actions) {
                actual << (action->isSeparator() ? QStringLiteral("-")
                                                 : action->text() + '|' + action->shortcut().toString());
            }
            QCOMPARE(actual, expected);
        };
        for (const QString &line : QString::fromUtf8(test::readFixture(QStringLiteral("window/menus.txt")))
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1Char('['))) {
                if (!menuName.isEmpty()) {
                    compare();
                }
                menuName = line.mid(1, line.size() - 2);
                expected.clear();
            } else if (!line.startsWith(QLatin1Char('#'))) {
                expected << line;
            }
        }
        compare();
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
            QVERIFY2(barAction && barAction == m_actions->find(QLatin1String(popup)), bar);
            QVERIFY(m_actions->aliasesOf(QLatin1String(bar)).contains(QLatin1String(popup)));
        }
    }

    void exactlyOneViewModeStaysChecked() {
        QAction *grouped = m_actions->find(QStringLiteral("mnuListViewMode1"));
        QAction *details = m_actions->find(QStringLiteral("mnuListViewMode3"));
        details->setChecked(true);
        grouped->trigger();
        QVERIFY(grouped->isChecked() && !details->isChecked());
        grouped->trigger(); // choosing the checked mode leaves it checked
        QVERIFY(grouped->isChecked());
    }

    void toolbarHasTenButtonsWithIcons() {
        const QList<QAction *> buttons = m_toolbar->actions();
        QCOMPARE(buttons.size(), 10);
        for (int number = 1; number <= 10; ++number) {
            QAction *button = m_actions->toolbarButton(number);
            const bool separator = number % 3 == 0 && number < 10;
            QCOMPARE(buttons.at(number - 1)->isSeparator(), separator);
            QVERIFY(separator ? !button
                              : buttons.at(number - 1) == button && !button->icon().pixmap(16, 16).isNull());
            QCOMPARE(button && button->isCheckable(), number == 1 || number == 4 || number == 5);
        }
    }

private:
    QMainWindow *m_window = nullptr;
    MainActions *m_actions = nullptr;
    QToolBar *m_toolbar = nullptr;
};

QTEST_MAIN(MainActionsTest)
#include "MainActionsTest.moc"
