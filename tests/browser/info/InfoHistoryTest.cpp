// The history database: history.dat entries found for parents and clones, header and blank-line rules,
// line ends, history.xml, the revision line, and damaged files.
#include "TestDirs.h"
#include "browser/info/HistoryDatabase.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

// A history.dat (LF line ends: withLineEnds gives it others) and a history.xml.
const QByteArray kHistoryDat = readFixture("window/history.dat");
const QByteArray kHistoryXml = readFixture("window/history.xml");

QByteArray withLineEnds(QByteArray text, const QByteArray &lineEnd) {
    return text.replace("\n", lineEnd);
}

// An emulator directory and the history database loaded from it.
struct EmulatorDir {
    QTemporaryDir dir;
    HistoryDatabase history;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    void write(const QString &name, const QByteArray &content) const { writeFile(path() + name, content); }
    bool loaded(const QString &name, const QByteArray &content) {
        write(name, content);
        return history.load(path());
    }
    QStringList texts(const QStringList &names) const {
        QStringList found;
        for (const QString &name : names) {
            found += history.entryText(name);
        }
        return found;
    }
};

} // namespace

class HistoryDatabaseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Parents and clones listed in one entry share it, an entry of its own wins over a listing, an entry
    // without its blank line loses three characters; parts of names are no names.
    void entriesOfTheDatFile() {
        const QStringList names{"pacman", "puckman", "pacmanf", "galaga", "dkong", "pac", "man"};
        const QString pacman = "Pac-Man (c) 1980 Namco.\nEat the dots.\n\n- TRIVIA -\n";
        const QStringList expected{
            pacman, pacman, "Speed-up hack of its own.\n", "fo=galaga,\nno blank line in this entry\n", "",
            "",     ""};
        for (const QByteArray &lineEnd : {QByteArray("\r\n"), QByteArray("\n")}) {
            EmulatorDir emulator;
            QVERIFY(emulator.loaded("history.dat", withLineEnds(kHistoryDat, lineEnd)));
            QCOMPARE(emulator.history.format(), HistoryDatabase::Format::Dat);
            QCOMPARE(emulator.texts(names), expected);
        }
    }

    void datFileIsPreferredToTheXmlFile() {
        EmulatorDir emulator;
        emulator.write("history.xml", kHistoryXml);
        QVERIFY(emulator.loaded("history.dat", kHistoryDat));
        QCOMPARE(emulator.history.format(), HistoryDatabase::Format::Dat);
        QCOMPARE(HistoryDatabase::HistoryRevision(emulator.path()), "History revision: 1.23");
    }

    // Systems of one entry share it; software items are no sets.
    void entriesOfTheXmlFile() {
        EmulatorDir emulator;
        QVERIFY(emulator.loaded("history.xml", kHistoryXml));
        QCOMPARE(emulator.history.format(), HistoryDatabase::Format::Xml);
        const QString pacman = "- DESCRIPTION -\nPac & Ghosts, (c) 1980.\nSecond paragraph.";
        QCOMPARE(emulator.texts({"pacman", "puckman", "galaga", "smb", "dkong"}),
                 (QStringList{pacman, pacman, "Galaga text.", "", ""}));
    }

    void truncatedXmlKeepsTheEntriesReadBeforeTheCut() {
        EmulatorDir emulator;
        QVERIFY(emulator.loaded("history.xml", kHistoryXml.left(kHistoryXml.indexOf("Galaga text"))));
        QVERIFY(emulator.history.entryText("puckman").startsWith(QLatin1String("- DESCRIPTION -")));
        QCOMPARE(emulator.history.entryText("galaga"), QString());
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
            << QByteArray("$info=pacman,\r\n\r\nPac text\r\n") << "pacman"
            << "Pac text\n";
        QTest::newRow("Latin-1 bytes")
            << QByteArray("$info=pacman,\r\n\r\nCaf\xe9 Namco\r\n$end\r\n") << "pacman"
            << "Caf\u00e9 Namco\n";
        QTest::newRow("UTF-8 bytes") << QByteArray("$info=pacman,\r\n\r\nCaf\xc3\xa9 Namco\r\n$end\r\n")
                                     << "pacman"
                                     << "Caf\u00e9 Namco\n";
        QTest::newRow("NUL bytes") << QByteArray("$info=pac") + '\0' + QByteArray("man,\r\n\r\nA") + '\0' +
                                          QByteArray("B\r\n$end\r\n")
                                   << "pacman" << QString();
        // Each tag ends the names of the one before it (and a line of a million tags is read once).
        const QByteArray crowded = "$info=pacman,$info=galaga,dkong,\r\n\r\nText\r\n$end\r\n";
        QTest::newRow("tags sharing a line, first") << crowded << "pacman"
                                                    << "Text\n";
        QTest::newRow("tags sharing a line, second") << crowded << "galaga"
                                                     << "Text\n";
        QTest::newRow("a tag is no name") << crowded << "$info=galaga" << QString();
    }
    void damagedDatFilesLoadWithoutHarm() {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        EmulatorDir emulator;
        QVERIFY(emulator.loaded("history.dat", content));
        QVERIFY(emulator.history.isAvailable());
        QCOMPARE(emulator.history.entryText(name), expected);
    }

    void hugeLinesAndLostEndsShowABoundedText() {
        // The first entry lost its "$end" and holds a 1 MB line: it runs into the next entry, but what is
        // shown stays bounded, and the next entry is still found by its own name.
        QByteArray content = "$info=first,\r\n\r\nstart\r\n" + QByteArray(1024 * 1024, 'x') + "\r\n";
        content += "$info=second,\r\n\r\nSecond text\r\n$end\r\n";
        EmulatorDir emulator;
        QVERIFY(emulator.loaded("history.dat", content));
        const QString first = emulator.history.entryText("first");
        QVERIFY(first.startsWith(QLatin1String("start\n")));
        QVERIFY(first.size() <= HistoryDatabase::kMaxEntryBytes);
        QCOMPARE(emulator.history.entryText("second"), "Second text\n");
    }

    void garbageXmlLoadsEmpty() {
        EmulatorDir emulator;
        QVERIFY(emulator.loaded("history.xml", QByteArray("\x89PNG not xml <<<>>> &&&")));
        QCOMPARE(emulator.history.indexedNames(), 0);
        QCOMPARE(HistoryDatabase::HistoryRevision(emulator.path()), "History revision: ");
    }

    void reloadingReplacesTheOldIndex() {
        EmulatorDir emulator;
        QVERIFY(emulator.loaded("history.dat", kHistoryDat));
        QVERIFY(emulator.loaded("history.dat", "$info=dkong,\n\nDonkey Kong.\n$end\n"));
        QCOMPARE(emulator.history.entryText("pacman"), QString());
        QCOMPARE(emulator.history.entryText("dkong"), "Donkey Kong.\n");
    }
};

QTEST_GUILESS_MAIN(HistoryDatabaseTest)
#include "InfoHistoryTest.moc"
