#include "app/CommandLine.h"

#include "TestDirs.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersBeforeAnyWindow_data() { qx::test::addFixtureRows(QStringLiteral("app/command-lines.txt")); }
    void answersBeforeAnyWindow() {
        QFETCH(QStringList, cells);
        const QStringList arguments = cells[0].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const int exitCode = cells[1].toInt();
        const CommandLineRequest request = ReadCommandLine(QStringList{"/usr/games/quorvex"} + arguments);
        QCOMPARE(request.startWindow, exitCode == -1);
        if (exitCode == -1) {
            return;
        }
        QCOMPARE(request.exitCode, exitCode);
        QCOMPARE(request.toStandardError, exitCode != 0);
        QVERIFY2(request.text.startsWith(QString(cells[2]).replace("%V", QX_VERSION)),
                 qPrintable(request.text));
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
        QVERIFY(version->exitStatus() == QProcess::NormalExit && version->exitCode() == 0);
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
