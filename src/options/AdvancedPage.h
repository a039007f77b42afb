#pragma once

#include "options/OptionsPage.h"

#include <functional>

namespace qx {

// "Advanced": the video output with the rules it sets for the video controls, the video flags, the
// full-screen colour sliders, the game speed and frame skipping.
class AdvancedPage : public OptionsPage {
    Q_OBJECT
public:
    // consoleNeeded runs when "none" is chosen as the video output (MAME then has no window to show).
    AdvancedPage(OptionsPageShared &shared, std::function<void()> consoleNeeded, QWidget *parent = nullptr);
};

} // namespace qx
