// Building the catalogue: the first run with a newly chosen MAME, and the refresh that rebuilds the set list
// for a changed MAME or verifies the sets again for the same one.
#include "catalogue/CatalogueRefresh.h"

#include "CatalogueTestSetup.h"
#include "EnvironmentScope.h"
#include "RecordingCatalogueHost.h"
#include "ScriptedUserPrompts.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"
#include "catalogue/FirstRunSetup.h"

#include <QTest>

using namespace qx;

namespace {

// The stand-in as MAME, with what the window is told recorded and the user's answers scripted.
struct Build {
    test::CatalogueTestSetup setup;
    test::RecordingCatalogueHost host;
    test::ScriptedUserPrompts prompts;
    FrontendSettings settings = setup.settings();

    RefreshOutcome refresh() {
        setup.state.EmulatorPath = setup.exe;
        setup.state.EmulatorDir = setup.emulatorDir();
        host.statusTexts.clear();
        host.events.clear();
        prompts.clearShown();
        setup.clearCalls();
        return RefreshCatalogue(setup.state, settings, host, prompts);
    }
    FirstRunOutcome firstRun() { return FirstRunSetup(setup.state, settings, host, prompts).run(setup.exe); }
    QString crc() const { return FileCrcText(setup.exe).value(); }
};

} // namespace

class CatalogueRefreshTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Loaded with clones (the host's Clones check is on), without the BIOS set.
    void changedEmulatorAsksAndRebuilds() {
        Build build;
        build.prompts.queueAnswer(PromptAnswer::Yes);
        QCOMPARE(build.refresh(), RefreshOutcome::Rebuilt);
        QCOMPARE(build.prompts.shownTexts(), QStringList{kFastScanQuestion});
        QCOMPARE(QStringList({build.settings.read(Settings::Crc32), build.settings.read(Settings::SetLimit),
                              build.settings.read(Settings::BiosSets)}),
                 QStringList({build.crc(), "9", "1"}));
        QCOMPARE(build.setup.workFilesLeft(), QStringList());
        QCOMPARE(build.host.catalogue.size(), 8);
        QCOMPARE(build.host.catalogue.indexOfName(u"neogeo"), -1);
        QCOMPARE(build.host.events,
                 QStringList({"clearViews", "disable", "status:" + kStatusExtracting,
                              "status:" + kStatusParsing, "status:" + kStatusLookingForFiles, "panels",
                              "showCatalogue", "enable", "history"}));
    }

    // With neverfastscan the sets are verified without a question; the same MAME again is only verified, only
    // the State column of qx.dat changes, and sets hidden by the Available button are mentioned.
    void sameExecutableAgainOnlyReverifies() {
        Build build;
        build.settings.set(Settings::NeverFastScan, "1");
        build.host.clones = false;
        QCOMPARE(build.refresh(), RefreshOutcome::Rebuilt);
        QCOMPARE(build.prompts.shownTexts(), QStringList());
        QCOMPARE(build.host.statusTexts,
                 QStringList({kStatusExtracting, kStatusParsing, kStatusVerifying, kStatusCreatingList}));
        const SetCatalogue &parents = build.host.catalogue;
        QCOMPARE(parents.size(), 6);
        QCOMPARE(parents.indexOfName(u"pacman"), -1);
        QVERIFY(parents.at(parents.indexOfName(u"pong")).isAvailable());
        QVERIFY(!parents.at(parents.indexOfName(u"pacnpal")).isAvailable());
        const QByteArray firstCache = test::readFile(build.setup.state.cachePath());

        build.setup.useSharedFixtures();
        build.setup.useFixture("verifyroms.txt", "romset pacnpal is good\n");
        build.setup.useFixture("listxml.xml", "<mame></mame>"); // would empty the list if read
        build.host.availablePressed = false;
        QCOMPARE(build.refresh(), RefreshOutcome::AvailabilityOnly);
        QCOMPARE(build.setup.switches(), QStringList{"-verifyroms"});
        QCOMPARE(build.host.statusTexts, QStringList({kStatusVerifying, kStatusCreatingList}));
        QCOMPARE(build.prompts.shownTexts(), QStringList{"Available sets are hidden."});
        QCOMPARE(build.prompts.shown().first().icon, PromptIcon::Information);
        QCOMPARE(test::readFile(build.setup.state.cachePath()),
                 QByteArray(firstCache)
                     .replace("=1=", "=2=")
                     .replace("pacnpal=Pac & Pal==Namco=1983=imperfect=2=",
                              "pacnpal=Pac & Pal==Namco=1983=imperfect=1="));
        QCOMPARE(build.setup.workFilesLeft(), QStringList());
    }

    void missingCacheMeansRebuildEvenWithTheSameCrc() {
        Build build;
        build.settings.set(Settings::Crc32, build.crc());
        QCOMPARE(build.refresh(), RefreshOutcome::Rebuilt);
        QVERIFY(build.setup.switches().contains("-listxml"));
    }

    // Whatever keeps MAME from finishing its listing or its verify, the catalogue the user had stays (as does
    // crc32, so the next refresh tries again), and they are told why.
    void aRunThatDoesNotFinishKeepsTheCatalogue_data() {
        QTest::addColumn<QString>(
            "run"); // -listxml: a changed MAME, rebuilt; -verifyroms: the same, verified
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<RefreshOutcome>("outcome");
        QTest::addColumn<QString>("message");
        const QByteArray xml = test::readFixture("standin/listxml.xml");
        const QByteArray cut = xml.left(xml.indexOf("<machine name=\"pacnpal\"") + 10);
        const QByteArray hang = "QX_STANDIN_SLEEP_MS=30000";
        const QByteArray crash = "QX_STANDIN_CRASH=1";
        const auto kept = RefreshOutcome::KeptOldCache;
        const auto cancelled = RefreshOutcome::Cancelled;
        QTest::newRow("no sets") << "-listxml" << QByteArray("")
                                 << QByteArray("QX_STANDIN_STDERR=Fatal: corrupt") << false << kept
                                 << "MAME listed no sets, so the set list was left as it was.\n\n"
                                    "MAME said:\nFatal: corrupt";
        QTest::newRow("listing crashes half-way")
            << "-listxml" << cut << crash << false << kept
            << "did not end normally: MAME crashed (%1 -listxml).\n\nIt gave 4 sets; the set list was left";
        QTest::newRow("listing cut off") << "-listxml" << cut << QByteArray("QX_STANDIN_EXIT_CODE=0") << false
                                         << kept << "The set list from MAME is damaged or incomplete";
        QTest::newRow("MAME silent") << "-listxml" << QByteArray() << hang << false << kept
                                     << "MAME printed nothing for 1 second and was stopped (%1 -listxml)";
        QTest::newRow("build cancelled")
            << "-listxml" << QByteArray() << hang << true << cancelled << kBuildCancelledMessage;
        QTest::newRow("verify cancelled")
            << "-verifyroms" << QByteArray() << hang << true << cancelled << kVerifyCancelledMessage;
        QTest::newRow("verify crashes") << "-verifyroms" << QByteArray() << crash << false << kept
                                        << "MAME's verify could not be used: MAME crashed (%1 -verifyroms).";
        QTest::newRow("verify prints nothing")
            << "-verifyroms" << QByteArray("") << QByteArray("QX_STANDIN_EXIT_CODE=0") << false << kept
            << "could not be used: MAME printed nothing";
    }
    void aRunThatDoesNotFinishKeepsTheCatalogue() {
        QFETCH(QString, run);
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, environment);
        QFETCH(bool, cancel);
        QFETCH(RefreshOutcome, outcome);
        QFETCH(QString, message);
        Build build;
        test::CatalogueTestSetup &setup = build.setup;
        const bool listing = run == "-listxml";
        const QByteArray oldCache = "pacman=Pac-Man==Namco=1980=good=1=pacman.cpp=no\r\n"
                                    "pong=Pong==Atari=1972=good=2=pong.cpp=no\r\n";
        test::writeFile(setup.state.cachePath(), oldCache);
        test::writeFile(setup.emulatorDir() + "mame.ini", "rompath roms\n");
        const QString crc = listing ? QStringLiteral("1234ABCD") : build.crc();
        build.settings.set(Settings::Crc32, crc);
        setup.useSharedFixtures();
        if (!answer.isNull()) {
            setup.useFixture(listing ? "listxml.xml" : "verifyroms.txt", answer);
        }
        setup.state.runLimits.silenceMs = 300;
        build.host.cancelAt = !cancel ? QString() : listing ? kStatusExtracting : kStatusVerifying;
        const QByteArray variable = environment.left(environment.indexOf('='));
        const test::EnvironmentScope scope(variable.constData(), environment.mid(variable.size() + 1));

        QCOMPARE(build.refresh(), outcome);
        QCOMPARE(test::readFile(setup.state.cachePath()), oldCache);
        QCOMPARE(build.settings.read(Settings::Crc32), crc);
        QCOMPARE(build.prompts.shown().size(), 1);
        QCOMPARE(build.prompts.shown().first().title, "Quorvex");
        QVERIFY2(build.prompts.shownTexts().first().contains(message.arg(setup.exe)),
                 qPrintable(build.prompts.shownTexts().first()));
        QCOMPARE(build.host.catalogue.size(), 2);
        QCOMPARE(setup.workFilesLeft(), QStringList());
        QVERIFY(build.host.controlsEnabled);
    }

    // With no catalogue to keep, the sets a broken listing gave are better than none.
    void aBrokenListingWithoutAnOldCatalogueIsUsedWithAWarning() {
        Build build;
        const QByteArray xml = test::readFixture("standin/listxml.xml");
        build.setup.useSharedFixtures();
        build.setup.useFixture("listxml.xml", xml.left(xml.indexOf("<machine name=\"pacnpal\"")));
        build.prompts.queueAnswer(PromptAnswer::Yes); // fast scan
        QCOMPARE(build.refresh(), RefreshOutcome::Rebuilt);
        QCOMPARE(build.host.catalogue.size(), 3); // puckman, pacman, pacmanf; neogeo is a BIOS set
        QVERIFY(build.prompts.shownTexts().constFirst().contains("It gave only 4 sets. They were kept"));
        QCOMPARE(build.settings.read(Settings::Crc32), QString()); // the next refresh extracts again
    }

    // The first run identifies MAME, lists its sets, asks for the ROM folders, then whether to fast scan
    // (neverfastscan is not consulted), and replaces qx.dat. MAME's untouched rompath with no zip in it is
    // not worth a verify. Every MAME run happens in the emulator directory.
    void firstRunBuildsTheCatalogue_data() {
        QTest::addColumn<bool>("fastScan");
        QTest::addColumn<QByteArray>("mameIni");   // empty: MAME makes its own
        QTest::addColumn<QStringList>("statuses"); // after the question
        QTest::addColumn<QStringList>("runs");     // after -help and the two listings
        QTest::addColumn<QStringList>("available");
        QTest::newRow("fast scan") << true << QByteArray() << QStringList{kStatusLookingForFiles}
                                   << QStringList{"-createconfig"} << QStringList{"puckman:1", "pong:1"};
        QTest::newRow("full verify") << false << QByteArray()
                                     << QStringList{kStatusVerifying, kStatusCreatingList}
                                     << QStringList{"-createconfig", "-verifyroms"}
                                     << QStringList{"neogeo:1", "puckman:1", "mslug:1", "pong:1"};
        QTest::newRow("MAME's default rompath without zips")
            << false << QByteArray("<UNADORNED0>\nrompath                   roms\n")
            << QStringList{kStatusVerifying, kStatusCreatingList} << QStringList() << QStringList{"pong:1"};
    }
    void firstRunBuildsTheCatalogue() {
        QFETCH(bool, fastScan);
        QFETCH(QByteArray, mameIni);
        QFETCH(QStringList, statuses);
        QFETCH(QStringList, runs);
        QFETCH(QStringList, available);
        Build build;
        test::CatalogueTestSetup &setup = build.setup;
        if (fastScan) {
            test::writeFile(setup.emulatorDir() + "roms/puckman.zip", "zip");
        }
        if (!mameIni.isEmpty()) {
            test::writeFile(setup.emulatorDir() + "mame.ini", mameIni);
        }
        test::writeFile(setup.state.cachePath(), "stale=cache==M=1990=good=1=d.cpp=no\r\n");
        build.settings.set(Settings::NeverFastScan, "1");
        build.prompts.queueAnswer(fastScan ? PromptAnswer::Yes : PromptAnswer::No);
        bool confirmedDuringDialog = false;
        build.host.onPathsDialog = [&] {
            confirmedDuringDialog = setup.state.RomChangeConfirmed;
        };

        QCOMPARE(build.firstRun(), FirstRunOutcome::Completed);

        QCOMPARE(build.host.statusTexts,
                 QStringList({kStatusExtracting, kStatusParsing, kStatusRomPaths, kStatusFastScan}) +
                     statuses);
        QCOMPARE(build.prompts.shown().size(), 1);
        const test::ShownPrompt &question = build.prompts.shown().first();
        QCOMPARE(question.title + '|' + question.text, "Fast Scan|Do you want to skip verifying your sets "
                                                       "and look for filenames only? (sets must be split)");
        QVERIFY(question.buttons == PromptButtons::YesNo && question.defaultButton == PromptAnswer::No);
        QCOMPARE(setup.cachedStates().filter(":1"), available);
        QCOMPARE(setup.cachedStates().size(), 9);
        QCOMPARE(
            QStringList({build.settings.read(Settings::Exe), build.settings.read(Settings::Version),
                         build.settings.read(Settings::Crc32), build.host.caption, setup.state.EmulatorDir,
                         setup.state.EmulatorIniPath}),
            QStringList({setup.exe, "MAME v0.251 (unknown)", build.crc(), "MAME v0.251 (unknown) - Quorvex",
                         setup.emulatorDir(), setup.emulatorDir() + "mame.ini"}));
        QVERIFY(QFile::exists(setup.state.EmulatorIniPath));
        QVERIFY(confirmedDuringDialog && !setup.state.RomChangeConfirmed);
        QCOMPARE(build.host.romsNoteShown, !fastScan); // no ROM folder holds a set
        QVERIFY(build.host.events.first() == "disable" && build.host.events.endsWith("panels"));
        QVERIFY(build.host.controlsEnabled);
        QCOMPARE(setup.workFilesLeft(), QStringList());
        QStringList switches = setup.switches();
        QCOMPARE(switches.takeFirst(), "-help");
        std::sort(switches.begin(), switches.begin() + 2);
        QCOMPARE(switches, QStringList({"-listclones", "-listxml"}) + runs);
        for (const test::StandinCall &call : setup.calls().mid(1)) {
            QVERIFY2(WithTrailingSeparator(call.cwd) == setup.emulatorDir(), qPrintable(call.args.join(" ")));
        }
    }

    void firstRunWithAnotherProgramStopsThere() {
        Build build;
        build.setup.useFixture("help.txt", "usage: something else\n");
        QCOMPARE(build.firstRun(), FirstRunOutcome::NotMame);
        QCOMPARE(build.prompts.shownTexts(),
                 QStringList{"This file doesn't seem to be a MAME executable.\n\n" + build.setup.exe});
        QCOMPARE(build.settings.read(Settings::Exe), QString());
        QVERIFY(build.host.controlsEnabled); // for the next choice
        QCOMPARE(build.setup.switches(), QStringList{"-help"});
    }

    // A MAME that lists nothing must not cost the catalogue of an earlier MAME: qx.dat stays, nothing asked.
    void firstRunWithoutSetsKeepsTheOldCatalogue() {
        Build build;
        const QByteArray oldCache = "old=Old set==M=1990=good=1=old.cpp=no\r\n";
        test::writeFile(build.setup.state.cachePath(), oldCache);
        build.setup.useSharedFixtures();
        build.setup.useFixture("listxml.xml", QByteArray());
        const test::EnvironmentScope stderrText("QX_STANDIN_STDERR", "listxml: cannot allocate\n");
        QCOMPARE(build.firstRun(), FirstRunOutcome::Completed);
        QCOMPARE(build.prompts.shown().size(), 1);
        QVERIFY(build.prompts.shownTexts().first().contains("listxml: cannot allocate"));
        QCOMPARE(test::readFile(build.setup.state.cachePath()), oldCache);
        QCOMPARE(build.settings.read(Settings::Crc32), QString()); // the next refresh extracts again
        QVERIFY(!build.host.events.contains("pathsDialog"));
        QCOMPARE(build.setup.workFilesLeft(), QStringList());
    }
};

QTEST_GUILESS_MAIN(CatalogueRefreshTest)
#include "CatalogueRefreshTest.moc"
