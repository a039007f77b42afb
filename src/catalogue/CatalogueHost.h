#pragma once

#include "catalogue/SetCatalogue.h"

#include <QString>

namespace qx {

// What the catalogue refresh and the first-run set-up need from the main window, and nothing more. The
// window implements it; tests implement it with a recorder. Every call comes on the window thread, while
// the operation runs (the window keeps painting: MAME runs wait in local event loops).
//
// The caller sets Busy before RefreshCatalogue / FirstRunSetup and clears it afterwards.
class CatalogueHost {
public:
    virtual ~CatalogueHost() = default;

    // Switches the status bar to its single-text mode (first call) and shows the stage text, one of:
    // "Extracting output, please wait...", "Parsing output, please wait...", "Setup ROM path(s)", "Fast
    // Scan", "Looking for filenames, please wait...", "Verifying sets, please wait...", "Creating set list,
    // please wait...". With the status bar hidden the window writes the text into the history box instead
    // (emptying it first).
    virtual void showStatusText(const QString &text) = 0;
    // Progress of the current stage, shown next to the text: value out of maximum; maximum 0 means the total
    // is not known (a busy indicator). countText says what is counted ("1,234 sets checked") and shows
    // beside the bar; empty shows none. A Cancel button stands beside the bar while it shows.
    virtual void showProgress(qint64 value, qint64 maximum, const QString &countText) = 0;
    // Returns the status bar to its seven panels and hides the progress.
    virtual void restoreStatusPanels() = 0;
    // The user pressed Cancel beside the progress bar since the status bar left its panels. The running MAME
    // is then stopped and the catalogue stays as it was.
    virtual bool cancelRequested() const = 0;

    // Menus, search boxes, toolbar and the picture scroll bar (SetControlsEnabled).
    virtual void setControlsEnabled(bool enabled) = 0;
    // The hourglass pointer.
    virtual void setWaitCursor(bool waiting) = 0;
    // The window caption ("<Version> - Quorvex" after the emulator was identified).
    virtual void setCaption(const QString &caption) = 0;
    // A minimised window is restored (first run, once the catalogue was extracted).
    virtual void restoreIfMinimised() = 0;

    // Before a refresh: clear the picture and the caption line of the info panel, empty the shown view (a
    // search box holding text is cleared instead), and leave the Favourites view (re-enabling the Available
    // and Unavailable menu items).
    virtual void clearViews() = 0;
    // Clears the caption line of the info panel (Label1) only.
    virtual void clearInfoCaption() = 0;
    // The check state of Set-List "&Clones": whether a load keeps clones.
    virtual bool clonesChecked() const = 0;
    // A refresh loaded a new catalogue: keep it, fill the shown view (tree or list) and select the current
    // set again. An empty catalogue leaves the views empty.
    virtual void showCatalogue(SetCatalogue catalogue) = 0;
    // Reloads the history file (history.dat / history.xml) after a refresh.
    virtual void reloadHistory() = 0;
    // Whether toolbar button 4 (Available) is pressed; when not, the user is told the available sets are
    // hidden.
    virtual bool availableButtonPressed() const = 0;

    // First run: shows the paths dialog modally on the ROM folders, captioned "Change, Add or Delete ROM /
    // CHD paths". showRomsNote (the ROM folders hold no set's files) adds its note on where the ROM files
    // go. The ROM-change question is not asked (RomChangeConfirmed is set meanwhile).
    virtual void showRomPathsDialog(bool showRomsNote) = 0;
};

} // namespace qx
