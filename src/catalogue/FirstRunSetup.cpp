#include "catalogue/FirstRunSetup.h"

#include "app/EmulatorOptionFile.h"
#include "app/FrontendSettings.h"
#include "app/ProgramDirectory.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/EmulatorIdentity.h"
#include "launch/EmulatorIni.h"

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

    const EmulatorIdentity identity = IdentifyEmulator(chosenExecutable, m_state.programDir, m_prompts);
    if (!identity.ok) {
        return FirstRunOutcome::NotMame;
    }
    m_settings.write(QStringLiteral("Version"), identity.version);
    m_host.setCaption(identity.version + QStringLiteral(" - ") + kAppTitle);
    m_settings.write(QStringLiteral("exe"), chosenExecutable);
    m_state.EmulatorPath = chosenExecutable;
    // Every MAME run, the listings included, happens in the emulator directory.
    m_state.EmulatorDir = ResolveEmulatorDirectory(m_state.EmulatorPath);

    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    steps.recordExecutableCrc();
    QFile::remove(m_state.cachePath());
    const ExtractionResult extraction = steps.extract();
    m_host.restoreIfMinimised();
    setUpEmulatorDirectory();

    if (extraction.hasSets()) {
        setUpRomPaths();
        buildCache();
    } else {
        steps.restoreCrc(QString());
        steps.warn(extraction.noSetsMessage());
    }
    steps.removeWorkFiles();
    m_host.setControlsEnabled(true);
    m_host.restoreStatusPanels();
    return FirstRunOutcome::Completed;
}

void FirstRunSetup::setUpEmulatorDirectory() {
    QDir::setCurrent(m_state.EmulatorDir);
    EnsureEmulatorIni(m_state);
}

void FirstRunSetup::setUpRomPaths() {
    m_state.RomChangeConfirmed = true;
    m_host.setWaitCursor(false);
    m_host.showStatusText(kStatusRomPaths);
    const bool romsNote =
        ReadEmulatorOption(QStringLiteral("rompath"), m_state.EmulatorIniPath) == QLatin1String("roms");
    m_host.showRomPathsDialog(romsNote);
    m_state.RomChangeConfirmed = false;
}

void FirstRunSetup::buildCache() {
    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    m_host.clearInfoCaption();
    m_host.showStatusText(kStatusFastScan);
    if (steps.askFastScan()) {
        steps.fastScan();
        return;
    }
    if (hasRomsToVerify()) {
        steps.verifyAllSets();
    } else {
        steps.showStatus(kStatusVerifying);
    }
    steps.buildFromVerify();
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
