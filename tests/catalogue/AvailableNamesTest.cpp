#include "TestDirs.h"
#include "catalogue/AvailableNames.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class AvailableNamesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void usableLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("good") << QByteArray("romset puckman is good") << QByteArray("puckman");
        QTest::newRow("good clone") << QByteArray("romset pacman [puckman] is good") << QByteArray("pacman");
        QTest::newRow("best available") << QByteArray("romset pong is best available") << QByteArray("pong");
        QTest::newRow("bad") << QByteArray("romset mspacman [puckman] is bad") << QByteArray();
        QTest::newRow("not found") << QByteArray("romset \"xyz\" not found!") << QByteArray();
        QTest::newRow("summary") << QByteArray("5 romsets found, 4 were OK.") << QByteArray();
        QTest::newRow("phrases are case-sensitive") << QByteArray("romset a is Good") << QByteArray();
        QTest::newRow("too short for a name") << QByteArray("is good") << QByteArray();
    }
    void usableLines() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, name);
        QCOMPARE(AvailableNames::NameOfUsableLine(line).toByteArray(), name);
    }

    void verifyFileGivesTheUsableNames() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qx_verifyroms.dat"));
        test::writeFile(path, "romset neogeo is good\r\nromset pacman [puckman] is bad\r\n"
                              "romset pong is best available\nromset mslug is good");
        const AvailableNames names = AvailableNames::ReadVerifyFile(path);
        QCOMPARE(names.size(), 3);
        QVERIFY(names.contains(QStringLiteral("neogeo")));
        QVERIFY(names.contains(QStringLiteral("pong")));
        QVERIFY(names.contains(QStringLiteral("mslug"))); // last line without a line break
        QVERIFY(!names.contains(QStringLiteral("pacman")));
        QVERIFY(!names.contains(QStringLiteral("Pong")));  // names are case-sensitive
        QVERIFY(!names.contains(QStringLiteral("neoge"))); // whole names only
        QVERIFY(AvailableNames::ReadVerifyFile(dir.filePath(QStringLiteral("missing"))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(AvailableNamesTest)
#include "AvailableNamesTest.moc"
