// The cache operations over a synthetic catalogue of today's size: 45,000 sets (26,000 of them clones),
// 10,000 of them present as files in 3 ROM folders and reported good by the verify. Budgets: fast scan
// < 150 ms, verify rule + UpdateAvailability < 100 ms, LoadSetList < 80 ms. Each figure is the best of 5.

#include "app/PathHelpers.h"
#include "app/TextFile.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/CatalogueExtraction.h"
#include "catalogue/RomFolderScan.h"
#include "catalogue/SetListCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace qx;

namespace {

constexpr int kSets = 45000;
constexpr int kClones = 26000;
constexpr int kAvailable = 10000;

QByteArray setName(int i) {
    return "set" + QByteArray::number(i).rightJustified(5, '0');
}
// 26,000 of 45,000 sets are clones of the first parent after them; 10,000 have files.
bool isClone(int i) {
    return i % 45 < 26;
}
int parentOf(int i) {
    return i - i % 45 + 26;
}
bool hasFiles(int i) {
    return i % 9 < 2;
}

void writeSyntheticCatalogue(const QString &programDir, const QString &romRoot) {
    QByteArray lines;
    QByteArray clones = "Name:            Clone of:\n";
    QByteArray verify;
    for (int i = 0; i < kSets; ++i) {
        const QByteArray name = setName(i);
        lines += name + "=Synthetic Set Number " + QByteArray::number(i) + " (World, rev " +
                 QByteArray::number(i % 7) + ")=Some Manufacturer Co., Ltd.=19" +
                 QByteArray::number(80 + i % 20) + "=good=vendor/driver" + QByteArray::number(i % 900) +
                 ".cpp=" + (i % 500 == 0 ? "yes" : "no") + "\r\n";
        if (isClone(i)) {
            clones += name + "         " + setName(parentOf(i)) + "\n";
        }
        if (hasFiles(i)) {
            QFile(romRoot + QStringLiteral("/roms%1/").arg(i % 3) + QString::fromLatin1(name) +
                  QStringLiteral(".zip"))
                .open(QIODevice::WriteOnly);
            verify += "romset " + name + (i % 2 ? " is good\n" : " is best available\n");
        } else if (i % 3 == 0) {
            verify += "romset " + name + " is bad\n";
        }
    }
    WriteFileAtomically(programDir + kListXmlDatWorkFile, lines);
    WriteFileAtomically(programDir + kClonesWorkFile, clones);
    WriteFileAtomically(programDir + kVerifyRomsWorkFile, verify);
}

double bestOf(int rounds, const std::function<void()> &work) {
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void report(const char *what, double ms, double budgetMs) {
    std::printf("  %-44s %7.1f ms (budget < %3.0f ms): ratio %.2f -> %s\n", what, ms, budgetMs, ms / budgetMs,
                ms < budgetMs ? "within budget" : "OVER BUDGET");
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    const QString programDir = WithTrailingSeparator(root.filePath(QStringLiteral("prog")));
    for (const QString &folder : {QStringLiteral("prog"), QStringLiteral("roms0"), QStringLiteral("roms1"),
                                  QStringLiteral("roms2")}) {
        QDir().mkpath(root.filePath(folder));
    }
    writeSyntheticCatalogue(programDir, root.path());
    const QString romPaths = QStringLiteral("roms0;\"%1\";roms2").arg(root.filePath(QStringLiteral("roms1")));
    const QString cache = programDir + kCacheFile;

    std::printf("cache operations over %d synthetic sets, %d available, in 3 ROM folders\n", kSets,
                kAvailable);
    qsizetype written = 0;
    const double scanMs = bestOf(5, [&] { written = FastScan(programDir, romPaths, root.path()).written; });
    const double listingMs = bestOf(5, [&] { RomFolderScan::Scan(romPaths, root.path()); });
    const double buildOnlyMs =
        bestOf(5, [&] { BuildCache(programDir, [](QByteArrayView) { return false; }); });
    std::printf("  (of the fast scan: listing the folders %.1f ms, building qx.dat %.1f ms)\n", listingMs,
                buildOnlyMs);
    const qsizetype availableAfterScan = LoadSetList(cache, true).size();
    qsizetype updated = 0;
    qsizetype available = 0;
    const double updateMs = bestOf(5, [&] {
        const AvailableNames names = AvailableNames::ReadVerifyFile(programDir + kVerifyRomsWorkFile);
        const AvailabilityUpdateResult result = UpdateAvailability(cache, names);
        updated = result.lines;
        available = result.available;
    });
    qsizetype loaded = 0;
    const double loadMs = bestOf(5, [&] { loaded = LoadSetList(cache, true).size(); });

    std::printf(
        "  (fast scan wrote %lld lines; update rewrote %lld, %lld available; load kept %lld of %lld)\n",
        (long long)written, (long long)updated, (long long)available, (long long)loaded,
        (long long)availableAfterScan);
    report("fast scan (build qx.dat by file names)", scanMs, 150);
    report("verify rule + UpdateAvailability", updateMs, 100);
    report("LoadSetList (with clones)", loadMs, 80);
    return 0;
}
