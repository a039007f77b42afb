#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

// A display size in pixels, written as the resolution text "800x600" (qx.ini's FullScreenRes, the
// preferences' resolution list, the saved desktop resolution).
struct DisplayResolution {
    int width = 0;
    int height = 0;
    friend bool operator==(const DisplayResolution &, const DisplayResolution &) = default;
};

// The largest side a display server accepts (X11 keeps screen sizes in 15 bits).
inline constexpr int kMaxDisplaySide = 32767;

QString ResolutionText(DisplayResolution resolution);

// A FullScreenRes value read as a resolution: the resolution, or a message that says what is wrong with
// the text (empty, no "x", not whole numbers, a side of 0 or beyond any display).
struct FullScreenResParse {
    std::optional<DisplayResolution> resolution;
    QString error;
};
// Splits at the first "x": the width before it, the height after it, blanks around either ignored.
FullScreenResParse ParseFullScreenRes(const QString &text);

// One mode an output can show; refreshHz is 0 where the server does not know it (Xvfb).
struct DisplayMode {
    DisplayResolution size;
    double refreshHz = 0;
};

// The resolution texts of the modes, each once, smallest width first (then smallest height).
QStringList DistinctResolutionTexts(const QList<DisplayMode> &modes);
// A refresh rate in whole hertz as the lists show it ("60 Hz"); empty when unknown.
QString RefreshRateText(double refreshHz);
// The known refresh rates of the modes as RefreshRateText, each once, lowest first.
QStringList DistinctRefreshRateTexts(const QList<DisplayMode> &modes);
// The mode of that size whose refresh rate is closest to keepHz (a switch keeps the refresh rate where
// it can); nullopt when no mode has that size.
std::optional<qsizetype> FindModeKeepingRefresh(const QList<DisplayMode> &modes, DisplayResolution size,
                                                double keepHz);

// What a display-mode switch came to.
enum class DisplayModeChange {
    Ok,           // the display shows the mode now (or already did)
    NotSupported, // the display cannot show it; nothing changed ("Mode not supported")
    RestartNeeded // the platform can show it only after a restart ("You've to reboot"). X11 never
                  // answers this: XRandR applies a listed mode at once or refuses it.
};

// The display modes of one display (the one a window is on): what the full-screen set list switches to,
// and what the preferences and options dialogs offer. Implementations: XrandrDisplayModes (X11),
// ScreenDisplayModes (platforms that cannot switch), FakeDisplayModes (tests).
class DisplayModes {
public:
    virtual ~DisplayModes() = default;

    // The resolution text of the mode shown now; empty when the display cannot be read.
    virtual QString CurrentResolution() const = 0;
    // The refresh rate shown now as "60 Hz"; empty when unknown.
    virtual QString CurrentRefreshRate() const = 0;
    // Bits per pixel of the display now; a switch passes it back to keep the colour depth.
    virtual int CurrentDepth() const = 0;
    // Every resolution the display offers, each once (DistinctResolutionTexts).
    virtual QStringList ListDisplayModes() const = 0;
    // Every refresh rate the display offers, each once (DistinctRefreshRateTexts).
    virtual QStringList ListRefreshRates() const = 0;
    // Switches the display to width x height at bits per pixel (0: the current depth), keeping the
    // refresh rate as close as the modes allow.
    virtual DisplayModeChange ChangeDisplayMode(int width, int height, int bits) = 0;
};

} // namespace qx
