#pragma once

#include "app/Twips.h"

#include <QRect>
#include <QString>

namespace qx {

// The main window's layout rules, in twips, as pure arithmetic so they can be checked without a window. The
// window measures its controls, asks for a layout and places them; the information panel lays out its own
// children (InfoPanelLayout.h).

inline constexpr int kMinWindowWidthTwips = 4000;
inline constexpr int kMinWindowHeightTwips = 3500;
inline constexpr int kSplitterWidthTwips = 90;
inline constexpr int kMinSplitterLeftTwips = 800;
inline constexpr int kSplitterEdgeMarginTwips = 500; // a dragged splitter stays this far from either edge
inline constexpr int kSearchBoxMarginTwips = 3200;   // the search boxes are the window width less this

struct MainLayoutInput {
    int innerWidth = 0;      // W
    int innerHeight = 0;     // H
    int outerWidth = 0;      // the window's outer width
    int toolbarHeight = 0;   // T: 0 when the toolbar is hidden
    int statusBarHeight = 0; // B: 0 when the status bar is hidden
    int splitterLeft = 0;    // S as requested
    bool infoPanelVisible = false;
    int pictureWidth = 0; // the information panel's picture, 0 when none is shown
};

struct MainLayoutResult {
    int splitterLeft = 0; // S after the corrections
    TwipsRect splitter;
    TwipsRect list; // the tree view takes the same rectangle
    TwipsRect infoPanel;
    int searchBoxWidth = 0;
};

MainLayoutResult ComputeMainLayout(const MainLayoutInput &in);

// The splitter position that SplitterLeft asks for: "onethirdwidth" is the inner width / 1.5; a number is
// taken as it stands; anything else falls back to "onethirdwidth".
int SplitterLeftFromSetting(const QString &value, int innerWidth);

// A dragged splitter stays 500 twips from the window's left and right edges.
int ClampDraggedSplitter(int requestedLeft, int innerWidth);

// A saved window rectangle (pixels) brought back within reach of the screen area: no bigger than the area,
// its top edge (where the title bar is) inside it, and at least this much of its width on it.
inline constexpr int kReachablePixels = 100;
QRect ReachableWindowRect(const QRect &window, const QRect &area);

} // namespace qx
