#include "catalogue/VerifyRuns.h"

#include "app/CommandRunner.h"

namespace qx {

namespace {

CommandSpec hiddenRun(const QString &emulatorPath, const QString &emulatorDir, const QStringList &arguments,
                      const QString &outputFile) {
    CommandSpec spec;
    spec.program = emulatorPath;
    spec.arguments = arguments;
    spec.workingDirectory = emulatorDir;
    spec.outputFile = outputFile;
    spec.windowStyle = kWindowHidden;
    return spec;
}

} // namespace

VerifyAllRomsRun VerifyAllRoms(const QString &emulatorPath, const QString &emulatorDir,
                               const QString &outputFile, const RunWatch &watch) {
    VerifyAllRomsRun run;
    run.spec = hiddenRun(emulatorPath, emulatorDir, {QStringLiteral("-verifyroms")}, outputFile);
    run.result = RunWatched(run.spec, watch);
    return run;
}

int VerifySetSamples(const QString &emulatorPath, const QString &emulatorDir, const QString &setName,
                     const QString &outputFile) {
    CommandSpec spec =
        hiddenRun(emulatorPath, emulatorDir, {QStringLiteral("-verifysamples"), setName}, outputFile);
    spec.mergeErrorOutput = true;
    return RunUntilExit(spec);
}

} // namespace qx
