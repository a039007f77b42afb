#pragma once

#include "catalogue/SetCatalogue.h"

#include <QString>
#include <future>
#include <optional>

namespace qx {

// Reads qx.dat on a second thread while the program starts its window system and builds its window, so a
// start with a large catalogue costs little more than one with none. Everything, even reading qx.ini to see
// whether there is a catalogue to read, happens on that thread. The main window takes the result when it
// loads the set list; a result for another file or another Clones setting is not used.
class CataloguePreload {
public:
    static CataloguePreload &instance();

    // Starts reading the catalogue of the program directory, when it holds one for a known emulator (qx.ini
    // names an existing executable and qx.dat exists), with clones as the Clones setting says.
    void start(const QString &programDir);
    // The preloaded catalogue for exactly this file and Clones setting (waiting for it if need be), once.
    // A file that could not be loaded gives an empty catalogue and the reason in error. Nothing the
    // preload meets, not even running out of memory, leaves it as an exception.
    std::optional<SetCatalogue> take(const QString &cachePath, bool includeClones, QString *error = nullptr);

private:
    struct Result {
        bool loaded = false;
        QString cachePath;
        bool includeClones = false;
        SetCatalogue catalogue;
        QString error;
    };
    static Result load(const QString &programDir);
    static Result loadCatalogue(const QString &programDir);
    static Result failedLoad(const QString &programDir, const QString &reason);

    std::future<Result> m_result;
};

// Starts the preload of the program directory's catalogue (see CataloguePreload::start).
void StartCataloguePreload(const QString &programDir);

} // namespace qx
