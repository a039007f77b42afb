#pragma once

#include <functional>

class QDialog;

namespace qx {

class JoystickPoll;

// How the main window opens a modal tool dialog (options, paths, preferences, about, BIOS list): the
// joystick poll pauses, the dialog's own preparation runs, the dialog is shown modally, and the poll
// resumes (when joystick selection is on). Returns the dialog's result.
int ModalToolDialog(JoystickPoll &joystick, QDialog &dialog, const std::function<void()> &prepare = {});

} // namespace qx
