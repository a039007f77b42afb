#pragma once

#include "options/OptionTable.h"

#include <QString>

namespace qx {

class OptionModel;

// What the dialog's surroundings add to the enabling rules.
struct OptionEnvironment {
    int monitorCount = 1; // a single monitor disables the screen number and the number of screens
};

// The Advanced page's rules by video output: hardware output (d3d, accel, opengl, bgfx, and any value the
// list does not know), software output (soft, ddraw), GDI, and no video at all.
enum class VideoRule { Hardware, Software, Gdi, NoVideo };
VideoRule VideoRuleFor(const QString &videoValue);

// Whether an option's control is enabled: the file has the option, and the rules between controls allow it
// ("Maximise window" needs window mode, the frame-skip list needs automatic frame skipping off, the sound
// controls need sound, the resolution needs "Allow switching", the number of screens several monitors, and
// the video output decides the video controls). A disabled control is never written.
bool IsOptionEnabled(const OptionModel &model, OptionId id, const OptionEnvironment &environment);
// The aspect ratio's two boxes: enabled while "automatic" is cleared.
bool AspectBoxesEnabled(const OptionModel &model, int screen);
// The screen-number list and the number of screens: only with more than one monitor.
bool ScreenSelectionEnabled(const OptionEnvironment &environment);

// A frame's caption, with " n/a" when the file has none of the frame's options ("Gamma correction n/a").
QString FrameCaption(const OptionModel &model, const QString &frame);

// "Cabinet Artwork" stands for backdrops, bezels and overlays: ticked when any of them is, and ticking or
// clearing it sets all three (those the file has).
bool CabinetArtworkTicked(const OptionModel &model);
void SetCabinetArtwork(OptionModel &model, bool ticked);

// MAME will run without a video window (video "none"), so its console must be shown.
bool RunsWithoutVideo(const OptionModel &model);

} // namespace qx
