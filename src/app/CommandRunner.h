#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace qx {

// How the console of a run behaves: closed when the program ends ("/C") or kept open ("/K").
enum class ConsoleMode { Close, Keep };

// Window styles of the classic process start; 0 = hidden, 1 = normal with focus, 6 = minimised without
// focus. A style other than 0 shows the run's console (on POSIX: inside a terminal emulator).
inline constexpr int kWindowHidden = 0;
inline constexpr int kWindowNormal = 1;
inline constexpr int kWindowMinimisedNoFocus = 6;

// One run of a program. On POSIX the program is started directly with its argument list (no shell), so
// arguments with blanks, quotes, ";" or "$" reach it unchanged, one argument each.
struct CommandSpec {
    QString program;
    QStringList arguments;
    QString workingDirectory;      // empty = the current directory
    QString outputFile;            // when set, standard output goes to this file (replacing it)
    bool mergeErrorOutput = false; // standard error goes to the output file too
    int windowStyle = kWindowMinimisedNoFocus;
    ConsoleMode console = ConsoleMode::Close;
};

// The result of a start failure: the error number plus the object-error base 0x80040000, as a signed
// 32-bit integer (so always negative).
inline constexpr int kObjectErrorBase = static_cast<int>(0x80040000u);
inline constexpr int kWaitTimedOut = 258;
inline constexpr int kStillActive = 259;

// Starts the run and waits for it without serving window events (short runs only). Returns 0 when the
// process ended, kWaitTimedOut when the time-out passed first (the process is then left running), or a
// start-failure code. timeoutMs < 0 waits without limit.
int RunAndWait(const CommandSpec &spec, int timeoutMs = -1);

// Starts the run and waits for it while window events keep being served, so the window repaints and shows
// progress. Returns the program's exit code, or a start-failure code. The optional progress callback is
// called about every 100 ms with the number of bytes written to the output file so far.
int RunUntilExit(const CommandSpec &spec, const std::function<void(qint64)> &progress = {});

// The terminal emulator that shows a console on POSIX: $TERMINAL, else x-terminal-emulator.
QString TerminalEmulator();

// The program and arguments that actually get started for a spec (the terminal wrapping on POSIX for a
// shown console). Exposed so tests can check the exact command without starting anything.
struct StartLine {
    QString program;
    QStringList arguments;
};
StartLine BuildStartLine(const CommandSpec &spec);

} // namespace qx
