#include "browser/window/StatusPanels.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
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
        auto *count = status.findChild<QLabel *>(QStringLiteral("sbCount"));
        auto *cancel = status.findChild<QPushButton *>(QStringLiteral("sbCancel"));

        status.showSingleText(QStringLiteral("Verifying sets, please wait..."));
        QVERIFY(status.inSingleTextMode());
        QVERIFY(status.panel(2)->isHidden());
        QVERIFY(bar->isHidden()); // no progress known yet
        QVERIFY(cancel->isHidden());

        // An unknown total: a busy bar, the count of what was done beside it, and Cancel.
        status.showProgress(1234, 0, QStringLiteral("1,234 sets checked"));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(count->text(), QStringLiteral("1,234 sets checked"));
        QCOMPARE(single->text(), QStringLiteral("Verifying sets, please wait..."));
        QVERIFY(cancel->isVisible() && !status.cancelRequested());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(status.cancelRequested());
        QVERIFY(!cancel->isEnabled());

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
        QVERIFY(cancel->isHidden());
        QVERIFY(status.panel(2)->isVisible());
        // The next operation starts with Cancel not pressed.
        status.showSingleText(QStringLiteral("Extracting output, please wait..."));
        QVERIFY(!status.cancelRequested());
        QVERIFY(cancel->isEnabled());
        QCOMPARE(status.panelText(2), QStringLiteral("pacman"));
    }
};

QTEST_MAIN(StatusPanelsTest)
#include "StatusPanelsTest.moc"
