#include "browser/window/JoystickPoller.h"

#include <chrono>

namespace qx {

namespace {

qint64 steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

JoystickPoller::JoystickPoller(Joystick &joystick, QObject *parent)
    : QObject(parent), m_joystick(joystick), m_clock(&steadyMilliseconds) {
    m_lastAction.fill(kReleased);
    m_timer.setInterval(kPollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &JoystickPoller::poll);
}

void JoystickPoller::setEnabled(bool enabled) {
    m_enabled = enabled;
    updateTimer();
}

void JoystickPoller::updateTimer() {
    if (m_enabled && m_pauses == 0) {
        if (!m_timer.isActive()) {
            m_timer.start();
        }
    } else {
        m_timer.stop();
    }
}

void JoystickPoller::pausePolling() {
    ++m_pauses;
    updateTimer();
}

void JoystickPoller::resumePolling() {
    if (--m_pauses == 0) {
        m_resumed = true;
    }
    updateTimer();
}

void JoystickPoller::poll() {
    if (!isPolling() || (m_isMinimised && m_isMinimised())) {
        return;
    }
    // A device that is missing, pulled out or fails to answer holds no button.
    const auto pressed = DecodeJoyButtons(m_joystick.buttonMask(m_device).value_or(0));
    const qint64 now = m_clock();
    if (m_resumed) {
        m_lastAction.fill(kHeldThroughPause);
        m_resumed = false;
    }
    for (int k = 0; k < kJoystickButtons; ++k) {
        if (shouldAct(k, pressed[k], now)) {
            act(k);
        }
    }
}

bool JoystickPoller::shouldAct(int button, bool down, qint64 now) {
    qint64 &last = m_lastAction[button];
    if (!down) {
        last = kReleased;
        return false;
    }
    if (last == kHeldThroughPause || (last != kReleased && now - last < kRepeatIntervalMs)) {
        return false;
    }
    last = now;
    return true;
}

void JoystickPoller::act(int button) {
    switch (button) {
    case 0:
        Q_EMIT playPressed();
        break;
    case 1:
        Q_EMIT upPressed();
        break;
    case 2:
        Q_EMIT downPressed();
        break;
    default:
        Q_EMIT focusPressed();
        break;
    }
}

} // namespace qx
