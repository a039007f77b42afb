#include "CatalogueTestSetup.h"
#include "RecordingCatalogueHost.h"
#include "ScriptedUserPrompts.h"
#include "catalogue/CatalogueRefresh.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"

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
        QCOMPARE(refresh.settings.read(QStringLiteral("crc32")), FileCrcText(refresh.setup.exe).value());
        QCOMPARE(refresh.settings.read(QStringLiteral("setlimit")), QStringLiteral("9"));
        QCOMPARE(refresh.settings.read(QStringLiteral("biossets")), QStringLiteral("1"));
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
        refresh.settings.write(QStringLiteral("neverfastscan"), QStringLiteral("1"));
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
        refresh.settings.write(QStringLiteral("neverfastscan"), QStringLiteral("1"));
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
        refresh.settings.write(QStringLiteral("crc32"), FileCrcText(refresh.setup.exe).value());
        refresh.prompts.queueAnswer(PromptAnswer::No);
        QCOMPARE(refresh.run(), RefreshOutcome::Rebuilt);
        QVERIFY(refresh.setup.switches().contains(QStringLiteral("-listxml")));
    }

    void emulatorWithoutSetsKeepsTheOldCache() {
        Refresh refresh;
        const QByteArray oldCache = "old=Old set==M=1990=good=1=old.cpp=no\r\n";
        test::writeFile(refresh.setup.state.cachePath(), oldCache);
        refresh.settings.write(QStringLiteral("crc32"), QStringLiteral("1234ABCD"));
        refresh.setup.useSharedFixtures();
        refresh.setup.useFixture(QStringLiteral("listxml.xml"), QByteArray());
        qputenv("QX_STANDIN_STDERR", "Fatal error: driver list corrupt\n");
        const RefreshOutcome outcome = refresh.run();
        qunsetenv("QX_STANDIN_STDERR");

        QCOMPARE(outcome, RefreshOutcome::KeptOldCache);
        QCOMPARE(test::readFile(refresh.setup.state.cachePath()), oldCache);
        QCOMPARE(refresh.settings.read(QStringLiteral("crc32")), QStringLiteral("1234ABCD"));
        QCOMPARE(refresh.prompts.shown().size(), 1);
        QCOMPARE(refresh.prompts.shown().first().title, QStringLiteral("Quorvex"));
        QVERIFY(
            refresh.prompts.shown().first().text.contains(QLatin1String("Fatal error: driver list corrupt")));
        QCOMPARE(refresh.host.catalogue.size(), 1);
        QCOMPARE(refresh.setup.workFilesLeft(), QStringList());
        QVERIFY(refresh.host.controlsEnabled);
    }

    void hiddenAvailableSetsAreMentioned() {
        Refresh refresh;
        refresh.settings.write(QStringLiteral("neverfastscan"), QStringLiteral("1"));
        refresh.host.availablePressed = false;
        refresh.run();
        QCOMPARE(refresh.prompts.shownTexts(), QStringList{QStringLiteral("Available sets are hidden.")});
        QCOMPARE(refresh.prompts.shown().first().icon, PromptIcon::Information);
    }
};

QTEST_GUILESS_MAIN(CatalogueRefreshTest)
#include "CatalogueRefreshTest.moc"
