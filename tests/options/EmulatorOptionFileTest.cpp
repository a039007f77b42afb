// MAME's option files: mame.ini made by MAME, one option read or written line by line, many read in one
// read and written in one rewrite by the same rules, and folder lists as MAME reads them.
#include "options/EmulatorOptionFile.h"

#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/PathHelpers.h"
#include "options/EmulatorIni.h"
#include "options/EmulatorOptionWrites.h"
#include "options/FolderListValue.h"
#include "options/OptionFileSnapshot.h"
#include "options/OptionTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

QByteArray fixtureIni() {
    return qx::test::readFixture(QStringLiteral("standin/mame.ini"));
}

} // namespace

class EmulatorOptionFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("mame.ini")); }

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    // A missing mame.ini is made by MAME in the emulator directory, an existing one left alone; a MAME that
    // never finishes is stopped, and the message says so.
    void mameMakesAMissingMameIni() {
        const QString exe = test::installStandin(m_dir.path());
        const QString emulatorDir = WithTrailingSeparator(m_dir.filePath(QStringLiteral("home/.mame")));
        const QString ini = emulatorDir + QStringLiteral("mame.ini");
        QDir().mkpath(emulatorDir);
        QCOMPARE(EnsureEmulatorIni(exe, emulatorDir), ini);
        QCOMPARE(readFile(ini), fixtureIni());
        writeFile(ini, "rompath mine\n");
        QCOMPARE(EnsureEmulatorIni(exe, emulatorDir), ini);
        QCOMPARE(readFile(ini), QByteArray("rompath mine\n"));
        const auto calls = test::readStandinCalls(m_dir.filePath(QStringLiteral("standin-calls.log")));
        QVERIFY(calls.size() == 1 && calls[0].args == QStringList{"-createconfig"} &&
                WithTrailingSeparator(calls[0].cwd) == emulatorDir);

        QFile::remove(ini);
        MameRunLimits limits;
        limits.answerMs = 300;
        QString error;
        qputenv("QX_STANDIN_SLEEP_MS", "20000");
        EnsureEmulatorIni(exe, emulatorDir, limits, &error);
        qunsetenv("QX_STANDIN_SLEEP_MS");
        QCOMPARE(error, "MAME did not finish within 1 second and was stopped (" + exe +
                            " -createconfig), so MAME's option file " + ini + " was not written.");
    }

    void readsTheValueOfTheFirstLineStartingWithTheName_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QString>("expected");
        for (const auto &[row, content, expected] :
             {std::tuple{"padded list", "#\r\nrompath                   roms;/srv/more roms  \r\n#",
                         "roms;/srv/more roms"},
              {"longer name first", "#\r\nrompaths  nope\r\nrompath   yes\r\n#\r\n", "yes"},
              {"only a longer name", "#\r\nrompathx  nope\r\n#\r\n", ""},
              {"name not at line start", "#\r\n# rompath  nope\r\n#\r\n", ""},
              {"case matters", "#\r\nROMPATH  nope\r\n#\r\n", ""},
              {"quotes kept", "#\nrompath   \"/my roms\"\n", "\"/my roms\""},
              {"empty value", "#\nrompath                   \nx 1\n", ""},
              {"first of two", "#\nrompath   a\nrompath   b\n", "a"},
              {"last line without break", "#\nrompath   last", "last"},
              {"no file", nullptr, ""}}) {
            QTest::newRow(row) << QByteArray(content) << QString(expected);
        }
    }
    void readsTheValueOfTheFirstLineStartingWithTheName() {
        QFETCH(QByteArray, content);
        if (!content.isNull()) {
            writeFile(iniPath(), content);
        }
        QTEST(ReadEmulatorOption(QStringLiteral("rompath"), iniPath()), "expected");
    }

    // Every line of the option is replaced (a tab is no blank: "rompath\tb" is another word), and a first
    // line that holds no option becomes MAME's header; nothing else changes.
    void aWriteChangesTheOptionsLinesAndTheHeaderOnly_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QByteArray>("expected");
        const QByteArray body = "# comment with rompath in it\nrompaths                  keep\nlast line";
        const QByteArray rest = "\nsamplepath   samples\nrompath .\n";
        const QByteArray written = "\nsamplepath   samples\nrompath   new\n";
        QTest::newRow("absent option") << "#\n" + body << "<UNADORNED0>\n" + body;
        QTest::newRow("every line of the option")
            << "#\r\nrompath   a\r\n# rompath in a comment\r\n" + kBom +
                   "inipath  .;ini\r\nrompath\tb\r\nrompath   c"
            << "<UNADORNED0>\r\nrompath   new\r\n# rompath in a comment\r\n" + kBom +
                   "inipath  .;ini\r\nrompath\tb\r\nrompath   new";
        QTest::newRow("comment first") << "# CORE CONFIGURATION OPTIONS" + rest << kUnadornedHeader + written;
        QTest::newRow("byte order mark and comment") << kBom + "#" + rest << kUnadornedHeader + written;
        QTest::newRow("another option first") << "inipath /srv" + rest << "inipath /srv" + written;
        QTest::newRow("the option first")
            << QByteArray("rompath .\nx 1\n") << QByteArray("rompath   new\nx 1\n");
        QTest::newRow("no file") << QByteArray() << QByteArray("<UNADORNED0>\r\n");
    }
    void aWriteChangesTheOptionsLinesAndTheHeaderOnly() {
        QFETCH(QByteArray, content);
        if (!content.isNull()) {
            writeFile(iniPath(), content);
        }
        QVERIFY(WriteEmulatorOption(QStringLiteral("rompath"), 3, QStringLiteral("new"), iniPath()));
        QTEST(readFile(iniPath()), "expected");
        const QString nowhere = m_dir.filePath(QStringLiteral("missing-folder/mame.ini"));
        QVERIFY(!WriteEmulatorOption(QStringLiteral("rompath"), 3, QStringLiteral("roms"), nowhere));
        QVERIFY(!QFile::exists(nowhere));
    }

    void oneReadAnswersLikeTheSingleOptionReader_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("MAME 0.251") << fixtureIni();
        QTest::newRow("odd lines") << QByteArray(
            "\xEF\xBB\xBFgamma 3\r\nfull_screen_gamma 1.00\r\ngammax gamma 5\r\n"
            "gamma   1.20  \r\ngamma 2\r\nvolume\r\nview0\tauto\r\nctrlr");
    }
    void oneReadAnswersLikeTheSingleOptionReader() {
        QFETCH(QByteArray, content);
        writeFile(iniPath(), content);
        const OptionFileSnapshot snapshot = OptionFileSnapshot::read(iniPath());
        for (const OptionInfo &info : AllOptions()) {
            for (const QString &name : QStringList{info.name} + info.extraNames) {
                QCOMPARE(snapshot.value(name), ReadEmulatorOption(name, iniPath()));
            }
        }
    }

    void aBatchWritesWhatSingleWritesWouldInOneRewrite_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray lf = fixtureIni();
        QTest::newRow("MAME 0.251 with LF and a BOM") << lf;
        QTest::newRow("CR LF") << QByteArray(lf).replace("\n", "\r\n");
        QTest::newRow("last line without a break") << lf + "gamma                     0.5";
        QTest::newRow("duplicated option lines") << lf + "gamma                     0.5\nvolume  -3\n";
        QTest::newRow("100 KB value")
            << lf + "effect                    " + QByteArray(100 * 1024, 'v') + "\n";
        QTest::newRow("an option first") << QByteArray("gamma  1.0\nvolume  0\n");
    }
    void aBatchWritesWhatSingleWritesWouldInOneRewrite() {
        QFETCH(QByteArray, content);
        const QList<OptionWrite> writes{{QStringLiteral("gamma"), 21, QStringLiteral("1.25")},
                                        {QStringLiteral("volume"), 20, QStringLiteral("-12")},
                                        {QStringLiteral("frameskip"), 17, QStringLiteral("3")},
                                        {QStringLiteral("no_such_option"), 12, QStringLiteral("1")}};
        writeFile(iniPath(), content);
        for (const OptionWrite &write : writes) {
            QVERIFY(WriteEmulatorOption(write.name, write.gap, write.value, iniPath()));
        }
        const QByteArray expected = readFile(iniPath());
        writeFile(iniPath(), content);
        QVERIFY(WriteEmulatorOptions(writes, iniPath()).ok);
        QCOMPARE(readFile(iniPath()), expected);
        QVERIFY(expected.contains("gamma                     1.25") && !expected.contains("no_such_option"));
    }

    // Unlike a single write, a batch that changes no line leaves the file (and its header) alone, and makes
    // no file that is not there.
    void aBatchThatChangesNoLineWritesNothing() {
        writeFile(iniPath(), "# only a comment\n");
        const QList<OptionWrite> gamma{{QStringLiteral("gamma"), 21, QStringLiteral("1")}};
        const OptionWriteResult result = WriteEmulatorOptions(gamma, iniPath());
        QVERIFY(result.ok && result.linesReplaced == 0);
        QCOMPARE(readFile(iniPath()), QByteArray("# only a comment\n"));
        const QString missing = m_dir.filePath(QStringLiteral("missing.ini"));
        QVERIFY(!WriteEmulatorOptions(gamma, missing).ok && !QFile::exists(missing));
    }

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
        const QByteArray head = kBom + "#\n# CORE SEARCH PATH OPTIONS\n";
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
        writeFile(iniPath(), content);
        QVERIFY(NormaliseIniPathOption(iniPath()).ok);
        QTEST(readFile(iniPath()), "expected");
    }
};

QTEST_GUILESS_MAIN(EmulatorOptionFileTest)
#include "EmulatorOptionFileTest.moc"
