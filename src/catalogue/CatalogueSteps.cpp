#include "catalogue/CatalogueSteps.h"

#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/Crc32.h"
#include "catalogue/RomFolderScan.h"
#include "catalogue/SetListCache.h"
#include "catalogue/VerifyRuns.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace qx {

namespace {

// Counts the lines of the verify output that report a set ("romset NAME ..."); MAME also prints lines for
// the single files of a set. Only whole lines are counted, so a line split between two reads counts once.
class VerifiedSetCounter {
public:
    explicit VerifiedSetCounter(QString file) : m_file(std::move(file)) {}

    qint64 update(qint64 size) {
        if (size <= m_counted) {
            return m_sets;
        }
        QFile file(m_file);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(m_counted)) {
            return m_sets;
        }
        const QByteArray added = file.read(size - m_counted);
        const qsizetype lastBreak = added.lastIndexOf('\n');
        for (qsizetype start = 0; start <= lastBreak;) {
            const qsizetype end = added.indexOf('\n', start);
            m_sets += QByteArrayView(added).sliced(start, end - start).startsWith("romset ") ? 1 : 0;
            start = end + 1;
        }
        m_counted += lastBreak + 1;
        return m_sets;
    }

private:
    QString m_file;
    qint64 m_counted = 0;
    qint64 m_sets = 0;
};

// "1,234": the count with its digits grouped, in the user's language.
QString groupedNumber(qint64 value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

} // namespace

QString VerifyRunOutcome::failureMessage() const {
    return QStringLiteral("MAME's verify could not be used: %1.\n\nEvery set keeps the state it had.")
        .arg(failure);
}

CatalogueSteps::CatalogueSteps(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                               UserPrompts &prompts)
    : m_state(state), m_settings(settings), m_host(host), m_prompts(prompts) {}

QString CatalogueSteps::recordExecutableCrc() {
    const QString oldCrc = m_settings.read(Settings::Crc32);
    m_settings.set(Settings::Crc32, FileCrcText(m_state.EmulatorPath).value_or(QString()));
    return oldCrc;
}

bool CatalogueSteps::isUnchanged(const QString &oldCrc) const {
    const QString newCrc = m_settings.read(Settings::Crc32);
    return !newCrc.isEmpty() && newCrc == oldCrc && FileExists(m_state.cachePath());
}

void CatalogueSteps::restoreCrc(const QString &oldCrc) {
    m_settings.set(Settings::Crc32, oldCrc == QLatin1String("=") ? QString() : oldCrc);
}

void CatalogueSteps::showStatus(const QString &text) {
    m_host.showStatusText(text);
    m_host.showProgress(0, 0, QString());
}

void CatalogueSteps::showCount(qint64 value, qint64 maximum, const QString &what) {
    // A newer MAME may list more sets than the last build: the bar stops full, the count goes on.
    m_host.showProgress(maximum > 0 ? std::min(value, maximum) : value, maximum,
                        groupedNumber(value) + QLatin1Char(' ') + what);
}

void CatalogueSteps::warn(const QString &text) {
    m_prompts.inform(text, kAppTitle, PromptIcon::Warning);
}

ExtractionResult CatalogueSteps::extract() {
    showStatus(kStatusExtracting);
    // The last extraction's count is the best guess of the total; a newer MAME may list more.
    const qint64 expected = std::max(0, m_settings.get(Settings::SetLimit));
    ExtractionCallbacks callbacks;
    callbacks.progress = [&](qsizetype sets) {
        showCount(sets, expected, QStringLiteral("sets read"));
    };
    callbacks.listingEnded = [&] {
        showStatus(kStatusParsing);
    };
    callbacks.cancelled = [&] {
        return m_host.cancelRequested();
    };
    const ExtractionResult result = ExtractCatalogue(
        {m_state.EmulatorPath, m_state.EmulatorDir, m_state.programDir, m_state.runLimits}, callbacks);
    QFile::remove(m_state.workFile(kListXmlWorkFile));
    return result;
}

bool CatalogueSteps::acceptExtraction(const ExtractionResult &extraction, const QString &oldCrc) {
    if (extraction.hasSets() && extraction.isComplete()) {
        m_settings.set(Settings::SetLimit, extraction.setCount);
        return true;
    }
    // Anything less than a complete listing leaves the old fingerprint, so the next refresh extracts again.
    restoreCrc(oldCrc);
    if (extraction.cancelled()) {
        warn(kBuildCancelledMessage);
        return false;
    }
    if (!extraction.hasSets()) {
        warn(extraction.noSetsMessage());
        return false;
    }
    // A partial list is better than none, but never better than the full one of an earlier build.
    const bool oldListExists = FileExists(m_state.cachePath());
    warn(extraction.incompleteMessage(oldListExists));
    if (oldListExists) {
        return false;
    }
    m_settings.set(Settings::SetLimit, extraction.setCount);
    return true;
}

bool CatalogueSteps::askFastScan() {
    return m_prompts.ask(kFastScanQuestion, kFastScanTitle, PromptButtons::YesNo, PromptAnswer::No,
                         PromptIcon::Question) == PromptAnswer::Yes;
}

void CatalogueSteps::recordBuild(const SetListBuildResult &result) {
    showCount(result.written, result.written, QStringLiteral("sets written"));
    if (!result.ok) {
        warn(QStringLiteral("The set list could not be written: %1").arg(result.error));
        return;
    }
    m_settings.set(Settings::BiosSets, result.biosCount);
}

void CatalogueSteps::fastScan() {
    showStatus(kStatusLookingForFiles);
    const QString romPaths = ReadRomPaths(m_state.EmulatorIniPath);
    recordBuild(FastScan(m_state.programDir, romPaths, m_state.EmulatorDir));
}

VerifyRunOutcome CatalogueSteps::verifyAllSets() {
    showStatus(kStatusVerifying);
    // MAME reports only the sets it finds files for, so the count of sets so far is the progress; the total
    // is not known in advance.
    const QString output = m_state.workFile(kVerifyRomsWorkFile);
    QFile::remove(output); // an old answer must never stand in for a run that printed nothing
    VerifiedSetCounter counter(output);
    RunWatch watch;
    watch.progress = [&](qint64 size) {
        showCount(counter.update(size), 0, QStringLiteral("sets checked"));
    };
    watch.cancelled = [&] {
        return m_host.cancelRequested();
    };
    watch.silenceMs = m_state.runLimits.silenceMs;
    watch.outputLimitBytes = m_state.runLimits.outputBytes;
    const VerifyAllRomsRun run = VerifyAllRoms(m_state.EmulatorPath, m_state.EmulatorDir, output, watch);

    VerifyRunOutcome outcome{run.result.end, RunFailureText(run.result, run.request, watch)};
    if (run.result.end == RunEnd::Exited) {
        // MAME's exit code tells of missing files, which is no failure; an empty answer is.
        outcome.failure = QFileInfo(output).size() > 0
                              ? QString()
                              : QStringLiteral("MAME printed nothing (%1)")
                                    .arg(CommandText(run.request.program, run.request.arguments));
    }
    return outcome;
}

void CatalogueSteps::buildFromVerify() {
    showStatus(kStatusCreatingList);
    recordBuild(BuildSetList(m_state.programDir));
}

bool CatalogueSteps::buildAfterVerify(const VerifyRunOutcome &verify, const QString &oldCrc) {
    if (verify.trusted()) {
        buildFromVerify();
        return true;
    }
    if (verify.cancelled() && FileExists(m_state.cachePath())) {
        restoreCrc(oldCrc);
        warn(kBuildCancelledMessage);
        return false;
    }
    warn(verify.cancelled() ? kNewListVerifyCancelledMessage : verify.failureMessage());
    showStatus(kStatusCreatingList);
    recordBuild(BuildFromPreviousStates(m_state.programDir));
    return true;
}

void CatalogueSteps::updateAvailability() {
    showStatus(kStatusCreatingList);
    const AvailableNames names = AvailableNames::ReadVerifyFile(m_state.workFile(kVerifyRomsWorkFile));
    const AvailabilityUpdateResult result = UpdateAvailability(m_state.cachePath(), names);
    showCount(result.lines, result.lines, QStringLiteral("sets written"));
    if (!result.ok) {
        warn(QStringLiteral("The set list could not be updated: %1").arg(result.error));
    }
}

void CatalogueSteps::removeWorkFiles() {
    for (const QString &name :
         {kClonesWorkFile, kListXmlWorkFile, kListXmlDatWorkFile, kNoFilesWorkFile, kVerifyRomsWorkFile}) {
        QFile::remove(m_state.workFile(name));
    }
}

} // namespace qx
