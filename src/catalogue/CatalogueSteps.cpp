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

namespace qx {

CatalogueSteps::CatalogueSteps(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                               UserPrompts &prompts)
    : m_state(state), m_settings(settings), m_host(host), m_prompts(prompts) {}

QString CatalogueSteps::recordExecutableCrc() {
    const QString oldCrc = m_settings.read(QStringLiteral("crc32"));
    m_settings.write(QStringLiteral("crc32"), FileCrcText(m_state.EmulatorPath).value_or(QString()));
    return oldCrc;
}

bool CatalogueSteps::isUnchanged(const QString &oldCrc) const {
    const QString newCrc = m_settings.read(QStringLiteral("crc32"));
    return !newCrc.isEmpty() && newCrc == oldCrc && FileExists(m_state.cachePath());
}

void CatalogueSteps::restoreCrc(const QString &oldCrc) {
    m_settings.write(QStringLiteral("crc32"), oldCrc == QLatin1String("=") ? QString() : oldCrc);
}

void CatalogueSteps::showStatus(const QString &text) {
    m_host.showStatusText(text);
    m_host.showProgress(0, 0);
}

void CatalogueSteps::warn(const QString &text) {
    m_prompts.inform(text, kAppTitle, PromptIcon::Warning);
}

ExtractionResult CatalogueSteps::extract() {
    showStatus(kStatusExtracting);
    // The last extraction's count is the best guess of the total; a newer MAME may list more.
    const qint64 expected = std::max(0, m_settings.integer(QStringLiteral("setlimit")));
    ExtractionCallbacks callbacks;
    callbacks.progress = [&](qsizetype sets) {
        m_host.showProgress(expected > 0 ? std::min<qint64>(sets, expected) : sets, expected);
    };
    callbacks.listingEnded = [&] {
        showStatus(kStatusParsing);
    };
    const ExtractionResult result =
        ExtractCatalogue({m_state.EmulatorPath, m_state.EmulatorDir, m_state.programDir}, callbacks);
    if (result.hasSets()) {
        m_settings.writeNumber(QStringLiteral("setlimit"), result.setCount);
        if (!result.xmlError.isEmpty()) {
            warn(result.xmlError);
        }
    }
    QFile::remove(m_state.workFile(kListXmlWorkFile));
    return result;
}

bool CatalogueSteps::askFastScan() {
    return m_prompts.ask(kFastScanQuestion, kFastScanTitle, PromptButtons::YesNo, PromptAnswer::No,
                         PromptIcon::Question) == PromptAnswer::Yes;
}

void CatalogueSteps::recordBuild(const SetListBuildResult &result) {
    m_host.showProgress(result.written, result.written);
    if (!result.ok) {
        warn(QStringLiteral("The set list could not be written: %1").arg(result.error));
        return;
    }
    m_settings.writeNumber(QStringLiteral("biossets"), result.biosCount);
}

void CatalogueSteps::fastScan() {
    showStatus(kStatusLookingForFiles);
    const QString romPaths = ReadRomPaths(m_state.EmulatorIniPath);
    recordBuild(FastScan(m_state.programDir, romPaths, m_state.EmulatorDir));
}

void CatalogueSteps::verifyAllSets() {
    showStatus(kStatusVerifying);
    // MAME reports only the sets it finds files for, so the count of its lines so far is the progress; the
    // total is not known in advance.
    const QString output = m_state.workFile(kVerifyRomsWorkFile);
    qint64 counted = 0;
    qint64 lines = 0;
    VerifyAllRoms(m_state.EmulatorPath, m_state.EmulatorDir, output, [&](qint64 size) {
        if (size <= counted) {
            return;
        }
        QFile file(output);
        if (file.open(QIODevice::ReadOnly) && file.seek(counted)) {
            const QByteArray added = file.read(size - counted);
            lines += added.count('\n');
            counted += added.size();
        }
        m_host.showProgress(lines, 0);
    });
}

void CatalogueSteps::buildFromVerify() {
    showStatus(kStatusCreatingList);
    recordBuild(BuildSetList(m_state.programDir));
}

void CatalogueSteps::updateAvailability() {
    showStatus(kStatusCreatingList);
    const AvailableNames names = AvailableNames::ReadVerifyFile(m_state.workFile(kVerifyRomsWorkFile));
    const AvailabilityUpdateResult result = UpdateAvailability(m_state.cachePath(), names);
    m_host.showProgress(result.lines, result.lines);
    if (!result.ok) {
        warn(QStringLiteral("The set list could not be updated: %1").arg(result.error));
    }
}

void CatalogueSteps::removeWorkFiles() {
    for (const QString &name :
         {kClonesWorkFile, kListXmlWorkFile, kListXmlDatWorkFile, kVerifyRomsWorkFile}) {
        QFile::remove(m_state.workFile(name));
    }
}

} // namespace qx
