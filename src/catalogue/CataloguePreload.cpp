#include "catalogue/CataloguePreload.h"

#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "catalogue/SetListCache.h"

#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace qx {

namespace {

// A fresh process pays for every page the catalogue's records and strings touch for the first time, one
// fault each, and on a virtual machine a fault is expensive. Populating the memory the load will use with one
// call, and keeping freed memory in the heap instead of handing it back, lets the load's allocations land on
// pages that are already there. This roughly halves the first load of a large catalogue.
void prepareHeapFor(qint64 cacheBytes) {
#ifdef Q_OS_LINUX
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif
    constexpr qint64 kPage = 4096;
    // In memory a record takes about six times its line in qx.dat.
    const qint64 bytes = std::min<qint64>(cacheBytes * 6, qint64(48) << 20);
    if (bytes < (qint64(1) << 20)) {
        return;
    }
    // The block must come from the heap (not a mapping of its own) and stay there once freed.
    mallopt(M_MMAP_THRESHOLD, int(bytes + (qint64(1) << 20)));
    mallopt(M_TRIM_THRESHOLD, int(bytes * 2));
    char *block = static_cast<char *>(std::malloc(std::size_t(bytes)));
    if (!block) {
        return;
    }
    const auto start = (reinterpret_cast<quintptr>(block) + kPage - 1) & ~quintptr(kPage - 1);
    madvise(reinterpret_cast<void *>(start), std::size_t(bytes - 2 * kPage), MADV_POPULATE_WRITE);
    std::free(block);
#else
    Q_UNUSED(cacheBytes);
#endif
}

} // namespace

CataloguePreload &CataloguePreload::instance() {
    static CataloguePreload preload;
    return preload;
}

void CataloguePreload::start(const QString &cachePath, bool includeClones) {
    m_path = cachePath;
    m_includeClones = includeClones;
    const qint64 cacheBytes = QFileInfo(cachePath).size();
    m_result = std::async(std::launch::async, [cachePath, includeClones, cacheBytes] {
        prepareHeapFor(cacheBytes);
        return LoadSetList(cachePath, includeClones);
    });
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
