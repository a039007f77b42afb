// The files MAME keeps per set (NVRAM, configuration, difference, INI) and its snapshots: where they are,
// which of them a deletion takes, and how a snapshot is renamed.
#include "launch/SetFileMaintenance.h"

#include "TestDirs.h"
#include "launch/SnapshotFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

struct EmulatorFolder {
    QTemporaryDir dir;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString ini() const { return path() + "mame.ini"; }
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
    void foldersFromMameIni() {
        // The type, its line in mame.ini, the folders (relative to the emulator folder, or absolute). Folders
        // for ini files outside home and MAME's folder stay out.
        const std::tuple<SetFileType, QByteArray, QStringList> cases[] = {
            {SetFileType::Nvram, "nvram_directory     nvram", {"nvram/"}},
            {SetFileType::Ini, "inipath             .;ini", {"ini/"}},
            {SetFileType::Configuration, "cfg_directory       \"my cfg\"", {"my cfg/"}},
            {SetFileType::Difference, "diff_directory      /var/tmp/qx-diff", {"/var/tmp/qx-diff/"}},
            {SetFileType::Ini, "inipath             $HOME/.mame;.;ini", {"$HOME/.mame/", "ini/"}},
            {SetFileType::Ini, "inipath             $HOME/.mame;/etc/mame", {"$HOME/.mame/"}},
            {SetFileType::Nvram, "rompath  roms", {}},
            {SetFileType::Nvram, "nvram_directory   \"\"", {}}};
        for (auto [type, line, expected] : cases) {
            EmulatorFolder emulator;
            emulator.option(line);
            for (QString &folder : expected) {
                folder.replace("$HOME", QDir::homePath());
                if (!folder.startsWith(QLatin1Char('/'))) {
                    folder.prepend(emulator.path());
                }
            }
            QCOMPARE(SetFileFolders(type, emulator.ini(), emulator.path()), expected);
        }
    }

    // A set's file goes from every folder, and nothing else does; a name that could lead elsewhere or match
    // other files deletes nothing.
    void oneSetsFileIsDeletedInEveryFolder() {
        for (const QString name : {"pacman", "", "../ini/puckman", "..", "*", "pac?an", "/etc/passwd"}) {
            const QStringList deleted =
                name == "pacman" ? QStringList{"pacman.ini", "ini/pacman.ini"} : QStringList();
            EmulatorFolder emulator;
            const QStringList files{"pacman.ini", "ini/pacman.ini", "ini/puckman.ini",
                                    "ini/*.ini",  "ini/..ini",      "ini/.ini"};
            for (const QString &file : files) {
                emulator.touch(file);
            }
            const QStringList folders{emulator.path(), emulator.path() + "ini/"};
            QCOMPARE(DeleteSetFiles(SetFileType::Ini, folders, name).size(), deleted.size());
            for (const QString &file : files) {
                QVERIFY2(QFile::exists(emulator.path() + file) != deleted.contains(file), qPrintable(file));
            }
        }
    }

    void allSetsDeleteTakesOnlySetAndDriverOptionFiles() {
        EmulatorFolder emulator;
        emulator.option("inipath             .;ini;" + emulator.path().toUtf8());
        QStringList kept{emulator.ini()};
        for (const char *file :
             {"vector.ini", "ui.ini", "horizont.ini", "ini/sub/galaga.ini", "ini/readme.txt"}) {
            kept += emulator.touch(QLatin1String(file));
        }
        const QStringList gone{emulator.touch("galaga.ini"), emulator.touch("ini/puckman.ini"),
                               emulator.touch("ini/source/pacman.ini")};
        kept += emulator.path() + "ini/pacman.ini/"; // a folder
        QDir().mkpath(kept.constLast());

        const QStringList folders = SetFileFolders(SetFileType::Ini, emulator.ini(), emulator.path());
        QCOMPARE(folders.size(), 2);
        const QSet<QString> sets{"galaga", "puckman", "pacman"};
        QCOMPARE(DeleteAllSetFiles(SetFileType::Ini, folders, sets).size(), 3);
        for (const QString &file : gone) {
            QVERIFY2(!QFile::exists(file), qPrintable(file));
        }
        for (const QString &file : kept) {
            QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        }
    }

    void nvramInSetFoldersIsNamedAndDeleted() {
        EmulatorFolder emulator;
        const QStringList folders{emulator.path() + "nvram/"};
        for (const char *file : {"nvram/pacman.nv", "nvram/pacman/eeprom", "nvram/pacman/rtc",
                                 "nvram/galaga/ram", "nvram/dkong.nv", "nvram/notes/keep"}) {
            emulator.touch(QLatin1String(file));
        }
        QCOMPARE(DeleteSetFileQuestion(SetFileType::Nvram, "pacman", folders),
                 QStringLiteral("Delete the NVRAM of pacman (3 files)?"));
        QCOMPARE(DeleteSetFiles(SetFileType::Nvram, folders, "pacman").size(), 3);
        QCOMPARE(DeleteAllSetFiles(SetFileType::Nvram, folders, {"galaga"}).size(), 2);
        QCOMPARE(QDir(folders.constFirst()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"notes"});
    }

    // Only a name like MAME's own numbering is taken, and a rename never overwrites.
    void snapshotsAreRenamedSafely() {
        for (const auto &[answer, expected] : {std::pair{"0001", "0001.png"},
                                               {"0002.png", "0002.png"},
                                               {"first", ""},
                                               {"12", ""},
                                               {"", ""},
                                               {"../x.png", ""}}) {
            QCOMPARE(SnapshotNameFromAnswer(QLatin1String(answer)).value_or(QString()),
                     QLatin1String(expected));
        }
        EmulatorFolder emulator;
        const QString folder = SetSnapshotFolder(emulator.path() + "snap", "pacman");
        QCOMPARE(folder, emulator.path() + "snap/pacman/");
        QVERIFY(SetSnapshotFolder(emulator.path(), "../pacman").isEmpty());
        writeFile(folder + "0000.png", "first");
        writeFile(folder + "0001.png", "second");
        QCOMPARE(RenameSnapshotFile(folder, "0000.png", "0001.png"), SnapshotRename::NameTaken);
        QCOMPARE(readFile(folder + "0001.png"), QByteArray("second"));
        QCOMPARE(RenameSnapshotFile(folder, "0000.png", "0000.png"), SnapshotRename::Unchanged);
        QCOMPARE(RenameSnapshotFile(folder, "0009.png", "0005.png"), SnapshotRename::Missing);
        QCOMPARE(RenameSnapshotFile(folder, "0000.png", "0007.png"), SnapshotRename::Renamed);
        QCOMPARE(readFile(folder + "0007.png"), QByteArray("first"));
    }
};

QTEST_GUILESS_MAIN(SetFileMaintenanceTest)
#include "SetFileMaintenanceTest.moc"
