#pragma once

#include "options/OptionsPage.h"

namespace qx {

// " Sound": "Enable sound" over MAME's sound module, samples, the sample rate, volume and latency.
class SoundPage : public OptionsPage {
    Q_OBJECT
public:
    explicit SoundPage(OptionsPageShared &shared, QWidget *parent = nullptr);
};

} // namespace qx
