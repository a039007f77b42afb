#include "app/PathHelpers.h"

#include "TestDirs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class PathHelpersTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Rows of (name, text, expected); "%H" in expected stands for the home folder.
    static void
    addTextRows(std::initializer_list<std::tuple<const char *, const char *, const char *>> rows) {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        for (const auto &[row, text, expected] : rows) {
            QTest::newRow(row) << QString::fromUtf8(text)
                               << QString::fromUtf8(expected).replace(QStringLiteral("%H"), QDir::homePath());
        }
    }

private Q_SLOTS:
    void initTestCase() {
        qputenv("QX_TEST_ROMS", "/srv/roms");
        qunsetenv("QX_TEST_UNSET");
    }

    void quoteIfSpaced_data() {
        addTextRows({{"with a space", "/home/me/my roms", "\"/home/me/my roms\""},
                     {"without", "roms", "roms"},
                     {"empty", "", ""}});
    }
    void quoteIfSpaced() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(QuoteIfSpaced(text), expected);
        QCOMPARE(StripQuotes(QuoteIfSpaced(text)), text);
        QCOMPARE(StripQuotes(QStringLiteral("\"a b\";\"c\"")), QStringLiteral("a b;c"));
    }

    void fileAndFolderTests() {
        const QString file = m_dir.filePath(QStringLiteral("mame"));
        qx::test::writeFile(file, "x");
        QVERIFY(FileExists(file));
        QVERIFY(!FileExists(m_dir.path()));
        QVERIFY(!FileExists(m_dir.filePath(QStringLiteral("missing"))));
        QVERIFY(!FileExists(QString()));
        QVERIFY(FolderExists(m_dir.path()));
        QVERIFY(!FolderExists(file));
        QCOMPARE(ShortPath(file), file);
        QCOMPARE(ShortPath(m_dir.filePath(QStringLiteral("missing"))), QString());
        QCOMPARE(WithTrailingSeparator(QStringLiteral("/a")), QStringLiteral("/a/"));
        QCOMPARE(WithTrailingSeparator(QStringLiteral("/a/")), QStringLiteral("/a/"));
    }

    void expandsVariablesAsMameDoes_data() {
        addTextRows({{"$HOME", "$HOME/mame/roms", "%H/mame/roms"},
                     {"braces", "${QX_TEST_ROMS}/extra", "/srv/roms/extra"},
                     {"name ends at non-word", "$QX_TEST_ROMS-old", "/srv/roms-old"},
                     {"unset variable", "$QX_TEST_UNSET/roms", "/roms"},
                     {"unset in braces", "a${QX_TEST_UNSET}b", "ab"},
                     {"list", "$HOME/a;roms;${QX_TEST_ROMS}", "%H/a;roms;/srv/roms"},
                     {"tilde", "~/mame", "%H/mame"},
                     {"tilde inside stays", "a~/b", "a~/b"},
                     {"lone dollar", "cost$", "cost$"},
                     {"dollar without name", "$/x", "$/x"},
                     {"unclosed brace", "${QX_TEST_ROMS", "${QX_TEST_ROMS"},
                     {"plain", "roms", "roms"}});
    }
    void expandsVariablesAsMameDoes() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ExpandPathVariables(text), expected);
    }

    void resolvesMameFolders_data() {
        addTextRows({{"relative", "snap", "/opt/mame/snap"},
                     {"relative with dot", "./cfg/../inp", "/opt/mame/inp"},
                     {"absolute", "/data/snap/", "/data/snap"},
                     {"quoted with blanks", "\"/data/my snaps\"", "/data/my snaps"},
                     {"variable", "${QX_TEST_ROMS}", "/srv/roms"},
                     {"empty", "", ""}});
    }
    void resolvesMameFolders() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ResolveMameFolder(text, QStringLiteral("/opt/mame/")), expected);
    }
};

QTEST_GUILESS_MAIN(PathHelpersTest)
#include "PathHelpersTest.moc"
