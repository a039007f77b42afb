#include "browser/info/InfoPanelLayout.h"

namespace qx {

InfoPanelLayout ComputeInfoPanelLayout(const InfoPanelLayoutInput &in) {
    InfoPanelLayout out;
    out.scrollBarLeft = in.panelWidth - 500;
    out.caption = {0, 0, in.panelWidth, in.captionHeight};
    out.pictureLeft = (in.panelWidth - in.pictureWidth) / 2 - 30;
    out.historyLeft = 25;
    out.historyWidth = in.panelWidth - 25;
    if (in.bothShown) {
        out.pictureTop = in.captionHeight;
        out.historyTop = in.pictureHeight + 475;
        const int height = in.panelHeight - (in.pictureHeight + 475);
        if (height > 0) {
            out.historyHeight = height;
        }
    } else {
        out.pictureTop = (in.panelHeight - in.pictureHeight) / 2;
        out.historyTop = in.captionHeight;
        out.historyHeight = in.panelHeight - in.captionHeight;
    }
    return out;
}

} // namespace qx
