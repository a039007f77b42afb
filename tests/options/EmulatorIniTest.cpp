#include "options/EmulatorIni.h"

#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/PathHelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class EmulatorIniTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingIniIsCreatedByMameInTheEmulatorDirectory() {
        QTemporaryDir root;
        const QString exe = test::installStandin(root.path());
        const QString emulatorDir = WithTrailingSeparator(root.filePath(QStringLiteral("home/.mame")));
        QDir().mkpath(emulatorDir);
        const QString ini = EnsureEmulatorIni(exe, emulatorDir);
        QCOMPARE(ini, emulatorDir + QStringLiteral("mame.ini"));
        QCOMPARE(test::readFile(ini), test::readFixture(QStringLiteral("standin/mame.ini")));
        const auto calls = test::readStandinCalls(root.filePath(QStringLiteral("standin-calls.log")));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().args, QStringList{QStringLiteral("-createconfig")});
        QCOMPARE(WithTrailingSeparator(calls.first().cwd), emulatorDir);
    }

    void existingIniIsLeftAlone() {
        QTemporaryDir root;
        const QString exe = test::installStandin(root.path());
        const QString emulatorDir = WithTrailingSeparator(root.path());
        test::writeFile(emulatorDir + QStringLiteral("mame.ini"), "rompath mine\n");
        QCOMPARE(EnsureEmulatorIni(exe, emulatorDir), emulatorDir + QStringLiteral("mame.ini"));
        QCOMPARE(test::readFile(emulatorDir + QStringLiteral("mame.ini")), QByteArray("rompath mine\n"));
        QVERIFY(test::readStandinCalls(root.filePath(QStringLiteral("standin-calls.log"))).isEmpty());
    }

    void aMameThatNeverFinishesIsStoppedWithAMessage() {
        QTemporaryDir root;
        const QString exe = test::installStandin(root.path());
        MameRunLimits limits;
        limits.answerMs = 300;
        QString error;
        qputenv("QX_STANDIN_SLEEP_MS", "20000");
        EnsureEmulatorIni(exe, WithTrailingSeparator(root.path()), limits, &error);
        qunsetenv("QX_STANDIN_SLEEP_MS");
        QCOMPARE(error, "MAME did not finish within 1 second and was stopped (" + exe +
                            " -createconfig), so MAME's option file " + root.filePath("mame.ini") +
                            " was not written.");
    }
};

QTEST_GUILESS_MAIN(EmulatorIniTest)
#include "EmulatorIniTest.moc"
