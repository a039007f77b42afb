#include "launch/DisplayModes.h"

#include "FakeDisplayModes.h"

#include <QTest>

using namespace qx;

class DisplayModesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Resolutions a user or an older Quorvex may have written; an empty size means the text is refused with
    // a message that names it.
    void readsFullScreenRes() {
        const std::pair<QString, QSize> cases[] = {{"800x600", {800, 600}},
                                                   {" 1024 x 768 ", {1024, 768}},
                                                   {"640X480", {640, 480}},
                                                   {"32767x1", {32767, 1}},
                                                   {"abc", {}},
                                                   {"800x", {}},
                                                   {"x600", {}},
                                                   {"99999x99999", {}},
                                                   {"0x600", {}},
                                                   {"-800x600", {}},
                                                   {"800x600@60", {}},
                                                   {"800x600x32", {}},
                                                   {"", {}}};
        for (const auto &[text, expected] : cases) {
            const FullScreenResParse parsed = ParseFullScreenRes(text);
            QCOMPARE(parsed.resolution ? QSize(parsed.resolution->width, parsed.resolution->height) : QSize(),
                     expected);
            QCOMPARE(parsed.error.isEmpty(), bool(parsed.resolution));
            QVERIFY(parsed.resolution ? ParseFullScreenRes(ResolutionText(*parsed.resolution)).resolution ==
                                            parsed.resolution
                                      : parsed.error.contains(text));
        }
    }

    // Mode lists name each size and rate once, in order; a switch keeps the refresh rate it can.
    void listsModesOnceAndKeepsTheRefreshRate() {
        test::FakeDisplayModes display;
        display.modes = {{{800, 600}, 75.0},   {{1024, 768}, 60.0}, {{1024, 768}, 74.9},
                         {{800, 600}, 60.317}, {{1024, 600}, 0},    {{640, 480}, 59.94}};
        QCOMPARE(display.ListDisplayModes(), QStringList({"640x480", "800x600", "1024x600", "1024x768"}));
        QCOMPARE(display.ListRefreshRates(), QStringList({"60 Hz", "75 Hz"}));
        QCOMPARE(display.ChangeDisplayMode(1024, 768, 0), DisplayModeChange::Ok);
        QCOMPARE(display.CurrentRefreshRate(), "75 Hz");
        QCOMPARE(display.ChangeDisplayMode(1280, 1024, 0), DisplayModeChange::NotSupported);
        QCOMPARE(display.CurrentResolution(), "1024x768");
    }
};

QTEST_GUILESS_MAIN(DisplayModesTest)
#include "DisplayModesTest.moc"
