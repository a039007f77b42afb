#include "app/FrontendSettings.h"

#include "TestDirs.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

// The default settings file as the program must write it, line by line.
QByteArray expectedDefaultFile() {
    return "[FRONTEND]\r\n"
           "WindowState=0\r\n"
           "MainHeight=7665\r\n"
           "MainLeft=\r\n"
           "MainTop=\r\n"
           "MainWidth=10500\r\n"
           "ShowHistory=0\r\n"
           "SplitterLeft=onethirdwidth\r\n"
           "ColumnWidths=240,80,80,67,125,77,90\r\n"
           "ColumnPos=0,1,2,3,4,5,6,7\r\n"
           "FullRowSelect=1\r\n"
           "GhostIcon=1\r\n"
           "mouseFocus=0\r\n"
           "ShowStatusBar=-1\r\n"
           "ViewMode=3\r\n"
           "HideClones=1\r\n"
           "HideBIOS=-1\r\n"
           "ConfirmVerify=1\r\n"
           "LastSelected=yumefuda\r\n"
           "ShowA=-1\r\n"
           "ShowU=-1\r\n"
           "ShowConsole=0\r\n"
           "KeepConsoleOpen=0\r\n"
           "ShowMenu=-1\r\n"
           "url=" +
           kDefaultSetInfoUrl.toUtf8() +
           "\r\n"
           "avi=click\r\n"
           "playavi=0\r\n"
           "UseNotepad=0\r\n"
           "tray=1\r\n"
           "trayMin=0\r\n"
           "ShowToolTips=1\r\n"
           "FullScreenRes=\r\n"
           "UseAltRes=0\r\n"
           "toolbar=-1\r\n"
           "FontName=Verdana\r\n"
           "FontBold=0\r\n"
           "FontItalic=0\r\n"
           "FontSize=\r\n"
           "StrikeOut=0\r\n"
           "Underline=0\r\n"
           "FontColour=\r\n"
           "BackColour=\r\n"
           "TreeBackColour=\r\n"
           "sbFontName=Verdana\r\n"
           "sbFontBold=0\r\n"
           "sbFontItalic=0\r\n"
           "sbFontSize=\r\n"
           "sbStrikeOut=0\r\n"
           "sbUnderline=0\r\n"
           "infoFontName=Verdana\r\n"
           "infoFontBold=0\r\n"
           "infoFontItalic=0\r\n"
           "infoFontSize=\r\n"
           "infoStrikeOut=0\r\n"
           "infoUnderline=0\r\n"
           "infoBackColour=\r\n"
           "picBackColour=\r\n"
           "infoFontColour=\r\n"
           "dialogueFont=Arial\r\n"
           "picture=0\r\n"
           "picturepath=flyers\r\n"
           "RandomSelectOnly=0\r\n"
           "joyselect=0\r\n"
           "joyid=0\r\n"
           "checksamples=-1\r\n"
           "neverfastscan=0\r\n"
           "verifydialog=1\r\n"
           "mrud=\r\n"
           "mrud2=\r\n"
           "mrud3=\r\n"
           "exe=\r\n"
           "crc32=\r\n"
           "Version=\r\n"
           "setlimit=\r\n"
           "biossets=\r\n"
           "sortfav=1\r\n";
}

} // namespace

class FrontendSettingsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("qx.ini")); }
    FrontendSettings settingsWith(const QByteArray &body) const {
        writeFile(iniPath(), "[FRONTEND]\r\n" + body);
        return FrontendSettings(iniPath());
    }

private Q_SLOTS:
    void defaultFileIsWrittenByteForByte() {
        writeFile(iniPath(), "[FRONTEND]\r\nexe=/old/mame\r\nextra=1\r\n");
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        QCOMPARE(readFile(iniPath()), expectedDefaultFile());
    }

    void defaultFileAnswersEveryTypedReader() {
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        const FrontendSettings settings(iniPath());
        QCOMPARE(settings.read(QStringLiteral("exe")), QString());
        QVERIFY(settings.flag(QStringLiteral("HideClones")));
        QVERIFY(!settings.flag(QStringLiteral("KeepConsoleOpen")));
        QCOMPARE(settings.integer(QStringLiteral("ViewMode")), 3);
        QCOMPARE(settings.twips(QStringLiteral("MainHeight")), std::optional<double>(7665));
        QCOMPARE(settings.twips(QStringLiteral("MainLeft")), std::nullopt);
        QCOMPARE(settings.list(QStringLiteral("ColumnWidths"), 7),
                 (QList<int>{240, 80, 80, 67, 125, 77, 90}));
        QCOMPARE(settings.colour(QStringLiteral("FontColour")), std::nullopt);
    }

    void booleansAcceptEveryWrittenForm_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("main window true") << QByteArray("-1") << true;
        QTest::newRow("preferences true") << QByteArray("1") << true;
        QTest::newRow("True") << QByteArray("True") << true;
        QTest::newRow("other number") << QByteArray("5") << true;
        QTest::newRow("zero") << QByteArray("0") << false;
        QTest::newRow("False") << QByteArray("False") << false;
    }
    void booleansAcceptEveryWrittenForm() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, expected);
        // One key defaulting to true and one to false, so a fallback to the default cannot pass by chance.
        const FrontendSettings settings =
            settingsWith("ShowA=" + stored + "\r\nmouseFocus=" + stored + "\r\n");
        QCOMPARE(settings.flag(QStringLiteral("ShowA")), expected);
        QCOMPARE(settings.flag(QStringLiteral("mouseFocus")), expected);
    }

    void keysComparedWithOneAreTrueOnlyForOne_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("one") << QByteArray("1") << true;
        QTest::newRow("minus one") << QByteArray("-1") << false;
        QTest::newRow("two") << QByteArray("2") << false;
        QTest::newRow("zero") << QByteArray("0") << false;
    }
    void keysComparedWithOneAreTrueOnlyForOne() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, expected);
        const FrontendSettings settings = settingsWith("FullRowSelect=" + stored + "\r\ntray=" + stored +
                                                       "\r\nConfirmVerify=" + stored + "\r\n");
        QCOMPARE(settings.isOne(QStringLiteral("FullRowSelect")), expected);
        QCOMPARE(settings.isOne(QStringLiteral("tray")), expected);
        QCOMPARE(settings.isOne(QStringLiteral("ConfirmVerify")), expected);
    }

    void handEditedKeysFallBackToTheirDefaults() {
        const FrontendSettings settings = settingsWith("ViewMode=details\r\n"
                                                       "ShowU=maybe\r\n"
                                                       "tray=\r\n"
                                                       "ColumnWidths=10,20\r\n"
                                                       "ColumnPos=0,1,x,3,4,5,6\r\n"
                                                       "MainWidth=wide\r\n"
                                                       "MainHeight=inf\r\n"
                                                       "MainLeft=nan\r\n"
                                                       "BackColour=-5\r\n");
        QCOMPARE(settings.integer(QStringLiteral("ViewMode")), 3);
        QVERIFY(settings.flag(QStringLiteral("ShowU")));
        QVERIFY(settings.isOne(QStringLiteral("tray")));
        QCOMPARE(settings.list(QStringLiteral("ColumnWidths"), 7),
                 (QList<int>{240, 80, 80, 67, 125, 77, 90}));
        QCOMPARE(settings.list(QStringLiteral("ColumnPos"), 7), (QList<int>{0, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(settings.twips(QStringLiteral("MainWidth")), std::optional<double>(10500));
        QCOMPARE(settings.twips(QStringLiteral("MainHeight")), std::optional<double>(7665));
        QCOMPARE(settings.twips(QStringLiteral("MainLeft")), std::nullopt);
        QCOMPARE(settings.colour(QStringLiteral("BackColour")), std::nullopt);

        // Missing keys: "=" for the raw text, the default for every decoded reading.
        QCOMPARE(settings.read(QStringLiteral("LastSelected")), QStringLiteral("="));
        QCOMPARE(settings.text(QStringLiteral("LastSelected")), QStringLiteral("yumefuda"));
        QVERIFY(settings.flag(QStringLiteral("checksamples")));
        QVERIFY(!settings.flag(QStringLiteral("trayMin")));
        QVERIFY(settings.isOne(QStringLiteral("FullRowSelect")));
        QCOMPARE(settings.integer(QStringLiteral("playavi")), 0);
    }

    void storedValuesWinOverDefaults() {
        const FrontendSettings settings = settingsWith("ViewMode=1\r\nColumnPos=6,5,4,3,2,1,0,7\r\n"
                                                       "FontColour=16711680\r\nMainLeft=1234.5\r\n");
        QCOMPARE(settings.integer(QStringLiteral("viewmode")), 1);
        QCOMPARE(settings.list(QStringLiteral("ColumnPos"), 7), (QList<int>{6, 5, 4, 3, 2, 1, 0}));
        QCOMPARE(settings.colour(QStringLiteral("FontColour")), std::optional<quint32>(0xFF0000));
        QCOMPARE(settings.twips(QStringLiteral("MainLeft")), std::optional<double>(1234.5));
    }

    void writesFlagsAsTheMainWindowDoes() {
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        const FrontendSettings settings(iniPath());
        QVERIFY(settings.writeFlag(QStringLiteral("picture"), true));
        QVERIFY(settings.writeNumber(QStringLiteral("setlimit"), 45294));
        QCOMPARE(settings.read(QStringLiteral("picture")), QStringLiteral("-1"));
        QCOMPARE(settings.integer(QStringLiteral("setlimit")), 45294);
        QByteArray expected = expectedDefaultFile();
        expected.replace("\r\npicture=0\r\n", "\r\npicture=-1\r\n");
        expected.replace("\r\nsetlimit=\r\n", "\r\nsetlimit=45294\r\n");
        QCOMPARE(readFile(iniPath()), expected);
    }

    void aBatchWritesTheFileOnceAndHandEditsAreStillSeen() {
        const FrontendSettings settings = settingsWith("ViewMode=3\r\n");
        {
            const FrontendSettings::Batch batch(settings);
            QVERIFY(settings.writeNumber(QStringLiteral("ViewMode"), 1) &&
                    settings.writeFlag(QStringLiteral("tray"), true));
            QCOMPARE(settings.integer(QStringLiteral("ViewMode")), 1);
            QCOMPARE(readFile(iniPath()), QByteArray("[FRONTEND]\r\nViewMode=3\r\n")); // nothing written yet
        }
        QCOMPARE(readFile(iniPath()), QByteArray("[FRONTEND]\r\nViewMode=1\r\ntray=-1\r\n"));
        // A hand edit made while the program runs (of another length, so even a coarse clock sees it).
        writeFile(iniPath(), "[FRONTEND]\r\nViewMode=12\r\n");
        QCOMPARE(settings.integer(QStringLiteral("ViewMode")), 12);
    }

    void aVeryLongValueIsCutOnReadAndHarmsNoOtherKey() {
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        const FrontendSettings settings(iniPath());
        const QString huge = QString(10000, QLatin1Char('x'));
        QVERIFY(settings.write(QStringLiteral("mrud2"), huge));
        QCOMPARE(settings.read(QStringLiteral("mrud2")), huge.left(254));
        QCOMPARE(settings.read(QStringLiteral("mrud3")), QString());
        QCOMPARE(settings.read(QStringLiteral("sortfav")), QStringLiteral("1"));
        QCOMPARE(settings.read(QStringLiteral("mrud")), QString());
    }
};

QTEST_GUILESS_MAIN(FrontendSettingsTest)
#include "FrontendSettingsTest.moc"
