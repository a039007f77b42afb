#include "options/AdvancedPage.h"

#include "options/OptionComboBox.h"
#include "options/OptionModel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

namespace qx {

namespace {

// The video flags in two columns, in the order of the Advanced page.
constexpr OptionId kVideoFlags[] = {OptionId::Filter,      OptionId::HwStretch,   OptionId::TripleBuffer,
                                    OptionId::SyncRefresh, OptionId::WaitVsync,   OptionId::KeepAspect,
                                    OptionId::Throttle,    OptionId::RefreshSpeed};

} // namespace

AdvancedPage::AdvancedPage(OptionsPageShared &shared, std::function<void()> consoleNeeded, QWidget *parent)
    : OptionsPage(OptionPage::Advanced, shared, parent) {
    auto *grid = new QGridLayout(this);
    QGroupBox *video = addFrame(Option(OptionId::Video).frame);
    OptionComboBox *videoList = addList(OptionId::Video, video);
    (new QHBoxLayout(video))->addWidget(videoList);
    grid->addWidget(video, 0, 0);
    QGroupBox *direct3d = addFrame(Option(OptionId::D3dVersion).frame);
    (new QHBoxLayout(direct3d))->addWidget(addList(OptionId::D3dVersion, direct3d));
    grid->addWidget(direct3d, 0, 1);

    int flag = 0;
    for (const OptionId id : kVideoFlags) {
        grid->addWidget(addCheckBox(id), 1 + flag / 2, flag % 2);
        ++flag;
    }
    const int afterFlags = 1 + (flag + 1) / 2;

    QGroupBox *colour = addFrame(Option(OptionId::FullScreenGamma).frame);
    auto *colourRows = new QGridLayout(colour);
    for (const OptionId id :
         {OptionId::FullScreenGamma, OptionId::FullScreenBrightness, OptionId::FullScreenContrast}) {
        addSliderRow(colourRows, id, colour, QString(), LabelPlace::BeforeSlider);
    }
    grid->addWidget(colour, afterFlags, 0, 1, 2);

    grid->addWidget(addSliderFrame(OptionId::Speed), afterFlags + 1, 0);
    QGroupBox *frameSkip = addFrame(Option(OptionId::FrameSkip).frame);
    auto *skipRow = new QHBoxLayout(frameSkip);
    skipRow->addWidget(addCheckBox(OptionId::AutoFrameSkip, frameSkip));
    skipRow->addWidget(addList(OptionId::FrameSkip, frameSkip), 1);
    grid->addWidget(frameSkip, afterFlags + 1, 1);
    grid->setRowStretch(afterFlags + 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(videoList, &QComboBox::activated, this, [this, consoleNeeded = std::move(consoleNeeded)] {
        if (RunsWithoutVideo(model()) && consoleNeeded) {
            consoleNeeded();
        }
    });
}

} // namespace qx
