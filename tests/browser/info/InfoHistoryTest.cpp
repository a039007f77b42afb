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

    // The revision line, else the last line from its 14th character; history.xml's version.
    void revisionLine() {
        for (const auto &[file, content, expected] :
             {std::tuple{"history.dat", QByteArray("# x\r\n## Revision: 1.23\r\n$info=a,\r\n"), "1.23"},
              {"history.dat", QByteArray("## Revision: 2.0 beta\n"), "2.0 beta"},
              {"history.dat", QByteArray("$info=a,\r\n0123456789abcdefgh\r\n"), "defgh"},
              {"history.dat", QByteArray(), ""},
              {"history.xml", kHistoryXml, "2.59"}}) {
            EmulatorDir emulator;
            emulator.write(file, content);
            QCOMPARE(HistoryDatabase::HistoryRevision(emulator.path()),
                     "History revision: " + QString(expected));
        }
        QCOMPARE(HistoryDatabase::HistoryRevision(EmulatorDir().path()), "history.dat not found");
    }

    // Damaged files load without harm. Each tag ends the names of the one before it (and a line of a
    // million tags is read once).
    void damagedDatFilesLoadWithoutHarm() {
        const QByteArray crowded = "$info=pacman,$info=galaga,dkong,\r\n\r\nText\r\n$end\r\n";
        for (const auto &[content, name, expected] :
             {std::tuple{QByteArray(), "pacman", ""},
              {QByteArray("$info=\r\n$info=,,,\r\n\r\ntext\r\n$end\r\n"), "", ""},       // no names
              {QByteArray("$info=pacman\r\n\r\ntext\r\n$end\r\n"), "pacman", ""},        // no closing comma
              {QByteArray("$info=pacman,\r\n\r\nPac text\r\n"), "pacman", "Pac text\n"}, // no $end
              {QByteArray("$info=pacman,\r\n\r\nCaf\xe9 Namco\r\n$end\r\n"), "pacman", "Caf\u00e9 Namco\n"},
              {QByteArray("$info=pacman,\r\n\r\nCaf\xc3\xa9 Namco\r\n$end\r\n"), "pacman",
               "Caf\u00e9 Namco\n"},
              {QByteArray("$info=pac\0man,\r\n\r\nA\0B\r\n$end\r\n", 29), "pacman", ""},
              {crowded, "pacman", "Text\n"},
              {crowded, "galaga", "Text\n"},
              {crowded, "$info=galaga", ""}}) {
            EmulatorDir emulator;
            QVERIFY(emulator.loaded("history.dat", content) && emulator.history.isAvailable());
            QCOMPARE(emulator.history.entryText(name), QString::fromUtf8(expected));
        }
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

    // A truncated history.xml keeps the entries read before the cut; garbage loads empty.
    void damagedXmlFilesLoadWithoutHarm() {
        EmulatorDir emulator;
        QVERIFY(emulator.loaded("history.xml", kHistoryXml.left(kHistoryXml.indexOf("Galaga text"))));
        QVERIFY(emulator.history.entryText("puckman").startsWith("- DESCRIPTION -") &&
                emulator.history.entryText("galaga").isEmpty());
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
