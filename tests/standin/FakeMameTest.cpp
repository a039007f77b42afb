// The stand-in emulator answers as MAME 0.251 does where the other tests cannot tell: one set's verify, the
// configuration it creates, the calls it records and the failures it plays.
#include "StandinCalls.h"
#include "TestDirs.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using qx::test::readFile;
using qx::test::writeFile;

class FakeMameTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs the stand-in (in the test's folder, with its fixtures there if any) with one more environment
    // variable, none when name is null.
    QProcess *run(const QStringList &arguments, const char *name = nullptr, const QString &value = {}) {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (name) {
            env.insert(QLatin1String(name), value);
        }
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_dir.path());
        process->start(path(QStringLiteral("mame")), arguments);
        if (!process->waitForFinished(-1)) {
            qFatal("the stand-in did not run");
        }
        return process;
    }

private Q_SLOTS:
    void initTestCase() { qx::test::installStandin(m_dir.path()); }

    void verifiesOneSetAndCreatesTheConfiguration() {
        writeFile(path(QStringLiteral("mame.ini")), "old");
        QCOMPARE(run({QStringLiteral("-createconfig")})->exitCode(), 0);
        const QByteArray ini = readFile(path(QStringLiteral("mame.ini")));
        QVERIFY(ini.startsWith("\xEF\xBB\xBF#\n") && !ini.contains('\r'));
        QVERIFY(ini.contains("\nrompath                   $HOME/mame/roms;roms\n"));

        writeFile(path(QStringLiteral("standin-fixtures/verifyroms.txt")),
                  "romset pacman is good\nromset pacmanf [pacman] is bad\n");
        QProcess *one = run({QStringLiteral("-verifyroms"), QStringLiteral("pacman")});
        QCOMPARE(one->exitCode(), 0);
        QCOMPARE(one->readAllStandardOutput(), QByteArray("romset pacman is good\n"));
        QProcess *unknown = run({QStringLiteral("-verifyroms"), QStringLiteral("pac")});
        QCOMPARE(unknown->exitCode(), 1);
        QCOMPARE(unknown->readAllStandardError(), QByteArray("romset \"pac\" not found!\n"));

        const auto calls = qx::test::readStandinCalls(path(QStringLiteral("standin-calls.log")));
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls.at(1).args, (QStringList{"-verifyroms", "pacman"}));
        QCOMPARE(calls.at(0).cwd, QFileInfo(m_dir.path()).canonicalFilePath());
    }

    void failuresArePlayedOnRequest() {
        QCOMPARE(run({QStringLiteral("pacman")}, "QX_STANDIN_EXIT_CODE", QStringLiteral("5"))->exitCode(), 5);
        QCOMPARE(run({QStringLiteral("-help")}, "QX_STANDIN_STDERR", QStringLiteral("boom"))
                     ->readAllStandardError(),
                 QByteArray("boom"));
        QCOMPARE(run({QStringLiteral("-help")}, "QX_STANDIN_CRASH", QStringLiteral("1"))->exitStatus(),
                 QProcess::CrashExit);
    }
};

QTEST_GUILESS_MAIN(FakeMameTest)
#include "FakeMameTest.moc"
