#include "launch/SingleSetVerify.h"

#include "app/CommandRunner.h"
#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "catalogue/SetCatalogue.h"
#include "catalogue/SetListCache.h"
#include "catalogue/VerifyRuns.h"

#include <QFile>

namespace qx {

VerifyVerdict VerdictOf(QByteArrayView verifyOutput) {
    if (verifyOutput.contains("is best available") || verifyOutput.contains("is good")) {
        return VerifyVerdict::Usable;
    }
    if (verifyOutput.contains("not found!") || verifyOutput.contains("is bad")) {
        return VerifyVerdict::Unusable;
    }
    return VerifyVerdict::Unknown;
}

std::optional<SetState> StateChangeFor(VerifyVerdict verdict, SetState shown) {
    if (verdict == VerifyVerdict::Usable && shown == SetState::Unavailable) {
        return SetState::Available;
    }
    if (verdict == VerifyVerdict::Unusable && shown == SetState::Available) {
        return SetState::Unavailable;
    }
    return std::nullopt;
}

int VerifyOneSet(const QString &emulatorPath, const QString &emulatorDir, const QString &setName,
                 const QString &outputFile) {
    CommandRequest request = CommandRequest::hidden(emulatorPath, {QStringLiteral("-verifyroms"), setName},
                                                    emulatorDir, outputFile);
    request.mergeErrorOutput = true;
    return RunUntilExit(request);
}

SetVerifyReport VerifySetReport(const ProgramState &state, const QString &setName, bool checkSamples) {
    SetVerifyReport report;
    const QString romsFile = state.workFile(kRomsWorkFile);
    const QString samplesFile = state.workFile(kSamplesWorkFile);
    QFile::remove(romsFile); // a stale answer must never stand in for a run that wrote nothing
    report.exitCode = VerifyOneSet(state.EmulatorPath, state.EmulatorDir, setName, romsFile);
    report.romsOutput = ReadWholeFile(romsFile);
    report.verdict = VerdictOf(report.romsOutput);
    if (checkSamples) {
        QFile::remove(samplesFile);
        VerifySetSamples(state.EmulatorPath, state.EmulatorDir, setName, samplesFile);
        const QByteArray samples = ReadWholeFile(samplesFile);
        report.samplesText = samples.trimmed().isEmpty()
                                 ? QStringLiteral("sampleset %1 not supported.").arg(setName)
                                 : QString::fromUtf8(samples);
    }
    QFile::remove(romsFile);
    QFile::remove(samplesFile);
    return report;
}

QString VerifyWindowText(const SetVerifyReport &report) {
    QString text = QString::fromUtf8(report.romsOutput);
    if (!report.samplesText.isEmpty()) {
        text += QLatin1Char('\n') + report.samplesText;
    }
    return text;
}

std::optional<SetState> ShownStateOf(const SetCatalogue &catalogue, const QString &cachePath,
                                     const QString &setName) {
    const qsizetype index = catalogue.indexOfName(setName);
    if (index >= 0) {
        return catalogue.at(index).state();
    }
    const TextLines cache = SplitTextLines(ReadWholeFile(cachePath));
    SetRecord record;
    for (const QByteArray &line : cache.lines) {
        if (ParseCacheLine(line, record) && record.Name == setName) {
            return record.State;
        }
    }
    return std::nullopt;
}

std::optional<SetState> ApplyVerifyVerdict(SetCatalogue &catalogue, const QString &cachePath,
                                           const QString &setName, VerifyVerdict verdict, QString *error) {
    const std::optional<SetState> shown = ShownStateOf(catalogue, cachePath, setName);
    if (!shown) {
        return std::nullopt;
    }
    const std::optional<SetState> changed = StateChangeFor(verdict, *shown);
    if (!changed) {
        return std::nullopt;
    }
    // A failed rewrite sets error; the catalogue holds the new State either way, as the view shows it.
    UpdateSetEntry(catalogue, cachePath, setName, *changed, error);
    return changed;
}

} // namespace qx
