#include "dialogs/BiosListDialog.h"

#include "LaunchTestSetup.h"
#include "WhileModalShown.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/StateIcons.h"
#include "browser/window/StatusPanels.h"
#include "dialogs/VerifyOutputWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTableView>

using namespace qx;
using namespace qx::test;

namespace {

// BIOS sets in both states among lines the list passes over (a game, an empty BIOS flag, too few fields,
// ten fields); one description is not UTF-8.
const QByteArray kCache = "neogeo=Neo-Geo MV-6F==SNK=1990=good=1=neogeo.cpp=yes\r\n"
                          "pacman=Pac-Man=puckman=Namco=1980=good=1=pacman.cpp=no\r\n"
                          "odd=Odd==Maker=1990=good=1=odd.cpp=\r\nshort=Short BIOS=yes\r\n"
                          "equals=A=B==Maker=1999=good=1=equals.cpp=yes\r\n"
                          "pgm=PGM System BIOS==IGS=1997=imperfect=2=pgm.cpp=yes\r\n"
                          "cafe=Caf\xe9 BIOS==Maker=1999=good=2=cafe.cpp=yes\r\n";

// A main window over the stand-in and a qx.dat; the stand-in answers -verifyroms as the test says.
struct BiosSetup : LaunchSetup {
    explicit BiosSetup(const QByteArray &cache = kCache) {
        writeFile(window->state().cachePath(), cache);
        window->attachParts();
        answerVerify({});
    }
    void answerVerify(const QByteArray &lines) const {
        writeFile(emulatorDir + QStringLiteral("standin-fixtures/verifyroms.txt"), lines);
    }
    // Set-List ▸ BIOS List, with `use` run while it shows.
    void withBiosList(const std::function<void(BiosListDialog &, QTableView &)> &use) const {
        QVERIFY(WhileModalShown(
            "frmBIOS", [this] { window->actions().find(QStringLiteral("mnuToolsBIOS"))->trigger(); },
            [&](QDialog &bios) {
                use(static_cast<BiosListDialog &>(bios), *bios.findChild<QTableView *>("ListView1"));
            }));
    }
};

QStringList panels(const QDialog &dialog) {
    QStringList texts;
    for (const QLabel *panel : dialog.findChild<QStatusBar *>()->findChildren<QLabel *>()) {
        texts.append(panel->text());
    }
    return texts;
}

// The rows' names, each followed by "+" when its icon is the available one.
QStringList rowsOf(const QTableView &list) {
    QStringList rows;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        const QModelIndex index = list.model()->index(row, 0);
        const bool available = index.data(Qt::DecorationRole).value<QIcon>().cacheKey() ==
                               StateIcons::icon(SetState::Available).cacheKey();
        rows.append(index.siblingAtColumn(1).data().toString() + (available ? "+" : ""));
    }
    return rows;
}

} // namespace

class BiosListDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsTheBiosSetsOfTheCacheWhateverTheirState_data() {
        QTest::addColumn<QByteArray>("cache"); // "none": no qx.dat; "dir": a folder in its place
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("prompts");
        QTest::newRow("mixed lines") << kCache << QStringList{"neogeo+", "pgm", "cafe"} << 0;
        QTest::newRow("no qx.dat") << QByteArray("none") << QStringList() << 0;
        QTest::newRow("a folder") << QByteArray("dir") << QStringList() << 1;
    }
    void listsTheBiosSetsOfTheCacheWhateverTheirState() {
        QFETCH(QByteArray, cache);
        QFETCH(QStringList, rows);
        BiosSetup setup(cache);
        if (cache == "none" || cache == "dir") {
            QFile::remove(setup.window->state().cachePath());
            QVERIFY(cache == "none" || QDir().mkpath(setup.window->state().cachePath()));
        }
        setup.withBiosList([&](BiosListDialog &dialog, QTableView &list) {
            QCOMPARE(rowsOf(list), rows);
            QCOMPARE(panels(dialog).first(), QStringLiteral("%1 sets").arg(rows.size()));
            list.clearSelection();
            QVERIFY(!dialog.showPopup({})); // the pop-up needs a selected row
        });
        QTEST(int(setup.prompts.shown().size()), "prompts");
    }

    void popUpCommandsActOnTheSelectedSetInTheListsLook() {
        BiosSetup setup;
        setup.window->setListView().setFont(QFont(QStringLiteral("Courier"), 17));
        setup.window->statusPanels().setFont(QFont(QStringLiteral("Courier"), 7, -1, true));
        setup.withBiosList([&](BiosListDialog &dialog, QTableView &list) {
            list.selectRow(1);
            QCOMPARE(panels(dialog), (QStringList{"3 sets", "pgm", "1997", "IGS", "imperfect"}));
            QVERIFY(list.font() == setup.window->setListView().font() &&
                    dialog.findChild<QStatusBar *>()->font().italic());
            QVERIFY(list.isColumnHidden(2) && !list.isColumnHidden(1) &&
                    list.editTriggers() == QTableView::NoEditTriggers);
            QVERIFY(dialog.showPopup({}));
            const std::pair<const char *, QString> commands[] = {
                {"mnuCopySubItem0", "pgm"},
                {"mnuCopySubItem1", "PGM System BIOS"},
                {"mnuCopySubItem2", "PGM System BIOS pgm"},
                {"mnuOpenInfoOnline", "PGM System BIOS pgm"}};
            for (const auto &[command, clipboard] : commands) {
                dialog.findChild<QAction *>(command)->trigger();
                QCOMPARE(setup.services.clipboard, clipboard);
            }
        });
        QCOMPARE(setup.services.opened, QStringList{Settings::Url.defaultText() + "pgm"});
    }

    void verifyTurnsAMissingBiosUnavailableAndBack() {
        BiosSetup setup;
        const struct {
            QByteArray answer;
            char state;
            QString row;
            QString output;
        } rounds[] = {{"", '2', "neogeo", "not found!"},
                      {"romset neogeo is good\n", '1', "neogeo+", "is good"}};
        for (const auto &round : rounds) {
            setup.answerVerify(round.answer);
            setup.withBiosList([&](BiosListDialog &dialog, QTableView &list) {
                // Over the list, and without the sample check, as the BIOS verify checks no samples.
                bool outputShown = false;
                QVERIFY(WhileModalShown(
                    "frmDialog", [&] { dialog.findChild<QAction *>("mnuVerify")->trigger(); },
                    [&](QDialog &output) {
                        outputShown =
                            output.parentWidget() == &dialog &&
                            !output.findChild<QMenu *>("mnuOptions")->menuAction()->isVisible() &&
                            static_cast<VerifyOutputWindow &>(output).outputText().contains(round.output);
                    }));
                QVERIFY(outputShown);
                QCOMPARE(rowsOf(list).first(), round.row);
            });
            QCOMPARE(readFile(setup.window->state().cachePath()),
                     QByteArray(kCache).replace("good=1=neogeo",
                                                "good=" + QByteArray(1, round.state) + "=neogeo"));
        }
        QCOMPARE(setup.calls().last().args, (QStringList{"-verifyroms", "neogeo"}));
    }
};

QTEST_MAIN(BiosListDialogTest)
#include "BiosListDialogTest.moc"
