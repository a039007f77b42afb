#pragma once

#include <QString>
#include <functional>

namespace qx {

// Where a catalogue extraction reads from and writes to.
struct ExtractionRequest {
    QString emulatorPath; // the MAME executable
    QString emulatorDir;  // working directory of the runs (with trailing separator)
    QString programDir;   // receives qx_clones.tmp and qx_listxml.dat (with trailing separator)
};

// Optional notifications, all on the calling thread.
struct ExtractionCallbacks {
    std::function<void(qsizetype setsParsed)> progress; // about every 100 ms while MAME runs
    std::function<void()> listingEnded;                 // once: MAME's listing is complete, parsing ends
};

// What an extraction (or the parse of a saved file) produced. qx_listxml.dat holds setCount lines.
struct ExtractionResult {
    qsizetype setCount = 0;
    QString xmlError;    // the XML broke off or was malformed; the sets before that point were kept
    QString errorOutput; // what MAME printed on its standard error during -listxml
    QString startError;  // MAME could not be started at all
    int exitCode = 0;

    bool hasSets() const { return setCount > 0; }
    // A message for the user when the run gave no sets (what MAME said, or why it did not run).
    QString noSetsMessage() const;
};

// Runs "<exe> -listclones" into qx_clones.tmp and "<exe> -listxml" side by side in the emulator directory.
// The XML is read from MAME's output pipe while MAME is still writing it and parsed on a worker thread, so
// the catalogue is ready moments after MAME ends; no XML file is ever written. The calling thread waits in a
// local event loop, so a window keeps painting and the callbacks can update it.
ExtractionResult ExtractCatalogue(const ExtractionRequest &request,
                                  const ExtractionCallbacks &callbacks = {});

// Parses a saved -listxml file into the line file (same rules as ExtractCatalogue). Runs on the calling
// thread; the file is read in chunks, so memory stays flat whatever its size.
ExtractionResult ParseCatalogueXml(const QString &xmlPath, const QString &listXmlDatPath,
                                   const std::function<void(qsizetype)> &progress = {});

inline const QString kClonesWorkFile = QStringLiteral("qx_clones.tmp");
inline const QString kListXmlWorkFile = QStringLiteral("qx_listxml.xml");
inline const QString kListXmlDatWorkFile = QStringLiteral("qx_listxml.dat");

} // namespace qx
