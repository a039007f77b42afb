#pragma once

#include "app/MameRunLimits.h"

#include <QString>

namespace qx {

struct ProgramState;

// Makes sure MAME's default option file exists: when the emulator directory holds no mame.ini, runs
// "<exe> -createconfig" directly (no console, hidden) in that directory and waits in a local event loop, so
// MAME writes it there. A MAME that has not finished within limits.answerMs is stopped, and error (when
// given) receives a message saying so. Returns the mame.ini path (emulatorDir + "mame.ini"), whether the file
// was created or already there; a MAME that fails to write it leaves the path pointing at a missing file,
// which the option readers treat as empty.
QString EnsureEmulatorIni(const QString &emulatorPath, const QString &emulatorDir,
                          const MameRunLimits &limits = {}, QString *error = nullptr);

// The same for the program state: sets EmulatorIniPath from EmulatorPath and EmulatorDir. Returns the
// message for the user when MAME had to be stopped, else an empty text.
QString EnsureEmulatorIni(ProgramState &state);

} // namespace qx
