#include "launch/XrandrDisplayModes.h"

#include "TestDirs.h"
#include "launch/DisplayModesFactory.h"
#include "launch/ScreenDisplayModes.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace qx;

namespace {

// An X server of the test's own on a display number it picks itself (-displayfd), ended with the test.
class TestXServer {
public:
    ~TestXServer() {
        m_process.terminate();
        m_process.waitForFinished();
    }
    // Empty when the server is up; otherwise what went wrong, in the server's own last words.
    QString start(const QString &program, const QStringList &arguments) {
        m_process.start(program, arguments + QStringList{"-displayfd", "1", "-nolisten", "tcp"});
        for (QDeadlineTimer deadline(30000);
             m_process.waitForStarted() && !m_process.canReadLine() && !deadline.hasExpired();) {
            m_process.waitForReadyRead(200);
        }
        display = ':' + m_process.readLine().trimmed();
        const QByteArray said = m_process.readAllStandardError().trimmed();
        const QString why = said.isEmpty() ? m_process.errorString() : said.mid(said.lastIndexOf('\n') + 1);
        return display.size() > 1 ? QString() : program + " did not start: " + why;
    }
    QByteArray display;

private:
    QProcess m_process;
};

// Three modes at 75 Hz beside the driver's own; the server starts in the first. No input devices.
const char *const kDummyConfig = R"(
Section "ServerFlags" Option "AutoAddDevices" "false" Option "AutoEnableDevices" "false" EndSection
Section "Device" Identifier "dummy" Driver "dummy" VideoRam 65536 EndSection
Section "Monitor" Identifier "monitor" HorizSync 5.0-1000.0 VertRefresh 5.0-200.0
    Modeline "800x600_75" 49.50 800 816 896 1056 600 601 604 625 +hsync +vsync
    Modeline "1024x768_75" 78.75 1024 1040 1136 1312 768 769 772 800 +hsync +vsync
    Modeline "640x480_75" 31.50 640 656 720 840 480 481 484 500 -hsync -vsync EndSection
Section "Screen" Identifier "screen" Device "dummy" Monitor "monitor" DefaultDepth 24
    SubSection "Display" Depth 24 Modes "800x600_75" "1024x768_75" "640x480_75" EndSubSection
EndSection
)";

} // namespace

class XrandrDisplayModesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void xvfbOffersItsOneModeAndRefusesAnother() {
        TestXServer server;
        const QString failure = server.start("Xvfb", {"-screen", "0", "1280x1024x24"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const auto modes = XrandrDisplayModes::open({}, server.display);
        QVERIFY(modes);
        QCOMPARE(modes->ListDisplayModes(), QStringList{"1280x1024"});
        QCOMPARE(modes->ListRefreshRates(), QStringList()); // Xvfb's mode has no pixel clock
        QCOMPARE(modes->ChangeDisplayMode(800, 600, 0), DisplayModeChange::NotSupported);
        QCOMPARE(modes->ChangeDisplayMode(1280, 1024, modes->CurrentDepth()), DisplayModeChange::Ok);
    }

    void xorgDummySwitchesToAnotherModeAndBack() {
        if (!QFile::exists("/usr/lib/xorg/modules/drivers/dummy_drv.so")) {
            QSKIP("Xorg's dummy video driver is missing (Debian packages xserver-xorg-core, "
                  "xserver-xorg-video-dummy)");
        }
        QTemporaryDir dir;
        test::writeFile(dir.filePath("xorg.conf"), kDummyConfig);
        TestXServer server;
        const QString failure =
            server.start("Xorg", {"-config", dir.filePath("xorg.conf"), "-logfile", dir.filePath("Xorg.log"),
                                  "-noreset", "-keeptty", "-novtswitch", "-sharevts"});
        if (!failure.isEmpty()) {
            QSKIP(qPrintable(failure + " (Xorg needs root or a console session)"));
        }
        const auto modes = XrandrDisplayModes::open("DUMMY0", server.display);
        QVERIFY(modes);
        QCOMPARE(modes->CurrentRefreshRate(), "75 Hz");
        const QStringList listed = modes->ListDisplayModes();
        QVERIFY(listed.contains("640x480") && listed.contains("800x600") && listed.contains("1024x768"));
        QVERIFY(modes->ListRefreshRates().contains("60 Hz") && modes->ListRefreshRates().contains("75 Hz"));

        QCOMPARE(modes->ChangeDisplayMode(1234, 567, 0), DisplayModeChange::NotSupported);
        QCOMPARE(modes->ChangeDisplayMode(1024, 768, 16), DisplayModeChange::NotSupported);
        // Larger, then smaller than the first mode: the screen grows and shrinks around the output.
        for (const char *size : {"800x600", "1024x768", "640x480", "800x600"}) {
            const DisplayResolution target = *ParseFullScreenRes(size).resolution;
            QCOMPARE(modes->ChangeDisplayMode(target.width, target.height, modes->CurrentDepth()),
                     DisplayModeChange::Ok);
            QCOMPARE(modes->CurrentResolution(), size);
            QCOMPARE(modes->CurrentRefreshRate(), "75 Hz"); // kept where the size has it
        }
    }

    // Wayland and the offscreen platform cannot switch modes: the current one is all there is.
    void withoutModeSwitchingOnlyTheCurrentModeIsOffered() {
        const QSize size = QGuiApplication::primaryScreen()->size();
        const auto modes = CreateDisplayModes();
        QCOMPARE(modes->ListDisplayModes(), QStringList{ResolutionText({size.width(), size.height()})});
        QCOMPARE(modes->ChangeDisplayMode(size.width() + 16, size.height(), 0),
                 DisplayModeChange::NotSupported);
        QCOMPARE(ScreenDisplayModes(nullptr).ChangeDisplayMode(640, 480, 0), DisplayModeChange::NotSupported);
    }
};

QTEST_MAIN(XrandrDisplayModesTest)
#include "XrandrDisplayModesTest.moc"
