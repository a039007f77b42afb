#include "options/EmulatorOptionFile.h"

#include "TestDirs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kNineteen(19, ' ');

} // namespace

class EmulatorOptionFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("mame.ini")); }

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    void readsTheValueOfTheFirstLineStartingWithTheName_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded list") << QByteArray("#\r\nrompath" + kNineteen +
                                                   "roms;/srv/more roms  \r\n#\r\n")
                                     << "roms;/srv/more roms";
        QTest::newRow("longer name first")
            << QByteArray("#\r\nrompaths  nope\r\nrompath   yes\r\n#\r\n") << "yes";
        QTest::newRow("only a longer name") << QByteArray("#\r\nrompathx  nope\r\n#\r\n") << "";
        QTest::newRow("name not at line start") << QByteArray("#\r\n# rompath  nope\r\n#\r\n") << "";
        QTest::newRow("case matters") << QByteArray("#\r\nROMPATH  nope\r\n#\r\n") << "";
        QTest::newRow("quotes kept") << QByteArray("#\nrompath   \"/my roms\"\n") << "\"/my roms\"";
        QTest::newRow("empty value") << QByteArray("#\nrompath                   \nx 1\n") << "";
        QTest::newRow("first of two") << QByteArray("#\nrompath   a\nrompath   b\n") << "a";
        QTest::newRow("last line without break") << QByteArray("#\nrompath   last") << "last";
    }
    void readsTheValueOfTheFirstLineStartingWithTheName() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        writeFile(iniPath(), content);
        QCOMPARE(ReadEmulatorOption(QStringLiteral("rompath"), iniPath()), expected);
    }

    void readsTodaysMameIni() {
        const QString fixture = QDir(qx::test::fixturesDir()).filePath(QStringLiteral("standin/mame.ini"));
        QCOMPARE(ReadEmulatorOption(QStringLiteral("rompath"), fixture),
                 QStringLiteral("$HOME/mame/roms;roms"));
        QCOMPARE(ReadEmulatorOption(QStringLiteral("snapshot_directory"), fixture), QStringLiteral("snap"));
        QCOMPARE(ReadEmulatorOption(QStringLiteral("input_directory"), fixture), QStringLiteral("inp"));
    }

    void missingFileReadsEmpty() {
        QCOMPARE(ReadEmulatorOption(QStringLiteral("rompath"), iniPath()), QString());
    }

    void writeReplacesTheOptionAndTheHeaderOnly() {
        const QString fixture = QDir(qx::test::fixturesDir()).filePath(QStringLiteral("standin/mame.ini"));
        const QByteArray original = readFile(fixture);
        QVERIFY(original.startsWith(kBom + "#\n"));
        writeFile(iniPath(), original);

        QCOMPARE(EmulatorOptionPad(QStringLiteral("rompath")), 19);
        QVERIFY(WriteEmulatorOption(QStringLiteral("rompath"), 19, QStringLiteral("/data/my roms;roms"),
                                    iniPath()));

        QByteArray expected = original;
        expected.replace(0, kBom.size() + 1, "<UNADORNED0>");
        expected.replace("\nrompath                   $HOME/mame/roms;roms\n",
                         "\nrompath                   /data/my roms;roms\n");
        QCOMPARE(readFile(iniPath()), expected);
        QCOMPARE(ReadEmulatorOption(QStringLiteral("rompath"), iniPath()),
                 QStringLiteral("/data/my roms;roms"));
    }

    void writeOfAnAbsentOptionChangesOnlyTheFirstLine() {
        const QByteArray body = "# comment with rompath in it\n"
                                "rompaths                  keep\n"
                                "samplepath                samples\n"
                                "last line without break";
        writeFile(iniPath(), "#\n" + body);
        QVERIFY(WriteEmulatorOption(QStringLiteral("rompath"), 19, QStringLiteral("x"), iniPath()));
        QCOMPARE(readFile(iniPath()), "<UNADORNED0>\n" + body);
    }

    void writeReplacesEveryLineOfTheOptionAndKeepsTheRest() {
        const QByteArray content = "#\r\n"
                                   "rompath   a\r\n"
                                   "# rompath in a comment\r\n" +
                                   kBom + "inipath                   .;ini\r\n" +
                                   "rompath\tb\r\n"
                                   "rompath   c";
        writeFile(iniPath(), content);
        QVERIFY(WriteEmulatorOption(QStringLiteral("rompath"), 3, QStringLiteral("new"), iniPath()));
        // A tab is no space: "rompath\tb" has another first word and stays.
        QCOMPARE(readFile(iniPath()), "<UNADORNED0>\r\n"
                                      "rompath   new\r\n"
                                      "# rompath in a comment\r\n" +
                                          kBom + "inipath                   .;ini\r\n" +
                                          "rompath\tb\r\n"
                                          "rompath   new");
    }

    void theFirstLineBecomesTheHeaderOnlyWhenItHoldsNoOption_data() {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("comment") << QByteArray("# CORE CONFIGURATION OPTIONS") << kUnadornedHeader;
        QTest::newRow("byte order mark and comment") << kBom + "#" << kUnadornedHeader;
        QTest::newRow("an option") << QByteArray("rompath /srv/my/roms")
                                   << QByteArray("rompath /srv/my/roms");
        QTest::newRow("the option written") << QByteArray("inipath .") << QByteArray("inipath   .;ini");
    }
    void theFirstLineBecomesTheHeaderOnlyWhenItHoldsNoOption() {
        QFETCH(QByteArray, firstLine);
        QFETCH(QByteArray, expected);
        writeFile(iniPath(), firstLine + "\nsamplepath   samples\ninipath .\n");
        QVERIFY(WriteEmulatorOption(QStringLiteral("inipath"), 3, QStringLiteral(".;ini"), iniPath()));
        QCOMPARE(readFile(iniPath()), expected + "\nsamplepath   samples\ninipath   .;ini\n");
    }

    void writeToAMissingFileLeavesOnlyTheHeader() {
        QVERIFY(WriteEmulatorOption(QStringLiteral("rompath"), 19, QStringLiteral("roms"), iniPath()));
        QCOMPARE(readFile(iniPath()), QByteArray("<UNADORNED0>\r\n"));
    }

    void writeIntoAMissingFolderFails() {
        const QString path = m_dir.filePath(QStringLiteral("missing-folder/mame.ini"));
        QVERIFY(!WriteEmulatorOption(QStringLiteral("rompath"), 19, QStringLiteral("roms"), path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(EmulatorOptionFileTest)
#include "EmulatorOptionFileTest.moc"
