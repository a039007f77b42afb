#pragma once

#include "catalogue/CatalogueExtraction.h"

#include <QString>

namespace qx {

class CatalogueHost;
class FrontendSettings;
class UserPrompts;
struct ProgramState;
struct SetListBuildResult;

// How MAME's full verify went. Only a run that ended by itself and printed something is trusted: a crash,
// a start failure, a MAME stopped for silence or a run that printed nothing leaves every State as it was.
struct VerifyRunOutcome {
    RunEnd end = RunEnd::Exited;
    QString failure; // why the output cannot be trusted; empty when it can

    bool cancelled() const { return end == RunEnd::Cancelled; }
    bool trusted() const { return failure.isEmpty() && !cancelled(); }
    // For the user: why the verify was not used, and that every set keeps its State.
    QString failureMessage() const;
};

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
    // With sets, setlimit is written. The Cancel button and a silent MAME stop the runs.
    ExtractionResult extract();
    // Whether the cache is to be built from an extraction. A cancelled run, one without sets, and one that
    // ended abnormally while a qx.dat exists leave qx.dat and the old crc32 as they were; with no qx.dat, a
    // partial listing is used. Every case but a complete listing is explained to the user.
    bool acceptExtraction(const ExtractionResult &extraction, const QString &oldCrc);
    // The Fast Scan question; true for Yes.
    bool askFastScan();
    // "Looking for filenames...": the cache by the fast-scan rule over mame.ini's ROM folders, with the sets
    // that need no files available too.
    void fastScan();
    // "Verifying sets...": MAME's -verifyroms into qx_verifyroms.dat, with the count of sets checked beside
    // the progress bar. The Cancel button and a silent MAME stop it.
    VerifyRunOutcome verifyAllSets();
    // "Creating set list...": the cache by the verify rule.
    void buildFromVerify();
    // After the full verify of a new listing: the cache by the verify rule. After a verify that failed, or
    // was cancelled with no qx.dat to keep, every set keeps the State qx.dat gave it so far (a set new to
    // the list is available when it needs no files) and the user is told. A verify cancelled while a qx.dat
    // exists leaves it, and the old crc32, as they were. True when a new qx.dat was built.
    bool buildAfterVerify(const VerifyRunOutcome &verify, const QString &oldCrc);
    // "Creating set list...": only the State of every cached set from the verify output.
    void updateAvailability();

    void showStatus(const QString &text);
    void warn(const QString &text);
    void removeWorkFiles();

private:
    void recordBuild(const SetListBuildResult &result);
    void showCount(qint64 value, qint64 maximum, const QString &what);

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
inline const QString kBuildCancelledMessage =
    QStringLiteral("The set list was not rebuilt: you cancelled it, so it stays as it was.");
inline const QString kVerifyCancelledMessage =
    QStringLiteral("Verify All Sets was cancelled. Every set keeps the state it had.");
inline const QString kNewListVerifyCancelledMessage = QStringLiteral(
    "The verify was cancelled: only the sets that need no files show as available until the sets "
    "are verified again.");

} // namespace qx
