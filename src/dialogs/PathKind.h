#pragma once

#include <QString>
#include <span>

namespace qx {

// The kinds of folder the paths dialog edits, in the order of its combo box (cboFolders).
enum class PathKind {
    Roms,
    Samples,
    Artwork,
    IniFiles,
    Controllers,
    Fonts,
    Crosshairs,
    Configs,
    Nvram,
    MemoryCards,
    Inputs,
    SaveStates,
    Snapshots,
    Diffs,
    Pictures,
};

struct PathKindInfo {
    PathKind kind;
    const char *text;   // the combo box entry
    const char *option; // the mame.ini option, or the qx.ini key for Pictures
    bool manyFolders;   // a search path of folders joined with ";"
    bool inFrontendSettings;

    QString entryText() const { return QString::fromLatin1(text); }
    QString optionName() const { return QString::fromLatin1(option); }
};

std::span<const PathKindInfo> PathKinds();
const PathKindInfo &InfoOf(PathKind kind);

} // namespace qx
