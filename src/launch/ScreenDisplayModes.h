#pragma once

#include "launch/DisplayModes.h"

#include <QPointer>

class QScreen;

namespace qx {

// The display modes where the platform lets no program switch them (Wayland, the offscreen platform, an
// X server without XRandR): the screen's current mode is the only one listed, and a switch to any other
// size is refused with NotSupported. A screen that goes away leaves empty answers, never a crash.
class ScreenDisplayModes : public DisplayModes {
public:
    explicit ScreenDisplayModes(QScreen *screen);

    QString CurrentResolution() const override;
    QString CurrentRefreshRate() const override;
    int CurrentDepth() const override;
    QStringList ListDisplayModes() const override;
    QStringList ListRefreshRates() const override;
    DisplayModeChange ChangeDisplayMode(int width, int height, int bits) override;

private:
    std::optional<DisplayMode> currentMode() const;

    QPointer<QScreen> m_screen;
};

} // namespace qx
