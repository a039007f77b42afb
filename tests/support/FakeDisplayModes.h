#pragma once

#include "launch/DisplayModes.h"

namespace qx::test {

// A display for tests: the modes it offers, the one it shows (modes[current]), and every switch asked of
// it. A listed size switches (keeping the refresh rate where it can), any other is NotSupported, unless
// forcedAnswer says what every switch answers (RestartNeeded, say), which then changes nothing.
class FakeDisplayModes : public DisplayModes {
public:
    QList<DisplayMode> modes{{{1024, 768}, 60}, {{800, 600}, 60}, {{640, 480}, 60}};
    qsizetype current = 0;
    int depth = 32;
    std::optional<DisplayModeChange> forcedAnswer;
    QList<DisplayResolution> requests; // the size of every ChangeDisplayMode call, in order

    QString CurrentResolution() const override { return ResolutionText(modes.at(current).size); }
    QString CurrentRefreshRate() const override { return RefreshRateText(modes.at(current).refreshHz); }
    int CurrentDepth() const override { return depth; }
    QStringList ListDisplayModes() const override { return DistinctResolutionTexts(modes); }
    QStringList ListRefreshRates() const override { return DistinctRefreshRateTexts(modes); }

    DisplayModeChange ChangeDisplayMode(int width, int height, int bits) override {
        requests.append({width, height});
        if (forcedAnswer) {
            return *forcedAnswer;
        }
        const auto index = FindModeKeepingRefresh(modes, {width, height}, modes.at(current).refreshHz);
        if (!index || (bits != 0 && bits != depth)) {
            return DisplayModeChange::NotSupported;
        }
        current = *index;
        return DisplayModeChange::Ok;
    }
};

} // namespace qx::test
