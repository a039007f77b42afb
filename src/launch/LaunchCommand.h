#pragma once

#include "app/CommandRunner.h"

#include <QString>
#include <QStringList>

namespace qx {

struct ProgramState;

// The console stays open after the run ("/K") only when the console is shown (ShowConsole 1) and the user
// asked to keep it (KeepConsoleOpen); every other combination closes it with the run ("/C").
ConsoleMode LaunchConsoleMode(int showConsole, bool keepConsoleOpen);

// The run of MAME on a set: the executable itself with the set name (and, for a capture, the switch and the
// file) as separate arguments, in the emulator directory, with the console as ShowConsole asks. Nothing is
// quoted: a file name with blanks, quotes or ";" reaches MAME as one argument.
CommandRequest SetLaunchRequest(const ProgramState &state, bool keepConsoleOpen, const QString &setName,
                                const QStringList &extraArguments = {});

// What went wrong with a MAME run, in words for the user; empty when the run went well. A start failure
// (RunUntilExit's negative object-error code) names the executable and the reason; a crash and MAME's own
// failure exit codes name the set.
QString LaunchFailureMessage(int runResult, const QString &program, const QString &setName);

} // namespace qx
