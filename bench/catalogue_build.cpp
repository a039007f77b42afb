// Catalogue build from MAME (-listclones, -listxml, parsing, writing qx.dat; no verify) against the time of
// "mame -listclones" plus "mame -listxml" with their output thrown away, measured in the same run.
// Budget: at most 1.25 x. Usage: bench_catalogue_build [mame executable] (default /usr/games/mame).

#include "app/PathHelpers.h"
#include "app/ProgramDirectory.h"
#include "catalogue/CatalogueExtraction.h"
#include "catalogue/SetListCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace qx;

namespace {

double runToNull(const QString &mame, const QString &workDir, const QString &option) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(mame, {option});
    process.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

double buildCatalogue(const QString &mame, const QString &emulatorDir, const QString &programDir,
                      qsizetype *sets) {
    QElapsedTimer timer;
    timer.start();
    const ExtractionResult extraction = ExtractCatalogue({mame, emulatorDir, programDir, {}});
    const SetListBuildResult build = FastScan(programDir, QString(), emulatorDir);
    *sets = build.written;
    if (extraction.setCount != build.written || !build.ok) {
        std::fprintf(stderr, "build failed: %lld sets extracted, %lld written\n",
                     (long long)extraction.setCount, (long long)build.written);
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QString mame = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/usr/games/mame");
    if (!FileExists(mame)) {
        std::printf("%s not found; nothing measured\n", qPrintable(mame));
        return 0;
    }
    QTemporaryDir root;
    qputenv("HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
    QString emulatorDir = ResolveEmulatorDirectory(mame);
    if (emulatorDir ==
        QStringLiteral("/usr/games/")) { // running as root: keep MAME's files in the temporary home
        emulatorDir = WithTrailingSeparator(root.filePath(QStringLiteral("home/.mame")));
        QDir().mkpath(emulatorDir);
    }
    const QString programDir = WithTrailingSeparator(root.filePath(QStringLiteral("prog")));
    QDir().mkpath(programDir);

    std::printf("catalogue build vs mame -listclones + -listxml to /dev/null (budget <= 1.25 x)\n");
    double worst = 0;
    for (int round = 1; round <= 2; ++round) {
        const double baseline = runToNull(mame, emulatorDir, QStringLiteral("-listclones")) +
                                runToNull(mame, emulatorDir, QStringLiteral("-listxml"));
        qsizetype sets = 0;
        const double build = buildCatalogue(mame, emulatorDir, programDir, &sets);
        const double ratio = build / baseline;
        worst = std::max(worst, ratio);
        std::printf("  round %d: mame alone %.2f s, catalogue build %.2f s (%lld sets): ratio %.3f\n", round,
                    baseline, build, (long long)sets, ratio);
    }
    std::printf("  worst ratio %.3f of budget 1.25 -> %s\n", worst,
                worst <= 1.25 ? "within budget" : "OVER BUDGET");
    return 0;
}
