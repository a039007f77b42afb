#include "app/ProgramDirectory.h"

#include "ReadOnlyFolder.h"
#include "TestDirs.h"
#include "app/InstanceLock.h"

#include <QCoreApplication>
#include <QDir>
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
        // An installed program is never portable, even where root could write beside it.
        QCOMPARE(ResolveProgramDirectory(QStringLiteral("/usr/games")), expected);
    }

    void aLockIsTakenOverOnlyWhenItsOwnerHasGone_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<Outcome>("expected");
        const QByteArray app = "\n" + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
        const QByteArray here = app + "\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::newRow("live") << QByteArray::number(QCoreApplication::applicationPid()) + here << 60
                              << Outcome::HeldByAnotherInstance;
        QTest::newRow("empty, from a power cut") << QByteArray() << 60 << Outcome::Acquired;
        QTest::newRow("garbled") << QByteArray("\x01\x02 not a lock") << 60 << Outcome::Acquired;
        QTest::newRow("another host") << "4242" + app + "\nelsewhere.example\n" << 60 << Outcome::Acquired;
        QTest::newRow("empty, being written") << QByteArray() << 0 << Outcome::HeldByAnotherInstance;
    }
    void aLockIsTakenOverOnlyWhenItsOwnerHasGone() {
        QFETCH(QByteArray, content);
        QFETCH(int, ageSeconds);
        QTemporaryDir dir;
        QFile lock(dir.filePath(QStringLiteral("qx.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(content) == content.size() && lock.flush());
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
        lock.close();
        QTEST(InstanceLock(dir.path() + QLatin1Char('/')).acquire(), "expected");
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
        QVERIFY(ReadOnlyFolderMessage(programDir, false)
                    .contains(dir.path() + QStringLiteral(": it is read-only")));
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
