#include "browser/window/SdlJoystick.h"

#include <QLibrary>
#include <SDL.h>
#include <algorithm>

namespace qx {

namespace {

// SDL2 is loaded when a joystick is first asked for, not with the program: a start without joystick
// selection then loads neither SDL nor the sound, Wayland and X libraries SDL brings with it.
struct SdlApi {
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_GetError) getError = nullptr;
    decltype(&SDL_JoystickEventState) eventState = nullptr;
    decltype(&SDL_JoystickUpdate) update = nullptr;
    decltype(&SDL_NumJoysticks) numJoysticks = nullptr;
    decltype(&SDL_JoystickGetDeviceInstanceID) deviceInstance = nullptr;
    decltype(&SDL_JoystickOpen) open = nullptr;
    decltype(&SDL_JoystickClose) close = nullptr;
    decltype(&SDL_JoystickGetAttached) attached = nullptr;
    decltype(&SDL_JoystickNumButtons) numButtons = nullptr;
    decltype(&SDL_JoystickGetButton) button = nullptr;
    QString error; // why SDL could not be loaded; empty when it was

    SdlApi() {
        QLibrary library(QStringLiteral("SDL2-2.0"), 0);
        if (!library.load()) {
            library.setFileName(QStringLiteral("SDL2"));
        }
        if (!library.isLoaded() && !library.load()) {
            error = QStringLiteral("SDL2 could not be loaded: ") + library.errorString();
            return;
        }
        const auto resolve = [&library, this](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
            if (!function && error.isEmpty()) {
                error = QStringLiteral("SDL2 has no %1").arg(QLatin1String(name));
            }
        };
        resolve(setHint, "SDL_SetHint");
        resolve(initSubSystem, "SDL_InitSubSystem");
        resolve(quitSubSystem, "SDL_QuitSubSystem");
        resolve(getError, "SDL_GetError");
        resolve(eventState, "SDL_JoystickEventState");
        resolve(update, "SDL_JoystickUpdate");
        resolve(numJoysticks, "SDL_NumJoysticks");
        resolve(deviceInstance, "SDL_JoystickGetDeviceInstanceID");
        resolve(open, "SDL_JoystickOpen");
        resolve(close, "SDL_JoystickClose");
        resolve(attached, "SDL_JoystickGetAttached");
        resolve(numButtons, "SDL_JoystickNumButtons");
        resolve(button, "SDL_JoystickGetButton");
    }
};

// Loaded once, at the first query, and kept for the rest of the run.
const SdlApi &Sdl() {
    static const SdlApi api;
    return api;
}

} // namespace

SdlJoystick::SdlJoystick() = default;

bool SdlJoystick::start() {
    if (m_started) {
        return m_available;
    }
    m_started = true;
    const SdlApi &sdl = Sdl();
    if (!sdl.error.isEmpty()) {
        m_error = sdl.error;
        return false;
    }
    // Quorvex's window is not SDL's, so SDL must read buttons whatever window has the focus, and must
    // leave Ctrl+C and the termination signal to the program.
    sdl.setHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    sdl.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_available = sdl.initSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (!m_available) {
        m_error = QString::fromUtf8(sdl.getError());
        return false;
    }
    // The state is read directly; queued joystick events would only pile up unread.
    sdl.eventState(SDL_IGNORE);
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
        Sdl().quitSubSystem(SDL_INIT_JOYSTICK);
    }
}

int SdlJoystick::deviceCount() {
    if (!start()) {
        return 0;
    }
    Sdl().update();
    return std::max(Sdl().numJoysticks(), 0);
}

std::optional<quint32> SdlJoystick::buttonMask(int device) {
    if (device < 0 || device >= deviceCount() || !openDevice(device)) {
        return std::nullopt;
    }
    const SdlApi &sdl = Sdl();
    quint32 mask = 0;
    const int buttons = std::min(sdl.numButtons(m_open), 32);
    for (int b = 0; b < buttons; ++b) {
        if (sdl.button(m_open, b)) {
            mask |= 1u << b;
        }
    }
    return mask;
}

// Keeps the device at that number open; device numbers move when another device is pulled out, so the
// open one is checked against the number's device each time.
bool SdlJoystick::openDevice(int device) {
    const SdlApi &sdl = Sdl();
    const SDL_JoystickID instance = sdl.deviceInstance(device);
    if (m_open && (m_openInstance != instance || !sdl.attached(m_open))) {
        closeDevice();
    }
    if (!m_open) {
        m_open = sdl.open(device);
        if (!m_open) {
            return false;
        }
        m_openInstance = instance;
        sdl.update(); // the buttons held at the moment it opened
    }
    return sdl.attached(m_open);
}

void SdlJoystick::closeDevice() {
    if (m_open) {
        Sdl().close(m_open);
        m_open = nullptr;
        m_openInstance = -1;
    }
}

} // namespace qx
