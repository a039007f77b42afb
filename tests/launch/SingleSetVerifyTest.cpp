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

} // namespace

class SingleSetVerifyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts() {
        for (const auto &[output, verdict] : {std::pair{"romset galaga is good\n", VerifyVerdict::Usable},
                                              {"romset pong is best available\n", VerifyVerdict::Usable},
                                              {"romset pacman [puckman] is bad\n", VerifyVerdict::Unusable},
                                              {"romset \"pacman\" not found!\n", VerifyVerdict::Unusable},
                                              {"", VerifyVerdict::Unknown},
                                              {"Segmentation fault\n", VerifyVerdict::Unknown}}) {
            QCOMPARE(VerdictOf(output), verdict);
        }
    }

    // MAME verifies the one set in the emulator directory; what it prints on standard error counts (a set it
    // has no files for is reported there). The sample check follows when asked. No work file stays.
    void theReportHoldsMameAnswer() {
        // The set, whether its samples are checked, MAME's answer to -verifyroms, the sample check's text.
        const std::tuple<QString, bool, QByteArray, QString> cases[] = {
            {"nosuchset", false, "romset \"nosuchset\" not found!\n", QString()},
            {"galaga", true, "romset galaga is good\n", "sampleset galaga is good\n"},
            {"pong", true, "romset pong is best available\n", "sampleset pong not supported."}};
        for (const auto &[set, checkSamples, roms, samples] : cases) {
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
    }

    // A verdict changes the State of that set only, on every line of its name, in the catalogue and in qx.dat
    // (also for a clone the catalogue leaves out); a verdict that changes nothing writes nothing.
    void verdictChangesOnlyTheStateOfThatSet() {
        // The set, whether the catalogue holds the clones, the verdict, the new State (0: nothing changes).
        const std::tuple<QString, bool, VerifyVerdict, int> cases[] = {
            {"galaga", true, VerifyVerdict::Usable, 1},    {"pacman", true, VerifyVerdict::Unusable, 2},
            {"pacman", false, VerifyVerdict::Unusable, 2}, {"pong", true, VerifyVerdict::Usable, 1},
            {"pacman", true, VerifyVerdict::Usable, 0},    {"galaga", true, VerifyVerdict::Unknown, 0},
            {"zzz", true, VerifyVerdict::Usable, 0}};
        for (const auto &[set, clones, verdict, newState] : cases) {
            VerifySetup setup;
            SetCatalogue catalogue = LoadSetList(setup.state.cachePath(), clones);
            const QDateTime before = QFileInfo(setup.state.cachePath()).lastModified();

            QString error;
            const std::optional<SetState> changed =
                ApplyVerifyVerdict(catalogue, setup.state.cachePath(), set, verdict, &error);

            QVERIFY(error.isEmpty());
            QCOMPARE(int(changed.value_or(SetState(0))), newState);
            const QByteArray line = "=" + set.toUtf8() + ".cpp"; // the State field precedes the driver
            QCOMPARE(readFile(setup.state.cachePath()),
                     newState ? QByteArray(kCache).replace(QByteArray::number(3 - newState) + line,
                                                           QByteArray::number(newState) + line)
                              : kCache);
            const qsizetype index = catalogue.indexOfName(set);
            if (newState && index >= 0) {
                QCOMPARE(int(catalogue.at(index).toRecord().State), newState);
            } else if (!newState) {
                QCOMPARE(QFileInfo(setup.state.cachePath()).lastModified(), before);
            }
        }
    }
};

QTEST_GUILESS_MAIN(SingleSetVerifyTest)
#include "SingleSetVerifyTest.moc"
