#include "launch/LaunchCommand.h"

#include "app/ProgramState.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace qx {

namespace {

// The exit codes MAME documents for its own failures.
QString mameExitReason(int code) {
    switch (code) {
    case 1:
        return QStringLiteral("a failed validity check");
    case 2:
        return QStringLiteral("missing ROM files");
    case 3:
        return QStringLiteral("a fatal error");
    case 4:
        return QStringLiteral("a device initialisation error");
    case 5:
        return QStringLiteral("the set does not exist");
    case 6:
        return QStringLiteral("an invalid configuration");
    case 7:
        return QStringLiteral("an identified file");
    default:
        return QStringLiteral("exit code %1").arg(code);
    }
}

QString startFailureReason(int errorNumber, const QString &program) {
    const QFileInfo info(program);
    if (errorNumber == ENOENT && !info.exists()) {
        return QStringLiteral("the file %1 does not exist.").arg(program);
    }
    if (errorNumber == EACCES) {
        return QStringLiteral("%1 is not an executable program.").arg(program);
    }
    return QString::fromLocal8Bit(std::strerror(errorNumber)) + QLatin1Char('.');
}

} // namespace

ConsoleMode LaunchConsoleMode(int showConsole, bool keepConsoleOpen) {
    return showConsole == kWindowNormal && keepConsoleOpen ? ConsoleMode::Keep : ConsoleMode::Close;
}

CommandRequest SetLaunchRequest(const ProgramState &state, bool keepConsoleOpen, const QString &setName,
                                const QStringList &extraArguments) {
    CommandRequest request;
    request.program = state.EmulatorPath;
    request.arguments = QStringList{setName} + extraArguments;
    request.workingDirectory = state.EmulatorDir;
    request.windowStyle = state.ShowConsole;
    request.console = LaunchConsoleMode(state.ShowConsole, keepConsoleOpen);
    return request;
}

QString LaunchFailureMessage(int runResult, const QString &program, const QString &setName) {
    if (runResult == 0) {
        return QString();
    }
    if (runResult < -1) {
        return QStringLiteral("MAME could not be started: ") +
               startFailureReason(runResult - kObjectErrorBase, program);
    }
    if (runResult == -1) {
        return QStringLiteral("MAME stopped unexpectedly (it crashed) while running %1.").arg(setName);
    }
    return QStringLiteral("MAME could not run %1: %2.").arg(setName, mameExitReason(runResult));
}

} // namespace qx
