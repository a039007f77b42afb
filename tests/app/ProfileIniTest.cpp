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
        for (const auto &[row, section, key, expected] :
             {std::tuple{"plain", "FRONTEND", "ViewMode", "3"},
              {"other section", "Other", "ViewMode", "9"},
              {"section in other case", "frontend", "viewmode", "3"},
              {"blanks around key and value", "FRONTEND", "LastSelected", "pacman"},
              {"empty value", "FRONTEND", "Empty", ""},
              {"missing key", "FRONTEND", "x", "="},
              {"missing section", "Nowhere", "ViewMode", "="}}) {
            QTest::newRow(row) << section << key << expected;
        }
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

    // A write replaces only the key's line (any case), adds a missing key at the end of its section, a
    // missing section at the end, and a missing file.
    void writeChangesOneLine_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QByteArray replaced = sample();
        replaced.replace("  LastSelected = pacman  \r\n", "lastselected=v w\r\n");
        QByteArray added = sample();
        added.replace("Empty=\r\n", "Empty=\r\nexe=v w\r\n");
        QTest::newRow("key's line") << "frontend"
                                    << "lastselected" << sample() << replaced;
        QTest::newRow("missing key") << "FRONTEND"
                                     << "exe" << sample() << added;
        QTest::newRow("missing section") << "New"
                                         << "k" << sample() << sample() + "[New]\r\nk=v w\r\n";
        QTest::newRow("missing file")
            << "FRONTEND"
            << "ViewMode" << QByteArray() << QByteArray("[FRONTEND]\r\nViewMode=v w\r\n");
    }
    void writeChangesOneLine() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        if (!before.isNull()) {
            writeFile(iniPath(), before);
        }
        QCOMPARE(WriteSetting(section, key, QStringLiteral("v w"), iniPath()), QStringLiteral("1"));
        QCOMPARE(readFile(iniPath()), after);
        QCOMPARE(ReadSetting(QStringLiteral("Other"), QStringLiteral("exe"), iniPath()), kMissingSetting);
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
