#include "catalogue/FirstRunSetup.h"

#include "CatalogueTestSetup.h"
#include "RecordingCatalogueHost.h"
#include "ScriptedUserPrompts.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"

#include <QTest>

using namespace qx;

class FirstRunSetupTest : public QObject {
    Q_OBJECT

    static QStringList stateColumn(const QString &cachePath) {
        QStringList result;
        for (const QByteArray &line : test::readFile(cachePath).split('\n')) {
            const QList<QByteArray> fields = line.trimmed().split('=');
            if (fields.size() == 9) {
                result += QString::fromUtf8(fields[0] + ':' + fields[6]);
            }
        }
        return result;
    }

private Q_SLOTS:
    void fastScanAnswerYesLooksForFileNames() {
        test::CatalogueTestSetup setup;
        test::writeFile(setup.emulatorDir() + QStringLiteral("roms/puckman.zip"), "zip");
        test::writeFile(setup.state.cachePath(), "stale=cache==M=1990=good=1=d.cpp=no\r\n");
        test::RecordingCatalogueHost host;
        test::ScriptedUserPrompts prompts;
        prompts.queueAnswer(PromptAnswer::Yes);
        const FrontendSettings settings = setup.settings();

        QCOMPARE(FirstRunSetup(setup.state, settings, host, prompts).run(setup.exe),
                 FirstRunOutcome::Completed);

        QCOMPARE(host.statusTexts, (QStringList{kStatusExtracting, kStatusParsing, kStatusRomPaths,
                                                kStatusFastScan, kStatusLookingForFiles}));
        QCOMPARE(prompts.shown().size(), 1);
        const test::ShownPrompt &question = prompts.shown().first();
        QCOMPARE(question.text,
                 QStringLiteral("Do you want to skip verifying your sets and look for filenames only? "
                                "(sets must be split)"));
        QCOMPARE(question.title, QStringLiteral("Fast Scan"));
        QCOMPARE(question.buttons, PromptButtons::YesNo);
        QCOMPARE(question.defaultButton, PromptAnswer::No);

        QCOMPARE(stateColumn(setup.state.cachePath()),
                 (QStringList{"neogeo:2", "puckman:1", "pacman:2", "pacmanf:2", "pacnpal:2", "kyukaidk:2",
                              "mslug:2", "unkpoker:2", "pong:1"}));
        QCOMPARE(settings.read(Settings::Exe), setup.exe);
        QCOMPARE(settings.read(Settings::Version), QStringLiteral("MAME v0.251 (unknown)"));
        QCOMPARE(settings.read(Settings::Crc32), FileCrcText(setup.exe).value());
        QCOMPARE(settings.read(Settings::SetLimit), QStringLiteral("9"));
        QCOMPARE(settings.read(Settings::BiosSets), QStringLiteral("1"));
        QCOMPARE(host.caption, QStringLiteral("MAME v0.251 (unknown) - Quorvex"));
        QCOMPARE(setup.state.EmulatorDir, setup.emulatorDir());
        QCOMPARE(setup.state.EmulatorIniPath, setup.emulatorDir() + QStringLiteral("mame.ini"));
        QVERIFY(QFile::exists(setup.state.EmulatorIniPath));
        QVERIFY(!setup.state.RomChangeConfirmed);
        QVERIFY(!host.romsNoteShown);
        QCOMPARE(host.events.first(), QStringLiteral("disable"));
        QVERIFY(host.events.endsWith(QStringLiteral("panels")));
        QVERIFY(host.controlsEnabled);
        QCOMPARE(setup.workFilesLeft(), QStringList());
        QVERIFY(!setup.switches().contains(QStringLiteral("-verifyroms")));
    }

    void fastScanAnswerNoVerifiesAllSets() {
        test::CatalogueTestSetup setup;
        test::RecordingCatalogueHost host;
        test::ScriptedUserPrompts prompts;
        prompts.queueAnswer(PromptAnswer::No);
        bool confirmedDuringDialog = false;
        host.onPathsDialog = [&] {
            confirmedDuringDialog = setup.state.RomChangeConfirmed;
        };
        const FrontendSettings settings = setup.settings();
        settings.set(Settings::NeverFastScan,
                     QStringLiteral("1")); // not consulted on the first run

        QCOMPARE(FirstRunSetup(setup.state, settings, host, prompts).run(setup.exe),
                 FirstRunOutcome::Completed);

        QCOMPARE(prompts.shownTexts(), QStringList{kFastScanQuestion});
        QCOMPARE(host.statusTexts, (QStringList{kStatusExtracting, kStatusParsing, kStatusRomPaths,
                                                kStatusFastScan, kStatusVerifying, kStatusCreatingList}));
        QVERIFY(confirmedDuringDialog);
        QCOMPARE(stateColumn(setup.state.cachePath()),
                 (QStringList{"neogeo:1", "puckman:1", "pacman:2", "pacmanf:2", "pacnpal:2", "kyukaidk:2",
                              "mslug:1", "unkpoker:2", "pong:1"}));
        // Every run happens in the emulator directory: help, both listings, mame.ini, the verify.
        QStringList switches = setup.switches();
        QCOMPARE(switches.takeFirst(), QStringLiteral("-help"));
        std::sort(switches.begin(), switches.begin() + 2);
        QCOMPARE(switches, (QStringList{"-listclones", "-listxml", "-createconfig", "-verifyroms"}));
        for (const test::StandinCall &call : setup.calls().mid(1)) {
            QVERIFY2(WithTrailingSeparator(call.cwd) == setup.emulatorDir(),
                     qPrintable(call.args.join(" ") + " in " + call.cwd));
        }
        QCOMPARE(setup.workFilesLeft(), QStringList());
    }

    void defaultRomPathWithoutZipsSkipsTheVerify() {
        test::CatalogueTestSetup setup;
        test::writeFile(setup.emulatorDir() + QStringLiteral("mame.ini"),
                        "<UNADORNED0>\nrompath                   roms\n");
        test::RecordingCatalogueHost host;
        test::ScriptedUserPrompts prompts;
        prompts.queueAnswer(PromptAnswer::No);
        QCOMPARE(FirstRunSetup(setup.state, setup.settings(), host, prompts).run(setup.exe),
                 FirstRunOutcome::Completed);
        QVERIFY(host.romsNoteShown);
        QVERIFY(host.statusTexts.contains(kStatusVerifying));
        QVERIFY(!setup.switches().contains(QStringLiteral("-verifyroms")));
        QVERIFY(!setup.switches().contains(QStringLiteral("-createconfig")));
        // Only the set that needs no files is available.
        QCOMPARE(stateColumn(setup.state.cachePath()).filter(QStringLiteral(":1")), QStringList{"pong:1"});
    }

    void notMameEndsTheSetUp() {
        test::CatalogueTestSetup setup;
        setup.useFixture(QStringLiteral("help.txt"), "usage: something else\n");
        test::RecordingCatalogueHost host;
        test::ScriptedUserPrompts prompts;
        const FrontendSettings settings = setup.settings();
        QCOMPARE(FirstRunSetup(setup.state, settings, host, prompts).run(setup.exe),
                 FirstRunOutcome::NotMame);
        QCOMPARE(prompts.shownTexts(),
                 QStringList{"This file doesn't seem to be a MAME executable.\n\n" + setup.exe});
        QCOMPARE(settings.read(Settings::Exe), QString());
        QVERIFY(host.controlsEnabled); // for the next choice
        QCOMPARE(setup.switches(), QStringList{QStringLiteral("-help")});
    }

    // A MAME that lists nothing must not cost the catalogue of an earlier MAME: qx.dat stays.
    void noSetsToldWithoutQuestionsAndTheOldCatalogueKept() {
        test::CatalogueTestSetup setup;
        const QByteArray oldCache = "old=Old set==M=1990=good=1=old.cpp=no\r\n";
        test::writeFile(setup.state.cachePath(), oldCache);
        setup.useSharedFixtures();
        setup.useFixture(QStringLiteral("listxml.xml"), QByteArray());
        qputenv("QX_STANDIN_STDERR", "listxml: cannot allocate\n");
        test::RecordingCatalogueHost host;
        test::ScriptedUserPrompts prompts;
        const FrontendSettings settings = setup.settings();
        const FirstRunOutcome outcome = FirstRunSetup(setup.state, settings, host, prompts).run(setup.exe);
        qunsetenv("QX_STANDIN_STDERR");
        QCOMPARE(outcome, FirstRunOutcome::Completed);
        QCOMPARE(prompts.shown().size(), 1);
        QVERIFY(prompts.shown().first().text.contains(QLatin1String("listxml: cannot allocate")));
        QCOMPARE(test::readFile(setup.state.cachePath()), oldCache);
        QCOMPARE(settings.read(Settings::Crc32), QString()); // the next refresh extracts again
        QVERIFY(!host.events.contains(QStringLiteral("pathsDialog")));
        QCOMPARE(setup.workFilesLeft(), QStringList());
    }
};

QTEST_GUILESS_MAIN(FirstRunSetupTest)
#include "FirstRunSetupTest.moc"
