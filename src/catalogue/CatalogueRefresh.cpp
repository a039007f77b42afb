#include "catalogue/CatalogueRefresh.h"

#include "app/FrontendSettings.h"
#include "app/ProgramDirectory.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/SetListCache.h"
#include "launch/EmulatorIni.h"

namespace qx {

CatalogueRefresh::CatalogueRefresh(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                                   UserPrompts &prompts)
    : m_state(state), m_settings(settings), m_host(host), m_prompts(prompts) {}

RefreshOutcome CatalogueRefresh::run() {
    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    m_host.setWaitCursor(true);
    const QString oldCrc = steps.recordExecutableCrc();
    m_host.clearViews();
    m_host.setControlsEnabled(false);
    if (m_state.EmulatorDir.isEmpty()) {
        m_state.EmulatorDir = ResolveEmulatorDirectory(m_state.EmulatorPath);
    }
    EnsureEmulatorIni(m_state);

    RefreshOutcome outcome = RefreshOutcome::AvailabilityOnly;
    if (steps.isUnchanged(oldCrc)) {
        reverify();
    } else {
        outcome = rebuild(oldCrc);
    }
    steps.removeWorkFiles();
    m_host.restoreStatusPanels();
    reload();
    m_host.setControlsEnabled(true);
    m_host.reloadHistory();
    m_host.setWaitCursor(false);
    if (!m_host.availableButtonPressed()) {
        m_prompts.inform(kAvailableHiddenMessage, kAppTitle, PromptIcon::Information);
    }
    return outcome;
}

RefreshOutcome CatalogueRefresh::rebuild(const QString &oldCrc) {
    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    const ExtractionResult extraction = steps.extract();
    if (!extraction.hasSets()) {
        // An empty list helps nobody: the old cache stays, and so does the old fingerprint.
        steps.restoreCrc(oldCrc);
        steps.warn(extraction.noSetsMessage());
        return RefreshOutcome::KeptOldCache;
    }
    const bool mayAsk = m_settings.text(QStringLiteral("neverfastscan")) == QLatin1String("0");
    if (mayAsk && steps.askFastScan()) {
        steps.fastScan();
    } else {
        steps.verifyAllSets();
        steps.buildFromVerify();
    }
    return RefreshOutcome::Rebuilt;
}

void CatalogueRefresh::reverify() {
    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    steps.verifyAllSets();
    steps.updateAvailability();
}

void CatalogueRefresh::reload() {
    m_host.showCatalogue(LoadSetList(m_state.cachePath(), m_host.clonesChecked()));
}

RefreshOutcome RefreshCatalogue(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                                UserPrompts &prompts) {
    return CatalogueRefresh(state, settings, host, prompts).run();
}

} // namespace qx
