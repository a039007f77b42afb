// The catalogue from MAME's listings: the lines the XML parser makes of a listing, the sets that need no
// files, and the extraction that runs MAME for both listings side by side.
#include "catalogue/CatalogueExtraction.h"

#include "CatalogueTestSetup.h"
#include "catalogue/CatalogueXmlParser.h"

#include <QTest>

using namespace qx;

namespace {

// The lines of qx_listxml.dat for the stand-in's listing.
QByteArray standinLines() {
    return test::readFixture("catalogue/listxml.dat").replace("\n", "\r\n");
}

QByteArray document(const QByteArray &body) {
    return "<?xml version=\"1.0\"?>\n<mame build=\"test\">\n" + body + "</mame>\n";
}

} // namespace

class CatalogueExtractionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Old <game> elements count; a year does not carry over; missing parts give empty fields; only the set's
    // own children are read (not a device's); devices, software and other elements are no sets; line breaks
    // inside values stay on one line; an endless value is cut. A document cut off or malformed keeps the
    // sets before the break and says where it broke.
    void documentsGiveOneLinePerSet_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("error"); // a part of the error text; empty: no error
        QTest::newRow("game elements")
            << document("<game name=\"a\" sourcefile=\"a.c\"><description>A</description><year>1981</year>"
                        "<manufacturer>M</manufacturer><driver status=\"good\"/></game>\n<game name=\"b\" "
                        "sourcefile=\"b.c\" cloneof=\"a\"><description>B</description><manufacturer>N"
                        "</manufacturer><driver status=\"preliminary\"/></game>\n")
            << QByteArray("a=A=M=1981=good=a.c=no\r\nb=B=N==preliminary=b.c=no\r\n") << QString();
        QTest::newRow("missing parts")
            << document("<machine name=\"bare\"/>\n<machine isbios=\"yes\" name=\"b\"><description>only"
                        "</description></machine>\n")
            << QByteArray("bare======no\r\nb=only=====yes\r\n") << QString();
        QTest::newRow("own children only")
            << document("<machine name=\"s\" sourcefile=\"s.cpp\"><description>Own</description><device "
                        "type=\"cartridge\"><description>Not mine</description><driver status=\"bad\"/>"
                        "</device><driver status=\"good\"/><year>1999</year></machine>\n")
            << QByteArray("s=Own==1999=good=s.cpp=no\r\n") << QString();
        QTest::newRow("no sets but one")
            << document("<machine name=\"z80\" isdevice=\"yes\" runnable=\"no\"><description>Zilog Z80"
                        "</description></machine>\n<software name=\"x\"><description>X</description>"
                        "</software>\n<machine name=\"ok\" runnable=\"yes\"><description>Ok</description>"
                        "</machine>\n")
            << QByteArray("ok=Ok=====no\r\n") << QString();
        QTest::newRow("no sets at all") << document({}) << QByteArray() << QString();
        QTest::newRow("line breaks")
            << document("<machine name=\"n\"><description>Two\nlines&#13;&#10;here</description></machine>\n")
            << QByteArray("n=Two lines  here=====no\r\n") << QString();
        QTest::newRow("endless value") << document("<machine name=\"n\"><description>" +
                                                   QByteArray(100000, 'x') + "</description></machine>\n")
                                       << "n=" + QByteArray(4096, 'x') + "=====no\r\n"
                                       << QString();
        QTest::newRow("cut off") << QByteArray("<mame><machine name=\"a\"/>\n<machine name=\"b\"><descr")
                                 << QByteArray("a======no\r\n") << "; 1 sets were read";
        QTest::newRow("malformed") << document("<machine name=\"a\"><description>A</description></machine>\n"
                                               "<machine name=\"b\"><description>B</desc></machine>\n")
                                   << QByteArray("a=A=====no\r\n") << "at line 4";
    }
    void documentsGiveOneLinePerSet() {
        QFETCH(QByteArray, xml);
        QFETCH(QByteArray, lines);
        QFETCH(QString, error);
        CatalogueXmlParser parser;
        parser.feed(xml);
        parser.finish();
        QCOMPARE(parser.output(), lines);
        QCOMPARE(parser.setCount(), lines.count('\n'));
        QVERIFY2(error.isEmpty() ? parser.errorText().isEmpty() : parser.errorText().contains(error),
                 qPrintable(parser.errorText()));
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
        QVERIFY(parser.feed(
            document("<machine name=\"s\"><description>S</description>" + set + "</machine>\n" + devices)));
        QVERIFY(parser.finish());
        QCOMPARE(parser.setsNeedingNoFiles(), needsNone ? QList<QByteArray>{"s"} : QList<QByteArray>());
    }

    void chunkBoundariesDoNotMatter() {
        const QByteArray xml = test::readFixture("standin/listxml.xml");
        CatalogueXmlParser parser;
        for (qsizetype i = 0; i < xml.size(); i += 7) {
            QVERIFY(parser.feed(QByteArrayView(xml).sliced(i, std::min<qsizetype>(7, xml.size() - i))));
        }
        QVERIFY(parser.finish());
        QCOMPARE(parser.output(), standinLines());
        QCOMPARE(parser.setsNeedingNoFiles(), QList<QByteArray>{"pong"});
    }

    void listsClonesAndSetsSideBySideInTheEmulatorFolder() {
        const test::CatalogueTestSetup setup;
        int listingEnded = 0;
        qsizetype lastProgress = -1;
        ExtractionCallbacks callbacks;
        callbacks.listingEnded = [&] {
            ++listingEnded;
        };
        callbacks.progress = [&](qsizetype sets) {
            lastProgress = sets;
        };
        const ExtractionResult result = ExtractCatalogue(setup.request(), callbacks);

        QVERIFY(result.isComplete());
        QCOMPARE(result.setCount, 9);
        QCOMPARE(listingEnded, 1);
        QCOMPARE(lastProgress, 9);
        QCOMPARE(test::readFile(setup.state.workFile(kListXmlDatWorkFile)), standinLines());
        QCOMPARE(test::readFile(setup.state.workFile(kClonesWorkFile)),
                 test::readFixture("standin/listclones.txt"));
        QCOMPARE(test::readFile(setup.state.workFile(kNoFilesWorkFile)), QByteArray("pong"));
        QCOMPARE(setup.workFilesLeft().size(), 3); // the XML is never stored
        QStringList switches;
        for (const test::StandinCall &call : setup.calls()) {
            switches += call.args.join(QLatin1Char(' '));
            QCOMPARE(WithTrailingSeparator(call.cwd), setup.emulatorDir());
        }
        switches.sort();
        QCOMPARE(switches, (QStringList{"-listclones", "-listxml"}));
    }

    // A MAME that cannot start, or whose listing grows beyond any real MAME's, gives no complete catalogue
    // and a message that names the command.
    void failedListingsAreExplained() {
        const test::CatalogueTestSetup setup;
        ExtractionRequest missing = setup.request();
        missing.emulatorPath = setup.root.filePath("no-such-mame");
        ExtractionRequest tooLong = setup.request();
        tooLong.limits.outputBytes = 100;
        for (const auto &[request, message] :
             {std::pair{missing, QString("MAME could not be started (")},
              {tooLong, "MAME printed more than 100 bytes and was stopped (" + setup.exe}}) {
            const ExtractionResult result = ExtractCatalogue(request);
            QVERIFY(!(result.hasSets() && result.isComplete())); // never taken as a catalogue
            const QString shown = result.hasSets() ? result.incompleteMessage(true) : result.noSetsMessage();
            QVERIFY2(shown.contains(message), qPrintable(shown));
        }
    }
};

QTEST_GUILESS_MAIN(CatalogueExtractionTest)
#include "CatalogueExtractionTest.moc"
