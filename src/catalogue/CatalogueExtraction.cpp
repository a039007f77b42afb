#include "catalogue/CatalogueExtraction.h"

#include "app/TextFile.h"
#include "catalogue/CatalogueXmlParser.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

namespace qx {

namespace {

constexpr qint64 kReadChunk = 1 << 20;

// The -listxml run, owned by the worker thread from start to end: its output goes from the pipe straight
// into the parser, so no copy of the XML ever exists.
struct ListXmlRun {
    ExtractionRequest request;
    CatalogueXmlParser parser;
    std::atomic<bool> listingEnded{false};
    QString startError;
    QString errorOutput;
    int exitCode = 0;

    void run() {
        QProcess process;
        process.setProgram(request.emulatorPath);
        process.setArguments({QStringLiteral("-listxml")});
        process.setWorkingDirectory(request.emulatorDir);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start();
        if (!process.waitForStarted(-1)) {
            startError = process.errorString();
            listingEnded = true;
            return;
        }
        // A malformed document stops the parse but not the reading: MAME must be able to finish writing.
        for (;;) {
            if (process.bytesAvailable() == 0 && !process.waitForReadyRead(-1)) {
                break;
            }
            const QByteArray chunk = process.read(kReadChunk);
            parser.feed(chunk);
        }
        process.waitForFinished(-1);
        listingEnded = true;
        parser.finish();
        errorOutput = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        exitCode = process.exitStatus() == QProcess::CrashExit ? -1 : process.exitCode();
    }
};

void startCloneListing(QProcess &process, const ExtractionRequest &request) {
    const QString clonesFile = request.programDir + kClonesWorkFile;
    process.setProgram(request.emulatorPath);
    process.setArguments({QStringLiteral("-listclones")});
    process.setWorkingDirectory(request.emulatorDir);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(clonesFile, QIODevice::Truncate);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
}

} // namespace

QString ExtractionResult::noSetsMessage() const {
    if (!startError.isEmpty()) {
        return QStringLiteral("MAME could not be started (%1). The set list was left as it was.")
            .arg(startError);
    }
    QString message = QStringLiteral("MAME listed no sets, so the set list was left as it was.");
    if (!errorOutput.isEmpty()) {
        message += QStringLiteral("\n\nMAME said:\n") + errorOutput;
    } else if (!xmlError.isEmpty()) {
        message += QStringLiteral("\n\n") + xmlError;
    } else {
        message += QStringLiteral("\n\nMAME printed no error message (exit code %1).").arg(exitCode);
    }
    return message;
}

ExtractionResult ExtractCatalogue(const ExtractionRequest &request, const ExtractionCallbacks &callbacks) {
    auto listing = std::make_unique<ListXmlRun>();
    listing->request = request;
    QFile::remove(request.programDir + kListXmlDatWorkFile);

    QEventLoop loop;
    bool workerDone = false;
    bool clonesDone = false;
    const auto quitWhenBothDone = [&] {
        if (workerDone && clonesDone) {
            loop.quit();
        }
    };

    std::unique_ptr<QThread> worker(QThread::create([run = listing.get()] { run->run(); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, [&] {
        workerDone = true;
        quitWhenBothDone();
    });

    QProcess clones;
    QObject::connect(&clones, &QProcess::finished, &loop, [&] {
        clonesDone = true;
        quitWhenBothDone();
    });
    worker->start();
    startCloneListing(clones, request);
    if (!clones.waitForStarted(-1)) {
        clonesDone = true;
    }

    bool listingEndedReported = false;
    const auto report = [&] {
        if (callbacks.progress) {
            callbacks.progress(listing->parser.setCount());
        }
        if (listing->listingEnded && !listingEndedReported) {
            listingEndedReported = true;
            if (callbacks.listingEnded) {
                callbacks.listingEnded();
            }
        }
    };
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, &loop, report);
    poll.start();
    if (!(workerDone && clonesDone)) {
        loop.exec();
    }
    poll.stop();
    worker->wait();
    listing->listingEnded = true;
    report();

    ExtractionResult result;
    result.setCount = listing->parser.setCount();
    result.xmlError = listing->parser.errorText();
    result.errorOutput = listing->errorOutput;
    result.startError = listing->startError;
    result.exitCode = listing->exitCode;
    QString writeError;
    if (!WriteFileAtomically(request.programDir + kListXmlDatWorkFile, listing->parser.takeOutput(),
                             &writeError)) {
        result.xmlError = QStringLiteral("Cannot write %1: %2").arg(kListXmlDatWorkFile, writeError);
        result.setCount = 0;
    }
    return result;
}

ExtractionResult ParseCatalogueXml(const QString &xmlPath, const QString &listXmlDatPath,
                                   const std::function<void(qsizetype)> &progress) {
    ExtractionResult result;
    CatalogueXmlParser parser;
    QFile xml(xmlPath);
    if (!xml.open(QIODevice::ReadOnly)) {
        result.startError = QStringLiteral("cannot read %1: %2").arg(xmlPath, xml.errorString());
    } else {
        QByteArray chunk(kReadChunk, Qt::Uninitialized);
        for (;;) {
            const qint64 read = xml.read(chunk.data(), chunk.size());
            if (read <= 0) {
                break;
            }
            if (!parser.feed(QByteArrayView(chunk.constData(), read))) {
                break;
            }
            if (progress) {
                progress(parser.setCount());
            }
        }
        parser.finish();
        result.xmlError = parser.errorText();
    }
    result.setCount = parser.setCount();
    QString writeError;
    if (!WriteFileAtomically(listXmlDatPath, parser.takeOutput(), &writeError)) {
        result.xmlError = QStringLiteral("Cannot write %1: %2").arg(listXmlDatPath, writeError);
        result.setCount = 0;
    }
    return result;
}

} // namespace qx
