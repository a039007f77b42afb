#pragma once

#include "options/OptionsPage.h"

namespace qx {

struct OptionsDialogContext;

// " Display": window mode, the pause brightness, gamma, brightness and contrast sliders, rotation, flips,
// prescale and the effect file.
class DisplayPage : public OptionsPage {
    Q_OBJECT
public:
    DisplayPage(OptionsPageShared &shared, const OptionsDialogContext &context, QWidget *parent = nullptr);

private:
    void selectEffect();

    const OptionsDialogContext &m_context;
    QString m_lastEffectFolder;
    FileBoxControls m_effect;
};

} // namespace qx
