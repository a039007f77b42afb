#pragma once

#include "catalogue/SetRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace qx {

class SetCatalogue;
struct ProgramState;

// What MAME's -verifyroms answer for one set says.
enum class VerifyVerdict {
    Usable,   // "is best available" or "is good"
    Unusable, // "not found!" or "is bad"
    Unknown,  // anything else (nothing printed, a crash): the set stays as it is
};

VerifyVerdict VerdictOf(QByteArrayView verifyOutput);

// The State a set shown with `shown` gets from a verdict; nullopt when nothing changes.
std::optional<SetState> StateChangeFor(VerifyVerdict verdict, SetState shown);

// "<exe> -verifyroms NAME" in the emulator directory, hidden, standard output and standard error together
// into outputFile (MAME reports a set it has no files for on standard error), waiting while window events
// are served. Returns MAME's exit code or a start-failure code.
int VerifyOneSet(const QString &emulatorPath, const QString &emulatorDir, const QString &setName,
                 const QString &outputFile);

// A single-set verify as the window shows it: MAME's answer, and with samples also the sample check (or
// "sampleset NAME not supported." when MAME says nothing about samples). The work files qx_roms.dat and
// qx_samples.dat are deleted before it returns.
struct SetVerifyReport {
    int exitCode = 0;
    QByteArray romsOutput;
    VerifyVerdict verdict = VerifyVerdict::Unknown;
    QString samplesText; // empty unless samples were checked
};

SetVerifyReport VerifySetReport(const ProgramState &state, const QString &setName, bool checkSamples);

// The text of the verify output window: MAME's answer, then a line break and the samples text when there is
// one.
QString VerifyWindowText(const SetVerifyReport &report);

// The State the user sees for a set: its catalogue record's, else its line's in qx.dat; nullopt when the
// set is in neither.
std::optional<SetState> ShownStateOf(const SetCatalogue &catalogue, const QString &cachePath,
                                     const QString &setName);

// Applies a verdict: when the set's State changes, the catalogue record and every qx.dat line of that Name
// get the new State (nothing else of qx.dat changes) and the new State is returned. nullopt when nothing
// changed. A failed rewrite of qx.dat sets error.
std::optional<SetState> ApplyVerifyVerdict(SetCatalogue &catalogue, const QString &cachePath,
                                           const QString &setName, VerifyVerdict verdict, QString *error);

inline const QString kRomsWorkFile = QStringLiteral("qx_roms.dat");

} // namespace qx
