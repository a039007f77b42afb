#include "catalogue/CatalogueRefresh.h"

#include "CatalogueTestSetup.h"
#include "RecordingCatalogueHost.h"
#include "ScriptedUserPrompts.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"

#include <QDir>
#include <QTest>

using namespace qx;

class CatalogueRefreshTest : public QObject {
    Q_OBJECT

    struct Refresh {
        test::CatalogueTestSetup setup;
        test::RecordingCatalogueHost host;
        test::ScriptedUserPrompts prompts;
        FrontendSettings settings = setup.settings();
        Refresh() {
            setup.state.EmulatorPath = setup.exe;
            setup.state.EmulatorDir = setup.emulatorDir();
        }
        RefreshOutcome run() {
            host.statusTexts.clear();
            host.events.clear();
            prompts.clearShown();
            setup.clearCalls();
            return RefreshCatalogue(setup.state, settings, host, prompts);
        }
    };

private Q_SLOTS:
    void changedEmulatorAsksAndRebuilds() {
        Refresh refresh;
        refresh.prompts.queueAnswer(PromptAnswer::Yes);
        QCOMPARE(refresh.run(), RefreshOutcome::Rebuilt);
        QCOMPARE(refresh.prompts.shownTexts(), QStringList{kFastScanQuestion});
        QCOMPARE(refresh.host.statusTexts,
                 (QStringList{kStatusExtracting, kStatusParsing, kStatusLookingForFiles}));
        QCOMPARE(refresh.settings.read(Settings::Crc32), FileCrcText(refresh.setup.exe).value());
        QCOMPARE(refresh.settings.read(Settings::SetLimit), QStringLiteral("9"));
        QCOMPARE(refresh.settings.read(Settings::BiosSets), QStringLiteral("1"));
        QCOMPARE(refresh.setup.workFilesLeft(), QStringList());
        // Loaded with clones (the host's Clones check is on), without the BIOS set.
        QCOMPARE(refresh.host.catalogue.size(), 8);
        QCOMPARE(refresh.host.catalogue.indexOfName(QStringLiteral("neogeo")), -1);
        QCOMPARE(refresh.host.events,
                 (QStringList{"clearViews", "disable", "status:" + kStatusExtracting,
                              "status:" + kStatusParsing, "status:" + kStatusLookingForFiles, "panels",
                              "showCatalogue", "enable", "history"}));
    }

    void neverFastScanVerifiesWithoutAsking() {
        Refresh refresh;
        refresh.settings.set(Settings::NeverFastScan, QStringLiteral("1"));
        refresh.host.clones = false;
        QCOMPARE(refresh.run(), RefreshOutcome::Rebuilt);
        QCOMPARE(refresh.prompts.shownTexts(), QStringList());
        QCOMPARE(refresh.host.statusTexts,
                 (QStringList{kStatusExtracting, kStatusParsing, kStatusVerifying, kStatusCreatingList}));
        QVERIFY(refresh.setup.switches().contains(QStringLiteral("-verifyroms")));
        const SetCatalogue &parents = refresh.host.catalogue;
        QCOMPARE(parents.size(), 6);
        QCOMPARE(parents.indexOfName(QStringLiteral("pacman")), -1);
        QVERIFY(parents.at(parents.indexOfName(QStringLiteral("pong"))).isAvailable());
        QVERIFY(!parents.at(parents.indexOfName(QStringLiteral("pacnpal"))).isAvailable());
    }

    void sameExecutableAgainOnlyReverifies() {
        Refresh refresh;
        refresh.settings.set(Settings::NeverFastScan, QStringLiteral("1"));
        QCOMPARE(refresh.run(), RefreshOutcome::Rebuilt);
        const QByteArray firstCache = test::readFile(refresh.setup.state.cachePath());

        refresh.setup.useSharedFixtures();
        refresh.setup.useFixture(QStringLiteral("verifyroms.txt"), "romset pacnpal is good\n");
        refresh.setup.useFixture(QStringLiteral("listxml.xml"),
                                 "<mame></mame>"); // would empty the list if read
        QCOMPARE(refresh.run(), RefreshOutcome::AvailabilityOnly);

        QCOMPARE(refresh.setup.switches(), QStringList{QStringLiteral("-verifyroms")});
        QCOMPARE(refresh.host.statusTexts, (QStringList{kStatusVerifying, kStatusCreatingList}));
        QCOMPARE(refresh.prompts.shownTexts(), QStringList());
        const QByteArray secondCache = test::readFile(refresh.setup.state.cachePath());
        QCOMPARE(secondCache.size(), firstCache.size());
        QByteArray expected = firstCache;
        expected.replace("=1=", "=2=");
        expected.replace("pacnpal=Pac & Pal==Namco=1983=imperfect=2=",
                         "pacnpal=Pac & Pal==Namco=1983=imperfect=1=");
        QCOMPARE(secondCache, expected);
        QCOMPARE(refresh.setup.workFilesLeft(), QStringList());
    }

    void missingCacheMeansRebuildEvenWithTheSameCrc() {
        Refresh refresh;
        refresh.settings.set(Settings::Crc32, FileCrcText(refresh.setup.exe).value());
        refresh.prompts.queueAnswer(PromptAnswer::No);
        QCOMPARE(refresh.run(), RefreshOutcome::Rebuilt);
        QVERIFY(refresh.setup.switches().contains(QStringLiteral("-listxml")));
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
        const QByteArray xml = test::readFixture(QStringLiteral("standin/listxml.xml"));
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
        Refresh refresh;
        test::CatalogueTestSetup &setup = refresh.setup;
        const bool listing = run == QLatin1String("-listxml");
        const QByteArray oldCache = "pacman=Pac-Man==Namco=1980=good=1=pacman.cpp=no\r\n"
                                    "pong=Pong==Atari=1972=good=2=pong.cpp=no\r\n";
        test::writeFile(setup.state.cachePath(), oldCache);
        test::writeFile(setup.emulatorDir() + QStringLiteral("mame.ini"), "rompath roms\n");
        const QString crc = listing ? QStringLiteral("1234ABCD") : FileCrcText(setup.exe).value();
        refresh.settings.set(Settings::Crc32, crc);
        setup.useSharedFixtures();
        if (!answer.isNull()) {
            setup.useFixture(listing ? QStringLiteral("listxml.xml") : QStringLiteral("verifyroms.txt"),
                             answer);
        }
        setup.state.runLimits.silenceMs = 300;
        refresh.host.cancelAt = !cancel ? QString() : listing ? kStatusExtracting : kStatusVerifying;
        const QByteArray variable = environment.left(environment.indexOf('='));
        qputenv(variable.constData(), environment.mid(variable.size() + 1));
        const RefreshOutcome result = refresh.run();
        qunsetenv(variable.constData());

        QCOMPARE(result, outcome);
        QCOMPARE(test::readFile(setup.state.cachePath()), oldCache);
        QCOMPARE(refresh.settings.read(Settings::Crc32), crc);
        QCOMPARE(refresh.prompts.shown().size(), 1);
        QCOMPARE(refresh.prompts.shown().first().title, QStringLiteral("Quorvex"));
        QVERIFY2(refresh.prompts.shown().first().text.contains(message.arg(setup.exe)),
                 qPrintable(refresh.prompts.shown().first().text));
        QCOMPARE(refresh.host.catalogue.size(), 2);
        QCOMPARE(setup.workFilesLeft(), QStringList());
        QVERIFY(refresh.host.controlsEnabled);
    }

    // With no catalogue to keep, the sets a broken listing gave are better than none.
    void aBrokenListingWithoutAnOldCatalogueIsUsedWithAWarning() {
        Refresh refresh;
        const QByteArray xml = test::readFixture(QStringLiteral("standin/listxml.xml"));
        refresh.setup.useSharedFixtures();
        refresh.setup.useFixture("listxml.xml", xml.left(xml.indexOf("<machine name=\"pacnpal\"")));
        refresh.prompts.queueAnswer(PromptAnswer::Yes); // fast scan
        QCOMPARE(refresh.run(), RefreshOutcome::Rebuilt);
        QCOMPARE(refresh.host.catalogue.size(), 3); // puckman, pacman, pacmanf; neogeo is a BIOS set
        QVERIFY(refresh.prompts.shownTexts().constFirst().contains("It gave only 4 sets. They were kept"));
        QCOMPARE(refresh.settings.read(Settings::Crc32), QString()); // the next refresh extracts again
    }

    // Beside the bar: the sets MAME reported (not its lines about single files), digits grouped.
    void verifyAllCountsTheSetsItChecked() {
        Refresh refresh;
        refresh.settings.set(Settings::NeverFastScan, QStringLiteral("1"));
        refresh.run();
        QByteArray verify;
        for (int i = 0; i < 1234; ++i) {
            verify += "s" + QByteArray::number(i) + " : a.bin - NOT FOUND\nromset s" + QByteArray::number(i) +
                      " is bad\n";
        }
        refresh.setup.useFixture("verifyroms.txt", verify);
        QCOMPARE(refresh.run(), RefreshOutcome::AvailabilityOnly);
        QCOMPARE(refresh.host.countTexts.filter("checked").constLast(), QStringLiteral("1,234 sets checked"));
    }

    void hiddenAvailableSetsAreMentioned() {
        Refresh refresh;
        refresh.settings.set(Settings::NeverFastScan, QStringLiteral("1"));
        refresh.host.availablePressed = false;
        refresh.run();
        QCOMPARE(refresh.prompts.shownTexts(), QStringList{QStringLiteral("Available sets are hidden.")});
        QCOMPARE(refresh.prompts.shown().first().icon, PromptIcon::Information);
    }
};

QTEST_GUILESS_MAIN(CatalogueRefreshTest)
#include "CatalogueRefreshTest.moc"
