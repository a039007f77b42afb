#include "launch/SetFileMaintenance.h"

#include "TestDirs.h"
#include "launch/SnapshotFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

Q_DECLARE_METATYPE(qx::SetFileType)

namespace {

struct EmulatorFolder {
    QTemporaryDir dir;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString ini() const { return path() + QStringLiteral("mame.ini"); }
    void option(const QByteArray &line) const { writeFile(ini(), "<UNADORNED0>\n" + line + "\n"); }
    QString touch(const QString &relative) const {
        writeFile(path() + relative, "x");
        return path() + relative;
    }
};

} // namespace

class SetFileMaintenanceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void foldersFromMameIni_data() {
        QTest::addColumn<SetFileType>("type");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("expected"); // relative to the emulator folder, or absolute
        QTest::newRow("default nvram name") << SetFileType::Nvram << QByteArray("nvram_directory     nvram")
                                            << QStringList{QStringLiteral("nvram/")};
        QTest::newRow("inipath .;ini is the ini folder")
            << SetFileType::Ini << QByteArray("inipath             .;ini")
            << QStringList{QStringLiteral("ini/")};
        QTest::newRow("quoted relative cfg")
            << SetFileType::Configuration << QByteArray("cfg_directory       \"my cfg\"")
            << QStringList{QStringLiteral("my cfg/")};
        QTest::newRow("absolute diff")
            << SetFileType::Difference << QByteArray("diff_directory      /var/tmp/qx-diff")
            << QStringList{QStringLiteral("/var/tmp/qx-diff/")};
        QTest::newRow("several ini folders with $HOME")
            << SetFileType::Ini << QByteArray("inipath             $HOME/.mame;.;ini")
            << QStringList{QStringLiteral("$HOME/.mame/"), QStringLiteral("ini/")};
        QTest::newRow("ini folders outside home and MAME's folder stay out")
            << SetFileType::Ini << QByteArray("inipath             $HOME/.mame;/etc/mame")
            << QStringList{QStringLiteral("$HOME/.mame/")};
        QTest::newRow("missing option") << SetFileType::Nvram << QByteArray("rompath  roms") << QStringList{};
        QTest::newRow("empty option")
            << SetFileType::Nvram << QByteArray("nvram_directory   \"\"") << QStringList{};
    }
    void foldersFromMameIni() {
        QFETCH(SetFileType, type);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, expected);
        EmulatorFolder emulator;
        emulator.option(line);
        for (QString &folder : expected) {
            folder.replace(QStringLiteral("$HOME"), QDir::homePath());
            if (!folder.startsWith(QLatin1Char('/'))) {
                folder.prepend(emulator.path());
            }
        }
        QCOMPARE(SetFileFolders(type, emulator.ini(), emulator.path()), expected);
    }

    void questionsNameTheFile() {
        QCOMPARE(DeleteSetFileQuestion(SetFileType::Nvram, QStringLiteral("pacman")),
                 QStringLiteral("Delete pacman.nv?"));
        QCOMPARE(DeleteSetFileQuestion(SetFileType::Difference, QStringLiteral("kinst")),
                 QStringLiteral("Delete kinst.dif?"));
        QCOMPARE(DeleteAllSetFilesQuestion(SetFileType::Configuration),
                 QStringLiteral("Delete all Configuration Files?"));
        QCOMPARE(DeleteAllSetFilesQuestion(SetFileType::Ini), QStringLiteral("Delete all INI Files?"));
    }

    void oneSetsFileIsDeletedInEveryFolderAndNothingElse() {
        EmulatorFolder emulator;
        const QString inEmulatorDir = emulator.touch(QStringLiteral("pacman.ini"));
        const QString inIniDir = emulator.touch(QStringLiteral("ini/pacman.ini"));
        const QString other = emulator.touch(QStringLiteral("ini/puckman.ini"));
        const QStringList folders{emulator.path(), emulator.path() + QStringLiteral("ini/")};

        const QStringList deleted = DeleteSetFiles(SetFileType::Ini, folders, QStringLiteral("pacman"));

        QCOMPARE(deleted.size(), 2);
        QVERIFY(!QFile::exists(inEmulatorDir));
        QVERIFY(!QFile::exists(inIniDir));
        QVERIFY(QFile::exists(other));
    }

    void unsafeSetNamesDeleteNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("separator") << QStringLiteral("../cfg/pacman");
        QTest::newRow("parent folder") << QStringLiteral("..");
        QTest::newRow("wildcard") << QStringLiteral("*");
        QTest::newRow("question mark") << QStringLiteral("pac?an");
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd");
    }
    void unsafeSetNamesDeleteNothing() {
        QFETCH(QString, name);
        EmulatorFolder emulator;
        const QString outside = emulator.touch(QStringLiteral("cfg/pacman.cfg"));
        const QString inside = emulator.touch(QStringLiteral("nv/pacman.cfg"));
        const QString star = emulator.touch(QStringLiteral("nv/*.cfg"));
        const QStringList folders{emulator.path() + QStringLiteral("nv/")};

        QVERIFY(DeleteSetFiles(SetFileType::Configuration, folders, name).isEmpty());
        QVERIFY(QFile::exists(outside));
        QVERIFY(QFile::exists(inside));
        QVERIFY(QFile::exists(star));
    }

    void allSetsDeleteTakesOnlySetAndDriverOptionFiles() {
        EmulatorFolder emulator;
        emulator.option("inipath             .;ini;" + emulator.path().toUtf8());
        const QString mameIni = emulator.ini();
        const QString vectorIni = emulator.touch(QStringLiteral("vector.ini"));
        const QString uiIni = emulator.touch(QStringLiteral("ui.ini"));
        const QString orientation = emulator.touch(QStringLiteral("horizont.ini"));
        const QString setIni = emulator.touch(QStringLiteral("galaga.ini"));
        const QString cloneIni = emulator.touch(QStringLiteral("ini/puckman.ini"));
        const QString driverIni = emulator.touch(QStringLiteral("ini/source/pacman.ini"));
        const QString nested = emulator.touch(QStringLiteral("ini/sub/galaga.ini"));
        const QString folderNamedIni = emulator.path() + QStringLiteral("ini/pacman.ini/");
        QDir().mkpath(folderNamedIni);
        const QString notIni = emulator.touch(QStringLiteral("ini/readme.txt"));

        const QStringList folders = SetFileFolders(SetFileType::Ini, mameIni, emulator.path());
        QCOMPARE(folders.size(), 2);
        const QSet<QString> sets{QStringLiteral("galaga"), QStringLiteral("puckman"),
                                 QStringLiteral("pacman")};
        const QStringList deleted = DeleteAllSetFiles(SetFileType::Ini, folders, sets);

        QCOMPARE(deleted.size(), 3);
        for (const QString &gone : {setIni, cloneIni, driverIni}) {
            QVERIFY2(!QFile::exists(gone), qPrintable(gone));
        }
        for (const QString &kept : {mameIni, vectorIni, uiIni, orientation, nested, notIni, folderNamedIni}) {
            QVERIFY2(QFileInfo::exists(kept), qPrintable(kept));
        }
    }

    void nvramInSetFoldersIsNamedAndDeleted() {
        EmulatorFolder emulator;
        const QStringList folders{emulator.path() + QStringLiteral("nvram/")};
        for (const char *file : {"nvram/pacman.nv", "nvram/pacman/eeprom", "nvram/pacman/rtc",
                                 "nvram/galaga/ram", "nvram/dkong.nv", "nvram/notes/keep"}) {
            emulator.touch(QLatin1String(file));
        }
        QCOMPARE(DeleteSetFileQuestion(SetFileType::Nvram, QStringLiteral("pacman"), folders),
                 QStringLiteral("Delete the NVRAM of pacman (3 files)?"));
        QCOMPARE(DeleteSetFiles(SetFileType::Nvram, folders, QStringLiteral("pacman")).size(), 3);
        QCOMPARE(DeleteAllSetFiles(SetFileType::Nvram, folders, {QStringLiteral("galaga")}).size(), 2);
        QCOMPARE(QDir(folders.constFirst()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("notes")});
    }

    void snapshotNamesFollowMameNumbering_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected"); // empty: the answer is not used
        QTest::newRow("number") << QStringLiteral("0001") << QStringLiteral("0001.png");
        QTest::newRow("with extension") << QStringLiteral("0002.png") << QStringLiteral("0002.png");
        QTest::newRow("too long") << QStringLiteral("first") << QString();
        QTest::newRow("too short") << QStringLiteral("12") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("leads outside") << QStringLiteral("../x.png") << QString();
    }
    void snapshotNamesFollowMameNumbering() {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QCOMPARE(SnapshotNameFromAnswer(answer).value_or(QString()), expected);
    }

    void renamingSnapshotsNeverOverwrites() {
        EmulatorFolder emulator;
        const QString folder =
            SetSnapshotFolder(emulator.path() + QStringLiteral("snap"), QStringLiteral("pacman"));
        QCOMPARE(folder, emulator.path() + QStringLiteral("snap/pacman/"));
        writeFile(folder + QStringLiteral("0000.png"), "first");
        writeFile(folder + QStringLiteral("0001.png"), "second");

        QCOMPARE(RenameSnapshotFile(folder, QStringLiteral("0000.png"), QStringLiteral("0001.png")),
                 SnapshotRename::NameTaken);
        QCOMPARE(readFile(folder + QStringLiteral("0001.png")), QByteArray("second"));
        QCOMPARE(RenameSnapshotFile(folder, QStringLiteral("0000.png"), QStringLiteral("0000.png")),
                 SnapshotRename::Unchanged);
        QCOMPARE(RenameSnapshotFile(folder, QStringLiteral("0009.png"), QStringLiteral("0005.png")),
                 SnapshotRename::Missing);
        QCOMPARE(RenameSnapshotFile(folder, QStringLiteral("0000.png"), QStringLiteral("0007.png")),
                 SnapshotRename::Renamed);
        QCOMPARE(readFile(folder + QStringLiteral("0007.png")), QByteArray("first"));
        QVERIFY(SetSnapshotFolder(emulator.path(), QStringLiteral("../pacman")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SetFileMaintenanceTest)
#include "SetFileMaintenanceTest.moc"
