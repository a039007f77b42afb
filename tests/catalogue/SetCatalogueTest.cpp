// The in-memory catalogue: every field comes back as it was stored, whichever way the catalogue was built,
// and the look-ups answer the first set of a text before and after their tables exist.
#include "catalogue/SetCatalogue.h"

#include "catalogue/SetCatalogueBuilder.h"
#include "catalogue/SetListCache.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;

namespace {

SetRecord Record(const QString &name, const QString &description, const QString &parent = {}) {
    SetRecord record;
    record.Name = name;
    record.Description = description;
    record.Parent = parent;
    record.Manufacturer = QStringLiteral("Namco");
    record.Year = QStringLiteral("1980");
    record.Status = QStringLiteral("good");
    record.Driver = QStringLiteral("pacman/pacman.cpp");
    record.Bios = QStringLiteral("no");
    return record;
}

QStringList Names(const SetCatalogue &catalogue) {
    QStringList names;
    for (const SetView set : catalogue) {
        names += set.name().toString();
    }
    return names;
}

void CompareRecords(const SetRecord &actual, const SetRecord &expected) {
    QCOMPARE(actual.Name, expected.Name);
    QCOMPARE(actual.Description, expected.Description);
    QCOMPARE(actual.Parent, expected.Parent);
    QCOMPARE(actual.Manufacturer, expected.Manufacturer);
    QCOMPARE(actual.Year, expected.Year);
    QCOMPARE(actual.Status, expected.Status);
    QCOMPARE(actual.State, expected.State);
    QCOMPARE(actual.Driver, expected.Driver);
    QCOMPARE(actual.Bios, expected.Bios);
}

} // namespace

class SetCatalogueTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordsComeBackFieldForField() {
        // Texts with "=", non-ASCII letters, empty fields and a long description, next to ordinary ones.
        SetRecord odd = Record(QStringLiteral("x"), QStringLiteral("1+1=2 Pok\u00e9mon \u30d1\u30c3\u30af"));
        odd.Manufacturer = QString();
        odd.Year = QStringLiteral("19??");
        odd.State = SetState::Available;
        SetRecord last = Record(QStringLiteral("zz"), QString(100000, QLatin1Char('D')), QStringLiteral("x"));
        last.Bios = QStringLiteral("yes");
        const QList<SetRecord> records{Record(QStringLiteral("a"), QStringLiteral("A")), odd, last};
        const SetCatalogue catalogue(records);
        QCOMPARE(catalogue.size(), 3);
        for (qsizetype i = 0; i < records.size(); ++i) {
            CompareRecords(catalogue.at(i).toRecord(), records.at(i));
        }
        QCOMPARE(catalogue.at(1).field(SetField::State).toString(), QStringLiteral("1"));
        QCOMPARE(catalogue.at(0).field(SetField::State).toString(), QStringLiteral("2"));
        QVERIFY(catalogue.at(2).isClone());
        QVERIFY(!catalogue.at(1).isClone());
    }

    void cacheLinesDecodeAsUtf8() {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("qx.dat"));
        QFile file(cache);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // The second line holds a byte that is not UTF-8: it becomes a replacement character, nothing shifts.
        file.write("pacman=Pac-Man (Midway) \xc3\xa9=puckman=Namco=1980=good=1=pacman/pacman.cpp=no\r\n"
                   "bad=Broken \xff text==Ma\xe9ker=197x=preliminary=2=bad.cpp=no\r\n"
                   "puckman=Puck Man==Namco=1980=good=2=pacman/pacman.cpp=no");
        file.close();
        const SetCatalogue catalogue = LoadSetList(cache, true);
        QCOMPARE(Names(catalogue), (QStringList{"pacman", "bad", "puckman"}));
        QCOMPARE(catalogue.at(0).description().toString(), QStringLiteral("Pac-Man (Midway) \u00e9"));
        QCOMPARE(catalogue.at(1).description().toString(), QStringLiteral("Broken \ufffd text"));
        QCOMPARE(catalogue.at(1).manufacturer().toString(), QStringLiteral("Ma\ufffdker"));
        QCOMPARE(catalogue.at(2).description().toString(), QStringLiteral("Puck Man"));
        QCOMPARE(catalogue.at(2).driver().toString(), QStringLiteral("pacman/pacman.cpp"));
        QVERIFY(catalogue.at(0).isAvailable());
        QVERIFY(!catalogue.at(2).isAvailable());
        // A set is found by the text shown for it, even where the file's bytes were not UTF-8.
        QCOMPARE(catalogue.indexOfDescription(catalogue.at(1).description().toString()), 1);
        QCOMPARE(catalogue.indexOfName(QStringLiteral("pacman")), 0);
    }

    void lookUpsFindTheFirstSetBeforeAndAfterTheirTablesExist() {
        QList<SetRecord> records;
        for (int i = 0; i < 50; ++i) {
            records += Record(QStringLiteral("set%1").arg(i), QStringLiteral("Game %1").arg(i % 10));
        }
        records += Record(QStringLiteral("set7"), QStringLiteral("Duplicate name"));
        const SetCatalogue catalogue(records);
        // Enough look-ups that the later ones come from the tables rather than a scan.
        for (int round = 0; round < 40; ++round) {
            QCOMPARE(catalogue.indexOfName(u"set7"), 7);
            QCOMPARE(catalogue.indexOfName(u"set49"), 49);
            QCOMPARE(catalogue.indexOfName(u"SET7"), -1); // names are case-sensitive
            QCOMPARE(catalogue.indexOfDescription(u"Game 3"), 3);
            QCOMPARE(catalogue.indexOfDescription(u"Duplicate name"), 50);
            QCOMPARE(catalogue.indexOfDescription(u"absent"), -1);
        }
    }

    void setStateChangesTheFirstSetOfThatName() {
        SetCatalogue catalogue({Record(QStringLiteral("a"), QStringLiteral("A")),
                                Record(QStringLiteral("a"), QStringLiteral("Second A"))});
        QVERIFY(catalogue.setState(u"a", SetState::Available));
        QVERIFY(catalogue.at(0).isAvailable());
        QVERIFY(!catalogue.at(1).isAvailable());
        QVERIFY(!catalogue.setState(u"b", SetState::Available));
    }

    void identityTellsReloadsApartAndCopiesAlike() {
        const SetCatalogue first({Record(QStringLiteral("a"), QStringLiteral("A"))});
        const SetCatalogue second({Record(QStringLiteral("a"), QStringLiteral("A"))});
        QVERIFY(first.identity() != second.identity());
        const SetCatalogue copy = first;
        QCOMPARE(copy.identity(), first.identity());
        SetCatalogue cleared = first;
        cleared.clear();
        QVERIFY(cleared.isEmpty());
        QVERIFY(cleared.identity() != first.identity());
        // The copy still reads the texts the original shared with it.
        QCOMPARE(copy.at(0).description().toString(), QStringLiteral("A"));
    }

    void repeatedTextsAreStoredOnce() {
        // Two sets with the same Manufacturer share one string: their views point at the same characters.
        const SetCatalogue catalogue({Record(QStringLiteral("a"), QStringLiteral("A")),
                                      Record(QStringLiteral("b"), QStringLiteral("B")),
                                      Record(QStringLiteral("c"), QStringLiteral("C"), QStringLiteral("a"))});
        QCOMPARE(catalogue.at(0).manufacturer().data(), catalogue.at(2).manufacturer().data());
        QCOMPARE(catalogue.at(0).driver().data(), catalogue.at(1).driver().data());
        QCOMPARE(catalogue.at(2).parent().toString(), QStringLiteral("a"));
    }
};

QTEST_GUILESS_MAIN(SetCatalogueTest)
#include "SetCatalogueTest.moc"
