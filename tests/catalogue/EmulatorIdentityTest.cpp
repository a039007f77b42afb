// Which MAME: told from other programs before anything is asked of it (MAME's companion tools by their
// names, anything else by the first line of its -help), and known again by the CRC of its executable.
#include "catalogue/EmulatorIdentity.h"

#include "CatalogueTestSetup.h"
#include "EnvironmentScope.h"
#include "ScriptedUserPrompts.h"
#include "TableCrc32.h"
#include "catalogue/Crc32.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using namespace qx;

class EmulatorIdentityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameAndBannerDecide_data() {
        QTest::addColumn<QString>("name"); // the stand-in's file name; empty: no file there
        QTest::addColumn<QByteArray>("help");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("refusal"); // the message shown, before the path; empty: none
        const QByteArray mame = "MAME v0.251 (unknown)\nCopyright\n";
        for (const char *tool : {"chdman", "romcmp.exe", "jedutil", "ledutil.exe"}) {
            QTest::newRow(tool) << QString::fromLatin1(tool) << mame << false << QString() << kNotMameMessage;
        }
        QTest::newRow("tool name in capitals")
            << "CHDMAN.EXE" << mame << true << "MAME v0.251 (unknown)" << QString();
        QTest::newRow("today's MAME")
            << "mame" << QByteArray("MAME v0.251 (unknown)\r\nCopyright MAMEdev\r\n") << true
            << "MAME v0.251 (unknown)" << QString();
        QTest::newRow("older MAME")
            << "mame" << QByteArray("M.A.M.E. v0.106 (May 16 2006) - Multiple Arcade Machine Emulator\n")
            << true << "M.A.M.E. v0.106 (May 16 2006)" << QString();
        QTest::newRow("cut after the first parenthesis")
            << "mame" << QByteArray("MAME v0.300 (abc) (def)\n") << true << "MAME v0.300 (abc)" << QString();
        QTest::newRow("no parenthesis: no version")
            << "mame" << QByteArray("MAME v0.251\n") << true << QString() << QString();
        QTest::newRow("banner on the second line only")
            << "mame" << QByteArray("\nMAME v0.251 (unknown)\n") << false << QString() << kNotMameLikeMessage;
        QTest::newRow("lower-case mame")
            << "mame" << QByteArray("mame v0.251 (unknown)\n") << false << QString() << kNotMameLikeMessage;
        QTest::newRow("another program")
            << "mame" << QByteArray("Usage: tool [options]\n") << false << QString() << kNotMameLikeMessage;
        QTest::newRow("no output") << "mame" << QByteArray() << false << QString() << kNotMameLikeMessage;
        QTest::newRow("no file") << QString() << QByteArray() << false << QString() << kNotMameLikeMessage;
    }
    void nameAndBannerDecide() {
        QFETCH(QString, name);
        QFETCH(QByteArray, help);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        QFETCH(QString, refusal);
        const test::CatalogueTestSetup setup(name.isEmpty() ? QStringLiteral("mame") : name);
        setup.useFixture("help.txt", help);
        const QString path = name.isEmpty() ? setup.root.filePath("nothing") : setup.exe;
        test::ScriptedUserPrompts prompts;

        const EmulatorIdentity identity = IdentifyEmulator(path, setup.state.programDir, prompts);

        QCOMPARE(identity.ok, ok);
        QCOMPARE(identity.version, version);
        QCOMPARE(prompts.shownTexts(),
                 refusal.isEmpty() ? QStringList() : QStringList{refusal + "\n\n" + path});
        QVERIFY(refusal.isEmpty() || prompts.shown().first().title == "Quorvex");
        // A companion tool is refused without being run.
        QCOMPARE(setup.switches(),
                 name.isEmpty() || refusal == kNotMameMessage ? QStringList() : QStringList{"-help"});
        QCOMPARE(setup.workFilesLeft(), QStringList());
    }

    void aProgramThatNeverAnswersIsStoppedAndRefused() {
        const test::CatalogueTestSetup setup;
        test::ScriptedUserPrompts prompts;
        MameRunLimits limits;
        limits.answerMs = 300;
        const test::EnvironmentScope hang("QX_STANDIN_SLEEP_MS", "20000");
        QVERIFY(!IdentifyEmulator(setup.exe, setup.state.programDir, prompts, limits).ok);
        QVERIFY(prompts.shownTexts().value(0).startsWith(
            "MAME did not finish within 1 second and was stopped (" + setup.exe + " -help)."));
    }

    // zlib's CRC is the one the table gave, so a crc32 key written before still matches the same MAME:
    // upper-case hex without leading zeros. A missing file or a folder has none.
    void fingerprintMatchesTheOneWrittenBefore() {
        QByteArray random(1 << 20, Qt::Uninitialized);
        QRandomGenerator(17).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
        QFile mame("/usr/games/mame");
        const QTemporaryDir dir;
        for (const QByteArray &content :
             {QByteArray(), QByteArray("a"), random,
              mame.open(QIODevice::ReadOnly) ? mame.readAll() : QByteArray("-")}) {
            test::writeFile(dir.filePath("mame"), content);
            QCOMPARE(FileCrcText(dir.filePath("mame")), CrcText(test::TableCrc32(content)));
            QCOMPARE(ByteArrayCrc32(content), test::TableCrc32(content));
        }
        QCOMPARE(CrcText(ByteArrayCrc32("123456789")) + ' ' + CrcText(ByteArrayCrc32("ae")),
                 "CBF43926 E7DDCE");
        QCOMPARE(FileCrcText(dir.filePath("gone")), std::nullopt);
        QCOMPARE(FileCrcText(dir.path()), std::nullopt);
    }

    void theWindowThreadKeepsServingEventsWhileABigFileIsRead() {
        const QTemporaryDir dir;
        QFile big(dir.filePath("big"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(300LL << 20));
        big.close();
        int ticks = 0;
        QTimer timer;
        timer.setInterval(1);
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start();
        QVERIFY(FileCrcText(big.fileName()));
        QVERIFY2(ticks > 0, "the timer never fired while the CRC was computed");
    }
};

QTEST_GUILESS_MAIN(EmulatorIdentityTest)
#include "EmulatorIdentityTest.moc"
