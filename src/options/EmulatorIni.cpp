#include "options/EmulatorIni.h"

#include "app/CommandRunner.h"
#include "app/PathHelpers.h"
#include "app/ProgramState.h"

namespace qx {

QString EnsureEmulatorIni(const QString &emulatorPath, const QString &emulatorDir,
                          const MameRunLimits &limits, QString *error) {
    const QString iniPath = WithTrailingSeparator(emulatorDir) + QStringLiteral("mame.ini");
    if (!FileExists(iniPath)) {
        const CommandRequest request =
            CommandRequest::hidden(emulatorPath, {QStringLiteral("-createconfig")}, emulatorDir);
        RunWatch watch;
        watch.timeLimitMs = limits.answerMs;
        const RunResult run = RunWatched(request, watch);
        if (run.stopped() && error) {
            *error = RunFailureText(run, request, watch) +
                     QStringLiteral(", so MAME's option file %1 was not written.").arg(iniPath);
        }
    }
    return iniPath;
}

QString EnsureEmulatorIni(ProgramState &state) {
    QString error;
    state.EmulatorIniPath = EnsureEmulatorIni(state.EmulatorPath, state.EmulatorDir, state.runLimits, &error);
    return error;
}

} // namespace qx
