#pragma once

#include "launch/DisplayModes.h"

#include <memory>

class QScreen;

namespace qx {

// The display modes of a screen (null: the primary screen) on the platform the program runs on: XRandR
// on X11 (the output the screen stands for), else the current mode alone (Wayland, offscreen), which
// refuses every switch.
std::unique_ptr<DisplayModes> CreateDisplayModes(QScreen *screen = nullptr);

} // namespace qx
