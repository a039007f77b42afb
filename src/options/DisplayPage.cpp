#include "options/DisplayPage.h"

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

DisplayPage::DisplayPage(OptionsPageShared &shared, const OptionsDialogContext &context, QWidget *parent)
    : OptionsPage(OptionPage::Display, shared, parent), m_context(context),
      m_lastEffectFolder(context.lastEffectFolder) {
    auto *grid = new QGridLayout(this);
    grid->addWidget(addCheckBox(OptionId::Window), 0, 0);
    grid->addWidget(addCheckBox(OptionId::Maximize), 0, 1);
    grid->addWidget(addSliderFrame(OptionId::PauseBrightness), 1, 0);
    grid->addWidget(addSliderFrame(OptionId::Gamma), 1, 1);
    grid->addWidget(addSliderFrame(OptionId::Brightness), 2, 0);
    grid->addWidget(addSliderFrame(OptionId::Contrast), 2, 1);

    QGroupBox *rotation = addFrame(Option(OptionId::Rotation).frame);
    (new QHBoxLayout(rotation))->addWidget(addList(OptionId::Rotation, rotation));
    grid->addWidget(rotation, 3, 0);
    QGroupBox *flip = addFrame(QStringLiteral("Flip"), false);
    auto *flips = new QHBoxLayout(flip);
    flips->addWidget(addCheckBox(OptionId::FlipX, flip));
    flips->addWidget(addCheckBox(OptionId::FlipY, flip));
    grid->addWidget(flip, 3, 1);

    grid->addWidget(addSliderFrame(OptionId::Prescale), 4, 0);
    m_effect = addFileBox(OptionId::Effect, QStringLiteral("Label3"), QString::fromLatin1(kNoEffect));
    grid->addWidget(m_effect.frame, 4, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    connect(m_effect.select, &LinkLabel::activated, this, &DisplayPage::selectEffect);
}

void DisplayPage::selectEffect() {
    const QString picked = pickFileInto(OptionId::Effect, m_effect.edit, m_context.prompts,
                                        QStringLiteral("MAME Effects (*.png)"),
                                        EffectStartFolder(m_lastEffectFolder, m_context.emulatorDir));
    if (picked.isEmpty()) {
        return;
    }
    m_lastEffectFolder = PickedFileFolder(picked);
    if (m_context.effectFolderPicked) {
        m_context.effectFolderPicked(m_lastEffectFolder);
    }
}

} // namespace qx
