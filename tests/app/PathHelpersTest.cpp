#include "app/PathHelpers.h"

#include "TestDirs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class PathHelpersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qputenv("QX_TEST_ROMS", "/srv/roms");
        qunsetenv("QX_TEST_UNSET");
    }

    // Folder texts read as MAME reads them: 'e' expands variables, 'r' resolves a folder under /opt/mame/,
    // 'q' quotes a text with a blank (and the quotes strip off again).
    void folderTextsReadAsMameReadsThem_data() {
        QTest::addColumn<char>("call");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        for (const auto &[call, row, text, expected] :
             {std::tuple{'e', "$HOME", "$HOME/mame/roms", "%H/mame/roms"},
              {'e', "braces", "${QX_TEST_ROMS}/extra", "/srv/roms/extra"},
              {'e', "name ends at non-word", "$QX_TEST_ROMS-old", "/srv/roms-old"},
              {'e', "unset variable", "$QX_TEST_UNSET/roms", "/roms"},
              {'e', "unset in braces", "a${QX_TEST_UNSET}b", "ab"},
              {'e', "list", "$HOME/a;roms;${QX_TEST_ROMS}", "%H/a;roms;/srv/roms"},
              {'e', "tilde", "~/mame", "%H/mame"},
              {'e', "tilde inside stays", "a~/b", "a~/b"},
              {'e', "lone dollar", "cost$", "cost$"},
              {'e', "dollar without name", "$/x", "$/x"},
              {'e', "unclosed brace", "${QX_TEST_ROMS", "${QX_TEST_ROMS"},
              {'r', "relative", "snap", "/opt/mame/snap"},
              {'r', "relative with dot", "./cfg/../inp", "/opt/mame/inp"},
              {'r', "absolute", "/data/snap/", "/data/snap"},
              {'r', "quoted with blanks", "\"/data/my snaps\"", "/data/my snaps"},
              {'r', "variable", "${QX_TEST_ROMS}", "/srv/roms"},
              {'r', "empty", "", ""},
              {'q', "with a space", "/home/me/my roms", "\"/home/me/my roms\""},
              {'q', "without", "roms", "roms"}}) {
            QTest::newRow(row) << call << QString::fromUtf8(text)
                               << QString::fromUtf8(expected).replace(QStringLiteral("%H"), QDir::homePath());
        }
    }
    void folderTextsReadAsMameReadsThem() {
        QFETCH(char, call);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        if (call == 'e') {
            QCOMPARE(ExpandPathVariables(text), expected);
        } else if (call == 'r') {
            QCOMPARE(ResolveMameFolder(text, QStringLiteral("/opt/mame/")), expected);
        } else {
            QCOMPARE(QuoteIfSpaced(text), expected);
            QCOMPARE(StripQuotes(expected), text);
        }
    }

    void fileAndFolderTests() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("mame")),
                      missing = dir.filePath(QStringLiteral("x"));
        qx::test::writeFile(file, "x");
        QVERIFY(FileExists(file) && !FileExists(dir.path()) && !FileExists(missing) && !FileExists({}));
        QVERIFY(FolderExists(dir.path()) && !FolderExists(file));
        QCOMPARE(ShortPath(file) + ShortPath(missing), file);
        QCOMPARE(StripQuotes(QStringLiteral("\"a b\";\"c\"")), QStringLiteral("a b;c"));
        QCOMPARE(WithTrailingSeparator(QStringLiteral("/a")) + WithTrailingSeparator(QStringLiteral("/b/")),
                 QStringLiteral("/a//b/"));
    }
};

QTEST_GUILESS_MAIN(PathHelpersTest)
#include "PathHelpersTest.moc"
