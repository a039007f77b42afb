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
struct CommandRequest {
    QString program;
    QStringList arguments;
    QString workingDirectory;      // empty = the current directory
    QString outputFile;            // when set, standard output goes to this file (replacing it)
    bool mergeErrorOutput = false; // standard error goes to the output file too
    int windowStyle = kWindowMinimisedNoFocus;
    ConsoleMode console = ConsoleMode::Close;

    // A run of MAME that only answers a question: no window, its answer in outputFile when one is named.
    static CommandRequest hidden(const QString &program, const QStringList &arguments,
                                 const QString &workingDirectory = {}, const QString &outputFile = {}) {
        CommandRequest request;
        request.program = program;
        request.arguments = arguments;
        request.workingDirectory = workingDirectory;
        request.outputFile = outputFile;
        request.windowStyle = kWindowHidden;
        return request;
    }
};

// The result of a start failure: the error number plus the object-error base 0x80040000, as a signed
// 32-bit integer (so always negative).
inline constexpr int kObjectErrorBase = static_cast<int>(0x80040000u);

// How a watched run ended. The last four are Quorvex ending the run itself.
enum class RunEnd { Exited, Crashed, StartFailed, Cancelled, Silent, TimedOut, OutputTooLarge };

// What a watched run may do before it is ended, and what it reports while it runs. Zero means no limit.
struct RunWatch {
    std::function<void(qint64 outputBytes)> progress; // about every 100 ms, with the output file's size
    std::function<bool()> cancelled;                  // polled about every 100 ms; true ends the run
    int silenceMs = 0;           // ends the run when its output file has not grown for this long
    int timeLimitMs = 0;         // ends the run after this long in all
    qint64 outputLimitBytes = 0; // ends the run once its output file holds more than this
};

struct RunResult {
    RunEnd end = RunEnd::Exited;
    int code = 0; // the program's exit code, -1 for a crash, or the start-failure code

    bool exitedWith(int exitCode) const { return end == RunEnd::Exited && code == exitCode; }
    // Quorvex ended the run (cancelled, silent, too slow, too much output).
    bool stopped() const { return end >= RunEnd::Cancelled; }
};

// Starts the run and waits for it while window events keep being served, so the window repaints, shows
// progress and takes a Cancel click. A run that breaks a limit is killed.
RunResult RunWatched(const CommandRequest &request, const RunWatch &watch);

// RunWatched without limits: the program's exit code, -1 for a crash, or a start-failure code. For runs
// that take as long as the user wants (a set being played).
int RunUntilExit(const CommandRequest &request, const std::function<void(qint64)> &progress = {});

// Why a run failed, in words for a message: "MAME crashed", "MAME printed nothing for 120 seconds and was
// stopped (/usr/games/mame -listxml)"...; empty for a run that exited by itself with code 0.
QString RunFailureText(const RunResult &result, const CommandRequest &request, const RunWatch &watch);

// The command as the user would type it, for messages: the program and its arguments.
QString CommandText(const QString &program, const QStringList &arguments);

// The terminal emulator that shows a console on POSIX: $TERMINAL, else x-terminal-emulator.
QString TerminalEmulator();

// The program and arguments that actually get started for a request (the terminal wrapping on POSIX for a
// shown console). Exposed so tests can check the exact command without starting anything.
struct StartLine {
    QString program;
    QStringList arguments;
};
StartLine BuildStartLine(const CommandRequest &request);

} // namespace qx
