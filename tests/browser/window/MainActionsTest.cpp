// The main window's menus, pop-ups and toolbar, and its status bar, without the window.
#include "browser/window/MainActions.h"

#include "TestDirs.h"
#include "browser/window/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

using namespace qx;

class MainActionsTest : public QObject {
    Q_OBJECT
    QMainWindow m_window;
    MainActions *m_actions = new MainActions(&m_window);
    QToolBar *m_toolbar = new QToolBar(&m_window);

private Q_SLOTS:
    void initTestCase() {
        m_actions->buildMenuBar(m_window.menuBar());
        m_actions->buildToolBar(m_toolbar);
    }

    // Every menu's and the toolbar's entries, captions and accelerators, against the fixture that lists them.
    void everyMenuHasItsEntries() {
        QStringList sections = QString::fromUtf8(test::readFixture("window/menus.txt")).split("\n[");
        sections.removeFirst(); // the comment
        for (const QString &section : sections) {
            QStringList expected = section.split('\n', Qt::SkipEmptyParts);
            const QString name = expected.takeFirst().chopped(1);
            QMenu *menu = m_actions->menu(name);
            QStringList actual;
            for (const QAction *action : menu                 ? menu->actions()
                                         : name == "Toolbar1" ? m_toolbar->actions()
                                                              : m_window.menuBar()->actions()) {
                actual << (action->isSeparator() ? "-"
                                                 : action->text() + '|' + action->shortcut().toString());
            }
            QCOMPARE(name + ": " + actual.join(", "), name + ": " + expected.join(", "));
        }
        QVERIFY(!m_actions->find("mnuTrayFavNone")->isEnabled());
    }

    // A menu bar entry and its pop-up twin (the name without its menu, after "mnuPopup") are one action.
    void twinsShareOneCheckMark() {
        for (const QString &bar :
             QStringLiteral(
                 "mnuViewToolbar mnuViewStatusBar mnuViewMenuBar mnuViewHistory mnuViewPicture "
                 "mnuViewFullScreen mnuListViewMode1 mnuListViewMode2 mnuListViewMode3 mnuCollapse "
                 "mnuViewFav mnuViewGameLists1 mnuViewGameLists2 mnuOptionsClones mnuFileRandom "
                 "mnuToolsVerify")
                 .split(' ')) {
            const QString popup =
                "mnuPopup" + QString(bar).remove(QRegularExpression("^mnu(View|Options|File|Tools)?"));
            QVERIFY2(m_actions->find(bar) && m_actions->find(bar) == m_actions->find(popup),
                     qPrintable(popup));
        }
    }

    // The status bar during a long operation.
    void longOperationsShowTheirStageAndProgressThenThePanelsReturn() {
        StatusPanels status;
        status.show();
        status.setPanelText(2, "pacman");
        auto *single = status.findChild<QLabel *>("sbSingleText");
        auto *bar = status.findChild<QProgressBar *>("sbProgress");
        auto *count = status.findChild<QLabel *>("sbCount");
        auto *cancel = status.findChild<QPushButton *>("sbCancel");

        status.showSingleText("Verifying sets, please wait...");
        QVERIFY(status.inSingleTextMode() && status.panel(2)->isHidden());
        QVERIFY(bar->isHidden() && cancel->isHidden()); // no progress known yet

        // An unknown total: a busy bar, the count of what was done beside it, and Cancel.
        status.showProgress(1234, 0, "1,234 sets checked");
        QVERIFY(bar->isVisible() && bar->maximum() == 0);
        QCOMPARE(count->text(), "1,234 sets checked");
        QCOMPARE(single->text(), "Verifying sets, please wait...");
        QVERIFY(cancel->isVisible() && !status.cancelRequested());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(status.cancelRequested() && !cancel->isEnabled());

        // A known total: a determinate bar, also for totals beyond what an int holds.
        status.showSingleText("Parsing output, please wait...");
        status.showProgress(30000, 45000);
        QVERIFY(bar->maximum() == 45000 && bar->value() == 30000);
        status.showProgress(3'000'000'000LL, 6'000'000'000LL);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value() * 2, bar->maximum() - bar->maximum() % 2);

        status.restorePanels();
        QVERIFY(!status.inSingleTextMode() && single->isHidden() && bar->isHidden() && cancel->isHidden());
        QVERIFY(status.panel(2)->isVisible());
        // The next operation starts with Cancel not pressed.
        status.showSingleText("Extracting output, please wait...");
        QVERIFY(!status.cancelRequested() && cancel->isEnabled());
        QCOMPARE(status.panelText(2), "pacman");
    }
};

QTEST_MAIN(MainActionsTest)
#include "MainActionsTest.moc"
