#include "browser/window/MainLayout.h"

#include <algorithm>

namespace qx {

MainLayoutResult ComputeMainLayout(const MainLayoutInput &in) {
    MainLayoutResult out;
    const int W = in.innerWidth;
    const int H = in.innerHeight;
    const int T = in.toolbarHeight;
    const int B = in.statusBarHeight;
    const int bodyHeight = H - T - B;

    int S = in.splitterLeft;
    if (W - in.pictureWidth - 350 < S) {
        S = W - in.pictureWidth - 250;
    }
    if (S < kMinSplitterLeftTwips) {
        S = kMinSplitterLeftTwips;
    }
    out.splitterLeft = S;
    out.splitter = {S, T, kSplitterWidthTwips, bodyHeight};

    out.list = {0, T, W, bodyHeight};
    if (in.infoPanelVisible) {
        out.list.width = S;
        out.infoPanel = {S + kSplitterWidthTwips, T, W - S - kSplitterWidthTwips, bodyHeight};
    }

    out.searchBoxWidth = in.outerWidth - kSearchBoxMarginTwips;
    return out;
}

int SplitterLeftFromSetting(const QString &value, int innerWidth) {
    const int oneThird = static_cast<int>(innerWidth / 1.5);
    if (value.trimmed().compare(QLatin1String("onethirdwidth"), Qt::CaseInsensitive) == 0) {
        return oneThird;
    }
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    return ok ? static_cast<int>(number) : oneThird;
}

int ClampDraggedSplitter(int requestedLeft, int innerWidth) {
    const int lowest = kSplitterEdgeMarginTwips;
    const int highest = std::max(lowest, innerWidth - kSplitterEdgeMarginTwips);
    return std::clamp(requestedLeft, lowest, highest);
}

QRect ReachableWindowRect(const QRect &window, const QRect &area) {
    if (area.isEmpty()) {
        return window;
    }
    const int width = std::clamp(window.width(), 1, area.width());
    const int height = std::clamp(window.height(), 1, area.height());
    const int across = std::min(kReachablePixels, width);
    const int left = std::clamp(window.x(), area.x() - width + across, area.x() + area.width() - across);
    const int top =
        std::clamp(window.y(), area.y(), area.y() + area.height() - std::min(kReachablePixels, height));
    return {left, top, width, height};
}

} // namespace qx
