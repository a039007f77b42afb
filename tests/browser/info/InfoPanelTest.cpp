// The information panel: pictures and snapshots of the selected set, the history text, the View toggles,
// the history file reload and the picture files that cannot be shown.
#include "browser/info/InfoPanel.h"

#include "TestWindow.h"
#include "browser/info/PictureLoader.h"

#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScrollBar>

using namespace qx;
using namespace qx::test;

namespace {

const QByteArray kHistoryDat = readFixture("window/history.dat");
const QString kPacmanHistory = "Pac-Man (c) 1980 Namco.\nEat the dots.\n\n- TRIVIA -\n";

// A valid PNG that declares a picture of 50000 x 50000 RGBA pixels.
const QByteArray kHugePng = readFixture("window/huge.png");

// Noise does not compress, so a cut through this file cuts through its pixel data.
QByteArray noisyPng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), width);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QColor colourOf(const InfoPanel &panel) {
    return panel.currentPicture().isNull() ? QColor() : panel.currentPicture().pixelColor(0, 0);
}

// The window shown but not loaded, its panel set up from the settings.
struct PanelWindow : TestWindow {
    explicit PanelWindow(const SettingValues &values, const QByteArray &history = {}) : TestWindow(values) {
        if (!history.isEmpty()) {
            writeFile(path + "history.dat", history);
        }
        showUnloaded().infoPanel().restoreFromSettings();
    }
    InfoPanel &panel() const { return window->infoPanel(); }
    void show(const QString &name, bool finish = true) const {
        panel().showSetInfo(name, {});
        if (finish) {
            panel().finishPendingPicture();
        }
    }
};

} // namespace

class InfoPanelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Empty, truncated, not a PNG, too large, a damaged header: refused with one message naming the file
    // and why; a good picture loads silently.
    void unusableFilesAreRefusedWithOneMessage() {
        const QByteArray good = noisyPng(200, 200);
        for (const auto &[content, reason] :
             {std::pair{QByteArray(), "empty"},
              {good.left(good.size() / 2), "damaged or incomplete"},
              {QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00", 14), "not a PNG"},
              {kHugePng, "too large"},
              {good.left(20), "damaged"},
              {good, ""}}) {
            QTemporaryDir dir;
            const QString path = dir.filePath("pacman.png");
            writeFile(path, content);
            ScriptedUserPrompts prompts;
            PictureLoader loader(prompts);
            QCOMPARE(loader.LoadPngPicture(path).width(), *reason ? 0 : 200);
            QCOMPARE(loader.LoadPngPicture(path).isNull(), *reason != 0); // told once
            const QStringList told = prompts.shownTexts();
            QCOMPARE(told.size(), *reason ? 1 : 0);
            QVERIFY2(!*reason || (told.constFirst().contains(reason) && told.constFirst().contains(path) &&
                                  prompts.shown().constFirst().title == "Quorvex"),
                     qPrintable(told.join('\n')));
        }
    }

    void picturesAreFittedWithoutEnlarging() {
        QCOMPARE((QList<QSize>{PictureLoader::fittedSize({600, 800}, {300, 300}),
                               PictureLoader::fittedSize({800, 100}, {400, 400}),
                               PictureLoader::fittedSize({40, 30}, {300, 300}),
                               PictureLoader::fittedSize({300, 200}, {0, 200})}),
                 (QList<QSize>{{225, 300}, {400, 50}, {40, 30}, {0, 0}}));
    }

    // The scroll bar steps from the set's picture through its snapshots to the first one missing; another
    // set brings it back to 0, and a set without a picture shows its name. Without history.dat the history
    // stays off.
    void snapshotScrollBar() {
        const QColor none;
        // Files written red, green, blue; the caption and the picture's colour at scroll positions 0, 1, 2...
        for (const auto &[pictures, captions, colours] :
             {std::tuple{QStringList{"flyers/pacman.png", "snap/pacman/0000.png", "snap/pacman/0001.png"},
                         QStringList{"", "0000.png", "0001.png", "0002.png not found"},
                         QList<QColor>{Qt::red, Qt::green, Qt::blue, none}},
              {QStringList{"snap/pacman/0000.png", "snap/pacman/0001.png"},
               QStringList{"0000.png", "0001.png", "0002.png not found"},
               QList<QColor>{Qt::red, Qt::green, none}},
              {QStringList{}, QStringList{"pacman", "0001.png not found"}, QList<QColor>{none, none}}}) {
            PanelWindow test({{&Settings::Picture, "-1"}, {&Settings::ShowHistory, "-1"}}); // no history.dat
            for (int i = 0; i < pictures.size(); ++i) {
                test.writePicture(pictures.at(i), QSize(120, 90),
                                  QList<QColor>{Qt::red, Qt::green, Qt::blue}.at(i));
            }
            test.show("pacman");
            auto *scroll = test.find<QScrollBar>("HScroll1");
            auto *caption = test.find<QLabel>("Label1");
            for (int position = 0; position < captions.size(); ++position) {
                scroll->setValue(position);
                test.panel().finishPendingPicture();
                QCOMPARE(caption->text(), captions.at(position));
                QCOMPARE(colourOf(test.panel()), colours.at(position));
                QCOMPARE(test.panel().snapshotScrolled(), position > 0);
            }
            test.show("galaga", false);
            QVERIFY(scroll->value() == 0 && caption->text() == "galaga" && test.prompts.shown().isEmpty());
            QVERIFY(!test.panel().historyShown() && !test.action("mnuViewHistory")->isEnabled());
            QCOMPARE(test.find("picFlyer")->size(), QSize(TwipsToPixels(100), 0));
        }
    }

    // The history follows the selection, and its menu entry and pop-up twin show and hide the panel.
    void historyFollowsTheSelectionAndItsMenuEntry() {
        PanelWindow test({{&Settings::ShowHistory, "-1"}}, kHistoryDat);
        InfoPanel &panel = test.panel();
        QAction *history = test.action("mnuViewHistory");
        auto *holder = test.find("picHolder");
        auto *text = test.find<QPlainTextEdit>("txtHistory");
        QVERIFY(history->isEnabled() && history->isChecked() && holder->isVisible() && text->isVisible());
        QStringList shown;
        for (const auto &[set, parent] : {std::pair{"puckman", "pacman"}, {"dkong", ""}, {"", ""}}) {
            *set ? panel.showSetInfo(set, parent) : panel.clearSetInfo();
            panel.finishHistoryLoad();
            shown << text->toPlainText() + '|' + text->placeholderText();
        }
        QCOMPARE(shown, (QStringList{kPacmanHistory + '|', "|No history for this set", "|"}));

        test.action("mnuPopupHistory")->trigger(); // the picture is not shown either: the panel goes
        QVERIFY(!panel.historyShown() && !history->isChecked() && holder->isHidden());
        test.select("pacman");
        history->trigger();
        QVERIFY(panel.historyShown() && holder->isVisible());
        QCOMPARE(text->toPlainText(), kPacmanHistory);
        QVERIFY(panel.writeSettings());
        QCOMPARE(test.settings().read(Settings::ShowHistory) + test.settings().read(Settings::Picture),
                 "-10");
    }

    void pictureAndHistoryTogether() {
        PanelWindow test({{&Settings::ShowHistory, "-1"}, {&Settings::Picture, "-1"}}, kHistoryDat);
        test.writePicture("flyers/pacman.png", QSize(600, 800), Qt::red);
        InfoPanel &panel = test.panel();
        QVERIFY(panel.bothShown() && test.find("HScroll1")->isVisible());
        test.show("pacman");
        panel.finishHistoryLoad();
        QCOMPARE(test.find<QPlainTextEdit>("txtHistory")->toPlainText(), kPacmanHistory);
        QCOMPARE(colourOf(panel), QColor(Qt::red));
        auto *holder = test.find("picHolder");
        QVERIFY(test.find("picFlyer")->height() <= holder->height() / 2); // above the history, half at most

        test.action("mnuViewPicture")->trigger();
        QVERIFY(!panel.pictureShown() && holder->isVisible() && test.find("HScroll1")->isHidden());
        QCOMPARE(test.find<QLabel>("Label1")->text(), QString());
        test.select("pacman");
        test.action("mnuViewPicture")->trigger();
        panel.finishPendingPicture();
        QVERIFY(panel.bothShown());
        QCOMPARE(colourOf(panel), QColor(Qt::red));
    }

    // The history opens in the text editor; reloading the history file reports its revision, or that it has
    // gone, and then the history is off and stays off.
    void historyInTheTextEditorAndReloaded() {
        PanelWindow test({{&Settings::ShowHistory, "-1"}}, kHistoryDat);
        test.panel().showSetInfo("pacman", {});
        test.panel().finishHistoryLoad();
        test.action("mnuItemPopupHistoryNotepad")->trigger();
        QCOMPARE(test.services.opened, QStringList{test.path + "qx_history.txt"});
        QCOMPARE(readFile(test.path + "qx_history.txt"),
                 "Pac-Man (c) 1980 Namco.\r\nEat the dots.\r\n\r\n- TRIVIA -\r\n");
        QAction *reload = test.action("mnuToolsReloadHistory");
        reload->trigger();
        QFile::remove(test.path + "history.dat");
        reload->trigger();
        QCOMPARE(test.prompts.shownTexts(), (QStringList{"History revision: 1.23", "history.dat not found"}));
        QCOMPARE(test.prompts.shown().constFirst().icon, PromptIcon::Information);
        QVERIFY(!test.panel().historyAvailable() && !test.action("mnuViewHistory")->isEnabled());
        QVERIFY(test.panel().writeSettings());
        QCOMPARE(test.settings().read(Settings::ShowHistory), "0");
    }

    // Quick selections: only the last one's picture shows, whatever order the decodes finish in, also when
    // the last one has none; an unreadable picture is reported once however often it is selected.
    void onlyTheLastSelectionsPictureShows() {
        PanelWindow test({{&Settings::Picture, "-1"}});
        test.writePicture("flyers/pacman.png", QSize(600, 800), Qt::red);
        test.writePicture("flyers/galaga.png", QSize(60, 80), Qt::green);
        writeFile(test.path + "flyers/huge.png", kHugePng);
        InfoPanel &panel = test.panel();
        test.show("pacman", false);
        test.show("galaga", false);
        QVERIFY(panel.picturePending());
        panel.finishPendingPicture();
        QVERIFY(!panel.picturePending());
        QCOMPARE(colourOf(panel), QColor(Qt::green));
        for (const char *last : {"dkong", "huge", "huge"}) {
            test.show("pacman", false);
            test.show(last);
            QVERIFY(panel.currentPicture().isNull());
            QCOMPARE(test.find("picFlyer")->height(), 0);
        }
        QCOMPARE(test.prompts.shown().size(), 1);
    }

    // Each double-click toggles the scroll bar once, also where the caption passes its mouse events on.
    void doubleClickInThePanelTogglesTheScrollBar() {
        PanelWindow test({{&Settings::Picture, "-1"}});
        test.writePicture("flyers/pacman.png", QSize(200, 150), Qt::red);
        test.show("pacman");
        auto *scroll = test.find("HScroll1");
        auto *holder = test.find("picHolder");
        auto *caption = test.find("Label1");
        QList<bool> visible{scroll->isVisible()};
        for (const auto &[widget, point] : {std::pair{caption, QPoint(5, caption->height() / 2)},
                                            {test.find("picFlyer"), QPoint()},
                                            {holder, QPoint(3, holder->height() - 3)}}) {
            QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
            visible << scroll->isVisible();
        }
        QCOMPARE(visible, (QList<bool>{true, false, true, false}));
    }
};

QTEST_MAIN(InfoPanelTest)
#include "InfoPanelTest.moc"
