// The browser's rules that need no window: search, filters, row lists, the grouped tree, sorting, the
// favourites file, the stored column layout, the main window's layout in twips, and the history database.
#include "TestDirs.h"
#include "browser/info/HistoryDatabase.h"
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

// A history.dat (LF line ends: withLineEnds gives it others) and a history.xml.
const QByteArray kHistoryDat = test::readFixture("window/history.dat");
const QByteArray kHistoryXml = test::readFixture("window/history.xml");

QByteArray withLineEnds(QByteArray text, const QByteArray &lineEnd) {
    return text.replace("\n", lineEnd);
}

// An emulator directory and the history database loaded from it.
struct EmulatorDir {
    QTemporaryDir dir;
    HistoryDatabase history;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    void write(const QString &name, const QByteArray &content) const {
        test::writeFile(path() + name, content);
    }
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
    // A clone whose parent is hidden, or named in the cache but missing, stands at the top level.
    void aCloneWithoutItsParentStandsAtTheTopLevel() {
        QTemporaryDir dir;
        test::writeFile(dir.filePath("qx.dat"),
                        "par=P==Maker=1980=good=2=drv.cpp=no\r\n"
                        "clone=C=par=Maker=1980=good=1=drv.cpp=no\r\n"
                        "ghost=Ghost Clone=nosuchparent=Maker=1984=good=1=drv.cpp=no\r\n"
                        "real=Real Set==Maker=1983=good=2=drv.cpp=no\r\n");
        const SetCatalogue catalogue = LoadSetList(dir.filePath("qx.dat"), true);
        const SetTreeLayout all = SetTreeLayout::Grouped(catalogue, FilteredRows(catalogue, {true, true}));
        QCOMPARE(TopLevelNames(catalogue, all), (QStringList{"par", "real", "ghost"}));
        QCOMPARE(all.nodeCount(), 4);
        const SetTreeLayout available =
            SetTreeLayout::Grouped(catalogue, FilteredRows(catalogue, {true, false}));
        QCOMPARE(TopLevelNames(catalogue, available), (QStringList{"clone", "ghost"}));
        QVERIFY(!available.node(available.topLevel().front()).keyed);
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
    void changesRewriteTheFile() {
        // Before and after, empty for no file; the name added, or removed ("-name"), sorted or appended.
        for (const auto &[before, change, sorted, after] :
             {std::tuple{"", "pacman", true, "pacman\r\n"},
              {"pacman\r\nGalaga\r\n", "zaxxon", true, "Galaga\r\npacman\r\nzaxxon\r\n"},
              {"pacman\r\nGalaga\r\n", "amidar", false, "pacman\r\nGalaga\r\namidar\r\n"},
              {"dkong\r\n", "dkong", true, "dkong\r\n"},
              {"galaga\n\n\r\nmspacman\n\ndkong", "amidar", false,
               "galaga\r\nmspacman\r\ndkong\r\namidar\r\n"},
              {"galaga\nlastline", "-galaga", false, "lastline\r\n"},
              {"puckman\r\ngalaga\r\nnotaset\r\n", "-galaga", false, "puckman\r\nnotaset\r\n"},
              {"dkong\r\n", "-dkong", false, ""},
              {"", "-dkong", false, ""}}) {
            QFile::remove(path());
            if (*before) {
                test::writeFile(path(), before);
            }
            const FavouritesFile favourites(path());
            const QString added = change, name = added.startsWith(QLatin1Char('-')) ? added.mid(1) : added;
            QVERIFY(name == added ? favourites.add(name, sorted) : favourites.remove(name));
            QVERIFY2(favourites.exists() == (*after != 0) && test::readFile(path()) == after, before);
            QVERIFY(favourites.contains(name) == (name == added) && !favourites.contains(name.toUpper()));
        }
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
        QCOMPARE(
            (QList<int>{SplitterLeftFromSetting("onethirdwidth", 9000), SplitterLeftFromSetting("4321", 9000),
                        SplitterLeftFromSetting("garbage", 9000), ClampDraggedSplitter(-300, 9000),
                        ClampDraggedSplitter(8900, 9000), ClampDraggedSplitter(4000, 9000)}),
            (QList<int>{6000, 4321, 6000, 500, 8500, 4000}));
    }

    // The picture stands above the history when both are shown.
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
        // Shown alone, the picture is centred vertically.
        const InfoPanelLayout alone = ComputeInfoPanelLayout(
            {.panelWidth = 5910, .panelHeight = 8000, .pictureHeight = 2000, .captionHeight = 300});
        QCOMPARE((QList<int>{alone.pictureTop, alone.historyTop, alone.historyHeight.value_or(-1)}),
                 (QList<int>{(8000 - 2000) / 2, 300, 8000 - 300}));
    }

    // --- The history database: history.dat and history.xml ---
    // Parents and clones listed in one entry share it, an entry of its own wins over a listing, an entry
    // without its blank line loses three characters; parts of names are no names. history.dat is preferred
    // to history.xml.
    void entriesOfTheDatFile() {
        const QStringList names{"pacman", "puckman", "pacmanf", "galaga", "dkong", "pac", "man"};
        const QString pacman = "Pac-Man (c) 1980 Namco.\nEat the dots.\n\n- TRIVIA -\n";
        const QStringList expected{
            pacman, pacman, "Speed-up hack of its own.\n", "fo=galaga,\nno blank line in this entry\n", "",
            "",     ""};
        for (const QByteArray &lineEnd : {QByteArray("\r\n"), QByteArray("\n")}) {
            EmulatorDir emulator;
            emulator.write("history.xml", kHistoryXml);
            QVERIFY(emulator.loaded("history.dat", withLineEnds(kHistoryDat, lineEnd)));
            QCOMPARE(emulator.history.format(), HistoryDatabase::Format::Dat);
            QCOMPARE(emulator.texts(names), expected);
            QCOMPARE(HistoryDatabase::HistoryRevision(emulator.path()), "History revision: 1.23");
        }
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
        QVERIFY(first.startsWith(QLatin1String("start\n")) &&
                first.size() <= HistoryDatabase::kMaxEntryBytes);
        QCOMPARE(emulator.history.entryText("second"), "Second text\n");
        // Reloading replaces the old index.
        QVERIFY(emulator.loaded("history.dat", "$info=dkong,\n\nDonkey Kong.\n$end\n"));
        QVERIFY(emulator.history.entryText("second").isEmpty() &&
                emulator.history.entryText("dkong") == "Donkey Kong.\n");
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
};

QTEST_GUILESS_MAIN(BrowserCoreTest)
#include "BrowserCoreTest.moc"
