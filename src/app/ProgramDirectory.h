#pragma once

#include <QString>

namespace qx {

// Where qx.ini, qx.dat, qx_fav.dat and the work files live: $QUORVEX_HOME when set; else the executable's
// folder when it is writable (a portable install); else $XDG_CONFIG_HOME/quorvex (~/.config/quorvex).
// The folder is created when missing. Returned with a trailing separator.
QString ResolveProgramDirectory(const QString &executableDir);

// The emulator directory of a MAME executable: its folder when the user can write there (a MAME unpacked in
// the user's home), otherwise MAME's per-user folder ~/.mame/ (created when missing), as for a system-wide
// MAME such as /usr/games/mame — also when root could write there. Trailing separator included.
QString ResolveEmulatorDirectory(const QString &emulatorPath);

bool IsWritableFolder(const QString &folder);

// A program directory that cannot be written still serves when its settings and set list can be read:
// Quorvex then runs read-only, saving nothing.
bool CanRunReadOnly(const QString &programDir);
// What the user is told about a program directory that cannot be written, whether or not Quorvex runs.
QString ReadOnlyFolderMessage(const QString &programDir, bool runsReadOnly);

} // namespace qx
