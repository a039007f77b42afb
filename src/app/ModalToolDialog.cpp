#include "app/ModalToolDialog.h"

#include "app/ScopeGuards.h"

#include <QDialog>

namespace qx {

int ModalToolDialog(JoystickPoll &joystick, QDialog &dialog, const std::function<void()> &prepare) {
    const JoystickPause pause(joystick);
    if (prepare) {
        prepare();
    }
    return dialog.exec();
}

} // namespace qx
