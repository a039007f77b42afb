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

private Q_SLOTS:
    void initTestCase() {
        qputenv("QX_TEST_ROMS", "/srv/roms");
        qunsetenv("QX_TEST_UNSET");
    }

    void quoteIfSpaced_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("with a space") << "/home/me/my roms"
                                      << "\"/home/me/my roms\"";
        QTest::newRow("without") << "roms"
                                 << "roms";
        QTest::newRow("empty") << ""
                               << "";
    }
    void quoteIfSpaced() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(QuoteIfSpaced(text), expected);
        QCOMPARE(StripQuotes(QuoteIfSpaced(text)), text);
    }

    void stripQuotesRemovesEveryQuote() {
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
    }

    void expandsVariablesAsMameDoes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        const QString home = QDir::homePath();
        QTest::newRow("$HOME") << "$HOME/mame/roms" << home + "/mame/roms";
        QTest::newRow("braces") << "${QX_TEST_ROMS}/extra"
                                << "/srv/roms/extra";
        QTest::newRow("name ends at non-word") << "$QX_TEST_ROMS-old"
                                               << "/srv/roms-old";
        QTest::newRow("unset variable") << "$QX_TEST_UNSET/roms"
                                        << "/roms";
        QTest::newRow("unset in braces") << "a${QX_TEST_UNSET}b"
                                         << "ab";
        QTest::newRow("list") << "$HOME/a;roms;${QX_TEST_ROMS}" << home + "/a;roms;/srv/roms";
        QTest::newRow("tilde") << "~/mame" << home + "/mame";
        QTest::newRow("tilde inside stays") << "a~/b"
                                            << "a~/b";
        QTest::newRow("lone dollar") << "cost$"
                                     << "cost$";
        QTest::newRow("dollar without name") << "$/x"
                                             << "$/x";
        QTest::newRow("unclosed brace") << "${QX_TEST_ROMS"
                                        << "${QX_TEST_ROMS";
        QTest::newRow("plain") << "roms"
                               << "roms";
    }
    void expandsVariablesAsMameDoes() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(ExpandPathVariables(path), expected);
    }

    void resolvesMameFolders_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("relative") << "snap"
                                  << "/opt/mame/snap";
        QTest::newRow("relative with dot") << "./cfg/../inp"
                                           << "/opt/mame/inp";
        QTest::newRow("absolute") << "/data/snap/"
                                  << "/data/snap";
        QTest::newRow("quoted with blanks") << "\"/data/my snaps\""
                                            << "/data/my snaps";
        QTest::newRow("variable") << "${QX_TEST_ROMS}"
                                  << "/srv/roms";
        QTest::newRow("empty") << ""
                               << "";
    }
    void resolvesMameFolders() {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(ResolveMameFolder(value, QStringLiteral("/opt/mame/")), expected);
    }

    void withTrailingSeparatorAddsOneOnly() {
        QCOMPARE(WithTrailingSeparator(QStringLiteral("/a")), QStringLiteral("/a/"));
        QCOMPARE(WithTrailingSeparator(QStringLiteral("/a/")), QStringLiteral("/a/"));
    }
};

QTEST_GUILESS_MAIN(PathHelpersTest)
#include "PathHelpersTest.moc"
