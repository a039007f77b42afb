#pragma once

#include "options/OptionsPage.h"

namespace qx {

struct OptionsDialogContext;

// " Controllers": the joystick, mouse and lightgun flags, the joystick's deadzone and saturation, keyboard
// and mouse options, and the input layout (the controller file) with its "Select..." and "Reset" links.
class ControllersPage : public OptionsPage {
    Q_OBJECT
public:
    ControllersPage(OptionsPageShared &shared, const OptionsDialogContext &context,
                    QWidget *parent = nullptr);

private:
    const OptionsDialogContext &m_context;
    FileBoxControls m_layout;
};

} // namespace qx
