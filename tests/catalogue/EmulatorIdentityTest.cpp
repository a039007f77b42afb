#include "catalogue/EmulatorIdentity.h"

#include "ScriptedUserPrompts.h"
#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/PathHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class EmulatorIdentityTest : public QObject {
    Q_OBJECT

    // A stand-in under the given name in its own folder, answering -help with the given text.
    struct Emulator {
        QTemporaryDir dir;
        QString path;
        QString programDir() const { return WithTrailingSeparator(dir.path()); }
        QString log() const { return dir.filePath(QStringLiteral("standin-calls.log")); }
    };
    static void install(Emulator &emulator, const QString &name, const QByteArray &help) {
        emulator.path = test::installStandin(emulator.dir.path(), name);
        test::writeFile(emulator.dir.filePath(QStringLiteral("standin-fixtures/help.txt")), help);
    }

private Q_SLOTS:
    void companionToolsAreRefusedWithoutRunning_data() {
        QTest::addColumn<QString>("name");
        for (const char *name : {"chdman", "chdman.exe", "romcmp", "romcmp.exe", "jedutil", "jedutil.exe",
                                 "ledutil", "ledutil.exe"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void companionToolsAreRefusedWithoutRunning() {
        QFETCH(QString, name);
        Emulator emulator;
        install(emulator, name, "MAME v0.251 (unknown)\n");
        test::ScriptedUserPrompts prompts;
        const EmulatorIdentity identity = IdentifyEmulator(emulator.path, emulator.programDir(), prompts);
        QVERIFY(!identity.ok);
        QCOMPARE(prompts.shownTexts(), QStringList{kNotMameMessage + "\n\n" + emulator.path});
        QCOMPARE(prompts.shown().first().title, QStringLiteral("Quorvex"));
        QVERIFY(test::readStandinCalls(emulator.log()).isEmpty());
    }

    void upperCaseToolNameGoesOnToTheHelpCheck() {
        Emulator emulator;
        install(emulator, QStringLiteral("CHDMAN.EXE"), "MAME v0.251 (unknown)\nCopyright\n");
        test::ScriptedUserPrompts prompts;
        const EmulatorIdentity identity = IdentifyEmulator(emulator.path, emulator.programDir(), prompts);
        QVERIFY(identity.ok);
        const auto calls = test::readStandinCalls(emulator.log());
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().args, QStringList{QStringLiteral("-help")});
    }

    void bannerDecidesAndGivesTheVersion_data() {
        QTest::addColumn<QByteArray>("help");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::newRow("today's MAME") << QByteArray("MAME v0.251 (unknown)\r\nCopyright MAMEdev\r\n") << true
                                      << QStringLiteral("MAME v0.251 (unknown)");
        QTest::newRow("older MAME")
            << QByteArray("M.A.M.E. v0.106 (May 16 2006) - Multiple Arcade Machine Emulator\n") << true
            << QStringLiteral("M.A.M.E. v0.106 (May 16 2006)");
        QTest::newRow("cut after the first parenthesis")
            << QByteArray("MAME v0.300 (abc) (def)\n") << true << QStringLiteral("MAME v0.300 (abc)");
        QTest::newRow("no parenthesis gives an empty version")
            << QByteArray("MAME v0.251\n") << true << QString();
        QTest::newRow("banner on the second line only")
            << QByteArray("\nMAME v0.251 (unknown)\n") << false << QString();
        QTest::newRow("lower-case mame") << QByteArray("mame v0.251 (unknown)\n") << false << QString();
        QTest::newRow("another program") << QByteArray("Usage: tool [options]\n") << false << QString();
        QTest::newRow("no output") << QByteArray() << false << QString();
    }
    void bannerDecidesAndGivesTheVersion() {
        QFETCH(QByteArray, help);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        Emulator emulator;
        install(emulator, QStringLiteral("mame"), help);
        test::ScriptedUserPrompts prompts;
        const EmulatorIdentity identity = IdentifyEmulator(emulator.path, emulator.programDir(), prompts);
        QCOMPARE(identity.ok, ok);
        QCOMPARE(identity.version, version);
        QCOMPARE(prompts.shownTexts(),
                 ok ? QStringList() : QStringList{kNotMameLikeMessage + "\n\n" + emulator.path});
        QVERIFY(!QFile::exists(emulator.programDir() + QStringLiteral("qx_mamever.dat")));
    }

    void missingExecutableIsNotMame() {
        QTemporaryDir dir;
        test::ScriptedUserPrompts prompts;
        const QString missing = dir.filePath(QStringLiteral("nothing"));
        const EmulatorIdentity identity =
            IdentifyEmulator(missing, WithTrailingSeparator(dir.path()), prompts);
        QVERIFY(!identity.ok);
        QCOMPARE(prompts.shownTexts(), QStringList{kNotMameLikeMessage + "\n\n" + missing});
    }

    void aProgramThatNeverAnswersIsStoppedAndRefused() {
        Emulator emulator;
        install(emulator, QStringLiteral("mame"), "MAME v0.251 (unknown)\n");
        test::ScriptedUserPrompts prompts;
        MameRunLimits limits;
        limits.answerMs = 300;
        qputenv("QX_STANDIN_SLEEP_MS", "20000");
        const EmulatorIdentity identity =
            IdentifyEmulator(emulator.path, emulator.programDir(), prompts, limits);
        qunsetenv("QX_STANDIN_SLEEP_MS");
        QVERIFY(!identity.ok);
        QVERIFY(prompts.shownTexts().value(0).startsWith(
            "MAME did not finish within 1 second and was stopped (" + emulator.path + " -help)."));
    }

    void suggestionPrefersMameOnPath() {
        QTemporaryDir dir;
        const QString mame = test::installStandin(dir.path(), QStringLiteral("mame"));
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        const QString onPath = SuggestEmulatorPath();
        qputenv("PATH", QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("empty"))));
        const QString fallback = SuggestEmulatorPath();
        qputenv("PATH", oldPath);
        QCOMPARE(onPath, mame);
        QCOMPARE(fallback, QFile::exists(QStringLiteral("/usr/games/mame"))
                               ? QStringLiteral("/usr/games/mame")
                               : QString());
    }
};

QTEST_GUILESS_MAIN(EmulatorIdentityTest)
#include "EmulatorIdentityTest.moc"
