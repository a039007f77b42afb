#pragma once

#include <QString>

namespace qx {

class CatalogueHost;
class FrontendSettings;
class UserPrompts;
struct ProgramState;

// How a refresh went, for the caller and the tests.
enum class RefreshOutcome {
    Rebuilt,          // a new or changed emulator: the catalogue was extracted and qx.dat built anew
    AvailabilityOnly, // the same executable and a cache: only verified again and State rewritten
    KeptOldCache,     // MAME listed no sets, a broken listing or a failed verify: qx.dat was left as it
                      // was and the user was told why
    Cancelled,        // the user pressed Cancel: qx.dat was left as it was
};

// The set-list refresh, run after a new emulator was chosen, after the ROM paths changed and by "Verify All
// Sets". The executable's CRC-32 is stored in crc32 at once; when it equals the old text and qx.dat exists,
// MAME only verifies again and the State of every cached set is rewritten. Otherwise the catalogue is
// extracted anew and the cache built by a fast scan (when the user says Yes to the Fast Scan question, asked
// only while neverfastscan is "0") or by a full verify. A MAME run that yields no sets, a listing that broke
// off while a qx.dat exists, and a Cancel never touch qx.dat: the user is told why and crc32 goes back to its
// old text, so the next refresh tries again. A verify that fails (a crash, nothing printed, a silent MAME)
// changes no set's State. Afterwards the work files are gone, the catalogue is loaded again and handed to the
// host.
//
// Expects state.EmulatorPath set (and EmulatorDir, else it is derived from the executable).
class CatalogueRefresh {
public:
    CatalogueRefresh(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                     UserPrompts &prompts);

    RefreshOutcome run();

private:
    RefreshOutcome rebuild(const QString &oldCrc);
    RefreshOutcome reverify();
    void reload();

    ProgramState &m_state;
    const FrontendSettings &m_settings;
    CatalogueHost &m_host;
    UserPrompts &m_prompts;
};

// Convenience: CatalogueRefresh(state, settings, host, prompts).run().
RefreshOutcome RefreshCatalogue(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                                UserPrompts &prompts);

} // namespace qx
