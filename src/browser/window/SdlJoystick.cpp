#include "browser/window/SdlJoystick.h"

#include <SDL.h>
#include <algorithm>

namespace qx {

SdlJoystick::SdlJoystick() = default;

bool SdlJoystick::start() {
    if (m_started) {
        return m_available;
    }
    m_started = true;
    // Quorvex's window is not SDL's, so SDL must read buttons whatever window has the focus, and must
    // leave Ctrl+C and the termination signal to the program.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_available = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (!m_available) {
        m_error = QString::fromUtf8(SDL_GetError());
        return false;
    }
    // The state is read directly; queued joystick events would only pile up unread.
    SDL_JoystickEventState(SDL_IGNORE);
    return true;
}

bool SdlJoystick::isAvailable() {
    return start();
}

const QString &SdlJoystick::error() {
    start();
    return m_error;
}

SdlJoystick::~SdlJoystick() {
    closeDevice();
    if (m_available) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
}

int SdlJoystick::deviceCount() {
    if (!start()) {
        return 0;
    }
    SDL_JoystickUpdate();
    return std::max(SDL_NumJoysticks(), 0);
}

std::optional<quint32> SdlJoystick::buttonMask(int device) {
    if (device < 0 || device >= deviceCount() || !openDevice(device)) {
        return std::nullopt;
    }
    quint32 mask = 0;
    const int buttons = std::min(SDL_JoystickNumButtons(m_open), 32);
    for (int b = 0; b < buttons; ++b) {
        if (SDL_JoystickGetButton(m_open, b)) {
            mask |= 1u << b;
        }
    }
    return mask;
}

// Keeps the device at that number open; device numbers move when another device is pulled out, so the
// open one is checked against the number's device each time.
bool SdlJoystick::openDevice(int device) {
    const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(device);
    if (m_open && (m_openInstance != instance || !SDL_JoystickGetAttached(m_open))) {
        closeDevice();
    }
    if (!m_open) {
        m_open = SDL_JoystickOpen(device);
        if (!m_open) {
            return false;
        }
        m_openInstance = instance;
        SDL_JoystickUpdate(); // the buttons held at the moment it opened
    }
    return SDL_JoystickGetAttached(m_open);
}

void SdlJoystick::closeDevice() {
    if (m_open) {
        SDL_JoystickClose(m_open);
        m_open = nullptr;
        m_openInstance = -1;
    }
}

} // namespace qx
