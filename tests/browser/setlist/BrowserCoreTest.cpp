// The browser's rules that need no window: search, filters, row lists, the grouped tree, sorting, the
// favourites file and the stored column layout.
#include "TestDirs.h"
#include "browser/setlist/ColumnLayout.h"
#include "browser/setlist/FavouritesFile.h"
#include "browser/setlist/HeaderSortState.h"
#include "browser/setlist/ModSort.h"
#include "browser/setlist/SetRows.h"
#include "browser/setlist/SetSearch.h"
#include "browser/setlist/SetTreeLayout.h"
#include "catalogue/SetListCache.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

namespace {

SetRecord Set(const QString &name, const QString &description, const QString &parent = {},
              SetState state = SetState::Available, const QString &year = QStringLiteral("1980")) {
    SetRecord record;
    record.Name = name;
    record.Description = description;
    record.Parent = parent;
    record.State = state;
    record.Year = year;
    record.Manufacturer = QStringLiteral("Maker");
    record.Bios = QStringLiteral("no");
    return record;
}

QStringList NamesOf(const SetCatalogue &catalogue, const SetRows &rows) {
    QStringList names;
    for (const qsizetype row : rows) {
        names << catalogue.at(row).toRecord().Name;
    }
    return names;
}

// The plain selection sort the favourites order is defined by, to check the fast one against.
void ReferenceSelectionSort(QStringList &texts) {
    for (qsizetype i = 0; i + 1 < texts.size(); ++i) {
        qsizetype smallest = i;
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            if (texts.at(j).compare(texts.at(smallest), Qt::CaseInsensitive) < 0) {
                smallest = j;
            }
        }
        texts.swapItemsAt(i, smallest);
    }
}

// What the browser's search box finds: a search index of the catalogue, asked once.
SetRows SearchRows(const SetCatalogue &catalogue, const QString &text) {
    SearchIndex index;
    index.rebuild(catalogue);
    return index.search(text);
}

} // namespace

class SetRowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchMatchesAcrossTheSeamOfTwoFields() {
        const SetCatalogue catalogue({Set(QStringLiteral("cbonus"), QStringLiteral("Super Mega Pa")),
                                      Set(QStringLiteral("other"), QStringLiteral("Pa Nothing"))});
        QCOMPARE(NamesOf(catalogue, SearchRows(catalogue, QStringLiteral("pac"))), QStringList{"cbonus"});
    }

    void searchIgnoresCaseAndLooksAtParentToo() {
        const SetCatalogue catalogue(
            {Set(QStringLiteral("pacman"), QStringLiteral("Pac-Man")),
             Set(QStringLiteral("puckman"), QStringLiteral("Puck Man"), QStringLiteral("pacman")),
             Set(QStringLiteral("dkong"), QStringLiteral("Donkey Kong"))});
        QCOMPARE(NamesOf(catalogue, SearchRows(catalogue, QStringLiteral("PACMAN"))),
                 (QStringList{"pacman", "puckman"}));
    }

    void searchIgnoresTheAvailabilityOfSets() {
        const SetCatalogue catalogue(
            {Set(QStringLiteral("a1"), QStringLiteral("Alpha"), {}, SetState::Unavailable),
             Set(QStringLiteral("a2"), QStringLiteral("Alpha Two"))});
        QCOMPARE(SearchRows(catalogue, QStringLiteral("alpha")).size(), std::size_t(2));
    }

    void searchTreatsRegexCharactersAndLongTextsAsText() {
        const SetCatalogue catalogue({Set(QStringLiteral("q1"), QStringLiteral("What? (Japan) [v1.2]*")),
                                      Set(QStringLiteral("q2"), QStringLiteral("What (Japan) v1x2"))});
        QCOMPARE(NamesOf(catalogue, SearchRows(catalogue, QStringLiteral("(Japan) [v1.2]*"))),
                 QStringList{"q1"});
        QCOMPARE(NamesOf(catalogue, SearchRows(catalogue, QStringLiteral(".*"))), QStringList{});
        const QString longText(10000, QLatin1Char('a'));
        QVERIFY(SearchRows(catalogue, longText).empty());
        const SetCatalogue huge({Set(QStringLiteral("big"), longText + QStringLiteral("!"))});
        QCOMPARE(SearchRows(huge, longText).size(), std::size_t(1));
    }

    void theSearchIndexAnswersEachTextAndKnowsItsCatalogue() {
        SetCatalogue catalogue(
            {Set(QStringLiteral("cbonus"), QStringLiteral("Super Mega Pa")),
             Set(QStringLiteral("puckman"), QStringLiteral("Puck Man"), QStringLiteral("pacman")),
             Set(QStringLiteral("q1"), QStringLiteral("What? (Japan) [v1.2]*")),
             Set(QStringLiteral("strasse"), QStringLiteral("STRAẞE Ärger"))});
        SearchIndex index;
        QVERIFY(!index.isBuiltFor(catalogue));
        index.rebuild(catalogue);
        QVERIFY(index.isBuiltFor(catalogue));
        const std::pair<const char *, SetRows> answers[] = {{"pac", {0, 1}}, {"PUCK", {1}}, {"[v1.2]*", {2}},
                                                            {"ärger", {3}},  {"e", {0, 3}}, {"zzz", {}}};
        for (const auto &[text, rows] : answers) {
            QCOMPARE(index.search(QString::fromUtf8(text)), rows);
        }
        catalogue = SetCatalogue({Set(QStringLiteral("x"), QStringLiteral("X"))});
        QVERIFY(!index.isBuiltFor(catalogue));
    }

    void availabilityFiltersChooseSets_data() {
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("unavailable");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("both") << true << true << QStringList{"a", "u", "a2"};
        QTest::newRow("available only") << true << false << QStringList{"a", "a2"};
        QTest::newRow("unavailable only") << false << true << QStringList{"u"};
        QTest::newRow("neither") << false << false << QStringList{};
    }
    void availabilityFiltersChooseSets() {
        QFETCH(bool, available);
        QFETCH(bool, unavailable);
        QFETCH(QStringList, expected);
        const SetCatalogue catalogue(
            {Set(QStringLiteral("a"), QStringLiteral("A")),
             Set(QStringLiteral("u"), QStringLiteral("U"), {}, SetState::Unavailable),
             Set(QStringLiteral("a2"), QStringLiteral("A2"))});
        QCOMPARE(NamesOf(catalogue, FilteredRows(catalogue, {available, unavailable})), expected);
    }

    void favouriteRowsFollowTheFileAndSkipUnknownNames() {
        const SetCatalogue catalogue(
            {Set(QStringLiteral("a"), QStringLiteral("A"), {}, SetState::Unavailable),
             Set(QStringLiteral("b"), QStringLiteral("B"))});
        QCOMPARE(NamesOf(catalogue, FavouriteRows(catalogue, {"b", "gone", "A", "a"})),
                 (QStringList{"b", "a"}));
    }

    void columnSortIsByTextIgnoringCaseAndKeepsTies() {
        const SetCatalogue catalogue(
            {Set(QStringLiteral("n1"), QStringLiteral("beta"), {}, SetState::Available, "1999"),
             Set(QStringLiteral("n2"), QStringLiteral("Alpha"), {}, SetState::Available, "19??"),
             Set(QStringLiteral("n3"), QStringLiteral("alpha"), {}, SetState::Available, "1980"),
             Set(QStringLiteral("n4"), QStringLiteral("Gamma"), {}, SetState::Available, "")});
        SetRows rows{0, 1, 2, 3};
        SortRowsByColumn(catalogue, rows, SetColumn::Description, false);
        QCOMPARE(NamesOf(catalogue, rows), (QStringList{"n2", "n3", "n1", "n4"}));
        SortRowsByColumn(catalogue, rows, SetColumn::Description, true);
        QCOMPARE(NamesOf(catalogue, rows), (QStringList{"n4", "n1", "n2", "n3"}));
        SortRowsByColumn(catalogue, rows, SetColumn::Year, false); // as text
        QCOMPARE(NamesOf(catalogue, rows), (QStringList{"n4", "n3", "n1", "n2"}));
        SetRows subset{3, 2, 0};
        SortRowsByRank(subset, ColumnRanks(catalogue, SetColumn::Description), false);
        QCOMPARE(NamesOf(catalogue, subset), (QStringList{"n3", "n1", "n4"}));
    }
};

class SetTreeLayoutTest : public QObject {
    Q_OBJECT

    static QStringList TopLevelNames(const SetCatalogue &catalogue, const SetTreeLayout &layout) {
        QStringList names;
        for (const int node : layout.topLevel()) {
            names << catalogue.at(layout.node(node).record).toRecord().Name;
        }
        return names;
    }

private Q_SLOTS:
    void clonesGoUnderTheirParents() {
        const SetCatalogue catalogue(
            {Set(QStringLiteral("clone1"), QStringLiteral("C1"), QStringLiteral("par")),
             Set(QStringLiteral("par"), QStringLiteral("P")),
             Set(QStringLiteral("solo"), QStringLiteral("S"))});
        const SetTreeLayout layout = SetTreeLayout::Grouped(catalogue, {0, 1, 2});
        QCOMPARE(TopLevelNames(catalogue, layout), (QStringList{"par", "solo"}));
        const int parent = layout.topLevel().front();
        QVERIFY(layout.node(parent).keyed);
        QCOMPARE(layout.children(parent).size(), std::size_t(1));
        QCOMPARE(layout.node(layout.children(parent).front()).record, qsizetype(0));
    }

    void anAvailableCloneOfAHiddenParentStandsAtTheTopLevel() {
        const SetCatalogue catalogue(
            {Set(QStringLiteral("par"), QStringLiteral("P"), {}, SetState::Unavailable),
             Set(QStringLiteral("clone"), QStringLiteral("C"), QStringLiteral("par"))});
        const SetTreeLayout layout =
            SetTreeLayout::Grouped(catalogue, FilteredRows(catalogue, {true, false}));
        QCOMPARE(TopLevelNames(catalogue, layout), QStringList{"clone"});
        QVERIFY(!layout.node(layout.topLevel().front()).keyed);
    }

    void aParentNamedInTheCacheButMissingLeavesTheCloneAtTheTopLevel() {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("qx.dat"));
        test::writeFile(cache, "ghost=Ghost Clone=nosuchparent=Maker=1984=good=1=drv.cpp=no\r\n"
                               "real=Real Set==Maker=1983=good=2=drv.cpp=no\r\n");
        const SetCatalogue catalogue = LoadSetList(cache, true);
        QCOMPARE(catalogue.size(), qsizetype(2));
        const SetTreeLayout layout = SetTreeLayout::Grouped(catalogue, FilteredRows(catalogue, {true, true}));
        QCOMPARE(TopLevelNames(catalogue, layout), (QStringList{"real", "ghost"}));
        QCOMPARE(layout.nodeCount(), 2);
    }

    void nodesAreWalkedParentsFirst() {
        const SetCatalogue catalogue({Set(QStringLiteral("c"), QStringLiteral("C"), QStringLiteral("p")),
                                      Set(QStringLiteral("p"), QStringLiteral("P")),
                                      Set(QStringLiteral("q"), QStringLiteral("Q"))});
        const SetTreeLayout layout = SetTreeLayout::Grouped(catalogue, {0, 1, 2});
        QCOMPARE(layout.node(0).record, qsizetype(1));
        QCOMPARE(layout.node(1).record, qsizetype(2));
        QCOMPARE(layout.node(2).record, qsizetype(0));
        QCOMPARE(layout.node(2).parent, 0);
    }

    void aSearchTreeIsFlat() {
        const SetCatalogue catalogue({Set(QStringLiteral("p"), QStringLiteral("P")),
                                      Set(QStringLiteral("c"), QStringLiteral("C"), QStringLiteral("p"))});
        const SetTreeLayout layout = SetTreeLayout::Flat({0, 1});
        QCOMPARE(TopLevelNames(catalogue, layout), (QStringList{"p", "c"}));
        QVERIFY(layout.children(0).empty());
    }
};

class ModSortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortsAscendingIgnoringCase_data() {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("mixed case") << QStringList{"b", "A", "c"} << QStringList{"A", "b", "c"};
        QTest::newRow("one") << QStringList{"x"} << QStringList{"x"};
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("favourite names")
            << QStringList{"pacman", "Galaga", "zaxxon"} << QStringList{"Galaga", "pacman", "zaxxon"};
        // Equal texts are picked earliest first, and the swap moves the displaced one behind them.
        QTest::newRow("ties") << QStringList{"b", "a", "B", "A"} << QStringList{"a", "A", "B", "b"};
    }
    void sortsAscendingIgnoringCase() {
        QFETCH(QStringList, input);
        QFETCH(QStringList, expected);
        ModSort(input);
        QCOMPARE(input, expected);
    }

    void agreesWithTheSelectionSortOnRandomTexts() {
        QRandomGenerator random(20240611);
        const QStringList alphabet{"a", "A", "b", "B", "ab", "Ab", "aB", "c"};
        for (int round = 0; round < 200; ++round) {
            QStringList texts;
            const int count = int(random.bounded(1, 30));
            for (int i = 0; i < count; ++i) {
                texts << alphabet.at(int(random.bounded(quint32(alphabet.size()))));
            }
            QStringList expected = texts;
            ReferenceSelectionSort(expected);
            ModSort(texts);
            QCOMPARE(texts, expected);
        }
    }
};

class FavouritesFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("qx_fav.dat")); }

private Q_SLOTS:
    void init() { QFile::remove(path()); }

    void theFirstFavouriteCreatesTheFile() {
        const FavouritesFile favourites(path());
        QVERIFY(!favourites.exists());
        QVERIFY(!favourites.contains(QStringLiteral("pacman")));
        QVERIFY(favourites.add(QStringLiteral("pacman"), true));
        QCOMPARE(test::readFile(path()), QByteArray("pacman\r\n"));
        QVERIFY(favourites.contains(QStringLiteral("pacman")));
        QVERIFY(!favourites.contains(QStringLiteral("Pacman")));
    }

    void sortedFavouritesIgnoreCase() {
        test::writeFile(path(), "pacman\r\nGalaga\r\n");
        QVERIFY(FavouritesFile(path()).add(QStringLiteral("zaxxon"), true));
        QCOMPARE(test::readFile(path()), QByteArray("Galaga\r\npacman\r\nzaxxon\r\n"));
    }

    void unsortedFavouritesAreAppended() {
        test::writeFile(path(), "pacman\r\nGalaga\r\n");
        QVERIFY(FavouritesFile(path()).add(QStringLiteral("amidar"), false));
        QCOMPARE(test::readFile(path()), QByteArray("pacman\r\nGalaga\r\namidar\r\n"));
    }

    void addingAFavouriteTwiceWritesItOnce() {
        const FavouritesFile favourites(path());
        QVERIFY(favourites.add(QStringLiteral("dkong"), true));
        QVERIFY(favourites.add(QStringLiteral("dkong"), true));
        QCOMPARE(test::readFile(path()), QByteArray("dkong\r\n"));
    }

    void handEditedFilesAreReadWithoutLosingLines() {
        // LF line ends, blank lines, and a last line without a line break.
        test::writeFile(path(), "galaga\n\n\r\nmspacman\n\ndkong");
        const FavouritesFile favourites(path());
        QCOMPARE(favourites.names(), (QStringList{"galaga", "mspacman", "dkong"}));
        QVERIFY(favourites.contains(QStringLiteral("dkong")));
        QVERIFY(favourites.add(QStringLiteral("amidar"), false));
        QCOMPARE(test::readFile(path()), QByteArray("galaga\r\nmspacman\r\ndkong\r\namidar\r\n"));
        test::writeFile(path(), "galaga\nlastline");
        QVERIFY(favourites.remove(QStringLiteral("galaga")));
        QCOMPARE(test::readFile(path()), QByteArray("lastline\r\n"));
    }

    void removingTheLastFavouriteDeletesTheFile() {
        test::writeFile(path(), "dkong\r\n");
        const FavouritesFile favourites(path());
        QVERIFY(favourites.remove(QStringLiteral("dkong")));
        QVERIFY(!favourites.exists());
        QVERIFY(favourites.remove(QStringLiteral("dkong"))); // nothing to do
    }

    void removingKeepsNamesTheCatalogueLacks() {
        test::writeFile(path(), "puckman\r\ngalaga\r\nnotaset\r\n");
        QVERIFY(FavouritesFile(path()).remove(QStringLiteral("galaga")));
        QCOMPARE(test::readFile(path()), QByteArray("puckman\r\nnotaset\r\n"));
    }

    void aHundredThousandFavouritesSortAndRemove() {
        QByteArray content;
        for (int i = 100000; i > 0; --i) {
            content += "set" + QByteArray::number(i) + "\r\n";
        }
        test::writeFile(path(), content);
        const FavouritesFile favourites(path());
        QVERIFY(favourites.add(QStringLiteral("Aaa"), true));
        const QStringList names = favourites.names();
        QCOMPARE(names.size(), 100001);
        QCOMPARE(names.first(), QStringLiteral("Aaa"));
        QCOMPARE(names.at(1), QStringLiteral("set1"));
        QCOMPARE(names.at(2), QStringLiteral("set10"));
        QVERIFY(favourites.remove(QStringLiteral("set50000")));
        QCOMPARE(favourites.names().size(), 100000);
    }

    void theTrayListsFoundFavouritesInFileOrder() {
        const SetCatalogue catalogue({Set(QStringLiteral("dkong"), QStringLiteral("Donkey Kong")),
                                      Set(QStringLiteral("galaga"), QStringLiteral("Galaga"))});
        const FavouritesFile favourites(path());
        QVERIFY(TrayFavouriteEntries(catalogue, favourites).isEmpty());
        test::writeFile(path(), "galaga\r\nmissing\r\ndkong\r\n");
        const QList<TrayFavourite> entries = TrayFavouriteEntries(catalogue, favourites);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).description, QStringLiteral("Galaga"));
        QCOMPARE(entries.at(1).name, QStringLiteral("dkong"));
        test::writeFile(path(), "missing\r\n");
        QVERIFY(TrayFavouriteEntries(catalogue, favourites).isEmpty());
    }
};

class HeaderSortStateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachColumnRemembersItsDirection() {
        HeaderSortState sort;
        QVERIFY(!sort.isSorted());
        const SetColumn year = SetColumn::Year;
        const SetColumn name = SetColumn::Name;
        sort.click(year);
        QCOMPARE(sort.sortColumn(), year);
        QVERIFY(!sort.descending());
        sort.click(year);
        QVERIFY(sort.descending());
        sort.click(name);
        QCOMPARE(sort.sortColumn(), name);
        QVERIFY(!sort.descending());
        sort.click(year);
        QCOMPARE(sort.sortColumn(), year);
        QVERIFY(sort.descending());
        sort.click(year);
        QVERIFY(!sort.descending());
    }

    void theFirstClickOnDescriptionSortsAscending() {
        HeaderSortState sort;
        sort.click(SetColumn::Description);
        QCOMPARE(sort.sortColumn(), SetColumn::Description);
        QVERIFY(!sort.descending());
    }

    void columnsOutsideTheListAreNone() {
        QCOMPARE(SetColumnAt(6), SetColumn::Driver);
        QCOMPARE(SetColumnAt(7), std::nullopt);
        QCOMPARE(SetColumnAt(-1), std::nullopt);
    }
};

class ColumnLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnOrder_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("applied");
        QTest::newRow("default with eighth number") << "0,1,2,3,4,5,6,7"
                                                    << "0,1,2,3,4,5,6";
        QTest::newRow("moved") << "2,0,1,3,4,6,5"
                               << "2,0,1,3,4,6,5";
        QTest::newRow("missing key") << "="
                                     << "0,1,2,3,4,5,6";
        QTest::newRow("too few") << "1,0,2"
                                 << "0,1,2,3,4,5,6";
        QTest::newRow("a column twice") << "0,0,2,3,4,5,6"
                                        << "0,1,2,3,4,5,6";
        QTest::newRow("out of range") << "0,1,2,3,4,5,9"
                                      << "0,1,2,3,4,5,6";
        QTest::newRow("not numbers") << "a,b,c,d,e,f,g"
                                     << "0,1,2,3,4,5,6";
    }
    void columnOrder() {
        QFETCH(QString, stored);
        QFETCH(QString, applied);
        QCOMPARE(FormatColumnList(ParseColumnOrder(stored)), applied);
    }

    void columnWidths_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("applied");
        QTest::newRow("stored") << "300,60,60,50,100,70,80"
                                << "300,60,60,50,100,70,80";
        QTest::newRow("missing key") << "="
                                     << "240,80,80,67,125,77,90";
        QTest::newRow("six numbers") << "1,2,3,4,5,6"
                                     << "240,80,80,67,125,77,90";
        QTest::newRow("negative") << "1,2,3,4,5,6,-7"
                                  << "240,80,80,67,125,77,90";
    }
    void columnWidths() {
        QFETCH(QString, stored);
        QFETCH(QString, applied);
        QCOMPARE(FormatColumnList(ParseColumnWidths(stored)), applied);
    }
};

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    SetRowsTest rows;
    SetTreeLayoutTest tree;
    ModSortTest sort;
    FavouritesFileTest favourites;
    HeaderSortStateTest header;
    ColumnLayoutTest columns;
    for (QObject *test :
         std::initializer_list<QObject *>{&rows, &tree, &sort, &favourites, &header, &columns}) {
        failures += QTest::qExec(test, argc, argv);
    }
    return failures;
}

#include "BrowserCoreTest.moc"
