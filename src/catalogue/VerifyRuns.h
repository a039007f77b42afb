#pragma once

#include "app/CommandRunner.h"

#include <QString>
#include <functional>

namespace qx {

// MAME's verify runs. Both wait while window events keep being served (RunUntilExit), run hidden in the
// emulator directory, and return MAME's exit code (or a start-failure code; the output file is then missing
// and every set counts as unavailable).

// "<exe> -verifyroms" into outputFile (normally qx_verifyroms.dat in the program directory), watched as the
// caller says (progress, Cancel, silence, output size). A full verify of today's MAME takes a minute or two.
struct VerifyAllRomsRun {
    CommandRequest request;
    RunResult result;
};
VerifyAllRomsRun VerifyAllRoms(const QString &emulatorPath, const QString &emulatorDir,
                               const QString &outputFile, const RunWatch &watch = {});

// "<exe> -verifysamples NAME" into outputFile (normally qx_samples.dat), standard error included.
int VerifySetSamples(const QString &emulatorPath, const QString &emulatorDir, const QString &setName,
                     const QString &outputFile);

inline const QString kSamplesWorkFile = QStringLiteral("qx_samples.dat");

} // namespace qx
