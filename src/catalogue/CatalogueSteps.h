#pragma once

#include "catalogue/CatalogueExtraction.h"

#include <QString>

namespace qx {

class CatalogueHost;
class FrontendSettings;
class UserPrompts;
struct ProgramState;
struct SetListBuildResult;

// The stages that the catalogue refresh and the first-run set-up share: each shows its status text, runs
// its part, records the keys it owns (setlimit, biossets) and reports failures to the user.
class CatalogueSteps {
public:
    CatalogueSteps(ProgramState &state, const FrontendSettings &settings, CatalogueHost &host,
                   UserPrompts &prompts);

    // Stores the executable's CRC text in crc32 at once and returns the text that was there before.
    QString recordExecutableCrc();
    // Whether the fingerprint matches the old text and a cache to update exists.
    bool isUnchanged(const QString &oldCrc) const;
    // Puts an old crc32 back, so that the next refresh extracts again.
    void restoreCrc(const QString &oldCrc);

    // "Extracting output..." and "Parsing output...": the catalogue into qx_listxml.dat and qx_clones.tmp.
    // With sets, setlimit is written (and a damaged listing reported: its sets so far are used).
    ExtractionResult extract();
    // The Fast Scan question; true for Yes.
    bool askFastScan();
    // "Looking for filenames...": the cache by the fast-scan rule over mame.ini's ROM folders.
    void fastScan();
    // "Verifying sets...": MAME's -verifyroms into qx_verifyroms.dat.
    void verifyAllSets();
    // "Creating set list...": the cache by the verify rule.
    void buildFromVerify();
    // "Creating set list...": only the State of every cached set from the verify output.
    void updateAvailability();

    void showStatus(const QString &text);
    void warn(const QString &text);
    void removeWorkFiles();

private:
    void recordBuild(const SetListBuildResult &result);

    ProgramState &m_state;
    const FrontendSettings &m_settings;
    CatalogueHost &m_host;
    UserPrompts &m_prompts;
};

inline const QString kStatusExtracting = QStringLiteral("Extracting output, please wait...");
inline const QString kStatusParsing = QStringLiteral("Parsing output, please wait...");
inline const QString kStatusRomPaths = QStringLiteral("Setup ROM path(s)");
inline const QString kStatusFastScan = QStringLiteral("Fast Scan");
inline const QString kStatusLookingForFiles = QStringLiteral("Looking for filenames, please wait...");
inline const QString kStatusVerifying = QStringLiteral("Verifying sets, please wait...");
inline const QString kStatusCreatingList = QStringLiteral("Creating set list, please wait...");

inline const QString kFastScanTitle = QStringLiteral("Fast Scan");
inline const QString kFastScanQuestion = QStringLiteral(
    "Do you want to skip verifying your sets and look for filenames only? (sets must be split)");
inline const QString kAvailableHiddenMessage = QStringLiteral("Available sets are hidden.");

} // namespace qx
