#pragma once

#include <QString>
#include <functional>

namespace qx {

// MAME's verify runs. Both wait while window events keep being served (RunUntilExit), run hidden in the
// emulator directory, and return MAME's exit code (or a start-failure code; the output file is then missing
// and every set counts as unavailable).

// "<exe> -verifyroms" into outputFile (normally qx_verifyroms.dat in the program directory). A full verify of
// today's MAME takes most of a minute; progress receives the bytes written so far.
int VerifyAllRoms(const QString &emulatorPath, const QString &emulatorDir, const QString &outputFile,
                  const std::function<void(qint64)> &progress = {});

// "<exe> -verifysamples NAME" into outputFile (normally qx_samples.dat), standard error included.
int VerifySetSamples(const QString &emulatorPath, const QString &emulatorDir, const QString &setName,
                     const QString &outputFile);

inline const QString kSamplesWorkFile = QStringLiteral("qx_samples.dat");

} // namespace qx
