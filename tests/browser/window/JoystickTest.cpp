#include "browser/window/JoystickPoller.h"
#include "browser/window/SdlJoystick.h"

#include <QTest>
#include <SDL.h>

using namespace qx;

namespace {

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

} // namespace

class JoystickTest : public QObject {
    Q_OBJECT
    SdlJoystick m_joystick; // started before any pad is plugged in
    std::unique_ptr<JoystickPoller> m_poller;
    QStringList m_actions;
    qint64 m_now = 0;

    // Polls at 80 ms steps on the test's clock until `until`, returning the actions seen.
    QStringList pollUntil(qint64 until) {
        m_actions.clear();
        for (; m_now <= until; m_now += JoystickPoller::kPollIntervalMs) {
            m_poller->poll();
        }
        return m_actions;
    }

private Q_SLOTS:
    void init() {
        QVERIFY2(m_joystick.isAvailable(), qPrintable(m_joystick.error()));
        m_poller = std::make_unique<JoystickPoller>(m_joystick);
        m_actions.clear();
        m_now = 0;
        m_poller->setClock([this] { return m_now; });
        for (const auto &[signal, action] : {std::pair{&JoystickPoller::playPressed, "play"},
                                             {&JoystickPoller::upPressed, "up"},
                                             {&JoystickPoller::downPressed, "down"},
                                             {&JoystickPoller::focusPressed, "focus"}}) {
            connect(m_poller.get(), signal, this, [this, action = action] { m_actions << action; });
        }
        m_poller->setEnabled(true);
    }

    // A pad plugged in after the start is counted and polled; pulled out, it holds no button.
    void findsPadsPluggedInAfterTheStart() {
        const int before = CountJoysticks(m_joystick);
        auto pad = std::make_optional<VirtualPad>();
        QCOMPARE(CountJoysticks(m_joystick), before + 1);
        m_poller->setDevice(pad->index);
        pad->hold(0b101);
        QCOMPARE(pollUntil(0), QStringList({"play", "down"}));
        pad.reset();
        QCOMPARE(m_joystick.buttonMask(m_poller->device()), std::nullopt);
        QCOMPARE(pollUntil(400), QStringList());
        pad.emplace();
        m_poller->setDevice(pad->index);
        pad->hold(0b10);
        QCOMPARE(pollUntil(480), QStringList({"up"}));
        QCOMPARE(m_joystick.buttonMask(-1), std::nullopt);
    }

    // The first poll acts at once, a held button again only after 250 ms, a new press at once.
    void heldButtonRepeatsAtTheSlowerRate() {
        VirtualPad pad;
        m_poller->setDevice(pad.index);
        pad.hold(0b100);
        QCOMPARE(pollUntil(999), QStringList({"down", "down", "down", "down"})); // 0, 320, 640, 960 ms
        pad.hold(0b11000);
        QCOMPARE(pollUntil(1040), QStringList({"focus", "focus"}));
        pad.hold(0);
        QCOMPARE(pollUntil(1120), QStringList());
        pad.hold(0b100);
        QCOMPARE(pollUntil(1200), QStringList({"down"}));
    }

    // While a dialog or a run pauses the poller, nothing acts.
    void pausedIgnoresTheButtons() {
        VirtualPad pad;
        m_poller->setDevice(pad.index);
        pad.hold(0b1);
        {
            const JoystickPause dialog(*m_poller);
            { const JoystickPause run(*m_poller); }
            QVERIFY(!m_poller->isPolling());
            QCOMPARE(pollUntil(800), QStringList());
        }
        QVERIFY(m_poller->isPolling());
        // Play held through the pause acts only once let go and pressed again.
        QCOMPARE(pollUntil(1600), QStringList());
        pad.hold(0);
        pollUntil(1680);
        pad.hold(0b1);
        QCOMPARE(pollUntil(1760), QStringList({"play"}));
        m_poller->setEnabled(false);
        QCOMPARE(pollUntil(2400), QStringList());
    }
};

QTEST_GUILESS_MAIN(JoystickTest)
#include "JoystickTest.moc"
