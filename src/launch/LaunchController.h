#pragma once

#include "launch/CaptureKind.h"
#include "launch/LaunchHooks.h"

#include <QObject>

namespace qx {

class MainWindow;

// Runs MAME on a set from the main window: the plain launch, the five capture runs and random play. The
// window hides while MAME runs (its event loop keeps going, so nothing freezes) and comes back afterwards;
// Busy is set for the whole run and always cleared, also when MAME cannot start or crashes, which the user
// is told about.
class LaunchController : public QObject {
    Q_OBJECT
public:
    LaunchController(MainWindow &window, LaunchHooks hooks);

    // Connects the capture entries of the File menu and the item pop-up, and the random-play entries of the
    // File menu, the general pop-up and the tray menu. The play entries are the browser's (its launchSet
    // hook calls LaunchSet).
    void connectActions();

    // Runs MAME on the set and waits. The window comes back in the state it had, except that a window
    // minimised to the notification area (trayMin) stays there. False when nothing ran (no name, Busy, or
    // MAME could not start).
    bool LaunchSet(const QString &setName);
    // Asks for the capture file of the kind and runs MAME on the current set with it. A cancelled dialog runs
    // nothing and leaves the window as it is; after a run the window is always shown.
    bool LaunchWithCapture(CaptureKind kind);
    // Picks a random available set in the shown view and, unless RandomSelectOnly is on, launches it.
    void PlayRandomSet();

private:
    int runHidden(const QString &setName, const QStringList &extraArguments);
    void reportFailure(int runResult, const QString &setName);

    MainWindow &m_window;
    LaunchHooks m_hooks;
};

} // namespace qx
