#pragma once

#include "app/CommandRunner.h"
#include "app/MameRunLimits.h"

#include <QString>
#include <functional>

namespace qx {

// Where a catalogue extraction reads from and writes to.
struct ExtractionRequest {
    QString emulatorPath; // the MAME executable
    QString emulatorDir;  // working directory of the runs (with trailing separator)
    QString programDir; // receives qx_clones.tmp, qx_listxml.dat and qx_nofiles.dat (with trailing separator)
    MameRunLimits
        limits; // a MAME silent for limits.silenceMs is stopped; limits.outputBytes bounds the lines
};

// Optional notifications, all on the calling thread.
struct ExtractionCallbacks {
    std::function<void(qsizetype setsParsed)> progress; // about every 100 ms while MAME runs
    std::function<void()> listingEnded;                 // once: MAME's listing is complete, parsing ends
    std::function<bool()> cancelled;                    // polled about every 100 ms; true stops both runs
};

// What an extraction (or the parse of a saved file) produced. qx_listxml.dat holds setCount lines.
struct ExtractionResult {
    qsizetype setCount = 0;
    QString xmlError;    // the XML broke off or was malformed; the sets before that point were kept
    QString errorOutput; // the start of what MAME printed on its standard error during -listxml
    QString startError;  // MAME could not be started at all
    int exitCode = 0;
    RunEnd end = RunEnd::Exited; // how MAME's runs ended: crashed, or stopped by Quorvex (cancel, silence...)
    QString runFailure; // that end in words, naming the command ("MAME crashed (/usr/games/mame ...)")

    bool hasSets() const { return setCount > 0; }
    bool cancelled() const { return end == RunEnd::Cancelled; }
    // MAME ended by itself with exit code 0 and the document is whole: the catalogue has every set.
    bool isComplete() const { return end == RunEnd::Exited && exitCode == 0 && xmlError.isEmpty(); }
    // A message for the user when the run gave no sets (what MAME said, or why it did not run).
    QString noSetsMessage() const;
    // A message for a run that gave sets but is not complete: why, how many sets it gave, and whether the
    // old set list was kept or the partial one is used.
    QString incompleteMessage(bool oldListKept) const;
};

// Runs "<exe> -listclones" into qx_clones.tmp and "<exe> -listxml" side by side in the emulator directory.
// The XML is read from MAME's output pipe while MAME is still writing it and parsed on a worker thread, so
// the catalogue is ready moments after MAME ends; no XML file is ever written. The calling thread waits in a
// local event loop, so a window keeps painting and the callbacks can update it. MAME is stopped when the
// caller cancels, when it prints nothing for limits.silenceMs, or when its output grows past
// limits.outputBytes; the sets read until then are kept in the work files.
ExtractionResult ExtractCatalogue(const ExtractionRequest &request,
                                  const ExtractionCallbacks &callbacks = {});

// Parses a saved -listxml file into the line file and, beside it, qx_nofiles.dat (same rules as
// ExtractCatalogue). Runs on the calling thread; the file is read in chunks, so memory stays flat whatever
// its size.
ExtractionResult ParseCatalogueXml(const QString &xmlPath, const QString &listXmlDatPath,
                                   const std::function<void(qsizetype)> &progress = {});

inline const QString kClonesWorkFile = QStringLiteral("qx_clones.tmp");
inline const QString kListXmlWorkFile = QStringLiteral("qx_listxml.xml");
inline const QString kListXmlDatWorkFile = QStringLiteral("qx_listxml.dat");
// The sets that need no file at all (see CatalogueXmlParser::setsNeedingNoFiles), one name per line.
inline const QString kNoFilesWorkFile = QStringLiteral("qx_nofiles.dat");

} // namespace qx
