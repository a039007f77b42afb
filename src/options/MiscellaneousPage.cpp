#include "options/MiscellaneousPage.h"

#include "options/OptionModel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr OptionId kGeneralFlags[] = {OptionId::Cheat,      OptionId::Log,          OptionId::Sleep,
                                      OptionId::AutoSave,   OptionId::SkipGameInfo, OptionId::Verbose,
                                      OptionId::CoinLockout};
constexpr OptionId kCabinetArtwork[] = {OptionId::UseBackdrops, OptionId::UseBezels, OptionId::UseOverlays};

} // namespace

MiscellaneousPage::MiscellaneousPage(OptionsPageShared &shared, QWidget *parent)
    : OptionsPage(OptionPage::Miscellaneous, shared, parent) {
    auto *general = new QVBoxLayout;
    for (const OptionId id : kGeneralFlags) {
        general->addWidget(addCheckBox(id));
    }
    general->addLayout(buildSecondsToRun());
    general->addStretch(1);

    auto *frames = new QVBoxLayout;
    frames->addWidget(buildArtworkFrame());
    frames->addWidget(buildThreadsFrame());
    frames->addWidget(buildVectorFrame());
    frames->addStretch(1);

    auto *columns = new QHBoxLayout(this);
    columns->addLayout(general, 1);
    columns->addLayout(frames, 1);
}

QGroupBox *MiscellaneousPage::buildArtworkFrame() {
    QGroupBox *frame = addFrame(QStringLiteral("Artwork"), false);
    m_cabinetArtwork = new QCheckBox(QStringLiteral("Cabinet Artwork"), frame);
    m_cabinetArtwork->setObjectName(QStringLiteral("chkCabinetArtwork"));
    connect(m_cabinetArtwork, &QCheckBox::clicked, this, [this](bool ticked) {
        SetCabinetArtwork(model(), ticked);
        showAll();
        Q_EMIT changed();
    });
    auto *layout = new QGridLayout(frame);
    layout->addWidget(m_cabinetArtwork, 0, 0, 1, 4);
    layout->setColumnMinimumWidth(0, 16); // the three parts sit indented under "Cabinet Artwork"
    int column = 1;
    for (const OptionId id : kCabinetArtwork) {
        layout->addWidget(addCheckBox(id, frame), 1, column++);
    }
    layout->addWidget(addCheckBox(OptionId::ArtworkCrop, frame), 2, 0, 1, 4);
    layout->setColumnStretch(4, 1);
    return frame;
}

QGroupBox *MiscellaneousPage::buildThreadsFrame() {
    QGroupBox *frame = addFrame(Option(OptionId::Priority).frame);
    auto *grid = new QGridLayout(frame);
    addSliderRow(grid, OptionId::Priority, frame, QString(), LabelPlace::BeforeSlider);
    grid->addWidget(addCheckBox(OptionId::Multithreading, frame), 1, 0, 1, 2);
    return frame;
}

QGroupBox *MiscellaneousPage::buildVectorFrame() {
    QGroupBox *frame = addFrame(Option(OptionId::Beam).frame);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(addCheckBox(OptionId::Antialias, frame), 0, 0, 1, 2);
    addSliderRow(grid, OptionId::Beam, frame, QString(), LabelPlace::BeforeSlider);
    addSliderRow(grid, OptionId::Flicker, frame, QString(), LabelPlace::BeforeSlider);
    return frame;
}

QLayout *MiscellaneousPage::buildSecondsToRun() {
    // MAME 0.251 takes a whole number of seconds: the box takes digits only.
    QLineEdit *seconds = addText(OptionId::SecondsToRun);
    seconds->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), seconds));
    seconds->setMaximumWidth(seconds->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    connect(seconds, &QLineEdit::editingFinished, this, [this, seconds] {
        if (seconds->text().isEmpty() && model().isPresent(OptionId::SecondsToRun)) {
            setTextOf(OptionId::SecondsToRun, seconds, QStringLiteral("0"));
        }
    });
    auto *row = new QHBoxLayout;
    row->addWidget(addCaption(OptionId::SecondsToRun, Option(OptionId::SecondsToRun).caption));
    row->addWidget(seconds);
    row->addStretch(1);
    return row;
}

void MiscellaneousPage::refresh() {
    OptionsPage::refresh();
    bool anyPresent = false;
    for (const OptionId id : kCabinetArtwork) {
        anyPresent = anyPresent || model().isPresent(id);
    }
    m_cabinetArtwork->setEnabled(anyPresent);
    m_cabinetArtwork->setChecked(CabinetArtworkTicked(model()));
}

} // namespace qx
