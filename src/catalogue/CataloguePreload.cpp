#include "catalogue/CataloguePreload.h"

#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "catalogue/SetListCache.h"

namespace qx {

CataloguePreload &CataloguePreload::instance() {
    static CataloguePreload preload;
    return preload;
}

void CataloguePreload::start(const QString &programDir) {
    m_result = std::async(std::launch::async, [programDir] { return load(programDir); });
}

CataloguePreload::Result CataloguePreload::failedLoad(const QString &programDir, const QString &reason) {
    Result failed;
    failed.loaded = true;
    failed.cachePath = programDir + kCacheFile;
    failed.error = kDamagedCacheMessage.arg(failed.cachePath, reason);
    return failed;
}

CataloguePreload::Result CataloguePreload::load(const QString &programDir) {
    try {
        return loadCatalogue(programDir);
    } catch (const std::exception &e) {
        return failedLoad(programDir, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return failedLoad(programDir, QStringLiteral("an unexpected error"));
    }
}

CataloguePreload::Result CataloguePreload::loadCatalogue(const QString &programDir) {
    Result result;
    const QString iniPath = programDir + QStringLiteral("qx.ini");
    result.cachePath = programDir + kCacheFile;
    if (!FileExists(iniPath) || !FileExists(result.cachePath)) {
        return result;
    }
    const FrontendSettings settings(iniPath);
    const QString exe = settings.get(Settings::Exe);
    if (exe.isEmpty() || !FileExists(exe)) {
        return result; // the first-run set-up will build the catalogue anew
    }
    result.includeClones = settings.get(Settings::HideClones);
    result.catalogue = LoadSetList(result.cachePath, result.includeClones, &result.error);
    result.loaded = true;
    return result;
}

std::optional<SetCatalogue> CataloguePreload::take(const QString &cachePath, bool includeClones,
                                                   QString *error) {
    if (!m_result.valid()) {
        return std::nullopt;
    }
    Result result = m_result.get(); // always collected, so the thread never outlives its use
    // A failure is the file's, whatever the Clones setting.
    if (!result.loaded || cachePath != result.cachePath ||
        (includeClones != result.includeClones && result.error.isEmpty())) {
        return std::nullopt;
    }
    if (error) {
        *error = result.error;
    }
    return std::move(result.catalogue);
}

void StartCataloguePreload(const QString &programDir) {
    CataloguePreload::instance().start(programDir);
}

} // namespace qx
