#include "browser/window/Joystick.h"

namespace qx {

std::array<bool, kJoystickButtons> DecodeJoyButtons(quint32 mask) {
    std::array<bool, kJoystickButtons> pressed{};
    for (int k = 0; k < kJoystickButtons; ++k) {
        pressed[k] = (mask >> k) & 1u;
    }
    return pressed;
}

int CountJoysticks(Joystick &joystick, bool enabled) {
    if (!enabled) {
        return 0;
    }
    int answering = 0;
    for (int device = joystick.deviceCount() - 1; device >= 0; --device) {
        if (joystick.buttonMask(device)) {
            ++answering;
        }
    }
    return answering;
}

} // namespace qx
