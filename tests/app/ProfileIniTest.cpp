#include "app/ProfileIni.h"

#include "ReadOnlyFolder.h"
#include "TestDirs.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

class ProfileIniTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("qx.ini")); }

    static QByteArray sample() {
        return "; written by hand\r\n"
               "[Other]\r\n"
               "ViewMode=9\r\n"
               "\r\n"
               "[FRONTEND]\r\n"
               "ViewMode=3\r\n"
               "  LastSelected = pacman  \r\n"
               "Empty=\r\n"
               "\r\n"
               "[Tail]\r\n"
               "x=1\r\n";
    }

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    void readsKeysOfTheirOwnSectionOnly_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "FRONTEND"
                               << "ViewMode"
                               << "3";
        QTest::newRow("other section") << "Other"
                                       << "ViewMode"
                                       << "9";
        QTest::newRow("section in other case") << "frontend"
                                               << "viewmode"
                                               << "3";
        QTest::newRow("blanks around key and value") << "FRONTEND"
                                                     << "LastSelected"
                                                     << "pacman";
        QTest::newRow("empty value") << "FRONTEND"
                                     << "Empty"
                                     << "";
        QTest::newRow("missing key") << "FRONTEND"
                                     << "x"
                                     << "=";
        QTest::newRow("missing section") << "Nowhere"
                                         << "ViewMode"
                                         << "=";
    }
    void readsKeysOfTheirOwnSectionOnly() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeFile(iniPath(), sample());
        QCOMPARE(ReadSetting(section, key, iniPath()), expected);
    }

    void missingFileReadsAsMissingKey() {
        QCOMPARE(ReadSetting(QStringLiteral("FRONTEND"), QStringLiteral("exe"), iniPath()), kMissingSetting);
    }

    void fileSavedWithAByteOrderMarkKeepsItsSection() {
        const QByteArray content = "\xEF\xBB\xBF[FRONTEND]\r\nViewMode=2\r\n";
        writeFile(iniPath(), content);
        QCOMPARE(ReadSetting(QStringLiteral("FRONTEND"), QStringLiteral("ViewMode"), iniPath()),
                 QStringLiteral("2"));
        WriteSetting(QStringLiteral("FRONTEND"), QStringLiteral("ViewMode"), QStringLiteral("1"), iniPath());
        QCOMPARE(readFile(iniPath()), QByteArray("\xEF\xBB\xBF[FRONTEND]\r\nViewMode=1\r\n"));
    }

    void utf16IsReadAndWrittenBackAsUtf8() {
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        writeFile(iniPath(), utf16.encode(QStringLiteral(
                                 "[FRONTEND]\r\nLastSelected=pacman\r\nFontName=Caf\u00e9\r\n")));
        QCOMPARE(ReadSetting(QStringLiteral("FRONTEND"), QStringLiteral("FontName"), iniPath()),
                 QStringLiteral("Caf\u00e9"));
        WriteSetting(QStringLiteral("FRONTEND"), QStringLiteral("LastSelected"), QStringLiteral("dkong"),
                     iniPath());
        QCOMPARE(readFile(iniPath()),
                 QByteArray("[FRONTEND]\r\nLastSelected=dkong\r\nFontName=Caf\xC3\xA9\r\n"));
    }

    void longValueIsCutTo254Characters() {
        const QString value = QString(300, QLatin1Char('v'));
        writeFile(iniPath(), "[FRONTEND]\r\nurl=" + value.toUtf8() + "\r\n");
        QCOMPARE(ReadSetting(QStringLiteral("FRONTEND"), QStringLiteral("url"), iniPath()), value.left(254));
    }

    void readsEveryLineEndStyle_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR only") << QByteArray("\r");
    }
    void readsEveryLineEndStyle() {
        QFETCH(QByteArray, lineEnd);
        writeFile(iniPath(), "[FRONTEND]" + lineEnd + "a=1" + lineEnd + "b=two" + lineEnd);
        QCOMPARE(ReadSetting(QStringLiteral("FRONTEND"), QStringLiteral("a"), iniPath()),
                 QStringLiteral("1"));
        QCOMPARE(ReadSetting(QStringLiteral("FRONTEND"), QStringLiteral("b"), iniPath()),
                 QStringLiteral("two"));

        // A rewrite keeps every line and writes the settings file's own CR LF.
        QCOMPARE(
            WriteSetting(QStringLiteral("FRONTEND"), QStringLiteral("a"), QStringLiteral("9"), iniPath()),
            QStringLiteral("1"));
        QCOMPARE(readFile(iniPath()), QByteArray("[FRONTEND]\r\na=9\r\nb=two\r\n"));
    }

    void writeReplacesOnlyTheKeysLine() {
        writeFile(iniPath(), sample());
        QCOMPARE(WriteSetting(QStringLiteral("frontend"), QStringLiteral("lastselected"),
                              QStringLiteral("galaga"), iniPath()),
                 QStringLiteral("1"));
        QByteArray expected = sample();
        expected.replace("  LastSelected = pacman  \r\n", "lastselected=galaga\r\n");
        QCOMPARE(readFile(iniPath()), expected);
    }

    void writeAddsAMissingKeyAtTheEndOfItsSection() {
        writeFile(iniPath(), sample());
        WriteSetting(QStringLiteral("FRONTEND"), QStringLiteral("exe"), QStringLiteral("/usr/games/mame"),
                     iniPath());
        QByteArray expected = sample();
        expected.replace("Empty=\r\n", "Empty=\r\nexe=/usr/games/mame\r\n");
        QCOMPARE(readFile(iniPath()), expected);
        QCOMPARE(ReadSetting(QStringLiteral("Other"), QStringLiteral("exe"), iniPath()), kMissingSetting);
    }

    void writeAddsAMissingSection() {
        writeFile(iniPath(), sample());
        WriteSetting(QStringLiteral("New"), QStringLiteral("k"), QStringLiteral("v w"), iniPath());
        QCOMPARE(readFile(iniPath()), sample() + "[New]\r\nk=v w\r\n");
    }

    void writeCreatesAMissingFile() {
        WriteSetting(QStringLiteral("FRONTEND"), QStringLiteral("ViewMode"), QStringLiteral("2"), iniPath());
        QCOMPARE(readFile(iniPath()), QByteArray("[FRONTEND]\r\nViewMode=2\r\n"));
    }

    void writeIntoMissingFolderFails() {
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/qx.ini"));
        QCOMPARE(WriteSetting(QStringLiteral("FRONTEND"), QStringLiteral("a"), QStringLiteral("1"), path),
                 QStringLiteral("0"));
        QVERIFY(!QFile::exists(path));
    }

    void writeIntoReadOnlyFolderFailsAndKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qx.ini"));
        writeFile(path, sample());
        qx::test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.isReadOnly()) {
            QSKIP("this system cannot make a folder read-only");
        }
        QCOMPARE(
            WriteSetting(QStringLiteral("FRONTEND"), QStringLiteral("ViewMode"), QStringLiteral("1"), path),
            QStringLiteral("0"));
        QCOMPARE(readFile(path), sample());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("qx.ini")});
    }
};

QTEST_GUILESS_MAIN(ProfileIniTest)
#include "ProfileIniTest.moc"
