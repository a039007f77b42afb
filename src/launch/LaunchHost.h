#pragma once

#include "catalogue/SelectedSet.h"
#include "catalogue/SetRecord.h"

#include <QString>

class QWidget;

namespace qx {

class FrontendSettings;
class JoystickPoll;
class PlatformServices;
class SetCatalogue;
class UserPrompts;
struct ProgramState;

// What the launch, verify and per-set file controllers need from the main window, which owns the set
// browser and the information panel they act on (as CatalogueHost is for the catalogue refresh).
class LaunchHost {
public:
    virtual ~LaunchHost() = default;

    virtual ProgramState &state() = 0;
    virtual const FrontendSettings &settings() const = 0;
    virtual UserPrompts &prompts() const = 0;
    virtual PlatformServices &services() const = 0;
    virtual SetCatalogue &catalogue() = 0;

    // Busy: a long operation runs; the window cannot close and takes no second command.
    virtual bool isBusy() const = 0;
    virtual void setBusy(bool busy) = 0;
    // The main window itself: hidden while MAME runs, the owner of the controllers' windows.
    virtual QWidget &window() = 0;
    // Paused while a dialog of the controllers is open and while MAME runs.
    virtual JoystickPoll &joystick() = 0;

    // The set the browser shows as selected (empty when none is).
    virtual SelectedSet selectedSet() const = 0;
    // Picks a random available set in the shown view, selects it and makes it the current set; false when
    // nothing was picked (the pick told the user why).
    virtual bool pickRandomSet() = 0;
    // Shows the current set's details after a pick.
    virtual void showCurrentSet() = 0;
    // A verify changed a set's State: its item is drawn anew with the new state icon.
    virtual void showSetState(const QString &name, SetState state) = 0;
    // The set-list refresh of "Verify All Sets" (the window sets Busy for it).
    virtual void refreshCatalogue() = 0;
    // The list of sets, whose font and colours the verify output window takes.
    virtual const QWidget &setList() const = 0;

    // The information panel's picture: the set whose picture it shows (its snapshot folder is the one the
    // snapshot entries act in), the numbered snapshot file it shows ("0003.png"; empty while it shows a
    // flyer, nothing, or a missing snapshot), and what follows a rename or a delete of that file.
    virtual QString shownPictureSet() const = 0;
    virtual QString shownSnapshot() const = 0;
    virtual void setPictureCaption(const QString &caption) = 0;
    virtual void removeShownPicture() = 0;
};

} // namespace qx
