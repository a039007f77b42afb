#include "app/FrontendSettings.h"

#include "TestDirs.h"
#include "app/ProfileIni.h"
#include "browser/setlist/ColumnLayout.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

const QString kFrontend = QStringLiteral("FRONTEND");

// A settings file edited by hand: sections around the program's own, blanks, an empty value.
const QByteArray kSample = "; written by hand\r\n[Other]\r\nViewMode=9\r\n\r\n[FRONTEND]\r\nViewMode=3\r\n"
                           "  LastSelected = pacman  \r\nEmpty=\r\n\r\n[Tail]\r\nx=1\r\n";

} // namespace

// qx.ini: the profile-INI reader and writer underneath, and the typed settings over them.
class FrontendSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("qx.ini")); }
    FrontendSettings settingsWith(const QByteArray &body) const {
        writeFile(iniPath(), "[FRONTEND]\r\n" + body);
        return FrontendSettings(iniPath());
    }
    // The default settings file as the program must write it.
    static QByteArray defaultFile() { return test::readFixture(QStringLiteral("app/qx-default.ini")); }

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
        QCOMPARE(ReadSetting(section, key, iniPath()), kMissingSetting); // no file yet
        writeFile(iniPath(), kSample);
        QTEST(ReadSetting(section, key, iniPath()), "expected");
    }

    // Any encoding and line end reads; a rewrite keeps every line and writes UTF-8 with CR LF, keeping a
    // byte order mark. A value longer than 254 characters is cut on reading only.
    void readsAnyEncodingAndRewritesItAsUtf8_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("read");     // the value of b
        QTest::addColumn<QByteArray>("after"); // once a=9 is written
        const QByteArray crlf = "[FRONTEND]\r\na=1\r\nb=Caf\xC3\xA9\r\n";
        const QByteArray written = "[FRONTEND]\r\na=9\r\nb=Caf\xC3\xA9\r\n";
        const QString cafe = QStringLiteral("Caf\u00e9");
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("CR LF") << crlf << cafe << written;
        QTest::newRow("LF") << QByteArray(crlf).replace("\r\n", "\n") << cafe << written;
        QTest::newRow("CR only") << QByteArray(crlf).replace("\r\n", "\r") << cafe << written;
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + crlf << cafe << "\xEF\xBB\xBF" + written;
        QTest::newRow("UTF-16") << QByteArray(utf16.encode(QString::fromUtf8(crlf))) << cafe << written;
        const QByteArray longLine = "b=" + QByteArray(300, 'v') + "\r\n";
        QTest::newRow("long value") << "[FRONTEND]\r\na=1\r\n" + longLine << QString(254, QLatin1Char('v'))
                                    << "[FRONTEND]\r\na=9\r\n" + longLine;
    }
    void readsAnyEncodingAndRewritesItAsUtf8() {
        QFETCH(QByteArray, before);
        writeFile(iniPath(), before);
        QTEST(ReadSetting(kFrontend, QStringLiteral("b"), iniPath()), "read");
        QCOMPARE(WriteSetting(kFrontend, QStringLiteral("a"), QStringLiteral("9"), iniPath()),
                 QStringLiteral("1"));
        QTEST(readFile(iniPath()), "after");
    }

    // A write replaces only the key's line (any case), adds a missing key at the end of its section, a
    // missing section at the end, and a missing file; a missing folder is not made.
    void writeChangesOneLine_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("key's line") << "frontend"
                                    << "lastselected" << kSample
                                    << QByteArray(kSample).replace("  LastSelected = pacman  ",
                                                                   "lastselected=v w");
        QTest::newRow("missing key") << kFrontend << "exe" << kSample
                                     << QByteArray(kSample).replace("Empty=\r\n", "Empty=\r\nexe=v w\r\n");
        QTest::newRow("missing section") << "New"
                                         << "k" << kSample << kSample + "[New]\r\nk=v w\r\n";
        QTest::newRow("missing file")
            << kFrontend << "ViewMode" << QByteArray() << QByteArray("[FRONTEND]\r\nViewMode=v w\r\n");
    }
    void writeChangesOneLine() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, before);
        if (!before.isNull()) {
            writeFile(iniPath(), before);
        }
        QCOMPARE(WriteSetting(section, key, QStringLiteral("v w"), iniPath()), QStringLiteral("1"));
        QTEST(readFile(iniPath()), "after");
        const QString nowhere = m_dir.filePath(QStringLiteral("no/such/folder/qx.ini"));
        QCOMPARE(WriteSetting(section, key, QStringLiteral("1"), nowhere), QStringLiteral("0"));
        QVERIFY(!QFile::exists(nowhere));
    }

    // The default file replaces any other byte for byte and reads back; flags are then written as the main
    // window writes them, and a very long value harms no other key.
    void defaultFileIsWrittenByteForByteAndKeptByWrites() {
        writeFile(iniPath(), "[FRONTEND]\r\nexe=/old/mame\r\nextra=1\r\n");
        QVERIFY(FrontendSettings::WriteDefaultSettings(iniPath()));
        QByteArray expected = defaultFile();
        QCOMPARE(readFile(iniPath()), expected);
        const FrontendSettings settings(iniPath());
        QCOMPARE(settings.read(Settings::Exe), QString());
        QVERIFY(settings.get(Settings::HideClones) && !settings.get(Settings::KeepConsoleOpen));
        QVERIFY(settings.set(Settings::Picture, true) && settings.set(Settings::SetLimit, 45294));
        expected.replace("\r\npicture=0\r\n", "\r\npicture=-1\r\n");
        expected.replace("\r\nsetlimit=\r\n", "\r\nsetlimit=45294\r\n");
        QCOMPARE(readFile(iniPath()), expected);
        QVERIFY(settings.set(Settings::Mrud2, QString(10000, QLatin1Char('x'))));
        QCOMPARE(settings.read(Settings::Mrud2), QString(254, QLatin1Char('x')));
        QCOMPARE(settings.read(Settings::Mrud3) + settings.read(Settings::SortFav) +
                     settings.read(Settings::Mrud),
                 QStringLiteral("1"));
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
        QCOMPARE((QList<bool>{settings.get(Settings::ShowA), settings.get(Settings::MouseFocus),
                              settings.get(Settings::FullRowSelect), settings.get(Settings::Tray),
                              settings.get(Settings::ConfirmVerify)}),
                 (QList<bool>{flag, flag, one, one, one}));
    }

    // Stored values win over the defaults; values edited by hand into nonsense fall back to them.
    void handEditedKeysFallBackToTheirDefaults() {
        const FrontendSettings settings =
            settingsWith("ViewMode=details\r\nShowU=maybe\r\ntray=\r\n"
                         "ColumnWidths=1,2,3,4,5,6,7,8\r\nColumnPos=0,1,x,3,4,5,6\r\n"
                         "MainWidth=wide\r\nMainHeight=inf\r\nMainLeft=nan\r\n"
                         "MainTop=1234.5\r\nBackColour=-5\r\nFontColour=16711680\r\n");
        QCOMPARE(settings.get(Settings::ViewMode), 3);
        QVERIFY(settings.get(Settings::ShowU) && settings.get(Settings::Tray));
        QCOMPARE(ParseColumnWidths(settings.get(Settings::ColumnWidths)), (ColumnList{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(ParseColumnOrder(settings.get(Settings::ColumnPos)), (ColumnList{0, 1, 2, 3, 4, 5, 6}));
        QCOMPARE((QList<double>{settings.get(Settings::MainWidth), settings.get(Settings::MainHeight),
                                settings.get(Settings::MainLeft), settings.get(Settings::MainTop)}),
                 (QList<double>{10500, 7665, 0, 1234.5}));
        QCOMPARE(settings.get(Settings::BackColour), std::nullopt);
        QCOMPARE(settings.get(Settings::FontColour), std::optional<quint32>(0xFF0000));
        // Missing keys: "=" for the raw text, the default for every decoded reading.
        QCOMPARE(settings.read(Settings::LastSelected), QStringLiteral("="));
        QCOMPARE(settings.get(Settings::LastSelected), QStringLiteral("yumefuda"));
        QVERIFY(settings.get(Settings::CheckSamples) && !settings.get(Settings::TrayMin));
        QCOMPARE(settings.get(Settings::PlayAvi), 0);
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
