#include "options/ControllersPage.h"

#include "app/LinkLabel.h"
#include "options/OptionComboBox.h"
#include "options/OptionConversions.h"
#include "options/OptionLinks.h"
#include "options/OptionsDialogContext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace qx {

namespace {

// Check boxes in pairs, row by row.
constexpr OptionId kDeviceFlags[] = {OptionId::Lightgun,  OptionId::OffscreenReload, OptionId::DualLightgun,
                                     OptionId::Steadykey, OptionId::MultiKeyboard,   OptionId::MultiMouse};

} // namespace

ControllersPage::ControllersPage(OptionsPageShared &shared, const OptionsDialogContext &context,
                                 QWidget *parent)
    : OptionsPage(OptionPage::Controllers, shared, parent), m_context(context) {
    auto *grid = new QGridLayout(this);
    grid->addWidget(addCheckBox(OptionId::Joystick), 0, 0);
    grid->addWidget(addCheckBox(OptionId::Mouse), 0, 1);
    QGroupBox *joystick = addFrame(QStringLiteral("Joystick"), false);
    auto *sliders = new QGridLayout(joystick);
    addSliderRow(sliders, OptionId::JoystickDeadzone, joystick, QString(), LabelPlace::BeforeSlider);
    addSliderRow(sliders, OptionId::JoystickSaturation, joystick, QString(), LabelPlace::BeforeSlider);
    grid->addWidget(joystick, 1, 0, 1, 2);
    int flag = 0;
    for (const OptionId id : kDeviceFlags) {
        grid->addWidget(addCheckBox(id), 2 + flag / 2, flag % 2);
        ++flag;
    }
    m_layout =
        addFileBox(OptionId::Ctrlr, QStringLiteral("Label2"), QString::fromLatin1(kDefaultInputLayout));
    grid->addWidget(m_layout.frame, grid->rowCount(), 0, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    connect(m_layout.select, &LinkLabel::activated, this, [this] {
        pickFileInto(OptionId::Ctrlr, m_layout.edit, m_context.prompts,
                     QStringLiteral("Controller Files (*.cfg)"),
                     InputLayoutStartFolder(m_context.emulatorIniPath, m_context.emulatorDir));
    });
}

} // namespace qx
