#pragma once

#include <QString>

namespace qx {

struct ProgramState;

// Makes sure MAME's default option file exists: when the emulator directory holds no mame.ini, runs
// "<exe> -createconfig" directly (no console, hidden) in that directory and waits, so MAME writes it there.
// Returns the mame.ini path (emulatorDir + "mame.ini"), whether the file was created or already there; a
// MAME that fails to write it leaves the path pointing at a missing file, which the option readers treat as
// empty.
QString EnsureEmulatorIni(const QString &emulatorPath, const QString &emulatorDir);

// The same for the program state: sets EmulatorIniPath from EmulatorPath and EmulatorDir.
void EnsureEmulatorIni(ProgramState &state);

} // namespace qx
