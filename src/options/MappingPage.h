#pragma once

#include "options/OptionsPage.h"

namespace qx {

// "Mapping": which device drives each kind of analogue control (paddle, AD stick, pedal, dial, trackball,
// lightgun, positional, mouse).
class MappingPage : public OptionsPage {
    Q_OBJECT
public:
    explicit MappingPage(OptionsPageShared &shared, QWidget *parent = nullptr);
};

} // namespace qx
