#include "options/FolderListValue.h"

#include "TestDirs.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

class FolderListValueTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Folders written, then read back by the dialog: the same folders, variables as written.
    void joinedFoldersReadBack_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("written");
        QTest::newRow("variables stay")
            << QStringList{"$HOME/mame/roms", "${HOME}/r", "roms"} << "$HOME/mame/roms;${HOME}/r;roms";
        QTest::newRow("a blank quotes the whole value")
            << QStringList{"/a", "/my roms", "/c"} << "\"/a;/my roms;/c\"";
        QTest::newRow("MAME reads # as a comment") << QStringList{"/roms#1"} << "\"/roms#1\"";
        QTest::newRow("none") << QStringList{} << "";
    }
    void joinedFoldersReadBack() {
        QFETCH(QStringList, folders);
        QFETCH(QString, written);
        QCOMPARE(JoinFolderList(folders), written);
        QCOMPARE(SplitFolderList(written), folders);
        QCOMPARE(SplitFolderList(written + ";;"), folders);
    }

    // Start-up writes only an inipath line that lacks "."; a mame.ini without one stays byte for byte.
    void startupNormalisationWritesOnlyWhatIsNeeded_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray head = "\xEF\xBB\xBF#\n# CORE SEARCH PATH OPTIONS\n";
        QTest::newRow("Debian") << head + "inipath                   $HOME/.mame;/etc/mame\nrompath   roms"
                                << QByteArray(
                                       "<UNADORNED0>\n# CORE SEARCH PATH OPTIONS\n"
                                       "inipath                   .;$HOME/.mame;/etc/mame\nrompath   roms");
        QTest::newRow("no inipath line") << head + "rompath roms\n" << head + "rompath roms\n";
        QTest::newRow("has . later") << head + "inipath /i;.\r\n" << head + "inipath /i;.\r\n";
        QTest::newRow("empty: MAME's default") << head + "inipath\n" << head + "inipath\n";
        QTest::newRow("blank") << QByteArray("inipath \"/my ini\"")
                               << QByteArray("inipath                   \".;/my ini\"");
    }
    void startupNormalisationWritesOnlyWhatIsNeeded() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("mame.ini"));
        writeFile(ini, content);
        QVERIFY(NormaliseIniPathOption(ini).ok);
        QCOMPARE(readFile(ini), expected);
    }
};

QTEST_GUILESS_MAIN(FolderListValueTest)
#include "FolderListValueTest.moc"
