#include "launch/SingleSetVerify.h"

#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/ProgramState.h"
#include "catalogue/SetListCache.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

Q_DECLARE_METATYPE(qx::VerifyVerdict)
Q_DECLARE_METATYPE(qx::SetState)

namespace {

const QByteArray kCache = "galaga=Galaga=\xC3\xA9=Namco=1981=good=2=galaga.cpp=no\r\n"
                          "pacman=Pac-Man (Midway) & \"co\"=puckman=Namco=1980=good=1=pacman.cpp=no\r\n"
                          "broken line=kept\r\n"
                          "pong=Pong==Atari=1972=good=2=pong.cpp=no\r\n"
                          "pong=Pong==Atari=1972=good=2=pong.cpp=no\r\n";

// A program directory and an emulator directory with the stand-in answering from the verify fixtures.
struct VerifySetup {
    QTemporaryDir root;
    ProgramState state;

    VerifySetup() {
        state.programDir = root.filePath(QStringLiteral("program/"));
        state.EmulatorDir = root.filePath(QStringLiteral("emu/"));
        QDir().mkpath(state.programDir);
        QDir().mkpath(state.EmulatorDir);
        state.EmulatorPath = installStandin(state.EmulatorDir);
        QFile::link(fixturesDir() + QStringLiteral("/launch/verify"),
                    state.EmulatorDir + QStringLiteral("standin-fixtures"));
        writeFile(state.cachePath(), kCache);
    }
    QList<StandinCall> calls() const {
        return readStandinCalls(state.EmulatorDir + QStringLiteral("standin-calls.log"));
    }
};

// The cache with one line's State changed.
QByteArray cacheWith(const QByteArray &from, const QByteArray &to) {
    QByteArray changed = kCache;
    changed.replace(from, to);
    return changed;
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
        QTest::newRow("not found on stderr")
            << QByteArray("romset \"pacman\" not found!\n") << VerifyVerdict::Unusable;
        QTest::newRow("nothing") << QByteArray() << VerifyVerdict::Unknown;
        QTest::newRow("other text") << QByteArray("Segmentation fault\n") << VerifyVerdict::Unknown;
    }
    void verdicts() {
        QFETCH(QByteArray, output);
        QFETCH(VerifyVerdict, verdict);
        QCOMPARE(VerdictOf(output), verdict);
    }

    void verifyRunsOneSetAndReadsStandardErrorToo() {
        VerifySetup setup;
        const SetVerifyReport report = VerifySetReport(setup.state, QStringLiteral("nosuchset"), false);

        QCOMPARE(setup.calls().size(), 1);
        QCOMPARE(setup.calls().first().args,
                 (QStringList{QStringLiteral("-verifyroms"), QStringLiteral("nosuchset")}));
        QCOMPARE(setup.calls().first().cwd, QDir(setup.state.EmulatorDir).absolutePath());
        QCOMPARE(report.romsOutput, QByteArray("romset \"nosuchset\" not found!\n"));
        QCOMPARE(report.verdict, VerifyVerdict::Unusable);
        QVERIFY(report.samplesText.isEmpty());
        QVERIFY(!QFile::exists(setup.state.workFile(kRomsWorkFile)));
    }

    void samplesAreCheckedWhenAsked_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("samples");
        QTest::newRow("with samples")
            << QStringLiteral("galaga") << QStringLiteral("sampleset galaga is good\n");
        QTest::newRow("without samples")
            << QStringLiteral("pong") << QStringLiteral("sampleset pong not supported.");
    }
    void samplesAreCheckedWhenAsked() {
        QFETCH(QString, set);
        QFETCH(QString, samples);
        VerifySetup setup;
        const SetVerifyReport report = VerifySetReport(setup.state, set, true);

        QCOMPARE(report.samplesText, samples);
        QCOMPARE(VerifyWindowText(report),
                 QString::fromUtf8(report.romsOutput) + QLatin1Char('\n') + samples);
        QCOMPARE(setup.calls().size(), 2);
        QCOMPARE(setup.calls().last().args, (QStringList{QStringLiteral("-verifysamples"), set}));
        QVERIFY(!QFile::exists(setup.state.workFile(kRomsWorkFile)));
        QVERIFY(!QFile::exists(setup.state.workFile(QStringLiteral("qx_samples.dat"))));
    }

    void verdictChangesOnlyTheStateOfThatSet_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<VerifyVerdict>("verdict");
        QTest::addColumn<int>("newState"); // 0: nothing changes
        QTest::addColumn<QByteArray>("expectedCache");
        QTest::newRow("unavailable set found good") << QStringLiteral("galaga") << VerifyVerdict::Usable << 1
                                                    << cacheWith("good=2=galaga.cpp", "good=1=galaga.cpp");
        QTest::newRow("available set now bad") << QStringLiteral("pacman") << VerifyVerdict::Unusable << 2
                                               << cacheWith("good=1=pacman.cpp", "good=2=pacman.cpp");
        QTest::newRow("every line of a repeated name") << QStringLiteral("pong") << VerifyVerdict::Usable << 1
                                                       << cacheWith("good=2=pong.cpp", "good=1=pong.cpp");
        QTest::newRow("available and good: nothing written")
            << QStringLiteral("pacman") << VerifyVerdict::Usable << 0 << kCache;
        QTest::newRow("no verdict: nothing written")
            << QStringLiteral("galaga") << VerifyVerdict::Unknown << 0 << kCache;
        QTest::newRow("unknown set") << QStringLiteral("zzz") << VerifyVerdict::Usable << 0 << kCache;
    }
    void verdictChangesOnlyTheStateOfThatSet() {
        QFETCH(QString, set);
        QFETCH(VerifyVerdict, verdict);
        QFETCH(int, newState);
        QFETCH(QByteArray, expectedCache);
        VerifySetup setup;
        SetCatalogue catalogue = LoadSetList(setup.state.cachePath(), true);
        const QDateTime before = QFileInfo(setup.state.cachePath()).lastModified();

        QString error;
        const std::optional<SetState> changed =
            ApplyVerifyVerdict(catalogue, setup.state.cachePath(), set, verdict, &error);

        QVERIFY(error.isEmpty());
        QCOMPARE(changed.has_value(), newState != 0);
        QCOMPARE(readFile(setup.state.cachePath()), expectedCache);
        if (newState) {
            QCOMPARE(int(*changed), newState);
            QCOMPARE(int(catalogue.at(catalogue.indexOfName(set)).toRecord().State), newState);
        } else {
            QCOMPARE(QFileInfo(setup.state.cachePath()).lastModified(), before);
        }
    }

    void setMissingFromTheCatalogueUsesItsCacheLine() {
        VerifySetup setup;
        SetCatalogue parentsOnly = LoadSetList(setup.state.cachePath(), false); // pacman is a clone
        QCOMPARE(parentsOnly.indexOfName(QStringLiteral("pacman")), -1);
        QCOMPARE(ShownStateOf(parentsOnly, setup.state.cachePath(), QStringLiteral("pacman")),
                 SetState::Available);
        QString error;
        QCOMPARE(ApplyVerifyVerdict(parentsOnly, setup.state.cachePath(), QStringLiteral("pacman"),
                                    VerifyVerdict::Unusable, &error),
                 SetState::Unavailable);
        QCOMPARE(readFile(setup.state.cachePath()), cacheWith("good=1=pacman.cpp", "good=2=pacman.cpp"));
    }
};

QTEST_GUILESS_MAIN(SingleSetVerifyTest)
#include "SingleSetVerifyTest.moc"
