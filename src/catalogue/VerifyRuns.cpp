#include "catalogue/VerifyRuns.h"

#include "app/CommandRunner.h"

namespace qx {

VerifyAllRomsRun VerifyAllRoms(const QString &emulatorPath, const QString &emulatorDir,
                               const QString &outputFile, const RunWatch &watch) {
    VerifyAllRomsRun run;
    run.request =
        CommandRequest::hidden(emulatorPath, {QStringLiteral("-verifyroms")}, emulatorDir, outputFile);
    run.result = RunWatched(run.request, watch);
    return run;
}

int VerifySetSamples(const QString &emulatorPath, const QString &emulatorDir, const QString &setName,
                     const QString &outputFile) {
    CommandRequest request = CommandRequest::hidden(emulatorPath, {QStringLiteral("-verifysamples"), setName},
                                                    emulatorDir, outputFile);
    request.mergeErrorOutput = true;
    return RunUntilExit(request);
}

} // namespace qx
