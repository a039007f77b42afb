#pragma once

#include "app/MameRunLimits.h"

#include <QString>

namespace qx {

// Program-wide state, alive for the whole run and owned by the main window.
struct ProgramState {
    QString programDir;        // with trailing separator; holds qx.ini, qx.dat, qx_fav.dat and work files
    QString EmulatorPath;      // the MAME executable (full path; there are no short names here)
    QString EmulatorDir;       // the emulator directory, with trailing separator; working dir of every run
    QString EmulatorIniPath;   // EmulatorDir + "mame.ini"
    QString CurrentSetName;    // key LastSelected
    QString SnapshotDirectory; // with trailing separator
    QString PictureDirectory;  // with trailing separator
    int ShowConsole = 0;
    bool ShowToolTips = true;
    bool checksamples = true;
    bool trayMin = false;
    bool VideoFullScreen = false;
    bool RomChangeConfirmed = false;
    bool RomPathsChanged = false;
    bool FullScreenListActive = false;
    MameRunLimits runLimits;

    // EmulatorIniPath, or mame.ini in the emulator directory before it is known.
    QString mameIniPath() const {
        return EmulatorIniPath.isEmpty() ? EmulatorDir + QStringLiteral("mame.ini") : EmulatorIniPath;
    }
    QString settingsPath() const { return programDir + QStringLiteral("qx.ini"); }
    QString cachePath() const { return programDir + QStringLiteral("qx.dat"); }
    QString favouritesPath() const { return programDir + QStringLiteral("qx_fav.dat"); }
    QString workFile(const QString &name) const { return programDir + name; }
};

} // namespace qx
