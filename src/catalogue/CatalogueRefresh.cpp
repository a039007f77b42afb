#include "catalogue/CatalogueRefresh.h"

#include "app/FrontendSettings.h"
#include "app/ProgramDirectory.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/SetListCache.h"
#include "options/EmulatorIni.h"

namespace qx {

CatalogueRefresh::CatalogueRefresh(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                                   UserPrompts &prompts)
    : m_state(state), m_settings(settings), m_host(host), m_prompts(prompts) {}

RefreshOutcome CatalogueRefresh::run() {
    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    m_host.setWaitCursor(true);
    m_host.clearViews();
    // The window serves events while the executable's CRC is computed: nothing else may start meanwhile.
    m_host.setControlsEnabled(false);
    const QString oldCrc = steps.recordExecutableCrc();
    if (m_state.EmulatorDir.isEmpty()) {
        m_state.EmulatorDir = ResolveEmulatorDirectory(m_state.EmulatorPath);
    }
    if (const QString error = EnsureEmulatorIni(m_state); !error.isEmpty()) {
        steps.warn(error);
    }

    const RefreshOutcome outcome = steps.isUnchanged(oldCrc) ? reverify() : rebuild(oldCrc);
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
    if (!steps.acceptExtraction(extraction, oldCrc)) {
        return extraction.cancelled() ? RefreshOutcome::Cancelled : RefreshOutcome::KeptOldCache;
    }
    const bool mayAsk = m_settings.get(Settings::NeverFastScan) == QLatin1String("0");
    if (mayAsk && steps.askFastScan()) {
        steps.fastScan();
        return RefreshOutcome::Rebuilt;
    }
    return steps.buildAfterVerify(steps.verifyAllSets(), oldCrc) ? RefreshOutcome::Rebuilt
                                                                 : RefreshOutcome::Cancelled;
}

RefreshOutcome CatalogueRefresh::reverify() {
    CatalogueSteps steps(m_state, m_settings, m_host, m_prompts);
    const VerifyRunOutcome verify = steps.verifyAllSets();
    if (verify.cancelled()) {
        steps.warn(kVerifyCancelledMessage);
        return RefreshOutcome::Cancelled;
    }
    if (!verify.trusted()) {
        steps.warn(verify.failureMessage());
        return RefreshOutcome::KeptOldCache;
    }
    steps.updateAvailability();
    return RefreshOutcome::AvailabilityOnly;
}

void CatalogueRefresh::reload() {
    m_host.showCatalogue(LoadSetList(m_state.cachePath(), m_host.clonesChecked()));
}

RefreshOutcome RefreshCatalogue(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                                UserPrompts &prompts) {
    return CatalogueRefresh(state, settings, host, prompts).run();
}

} // namespace qx
