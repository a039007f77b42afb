// The browser's rules that need no window: search, filters, row lists, the grouped tree, sorting, the
// favourites file, the stored column layout, and the main window's layout in twips.
#include "TestDirs.h"
#include "browser/info/InfoPanelLayout.h"
#include "browser/setlist/ColumnLayout.h"
#include "browser/setlist/FavouritesFile.h"
#include "browser/setlist/ModSort.h"
#include "browser/setlist/SetRows.h"
#include "browser/setlist/SetSearch.h"
#include "browser/setlist/SetTreeLayout.h"
#include "browser/window/MainLayout.h"
#include "catalogue/SetListCache.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

namespace {

SetRecord Set(const QString &name, const QString &description, const QString &parent = {},
              SetState state = SetState::Available, const QString &year = "1980") {
    SetRecord record;
    record.Name = name;
    record.Description = description;
    record.Parent = parent;
    record.State = state;
    record.Year = year;
    record.Manufacturer = "Maker";
    record.Bios = "no";
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

QStringList TopLevelNames(const SetCatalogue &catalogue, const SetTreeLayout &layout) {
    QStringList names;
    for (const int node : layout.topLevel()) {
        names << catalogue.at(layout.node(node).record).toRecord().Name;
    }
    return names;
}

} // namespace

class BrowserCoreTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("qx_fav.dat"); }

private Q_SLOTS:
    // The search box's index: description, name and parent as one text, case ignored, whatever the sets'
    // availability; regular expression characters and very long texts are plain text.
    void theSearchIndexFindsTextAcrossFields() {
        const QString longText(10000, QLatin1Char('a'));
        SetCatalogue catalogue({Set("cbonus", "Super Mega Pa"), Set("puckman", "Puck Man", "pacman"),
                                Set("q1", "What? (Japan) [v1.2]*", {}, SetState::Unavailable),
                                Set("q2", "What (Japan) v1x2"), Set("strasse", "STRAẞE Ärger"),
                                Set("big", longText + "!")});
        SearchIndex index;
        QVERIFY(!index.isBuiltFor(catalogue));
        index.rebuild(catalogue);
        QVERIFY(index.isBuiltFor(catalogue));
        const std::pair<QString, SetRows> answers[] = {
            {"pac", {0, 1}}, {"PACMAN", {1}},  {"(Japan) [v1.2]*", {2}},
            {"ärger", {4}},  {"what", {2, 3}}, {".*", {}},
            {"zzz", {}},     {longText, {5}},  {longText + longText, {}}};
        for (const auto &[text, rows] : answers) {
            QCOMPARE(index.search(text), rows);
        }
        catalogue = SetCatalogue({Set("x", "X")});
        QVERIFY(!index.isBuiltFor(catalogue));
    }

    void availabilityFiltersChooseSets() {
        const SetCatalogue catalogue(
            {Set("a", "A"), Set("u", "U", {}, SetState::Unavailable), Set("a2", "A2")});
        QStringList shown;
        for (const auto &[available, unavailable] :
             {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
            shown << NamesOf(catalogue, FilteredRows(catalogue, {available, unavailable})).join(',');
        }
        QCOMPARE(shown, (QStringList{"a,u,a2", "a,a2", "u", ""}));
    }

    void favouriteRowsFollowTheFileAndSkipUnknownNames() {
        const SetCatalogue catalogue({Set("a", "A", {}, SetState::Unavailable), Set("b", "B")});
        QCOMPARE(NamesOf(catalogue, FavouriteRows(catalogue, {"b", "gone", "A", "a"})),
                 (QStringList{"b", "a"}));
    }

    void columnSortIsByTextIgnoringCaseAndKeepsTies() {
        const SetCatalogue catalogue({Set("n1", "beta", {}, SetState::Available, "1999"),
                                      Set("n2", "Alpha", {}, SetState::Available, "19??"),
                                      Set("n3", "alpha", {}, SetState::Available, "1980"),
                                      Set("n4", "Gamma", {}, SetState::Available, "")});
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
        // A header click outside the seven columns sorts by none.
        QVERIFY(SetColumnAt(6) == SetColumn::Driver && !SetColumnAt(7) && !SetColumnAt(-1));
    }
    void anAvailableCloneOfAHiddenParentStandsAtTheTopLevel() {
        const SetCatalogue catalogue({Set("par", "P", {}, SetState::Unavailable), Set("clone", "C", "par")});
        const SetTreeLayout layout =
            SetTreeLayout::Grouped(catalogue, FilteredRows(catalogue, {true, false}));
        QCOMPARE(TopLevelNames(catalogue, layout), QStringList{"clone"});
        QVERIFY(!layout.node(layout.topLevel().front()).keyed);
    }

    void aParentNamedInTheCacheButMissingLeavesTheCloneAtTheTopLevel() {
        QTemporaryDir dir;
        const QString cache = dir.filePath("qx.dat");
        test::writeFile(cache, "ghost=Ghost Clone=nosuchparent=Maker=1984=good=1=drv.cpp=no\r\n"
                               "real=Real Set==Maker=1983=good=2=drv.cpp=no\r\n");
        const SetCatalogue catalogue = LoadSetList(cache, true);
        QCOMPARE(catalogue.size(), qsizetype(2));
        const SetTreeLayout layout = SetTreeLayout::Grouped(catalogue, FilteredRows(catalogue, {true, true}));
        QCOMPARE(TopLevelNames(catalogue, layout), (QStringList{"real", "ghost"}));
        QCOMPARE(layout.nodeCount(), 2);
    }
    // Equal texts are picked earliest first, and the swap moves the displaced one behind them: the fast
    // sort must give the plain selection sort's order on texts full of ties.
    void agreesWithTheSelectionSortOnRandomTexts() {
        QRandomGenerator random(20240611);
        const QStringList alphabet{"a", "A", "b", "B", "ab", "Ab", "aB", "c"};
        for (int round = 0; round < 200; ++round) {
            QStringList texts;
            const int count = int(random.bounded(0, 30));
            for (int i = 0; i < count; ++i) {
                texts << alphabet.at(int(random.bounded(quint32(alphabet.size()))));
            }
            QStringList expected = texts;
            ReferenceSelectionSort(expected);
            ModSort(texts);
            QCOMPARE(texts, expected);
        }
    }

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
        QFile::remove(path());
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
    // Stored orders and widths that do not fit the seven columns give way to the defaults: an eighth
    // number, too few, a column twice or out of range, no numbers, a negative width.
    void storedColumnLists() {
        const char *order = "0,1,2,3,4,5,6", *width = "240,80,80,67,125,77,90";
        for (const auto &[widths, stored, applied] :
             {std::tuple{false, "0,1,2,3,4,5,6,7", order},
              {false, "2,0,1,3,4,6,5", "2,0,1,3,4,6,5"},
              {false, "=", order},
              {false, "1,0,2", order},
              {false, "0,0,2,3,4,5,6", order},
              {false, "0,1,2,3,4,5,9", order},
              {false, "a,b,c,d,e,f,g", order},
              {true, "300,60,60,50,100,70,80", "300,60,60,50,100,70,80"},
              {true, "=", width},
              {true, "1,2,3,4,5,6", width},
              {true, "1,2,3,4,5,6,-7", width}}) {
            QCOMPARE(FormatColumnList(widths ? ParseColumnWidths(stored) : ParseColumnOrder(stored)),
                     QString(applied));
        }
    }

    // --- The main window's layout rules, in twips ---
    void aSavedWindowFarOffIsBroughtBackWithinReach() {
        const QRect screen(0, 0, 1280, 1000);
        QCOMPARE(ReachableWindowRect(QRect(100, 50, 700, 500), screen), QRect(100, 50, 700, 500));
        const QRect far(TwipsToPixels(1e308), TwipsToPixels(-1e308), kMaxPixels, 500);
        QCOMPARE(ReachableWindowRect(far, screen), QRect(1180, 0, 1280, 500)); // 100 pixels in reach
        QCOMPARE(PixelsToTwips(far.x()), kMaxPixels * kTwipsPerPixel);         // no overflow on the way back
        QCOMPARE(TwipsToPixels(std::nan("")), 0);
    }

    // The splitter leaves the picture its width; without the panel the list takes the whole width between
    // the toolbar and the status bar.
    void theSplitterAndTheList() {
        const MainLayoutInput picture{.innerWidth = 10000,
                                      .innerHeight = 6000,
                                      .splitterLeft = 7000,
                                      .infoPanelVisible = true,
                                      .pictureWidth = 4000};
        QCOMPARE(ComputeMainLayout(picture).splitterLeft, 10000 - 4000 - 250);
        const MainLayoutResult alone = ComputeMainLayout({.innerWidth = 9000,
                                                          .innerHeight = 6000,
                                                          .toolbarHeight = 400,
                                                          .statusBarHeight = 300,
                                                          .splitterLeft = 3000});
        QCOMPARE(alone.list, (TwipsRect{0, 400, 9000, 6000 - 400 - 300}));
        QVERIFY(alone.splitter.top == 400 && alone.splitter.height == 5300);
        QCOMPARE(SplitterLeftFromSetting("onethirdwidth", 9000), 6000);
        QCOMPARE(SplitterLeftFromSetting("4321", 9000), 4321);
        QCOMPARE(SplitterLeftFromSetting("garbage", 9000), 6000);
        QCOMPARE((QList<int>{ClampDraggedSplitter(-300, 9000), ClampDraggedSplitter(8900, 9000),
                             ClampDraggedSplitter(4000, 9000)}),
                 (QList<int>{500, 8500, 4000}));
    }

    void pictureAboveHistoryWhenBothAreShown() {
        const MainLayoutResult window = ComputeMainLayout({.innerWidth = 12000,
                                                           .innerHeight = 8000,
                                                           .outerWidth = 12200,
                                                           .splitterLeft = 6000,
                                                           .infoPanelVisible = true,
                                                           .pictureWidth = 3000});
        const int panelWidth = 12000 - 6000 - kSplitterWidthTwips;
        QCOMPARE(window.infoPanel, (TwipsRect{6000 + kSplitterWidthTwips, 0, panelWidth, 8000}));
        QCOMPARE(window.searchBoxWidth, 12200 - 3200);
        const InfoPanelLayout out = ComputeInfoPanelLayout({.panelWidth = panelWidth,
                                                            .panelHeight = 8000,
                                                            .bothShown = true,
                                                            .pictureWidth = 3000,
                                                            .pictureHeight = 2000,
                                                            .captionHeight = 300});
        QCOMPARE((QList<int>{out.pictureTop, out.pictureLeft, out.historyTop, out.historyHeight.value_or(-1),
                             out.historyLeft, out.historyWidth, out.scrollBarLeft}),
                 (QList<int>{300, (panelWidth - 3000) / 2 - 30, 2000 + 475, 8000 - 2475, 25, panelWidth - 25,
                             panelWidth - 500}));
        // A picture that fills the panel leaves the history's height alone.
        QVERIFY(!ComputeInfoPanelLayout(
                     {.panelWidth = 5910, .panelHeight = 2000, .bothShown = true, .pictureHeight = 3000})
                     .historyHeight.has_value());
    }

    void pictureCentredVerticallyWhenShownAlone() {
        const InfoPanelLayout out = ComputeInfoPanelLayout(
            {.panelWidth = 5910, .panelHeight = 8000, .pictureHeight = 2000, .captionHeight = 300});
        QCOMPARE((QList<int>{out.pictureTop, out.historyTop, out.historyHeight.value_or(-1)}),
                 (QList<int>{(8000 - 2000) / 2, 300, 8000 - 300}));
    }
};

QTEST_GUILESS_MAIN(BrowserCoreTest)
#include "BrowserCoreTest.moc"
