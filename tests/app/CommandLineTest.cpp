#include "app/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersBeforeAnyWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the window starts
        QTest::addColumn<QString>("says");

        QTest::newRow("no arguments") << QStringList{} << -1 << QString();
        QTest::newRow("Qt's own options reach Qt")
            << QStringList{"-platform", "offscreen", "-style=fusion", "--reverse", "-session", "1a2b"} << -1
            << QString();
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Quorvex " QX_VERSION "\n";
        QTest::newRow("short help") << QStringList{"-h"} << 0 << "Usage: quorvex [options]\n";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "quorvex: Unknown option 'bogus'.";
        QTest::newRow("a set name") << QStringList{"pacman"} << 2 << "quorvex: Unexpected argument 'pacman'.";
        QTest::newRow("help with a stray argument")
            << QStringList{"--help", "x"} << 2 << "quorvex: Unexpected argument 'x'.";
        QTest::newRow("Qt option without its value")
            << QStringList{"-platform"} << 2 << "quorvex: Missing value after '-platform'.";
    }
    void answersBeforeAnyWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        const CommandLineRequest request = ReadCommandLine(QStringList{"/usr/games/quorvex"} + arguments);
        QCOMPARE(request.startWindow, exitCode == -1);
        if (exitCode == -1) {
            return;
        }
        QCOMPARE(request.exitCode, exitCode);
        QCOMPARE(request.toStandardError, exitCode != 0);
        QVERIFY2(request.text.startsWith(says), qPrintable(request.text));
        // A refusal shows the help too, so the user sees what would have been accepted.
        QCOMPARE(request.text.contains(QLatin1String("--version")), arguments != QStringList{"--version"});
    }

    // The real executable answers from a terminal without a display and leaves no file behind.
    void executableAnswersWithoutADisplay() {
        QVERIFY(qEnvironmentVariableIsSet("QX_QUORVEX"));
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QUORVEX_HOME"), home.path());
        const auto run = [&](const QStringList &arguments) {
            auto *process = new QProcess(this);
            process->setProcessEnvironment(env);
            process->start(qEnvironmentVariable("QX_QUORVEX"), arguments);
            process->waitForFinished(10000);
            return process;
        };
        QProcess *version = run({QStringLiteral("--version")});
        QCOMPARE(version->exitStatus(), QProcess::NormalExit);
        QCOMPARE(version->exitCode(), 0);
        QCOMPARE(version->readAllStandardOutput(), QByteArray("Quorvex " QX_VERSION "\n"));
        QProcess *refused = run({QStringLiteral("--verbose")});
        QCOMPARE(refused->exitCode(), 2);
        QVERIFY(refused->readAllStandardError().contains("Usage: quorvex [options]"));
        QCOMPARE(refused->readAllStandardOutput(), QByteArray());
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
