#pragma once

#include "catalogue/SetCatalogue.h"

#include <QSet>
#include <QString>
#include <functional>

namespace qx {

class AvailableNames;

// qx.dat, the set-list cache: one line per set in MAME's listing order, CR LF, UTF-8, nine fields joined by
// "=" without escaping:
//   Name=Description=Parent=Manufacturer=Year=Status=State=Driver=Bios
// State is "1" (available) or "2" (unavailable); Bios is "yes" or "no". Every rewrite is atomic, so a full
// disk or a crash leaves the previous cache. Readers accept CR LF and LF; a line that does not split into
// exactly nine fields (damaged, or a value holding "=") is skipped rather than misread.

struct SetListBuildResult {
    bool ok = false;
    qsizetype written = 0;   // lines written to qx.dat
    qsizetype biosCount = 0; // of them, BIOS sets (key biossets)
    QString error;           // why qx.dat could not be written
};

// Builds qx.dat from the work files in programDir: qx_listxml.dat (seven fields per set; a line that does not
// split into seven is skipped) and qx_clones.tmp (a heading, then "clone   parent" lines; a clone that is
// not in the list changes nothing). isAvailable decides each set's State.
SetListBuildResult BuildCache(const QString &programDir,
                              const std::function<bool(QByteArrayView name)> &isAvailable);

// BuildCache with the verify rule over qx_verifyroms.dat; the sets listed in qx_nofiles.dat are available
// too (MAME's verify reports them so; a verify that was skipped does not).
SetListBuildResult BuildSetList(const QString &programDir);

// BuildCache with the fast-scan rule over the given rompath value (see RomFolderScan); the sets listed in
// qx_nofiles.dat are available without any file.
SetListBuildResult FastScan(const QString &programDir, const QString &romPaths, const QString &emulatorDir);

// Whether the ROM folders hold the files of at least one set of qx_listxml.dat, by the fast-scan rule (the
// sets that need no files do not count): the first run asks for the ROM folders more clearly when not.
bool RomFoldersHoldAnySet(const QString &programDir, const QString &romPaths, const QString &emulatorDir);

// BuildCache keeping the State each set has in the qx.dat being replaced; a set it does not hold is available
// only when qx_nofiles.dat lists it. For a verify whose output cannot be trusted.
SetListBuildResult BuildFromPreviousStates(const QString &programDir);

// Loads qx.dat: every set when includeClones, else only sets without a Parent; BIOS sets (Bios not "no")
// never. A missing or empty file gives an empty catalogue. So does a file that cannot be a set list (not a
// regular file, larger than kMaxWholeFileBytes) or cannot be read; error then says so, for the user.
SetCatalogue LoadSetList(const QString &cachePath, bool includeClones, QString *error = nullptr);

// Loads the BIOS sets of qx.dat (Bios exactly "yes"), whatever their State, in file order; missing, damaged
// and unreadable files as for LoadSetList.
SetCatalogue LoadBiosSets(const QString &cachePath, QString *error = nullptr);

// %1 the path of qx.dat, %2 what is wrong with it.
inline const QString kDamagedCacheMessage = QStringLiteral(
    "The set list %1 could not be loaded: %2.\nIt was left as it is; Tools \u25B8 Select MAME... "
    "builds it anew.");

// The Name of every set in qx.dat, clones and BIOS sets included (the files MAME keeps per set are named
// after them). A missing file gives none.
QSet<QString> CachedSetNames(const QString &cachePath);

struct AvailabilityUpdateResult {
    bool ok = false;
    qsizetype lines = 0;     // set lines rewritten
    qsizetype available = 0; // of them, now available
    QString error;
};

// Rewrites the State field of every set line of qx.dat from the names: "1" when listed, else "2". Every other
// byte of every line stays as it was (lines that are not nine fields are kept untouched).
AvailabilityUpdateResult UpdateAvailability(const QString &cachePath, const AvailableNames &names);

// Gives one set a new State in the loaded catalogue (when it is there) and in qx.dat (every line of that
// Name). Returns false, with the reason in error, when qx.dat could not be rewritten.
bool UpdateSetEntry(SetCatalogue &catalogue, const QString &cachePath, const QString &name, SetState state,
                    QString *error = nullptr);

// Splits one qx.dat line into a record; false when it does not have exactly nine fields.
bool ParseCacheLine(QByteArrayView line, SetRecord &record);

inline const QString kCacheFile = QStringLiteral("qx.dat");

} // namespace qx
