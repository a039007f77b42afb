#pragma once

#include "browser/window/Joystick.h"

#include <QString>

struct _SDL_Joystick; // SDL_Joystick, kept out of this header

namespace qx {

// Joysticks through SDL2's joystick subsystem alone (no SDL window, video, audio or signal handlers).
// SDL2 is loaded and its subsystem started at the first query, so a program that never polls a joystick
// never pays for it; without SDL2 there are no joysticks, and error() says why.
// Each query first lets SDL look for devices plugged in or pulled out, so a joystick attached while
// Quorvex runs is found without a restart. The device being read stays open between queries.
class SdlJoystick : public Joystick {
public:
    SdlJoystick();
    ~SdlJoystick() override;
    SdlJoystick(const SdlJoystick &) = delete;
    SdlJoystick &operator=(const SdlJoystick &) = delete;

    // False when SDL's joystick subsystem could not start; there are no devices then, and error() says why.
    bool isAvailable();
    const QString &error();

    int deviceCount() override;
    std::optional<quint32> buttonMask(int device) override;

private:
    bool start();
    bool openDevice(int device);
    void closeDevice();

    bool m_started = false;
    bool m_available = false;
    QString m_error;
    _SDL_Joystick *m_open = nullptr;
    qint32 m_openInstance = -1;
};

} // namespace qx
