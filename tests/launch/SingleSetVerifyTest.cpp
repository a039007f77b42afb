// Verifying one set: MAME's verdict on its answer, the sample check, and the State the verdict gives the set
// in the catalogue and in qx.dat.
#include "launch/SingleSetVerify.h"

#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/ProgramState.h"
#include "catalogue/SetListCache.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

Q_DECLARE_METATYPE(qx::VerifyVerdict)

namespace {

const QByteArray kCache = "galaga=Galaga=\xC3\xA9=Namco=1981=good=2=galaga.cpp=no\r\n"
                          "pacman=Pac-Man (Midway) & \"co\"=puckman=Namco=1980=good=1=pacman.cpp=no\r\n"
                          "broken line=kept\r\n"
                          "pong=Pong==Atari=1972=good=2=pong.cpp=no\r\n"
                          "pong=Pong==Atari=1972=good=2=pong.cpp=no\r\n";

// A program directory with kCache, and an emulator directory with the stand-in answering from the verify
// fixtures.
struct VerifySetup {
    QTemporaryDir root;
    ProgramState state;

    VerifySetup() {
        state.programDir = root.filePath("program/");
        state.EmulatorDir = root.filePath("emu/");
        QDir().mkpath(state.programDir);
        QDir().mkpath(state.EmulatorDir);
        state.EmulatorPath = installStandin(state.EmulatorDir);
        QFile::link(fixturesDir() + "/launch/verify", state.EmulatorDir + "standin-fixtures");
        writeFile(state.cachePath(), kCache);
    }
};

QByteArray cacheWith(const QByteArray &from, const QByteArray &to) {
    return QByteArray(kCache).replace(from, to);
}

} // namespace

class SingleSetVerifyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data() {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<VerifyVerdict>("verdict");
        QTest::newRow("good") << QByteArray("romset galaga is good\n") << VerifyVerdict::Usable;
        QTest::newRow("best available")
            << QByteArray("romset pong is best available\n") << VerifyVerdict::Usable;
        QTest::newRow("bad") << QByteArray("romset pacman [puckman] is bad\n") << VerifyVerdict::Unusable;
        QTest::newRow("not found") << QByteArray("romset \"pacman\" not found!\n") << VerifyVerdict::Unusable;
        QTest::newRow("nothing") << QByteArray() << VerifyVerdict::Unknown;
        QTest::newRow("other text") << QByteArray("Segmentation fault\n") << VerifyVerdict::Unknown;
    }
    void verdicts() {
        QFETCH(QByteArray, output);
        QFETCH(VerifyVerdict, verdict);
        QCOMPARE(VerdictOf(output), verdict);
    }

    // MAME verifies the one set in the emulator directory; what it prints on standard error counts (a set it
    // has no files for is reported there). The sample check follows when asked. No work file stays.
    void theReportHoldsMameAnswer_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<bool>("checkSamples");
        QTest::addColumn<QByteArray>("roms");
        QTest::addColumn<QString>("samples");
        QTest::newRow("unknown set") << "nosuchset" << false
                                     << QByteArray("romset \"nosuchset\" not found!\n") << QString();
        QTest::newRow("with samples")
            << "galaga" << true << QByteArray("romset galaga is good\n") << "sampleset galaga is good\n";
        QTest::newRow("without samples") << "pong" << true << QByteArray("romset pong is best available\n")
                                         << "sampleset pong not supported.";
    }
    void theReportHoldsMameAnswer() {
        QFETCH(QString, set);
        QFETCH(bool, checkSamples);
        QFETCH(QByteArray, roms);
        QFETCH(QString, samples);
        VerifySetup setup;

        const SetVerifyReport report = VerifySetReport(setup.state, set, checkSamples);

        QCOMPARE(report.romsOutput, roms);
        QCOMPARE(report.samplesText, samples);
        QCOMPARE(VerifyWindowText(report),
                 QString::fromUtf8(roms) + (checkSamples ? "\n" + samples : QString()));
        QStringList runs;
        for (const StandinCall &call : readStandinCalls(setup.state.EmulatorDir + "standin-calls.log")) {
            QCOMPARE(call.cwd, QDir(setup.state.EmulatorDir).absolutePath());
            runs += call.args.join(QLatin1Char(' '));
        }
        QCOMPARE(runs.join(QLatin1Char('|')),
                 "-verifyroms " + set + (checkSamples ? "|-verifysamples " + set : QString()));
        QCOMPARE(QDir(setup.state.programDir).entryList(QDir::Files), QStringList{"qx.dat"});
    }

    void verdictChangesOnlyTheStateOfThatSet_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<bool>("clones"); // whether the catalogue holds the clones
        QTest::addColumn<VerifyVerdict>("verdict");
        QTest::addColumn<int>("newState"); // 0: nothing changes
        QTest::addColumn<QByteArray>("expectedCache");
        QTest::newRow("unavailable set found good") << "galaga" << true << VerifyVerdict::Usable << 1
                                                    << cacheWith("good=2=galaga.cpp", "good=1=galaga.cpp");
        QTest::newRow("available set now bad") << "pacman" << true << VerifyVerdict::Unusable << 2
                                               << cacheWith("good=1=pacman.cpp", "good=2=pacman.cpp");
        QTest::newRow("a clone the list leaves out: its cache line counts")
            << "pacman" << false << VerifyVerdict::Unusable << 2
            << cacheWith("good=1=pacman.cpp", "good=2=pacman.cpp");
        QTest::newRow("every line of a repeated name") << "pong" << true << VerifyVerdict::Usable << 1
                                                       << cacheWith("good=2=pong.cpp", "good=1=pong.cpp");
        QTest::newRow("available and good: nothing written")
            << "pacman" << true << VerifyVerdict::Usable << 0 << kCache;
        QTest::newRow("no verdict: nothing written")
            << "galaga" << true << VerifyVerdict::Unknown << 0 << kCache;
        QTest::newRow("unknown set") << "zzz" << true << VerifyVerdict::Usable << 0 << kCache;
    }
    void verdictChangesOnlyTheStateOfThatSet() {
        QFETCH(QString, set);
        QFETCH(bool, clones);
        QFETCH(VerifyVerdict, verdict);
        QFETCH(int, newState);
        QFETCH(QByteArray, expectedCache);
        VerifySetup setup;
        SetCatalogue catalogue = LoadSetList(setup.state.cachePath(), clones);
        const QDateTime before = QFileInfo(setup.state.cachePath()).lastModified();

        QString error;
        const std::optional<SetState> changed =
            ApplyVerifyVerdict(catalogue, setup.state.cachePath(), set, verdict, &error);

        QVERIFY(error.isEmpty());
        QCOMPARE(int(changed.value_or(SetState(0))), newState);
        QCOMPARE(readFile(setup.state.cachePath()), expectedCache);
        const qsizetype index = catalogue.indexOfName(set);
        if (newState && index >= 0) {
            QCOMPARE(int(catalogue.at(index).toRecord().State), newState);
        } else if (!newState) {
            QCOMPARE(QFileInfo(setup.state.cachePath()).lastModified(), before);
        }
    }
};

QTEST_GUILESS_MAIN(SingleSetVerifyTest)
#include "SingleSetVerifyTest.moc"
