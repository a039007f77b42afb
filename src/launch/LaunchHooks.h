#pragma once

#include "catalogue/SetRecord.h"

#include <QString>
#include <functional>

namespace qx {

// What the launch, verify and per-set file controllers need from the set browser and the information
// panel, which the main window owns. An unset hook does nothing (and answers "no").
struct LaunchHooks {
    // The set a selection command works on: the Name in status panel 2 while the list is shown, the current
    // set while the tree is shown (empty = none).
    std::function<QString()> currentSelection;
    // Picks a random available set in the shown view, selects it and makes it the current set
    // (PickRandomListSet / PickRandomTreeSet); false when nothing was picked (the pick told the user why).
    std::function<bool()> pickRandomSet;
    // Shows the current set's details after a pick (ShowListSelection / ShowTreeSelection).
    std::function<void()> refreshSelectionDisplay;
    // A verify changed a set's State: redraw its item with the new state icon (ghosted when a clone and
    // GhostIcon is on).
    std::function<void(const QString &name, SetState state)> setItemState;
    // The set-list refresh of "Verify All Sets" (the main window's RefreshCatalogue, which sets Busy).
    std::function<void()> runRefreshCatalogue;
    // The picture panel shows a numbered snapshot of the current set (not a flyer).
    std::function<bool()> snapshotShown;
    // The set whose picture the panel shows: its snapshot folder is the one the snapshot entries act in.
    std::function<QString()> shownPictureSet;
    // Removes the shown picture, after its snapshot file was deleted.
    std::function<void()> clearPicture;
};

} // namespace qx
