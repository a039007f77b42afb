#pragma once

#include <QtGlobal>
#include <array>
#include <optional>

namespace qx {

// The joysticks the platform knows, numbered from 0 as the joyid setting counts them. Implementations:
// SdlJoystick (SDL2); tests use SDL's virtual joystick through it.
class Joystick {
public:
    virtual ~Joystick() = default;

    // The number of devices attached now; one plugged in since the start counts.
    virtual int deviceCount() = 0;
    // The buttons device `device` holds down now, bit k - 1 for button k; nullopt when there is no such
    // device or it cannot be read (the poll reads that as no button).
    virtual std::optional<quint32> buttonMask(int device) = 0;
};

inline constexpr int kJoystickButtons = 8;

// Buttons 1 to 8 of a button mask: button k is down when bit k - 1 is set; higher bits are ignored.
std::array<bool, kJoystickButtons> DecodeJoyButtons(quint32 mask);

// The number of joysticks that answer a query (0 when `enabled` is false), for the preferences' list.
int CountJoysticks(Joystick &joystick, bool enabled = true);

} // namespace qx
