#include "options/SoundPage.h"

#include "options/OptionComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace qx {

SoundPage::SoundPage(OptionsPageShared &shared, QWidget *parent)
    : OptionsPage(OptionPage::Sound, shared, parent) {
    auto *grid = new QGridLayout(this);
    grid->addWidget(addCheckBox(OptionId::Sound), 0, 0, 1, 3);
    grid->addWidget(addCheckBox(OptionId::Samples), 1, 0, 1, 3);
    OptionComboBox *rates = addList(OptionId::SampleRate);
    grid->addWidget(addCaption(OptionId::SampleRate, Option(OptionId::SampleRate).caption), 2, 0);
    grid->addWidget(rates, 2, 1, Qt::AlignLeft);
    addSliderRow(grid, OptionId::Volume, nullptr, Option(OptionId::Volume).caption);
    addSliderRow(grid, OptionId::AudioLatency, nullptr, Option(OptionId::AudioLatency).caption);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(1, 1);
}

} // namespace qx
