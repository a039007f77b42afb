#include "catalogue/FirstRunSetup.h"

#include "app/FrontendSettings.h"
#include "app/ProgramDirectory.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/EmulatorIdentity.h"
#include "catalogue/RomFolderScan.h"
#include "catalogue/SetListCache.h"
#include "options/EmulatorIni.h"
#include "options/EmulatorOptionFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace qx {

FirstRunSetup::FirstRunSetup(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                             UserPrompts &prompts)
    : m_state(state), m_settings(settings), m_host(host), m_prompts(prompts) {}

FirstRunOutcome FirstRunSetup::run(const QString &chosenExecutable) {
    m_host.setControlsEnabled(false);
    QCoreApplication::processEvents();

    const EmulatorIdentity identity =
        IdentifyEmulator(chosenExecutable, m_state.programDir, m_prompts, m_state.runLimits);
    if (!identity.ok) {
        m_host.setControlsEnabled(true); // the user chooses again
        return FirstRunOutcome::NotMame;
    }
    m_settings.set(Settings::Version, identity.version);
    m_host.setCaption(identity.version + QStringLiteral(" - ") + kAppTitle);
    m_settings.set(Settings::Exe, chosenExecutable);
    m_state.EmulatorPath = chosenExecutable;
    // Every MAME run, the listings included, happens in the emulator directory.
    m_state.EmulatorDir = ResolveEmulatorDirectory(m_state.EmulatorPath);

    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    const QString oldCrc = steps.recordExecutableCrc();
    // The MAME whose saved path had gone came back (moved, or reinstalled unchanged): its catalogue holds.
    const bool sameEmulator = steps.isUnchanged(oldCrc);
    // qx.dat stays until a new one is complete: a MAME that fails here must not cost the old catalogue.
    const ExtractionResult extraction = sameEmulator ? ExtractionResult() : steps.extract();
    m_host.restoreIfMinimised();
    setUpEmulatorDirectory(steps);

    if (!sameEmulator && steps.acceptExtraction(extraction, oldCrc)) {
        setUpRomPaths();
        buildCache(oldCrc);
    }
    steps.removeWorkFiles();
    m_host.setControlsEnabled(true);
    m_host.restoreStatusPanels();
    return sameEmulator ? FirstRunOutcome::KeptCatalogue : FirstRunOutcome::Completed;
}

void FirstRunSetup::setUpEmulatorDirectory(CatalogueSteps &steps) {
    QDir::setCurrent(m_state.EmulatorDir);
    if (const QString error = EnsureEmulatorIni(m_state); !error.isEmpty()) {
        steps.warn(error);
    }
}

void FirstRunSetup::setUpRomPaths() {
    m_state.RomChangeConfirmed = true;
    m_host.setWaitCursor(false);
    m_host.showStatusText(kStatusRomPaths);
    // A MAME fresh from its package (Debian's looks in $HOME/mame/roms and two shared folders) finds none of
    // the user's sets: the dialog then says where they must be named.
    const bool romsNote =
        !RomFoldersHoldAnySet(m_state.programDir, ReadRomPaths(m_state.EmulatorIniPath), m_state.EmulatorDir);
    m_host.showRomPathsDialog(romsNote);
    m_state.RomChangeConfirmed = false;
}

void FirstRunSetup::buildCache(const QString &oldCrc) {
    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    m_host.clearInfoCaption();
    m_host.showStatusText(kStatusFastScan);
    if (steps.askFastScan()) {
        steps.fastScan();
        return;
    }
    if (hasRomsToVerify()) {
        steps.buildAfterVerify(steps.verifyAllSets(), oldCrc);
    } else {
        steps.showStatus(kStatusVerifying);
        steps.buildFromVerify();
    }
    QFile::remove(m_state.workFile(kVerifyRomsWorkFile));
}

// A rompath of just "roms" is MAME's untouched default: verifying is only worth it when that folder holds a
// zip. Any other rompath is the user's own and always verified.
bool FirstRunSetup::hasRomsToVerify() const {
    const QString romPath = ReadEmulatorOption(QStringLiteral("rompath"), m_state.EmulatorIniPath);
    if (romPath != QLatin1String("roms")) {
        return !romPath.isEmpty();
    }
    const QStringList zips = QDir(m_state.EmulatorDir + QStringLiteral("roms"))
                                 .entryList({QStringLiteral("*.zip")}, QDir::Files | QDir::Hidden);
    return !zips.isEmpty();
}

} // namespace qx
