#pragma once

#include "catalogue/SetCatalogue.h"

#include <QString>
#include <future>
#include <optional>

namespace qx {

// Reads qx.dat on a second thread while the program starts its window system and builds its window, so a
// start with a large catalogue costs little more than one with none. The main window takes the result
// when it loads the set list; a result for another file or another Clones setting is not used.
class CataloguePreload {
public:
    static CataloguePreload &instance();

    void start(const QString &cachePath, bool includeClones);
    // The preloaded catalogue for exactly this file and Clones setting (waiting for it if need be), once.
    std::optional<SetCatalogue> take(const QString &cachePath, bool includeClones);

private:
    QString m_path;
    bool m_includeClones = false;
    std::future<SetCatalogue> m_result;
};

// Starts the preload when the program directory holds a catalogue for a known emulator (qx.ini names an
// existing executable and qx.dat exists), with clones as the Clones setting says.
void StartCataloguePreload(const QString &programDir);

} // namespace qx
