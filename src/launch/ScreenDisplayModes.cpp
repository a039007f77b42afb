#include "launch/ScreenDisplayModes.h"

#include <QScreen>
#include <cmath>

namespace qx {

ScreenDisplayModes::ScreenDisplayModes(QScreen *screen) : m_screen(screen) {}

std::optional<DisplayMode> ScreenDisplayModes::currentMode() const {
    if (!m_screen) {
        return std::nullopt;
    }
    // Device pixels, as a display mode counts them (Qt's screen size is scaled down on a high-DPI screen).
    const double ratio = m_screen->devicePixelRatio();
    const QSize size = m_screen->size();
    return DisplayMode{{int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio))},
                       m_screen->refreshRate()};
}

QString ScreenDisplayModes::CurrentResolution() const {
    const std::optional<DisplayMode> mode = currentMode();
    return mode ? ResolutionText(mode->size) : QString();
}

QString ScreenDisplayModes::CurrentRefreshRate() const {
    const std::optional<DisplayMode> mode = currentMode();
    return mode ? RefreshRateText(mode->refreshHz) : QString();
}

int ScreenDisplayModes::CurrentDepth() const {
    return m_screen ? m_screen->depth() : 0;
}

QStringList ScreenDisplayModes::ListDisplayModes() const {
    const std::optional<DisplayMode> mode = currentMode();
    return mode ? DistinctResolutionTexts({*mode}) : QStringList();
}

QStringList ScreenDisplayModes::ListRefreshRates() const {
    const std::optional<DisplayMode> mode = currentMode();
    return mode ? DistinctRefreshRateTexts({*mode}) : QStringList();
}

DisplayModeChange ScreenDisplayModes::ChangeDisplayMode(int width, int height, int bits) {
    // Asking for the mode already shown changes nothing, so it succeeds; every real switch is refused.
    const std::optional<DisplayMode> mode = currentMode();
    const bool current =
        mode && mode->size == DisplayResolution{width, height} && (bits == 0 || bits == CurrentDepth());
    return current ? DisplayModeChange::Ok : DisplayModeChange::NotSupported;
}

} // namespace qx
