#include "app/CommandRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace qx {

namespace {

constexpr int kStartWaitMs = 30'000;

bool showsConsole(const CommandRequest &request) {
    return request.windowStyle != kWindowHidden;
}

#ifdef Q_OS_WIN

QString quotedIfSpaced(const QString &text) {
    return text.contains(QLatin1Char(' ')) ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

// The classic line: %COMSPEC% /C (or /K) program args [> file [2>&1]], handed to CreateProcess as is.
StartLine buildConsoleLine(const CommandRequest &request) {
    QString comspec = qEnvironmentVariable("COMSPEC");
    if (comspec.isEmpty()) {
        comspec = QStringLiteral("cmd.exe");
    }
    QString line = request.console == ConsoleMode::Keep ? QStringLiteral(" /K ") : QStringLiteral(" /C ");
    line += quotedIfSpaced(QDir::toNativeSeparators(request.program));
    for (const QString &argument : request.arguments) {
        line += QLatin1Char(' ') + quotedIfSpaced(argument);
    }
    if (!request.outputFile.isEmpty()) {
        line += QStringLiteral(" > ") + quotedIfSpaced(QDir::toNativeSeparators(request.outputFile));
        if (request.mergeErrorOutput) {
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

bool runsInTerminal(const CommandRequest &request) {
    return showsConsole(request) && terminalAvailable();
}

// The program and its arguments reach the script as positional parameters ("$@"), so nothing is ever
// quoted into a command string. With an output file, the file comes first ($1) and is shifted away.
QString terminalScript(const CommandRequest &request) {
    QString script;
    QString run = QStringLiteral("\"$@\"");
    if (!request.outputFile.isEmpty()) {
        script = QStringLiteral("out=$1; shift; ");
        run += request.mergeErrorOutput ? QStringLiteral(" >\"$out\" 2>&1") : QStringLiteral(" >\"$out\"");
    }
    if (request.console == ConsoleMode::Keep) {
        script +=
            run + QStringLiteral("; status=$?; printf '\\n[Press Enter to close]'; read _; exit $status");
    } else {
        script += QStringLiteral("exec ") + run;
    }
    return script;
}

StartLine buildTerminalLine(const CommandRequest &request) {
    QStringList arguments{QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"),
                          terminalScript(request), QStringLiteral("sh")};
    if (!request.outputFile.isEmpty()) {
        arguments.append(request.outputFile);
    }
    arguments.append(request.program);
    arguments.append(request.arguments);
    return {TerminalEmulator(), arguments};
}

#endif

// Everything but the start itself: program, arguments, folder and where the output goes.
void prepareProcess(QProcess &process, const CommandRequest &request) {
    const StartLine line = BuildStartLine(request);
    process.setProgram(line.program);
    if (!request.workingDirectory.isEmpty()) {
        process.setWorkingDirectory(request.workingDirectory);
    }
#ifdef Q_OS_WIN
    process.setNativeArguments(line.arguments.value(0));
    const bool hidden = !showsConsole(request);
    process.setCreateProcessArgumentsModifier([hidden](QProcess::CreateProcessArguments *arguments) {
        arguments->flags |= hidden ? CREATE_NO_WINDOW : CREATE_NEW_CONSOLE;
    });
#else
    process.setArguments(line.arguments);
    // Never leave output in an unread pipe: -listxml alone is hundreds of megabytes.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    if (runsInTerminal(request)) {
        return; // the terminal shows the output, or its script redirects it to the output file
    }
    process.setStandardInputFile(QProcess::nullDevice());
    if (request.outputFile.isEmpty()) {
        return;
    }
    process.setProcessChannelMode(request.mergeErrorOutput ? QProcess::MergedChannels
                                                           : QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(request.outputFile, QIODevice::Truncate);
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
    // Starting is fork and exec: seconds at most, even on a loaded machine.
    if (process.waitForStarted(kStartWaitMs)) {
        return 0;
    }
    return kObjectErrorBase + startErrorNumber(process);
}

} // namespace

QString TerminalEmulator() {
    const QString terminal = qEnvironmentVariable("TERMINAL").trimmed();
    return terminal.isEmpty() ? QStringLiteral("x-terminal-emulator") : terminal;
}

StartLine BuildStartLine(const CommandRequest &request) {
#ifdef Q_OS_WIN
    return buildConsoleLine(request);
#else
    if (runsInTerminal(request)) {
        return buildTerminalLine(request);
    }
    return {request.program, request.arguments};
#endif
}

namespace {

// The limit a run broke at this moment, or Exited while it may go on.
class RunGuard {
public:
    RunGuard(const CommandRequest &request, const RunWatch &watch) : m_request(request), m_watch(watch) {
        m_started.start();
        m_quiet.start();
    }

    qint64 outputSize() const {
        return m_request.outputFile.isEmpty() ? 0 : QFileInfo(m_request.outputFile).size();
    }

    RunEnd check() {
        const qint64 size = outputSize();
        if (size != m_lastSize) {
            m_lastSize = size;
            m_quiet.restart();
        }
        if (m_watch.cancelled && m_watch.cancelled()) {
            return RunEnd::Cancelled;
        }
        if (m_watch.outputLimitBytes > 0 && size > m_watch.outputLimitBytes) {
            return RunEnd::OutputTooLarge;
        }
        if (m_watch.timeLimitMs > 0 && m_started.hasExpired(m_watch.timeLimitMs)) {
            return RunEnd::TimedOut;
        }
        // Only a run whose output Quorvex sees can be told to be silent.
        if (m_watch.silenceMs > 0 && !m_request.outputFile.isEmpty() &&
            m_quiet.hasExpired(m_watch.silenceMs)) {
            return RunEnd::Silent;
        }
        return RunEnd::Exited;
    }

private:
    const CommandRequest &m_request;
    const RunWatch &m_watch;
    QElapsedTimer m_started;
    QElapsedTimer m_quiet;
    qint64 m_lastSize = 0;
};

QString seconds(int milliseconds) {
    const int whole = (milliseconds + 999) / 1000;
    return whole == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(whole);
}

} // namespace

RunResult RunWatched(const CommandRequest &request, const RunWatch &watch) {
    QProcess process;
    prepareProcess(process, request);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (const int failure = startProcess(process)) {
        return {RunEnd::StartFailed, failure};
    }
    RunGuard guard(request, watch);
    RunEnd stoppedBy = RunEnd::Exited;
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (watch.progress) {
            watch.progress(guard.outputSize());
        }
        stoppedBy = guard.check();
        if (stoppedBy != RunEnd::Exited) {
            process.kill();
        }
    });
    poll.start();
    if (process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    poll.stop();
    if (watch.progress) {
        watch.progress(guard.outputSize());
    }
    if (stoppedBy != RunEnd::Exited) {
        return {stoppedBy, -1};
    }
    // A crash has no exit code of its own; -1 keeps it apart from every code a program can return (0..255).
    return process.exitStatus() == QProcess::CrashExit ? RunResult{RunEnd::Crashed, -1}
                                                       : RunResult{RunEnd::Exited, process.exitCode()};
}

int RunUntilExit(const CommandRequest &request, const std::function<void(qint64)> &progress) {
    RunWatch watch;
    watch.progress = progress;
    return RunWatched(request, watch).code;
}

QString CommandText(const QString &program, const QStringList &arguments) {
    return QStringList(QStringList{program} + arguments).join(QLatin1Char(' '));
}

QString RunFailureText(const RunResult &result, const CommandRequest &request, const RunWatch &watch) {
    const QString command = CommandText(request.program, request.arguments);
    switch (result.end) {
    case RunEnd::Exited:
        return result.code == 0
                   ? QString()
                   : QStringLiteral("MAME ended with exit code %1 (%2)").arg(result.code).arg(command);
    case RunEnd::Crashed:
        return QStringLiteral("MAME crashed (%1)").arg(command);
    case RunEnd::StartFailed:
        return QStringLiteral("MAME could not be started (%1)").arg(command);
    case RunEnd::Cancelled:
        return QStringLiteral("The run was cancelled (%1)").arg(command);
    case RunEnd::Silent:
        return QStringLiteral("MAME printed nothing for %1 and was stopped (%2)")
            .arg(seconds(watch.silenceMs), command);
    case RunEnd::TimedOut:
        return QStringLiteral("MAME did not finish within %1 and was stopped (%2)")
            .arg(seconds(watch.timeLimitMs), command);
    case RunEnd::OutputTooLarge:
        return QStringLiteral("MAME printed more than %1 and was stopped (%2)")
            .arg(QLocale().formattedDataSize(watch.outputLimitBytes, 0, QLocale::DataSizeTraditionalFormat),
                 command);
    }
    return QString();
}

} // namespace qx
