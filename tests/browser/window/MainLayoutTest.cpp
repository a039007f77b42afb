// The main window's layout rules, in twips: the splitter, the list, the information panel's picture and
// history, and a saved window place that is out of reach.
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

    // The splitter leaves the picture its width; without the panel the list takes the whole width between
    // the toolbar and the status bar.
    void theSplitterAndTheList() {
        const MainLayoutInput picture{.innerWidth = 10000,
                                      .innerHeight = 6000,
                                      .splitterLeft = 7000,
                                      .infoPanelVisible = true,
                                      .pictureWidth = 4000};
        QCOMPARE(ComputeMainLayout(picture).splitterLeft, 10000 - 4000 - 250);
        const MainLayoutResult alone = ComputeMainLayout({.innerWidth = 9000,
                                                          .innerHeight = 6000,
                                                          .toolbarHeight = 400,
                                                          .statusBarHeight = 300,
                                                          .splitterLeft = 3000});
        QCOMPARE(alone.list, (TwipsRect{0, 400, 9000, 6000 - 400 - 300}));
        QVERIFY(alone.splitter.top == 400 && alone.splitter.height == 5300);
        QCOMPARE(SplitterLeftFromSetting("onethirdwidth", 9000), 6000);
        QCOMPARE(SplitterLeftFromSetting("4321", 9000), 4321);
        QCOMPARE(SplitterLeftFromSetting("garbage", 9000), 6000);
        QCOMPARE((QList<int>{ClampDraggedSplitter(-300, 9000), ClampDraggedSplitter(8900, 9000),
                             ClampDraggedSplitter(4000, 9000)}),
                 (QList<int>{500, 8500, 4000}));
    }

    void pictureAboveHistoryWhenBothAreShown() {
        const MainLayoutResult window = ComputeMainLayout({.innerWidth = 12000,
                                                           .innerHeight = 8000,
                                                           .outerWidth = 12200,
                                                           .splitterLeft = 6000,
                                                           .infoPanelVisible = true,
                                                           .pictureWidth = 3000});
        const int panelWidth = 12000 - 6000 - kSplitterWidthTwips;
        QCOMPARE(window.infoPanel, (TwipsRect{6000 + kSplitterWidthTwips, 0, panelWidth, 8000}));
        QCOMPARE(window.searchBoxWidth, 12200 - 3200);
        const InfoPanelLayout out = ComputeInfoPanelLayout({.panelWidth = panelWidth,
                                                            .panelHeight = 8000,
                                                            .bothShown = true,
                                                            .pictureWidth = 3000,
                                                            .pictureHeight = 2000,
                                                            .captionHeight = 300});
        QCOMPARE((QList<int>{out.pictureTop, out.pictureLeft, out.historyTop, out.historyHeight.value_or(-1),
                             out.historyLeft, out.historyWidth, out.scrollBarLeft}),
                 (QList<int>{300, (panelWidth - 3000) / 2 - 30, 2000 + 475, 8000 - 2475, 25, panelWidth - 25,
                             panelWidth - 500}));
        // A picture that fills the panel leaves the history's height alone.
        QVERIFY(!ComputeInfoPanelLayout(
                     {.panelWidth = 5910, .panelHeight = 2000, .bothShown = true, .pictureHeight = 3000})
                     .historyHeight.has_value());
    }

    void pictureCentredVerticallyWhenShownAlone() {
        const InfoPanelLayout out = ComputeInfoPanelLayout(
            {.panelWidth = 5910, .panelHeight = 8000, .pictureHeight = 2000, .captionHeight = 300});
        QCOMPARE((QList<int>{out.pictureTop, out.historyTop, out.historyHeight.value_or(-1)}),
                 (QList<int>{(8000 - 2000) / 2, 300, 8000 - 300}));
    }
};

QTEST_APPLESS_MAIN(MainLayoutTest)
#include "MainLayoutTest.moc"
