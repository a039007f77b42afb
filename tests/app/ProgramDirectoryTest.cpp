#include "app/ProgramDirectory.h"

#include "ReadOnlyFolder.h"
#include "TestDirs.h"
#include "app/InstanceLock.h"

#include <QDir>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

namespace {

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QString &value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)) {
        m_old = qgetenv(name);
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value.toUtf8());
        }
    }
    ~ScopedEnv() {
        if (m_had) {
            qputenv(m_name, m_old);
        } else {
            qunsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

using Outcome = InstanceLock::Outcome;

// The id of a process that has ended.
QByteArray endedProcessId() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForStarted();
    const qint64 id = process.processId();
    process.waitForFinished();
    return QByteArray::number(id);
}

} // namespace

class ProgramDirectoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quorvexHomeWins() {
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("set-up two"));
        const ScopedEnv env("QUORVEX_HOME", home);
        QCOMPARE(ResolveProgramDirectory(dir.path()), home + QLatin1Char('/'));
        QVERIFY(QFileInfo(home).isDir());
    }

    void writableExecutableFolderIsAPortableInstall() {
        QTemporaryDir dir;
        const ScopedEnv env("QUORVEX_HOME", QString());
        QCOMPARE(ResolveProgramDirectory(dir.path()), dir.path() + QLatin1Char('/'));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void readOnlyExecutableFolderUsesTheConfigFolder() {
        QTemporaryDir config;
        QTemporaryDir exeDir;
        qx::test::ReadOnlyFolder readOnly(exeDir.path());
        if (!readOnly.isReadOnly()) {
            QSKIP("this system cannot make a folder read-only");
        }
        const ScopedEnv home("QUORVEX_HOME", QString());
        const ScopedEnv xdg("XDG_CONFIG_HOME", config.path());
        const QString expected = config.path() + QStringLiteral("/quorvex/");
        QCOMPARE(ResolveProgramDirectory(exeDir.path()), expected);
        QVERIFY(QFileInfo(expected).isDir());
    }

    void aLockIsTakenOverOnlyWhenItsOwnerHasGone_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<Outcome>("expected");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("none") << QByteArray() << -1 << Outcome::Acquired;
        QTest::newRow("ended process") << endedProcessId() + "\nquorvex\n" + host + "\n"
                                       << 0 << Outcome::Acquired;
        QTest::newRow("empty, from a power cut") << QByteArray() << 60 << Outcome::Acquired;
        QTest::newRow("garbled") << QByteArray("\x01\x02 not a lock") << 60 << Outcome::Acquired;
        QTest::newRow("another host")
            << QByteArray("4242\nquorvex\nelsewhere.example\n") << 60 << Outcome::Acquired;
        QTest::newRow("empty, being written") << QByteArray() << 0 << Outcome::HeldByAnotherInstance;
    }
    void aLockIsTakenOverOnlyWhenItsOwnerHasGone() {
        QFETCH(QByteArray, content);
        QFETCH(int, ageSeconds);
        QFETCH(Outcome, expected);
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        if (ageSeconds >= 0) {
            qx::test::writeFile(programDir + QStringLiteral("qx.lock"), content);
            QFile lock(programDir + QStringLiteral("qx.lock"));
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
        }
        InstanceLock instance(programDir);
        QCOMPARE(instance.acquire(), expected);
    }

    void aLiveInstanceKeepsItsLock() {
        QTemporaryDir dir;
        InstanceLock first(dir.path() + QLatin1Char('/'));
        QCOMPARE(first.acquire(), Outcome::Acquired);
        InstanceLock second(dir.path() + QLatin1Char('/'));
        QCOMPARE(second.acquire(), Outcome::HeldByAnotherInstance);
    }

    void aFolderThatCannotBeWrittenIsToldApartAndRunsReadOnlyWithItsFiles() {
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        qx::test::writeFile(programDir + QStringLiteral("qx.ini"), "[FRONTEND]\r\n");
        {
            qx::test::ReadOnlyFolder readOnly(dir.path());
            if (!readOnly.isReadOnly()) {
                QSKIP("this system cannot make a folder read-only");
            }
            QCOMPARE(InstanceLock(programDir).acquire(), Outcome::FolderNotWritable);
            QVERIFY(!CanRunReadOnly(programDir)); // no set list
        }
        qx::test::writeFile(programDir + QStringLiteral("qx.dat"),
                            "pacman=Pac-Man==Namco=1980=good=1=pacman=no\r\n");
        QVERIFY(CanRunReadOnly(programDir));
        for (bool runs : {true, false}) {
            QVERIFY(ReadOnlyFolderMessage(programDir, runs).contains(dir.path() + QStringLiteral(":")));
            QCOMPARE(ReadOnlyFolderMessage(programDir, runs).contains(QStringLiteral("runs read-only")),
                     runs);
        }
    }

    void emulatorDirectoryIsTheExecutablesFolderWhenWritable() {
        QTemporaryDir dir;
        QCOMPARE(ResolveEmulatorDirectory(dir.filePath(QStringLiteral("mame"))),
                 dir.path() + QLatin1Char('/'));
    }

    void systemWideEmulatorUsesTheUsersMameFolder() {
        QTemporaryDir home;
        QTemporaryDir emulatorDir;
        qx::test::ReadOnlyFolder readOnly(emulatorDir.path());
        if (!readOnly.isReadOnly()) {
            QSKIP("this system cannot make a folder read-only");
        }
        const ScopedEnv env("HOME", home.path());
        const QString expected = home.path() + QStringLiteral("/.mame/");
        QCOMPARE(ResolveEmulatorDirectory(emulatorDir.filePath(QStringLiteral("mame"))), expected);
        QVERIFY(QFileInfo(expected).isDir());
    }
};

QTEST_GUILESS_MAIN(ProgramDirectoryTest)
#include "ProgramDirectoryTest.moc"
