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

} // namespace

class SetRowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The search box's index: description, name and parent as one text, case ignored, whatever the sets'
    // availability; regular expression characters and very long texts are plain text.
    void theSearchIndexFindsTextAcrossFields() {
        const QString longText(10000, QLatin1Char('a'));
        SetCatalogue catalogue(
            {Set(QStringLiteral("cbonus"), QStringLiteral("Super Mega Pa")),
             Set(QStringLiteral("puckman"), QStringLiteral("Puck Man"), QStringLiteral("pacman")),
             Set(QStringLiteral("q1"), QStringLiteral("What? (Japan) [v1.2]*"), {}, SetState::Unavailable),
             Set(QStringLiteral("q2"), QStringLiteral("What (Japan) v1x2")),
             Set(QStringLiteral("strasse"), QStringLiteral("STRAẞE Ärger")),
             Set(QStringLiteral("big"), longText + QStringLiteral("!"))});
        SearchIndex index;
        QVERIFY(!index.isBuiltFor(catalogue));
        index.rebuild(catalogue);
        QVERIFY(index.isBuiltFor(catalogue));
        const std::pair<QString, SetRows> answers[] = {{QStringLiteral("pac"), {0, 1}},
                                                       {QStringLiteral("PACMAN"), {1}},
                                                       {QStringLiteral("(Japan) [v1.2]*"), {2}},
                                                       {QStringLiteral("ärger"), {4}},
                                                       {QStringLiteral("what"), {2, 3}},
                                                       {QStringLiteral(".*"), {}},
                                                       {QStringLiteral("zzz"), {}},
                                                       {longText, {5}},
                                                       {longText + longText, {}}};
        for (const auto &[text, rows] : answers) {
            QCOMPARE(index.search(text), rows);
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
    // Clones go under their parents, nodes are numbered parents first; a search tree is flat.
    void clonesGoUnderTheirParents() {
        const SetCatalogue catalogue(
            {Set(QStringLiteral("clone1"), QStringLiteral("C1"), QStringLiteral("par")),
             Set(QStringLiteral("par"), QStringLiteral("P")),
             Set(QStringLiteral("solo"), QStringLiteral("S"))});
        const SetTreeLayout layout = SetTreeLayout::Grouped(catalogue, {0, 1, 2});
        QCOMPARE(TopLevelNames(catalogue, layout), (QStringList{"par", "solo"}));
        const int parent = layout.topLevel().front();
        QVERIFY(layout.node(parent).keyed);
        QCOMPARE(layout.children(parent), std::vector<int>{2});
        QCOMPARE(layout.node(0).record, qsizetype(1));
        QCOMPARE(layout.node(1).record, qsizetype(2));
        QCOMPARE(layout.node(2).record, qsizetype(0));
        QCOMPARE(layout.node(2).parent, 0);
        const SetTreeLayout flat = SetTreeLayout::Flat({1, 0});
        QCOMPARE(TopLevelNames(catalogue, flat), (QStringList{"par", "clone1"}));
        QVERIFY(flat.children(0).empty());
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

    // Each change rewrites the file with CR LF line ends: sorted ignoring case or appended, a name once; a
    // hand-edited file (LF, blank lines, no last line break) loses no name; the last removal deletes it.
    void changesRewriteTheFile_data() {
        QTest::addColumn<QByteArray>("before"); // empty: no file
        QTest::addColumn<QString>("added");     // or removed: "-name"
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QByteArray>("after"); // empty: no file
        for (const auto &[row, before, change, sorted, after] :
             {std::tuple{"first favourite", "", "pacman", true, "pacman\r\n"},
              {"sorted ignoring case", "pacman\r\nGalaga\r\n", "zaxxon", true,
               "Galaga\r\npacman\r\nzaxxon\r\n"},
              {"appended", "pacman\r\nGalaga\r\n", "amidar", false, "pacman\r\nGalaga\r\namidar\r\n"},
              {"twice", "dkong\r\n", "dkong", true, "dkong\r\n"},
              {"hand-edited", "galaga\n\n\r\nmspacman\n\ndkong", "amidar", false,
               "galaga\r\nmspacman\r\ndkong\r\namidar\r\n"},
              {"removed from a hand-edited file", "galaga\nlastline", "-galaga", false, "lastline\r\n"},
              {"removed, unknown names kept", "puckman\r\ngalaga\r\nnotaset\r\n", "-galaga", false,
               "puckman\r\nnotaset\r\n"},
              {"last removed", "dkong\r\n", "-dkong", false, ""},
              {"removed without a file", "", "-dkong", false, ""}}) {
            QTest::newRow(row) << QByteArray(before) << QString::fromUtf8(change) << sorted
                               << QByteArray(after);
        }
    }
    void changesRewriteTheFile() {
        QFETCH(QByteArray, before);
        QFETCH(QString, added);
        QFETCH(bool, sorted);
        QFETCH(QByteArray, after);
        if (!before.isEmpty()) {
            test::writeFile(path(), before);
        }
        const FavouritesFile favourites(path());
        const QString name = added.startsWith(QLatin1Char('-')) ? added.mid(1) : added;
        QVERIFY(name == added ? favourites.add(name, sorted) : favourites.remove(name));
        QCOMPARE(favourites.exists(), !after.isEmpty());
        QCOMPARE(test::readFile(path()), after);
        QCOMPARE(favourites.contains(name), name == added);
        QVERIFY(!favourites.contains(name.toUpper()));
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
};

class HeaderSortStateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each column remembers its direction; the first click sorts ascending; columns outside the list are
    // none.
    void eachColumnRemembersItsDirection() {
        HeaderSortState sort;
        QVERIFY(!sort.isSorted());
        const std::pair<SetColumn, bool> clicks[] = {
            {SetColumn::Description, false}, {SetColumn::Year, false}, {SetColumn::Year, true},
            {SetColumn::Name, false},        {SetColumn::Year, true},  {SetColumn::Year, false}};
        for (const auto &[column, descending] : clicks) {
            sort.click(column);
            QCOMPARE(sort.sortColumn(), column);
            QCOMPARE(sort.descending(), descending);
        }
        QCOMPARE(SetColumnAt(6), SetColumn::Driver);
        QCOMPARE(SetColumnAt(7), std::nullopt);
        QCOMPARE(SetColumnAt(-1), std::nullopt);
    }
};

class ColumnLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Stored orders and widths that do not fit the seven columns give way to the defaults.
    void storedColumnLists_data() {
        QTest::addColumn<bool>("widths");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("applied");
        const char *order = "0,1,2,3,4,5,6";
        const char *width = "240,80,80,67,125,77,90";
        for (const auto &[row, widths, stored, applied] :
             {std::tuple{"order with eighth number", false, "0,1,2,3,4,5,6,7", order},
              {"moved", false, "2,0,1,3,4,6,5", "2,0,1,3,4,6,5"},
              {"missing order", false, "=", order},
              {"too few", false, "1,0,2", order},
              {"a column twice", false, "0,0,2,3,4,5,6", order},
              {"out of range", false, "0,1,2,3,4,5,9", order},
              {"not numbers", false, "a,b,c,d,e,f,g", order},
              {"widths", true, "300,60,60,50,100,70,80", "300,60,60,50,100,70,80"},
              {"missing widths", true, "=", width},
              {"six widths", true, "1,2,3,4,5,6", width},
              {"negative width", true, "1,2,3,4,5,6,-7", width}}) {
            QTest::newRow(row) << widths << stored << applied;
        }
    }
    void storedColumnLists() {
        QFETCH(bool, widths);
        QFETCH(QString, stored);
        QFETCH(QString, applied);
        QCOMPARE(FormatColumnList(widths ? ParseColumnWidths(stored) : ParseColumnOrder(stored)), applied);
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
