#include "browser/StatusPanels.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>

using namespace qx;

class StatusPanelsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longOperationsShowTheirStageAndProgressThenThePanelsReturn() {
        StatusPanels status;
        status.show();
        status.setPanelText(2, QStringLiteral("pacman"));
        auto *single = status.findChild<QLabel *>(QStringLiteral("sbSingleText"));
        auto *bar = status.findChild<QProgressBar *>(QStringLiteral("sbProgress"));

        status.showSingleText(QStringLiteral("Verifying sets, please wait..."));
        QVERIFY(status.inSingleTextMode());
        QVERIFY(status.panel(2)->isHidden());
        QVERIFY(bar->isHidden()); // no progress known yet

        // An unknown total: a busy bar, and the count beside the stage text.
        status.showProgress(1234, 0);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(single->text(), QStringLiteral("Verifying sets, please wait... (1234)"));
        QCOMPARE(status.singleText(), QStringLiteral("Verifying sets, please wait..."));

        // A known total: a determinate bar, also for totals beyond what an int holds.
        status.showSingleText(QStringLiteral("Parsing output, please wait..."));
        status.showProgress(30000, 45000);
        QCOMPARE(bar->maximum(), 45000);
        QCOMPARE(bar->value(), 30000);
        status.showProgress(3'000'000'000LL, 6'000'000'000LL);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value() * 2, bar->maximum() - bar->maximum() % 2);

        status.restorePanels();
        QVERIFY(!status.inSingleTextMode());
        QVERIFY(single->isHidden());
        QVERIFY(bar->isHidden());
        QVERIFY(status.panel(2)->isVisible());
        QCOMPARE(status.panelText(2), QStringLiteral("pacman"));
    }
};

QTEST_MAIN(StatusPanelsTest)
#include "StatusPanelsTest.moc"
