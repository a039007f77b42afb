#include "options/OptionFiles.h"

#include "ReadOnlyFolder.h"
#include "TestDirs.h"
#include "options/OptionLinks.h"
#include "options/OptionScope.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

const OptionScopeSelection kPuckman{QStringLiteral("puckman"), QStringLiteral("pacman"),
                                    QStringLiteral("namco/pacman.cpp")};

} // namespace

class OptionFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString emulatorDir() const { return m_dir.path() + QStringLiteral("/emu/"); }
    QString mameIni() const { return emulatorDir() + QStringLiteral("mame.ini"); }

private Q_SLOTS:
    void init() {
        QDir(emulatorDir()).removeRecursively();
        writeFile(mameIni(), mameIniWith(QStringLiteral("inipath=.;ini")));
    }

    void iniDirectoryFollowsInipath_data() {
        QTest::addColumn<QString>("inipath");
        QTest::addColumn<QString>("expected"); // relative to the emulator directory, or absolute (%H: home)
        for (const auto &[row, inipath, expected] :
             {std::tuple{"current folder and ini", ".;ini", "ini/"},
              {"ini alone", "ini", "ini/"},
              {"current folder", ".", ""},
              {"quoted folder with a blank", "\"my ini files\";.", "my ini files/"},
              {"Debian", "$HOME/.mame;/etc/mame", "%H/.mame/"},
              {"Debian after Quorvex put . first", ".;$HOME/.mame;/etc/mame", "%H/.mame/"},
              {"empty is MAME's default", "", "ini/"}}) {
            QTest::newRow(row) << QString(inipath) << QString(expected).replace("%H", QDir::homePath());
        }
    }
    void iniDirectoryFollowsInipath() {
        QFETCH(QString, inipath);
        QFETCH(QString, expected);
        QCOMPARE(IniDirectoryFor(inipath, QStringLiteral("/srv/emu/")),
                 QDir::isAbsolutePath(expected) ? expected : "/srv/emu/" + expected);
    }

    void aNewSetFileIsMameIniFromTheStatePlaybackSectionOn() {
        const OptionFileResult result = OptionFileForScope(
            OptionScope::forEntry(OptionsMenuEntry::SetOptions, kPuckman), mameIni(), emulatorDir());
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.path, emulatorDir() + QStringLiteral("ini/puckman.ini"));
        QVERIFY(result.created && result.notice.isEmpty());
        const QByteArray original = readFile(mameIni());
        const QByteArray copy = readFile(result.path);
        QVERIFY(copy.startsWith(kStatePlaybackSection + "\n"));
        QVERIFY(original.endsWith(copy));

        writeFile(result.path, "# mine\n");
        const OptionFileResult again = ResolveOptionFile(QStringLiteral("puckman"), mameIni(), emulatorDir());
        QVERIFY(!again.created);
        QCOMPARE(readFile(again.path), QByteArray("# mine\n"));
    }

    void aCopyWithoutTheStateSectionKeepsAllButThePaths() {
        QByteArray content = readFile(mameIni());
        content.replace(kStatePlaybackSection, "# STATE");
        writeFile(mameIni(), content);
        const OptionFileResult result = ResolveOptionFile(QStringLiteral("vector"), mameIni(), emulatorDir());
        QVERIFY(result.ok() && result.notice.contains(QStringLiteral("CORE STATE/PLAYBACK")));
        const QByteArray copy = readFile(result.path);
        QVERIFY(!copy.contains("rompath") && !copy.contains("inipath") && !copy.contains("cfg_directory"));
        QVERIFY(copy.contains("\n# STATE\n") && copy.contains("\ngamma                     1.0\n"));
        QCOMPARE(copy.count('\n'),
                 content.count('\n') - content.count("path ") - content.count("_directory ") - 2);
    }

    // Each entry's title and help text; an entry without the set it needs opens nothing.
    void scopeTextsFollowTheMenuEntry_data() {
        QTest::addColumn<OptionsMenuEntry>("entry");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("help");
        using E = OptionsMenuEntry;
        for (const auto &[row, entry, parent, title, help] :
             {std::tuple{"clone", E::SetOptions, "pacman", "Set Options - puckman",
                         "For puckman only. Takes priority over pacman/driver/vector and default options."},
              {"parent", E::SetOptions, "", "Set Options - puckman",
               "For puckman and relative clones. Takes priority over driver/vector and default options."},
              {"driver", E::DriverOptions, "pacman", "Driver Options - pacman.cpp",
               "For pacman.cpp driver sets only. Takes priority over vector and default options."},
              {"vector", E::VectorOptions, "", "Options - /emu/ini/vector.ini",
               "For vector sets only. Takes priority over default options."},
              {"default", E::DefaultOptions, "", "Default Options", ""}}) {
            QTest::newRow(row) << entry << QString::fromUtf8(parent) << QString::fromUtf8(title)
                               << QString::fromUtf8(help);
        }
    }
    void scopeTextsFollowTheMenuEntry() {
        QFETCH(OptionsMenuEntry, entry);
        QFETCH(QString, parent);
        OptionScopeSelection selection = kPuckman;
        selection.parentName = parent;
        const OptionScope scope = OptionScope::forEntry(entry, selection);
        QTEST(OptionScopeTitle(scope, QStringLiteral("/emu/ini/vector.ini")), "title");
        QTEST(OptionScopeHelpText(scope), "help");
        const bool needsASet =
            entry == OptionsMenuEntry::SetOptions || entry == OptionsMenuEntry::DriverOptions;
        QCOMPARE(OptionFileForScope(OptionScope::forEntry(entry, {}), mameIni(), emulatorDir()).ok(),
                 !needsASet);
    }

    // The effect link starts in the folder last used, else in artwork when it exists.
    void theSelectLinksStartWhereTheFilesAre() {
        QCOMPARE(EffectStartFolder(QString(), emulatorDir()), emulatorDir());
        QDir().mkpath(emulatorDir() + QStringLiteral("artwork"));
        QCOMPARE(EffectStartFolder(QString(), emulatorDir()), emulatorDir() + QStringLiteral("artwork"));
        QCOMPARE(EffectStartFolder(QStringLiteral("/srv/fx/"), emulatorDir()), QStringLiteral("/srv/fx/"));
        QVERIFY(IsSecondsToRunText(QStringLiteral("1,5")) && !IsSecondsToRunText(QStringLiteral("ten")));
    }
};

QTEST_GUILESS_MAIN(OptionFilesTest)
#include "OptionFilesTest.moc"
