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

    // Whatever keeps MAME from finishing, the catalogue the user had stays, and they are told why.
    void aRunThatDoesNotFinishKeepsTheCatalogue_data() {
        QTest::addColumn<bool>("sameMame"); // an unchanged MAME only verifies again
        QTest::addColumn<QByteArray>("listxml");
        QTest::addColumn<QByteArray>("verifyroms");
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<QString>("cancelAt");
        QTest::addColumn<RefreshOutcome>("outcome");
        QTest::addColumn<QString>("message");
        const QByteArray xml =
            test::readFile(QDir(test::fixturesDir()).filePath(QStringLiteral("standin/listxml.xml")));
        const QByteArray cut = xml.left(xml.indexOf("<machine name=\"pacnpal\"") + 10);
        const QByteArray none;
        const auto kept = RefreshOutcome::KeptOldCache;
        QTest::newRow("listing crashes half-way")
            << false << cut << none << QByteArray("QX_STANDIN_CRASH=1") << QString() << kept
            << "did not end normally: MAME crashed (%1 -listxml).\n\nIt gave 4 sets; the set list was left";
        QTest::newRow("listing cut off") << false << cut << none << QByteArray() << QString() << kept
                                         << "The set list from MAME is damaged or incomplete";
        QTest::newRow("MAME silent") << false << none << none << QByteArray("QX_STANDIN_SLEEP_MS=30000")
                                     << QString() << kept
                                     << "MAME printed nothing for 1 second and was stopped (%1 -listxml)";
        QTest::newRow("build cancelled")
            << false << none << none << QByteArray("QX_STANDIN_SLEEP_MS=30000") << kStatusExtracting
            << RefreshOutcome::Cancelled << kBuildCancelledMessage;
        QTest::newRow("verify cancelled")
            << true << none << none << QByteArray("QX_STANDIN_SLEEP_MS=30000") << kStatusVerifying
            << RefreshOutcome::Cancelled << kVerifyCancelledMessage;
        QTest::newRow("verify crashes")
            << true << none << none << QByteArray("QX_STANDIN_CRASH=1") << QString() << kept
            << "MAME's verify could not be used: MAME crashed (%1 -verifyroms).";
        QTest::newRow("verify prints nothing") << true << none << QByteArray("") << QByteArray() << QString()
                                               << kept << "could not be used: MAME printed nothing";
    }
    void aRunThatDoesNotFinishKeepsTheCatalogue() {
        QFETCH(bool, sameMame);
        QFETCH(QByteArray, listxml);
        QFETCH(QByteArray, verifyroms);
        QFETCH(QByteArray, environment);
        QFETCH(QString, cancelAt);
        QFETCH(RefreshOutcome, outcome);
        QFETCH(QString, message);
        Refresh refresh;
        test::CatalogueTestSetup &setup = refresh.setup;
        const QByteArray oldCache = "pacman=Pac-Man==Namco=1980=good=1=pacman.cpp=no\r\n"
                                    "pong=Pong==Atari=1972=good=2=pong.cpp=no\r\n";
        test::writeFile(setup.state.cachePath(), oldCache);
        test::writeFile(setup.emulatorDir() + QStringLiteral("mame.ini"), "rompath roms\n");
        const QString crc = sameMame ? FileCrcText(setup.exe).value() : QStringLiteral("1234ABCD");
        refresh.settings.write(QStringLiteral("crc32"), crc);
        setup.useSharedFixtures();
        if (!listxml.isNull()) {
            setup.useFixture(QStringLiteral("listxml.xml"), listxml);
        }
        if (!verifyroms.isNull()) {
            setup.useFixture(QStringLiteral("verifyroms.txt"), verifyroms);
        }
        setup.state.runLimits.silenceMs = 300;
        refresh.host.cancelAt = cancelAt;
        const QByteArray variable = environment.left(environment.indexOf('='));
        if (!variable.isEmpty()) {
            qputenv(variable.constData(), environment.mid(variable.size() + 1));
        }
        const RefreshOutcome result = refresh.run();
        if (!variable.isEmpty()) {
            qunsetenv(variable.constData());
        }
        QCOMPARE(result, outcome);
        QCOMPARE(test::readFile(setup.state.cachePath()), oldCache);
        QCOMPARE(refresh.settings.read(QStringLiteral("crc32")), crc);
        QCOMPARE(refresh.prompts.shown().size(), 1);
        QVERIFY2(refresh.prompts.shown().first().text.contains(message.arg(setup.exe)),
                 qPrintable(refresh.prompts.shown().first().text));
        QCOMPARE(refresh.host.catalogue.size(), 2);
        QCOMPARE(setup.workFilesLeft(), QStringList());
    }

    // With no catalogue to keep, the sets a broken listing gave are better than none.
    void aBrokenListingWithoutAnOldCatalogueIsUsedWithAWarning() {
        Refresh refresh;
        const QByteArray xml =
            test::readFile(QDir(test::fixturesDir()).filePath(QStringLiteral("standin/listxml.xml")));
        refresh.setup.useSharedFixtures();
        refresh.setup.useFixture(QStringLiteral("listxml.xml"),
                                 xml.left(xml.indexOf("<machine name=\"pacnpal\"")));
        refresh.prompts.queueAnswer(PromptAnswer::Yes); // fast scan
        QCOMPARE(refresh.run(), RefreshOutcome::Rebuilt);
        QCOMPARE(refresh.host.catalogue.size(), 3); // puckman, pacman, pacmanf; neogeo is a BIOS set
        QVERIFY(refresh.prompts.shownTexts().constFirst().contains(
            QLatin1String("It gave only 4 sets. They were kept, but the set list is incomplete")));
        QCOMPARE(refresh.settings.read(QStringLiteral("crc32")),
                 QString()); // the next refresh extracts again
    }

    // Beside the bar: the sets MAME reported (not its lines about single files), digits grouped.
    void verifyAllCountsTheSetsItChecked() {
        Refresh refresh;
        refresh.settings.write(QStringLiteral("neverfastscan"), QStringLiteral("1"));
        refresh.run();
        QByteArray verify;
        for (int i = 0; i < 1234; ++i) {
            verify += "s" + QByteArray::number(i) + "     : a.bin (256 bytes) - NOT FOUND\nromset s" +
                      QByteArray::number(i) + " is bad\n";
        }
        refresh.setup.useSharedFixtures();
        refresh.setup.useFixture(QStringLiteral("verifyroms.txt"), verify);
        refresh.host.countTexts.clear();
        QCOMPARE(refresh.run(), RefreshOutcome::AvailabilityOnly);
        QCOMPARE(refresh.host.countTexts.filter(QStringLiteral("checked")).constLast(),
                 QStringLiteral("1,234 sets checked"));
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
