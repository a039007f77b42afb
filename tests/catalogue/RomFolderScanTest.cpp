#include "catalogue/RomFolderScan.h"

#include "TestDirs.h"
#include "app/PathHelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class RomFolderScanTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString folder(const QString &name) const { return m_root.filePath(name); }
    void touch(const QString &relative) const { test::writeFile(m_root.filePath(relative), "x"); }

private Q_SLOTS:
    void initTestCase() {
        touch(QStringLiteral("roms/puckman.zip"));
        touch(QStringLiteral("roms/.hidden.zip"));
        touch(QStringLiteral("roms/noext"));
        touch(QStringLiteral("roms/trailing."));
        touch(QStringLiteral("more roms/mslug.7z"));
        QDir().mkpath(folder(QStringLiteral("more roms/pong.dir")));
        QDir().mkpath(folder(QStringLiteral("more roms/pacman"))); // a set folder, as MAME reads it
        touch(QStringLiteral("more roms/pacman/pacmanf.zip"));     // inside another folder: not looked at
    }

    void namesCountWhenAnEntryIsNamePlusExtension() {
        const RomFolderScan scan =
            RomFolderScan::Scan(QStringLiteral("roms;\"more roms\""), WithTrailingSeparator(m_root.path()));
        QCOMPARE(scan.folders(),
                 (QStringList{folder(QStringLiteral("roms")), folder(QStringLiteral("more roms"))}));
        QVERIFY(scan.isAvailable(QStringLiteral("puckman")));
        QVERIFY(scan.isAvailable(QStringLiteral("mslug")));
        QVERIFY(scan.isAvailable(QStringLiteral("pong")));    // a folder with an extension counts
        QVERIFY(scan.isAvailable(QStringLiteral(".hidden"))); // hidden entries are listed too
        QVERIFY(scan.isAvailable(QStringLiteral("pacman")));
        QVERIFY(!scan.isAvailable(QStringLiteral("pacmanf"))); // merged into another archive or folder
        QVERIFY(!scan.isAvailable(QStringLiteral("noext")));
        QVERIFY(!scan.isAvailable(QStringLiteral("trailing")));
        QVERIFY(!scan.isAvailable(QStringLiteral("puck")));
        QVERIFY(!scan.isAvailable(QStringLiteral("PUCKMAN")));
    }

    void quotedAbsoluteFolderWithoutTrailingSeparator() {
        const RomFolderScan scan =
            RomFolderScan::Scan(QLatin1Char('"') + folder(QStringLiteral("more roms")) + QLatin1Char('"'),
                                QStringLiteral("/nowhere/"));
        QVERIFY(scan.isAvailable(QStringLiteral("mslug")));
        QVERIFY(!scan.isAvailable(QStringLiteral("puckman")));
    }

    void homeVariableIsExpanded() {
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(m_root.path()));
        const RomFolderScan scan =
            RomFolderScan::Scan(QStringLiteral("$HOME/roms;${HOME}/missing"), QStringLiteral("/"));
        qputenv("HOME", oldHome);
        QVERIFY(scan.isAvailable(QStringLiteral("puckman")));
        QVERIFY(!scan.isAvailable(QStringLiteral("mslug")));
    }

    void missingOrEmptyPathsHoldNoFiles() {
        QVERIFY(!RomFolderScan::Scan(QStringLiteral("gone;also gone"), WithTrailingSeparator(m_root.path()))
                     .isAvailable(QStringLiteral("puckman")));
        QVERIFY(RomFolderScan::Scan(QString(), WithTrailingSeparator(m_root.path())).folders().isEmpty());
    }

    void romPathsFromMameIni_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("expected");
        QTest::newRow("MAME's own file with a byte order mark")
            << QByteArray(
                   "\xEF\xBB\xBF#\n# CORE SEARCH PATH OPTIONS\n#\nhomepath                  .\n"
                   "rompath                   $HOME/mame/roms;roms  \nhashpath                  hash\n")
            << QStringLiteral("$HOME/mame/roms;roms");
        QTest::newRow("any letter case, CR LF")
            << QByteArray("<UNADORNED0>\r\nROMPATH   \"C:/my roms\"\r\n") << QStringLiteral("\"C:/my roms\"");
        QTest::newRow("no rompath line") << QByteArray("samplepath samples\n") << QString();
    }
    void romPathsFromMameIni() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        const QString path = m_root.filePath(QStringLiteral("ini/mame.ini"));
        test::writeFile(path, ini);
        QCOMPARE(ReadRomPaths(path), expected);
    }

    void noIniPathMeansRoms() { QCOMPARE(ReadRomPaths(QString()), QStringLiteral("roms")); }
};

QTEST_GUILESS_MAIN(RomFolderScanTest)
#include "RomFolderScanTest.moc"
