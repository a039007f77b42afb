// Cabinet mode through the real main window: the full-screen list on a fake display, the preferences opened
// from the menus, and a virtual joystick on the set list; and the joystick poller on its own.
#include "FakeDisplayModes.h"
#include "TestWindow.h"
#include "browser/window/FullScreenList.h"
#include "browser/window/JoystickPoller.h"
#include "browser/window/SdlJoystick.h"
#include "browser/window/TrayIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QTimer>
#include <SDL.h>

using namespace qx;
using namespace qx::test;

namespace {

// The loaded, active window on a fake display that shows 1024x768 and offers 800x600 and 640x480.
struct Cabinet : TestWindow {
    std::shared_ptr<FakeDisplayModes> display = std::make_shared<FakeDisplayModes>();

    explicit Cabinet(const SettingValues &values) : TestWindow(values) {
        make().fullScreenList().setDisplayModesSource([d = display](QScreen *) { return d; });
        start();
    }
    // Checked, the flag the dialogs read, maximised, frameless and on top, no caption: all or none.
    QList<bool> fullScreenMarks() const {
        return {action("mnuPopupFullScreen")->isChecked(), window->state().FullScreenListActive,
                window->isMaximized(),
                window->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
                window->windowTitle().isEmpty()};
    }
};

const QString kBadRes = "Quorvex: The full-screen resolution in qx.ini (FullScreenRes) cannot be used: \"";
const struct FullScreenCase {
    const char *name, *useAltRes, *fullScreenRes, *shownWhileFull;
    QList<DisplayResolution> switches;
    QString message; // "title: start of the text"
} kFullScreenCases[] = {
    {"alt res off", "0", "800x600", "1024x768", {}, {}},
    {"target is the desktop", "-1", "1024x768", "1024x768", {}, {}},
    {"switched and back", "-1", "800x600", "800x600", {{800, 600}, {1024, 768}}, {}},
    {"blanks", "1", "640 x 480", "640x480", {{640, 480}, {1024, 768}}, {}},
    {"unsupported", "-1", "1600x1200", "1024x768", {{1600, 1200}}, "Error: Mode not supported"},
    {"empty", "-1", "", "1024x768", {}, {}}, // filled with the desktop's
    {"abc", "-1", "abc", "1024x768", {}, kBadRes + "abc\""},
    {"99999x99999", "-1", "99999x99999", "1024x768", {}, kBadRes + "99999x99999\""}};

// A joystick no hardware stands behind: SDL's virtual device, plugged in while it lives.
struct VirtualPad {
    int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 8, 0);
    SDL_Joystick *handle = SDL_JoystickOpen(index);
    ~VirtualPad() {
        SDL_JoystickClose(handle);
        SDL_JoystickDetachVirtual(index);
    }
    void hold(quint32 mask) {
        for (int b = 0; b < 8; ++b) {
            SDL_JoystickSetVirtualButton(handle, b, (mask >> b) & 1u);
        }
    }
};

// The poller over SDL (started before any pad is plugged in), on a clock of its own, recording its actions.
struct Poller {
    SdlJoystick joystick;
    JoystickPoller poller{joystick};
    QStringList actions;
    qint64 now = 0;

    Poller() {
        poller.setClock([this] { return now; });
        for (const auto &[signal, action] : {std::pair{&JoystickPoller::playPressed, "play"},
                                             {&JoystickPoller::upPressed, "up"},
                                             {&JoystickPoller::downPressed, "down"},
                                             {&JoystickPoller::focusPressed, "focus"}}) {
            QObject::connect(&poller, signal, &poller, [this, action = action] { actions << action; });
        }
        poller.setEnabled(true);
    }
    // Polls at 80 ms steps on the clock until `until`, returning the actions seen.
    QStringList pollUntil(qint64 until) {
        actions.clear();
        for (; now <= until; now += JoystickPoller::kPollIntervalMs) {
            poller.poll();
        }
        return actions;
    }
};

} // namespace

class CabinetWiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // F11 acts only while the menu bar is hidden; the pop-up's entry is the same action. The display is
    // switched only while UseAltRes asks for it, and the window and the display come back as they were.
    void fullScreenListSwitchesTheDisplayOnlyWhenAsked_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("maximised");
        for (int row = 0; row < int(std::size(kFullScreenCases)); ++row) {
            QTest::addRow("%s", kFullScreenCases[row].name) << row << false;
            QTest::addRow("%s, maximised", kFullScreenCases[row].name) << row << true;
        }
    }
    void fullScreenListSwitchesTheDisplayOnlyWhenAsked() {
        QFETCH(int, row);
        QFETCH(bool, maximised);
        const FullScreenCase &c = kFullScreenCases[row];
        Cabinet cabinet({{&Settings::UseAltRes, c.useAltRes}, {&Settings::FullScreenRes, c.fullScreenRes}});
        MainWindow &window = *cabinet.window;
        window.setGeometry(60, 70, 900, 650);
        const QRect before = window.geometry();
        const QString title = window.windowTitle();
        const QList<bool> normal{false, false, maximised, false, false};
        if (maximised) {
            window.showMaximized();
        }
        QTest::keyClick(&window, Qt::Key_F11);
        QCOMPARE(cabinet.fullScreenMarks(), normal);
        window.ToggleMenuBar();
        QTest::keyClick(&window, Qt::Key_F11);
        QCOMPARE(cabinet.fullScreenMarks(), QList<bool>(5, true));
        QCOMPARE(cabinet.display->CurrentResolution(), c.shownWhileFull);
        cabinet.action("mnuPopupFullScreen")->trigger();
        QCOMPARE(cabinet.fullScreenMarks(), normal);
        QCOMPARE(window.windowTitle(), title);
        window.showNormal();
        QCOMPARE(window.geometry(), before);
        QVERIFY(cabinet.display->requests == c.switches);
        QCOMPARE(cabinet.display->CurrentResolution(), "1024x768");
        QCOMPARE(cabinet.settings().get(Settings::FullScreenRes),
                 *c.fullScreenRes ? c.fullScreenRes : "1024x768");
        QCOMPARE(cabinet.prompts.shown().size(), c.message.isEmpty() ? 0 : 1);
        for (const ShownPrompt &shown : cabinet.prompts.shown()) {
            QVERIFY2((shown.title + ": " + shown.text).startsWith(c.message), qPrintable(shown.text));
        }
    }

    // Both entries open the dialog with the joystick at rest, and the window takes over the tray icon and
    // the ghosted clones at once. Over the full-screen list the dialog stays on top, its resolution fixed.
    void preferencesFromTheMenusAreTakenOverAtOnce() {
        for (const bool fullScreen : {false, true}) {
            Cabinet cabinet({{&Settings::JoySelect, "-1"}});
            if (fullScreen) {
                cabinet.action("mnuViewFullScreen")->trigger();
            }
            QList<bool> seen; // polling, resolution frame enabled, on top, centred over the window
            QTimer::singleShot(0, cabinet.window.get(), [&] {
                QWidget *dialog = QApplication::activeModalWidget();
                const QPoint offCentre = dialog->geometry().center() - cabinet.window->geometry().center();
                seen = {cabinet.window->joystickPoller().isPolling(),
                        dialog->findChild<QGroupBox *>("fraFullScreen")->isEnabled(),
                        dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                        offCentre.manhattanLength() < 4};
                dialog->findChild<QCheckBox *>("chkInterface0")->click(); // "Tray icon"
                dialog->findChild<QCheckBox *>("chkInterface4")->click(); // "Ghost clone set icons"
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
            cabinet.action(fullScreen ? "mnuPopupOptionsGUI" : "mnuOptionsGUI")->trigger();
            QCOMPARE(seen, QList<bool>({false, !fullScreen, fullScreen, true}));
            QVERIFY(!cabinet.window->trayIcon().isAdded() && !cabinet.window->browser().ghostIcon());
            QVERIFY(cabinet.window->joystickPoller().isPolling());
        }
    }

    // Buttons 1 and 3 together play the current set, then step down; a minimised window ignores them.
    void joystickPlaysThenStepsDownButNotWhileMinimised() {
        QVERIFY(SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0);
        {
            VirtualPad pad;
            Cabinet cabinet({{&Settings::JoySelect, "-1"}, {&Settings::JoyId, QString::number(pad.index)}});
            cabinet.window->showMinimized();
            pad.hold(0b101);
            QTest::qWait(4 * JoystickPoller::kPollIntervalMs);
            QVERIFY(cabinet.launches().isEmpty());
            cabinet.window->showNormal();
            QTRY_COMPARE(cabinet.window->state().CurrentSetName, "galaga");
            QCOMPARE(cabinet.launches(), QStringList{"pacman"});
        }
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    // --- The joystick poller on its own ---
    // A pad plugged in after the start is counted and polled; pulled out, it holds no button.
    void findsPadsPluggedInAfterTheStart() {
        Poller p;
        const int before = CountJoysticks(p.joystick);
        auto pad = std::make_optional<VirtualPad>();
        QCOMPARE(CountJoysticks(p.joystick), before + 1);
        p.poller.setDevice(pad->index);
        pad->hold(0b101);
        QCOMPARE(p.pollUntil(0), QStringList({"play", "down"}));
        pad.reset();
        QCOMPARE(p.joystick.buttonMask(p.poller.device()), std::nullopt);
        QCOMPARE(p.pollUntil(400), QStringList());
        pad.emplace();
        p.poller.setDevice(pad->index);
        pad->hold(0b10);
        QCOMPARE(p.pollUntil(480), QStringList({"up"}));
        QCOMPARE(p.joystick.buttonMask(-1), std::nullopt);
    }

    // The first poll acts at once, a held button again only after 250 ms, a new press at once.
    void heldButtonRepeatsAtTheSlowerRate() {
        Poller p;
        VirtualPad pad;
        p.poller.setDevice(pad.index);
        pad.hold(0b100);
        QCOMPARE(p.pollUntil(999), QStringList({"down", "down", "down", "down"})); // 0, 320, 640, 960 ms
        pad.hold(0b11000);
        QCOMPARE(p.pollUntil(1040), QStringList({"focus", "focus"}));
        pad.hold(0);
        QCOMPARE(p.pollUntil(1120), QStringList());
        pad.hold(0b100);
        QCOMPARE(p.pollUntil(1200), QStringList({"down"}));
    }

    // While a dialog or a run pauses the poller, nothing acts.
    void pausedIgnoresTheButtons() {
        Poller p;
        VirtualPad pad;
        p.poller.setDevice(pad.index);
        pad.hold(0b1);
        {
            const JoystickPause dialog(p.poller);
            { const JoystickPause run(p.poller); }
            QVERIFY(!p.poller.isPolling());
            QCOMPARE(p.pollUntil(800), QStringList());
        }
        QVERIFY(p.poller.isPolling());
        // Play held through the pause acts only once let go and pressed again.
        QCOMPARE(p.pollUntil(1600), QStringList());
        pad.hold(0);
        p.pollUntil(1680);
        pad.hold(0b1);
        QCOMPARE(p.pollUntil(1760), QStringList({"play"}));
        p.poller.setEnabled(false);
        QCOMPARE(p.pollUntil(2400), QStringList());
    }
};

QTEST_MAIN(CabinetWiringTest)
#include "CabinetWiringTest.moc"
