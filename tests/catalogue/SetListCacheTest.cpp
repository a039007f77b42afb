// The set list: built into qx.dat from MAME's listings and its verify (or the fast scan's look at the ROM
// folders that mame.ini names), loaded into the in-memory catalogue, and updated line by line.
#include "catalogue/SetListCache.h"

#include "EnvironmentScope.h"
#include "TestDirs.h"
#include "app/PathHelpers.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/RomFolderScan.h"
#include "catalogue/SetCatalogue.h"

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

QStringList names(const SetCatalogue &catalogue) {
    QStringList result;
    for (const SetView set : catalogue) {
        result += set.name().toString();
    }
    return result;
}

// A record's fields in the order of a qx.dat line.
QString fields(const SetRecord &r) {
    return QStringList{
        r.Name,   r.Description, r.Parent, r.Manufacturer, r.Year, r.Status, QString::number(int(r.State)),
        r.Driver, r.Bios}
        .join(QLatin1Char('='));
}

SetRecord record(const QString &name, const QString &description, const QString &parent = {}) {
    return {description, name, parent, "Namco", "1980", "good", SetState::Unavailable, "no", "pacman.cpp"};
}

} // namespace

class SetListCacheTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString programDir() const { return WithTrailingSeparator(m_dir.path()); }
    QString cache() const { return programDir() + kCacheFile; }
    void writeWorkFiles(const QByteArray &verify) const {
        test::writeFile(programDir() + "qx_listxml.dat", kListXmlDat);
        test::writeFile(programDir() + "qx_clones.tmp", kClones);
        test::writeFile(programDir() + "qx_verifyroms.dat", verify);
    }

    // The ROM folders of the fast-scan tests, in the test's folder.
    void romFoldersForTheScan() const {
        for (const char *file :
             {"roms/puckman.zip", "roms/.hidden.zip", "roms/noext", "roms/trailing.", "more roms/mslug.7z",
              "more roms/pong.dir/x", "more roms/pacman/pacmanf.zip"}) { // a set folder, as MAME reads it
            test::writeFile(m_dir.filePath(QLatin1String(file)), "x");
        }
    }

private Q_SLOTS:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void usableVerifyLines() {
        for (const auto &[line, name] : {std::pair{"romset puckman is good", "puckman"},
                                         {"romset pacman [puckman] is good", "pacman"},
                                         {"romset pong is best available", "pong"},
                                         {"romset mspacman [puckman] is bad", ""},
                                         {"romset \"xyz\" not found!", ""},
                                         {"5 romsets found, 4 were OK.", ""},
                                         {"romset a is Good", ""}, // phrases are case-sensitive
                                         {"is good", ""}}) {
            QCOMPARE(AvailableNames::NameOfUsableLine(line).toByteArray(), QByteArray(name));
        }
    }

    // The verify's last line may lack its line break; the BIOS sets are counted for the window.
    void buildFromVerifyWritesNineFieldsAndCountsBios() {
        writeWorkFiles("romset neogeo is good\r\nromset pacman [puckman] is bad\r\nromset pacmanf [puckman] "
                       "is good");
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

        // Loaded: never the BIOS set, the clones only when asked, every field as it was written.
        const SetCatalogue withClones = LoadSetList(cache(), true);
        QCOMPARE(names(withClones), (QStringList{"puckman", "pacman", "pacmanf", "unkpoker"}));
        QCOMPARE(fields(withClones.at(1).toRecord()), "pacman=Pac-Man (Midway)=puckman=Namco (Midway "
                                                      "license)=1980=good=2=pacman/pacman.cpp=no");
        QCOMPARE(names(LoadSetList(cache(), false)), (QStringList{"puckman", "unkpoker"}));
        QVERIFY(LoadSetList(m_dir.filePath("none.dat"), true).isEmpty());
    }

    // "%1" stands for the test's folder, which is also $HOME.
    void namesCountWhenAnEntryIsNamePlusExtension_data() {
        QTest::addColumn<QString>("romPaths");
        QTest::addColumn<QString>("emulatorDir");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QStringList>("unavailable");
        QTest::newRow("relative, one quoted")
            << "roms;\"more roms\""
            << "%1/" << QStringList{"%1/roms", "%1/more roms"}
            << QStringList{"puckman", "mslug", "pong", ".hidden", "pacman"}
            << QStringList{"pacmanf", "noext", "trailing", "puck", "PUCKMAN"};
        QTest::newRow("quoted absolute folder")
            << "\"%1/more roms\""
            << "/nowhere/" << QStringList{"%1/more roms"} << QStringList{"mslug"} << QStringList{"puckman"};
        QTest::newRow("home variable")
            << "$HOME/roms;${HOME}/missing"
            << "/" << QStringList{"%1/roms", "%1/missing"} << QStringList{"puckman"} << QStringList{"mslug"};
        QTest::newRow("missing folders")
            << "gone;also gone"
            << "%1/" << QStringList{"%1/gone", "%1/also gone"} << QStringList() << QStringList{"puckman"};
        QTest::newRow("no folders") << QString() << "%1/" << QStringList() << QStringList() << QStringList();
    }
    void namesCountWhenAnEntryIsNamePlusExtension() {
        QFETCH(QString, romPaths);
        QFETCH(QString, emulatorDir);
        QFETCH(QStringList, folders);
        QFETCH(QStringList, available);
        QFETCH(QStringList, unavailable);
        romFoldersForTheScan();
        const test::EnvironmentScope home("HOME", QFile::encodeName(m_dir.path()));
        const RomFolderScan scan = RomFolderScan::Scan(romPaths.replace("%1", m_dir.path()),
                                                       emulatorDir.replace("%1", m_dir.path()));
        QCOMPARE(scan.folders(), folders.replaceInStrings("%1", m_dir.path()));
        for (const QString &name : available) {
            QVERIFY2(scan.isAvailable(name), qPrintable(name));
        }
        for (const QString &name : unavailable) {
            QVERIFY2(!scan.isAvailable(name), qPrintable(name));
        }
    }

    void romPathsFromMameIni() {
        const std::pair<QByteArray, QString> cases[] = {
            {"\xEF\xBB\xBF#\n# CORE SEARCH PATH OPTIONS\n#\nhomepath                  .\n" // MAME's own file
             "rompath                   $HOME/mame/roms;roms  \nhashpath                  hash\n",
             "$HOME/mame/roms;roms"},
            {"<UNADORNED0>\r\nROMPATH   \"C:/my roms\"\r\n", "\"C:/my roms\""}, // any letter case, CR LF
            {"samplepath samples\n", QString()}};
        for (const auto &[ini, expected] : cases) {
            test::writeFile(m_dir.filePath("ini/mame.ini"), ini);
            QCOMPARE(ReadRomPaths(m_dir.filePath("ini/mame.ini")), expected);
        }
        QCOMPARE(ReadRomPaths(QString()), "roms"); // no mame.ini: MAME's default
    }

    void fastScanFindsSplitSetsOnly() {
        writeWorkFiles(QByteArray());
        test::writeFile(m_dir.filePath("roms/puckman.zip"), "x");
        test::writeFile(m_dir.filePath("roms/neogeo.zip"), "x");
        QVERIFY(FastScan(programDir(), "roms", programDir()).ok);
        const SetCatalogue all = LoadSetList(cache(), true);
        QVERIFY(all.at(all.indexOfName("puckman")).isAvailable());
        // pacman's files live only in puckman.zip (a merged collection): not found by name.
        QVERIFY(!all.at(all.indexOfName("pacman")).isAvailable());
        QVERIFY(test::readFile(cache()).startsWith("neogeo=Neo-Geo MV-6F==SNK=1990=imperfect=1="));
    }

    void cloneThatIsNotListedChangesNothing() {
        writeWorkFiles(QByteArray());
        test::writeFile(programDir() + "qx_clones.tmp", "Name:            Clone of:\nnotlisted   puckman\n");
        BuildSetList(programDir());
        const SetCatalogue all = LoadSetList(cache(), true);
        QCOMPARE(all.size(), 4);
        for (const SetView view : all) {
            QVERIFY2(!view.isClone(), qPrintable(view.name().toString()));
        }
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
        QCOMPARE(::names(catalogue), names);
        if (names.contains("big")) {
            QCOMPARE(catalogue.at(0).toRecord().Description.size(), 1 << 20);
        }
    }

    // The second line holds bytes that are not UTF-8: they become replacement characters, nothing shifts,
    // and the set is still found by the text shown for it.
    void cacheLinesDecodeAsUtf8() {
        test::writeFile(cache(),
                        "pacman=Pac-Man (Midway) \xc3\xa9=puckman=Namco=1980=good=1=pacman.cpp=no\r\n"
                        "bad=Broken \xff text==Ma\xe9ker=197x=preliminary=2=bad.cpp=no\r\n");
        const SetCatalogue catalogue = LoadSetList(cache(), true);
        QCOMPARE(fields(catalogue.at(0).toRecord()),
                 "pacman=Pac-Man (Midway) \u00e9=puckman=Namco=1980=good=1=pacman.cpp=no");
        QCOMPARE(fields(catalogue.at(1).toRecord()),
                 "bad=Broken \ufffd text==Ma\ufffdker=197x=preliminary=2=bad.cpp=no");
        QCOMPARE(catalogue.indexOfDescription(catalogue.at(1).description().toString()), 1);
    }

    // Look-ups and state changes take the first set of a text, before and after the look-up tables exist.
    void lookUpsFindTheFirstSet() {
        QList<SetRecord> records;
        for (int i = 0; i < 50; ++i) {
            records += record(QStringLiteral("set%1").arg(i), QStringLiteral("Game %1").arg(i % 10));
        }
        records += record("set7", "Duplicate name");
        SetCatalogue catalogue(records);
        for (int round = 0; round < 40; ++round) {
            QCOMPARE(catalogue.indexOfName(u"set7"), 7);
            QCOMPARE(catalogue.indexOfName(u"set49"), 49);
            QCOMPARE(catalogue.indexOfName(u"SET7"), -1); // names are case-sensitive
            QCOMPARE(catalogue.indexOfDescription(u"Game 3"), 3);
            QCOMPARE(catalogue.indexOfDescription(u"Duplicate name"), 50);
            QCOMPARE(catalogue.indexOfDescription(u"absent"), -1);
        }
        QVERIFY(catalogue.setState(u"set7", SetState::Available));
        QVERIFY(catalogue.at(7).isAvailable() && !catalogue.at(50).isAvailable());
        QVERIFY(!catalogue.setState(u"absent", SetState::Available));
    }

    // What is derived from a catalogue (the search index, sort ranks) is rebuilt after a reload.
    void identityTellsReloadsApartAndCopiesAlike() {
        const SetCatalogue first({record("a", "A")});
        const quint64 identity = first.identity();
        QVERIFY(SetCatalogue({record("a", "A")}).identity() != identity);
        SetCatalogue copy = first;
        QCOMPARE(copy.identity(), identity);
        QCOMPARE(copy.at(0).description().toString(), "A");
        copy.clear();
        QVERIFY(copy.isEmpty() && copy.identity() != identity);
    }

    // Odd but legal values in every other field come back byte for byte.
    void updatesRewriteTheStateOnly() {
        const QByteArray before = "neogeo=Neo-Geo \xC3\xA9 & co==SNK=1990=imperfect=2=neogeo/neogeo.cpp=yes\n"
                                  "pacman=Pac-Man  (Midway) =puckman= Namco ==good=1=pacman/pacman.cpp=no\n"
                                  "damaged line without fields\n"
                                  "pong=Pong==Atari=1972=good=2=atari/pong.cpp=no";
        test::writeFile(cache(), before);
        const AvailabilityUpdateResult result = UpdateAvailability(
            cache(),
            AvailableNames::FromVerifyOutput("romset neogeo is good\nromset pong is best available\n"));
        QVERIFY(result.ok);
        QCOMPARE(result.lines, 3);
        QCOMPARE(result.available, 2);
        QCOMPARE(test::readFile(cache()),
                 QByteArray("neogeo=Neo-Geo \xC3\xA9 & co==SNK=1990=imperfect=1=neogeo/neogeo.cpp=yes\r\n"
                            "pacman=Pac-Man  (Midway) =puckman= Namco ==good=2=pacman/pacman.cpp=no\r\n"
                            "damaged line without fields\r\n"
                            "pong=Pong==Atari=1972=good=1=atari/pong.cpp=no\r\n"));

        SetCatalogue catalogue = LoadSetList(cache(), true);
        QString error;
        QVERIFY(
            !UpdateSetEntry(catalogue, m_dir.filePath("none.dat"), "pong", SetState::Unavailable, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SetListCacheTest)
#include "SetListCacheTest.moc"
