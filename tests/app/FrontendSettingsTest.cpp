#include "app/FrontendSettings.h"

#include "TestDirs.h"
#include "browser/setlist/ColumnLayout.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

class FrontendSettingsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("qx.ini")); }
    FrontendSettings settingsWith(const QByteArray &body) const {
        writeFile(iniPath(), "[FRONTEND]\r\n" + body);
        return FrontendSettings(iniPath());
    }
    // The default settings file as the program must write it.
    static QByteArray defaultFile() { return test::readFixture(QStringLiteral("app/qx-default.ini")); }

private Q_SLOTS:
    void defaultFileIsWrittenByteForByteAndReadBack() {
        writeFile(iniPath(), "[FRONTEND]\r\nexe=/old/mame\r\nextra=1\r\n");
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        QCOMPARE(readFile(iniPath()), defaultFile());
        const FrontendSettings settings(iniPath());
        QCOMPARE(settings.read(Settings::Exe), QString());
        QVERIFY(settings.get(Settings::HideClones) && !settings.get(Settings::KeepConsoleOpen));
        QCOMPARE(settings.get(Settings::ViewMode), 3);
        QCOMPARE(settings.get(Settings::MainHeight), 7665.0);
        QCOMPARE(settings.get(Settings::MainLeft), 0.0);
        QCOMPARE(settings.get(Settings::FontColour), std::nullopt);
    }

    // Flags take every form ever written; keys compared with one are true only for 1. Each kind is read
    // from one key defaulting to true and one to false, so a fallback to the default cannot pass by chance.
    void booleansAcceptEveryWrittenForm_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<bool>("one");
        for (const auto &[stored, flag, one] : {std::tuple{"-1", true, false},
                                                {"1", true, true},
                                                {"True", true, true},
                                                {"5", true, false},
                                                {"2", true, false},
                                                {"0", false, false},
                                                {"False", false, true}}) {
            QTest::newRow(stored) << QByteArray(stored) << flag << one;
        }
    }
    void booleansAcceptEveryWrittenForm() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, flag);
        QFETCH(bool, one);
        const FrontendSettings settings =
            settingsWith("ShowA=" + stored + "\r\nmouseFocus=" + stored + "\r\nFullRowSelect=" + stored +
                         "\r\ntray=" + stored + "\r\nConfirmVerify=" + stored + "\r\n");
        QCOMPARE(settings.get(Settings::ShowA), flag);
        QCOMPARE(settings.get(Settings::MouseFocus), flag);
        QCOMPARE(settings.get(Settings::FullRowSelect), one);
        QCOMPARE(settings.get(Settings::Tray), one);
        QCOMPARE(settings.get(Settings::ConfirmVerify), one);
    }

    void handEditedKeysFallBackToTheirDefaults() {
        const FrontendSettings settings = settingsWith("ViewMode=details\r\nShowU=maybe\r\ntray=\r\n"
                                                       "ColumnWidths=10,20\r\nColumnPos=0,1,x,3,4,5,6\r\n"
                                                       "MainWidth=wide\r\nMainHeight=inf\r\nMainLeft=nan\r\n"
                                                       "BackColour=-5\r\n");
        QCOMPARE(settings.get(Settings::ViewMode), 3);
        QVERIFY(settings.get(Settings::ShowU) && settings.get(Settings::Tray));
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
        QVERIFY(settings.get(Settings::CheckSamples) && !settings.get(Settings::TrayMin));
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

    // Flags are written as the main window writes them; a value that is too long is cut on reading only.
    void writesKeepTheFileAndAVeryLongValueHarmsNoOtherKey() {
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        const FrontendSettings settings(iniPath());
        QVERIFY(settings.set(Settings::Picture, true) && settings.set(Settings::SetLimit, 45294));
        QCOMPARE(settings.read(Settings::Picture), QStringLiteral("-1"));
        QCOMPARE(settings.get(Settings::SetLimit), 45294);
        QByteArray expected = defaultFile();
        expected.replace("\r\npicture=0\r\n", "\r\npicture=-1\r\n");
        expected.replace("\r\nsetlimit=\r\n", "\r\nsetlimit=45294\r\n");
        QCOMPARE(readFile(iniPath()), expected);
        const QString huge = QString(10000, QLatin1Char('x'));
        QVERIFY(settings.set(Settings::Mrud2, huge));
        QCOMPARE(settings.read(Settings::Mrud2), huge.left(254));
        QCOMPARE(settings.read(Settings::Mrud3), QString());
        QCOMPARE(settings.read(Settings::SortFav), QStringLiteral("1"));
        QCOMPARE(settings.read(Settings::Mrud), QString());
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
};

QTEST_GUILESS_MAIN(FrontendSettingsTest)
#include "FrontendSettingsTest.moc"
