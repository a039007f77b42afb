#include "catalogue/CatalogueExtraction.h"

#include "app/TextFile.h"
#include "catalogue/CatalogueXmlParser.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

namespace qx {

namespace {

constexpr qint64 kReadChunk = 1 << 20;
constexpr int kPollMs = 100;
constexpr int kStartWaitMs = 30'000;
constexpr int kKillWaitMs = 5'000;
constexpr qsizetype kErrorOutputLimit = 16 * 1024; // MAME's complaints come first; the rest is not kept

const QString kListXml = QStringLiteral("-listxml");
const QString kListClones = QStringLiteral("-listclones");

// The -listxml run, owned by the worker thread from start to end: its output goes from the pipe straight
// into the parser, so no copy of the XML ever exists.
struct ListXmlRun {
    ExtractionRequest request;
    CatalogueXmlParser parser;
    std::atomic<bool> listingEnded{false};
    std::atomic<int> stopRequest{
        int(RunEnd::Exited)}; // set by the window thread: cancel, or -listclones broke
    QString startError;
    QByteArray errorOutput;
    RunEnd end = RunEnd::Exited;
    int exitCode = 0;

    void run() {
        QProcess process;
        process.setProgram(request.emulatorPath);
        process.setArguments({kListXml});
        process.setWorkingDirectory(request.emulatorDir);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start();
        if (!process.waitForStarted(kStartWaitMs)) {
            startError = process.errorString();
            process.kill();
            listingEnded = true;
            return;
        }
        end = readUntilDone(process);
        if (end != RunEnd::Exited) {
            process.kill();
        }
        process.waitForFinished(kKillWaitMs);
        keepErrorOutput(process);
        listingEnded = true;
        parser.finish();
        if (end == RunEnd::Exited && process.exitStatus() == QProcess::CrashExit) {
            end = RunEnd::Crashed;
        }
        exitCode = end == RunEnd::Exited ? process.exitCode() : -1;
    }

    // Reads until MAME ends, or until it must be stopped: the reason then. A malformed document stops the
    // parse but not the reading: MAME must be able to finish writing.
    RunEnd readUntilDone(QProcess &process) {
        QElapsedTimer quiet;
        quiet.start();
        for (;;) {
            if (const auto stop = RunEnd(stopRequest.load()); stop != RunEnd::Exited) {
                return stop;
            }
            // Standard error is taken on every round, so a MAME that floods it costs no memory either.
            const bool complained = keepErrorOutput(process);
            if (process.bytesAvailable() > 0) {
                parser.feed(process.read(kReadChunk));
                if (parser.output().size() > request.limits.outputBytes) {
                    return RunEnd::OutputTooLarge;
                }
                quiet.restart();
                continue;
            }
            if (process.state() == QProcess::NotRunning) {
                return RunEnd::Exited;
            }
            if (complained) {
                quiet.restart();
            } else if (quiet.hasExpired(request.limits.silenceMs)) {
                return RunEnd::Silent;
            }
            // A MAME that closed its output but runs on would make waitForReadyRead return at once.
            if (!process.waitForReadyRead(kPollMs)) {
                process.waitForFinished(kPollMs);
            }
        }
    }

    // Takes what MAME printed on its error output; true when there was something.
    bool keepErrorOutput(QProcess &process) {
        const QByteArray text = process.readAllStandardError();
        errorOutput += text.first(std::min(text.size(), kErrorOutputLimit - errorOutput.size()));
        return !text.isEmpty();
    }
};

// -listclones, run on the calling thread into qx_clones.tmp; watched by the size of that file.
class CloneListing {
public:
    explicit CloneListing(const ExtractionRequest &request) : m_file(request.programDir + kClonesWorkFile) {
        m_process.setProgram(request.emulatorPath);
        m_process.setArguments({kListClones});
        m_process.setWorkingDirectory(request.emulatorDir);
        m_process.setStandardInputFile(QProcess::nullDevice());
        m_process.setStandardOutputFile(m_file, QIODevice::Truncate);
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_quiet.start();
    }

    QProcess &process() { return m_process; }
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    RunEnd end() const {
        if (m_stoppedBy != RunEnd::Exited) {
            return m_stoppedBy;
        }
        return m_process.exitStatus() == QProcess::CrashExit ? RunEnd::Crashed : RunEnd::Exited;
    }

    // The limit the run broke, or Exited while it may go on.
    RunEnd check(const MameRunLimits &limits) {
        const qint64 size = QFileInfo(m_file).size();
        if (size != m_size) {
            m_size = size;
            m_quiet.restart();
        }
        if (size > limits.outputBytes) {
            return RunEnd::OutputTooLarge;
        }
        return m_quiet.hasExpired(limits.silenceMs) ? RunEnd::Silent : RunEnd::Exited;
    }

    void stop(RunEnd reason) {
        if (running()) {
            m_stoppedBy = reason;
            m_process.kill();
        }
    }

private:
    QString m_file;
    QProcess m_process;
    QElapsedTimer m_quiet;
    qint64 m_size = 0;
    RunEnd m_stoppedBy = RunEnd::Exited;
};

QString failureText(RunEnd end, const ExtractionRequest &extraction, const QString &argument) {
    CommandRequest request;
    request.program = extraction.emulatorPath;
    request.arguments = {argument};
    RunWatch watch;
    watch.silenceMs = extraction.limits.silenceMs;
    watch.outputLimitBytes = extraction.limits.outputBytes;
    return RunFailureText({end, -1}, request, watch);
}

// The lines and the sets needing no files go to their work files; a failed write leaves no sets.
void writeWorkFiles(CatalogueXmlParser &parser, const QString &listXmlDatPath, ExtractionResult &result) {
    QString writeError;
    const QString noFilesPath = QFileInfo(listXmlDatPath).path() + QLatin1Char('/') + kNoFilesWorkFile;
    const QByteArray noFiles = parser.setsNeedingNoFiles().join("\r\n");
    if (!WriteFileAtomically(listXmlDatPath, parser.takeOutput(), &writeError) ||
        !WriteFileAtomically(noFilesPath, noFiles, &writeError)) {
        result.xmlError =
            QStringLiteral("Cannot write %1: %2").arg(QFileInfo(listXmlDatPath).path(), writeError);
        result.setCount = 0;
    }
}

QString withoutFinalStop(QString text) {
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

} // namespace

QString ExtractionResult::noSetsMessage() const {
    if (!startError.isEmpty()) {
        return QStringLiteral("MAME could not be started (%1). The set list was left as it was.")
            .arg(startError);
    }
    QString message = QStringLiteral("MAME listed no sets, so the set list was left as it was.");
    if (!runFailure.isEmpty()) {
        message += QStringLiteral("\n\n") + runFailure + QLatin1Char('.');
    }
    if (!errorOutput.isEmpty()) {
        message += QStringLiteral("\n\nMAME said:\n") + errorOutput;
    } else if (!xmlError.isEmpty()) {
        message += QStringLiteral("\n\n") + xmlError;
    } else if (runFailure.isEmpty()) {
        message += QStringLiteral("\n\nMAME printed no error message (exit code %1).").arg(exitCode);
    }
    return message;
}

QString ExtractionResult::incompleteMessage(bool oldListKept) const {
    QString reason = runFailure;
    if (reason.isEmpty()) {
        reason = !xmlError.isEmpty() ? withoutFinalStop(xmlError)
                                     : QStringLiteral("MAME ended with exit code %1").arg(exitCode);
    }
    const QString outcome =
        oldListKept ? QStringLiteral("It gave %1 sets; the set list was left as it was.")
                    : QStringLiteral(
                          "It gave only %1 sets. They were kept, but the set list is incomplete: refresh it "
                          "once MAME works.");
    return QStringLiteral("MAME's set listing did not end normally: %1.\n\n").arg(reason) +
           outcome.arg(setCount);
}

ExtractionResult ExtractCatalogue(const ExtractionRequest &request, const ExtractionCallbacks &callbacks) {
    auto listing = std::make_unique<ListXmlRun>();
    listing->request = request;
    QFile::remove(request.programDir + kListXmlDatWorkFile);

    QEventLoop loop;
    bool workerDone = false;
    CloneListing clones(request);
    const auto quitWhenBothDone = [&] {
        if (workerDone && !clones.running()) {
            loop.quit();
        }
    };
    std::unique_ptr<QThread> worker(QThread::create([run = listing.get()] { run->run(); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, [&] {
        workerDone = true;
        // A listing that broke off makes the clone list useless, and its MAME may hang just the same.
        if (listing->end != RunEnd::Exited || !listing->startError.isEmpty()) {
            clones.stop(listing->end);
        }
        quitWhenBothDone();
    });
    QObject::connect(&clones.process(), &QProcess::finished, &loop, quitWhenBothDone);
    worker->start();
    clones.process().start();
    if (!clones.process().waitForStarted(kStartWaitMs)) {
        clones.process().kill();
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
    const auto watch = [&] {
        report();
        RunEnd stop = callbacks.cancelled && callbacks.cancelled() ? RunEnd::Cancelled : RunEnd::Exited;
        if (stop == RunEnd::Exited && clones.running()) {
            stop = clones.check(request.limits);
        }
        if (stop != RunEnd::Exited) {
            listing->stopRequest = int(stop);
            clones.stop(stop);
        }
    };
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, watch);
    poll.start();
    if (!(workerDone && !clones.running())) {
        loop.exec();
    }
    poll.stop();
    worker->wait();
    listing->listingEnded = true;
    report();

    ExtractionResult result;
    result.setCount = listing->parser.setCount();
    result.xmlError = listing->parser.errorText();
    result.errorOutput = QString::fromLocal8Bit(listing->errorOutput).trimmed();
    result.startError = listing->startError;
    result.exitCode = listing->exitCode;
    result.end = listing->end;
    QString brokenRun = kListXml;
    if (result.end == RunEnd::Exited && clones.end() != RunEnd::Exited) {
        result.end = clones.end();
        brokenRun = kListClones;
    }
    if (result.end != RunEnd::Exited) {
        result.runFailure = failureText(result.end, request, brokenRun);
    }
    writeWorkFiles(listing->parser, request.programDir + kListXmlDatWorkFile, result);
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
    writeWorkFiles(parser, listXmlDatPath, result);
    return result;
}

} // namespace qx
