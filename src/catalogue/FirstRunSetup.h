#pragma once

#include <QString>

namespace qx {

class CatalogueHost;
class FrontendSettings;
class UserPrompts;
struct ProgramState;

enum class FirstRunOutcome {
    Completed, // the emulator is known and the cache built (possibly empty, see below)
    NotMame,   // the chosen file is not MAME; the message was shown and the program ends
};

// The first-run set-up from the moment the user chose an executable (the window has already centred itself,
// asked with "Select MAME executable" and checked that the file exists):
//  1. disable the controls; identify the executable (Version and the caption are set);
//  2. store exe, the CRC in crc32, delete qx.dat;
//  3. extract the catalogue ("Extracting output...", "Parsing output..."), restore a minimised window;
//  4. set EmulatorDir (ResolveEmulatorDirectory), make it current, make sure mame.ini exists;
//  5. "Setup ROM path(s)": the paths dialog, with RomChangeConfirmed set while it shows;
//  6. "Fast Scan": the question is always asked here, whatever neverfastscan says. Yes: "Looking for
//     filenames..." and a fast scan. No: "Verifying sets..." (skipped when rompath is "roms" and that folder
//     holds no zip), then "Creating set list..." and the cache by the verify rule;
//  7. remove the work files, enable the controls, return the status bar to its panels.
// When MAME lists no sets, the user is told what it printed, steps 5 and 6 are skipped and crc32 is cleared
// so that the next refresh extracts again; the program then starts with an empty catalogue.
class FirstRunSetup {
public:
    FirstRunSetup(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                  UserPrompts &prompts);

    FirstRunOutcome run(const QString &chosenExecutable);

private:
    void setUpEmulatorDirectory();
    void setUpRomPaths();
    void buildCache();
    bool hasRomsToVerify() const;

    ProgramState &m_state;
    const FrontendSettings &m_settings;
    CatalogueHost &m_host;
    UserPrompts &m_prompts;
};

} // namespace qx
