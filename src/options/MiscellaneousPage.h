#pragma once

#include "options/OptionsPage.h"

class QCheckBox;

namespace qx {

// " Miscellaneous": cheats, log, sleep, state, artwork (with "Cabinet Artwork" over backdrops, bezels and
// overlays), threads, the vector display, coin lockout and the seconds to run.
class MiscellaneousPage : public OptionsPage {
    Q_OBJECT
public:
    explicit MiscellaneousPage(OptionsPageShared &shared, QWidget *parent = nullptr);

    void refresh() override;

private:
    QGroupBox *buildArtworkFrame();
    QGroupBox *buildThreadsFrame();
    QGroupBox *buildVectorFrame();
    QLayout *buildSecondsToRun();

    QCheckBox *m_cabinetArtwork = nullptr;
};

} // namespace qx
