#pragma once

#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace qx {

// The main window's layout rules, in twips (15 twips per logical pixel), as pure arithmetic so they can be
// checked without a window. The window measures its controls, asks for a layout and places them.

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kMinWindowWidthTwips = 4000;
inline constexpr int kMinWindowHeightTwips = 3500;
inline constexpr int kSplitterWidthTwips = 90;
inline constexpr int kMinSplitterLeftTwips = 800;
inline constexpr int kSplitterEdgeMarginTwips = 500; // a dragged splitter stays this far from either edge
inline constexpr int kSearchBoxMarginTwips = 3200;   // the search boxes are the window width less this

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect &) const = default;
};

struct MainLayoutInput {
    int innerWidth = 0;      // W
    int innerHeight = 0;     // H
    int outerWidth = 0;      // the window's outer width
    int toolbarHeight = 0;   // T: 0 when the toolbar is hidden
    int statusBarHeight = 0; // B: 0 when the status bar is hidden
    int splitterLeft = 0;    // S as requested
    bool infoPanelVisible = false;
    bool bothShown = false; // picture above the history text
    int pictureWidth = 0;
    int pictureHeight = 0;
    int captionHeight = 0; // Label1
};

struct MainLayoutResult {
    int splitterLeft = 0; // S after the corrections
    TwipsRect splitter;
    TwipsRect list; // the tree view takes the same rectangle
    TwipsRect infoPanel;
    int searchBoxWidth = 0;
    int scrollBarLeft = 0; // HScroll1, inside the info panel
    TwipsRect caption;     // Label1, inside the info panel
    int pictureLeft = 0;   // picFlyer, inside the info panel
    int pictureTop = 0;
    int historyLeft = 0; // txtHistory, inside the info panel
    int historyTop = 0;
    int historyWidth = 0;
    std::optional<int> historyHeight; // unset: leave the height as it is
};

MainLayoutResult ComputeMainLayout(const MainLayoutInput &in);

// The splitter position that SplitterLeft asks for: "onethirdwidth" is the inner width / 1.5; a number is
// taken as it stands; anything else falls back to "onethirdwidth".
int SplitterLeftFromSetting(const QString &value, int innerWidth);

// A dragged splitter stays 500 twips from the window's left and right edges.
int ClampDraggedSplitter(int requestedLeft, int innerWidth);

// Pixels are kept within the range whose twips still fit an int, so a round trip never overflows; a value
// that is not a number gives 0.
inline constexpr int kMaxPixels = std::numeric_limits<int>::max() / kTwipsPerPixel;

inline int TwipsToPixels(double twips) {
    if (std::isnan(twips)) {
        return 0;
    }
    return static_cast<int>(
        std::clamp(twips / kTwipsPerPixel + 0.5, double(-kMaxPixels), double(kMaxPixels)));
}
inline int PixelsToTwips(int pixels) {
    return std::clamp(pixels, -kMaxPixels, kMaxPixels) * kTwipsPerPixel;
}

// A saved window rectangle (pixels) brought back within reach of the screen area: no bigger than the area,
// its top edge (where the title bar is) inside it, and at least this much of its width on it.
inline constexpr int kReachablePixels = 100;
QRect ReachableWindowRect(const QRect &window, const QRect &area);

} // namespace qx
