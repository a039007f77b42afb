#pragma once

// The guards that set something for the length of a scope and put it back on every way out of it.

#include <QtGlobal>

namespace qx {

// Sets a flag for the length of a scope and gives it back its old value after, so a selection the browser
// makes itself is never taken for the user's click.
class FlagScope {
public:
    explicit FlagScope(bool &flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~FlagScope() { m_flag = m_old; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
    bool m_old;
};

// The busy pointer over the whole program while a search or a run keeps the window thread.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    Q_DISABLE_COPY_MOVE(BusyPointer)
};

// The main window's Busy for the length of a scope, so every way out of a run clears it. Holder is anything
// with setBusy(bool) (the main window, the launch controllers' host).
template <typename Holder>
class BusyScope {
public:
    explicit BusyScope(Holder &holder) : m_holder(holder) { m_holder.setBusy(true); }
    ~BusyScope() { m_holder.setBusy(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    Holder &m_holder;
};

// The joystick poll as the rest of the program sees it: something to hold still while a modal dialog or a
// MAME run has the user's attention. Pauses nest; polling resumes when the last one ends.
class JoystickPoll {
public:
    virtual void pausePolling() = 0;
    virtual void resumePolling() = 0;

protected:
    ~JoystickPoll() = default;
};

// Pauses the joystick poll while it lives.
class JoystickPause {
public:
    explicit JoystickPause(JoystickPoll &poll) : m_poll(poll) { m_poll.pausePolling(); }
    ~JoystickPause() { m_poll.resumePolling(); }
    JoystickPause(const JoystickPause &) = delete;
    JoystickPause &operator=(const JoystickPause &) = delete;

private:
    JoystickPoll &m_poll;
};

} // namespace qx
