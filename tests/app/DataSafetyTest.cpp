// What every rewrite of a whole file promises: a full disk or a file that cannot be read never costs the
// user a byte of what was there, and the caller learns why.
#include "FullFileSystem.h"
#include "TestDirs.h"
#include "UnreadableFile.h"
#include "app/FrontendSettings.h"
#include "browser/setlist/FavouritesFile.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/SetListCache.h"
#include "options/EmulatorOptionFile.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

// The program's read-modify-write path for each of its files; false, with the reason in error, on failure.
bool rewrite(const QString &path, QString &error) {
    const QString name = QFileInfo(path).fileName();
    if (name == QLatin1String("qx.ini")) {
        const FrontendSettings settings(path);
        settings.setWriteFailureHandler([&error](const QString &message) { error = message; });
        return settings.set(Settings::LastSelected, QStringLiteral("pacman"));
    }
    if (name == kFavouritesFileName) {
        return FavouritesFile(path).add(QStringLiteral("dkong"), true, &error);
    }
    if (name == QLatin1String("mame.ini")) {
        return WriteEmulatorOption(QStringLiteral("rompath"), 19, QStringLiteral("/srv/roms"), path, &error);
    }
    const AvailabilityUpdateResult result =
        UpdateAvailability(path, AvailableNames::FromVerifyOutput("romset pacman is good\n"));
    error = result.error;
    return result.ok;
}

void addFileRows() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("qx.ini") << "qx.ini" << FrontendSettings::DefaultSettingsContent();
    QTest::newRow("qx_fav.dat") << "qx_fav.dat" << QByteArray("galaxian\r\npacman\r\n");
    QTest::newRow("mame.ini") << "mame.ini"
                              << QByteArray("\xEF\xBB\xBF#\n#\nrompath                   roms\n");
    QTest::newRow("qx.dat") << "qx.dat"
                            << QByteArray("pacman=Pac-Man=puckman=Namco=1980=good=2=pacman.cpp=no\r\n");
}

} // namespace

class DataSafetyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFullDiskLeavesTheOldFileAndSaysWhy_data() { addFileRows(); }
    void aFullDiskLeavesTheOldFileAndSaysWhy() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        qx::test::FullFileSystem disk;
        if (!disk.skipReason().isEmpty()) {
            QSKIP(qPrintable(disk.skipReason()));
        }
        writeFile(disk.path() + file, content);
        disk.fill();
        QString error;
        QVERIFY(!rewrite(disk.path() + file, error));
        QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
        QCOMPARE(readFile(disk.path() + file), content);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left
    }

    void aFileThatCannotBeReadIsNotRewritten_data() { addFileRows(); }
    void aFileThatCannotBeReadIsNotRewritten() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        writeFile(dir.filePath(file), content);
        QString error;
        {
            const qx::test::UnreadableFile unreadable(dir.filePath(file));
            QVERIFY(!rewrite(dir.filePath(file), error));
        }
        QVERIFY2(error.contains(QStringLiteral("Permission denied")), qPrintable(error));
        QCOMPARE(readFile(dir.filePath(file)), content);
    }

    void namedPipesAreNotRead() {
        QTemporaryDir dir;
        for (const char *name : {"qx.ini", "qx.dat"}) {
            QVERIFY(mkfifo(QFile::encodeName(dir.filePath(QLatin1String(name))).constData(), 0600) == 0);
        }
        // Each would wait for ever for a writer to open the pipe.
        QVERIFY(FrontendSettings(dir.filePath(QStringLiteral("qx.ini")))
                    .readError()
                    .contains("not a regular file"));
        QString error;
        QVERIFY(LoadSetList(dir.filePath(kCacheFile), true, &error).isEmpty());
        QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
    }

    void favouritesNotChangedKeepTheirBytes() {
        QTemporaryDir dir;
        writeFile(dir.filePath(kFavouritesFileName), "caf\xE9\r\npacman\n");
        QVERIFY(FavouritesFile(dir.filePath(kFavouritesFileName)).add(QStringLiteral("dkong"), true));
        QCOMPARE(readFile(dir.filePath(kFavouritesFileName)), QByteArray("caf\xE9\r\ndkong\r\npacman\r\n"));
    }
};

QTEST_GUILESS_MAIN(DataSafetyTest)
#include "DataSafetyTest.moc"
