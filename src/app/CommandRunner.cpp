#include "app/CommandRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace qx {

namespace {

bool showsConsole(const CommandSpec &spec) {
    return spec.windowStyle != kWindowHidden;
}

#ifdef Q_OS_WIN

QString quotedIfSpaced(const QString &text) {
    return text.contains(QLatin1Char(' ')) ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

// The classic line: %COMSPEC% /C (or /K) program args [> file [2>&1]], handed to CreateProcess as is.
StartLine buildConsoleLine(const CommandSpec &spec) {
    QString comspec = qEnvironmentVariable("COMSPEC");
    if (comspec.isEmpty()) {
        comspec = QStringLiteral("cmd.exe");
    }
    QString line = spec.console == ConsoleMode::Keep ? QStringLiteral(" /K ") : QStringLiteral(" /C ");
    line += quotedIfSpaced(QDir::toNativeSeparators(spec.program));
    for (const QString &argument : spec.arguments) {
        line += QLatin1Char(' ') + quotedIfSpaced(argument);
    }
    if (!spec.outputFile.isEmpty()) {
        line += QStringLiteral(" > ") + quotedIfSpaced(QDir::toNativeSeparators(spec.outputFile));
        if (spec.mergeErrorOutput) {
            line += QStringLiteral(" 2>&1");
        }
    }
    return {comspec, {line}};
}

#else

// The terminal is only used when it can be found; otherwise the run goes ahead without a console.
bool terminalAvailable() {
    return !QStandardPaths::findExecutable(TerminalEmulator()).isEmpty();
}

bool runsInTerminal(const CommandSpec &spec) {
    return showsConsole(spec) && terminalAvailable();
}

// The program and its arguments reach the script as positional parameters ("$@"), so nothing is ever
// quoted into a command string. With an output file, the file comes first ($1) and is shifted away.
QString terminalScript(const CommandSpec &spec) {
    QString script;
    QString run = QStringLiteral("\"$@\"");
    if (!spec.outputFile.isEmpty()) {
        script = QStringLiteral("out=$1; shift; ");
        run += spec.mergeErrorOutput ? QStringLiteral(" >\"$out\" 2>&1") : QStringLiteral(" >\"$out\"");
    }
    if (spec.console == ConsoleMode::Keep) {
        script +=
            run + QStringLiteral("; status=$?; printf '\\n[Press Enter to close]'; read _; exit $status");
    } else {
        script += QStringLiteral("exec ") + run;
    }
    return script;
}

StartLine buildTerminalLine(const CommandSpec &spec) {
    QStringList arguments{QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"),
                          terminalScript(spec), QStringLiteral("sh")};
    if (!spec.outputFile.isEmpty()) {
        arguments.append(spec.outputFile);
    }
    arguments.append(spec.program);
    arguments.append(spec.arguments);
    return {TerminalEmulator(), arguments};
}

#endif

// Everything but the start itself: program, arguments, folder and where the output goes.
void prepareProcess(QProcess &process, const CommandSpec &spec) {
    const StartLine line = BuildStartLine(spec);
    process.setProgram(line.program);
    if (!spec.workingDirectory.isEmpty()) {
        process.setWorkingDirectory(spec.workingDirectory);
    }
#ifdef Q_OS_WIN
    process.setNativeArguments(line.arguments.value(0));
    const bool hidden = !showsConsole(spec);
    process.setCreateProcessArgumentsModifier([hidden](QProcess::CreateProcessArguments *arguments) {
        arguments->flags |= hidden ? CREATE_NO_WINDOW : CREATE_NEW_CONSOLE;
    });
#else
    process.setArguments(line.arguments);
    // Never leave output in an unread pipe: -listxml alone is hundreds of megabytes.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    if (runsInTerminal(spec)) {
        return; // the terminal shows the output, or its script redirects it to the output file
    }
    process.setStandardInputFile(QProcess::nullDevice());
    if (spec.outputFile.isEmpty()) {
        return;
    }
    process.setProcessChannelMode(spec.mergeErrorOutput ? QProcess::MergedChannels
                                                        : QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(spec.outputFile, QIODevice::Truncate);
#endif
}

// QProcess does not hand out the system's error number, so the usual causes are told apart here.
int startErrorNumber(const QProcess &process) {
    if (!process.workingDirectory().isEmpty() && !QFileInfo(process.workingDirectory()).isDir()) {
        return ENOENT;
    }
    const QString program = process.program();
    const QString found =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(found);
    if (found.isEmpty() || !info.exists()) {
        return ENOENT;
    }
    if (!info.isExecutable() || info.isDir()) {
        return EACCES;
    }
    return ENOEXEC;
}

// Starts the prepared process; 0 on success, else the start-failure code.
int startProcess(QProcess &process) {
    process.start();
    if (process.waitForStarted(-1)) {
        return 0;
    }
    return kObjectErrorBase + startErrorNumber(process);
}

// A crash has no exit code of its own; -1 keeps it apart from every code a program can return (0..255).
int exitCodeOf(const QProcess &process) {
    return process.exitStatus() == QProcess::CrashExit ? -1 : process.exitCode();
}

} // namespace

QString TerminalEmulator() {
    const QString terminal = qEnvironmentVariable("TERMINAL").trimmed();
    return terminal.isEmpty() ? QStringLiteral("x-terminal-emulator") : terminal;
}

StartLine BuildStartLine(const CommandSpec &spec) {
#ifdef Q_OS_WIN
    return buildConsoleLine(spec);
#else
    if (runsInTerminal(spec)) {
        return buildTerminalLine(spec);
    }
    return {spec.program, spec.arguments};
#endif
}

int RunAndWait(const CommandSpec &spec, int timeoutMs) {
    auto process = std::make_unique<QProcess>();
    prepareProcess(*process, spec);
    if (const int failure = startProcess(*process)) {
        return failure;
    }
    if (process->waitForFinished(timeoutMs < 0 ? -1 : timeoutMs)) {
        return 0;
    }
    if (process->state() == QProcess::NotRunning) {
        return 0; // ended between the wait and the check
    }
    // Destroying a running QProcess kills it; the run outlives the wait instead and cleans up after itself,
    // or, still running when the program ends, is ended with it rather than leaked.
    QProcess *running = process.release();
    running->setParent(QCoreApplication::instance());
    QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
    return kWaitTimedOut;
}

int RunUntilExit(const CommandSpec &spec, const std::function<void(qint64)> &progress) {
    QProcess process;
    prepareProcess(process, spec);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (const int failure = startProcess(process)) {
        return failure;
    }
    const auto reportProgress = [&] {
        if (progress) {
            progress(spec.outputFile.isEmpty() ? 0 : QFileInfo(spec.outputFile).size());
        }
    };
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, &loop, reportProgress);
    poll.start();
    if (process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    poll.stop();
    reportProgress();
    return exitCodeOf(process);
}

} // namespace qx
