#include "browser/window/MainLayout.h"

#include "browser/info/InfoPanelLayout.h"

#include <QTest>

using namespace qx;

class MainLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aSavedWindowFarOffIsBroughtBackWithinReach() {
        const QRect screen(0, 0, 1280, 1000);
        QCOMPARE(ReachableWindowRect(QRect(100, 50, 700, 500), screen), QRect(100, 50, 700, 500));
        const QRect far(TwipsToPixels(1e308), TwipsToPixels(-1e308), kMaxPixels, 500);
        QCOMPARE(ReachableWindowRect(far, screen), QRect(1180, 0, 1280, 500)); // 100 pixels in reach
        QCOMPARE(PixelsToTwips(far.x()), kMaxPixels * kTwipsPerPixel);         // no overflow on the way back
        QCOMPARE(TwipsToPixels(std::nan("")), 0);
    }

    void splitterIsKeptAtLeast800TwipsFromTheLeft() {
        MainLayoutInput in;
        in.innerWidth = 12000;
        in.innerHeight = 8000;
        in.splitterLeft = 500;
        in.infoPanelVisible = true;
        const MainLayoutResult out = ComputeMainLayout(in);
        QCOMPARE(out.splitterLeft, 800);
        QCOMPARE(out.list.width, 800);
        QCOMPARE(out.infoPanel.left, 800 + kSplitterWidthTwips);
        QCOMPARE(out.infoPanel.width, 12000 - 800 - kSplitterWidthTwips);
    }

    void splitterMakesRoomForThePicture() {
        MainLayoutInput in;
        in.innerWidth = 10000;
        in.innerHeight = 6000;
        in.pictureWidth = 4000;
        in.splitterLeft = 7000; // 10000 - 4000 - 350 < 7000
        in.infoPanelVisible = true;
        QCOMPARE(ComputeMainLayout(in).splitterLeft, 10000 - 4000 - 250);
    }

    void listTakesTheWholeWidthWithoutTheInfoPanel() {
        MainLayoutInput in;
        in.innerWidth = 9000;
        in.innerHeight = 6000;
        in.toolbarHeight = 400;
        in.statusBarHeight = 300;
        in.splitterLeft = 3000;
        const MainLayoutResult out = ComputeMainLayout(in);
        QCOMPARE(out.list, (TwipsRect{0, 400, 9000, 6000 - 400 - 300}));
        QCOMPARE(out.splitter.top, 400);
        QCOMPARE(out.splitter.height, 5300);
    }

    void pictureAboveHistoryWhenBothAreShown() {
        MainLayoutInput in;
        in.innerWidth = 12000;
        in.innerHeight = 8000;
        in.outerWidth = 12200;
        in.splitterLeft = 6000;
        in.infoPanelVisible = true;
        in.pictureWidth = 3000;
        const MainLayoutResult window = ComputeMainLayout(in);
        const int panelWidth = 12000 - 6000 - kSplitterWidthTwips;
        QCOMPARE(window.infoPanel, (TwipsRect{6000 + kSplitterWidthTwips, 0, panelWidth, 8000}));
        QCOMPARE(window.searchBoxWidth, 12200 - 3200);

        InfoPanelLayoutInput panel;
        panel.panelWidth = panelWidth;
        panel.panelHeight = 8000;
        panel.bothShown = true;
        panel.pictureWidth = 3000;
        panel.pictureHeight = 2000;
        panel.captionHeight = 300;
        const InfoPanelLayout out = ComputeInfoPanelLayout(panel);
        QCOMPARE(out.pictureTop, 300);
        QCOMPARE(out.pictureLeft, (panelWidth - 3000) / 2 - 30);
        QCOMPARE(out.historyTop, 2000 + 475);
        QCOMPARE(out.historyHeight, std::optional<int>(8000 - 2475));
        QCOMPARE(out.historyLeft, 25);
        QCOMPARE(out.historyWidth, panelWidth - 25);
        QCOMPARE(out.scrollBarLeft, panelWidth - 500);
    }

    void historyHeightIsLeftAloneWhenThePictureFillsThePanel() {
        InfoPanelLayoutInput panel;
        panel.panelWidth = 5910;
        panel.panelHeight = 2000;
        panel.bothShown = true;
        panel.pictureHeight = 3000;
        QVERIFY(!ComputeInfoPanelLayout(panel).historyHeight.has_value());
    }

    void pictureCentredVerticallyWhenShownAlone() {
        InfoPanelLayoutInput panel;
        panel.panelWidth = 5910;
        panel.panelHeight = 8000;
        panel.pictureHeight = 2000;
        panel.captionHeight = 300;
        const InfoPanelLayout out = ComputeInfoPanelLayout(panel);
        QCOMPARE(out.pictureTop, (8000 - 2000) / 2);
        QCOMPARE(out.historyTop, 300);
        QCOMPARE(out.historyHeight, std::optional<int>(8000 - 300));
    }

    void splitterSettingOneThirdWidthAndNumbers() {
        QCOMPARE(SplitterLeftFromSetting(QStringLiteral("onethirdwidth"), 9000), 6000);
        QCOMPARE(SplitterLeftFromSetting(QStringLiteral("4321"), 9000), 4321);
        QCOMPARE(SplitterLeftFromSetting(QStringLiteral("garbage"), 9000), 6000);
    }

    void draggedSplitterStays500TwipsFromBothEdges() {
        QCOMPARE(ClampDraggedSplitter(-300, 9000), 500);
        QCOMPARE(ClampDraggedSplitter(8900, 9000), 8500);
        QCOMPARE(ClampDraggedSplitter(4000, 9000), 4000);
    }
};

QTEST_APPLESS_MAIN(MainLayoutTest)
#include "MainLayoutTest.moc"
