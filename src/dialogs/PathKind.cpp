#include "dialogs/PathKind.h"

#include <array>

namespace qx {

namespace {

using K = PathKind;

constexpr std::array kKinds{
    PathKindInfo{K::Roms, "ROMs / CHDs", "rompath", true, false},
    PathKindInfo{K::Samples, "Sound Samples", "samplepath", true, false},
    PathKindInfo{K::Artwork, "Artwork / Effects", "artpath", true, false},
    PathKindInfo{K::IniFiles, "INI Files", "inipath", true, false},
    PathKindInfo{K::Controllers, "Controller Files", "ctrlrpath", true, false},
    PathKindInfo{K::Fonts, "Fonts", "fontpath", true, false},
    PathKindInfo{K::Crosshairs, "Crosshair Files", "crosshairpath", true, false},
    PathKindInfo{K::Configs, "CFG Files", "cfg_directory", false, false},
    PathKindInfo{K::Nvram, "NVRAM", "nvram_directory", false, false},
    PathKindInfo{K::MemoryCards, "Memory Cards", "memcard_directory", false, false},
    PathKindInfo{K::Inputs, "Input Files", "input_directory", false, false},
    PathKindInfo{K::SaveStates, "Save States", "state_directory", false, false},
    PathKindInfo{K::Snapshots, "Snapshots", "snapshot_directory", false, false},
    PathKindInfo{K::Diffs, "Hard Drive Difference", "diff_directory", false, false},
    PathKindInfo{K::Pictures, "Pictures (non zipped)", "picturepath", false, true},
};

} // namespace

std::span<const PathKindInfo> PathKinds() {
    return kKinds;
}

const PathKindInfo &InfoOf(PathKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

} // namespace qx
