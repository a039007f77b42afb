#include "options/MappingPage.h"

#include "options/OptionComboBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

namespace qx {

namespace {

constexpr OptionId kMappedDevices[] = {
    OptionId::PaddleDevice,    OptionId::AdstickDevice,  OptionId::PedalDevice,      OptionId::DialDevice,
    OptionId::TrackballDevice, OptionId::LightgunDevice, OptionId::PositionalDevice, OptionId::MouseDevice};

} // namespace

MappingPage::MappingPage(OptionsPageShared &shared, QWidget *parent)
    : OptionsPage(OptionPage::Mapping, shared, parent) {
    auto *grid = new QGridLayout(this);
    int device = 0;
    for (const OptionId id : kMappedDevices) {
        QGroupBox *frame = addFrame(Option(id).frame);
        (new QHBoxLayout(frame))->addWidget(addList(id, frame));
        grid->addWidget(frame, device / 2, device % 2);
        ++device;
    }
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

} // namespace qx
