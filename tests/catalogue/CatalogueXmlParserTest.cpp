#include "catalogue/CatalogueXmlParser.h"

#include "TestDirs.h"

#include <QDir>
#include <QTest>

using namespace qx;

namespace {

QByteArray parseWhole(const QByteArray &xml, QString *error = nullptr, qsizetype *count = nullptr) {
    CatalogueXmlParser parser;
    parser.feed(xml);
    parser.finish();
    if (error) {
        *error = parser.errorText();
    }
    if (count) {
        *count = parser.setCount();
    }
    return parser.output();
}

QByteArray document(const QByteArray &root, const QByteArray &body) {
    return "<?xml version=\"1.0\"?>\n<" + root + " build=\"test\">\n" + body + "</" + root + ">\n";
}

} // namespace

class CatalogueXmlParserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void standinCatalogueGivesOneLinePerRunnableSet() {
        const QByteArray xml = test::readFixture(QStringLiteral("standin/listxml.xml"));
        QString error;
        qsizetype count = 0;
        const QByteArray lines = parseWhole(xml, &error, &count);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(count, 9);
        const QByteArray expected =
            "neogeo=Neo-Geo MV-6F=SNK=1990=imperfect=neogeo/neogeo.cpp=yes\r\n"
            "puckman=PuckMan (Japan set 1)=Namco=1980=good=pacman/pacman.cpp=no\r\n"
            "pacman=Pac-Man (Midway)=Namco (Midway license)=1980=good=pacman/pacman.cpp=no\r\n"
            "pacmanf=Pac-Man (Midway, with speedup hack)=hack=1980=good=pacman/pacman.cpp=no\r\n"
            "pacnpal=Pac & Pal=Namco=1983=imperfect=namco/mappy.cpp=no\r\n"
            "kyukaidk=Ky\xC5\xAB"
            "kai D\xC5\x8D"
            "ch\xC5\xAB"
            "ki (Japan, new version (Ver B))=Namco \"System 1\"=1990="
            "good=namco/namcos1.cpp=no\r\n"
            "mslug=Metal Slug - Super Vehicle-001=Nazca=1996=good=neogeo/neogeo.cpp=no\r\n"
            "unkpoker=unknown poker board=<unknown>==preliminary=misc/unkpoker.cpp=no\r\n"
            "pong=Pong (Rev E) [TTL]=Atari=1972=good=atari/pong.cpp=no\r\n";
        QCOMPARE(lines, expected);
    }

    // Old <game> elements count; a year does not carry over; missing parts give empty fields; only the set's
    // own children are read (not a device's); devices, software and other elements are no sets; line breaks
    // inside values stay on one line; an endless value is cut.
    void documentsGiveOneLinePerSet_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("game elements")
            << QByteArray("<game name=\"a\" sourcefile=\"a.c\"><description>A</description><year>1981</year>"
                          "<manufacturer>M</manufacturer><driver status=\"good\"/></game>\n<game name=\"b\" "
                          "sourcefile=\"b.c\" cloneof=\"a\"><description>B</description><manufacturer>N"
                          "</manufacturer><driver status=\"preliminary\"/></game>\n")
            << QByteArray("a=A=M=1981=good=a.c=no\r\nb=B=N==preliminary=b.c=no\r\n");
        QTest::newRow("missing parts")
            << QByteArray("<machine name=\"bare\"/>\n<machine isbios=\"yes\" name=\"b\"><description>only"
                          "</description></machine>\n")
            << QByteArray("bare======no\r\nb=only=====yes\r\n");
        QTest::newRow("own children only")
            << QByteArray("<machine name=\"s\" sourcefile=\"s.cpp\"><description>Own</description><device "
                          "type=\"cartridge\"><description>Not mine</description><driver status=\"bad\"/>"
                          "</device><driver status=\"good\"/><year>1999</year></machine>\n")
            << QByteArray("s=Own==1999=good=s.cpp=no\r\n");
        QTest::newRow("no sets but one")
            << QByteArray("<machine name=\"z80\" isdevice=\"yes\" runnable=\"no\"><description>Zilog Z80"
                          "</description></machine>\n<software name=\"x\"><description>X</description>"
                          "</software>\n<machine name=\"ok\" runnable=\"yes\"><description>Ok</description>"
                          "</machine>\n")
            << QByteArray("ok=Ok=====no\r\n");
        QTest::newRow("no sets at all") << QByteArray() << QByteArray();
        QTest::newRow("line breaks")
            << QByteArray(
                   "<machine name=\"n\"><description>Two\nlines&#13;&#10;here</description></machine>\n")
            << QByteArray("n=Two lines  here=====no\r\n");
        QTest::newRow("endless value")
            << "<machine name=\"n\"><description>" + QByteArray(100000, 'x') + "</description></machine>\n"
            << "n=" + QByteArray(4096, 'x') + "=====no\r\n";
    }
    void documentsGiveOneLinePerSet() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, lines);
        QString error;
        qsizetype count = -1;
        QCOMPARE(parseWhole(document("mame", body), &error, &count), lines);
        QCOMPARE(count, lines.count('\n'));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void lineBreaksInsideValuesStayOnOneLine() {
        const QByteArray xml = document(
            "mame", "<machine name=\"n\"><description>Two\nlines&#13;&#10;here</description></machine>\n");
        QCOMPARE(parseWhole(xml), QByteArray("n=Two lines  here=====no\r\n"));
    }

    void truncatedDocumentKeepsTheSetsReadSoFar() {
        const QByteArray xml = test::readFixture(QStringLiteral("standin/listxml.xml"));
        const qsizetype cut = xml.indexOf("<machine name=\"pacnpal\"") + 30;
        QString error;
        qsizetype count = 0;
        const QByteArray lines = parseWhole(xml.left(cut), &error, &count);
        QCOMPARE(count, 4);
        QVERIFY(lines.endsWith(
            "pacmanf=Pac-Man (Midway, with speedup hack)=hack=1980=good=pacman/pacman.cpp=no\r\n"));
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(QLatin1String("4 sets")), qPrintable(error));
    }

    void malformedDocumentStopsAndSaysWhere() {
        const QByteArray xml = document("mame", "<machine name=\"a\"><description>A</description></machine>\n"
                                                "<machine name=\"b\"><description>B</desc></machine>\n");
        QString error;
        qsizetype count = 0;
        QCOMPARE(parseWhole(xml, &error, &count), QByteArray("a=A=====no\r\n"));
        QCOMPARE(count, 1);
        QVERIFY2(error.contains(QLatin1String("line 4")), qPrintable(error));
    }

    // A set is playable without files unless it, or a device it references at any depth, has a required
    // dump. Devices may come after the sets that reference them, as in MAME's own listing.
    void setsNeedingNoFiles_data() {
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<QByteArray>("devices");
        QTest::addColumn<bool>("needsNone");
        const QByteArray rom = "<rom name=\"r\" size=\"1\"/>";
        const auto device = [](const char *name, const QByteArray &body) {
            return "<machine name=\"" + QByteArray(name) + "\" isdevice=\"yes\" runnable=\"no\">" + body +
                   "</machine>";
        };
        const auto ref = [](const char *name) {
            return "<device_ref name=\"" + QByteArray(name) + "\"/>";
        };
        QTest::newRow("nothing at all") << QByteArray() << QByteArray() << true;
        QTest::newRow("own rom") << rom << QByteArray() << false;
        QTest::newRow("own disk") << QByteArray("<disk name=\"d\"/>") << QByteArray() << false;
        QTest::newRow("undumped rom")
            << QByteArray("<rom name=\"r\" status=\"nodump\"/>") << QByteArray() << true;
        QTest::newRow("optional disk")
            << QByteArray("<disk name=\"d\" optional=\"yes\"/>") << QByteArray() << true;
        QTest::newRow("bad dump still needed")
            << QByteArray("<rom name=\"r\" status=\"baddump\"/>") << QByteArray() << false;
        QTest::newRow("device with a rom") << ref("cpu") << device("cpu", rom) << false;
        QTest::newRow("device of a device with a rom")
            << ref("cpu") << device("cpu", ref("bios")) + device("bios", rom) << false;
        QTest::newRow("devices without dumps")
            << ref("cpu") + ref("snd") << device("cpu", ref("snd")) + device("snd", QByteArray()) << true;
        QTest::newRow("a device the listing lacks") << ref("gone") << QByteArray() << false;
        QTest::newRow("a reference cycle")
            << ref("a") << device("a", ref("b")) + device("b", ref("a")) << true;
    }
    void setsNeedingNoFiles() {
        QFETCH(QByteArray, set);
        QFETCH(QByteArray, devices);
        QFETCH(bool, needsNone);
        CatalogueXmlParser parser;
        QVERIFY(parser.feed(document("mame", "<machine name=\"s\"><description>S</description>" + set +
                                                 "</machine>\n" + devices)));
        QVERIFY(parser.finish());
        QCOMPARE(parser.setsNeedingNoFiles(), needsNone ? QList<QByteArray>{"s"} : QList<QByteArray>());
    }

    void chunkBoundariesDoNotMatter() {
        const QByteArray xml = test::readFixture(QStringLiteral("standin/listxml.xml"));
        CatalogueXmlParser parser;
        for (qsizetype i = 0; i < xml.size(); i += 7) {
            QVERIFY(parser.feed(QByteArrayView(xml).sliced(i, std::min<qsizetype>(7, xml.size() - i))));
        }
        QVERIFY(parser.finish());
        QCOMPARE(parser.output(), parseWhole(xml));
        QCOMPARE(parser.setsNeedingNoFiles(), QList<QByteArray>{"pong"});
    }
};

QTEST_GUILESS_MAIN(CatalogueXmlParserTest)
#include "CatalogueXmlParserTest.moc"
