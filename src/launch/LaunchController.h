#pragma once

#include "launch/CaptureKind.h"

#include <QObject>

namespace qx {

class LaunchHost;

// Runs MAME on a set from the main window: the plain launch, the five capture runs and random play. The
// window hides while MAME runs (its event loop keeps going, so nothing freezes) and comes back afterwards;
// Busy is set and the joystick paused for the whole run and always cleared, also when MAME cannot start or
// crashes, which the user is told about.
class LaunchController : public QObject {
    Q_OBJECT
public:
    explicit LaunchController(LaunchHost &host, QObject *parent = nullptr);

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

    LaunchHost &m_host;
};

} // namespace qx
