#pragma once

#include "app/Twips.h"

#include <optional>

namespace qx {

// The information panel's layout rules, in twips inside the panel, as pure arithmetic: the caption line
// across the top with the snapshot scroll bar at its right end, the picture centred (above the history text
// when both are shown), and the history text filling the rest.
struct InfoPanelLayoutInput {
    int panelWidth = 0;
    int panelHeight = 0;
    bool bothShown = false; // picture above the history text
    int pictureWidth = 0;
    int pictureHeight = 0;
    int captionHeight = 0; // Label1
};

struct InfoPanelLayout {
    int scrollBarLeft = 0; // HScroll1
    TwipsRect caption;     // Label1
    int pictureLeft = 0;   // picFlyer
    int pictureTop = 0;
    int historyLeft = 0; // txtHistory
    int historyTop = 0;
    int historyWidth = 0;
    std::optional<int> historyHeight; // unset: leave the height as it is
};

InfoPanelLayout ComputeInfoPanelLayout(const InfoPanelLayoutInput &in);

} // namespace qx
