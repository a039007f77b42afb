#include "catalogue/CatalogueExtraction.h"

#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/PathHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

// Extraction against the stand-in emulator. Each test has its own folder holding the stand-in (its log lands
// there), an emulator directory and a program directory.
class CatalogueExtractionTest : public QObject {
    Q_OBJECT

    struct Setup {
        QTemporaryDir root;
        QString exe;
        ExtractionRequest request;
        Setup() {
            exe = test::installStandin(root.path());
            const QString emulatorDir = root.filePath(QStringLiteral("emu"));
            const QString programDir = root.filePath(QStringLiteral("prog"));
            QDir().mkpath(emulatorDir);
            QDir().mkpath(programDir);
            request = {exe, WithTrailingSeparator(emulatorDir), WithTrailingSeparator(programDir), {}};
        }
        // Fixtures of this test only (replacing the shared stand-in catalogue).
        void useFixture(const QString &name, const QByteArray &content) const {
            test::writeFile(root.filePath(QStringLiteral("standin-fixtures/") + name), content);
        }
        QString programFile(const QString &name) const { return request.programDir + name; }
        QList<test::StandinCall> calls() const {
            return test::readStandinCalls(root.filePath(QStringLiteral("standin-calls.log")));
        }
    };

private Q_SLOTS:
    void listsClonesAndSetsSideBySide() {
        Setup setup;
        int listingEnded = 0;
        qsizetype lastProgress = -1;
        ExtractionCallbacks callbacks;
        callbacks.listingEnded = [&] {
            ++listingEnded;
        };
        callbacks.progress = [&](qsizetype sets) {
            lastProgress = sets;
        };
        const ExtractionResult result = ExtractCatalogue(setup.request, callbacks);

        QCOMPARE(result.setCount, 9);
        QVERIFY(result.xmlError.isEmpty());
        QVERIFY(result.startError.isEmpty());
        QCOMPARE(listingEnded, 1);
        QCOMPARE(lastProgress, 9);
        const QByteArray lines = test::readFile(setup.programFile(kListXmlDatWorkFile));
        QCOMPARE(lines.count("\r\n"), 9);
        QVERIFY(lines.startsWith("neogeo=Neo-Geo MV-6F=SNK=1990=imperfect=neogeo/neogeo.cpp=yes\r\n"));
        const QString standinFixtures = QDir(test::fixturesDir()).filePath(QStringLiteral("standin"));
        QCOMPARE(test::readFile(setup.programFile(kClonesWorkFile)),
                 test::readFile(QDir(standinFixtures).filePath(QStringLiteral("listclones.txt"))));
        QVERIFY(!QFile::exists(setup.programFile(kListXmlWorkFile))); // the XML is never stored
        QCOMPARE(test::readFile(setup.programFile(kNoFilesWorkFile)), QByteArray("pong"));
        QVERIFY(result.isComplete());

        QStringList switches;
        for (const test::StandinCall &call : setup.calls()) {
            switches += call.args.join(QLatin1Char(' '));
            QCOMPARE(WithTrailingSeparator(call.cwd), setup.request.emulatorDir);
        }
        switches.sort();
        QCOMPARE(switches, (QStringList{QStringLiteral("-listclones"), QStringLiteral("-listxml")}));
    }

    void truncatedListingKeepsTheSetsReadSoFar() {
        Setup setup;
        const QByteArray xml = test::readFixture(QStringLiteral("standin/listxml.xml"));
        setup.useFixture(QStringLiteral("listxml.xml"),
                         xml.left(xml.indexOf("<machine name=\"mslug\"") + 10));
        qputenv("QX_STANDIN_CRASH", "1");
        const ExtractionResult result = ExtractCatalogue(setup.request);
        qunsetenv("QX_STANDIN_CRASH");
        QCOMPARE(result.setCount, 6);
        QVERIFY(!result.xmlError.isEmpty());
        QCOMPARE(result.end, RunEnd::Crashed);
        QVERIFY(!result.isComplete());
        QVERIFY(result.incompleteMessage(true).startsWith(
            "MAME's set listing did not end normally: MAME crashed (" + setup.exe + " -listxml)."));
        QCOMPARE(test::readFile(setup.programFile(kListXmlDatWorkFile)).count("\r\n"), 6);
    }

    // A listing longer than any real MAME's is stopped, as a silent or cancelled one is (see the refresh).
    void aListingBeyondTheOutputLimitIsStopped() {
        Setup setup;
        setup.request.limits.outputBytes = 100; // two sets' lines
        const ExtractionResult result = ExtractCatalogue(setup.request);
        QCOMPARE(result.end, RunEnd::OutputTooLarge);
        QVERIFY(!result.isComplete());
        QVERIFY(
            result.runFailure.startsWith("MAME printed more than 100 bytes and was stopped (" + setup.exe));
    }

    void missingEmulatorCannotStart() {
        Setup setup;
        setup.request.emulatorPath = setup.root.filePath(QStringLiteral("no-such-mame"));
        const ExtractionResult result = ExtractCatalogue(setup.request);
        QVERIFY(!result.hasSets());
        QVERIFY(!result.startError.isEmpty());
        QVERIFY(result.noSetsMessage().contains(QLatin1String("could not be started")));
    }

    void savedXmlFileParsesTheSameWay() {
        QTemporaryDir dir;
        const QString dat = dir.filePath(QStringLiteral("out.dat"));
        const ExtractionResult result =
            ParseCatalogueXml(QDir(test::fixturesDir()).filePath(QStringLiteral("standin/listxml.xml")), dat);
        QCOMPARE(result.setCount, 9);
        QCOMPARE(test::readFile(dat).count("\r\n"), 9);

        const ExtractionResult missing = ParseCatalogueXml(dir.filePath(QStringLiteral("none.xml")), dat);
        QCOMPARE(missing.setCount, 0);
        QVERIFY(!missing.startError.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CatalogueExtractionTest)
#include "CatalogueExtractionTest.moc"
