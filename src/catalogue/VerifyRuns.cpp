#include "catalogue/VerifyRuns.h"

#include "app/CommandRunner.h"

namespace qx {

namespace {

CommandRequest hiddenRun(const QString &emulatorPath, const QString &emulatorDir,
                         const QStringList &arguments, const QString &outputFile) {
    CommandRequest request;
    request.program = emulatorPath;
    request.arguments = arguments;
    request.workingDirectory = emulatorDir;
    request.outputFile = outputFile;
    request.windowStyle = kWindowHidden;
    return request;
}

} // namespace

VerifyAllRomsRun VerifyAllRoms(const QString &emulatorPath, const QString &emulatorDir,
                               const QString &outputFile, const RunWatch &watch) {
    VerifyAllRomsRun run;
    run.request = hiddenRun(emulatorPath, emulatorDir, {QStringLiteral("-verifyroms")}, outputFile);
    run.result = RunWatched(run.request, watch);
    return run;
}

int VerifySetSamples(const QString &emulatorPath, const QString &emulatorDir, const QString &setName,
                     const QString &outputFile) {
    CommandRequest request =
        hiddenRun(emulatorPath, emulatorDir, {QStringLiteral("-verifysamples"), setName}, outputFile);
    request.mergeErrorOutput = true;
    return RunUntilExit(request);
}

} // namespace qx
