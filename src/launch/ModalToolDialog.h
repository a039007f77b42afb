#pragma once

#include <functional>

class QDialog;

namespace qx {

class MainWindow;

// Stops the joystick poll timer (Timer1) while it lives, so a poll never acts behind a dialog or during a
// run; afterwards the timer runs again every 80 ms when joyselect is on (as it is set by then).
class JoystickPause {
public:
    explicit JoystickPause(MainWindow &window);
    ~JoystickPause();
    JoystickPause(const JoystickPause &) = delete;
    JoystickPause &operator=(const JoystickPause &) = delete;

private:
    MainWindow &m_window;
};

// How the main window opens a modal tool dialog (options, paths, preferences, about, BIOS list): the
// joystick timer stops, the dialog's own preparation runs, the dialog is shown modally, and the timer
// restarts at 80 ms when joyselect is on. Returns the dialog's result.
int ModalToolDialog(MainWindow &window, QDialog &dialog, const std::function<void()> &prepare = {});

} // namespace qx
