// Parsing a saved -listxml file into qx_listxml.dat. Budget: at least 100 MB/s, peak resident memory less
// than 50 MB above the baseline. Usage: bench_catalogue_parse [listxml file]; without one, the file is made
// with /usr/games/mame -listxml first (not timed).

#include "catalogue/CatalogueExtraction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace qx;

namespace {

// A field of /proc/self/status in kB (VmRSS, VmHWM).
long long procStatusKb(const char *field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

// CPU seconds of this process so far: on a shared machine the wall time also counts the waits for a core.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    QString xml = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (xml.isEmpty()) {
        xml = root.filePath(QStringLiteral("listxml.xml"));
        QProcess mame;
        mame.setWorkingDirectory(root.path());
        mame.setStandardOutputFile(xml);
        mame.setStandardErrorFile(QProcess::nullDevice());
        mame.start(QStringLiteral("/usr/games/mame"), {QStringLiteral("-listxml")});
        if (!mame.waitForFinished(-1) || QFileInfo(xml).size() == 0) {
            std::printf("no -listxml output to parse; nothing measured\n");
            return 0;
        }
    }
    const double megabytes = QFileInfo(xml).size() / 1e6;
    {
        // Read the file once so the measurement sees the parser, not the disk.
        QFile warm(xml);
        warm.open(QIODevice::ReadOnly);
        while (!warm.read(1 << 20).isEmpty()) {
        }
    }
    const long long baselineKb = procStatusKb("VmRSS:");
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    const ExtractionResult result = ParseCatalogueXml(xml, root.filePath(QStringLiteral("qx_listxml.dat")));
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    const long long peakKb = procStatusKb("VmHWM:");
    const double speed = megabytes / seconds;
    const double growthMb = (peakKb - baselineKb) / 1024.0;

    std::printf("parse of %.1f MB saved -listxml: %lld sets in %.2f s%s\n", megabytes,
                (long long)result.setCount, seconds, result.xmlError.isEmpty() ? "" : " (XML error!)");
    std::printf("  speed %.1f MB/s (budget >= 100 MB/s): ratio %.2f -> %s\n", speed, speed / 100.0,
                speed >= 100.0 ? "within budget" : "UNDER BUDGET");
    std::printf("  (CPU time %.2f s: %.1f MB per CPU second)\n", cpu, megabytes / cpu);
    std::printf("  peak RSS growth %.1f MB (budget < 50 MB): ratio %.2f -> %s\n", growthMb, growthMb / 50.0,
                growthMb < 50.0 ? "within budget" : "OVER BUDGET");
    return 0;
}
