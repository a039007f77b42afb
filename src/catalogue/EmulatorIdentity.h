#pragma once

#include "app/MameRunLimits.h"

#include <QString>

namespace qx {

class UserPrompts;

// What identifying a chosen executable found out. The caller writes Version to the settings and puts
// Version + " - Quorvex" into the window caption when ok is true.
struct EmulatorIdentity {
    bool ok = false;
    QString version; // the first help line cut after its first ")"; empty when it has none
};

// Makes sure the file is MAME and not one of its companion tools, and reads its version line:
//  - chdman, romcmp, jedutil and ledutil (with or without ".exe", case-sensitive) are refused with
//    "This file is not a MAME executable." and nothing is run;
//  - otherwise "<exe> -help" runs hidden into the work file qx_mamever.dat in the program directory (deleted
//    afterwards); its first line must contain "Multiple Arcade Machine Emulator" (older MAME) or start with
//    "MAME v" (today's MAME), else "This file doesn't seem to be a MAME executable." is shown;
//  - a program that does not finish within limits.answerMs, or prints more than a help text could hold,
//    is stopped and refused with a message that says so.
// Messages go through prompts with the title "Quorvex" and end with the executable's path.
EmulatorIdentity IdentifyEmulator(const QString &executablePath, const QString &programDir,
                                  UserPrompts &prompts, const MameRunLimits &limits = {});

// The rules of IdentifyEmulator without running anything, for callers that already hold the help text.
bool IsCompanionTool(const QString &executablePath);
bool IsMameBanner(const QString &firstHelpLine);
QString VersionFromBanner(const QString &firstHelpLine);

// The MAME the first-run dialog preselects: "mame" found on PATH, else /usr/games/mame when it exists, else
// empty (the dialog then opens in the program directory).
QString SuggestEmulatorPath();

inline const QString kNotMameMessage = QStringLiteral("This file is not a MAME executable.");
inline const QString kNotMameLikeMessage = QStringLiteral("This file doesn't seem to be a MAME executable.");

} // namespace qx
