#pragma once

#include "app/ScopeGuards.h"
#include "browser/window/Joystick.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace qx {

// Polls one joystick while joystick selection is on and turns its buttons into commands for the set
// list. A button acts when it goes down, then again at most every kRepeatIntervalMs while held, so a
// cabinet player steps through a long list at a pace that can be followed. The buttons of one poll act in
// button order (buttons 1 and 3 together: play, then down).
class JoystickPoller : public QObject, public JoystickPoll {
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 80;
    static constexpr int kRepeatIntervalMs = 250;
    // Milliseconds on a clock that never goes back; tests pass their own.
    using Clock = std::function<qint64()>;

    explicit JoystickPoller(Joystick &joystick, QObject *parent = nullptr);

    // joyselect: polling runs while enabled and not paused.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    bool isPolling() const { return m_timer.isActive(); }
    // joyid: the device polled. A number without a device reads as no button.
    void setDevice(int device) { m_device = device; }
    int device() const { return m_device; }
    // While this says the window is minimised, polls do nothing.
    void setMinimisedCheck(std::function<bool()> isMinimised) { m_isMinimised = std::move(isMinimised); }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // A JoystickPause stops the polling while it lives (a modal dialog, a MAME run); polling resumes when
    // the last of several nested pauses ends. Buttons still held at the first poll after it act only after
    // being let go, so a player holding Play as MAME exits does not start the set again.
    void pausePolling() override;
    void resumePolling() override;

    // One poll, as the timer runs it every kPollIntervalMs; does nothing while not polling.
    void poll();

Q_SIGNALS:
    // Every command first gives the focus to the shown view (the tree in Grouped mode, else the list).
    void playPressed();  // button 1: play the current set
    void upPressed();    // button 2: move the selection up, as the Up key does
    void downPressed();  // button 3: move the selection down, as the Down key does
    void focusPressed(); // buttons 4 to 8: the focus only

private:
    void updateTimer();
    bool shouldAct(int button, bool down, qint64 now);
    void act(int button);

    // When a held button last acted; kReleased while up, kHeldThroughPause until let go after a pause.
    static constexpr qint64 kReleased = -1;
    static constexpr qint64 kHeldThroughPause = -2;

    Joystick &m_joystick;
    QTimer m_timer;
    Clock m_clock;
    std::function<bool()> m_isMinimised;
    std::array<qint64, kJoystickButtons> m_lastAction{};
    int m_device = 0;
    int m_pauses = 0;
    bool m_enabled = false;
    bool m_resumed = false; // a pause ended since the last poll: held buttons wait for their release
};

} // namespace qx
