// The stand-in emulator answers as MAME 0.251 does; other tests rely on every answer checked here.

#include "StandinCalls.h"
#include "TestDirs.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using qx::test::readFile;
using qx::test::writeFile;

namespace {

struct Answer {
    int exitCode = 0;
    bool crashed = false;
    QByteArray out;
    QByteArray err;
};

} // namespace

class FakeMameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_mame;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    Answer run(const QStringList &arguments, const QProcessEnvironment &extra = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(extra);
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir->path());
        process.start(m_mame, arguments);
        if (!process.waitForFinished(-1)) {
            qFatal("the stand-in did not run");
        }
        return {process.exitCode(), process.exitStatus() == QProcess::CrashExit,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
    static QProcessEnvironment envWith(const QString &name, const QString &value) {
        QProcessEnvironment env;
        env.insert(name, value);
        return env;
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_mame = qx::test::installStandin(m_dir->path());
    }
    void cleanup() { m_dir.reset(); }

    void answersHelpFromTheDefaultFixtures() {
        const Answer answer = run({QStringLiteral("-help")});
        QCOMPARE(answer.exitCode, 0);
        QVERIFY(answer.out.startsWith("MAME v0.251 (unknown)\nCopyright MAMEdev and contributors\n"));
    }

    void recordsEveryCallBesideTheLinkNotTheTarget() {
        run({QStringLiteral("pacman"), QStringLiteral("-record"), QStringLiteral("my game.inp")});
        run({QStringLiteral("-listclones")});
        const auto calls = qx::test::readStandinCalls(path(QStringLiteral("standin-calls.log")));
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls.at(0).args, (QStringList{"pacman", "-record", "my game.inp"}));
        QCOMPARE(calls.at(0).cwd, QFileInfo(m_dir->path()).canonicalFilePath());
        QCOMPARE(calls.at(1).args, QStringList{QStringLiteral("-listclones")});
    }

    void fixturesBesideTheLinkWinOverTheDefaults() {
        writeFile(path(QStringLiteral("standin-fixtures/listclones.txt")), "Name:            Clone of:\n");
        writeFile(path(QStringLiteral("standin-fixtures/listxml.xml")), "<mame/>\n");
        QCOMPARE(run({QStringLiteral("-listclones")}).out, QByteArray("Name:            Clone of:\n"));
        QCOMPARE(run({QStringLiteral("-listxml")}).out, QByteArray("<mame/>\n"));
        QCOMPARE(run({QStringLiteral("-help")}).out, QByteArray()); // a missing fixture prints nothing
    }

    void environmentNamesFixturesAndLog() {
        QTemporaryDir elsewhere;
        writeFile(elsewhere.filePath(QStringLiteral("help.txt")), "MAME v0.999 (test)\n");
        QProcessEnvironment env;
        env.insert(QStringLiteral("QX_STANDIN_FIXTURES"), elsewhere.path());
        env.insert(QStringLiteral("QX_STANDIN_LOG"), elsewhere.filePath(QStringLiteral("calls.log")));
        QCOMPARE(run({QStringLiteral("-help")}, env).out, QByteArray("MAME v0.999 (test)\n"));
        QCOMPARE(qx::test::readStandinCalls(elsewhere.filePath(QStringLiteral("calls.log"))).size(), 1);
        QVERIFY(!QFile::exists(path(QStringLiteral("standin-calls.log"))));
    }

    void verifiesAllOrOneSet() {
        const QByteArray all =
            "romset pacman is good\nromset pacmanf [pacman] is bad\nromset pong is best available\n";
        writeFile(path(QStringLiteral("standin-fixtures/verifyroms.txt")), all);
        QCOMPARE(run({QStringLiteral("-verifyroms")}).out, all);

        const Answer one = run({QStringLiteral("-verifyroms"), QStringLiteral("pacman")});
        QCOMPARE(one.exitCode, 0);
        QCOMPARE(one.out, QByteArray("romset pacman is good\n"));

        const Answer unknown = run({QStringLiteral("-verifyroms"), QStringLiteral("pac")});
        QCOMPARE(unknown.exitCode, 1);
        QCOMPARE(unknown.out, QByteArray());
        QCOMPARE(unknown.err, QByteArray("romset \"pac\" not found!\n"));
    }

    void verifiesSamplesFromTheSetsOwnFixture() {
        writeFile(path(QStringLiteral("standin-fixtures/verifysamples-galaga.txt")),
                  "sampleset galaga is good\n");
        QCOMPARE(run({QStringLiteral("-verifysamples"), QStringLiteral("galaga")}).out,
                 QByteArray("sampleset galaga is good\n"));
        QCOMPARE(run({QStringLiteral("-verifysamples"), QStringLiteral("pacman")}).out, QByteArray());
    }

    void createsTodaysMameIniInTheWorkingDirectory() {
        writeFile(path(QStringLiteral("mame.ini")), "old");
        QCOMPARE(run({QStringLiteral("-createconfig")}).exitCode, 0);
        const QByteArray ini = readFile(path(QStringLiteral("mame.ini")));
        QCOMPARE(ini, readFile(QDir(qx::test::fixturesDir()).filePath(QStringLiteral("standin/mame.ini"))));
        QVERIFY(ini.startsWith("\xEF\xBB\xBF#\n"));
        QVERIFY(!ini.contains('\r'));
        QVERIFY(ini.contains("\nrompath                   $HOME/mame/roms;roms\n"));
    }

    void failureModifiers() {
        QCOMPARE(
            run({QStringLiteral("pacman")}, envWith(QStringLiteral("QX_STANDIN_EXIT_CODE"), "5")).exitCode,
            5);
        QCOMPARE(run({QStringLiteral("-help")}, envWith(QStringLiteral("QX_STANDIN_STDERR"), "boom")).err,
                 QByteArray("boom"));
        QVERIFY(run({QStringLiteral("-help")}, envWith(QStringLiteral("QX_STANDIN_CRASH"), "1")).crashed);
        const Answer slow =
            run({QStringLiteral("-help")}, envWith(QStringLiteral("QX_STANDIN_SLEEP_MS"), "50"));
        QVERIFY(slow.out.startsWith("MAME v0.251"));
    }
};

QTEST_GUILESS_MAIN(FakeMameTest)
#include "FakeMameTest.moc"
