#include "app/ProgramDirectory.h"

#include "EnvironmentScope.h"
#include "ReadOnlyFolder.h"
#include "TestDirs.h"
#include "app/InstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using qx::test::EnvironmentScope;
using qx::test::ReadOnlyFolder;
using Outcome = InstanceLock::Outcome;

class ProgramDirectoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // $QUORVEX_HOME wins; else a writable executable folder is a portable install; else (and always for an
    // installed program, even where root could write beside it) the user's configuration folder.
    void theProgramDirectoryFollowsTheInstall() {
        QTemporaryDir dir, config, exeDir;
        const QString home = dir.filePath(QStringLiteral("set-up two"));
        {
            const EnvironmentScope quorvexHome("QUORVEX_HOME", home.toUtf8());
            QCOMPARE(ResolveProgramDirectory(dir.path()), home + QLatin1Char('/'));
            QVERIFY(QFileInfo(home).isDir());
        }
        QCOMPARE(ResolveProgramDirectory(exeDir.path()), exeDir.path() + QLatin1Char('/'));
        QCOMPARE(QDir(exeDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        const EnvironmentScope configHome("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString configDir = config.path() + QStringLiteral("/quorvex/");
        QCOMPARE(ResolveProgramDirectory(QStringLiteral("/usr/games")), configDir);
        QVERIFY(QFileInfo(configDir).isDir());
        ReadOnlyFolder readOnly(exeDir.path());
        if (!readOnly.isReadOnly()) {
            QSKIP("this system cannot make a folder read-only");
        }
        QCOMPARE(ResolveProgramDirectory(exeDir.path()), configDir);
    }

    // A MAME in a folder the user can write keeps its files there; a system-wide one uses ~/.mame.
    void theEmulatorDirectoryIsTheExecutablesFolderOrTheUsersMameFolder() {
        QTemporaryDir home, emulatorDir;
        const EnvironmentScope homeScope("HOME", home.path().toUtf8());
        const QString mame = emulatorDir.filePath(QStringLiteral("mame"));
        QCOMPARE(ResolveEmulatorDirectory(mame), emulatorDir.path() + QLatin1Char('/'));
        ReadOnlyFolder readOnly(emulatorDir.path());
        if (!readOnly.isReadOnly()) {
            QSKIP("this system cannot make a folder read-only");
        }
        QCOMPARE(ResolveEmulatorDirectory(mame), home.path() + QStringLiteral("/.mame/"));
        QVERIFY(QFileInfo(home.path() + QStringLiteral("/.mame/")).isDir());
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
            ReadOnlyFolder readOnly(dir.path());
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
};

QTEST_GUILESS_MAIN(ProgramDirectoryTest)
#include "ProgramDirectoryTest.moc"
