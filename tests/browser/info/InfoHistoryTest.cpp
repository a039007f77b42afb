// The history database: history.dat entries found for parents and clones, header and blank-line rules,
// line ends, history.xml, the revision line, and damaged files.
#include "TestDirs.h"
#include "browser/info/HistoryDatabase.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

// Written with LF line ends; withLineEnds turns them into the file's own.
const QByteArray kHistoryDat = "## history.dat for tests\n"
                               "## Revision: 1.23\n"
                               "\n"
                               "$info=pacman,puckman,pacmanf,\n"
                               "$bio\n"
                               "\n"
                               "Pac-Man (c) 1980 Namco.\n"
                               "\n"
                               "Eat the dots.\n"
                               "\n"
                               "\n"
                               "- TRIVIA -\n"
                               "$end\n"
                               "$info=pacmanf,\n"
                               "$bio\n"
                               "\n"
                               "Speed-up hack of its own.\n"
                               "$end\n"
                               "$info=galaga,\n"
                               "no blank line in this entry\n"
                               "$end\n";

QByteArray withLineEnds(QByteArray text, const QByteArray &lineEnd) {
    return text.replace("\n", lineEnd);
}

const QByteArray kHistoryXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<history version="2.59" date="2023-01-01">
	<entry>
		<systems>
			<system name="pacman" />
			<system name="puckman" />
		</systems>
		<text>
- DESCRIPTION -

Pac &amp; Ghosts, (c) 1980.

Second paragraph.
		</text>
	</entry>
	<entry>
		<software>
			<item list="nes" name="smb" />
		</software>
		<text>A software list entry.</text>
	</entry>
	<entry>
		<systems>
			<system name="galaga" />
		</systems>
		<text>Galaga text.</text>
	</entry>
</history>
)";

struct EmulatorDir {
    QTemporaryDir dir;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    void write(const QString &name, const QByteArray &content) const { writeFile(path() + name, content); }
};

} // namespace

class HistoryDatabaseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesOfTheDatFile_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QString pacman = QStringLiteral("Pac-Man (c) 1980 Namco.\nEat the dots.\n\n- TRIVIA -\n");
        for (const QByteArray &lineEnd : {QByteArray("\r\n"), QByteArray("\n")}) {
            const char *ends = lineEnd == "\n" ? "LF" : "CRLF";
            QTest::addRow("%s parent", ends) << lineEnd << "pacman" << pacman;
            QTest::addRow("%s clone listed second", ends) << lineEnd << "puckman" << pacman;
            QTest::addRow("%s own entry wins over a listing", ends)
                << lineEnd << "pacmanf" << QStringLiteral("Speed-up hack of its own.\n");
            QTest::addRow("%s no empty line drops three characters", ends)
                << lineEnd << "galaga" << QStringLiteral("fo=galaga,\nno blank line in this entry\n");
            QTest::addRow("%s unknown set", ends) << lineEnd << "dkong" << QString();
            QTest::addRow("%s a prefix of a name is no name", ends) << lineEnd << "pac" << QString();
            QTest::addRow("%s a name's tail is no name", ends) << lineEnd << "man" << QString();
        }
    }
    void entriesOfTheDatFile() {
        QFETCH(QByteArray, lineEnd);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.dat"), withLineEnds(kHistoryDat, lineEnd));
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        QCOMPARE(history.format(), HistoryDatabase::Format::Dat);
        QCOMPARE(history.entryText(name), expected);
    }

    void datFileIsPreferredToTheXmlFile() {
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.dat"), kHistoryDat);
        emulator.write(QStringLiteral("history.xml"), kHistoryXml);
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        QCOMPARE(history.format(), HistoryDatabase::Format::Dat);
        QCOMPARE(HistoryDatabase::HistoryRevision(emulator.path()), QStringLiteral("History revision: 1.23"));
    }

    void entriesOfTheXmlFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QString pacman = QStringLiteral("- DESCRIPTION -\nPac & Ghosts, (c) 1980.\nSecond paragraph.");
        QTest::newRow("parent") << "pacman" << pacman;
        QTest::newRow("clone in the same entry") << "puckman" << pacman;
        QTest::newRow("single system") << "galaga" << QStringLiteral("Galaga text.");
        QTest::newRow("software items are no sets") << "smb" << QString();
        QTest::newRow("absent") << "dkong" << QString();
    }
    void entriesOfTheXmlFile() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.xml"), kHistoryXml);
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        QCOMPARE(history.format(), HistoryDatabase::Format::Xml);
        QCOMPARE(history.entryText(name), expected);
    }

    void truncatedXmlKeepsTheEntriesReadBeforeTheCut() {
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.xml"), kHistoryXml.left(kHistoryXml.indexOf("Galaga text")));
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        QVERIFY(history.entryText(QStringLiteral("puckman")).startsWith(QLatin1String("- DESCRIPTION -")));
        QCOMPARE(history.entryText(QStringLiteral("galaga")), QString());
    }

    void revisionLine_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("revision line")
            << "history.dat" << QByteArray("# x\r\n## Revision: 1.23\r\n$info=a,\r\n")
            << "History revision: 1.23";
        QTest::newRow("LF file") << "history.dat" << QByteArray("## Revision: 2.0 beta\n")
                                 << "History revision: 2.0 beta";
        QTest::newRow("no revision: the last line from its 14th character")
            << "history.dat" << QByteArray("$info=a,\r\n0123456789abcdefgh\r\n") << "History revision: defgh";
        QTest::newRow("empty file") << "history.dat" << QByteArray() << "History revision: ";
        QTest::newRow("xml version") << "history.xml" << kHistoryXml << "History revision: 2.59";
        QTest::newRow("neither file") << QString() << QByteArray() << "history.dat not found";
    }
    void revisionLine() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        EmulatorDir emulator;
        if (!file.isEmpty()) {
            emulator.write(file, content);
        }
        QCOMPARE(HistoryDatabase::HistoryRevision(emulator.path()), expected);
    }

    void noFileMeansNoHistory() {
        EmulatorDir emulator;
        HistoryDatabase history;
        QVERIFY(!history.load(emulator.path()));
        QVERIFY(!history.isAvailable());
        QCOMPARE(history.entryText(QStringLiteral("pacman")), QString());
    }

    void damagedDatFilesLoadWithoutHarm_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty file") << QByteArray() << "pacman" << QString();
        QTest::newRow("info without names")
            << QByteArray("$info=\r\n$info=,,,\r\n\r\ntext\r\n$end\r\n") << "" << QString();
        QTest::newRow("names without a closing comma are not listed")
            << QByteArray("$info=pacman\r\n\r\ntext\r\n$end\r\n") << "pacman" << QString();
        QTest::newRow("last entry without $end runs to the end")
            << QByteArray("$info=pacman,\r\n\r\nPac text\r\n") << "pacman" << QStringLiteral("Pac text\n");
        QTest::newRow("Latin-1 bytes") << QByteArray("$info=pacman,\r\n\r\nCaf\xe9 Namco\r\n$end\r\n")
                                       << "pacman" << QStringLiteral("Caf\u00e9 Namco\n");
        QTest::newRow("UTF-8 bytes") << QByteArray("$info=pacman,\r\n\r\nCaf\xc3\xa9 Namco\r\n$end\r\n")
                                     << "pacman" << QStringLiteral("Caf\u00e9 Namco\n");
        QTest::newRow("NUL bytes") << QByteArray("$info=pac") + '\0' + QByteArray("man,\r\n\r\nA") + '\0' +
                                          QByteArray("B\r\n$end\r\n")
                                   << "pacman" << QString();
        // Each tag ends the names of the one before it (and a line of a million tags is read once).
        const QByteArray crowded = "$info=pacman,$info=galaga,dkong,\r\n\r\nText\r\n$end\r\n";
        QTest::newRow("tags sharing a line, first") << crowded << "pacman" << QStringLiteral("Text\n");
        QTest::newRow("tags sharing a line, second") << crowded << "galaga" << QStringLiteral("Text\n");
        QTest::newRow("a tag is no name") << crowded << "$info=galaga" << QString();
    }
    void damagedDatFilesLoadWithoutHarm() {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.dat"), content);
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        QVERIFY(history.isAvailable());
        QCOMPARE(history.entryText(name), expected);
    }

    void hugeLinesAndLostEndsShowABoundedText() {
        // The first entry lost its "$end" and holds a 1 MB line: it runs into the next entry, but what is
        // shown stays bounded, and the next entry is still found by its own name.
        QByteArray content = "$info=first,\r\n\r\nstart\r\n" + QByteArray(1024 * 1024, 'x') + "\r\n";
        content += "$info=second,\r\n\r\nSecond text\r\n$end\r\n";
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.dat"), content);
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        const QString first = history.entryText(QStringLiteral("first"));
        QVERIFY(first.startsWith(QLatin1String("start\n")));
        QVERIFY(first.size() <= HistoryDatabase::kMaxEntryBytes);
        QCOMPARE(history.entryText(QStringLiteral("second")), QStringLiteral("Second text\n"));
    }

    void garbageXmlLoadsEmpty() {
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.xml"), QByteArray("\x89PNG not xml <<<>>> &&&"));
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        QCOMPARE(history.indexedNames(), 0);
        QCOMPARE(HistoryDatabase::HistoryRevision(emulator.path()), QStringLiteral("History revision: "));
    }

    void reloadingReplacesTheOldIndex() {
        EmulatorDir emulator;
        emulator.write(QStringLiteral("history.dat"), kHistoryDat);
        HistoryDatabase history;
        QVERIFY(history.load(emulator.path()));
        emulator.write(QStringLiteral("history.dat"), "$info=dkong,\n\nDonkey Kong.\n$end\n");
        QVERIFY(history.load(emulator.path()));
        QCOMPARE(history.entryText(QStringLiteral("pacman")), QString());
        QCOMPARE(history.entryText(QStringLiteral("dkong")), QStringLiteral("Donkey Kong.\n"));
    }
};

QTEST_GUILESS_MAIN(HistoryDatabaseTest)
#include "InfoHistoryTest.moc"
