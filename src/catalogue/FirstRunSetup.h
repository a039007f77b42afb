#pragma once

#include <QString>

namespace qx {

class CatalogueHost;
class CatalogueSteps;
class FrontendSettings;
class UserPrompts;
struct ProgramState;

enum class FirstRunOutcome {
    Completed,     // the emulator is known and the cache built (possibly empty, see below)
    KeptCatalogue, // the chosen file is the MAME whose catalogue qx.dat holds: nothing was rebuilt
    NotMame, // the chosen file is not MAME; the message (naming it) was shown, the user may choose again
};

// The first-run set-up from the moment the user chose an executable (the window has already centred itself,
// asked with "Select MAME executable" and checked that the file exists):
//  1. disable the controls; identify the executable (Version and the caption are set);
//  2. store exe and the CRC in crc32; when the CRC is the one stored before and qx.dat exists, the same MAME
//     came back: steps 3, 5 and 6 are skipped and the catalogue stays as it is;
//  3. extract the catalogue ("Extracting output...", "Parsing output..."), restore a minimised window;
//  4. set EmulatorDir (ResolveEmulatorDirectory), make it current, make sure mame.ini exists;
//  5. "Setup ROM path(s)": the paths dialog on the ROM folders, with RomChangeConfirmed set while it shows,
//     and with its note when those folders hold none of the listed sets' files;
//  6. "Fast Scan": the question is always asked here, whatever neverfastscan says. Yes: "Looking for
//     filenames..." and a fast scan. No: "Verifying sets..." (skipped when rompath is "roms" and that folder
//     holds no zip), then "Creating set list..." and the cache by the verify rule;
//  7. remove the work files, enable the controls, return the status bar to its panels.
// qx.dat is only ever replaced by a complete new one. When MAME lists no sets, is cancelled, or its listing
// breaks off while a qx.dat exists, the user is told why, steps 5 and 6 are skipped and crc32 gets its old
// text back so that the next refresh extracts again; the program then starts with the catalogue it had
// (possibly none). A broken listing with no qx.dat to keep is used, with a warning.
class FirstRunSetup {
public:
    FirstRunSetup(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                  UserPrompts &prompts);

    FirstRunOutcome run(const QString &chosenExecutable);

private:
    void setUpEmulatorDirectory(CatalogueSteps &steps);
    void setUpRomPaths();
    void buildCache(const QString &oldCrc);
    bool hasRomsToVerify() const;

    ProgramState &m_state;
    const FrontendSettings &m_settings;
    CatalogueHost &m_host;
    UserPrompts &m_prompts;
};

} // namespace qx
