#include "catalogue/SetListCache.h"

#include "TestDirs.h"
#include "app/PathHelpers.h"
#include "catalogue/AvailableNames.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;

namespace {

const QByteArray kListXmlDat =
    "neogeo=Neo-Geo MV-6F=SNK=1990=imperfect=neogeo/neogeo.cpp=yes\r\n"
    "puckman=PuckMan (Japan set 1)=Namco=1980=good=pacman/pacman.cpp=no\r\n"
    "pacman=Pac-Man (Midway)=Namco (Midway license)=1980=good=pacman/pacman.cpp=no\r\n"
    "pacmanf=Pac-Man (speedup hack)=hack=1980=good=pacman/pacman.cpp=no\r\n"
    "unkpoker=unknown poker board=<unknown>==preliminary=misc/unkpoker.cpp=no\r\n";
const QByteArray kClones = "Name:            Clone of:\r\n"
                           "pacman           puckman\r\n"
                           "pacmanf          puckman  \r\n"
                           "notlisted        puckman\r\n";

} // namespace

class SetListCacheTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString programDir() const { return WithTrailingSeparator(m_dir.path()); }
    QString cache() const { return programDir() + kCacheFile; }
    void writeWorkFiles(const QByteArray &verify) const {
        test::writeFile(programDir() + QStringLiteral("qx_listxml.dat"), kListXmlDat);
        test::writeFile(programDir() + QStringLiteral("qx_clones.tmp"), kClones);
        test::writeFile(programDir() + QStringLiteral("qx_verifyroms.dat"), verify);
    }

private Q_SLOTS:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void buildFromVerifyWritesNineFieldsAndCountsBios() {
        writeWorkFiles("romset neogeo is good\r\nromset pacman [puckman] is bad\r\nromset pacmanf [puckman] "
                       "is good\r\n");
        const SetListBuildResult result = BuildSetList(programDir());
        QVERIFY(result.ok);
        QCOMPARE(result.written, 5);
        QCOMPARE(result.biosCount, 1);
        QCOMPARE(
            test::readFile(cache()),
            QByteArray(
                "neogeo=Neo-Geo MV-6F==SNK=1990=imperfect=1=neogeo/neogeo.cpp=yes\r\n"
                "puckman=PuckMan (Japan set 1)==Namco=1980=good=2=pacman/pacman.cpp=no\r\n"
                "pacman=Pac-Man (Midway)=puckman=Namco (Midway license)=1980=good=2=pacman/pacman.cpp=no\r\n"
                "pacmanf=Pac-Man (speedup hack)=puckman=hack=1980=good=1=pacman/pacman.cpp=no\r\n"
                "unkpoker=unknown poker board==<unknown>==preliminary=2=misc/unkpoker.cpp=no\r\n"));
    }

    void fastScanFindsSplitSetsOnly() {
        writeWorkFiles(QByteArray());
        test::writeFile(m_dir.filePath(QStringLiteral("roms/puckman.zip")), "x");
        test::writeFile(m_dir.filePath(QStringLiteral("roms/neogeo.zip")), "x");
        const SetListBuildResult result = FastScan(programDir(), QStringLiteral("roms"), programDir());
        QVERIFY(result.ok);
        const SetCatalogue all = LoadSetList(cache(), true);
        QCOMPARE(all.at(all.indexOfName(QStringLiteral("puckman"))).toRecord().State, SetState::Available);
        // pacman's files live only in puckman.zip (a merged collection): not found by name.
        QCOMPARE(all.at(all.indexOfName(QStringLiteral("pacman"))).toRecord().State, SetState::Unavailable);
        QVERIFY(test::readFile(cache()).startsWith("neogeo=Neo-Geo MV-6F==SNK=1990=imperfect=1="));
    }

    void cloneThatIsNotListedChangesNothing() {
        writeWorkFiles(QByteArray());
        test::writeFile(programDir() + QStringLiteral("qx_clones.tmp"),
                        "Name:            Clone of:\nnotlisted   puckman\n");
        BuildSetList(programDir());
        const SetCatalogue all = LoadSetList(cache(), true);
        QCOMPARE(all.size(), 4);
        for (const SetView view : all) {
            const SetRecord record = view.toRecord();
            QVERIFY2(record.Parent.isEmpty(), qPrintable(record.Name));
        }
    }

    void loadKeepsClonesOnlyWhenAskedAndNeverBios() {
        writeWorkFiles(QByteArray());
        BuildSetList(programDir());
        const SetCatalogue withClones = LoadSetList(cache(), true);
        QStringList names;
        for (const SetView view : withClones) {
            const SetRecord record = view.toRecord();
            names += record.Name;
        }
        QCOMPARE(names, (QStringList{"puckman", "pacman", "pacmanf", "unkpoker"}));
        const SetRecord pacman = withClones.at(1).toRecord();
        QCOMPARE(pacman.Description, QStringLiteral("Pac-Man (Midway)"));
        QCOMPARE(pacman.Parent, QStringLiteral("puckman"));
        QCOMPARE(pacman.Manufacturer, QStringLiteral("Namco (Midway license)"));
        QCOMPARE(pacman.Year, QStringLiteral("1980"));
        QCOMPARE(pacman.Status, QStringLiteral("good"));
        QCOMPARE(pacman.Driver, QStringLiteral("pacman/pacman.cpp"));
        QCOMPARE(pacman.Bios, QStringLiteral("no"));

        const SetCatalogue parents = LoadSetList(cache(), false);
        QCOMPARE(parents.size(), 2);
        QCOMPARE(parents.at(0).toRecord().Name, QStringLiteral("puckman"));
        QCOMPARE(parents.at(1).toRecord().Name, QStringLiteral("unkpoker"));
    }

    void loadSkipsLinesThatAreNotNineFields_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("names");
        const QByteArray good = "a=A==M=1990=good=1=d.cpp=no";
        QTest::newRow("eight fields")
            << QByteArray(good + "\r\nb=B==M=1990=good=1=d.cpp\r\n") << QStringList{"a"};
        QTest::newRow("description holding =")
            << QByteArray("x=1+1=2==M=1990=good=1=d.cpp=no\r\n" + good + "\r\n") << QStringList{"a"};
        QTest::newRow("LF line ends")
            << QByteArray(good + "\nb=B==M=1990=good=2=d.cpp=no\n") << QStringList{"a", "b"};
        QTest::newRow("last line without a break")
            << QByteArray(good + "\r\nb=B==M==good=2=d.cpp=no") << QStringList{"a", "b"};
        QTest::newRow("blank lines") << QByteArray("\r\n" + good + "\r\n\r\n") << QStringList{"a"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("1 MB description")
            << QByteArray("big=" + QByteArray(1 << 20, 'D') + "==M=1990=good=1=d.cpp=no\r\n" + good + "\r\n")
            << QStringList{"big", "a"};
    }
    void loadSkipsLinesThatAreNotNineFields() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        test::writeFile(cache(), content);
        const SetCatalogue catalogue = LoadSetList(cache(), true);
        QStringList loaded;
        for (const SetView view : catalogue) {
            const SetRecord record = view.toRecord();
            loaded += record.Name;
        }
        QCOMPARE(loaded, names);
        if (names.contains(QStringLiteral("big"))) {
            QCOMPARE(catalogue.at(0).toRecord().Description.size(), 1 << 20);
        }
    }

    void missingCacheLoadsEmpty() {
        QVERIFY(LoadSetList(m_dir.filePath(QStringLiteral("none.dat")), true).isEmpty());
    }

    void updateAvailabilityRewritesStateOnly() {
        // Odd but legal values in every other field must come back byte for byte.
        const QByteArray before = "neogeo=Neo-Geo \xC3\xA9 & co==SNK=1990=imperfect=2=neogeo/neogeo.cpp=yes\n"
                                  "pacman=Pac-Man  (Midway) =puckman= Namco ==good=1=pacman/pacman.cpp=no\n"
                                  "damaged line without fields\n"
                                  "pong=Pong==Atari=1972=good=2=atari/pong.cpp=no";
        test::writeFile(cache(), before);
        const AvailabilityUpdateResult result = UpdateAvailability(
            cache(), AvailableNames::FromVerifyOutput("romset neogeo is good\nromset pong is "
                                                      "best available\n"));
        QVERIFY(result.ok);
        QCOMPARE(result.lines, 3);
        QCOMPARE(result.available, 2);
        QCOMPARE(test::readFile(cache()),
                 QByteArray("neogeo=Neo-Geo \xC3\xA9 & co==SNK=1990=imperfect=1=neogeo/neogeo.cpp=yes\r\n"
                            "pacman=Pac-Man  (Midway) =puckman= Namco ==good=2=pacman/pacman.cpp=no\r\n"
                            "damaged line without fields\r\n"
                            "pong=Pong==Atari=1972=good=1=atari/pong.cpp=no\r\n"));
    }

    void updateSetEntryChangesCatalogueAndCache() {
        test::writeFile(cache(), "a=A==M=1990=good=2=d.cpp=no\r\nb=B==M=1990=good=2=d.cpp=no\r\n");
        SetCatalogue catalogue = LoadSetList(cache(), true);
        QVERIFY(UpdateSetEntry(catalogue, cache(), QStringLiteral("b"), SetState::Available));
        QCOMPARE(catalogue.at(1).toRecord().State, SetState::Available);
        QCOMPARE(catalogue.at(0).toRecord().State, SetState::Unavailable);
        QCOMPARE(test::readFile(cache()),
                 QByteArray("a=A==M=1990=good=2=d.cpp=no\r\nb=B==M=1990=good=1=d.cpp=no\r\n"));
        QString error;
        QVERIFY(!UpdateSetEntry(catalogue, m_dir.filePath(QStringLiteral("none.dat")), QStringLiteral("a"),
                                SetState::Available, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SetListCacheTest)
#include "SetListCacheTest.moc"
