#include "app/FrontendSettings.h"

#include "TestDirs.h"
#include "browser/setlist/ColumnLayout.h"

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
           "url=https://adb.arcadeitalia.net/dettaglio_mame.php?game_name=\r\n"
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
        QCOMPARE(settings.read(Settings::Exe), QString());
        QVERIFY(settings.get(Settings::HideClones));
        QVERIFY(!settings.get(Settings::KeepConsoleOpen));
        QCOMPARE(settings.get(Settings::ViewMode), 3);
        QCOMPARE(settings.get(Settings::MainHeight), 7665.0);
        QCOMPARE(settings.get(Settings::MainLeft), 0.0);
        QCOMPARE(ParseColumnWidths(settings.get(Settings::ColumnWidths)),
                 (ColumnList{240, 80, 80, 67, 125, 77, 90}));
        QCOMPARE(settings.get(Settings::FontColour), std::nullopt);
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
        QCOMPARE(settings.get(Settings::ShowA), expected);
        QCOMPARE(settings.get(Settings::MouseFocus), expected);
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
        QCOMPARE(settings.get(Settings::FullRowSelect), expected);
        QCOMPARE(settings.get(Settings::Tray), expected);
        QCOMPARE(settings.get(Settings::ConfirmVerify), expected);
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
        QCOMPARE(settings.get(Settings::ViewMode), 3);
        QVERIFY(settings.get(Settings::ShowU));
        QVERIFY(settings.get(Settings::Tray));
        QCOMPARE(ParseColumnWidths(settings.get(Settings::ColumnWidths)),
                 (ColumnList{240, 80, 80, 67, 125, 77, 90}));
        QCOMPARE(ParseColumnOrder(settings.get(Settings::ColumnPos)), (ColumnList{0, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(settings.get(Settings::MainWidth), 10500.0);
        QCOMPARE(settings.get(Settings::MainHeight), 7665.0);
        QCOMPARE(settings.get(Settings::MainLeft), 0.0);
        QCOMPARE(settings.get(Settings::BackColour), std::nullopt);

        // Missing keys: "=" for the raw text, the default for every decoded reading.
        QCOMPARE(settings.read(Settings::LastSelected), QStringLiteral("="));
        QCOMPARE(settings.get(Settings::LastSelected), QStringLiteral("yumefuda"));
        QVERIFY(settings.get(Settings::CheckSamples));
        QVERIFY(!settings.get(Settings::TrayMin));
        QVERIFY(settings.get(Settings::FullRowSelect));
        QCOMPARE(settings.get(Settings::PlayAvi), 0);
    }

    void storedValuesWinOverDefaults() {
        const FrontendSettings settings = settingsWith("viewmode=1\r\nColumnPos=6,5,4,3,2,1,0,7\r\n"
                                                       "FontColour=16711680\r\nMainLeft=1234.5\r\n");
        QCOMPARE(settings.get(Settings::ViewMode), 1);
        QCOMPARE(ParseColumnOrder(settings.get(Settings::ColumnPos)), (ColumnList{6, 5, 4, 3, 2, 1, 0}));
        QCOMPARE(settings.get(Settings::FontColour), std::optional<quint32>(0xFF0000));
        QCOMPARE(settings.get(Settings::MainLeft), 1234.5);
    }

    void writesFlagsAsTheMainWindowDoes() {
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        const FrontendSettings settings(iniPath());
        QVERIFY(settings.set(Settings::Picture, true));
        QVERIFY(settings.set(Settings::SetLimit, 45294));
        QCOMPARE(settings.read(Settings::Picture), QStringLiteral("-1"));
        QCOMPARE(settings.get(Settings::SetLimit), 45294);
        QByteArray expected = expectedDefaultFile();
        expected.replace("\r\npicture=0\r\n", "\r\npicture=-1\r\n");
        expected.replace("\r\nsetlimit=\r\n", "\r\nsetlimit=45294\r\n");
        QCOMPARE(readFile(iniPath()), expected);
    }

    void aBatchWritesTheFileOnceAndHandEditsAreStillSeen() {
        const FrontendSettings settings = settingsWith("ViewMode=3\r\n");
        {
            const FrontendSettings::Batch batch(settings);
            QVERIFY(settings.set(Settings::ViewMode, 1) && settings.set(Settings::Tray, true));
            QCOMPARE(settings.get(Settings::ViewMode), 1);
            QCOMPARE(readFile(iniPath()), QByteArray("[FRONTEND]\r\nViewMode=3\r\n")); // nothing written yet
        }
        QCOMPARE(readFile(iniPath()), QByteArray("[FRONTEND]\r\nViewMode=1\r\ntray=1\r\n"));
        // A hand edit made while the program runs (of another length, so even a coarse clock sees it).
        writeFile(iniPath(), "[FRONTEND]\r\nViewMode=12\r\n");
        QCOMPARE(settings.get(Settings::ViewMode), 12);
    }

    void aVeryLongValueIsCutOnReadAndHarmsNoOtherKey() {
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        const FrontendSettings settings(iniPath());
        const QString huge = QString(10000, QLatin1Char('x'));
        QVERIFY(settings.set(Settings::Mrud2, huge));
        QCOMPARE(settings.read(Settings::Mrud2), huge.left(254));
        QCOMPARE(settings.read(Settings::Mrud3), QString());
        QCOMPARE(settings.read(Settings::SortFav), QStringLiteral("1"));
        QCOMPARE(settings.read(Settings::Mrud), QString());
    }
};

QTEST_GUILESS_MAIN(FrontendSettingsTest)
#include "FrontendSettingsTest.moc"
