#include "catalogue/CataloguePreload.h"

#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "catalogue/SetListCache.h"

namespace qx {

CataloguePreload &CataloguePreload::instance() {
    static CataloguePreload preload;
    return preload;
}

void CataloguePreload::start(const QString &cachePath, bool includeClones) {
    m_path = cachePath;
    m_includeClones = includeClones;
    m_result = std::async(std::launch::async,
                          [cachePath, includeClones] { return LoadSetList(cachePath, includeClones); });
}

std::optional<SetCatalogue> CataloguePreload::take(const QString &cachePath, bool includeClones) {
    if (!m_result.valid()) {
        return std::nullopt;
    }
    SetCatalogue catalogue = m_result.get(); // always collected, so the thread never outlives its use
    if (cachePath != m_path || includeClones != m_includeClones) {
        return std::nullopt;
    }
    return catalogue;
}

void StartCataloguePreload(const QString &programDir) {
    const QString iniPath = programDir + QStringLiteral("qx.ini");
    const QString cachePath = programDir + QStringLiteral("qx.dat");
    if (!FileExists(iniPath) || !FileExists(cachePath)) {
        return;
    }
    const FrontendSettings settings(iniPath);
    const QString exe = settings.text(QStringLiteral("exe"));
    if (exe.isEmpty() || !FileExists(exe)) {
        return; // the first-run set-up will build the catalogue anew
    }
    CataloguePreload::instance().start(cachePath, settings.flag(QStringLiteral("HideClones")));
}

} // namespace qx
