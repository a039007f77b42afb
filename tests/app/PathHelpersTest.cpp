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

    void folderTextsReadAsMameReadsThem_data() {
        qx::test::addFixtureRows(QStringLiteral("app/folder-texts.txt"));
    }
    void folderTextsReadAsMameReadsThem() {
        QFETCH(QStringList, cells);
        const QString call = cells[0], text = cells[1];
        const QString expected = QString(cells[2]).replace(QStringLiteral("%H"), QDir::homePath());
        if (call == QLatin1String("expand")) {
            QCOMPARE(ExpandPathVariables(text), expected);
        } else if (call == QLatin1String("resolve")) {
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
