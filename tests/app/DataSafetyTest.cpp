// What every rewrite of a whole file promises: a full disk, a file that cannot be read, or a file that is
// no regular file never costs the user a byte of what was there, and the caller learns why.
#include "FullFileSystem.h"
#include "TestDirs.h"
#include "UnreadableFile.h"
#include "app/EmulatorOptionFile.h"
#include "app/FrontendSettings.h"
#include "app/TextFile.h"
#include "browser/FavouritesFile.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/SetListCache.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

// One of the program's read-modify-write paths: the file it rewrites, what the file held, and the write,
// which returns false with the reason in error when it fails.
struct Rewrite {
    const char *file;
    QByteArray content;
    std::function<bool(const QString &path, QString &error)> write;
};

const QList<Rewrite> &rewrites() {
    static const QList<Rewrite> table{
        {"qx.ini", FrontendSettings::DefaultSettingsContent(),
         [](const QString &path, QString &error) {
             const FrontendSettings settings(path);
             settings.setWriteFailureHandler([&error](const QString &message) { error = message; });
             return settings.write(QStringLiteral("LastSelected"), QStringLiteral("pacman"));
         }},
        {"qx_fav.dat", "galaxian\r\npacman\r\n",
         [](const QString &path, QString &error) {
             return FavouritesFile(path).add(QStringLiteral("dkong"), true, &error);
         }},
        {"mame.ini", "\xEF\xBB\xBF#\n# CORE SEARCH PATH OPTIONS\n#\nrompath                   roms\n",
         [](const QString &path, QString &error) {
             return WriteEmulatorOption(QStringLiteral("rompath"), 19, QStringLiteral("/srv/roms"), path,
                                        &error);
         }},
        {"qx.dat", "pacman=Pac-Man=puckman=Namco=1980=good=2=pacman.cpp=no\r\n",
         [](const QString &path, QString &error) {
             const AvailabilityUpdateResult result =
                 UpdateAvailability(path, AvailableNames::FromVerifyOutput("romset pacman is good\n"));
             error = result.error;
             return result.ok;
         }},
    };
    return table;
}

void addRewriteRows() {
    QTest::addColumn<int>("index");
    for (qsizetype i = 0; i < rewrites().size(); ++i) {
        QTest::newRow(rewrites().at(i).file) << int(i);
    }
}

} // namespace

class DataSafetyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFullDiskLeavesTheOldFileAndSaysWhy_data() { addRewriteRows(); }
    void aFullDiskLeavesTheOldFileAndSaysWhy() {
        QFETCH(int, index);
        const Rewrite &rewrite = rewrites().at(index);
        qx::test::FullFileSystem disk;
        if (!disk.isMounted()) {
            QSKIP(qPrintable(disk.skipReason()));
        }
        const QString path = disk.path() + QLatin1String(rewrite.file);
        writeFile(path, rewrite.content);
        disk.fill();

        QString error;
        QVERIFY(!rewrite.write(path, error));
        QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
        QCOMPARE(readFile(path), rewrite.content);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left over
    }

    void aFileThatCannotBeReadIsNotRewritten_data() { addRewriteRows(); }
    void aFileThatCannotBeReadIsNotRewritten() {
        QFETCH(int, index);
        const Rewrite &rewrite = rewrites().at(index);
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(rewrite.file));
        writeFile(path, rewrite.content);
        QString error;
        {
            const qx::test::UnreadableFile unreadable(path);
            QVERIFY(!rewrite.write(path, error));
        }
        QVERIFY2(error.contains(QStringLiteral("Permission denied")), qPrintable(error));
        QCOMPARE(readFile(path), rewrite.content);
    }

    void onlyRegularFilesAreRead() {
        QTemporaryDir dir;
        for (const char *name : {"qx.ini", "qx.dat", "qx_fav.dat"}) {
            QVERIFY(mkfifo(QFile::encodeName(dir.filePath(QLatin1String(name))).constData(), 0600) == 0);
        }
        // Each of these would wait for ever for a writer to open the pipe.
        const FrontendSettings settings(dir.filePath(QStringLiteral("qx.ini")));
        QCOMPARE(settings.text(QStringLiteral("ViewMode")), QStringLiteral("3"));
        QVERIFY(settings.readError().contains(QStringLiteral("not a regular file")));
        QString error;
        QVERIFY(LoadSetList(dir.filePath(kCacheFile), true, &error).isEmpty());
        QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
        const FavouritesFile favourites(dir.filePath(kFavouritesFileName));
        QVERIFY(favourites.names().isEmpty());
        QVERIFY(!favourites.add(QStringLiteral("pacman"), true, &error));
    }

    void aSetListLargerThanAnyRealOneIsDamaged() {
        QTemporaryDir dir;
        const QString path = dir.filePath(kCacheFile);
        QFile sparse(path);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(100LL * 1024 * 1024 * 1024));
        sparse.close();
        QString error;
        QVERIFY(LoadSetList(path, true, &error).isEmpty());
        QVERIFY2(error.contains(QStringLiteral("far larger than any set list")), qPrintable(error));
        QVERIFY(!UpdateAvailability(path, AvailableNames()).ok);
        QCOMPARE(QFileInfo(path).size(), 100LL * 1024 * 1024 * 1024);
    }

    void favouritesNotChangedKeepTheirBytes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(kFavouritesFileName);
        writeFile(path, "caf\xE9\r\npacman\n");
        QVERIFY(FavouritesFile(path).add(QStringLiteral("dkong"), true));
        QCOMPARE(readFile(path), QByteArray("caf\xE9\r\ndkong\r\npacman\r\n"));
        QVERIFY(FavouritesFile(path).remove(QStringLiteral("dkong")));
        QCOMPARE(readFile(path), QByteArray("caf\xE9\r\npacman\r\n"));
    }
};

QTEST_GUILESS_MAIN(DataSafetyTest)
#include "DataSafetyTest.moc"
