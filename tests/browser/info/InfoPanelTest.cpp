// The information panel: pictures and snapshots of the selected set, the history text, the View toggles,
// the history file reload and the picture files that cannot be shown.
#include "browser/info/InfoPanel.h"

#include "InfoTestWindow.h"
#include "browser/info/PictureLoader.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainLayout.h"
#include "browser/window/StatusPanels.h"
#include "catalogue/Crc32.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QtEndian>

using namespace qx;
using namespace qx::test;

namespace {

const QByteArray kHistoryDat = "## Revision: 1.23\r\n"
                               "$info=pacman,puckman,\r\n"
                               "$bio\r\n"
                               "\r\n"
                               "Pac-Man (c) 1980 Namco.\r\n"
                               "\r\n"
                               "Eat the dots.\r\n"
                               "$end\r\n";
const QString kPacmanHistory = QStringLiteral("Pac-Man (c) 1980 Namco.\nEat the dots.\n");

QByteArray pngChunk(const char *type, const QByteArray &data) {
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray typed = QByteArray(type) + data;
    chunk += typed;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(ByteArrayCrc32(typed), crc.data());
    return chunk + crc;
}

// A valid PNG signature and header that declares a picture of width x height RGBA pixels.
QByteArray pngDeclaring(quint32 width, quint32 height) {
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n") + pngChunk("IHDR", header) +
           pngChunk("IDAT", QByteArray("\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 9)) + pngChunk("IEND", {});
}

QByteArray noisyPng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = random.generate();
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray jpegBytes() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG")) {
        // No JPEG writer in this Qt: a JFIF header is what the loader looks at.
        bytes = QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
    }
    return bytes;
}

QColor colourOf(const InfoPanel &panel) {
    return panel.currentPicture().isNull() ? QColor() : panel.currentPicture().pixelColor(0, 0);
}

} // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unusableFilesAreRefusedWithOneMessage_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray good = noisyPng(200, 200);
        QTest::newRow("zero bytes") << QByteArray() << "empty";
        QTest::newRow("truncated") << good.left(good.size() / 2) << "damaged or incomplete";
        QTest::newRow("JPEG named .png") << jpegBytes() << "not a PNG";
        QTest::newRow("text named .png") << QByteArray("hello\n") << "not a PNG";
        QTest::newRow("50000 x 50000 declared") << pngDeclaring(50000, 50000) << "too large";
        QTest::newRow("damaged header") << good.left(20) << "damaged";
        QTest::newRow("a good picture loads silently") << good << QString();
    }
    void unusableFilesAreRefusedWithOneMessage() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pacman.png"));
        writeFile(path, content);
        ScriptedUserPrompts prompts;
        PictureLoader loader(prompts);
        QCOMPARE(loader.LoadPngPicture(path).width(), reason.isEmpty() ? 200 : 0);
        QCOMPARE(loader.LoadPngPicture(path).isNull(), !reason.isEmpty());
        QCOMPARE(prompts.shown().size(), reason.isEmpty() ? 0 : 1);
        if (reason.isEmpty()) {
            return;
        }
        const ShownPrompt &message = prompts.shown().constFirst();
        QCOMPARE(message.title, QStringLiteral("Quorvex"));
        QVERIFY2(message.text.contains(reason), qPrintable(message.text));
        QVERIFY(message.text.contains(QDir::toNativeSeparators(path)));
    }

    void picturesAreFittedWithoutEnlarging_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("tall flyer") << QSize(600, 800) << QSize(300, 300) << QSize(225, 300);
        QTest::newRow("wide banner") << QSize(800, 100) << QSize(400, 400) << QSize(400, 50);
        QTest::newRow("small picture stays small") << QSize(40, 30) << QSize(300, 300) << QSize(40, 30);
        QTest::newRow("exact fit") << QSize(300, 200) << QSize(300, 200) << QSize(300, 200);
        QTest::newRow("no room") << QSize(300, 200) << QSize(0, 200) << QSize(0, 0);
    }
    void picturesAreFittedWithoutEnlarging() {
        QFETCH(QSize, picture);
        QFETCH(QSize, area);
        QFETCH(QSize, expected);
        QCOMPARE(PictureLoader::fittedSize(picture, area), expected);
    }
};

class InfoPanelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void snapshotScrollBar_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QStringList>("pictures");  // files to write, coloured red, green, blue...
        QTest::addColumn<QStringList>("captions");  // at scroll positions 0, 1, 2...
        QTest::addColumn<QList<QColor>>("colours"); // invalid: no picture
        const QColor none;
        QTest::newRow("own picture and snapshots")
            << "pacman"
            << "" << QStringList{"flyers/pacman.png", "snap/pacman/0000.png", "snap/pacman/0001.png"}
            << QStringList{"", "0000.png", "0001.png", "0002.png not found"}
            << QList<QColor>{Qt::red, Qt::green, Qt::blue, none};
        QTest::newRow("parent's picture")
            << "puckman"
            << "pacman" << QStringList{"flyers/pacman.png", "snap/puckman/0000.png"}
            << QStringList{"", "0000.png"} << QList<QColor>{Qt::red, Qt::green};
        QTest::newRow("snapshots only") << "pacman"
                                        << "" << QStringList{"snap/pacman/0000.png", "snap/pacman/0001.png"}
                                        << QStringList{"0000.png", "0001.png", "0002.png not found"}
                                        << QList<QColor>{Qt::red, Qt::green, none};
        QTest::newRow("nothing") << "pacman"
                                 << "" << QStringList{} << QStringList{"pacman", "0001.png not found"}
                                 << QList<QColor>{none, none};
    }
    void snapshotScrollBar() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QStringList, pictures);
        QFETCH(QStringList, captions);
        QFETCH(QList<QColor>, colours);
        InfoTestWindow test({{&Settings::Picture, QStringLiteral("-1")}});
        const QList<QColor> palette{Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < pictures.size(); ++i) {
            test.writePicture(pictures.at(i), QSize(120, 90), palette.at(i));
        }
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        panel.showSetInfo(name, parent);
        auto *scroll = test.find<QScrollBar>("HScroll1");
        auto *caption = test.find<QLabel>("Label1");
        for (int position = 0; position < captions.size(); ++position) {
            scroll->setValue(position);
            panel.finishPendingPicture();
            QCOMPARE(caption->text(), captions.at(position));
            QCOMPARE(colourOf(panel), colours.at(position));
            QCOMPARE(panel.snapshotScrolled(), position > 0);
        }
        QVERIFY(test.prompts.shown().isEmpty());

        // Another set brings the scroll bar back to 0 and shows that set's own picture; without one, the
        // caption names the set.
        panel.showSetInfo(QStringLiteral("galaga"), QString());
        QCOMPARE(scroll->value(), 0);
        QCOMPARE(caption->text(), QStringLiteral("galaga"));
        QVERIFY(panel.currentPicture().isNull());
        auto *picture = test.find<QLabel>("picFlyer");
        QCOMPARE(picture->size(), QSize(TwipsToPixels(100), 0));
    }

    void picturesFitThePanelAndAreNeverEnlarged() {
        InfoTestWindow test({{&Settings::Picture, QStringLiteral("-1")}});
        test.writePicture(QStringLiteral("flyers/big.png"), QSize(1500, 2000), Qt::red);
        test.writePicture(QStringLiteral("flyers/small.png"), QSize(40, 30), Qt::green);
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        auto *holder = test.find<QWidget>("picHolder");
        auto *picture = test.find<QLabel>("picFlyer");

        panel.showSetInfo(QStringLiteral("big"), QString());
        panel.finishPendingPicture();
        QVERIFY(holder->isVisible());
        QVERIFY(picture->width() <= holder->width());
        QVERIFY(picture->height() <= holder->height());
        QVERIFY(picture->height() > 100);
        QVERIFY(qAbs(double(picture->width()) / picture->height() - 0.75) < 0.02);
        QCOMPARE(picture->pixmap().size(), picture->size());

        panel.showSetInfo(QStringLiteral("small"), QString());
        panel.finishPendingPicture();
        QCOMPARE(picture->size(), QSize(40, 30));
    }

    void historyFollowsTheSelectionAndItsMenuEntry() {
        InfoTestWindow test({{&Settings::ShowHistory, QStringLiteral("-1")}});
        writeFile(test.emulatorDir() + QStringLiteral("history.dat"), kHistoryDat);
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        QAction *history = test.window->actions().find(QStringLiteral("mnuViewHistory"));
        auto *holder = test.find<QWidget>("picHolder");
        auto *text = test.find<QPlainTextEdit>("txtHistory");
        QVERIFY(panel.historyAvailable());
        QVERIFY(panel.historyShown());
        QVERIFY(history->isEnabled() && history->isChecked());
        QVERIFY(holder->isVisible() && text->isVisible());

        panel.showSetInfo(QStringLiteral("puckman"), QStringLiteral("pacman"));
        panel.finishHistoryLoad();
        QCOMPARE(text->toPlainText(), kPacmanHistory);
        QVERIFY(text->placeholderText().isEmpty());
        panel.showSetInfo(QStringLiteral("dkong"), QString());
        QCOMPARE(text->toPlainText(), QString());
        QCOMPARE(text->placeholderText(), QStringLiteral("No history for this set"));
        panel.clearSetInfo();
        QVERIFY(text->placeholderText().isEmpty());

        // Off through the pop-up twin: the panel goes, as the picture is not shown either.
        test.window->actions().find(QStringLiteral("mnuPopupHistory"))->trigger();
        QVERIFY(!panel.historyShown());
        QVERIFY(!history->isChecked());
        QVERIFY(holder->isHidden());

        // On again: the set in status panel 2 gets its history.
        test.select(QStringLiteral("pacman"));
        history->trigger();
        QVERIFY(panel.historyShown());
        QVERIFY(holder->isVisible());
        QCOMPARE(text->toPlainText(), kPacmanHistory);
        QVERIFY(panel.writeSettings());
        QCOMPARE(test.settings().read(Settings::ShowHistory), QStringLiteral("-1"));
        QCOMPARE(test.settings().read(Settings::Picture), QStringLiteral("0"));
    }

    void theHistoryFileIsReadOffTheWindowThreadOnlyOnceTheHistoryShows() {
        InfoTestWindow test;
        writeFile(test.emulatorDir() + QStringLiteral("history.dat"), kHistoryDat);
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        panel.finishHistoryLoad();
        QVERIFY(panel.historyAvailable() && !panel.historyLoaded());
        test.select(QStringLiteral("pacman"));
        test.window->actions().find(QStringLiteral("mnuViewHistory"))->trigger();
        QVERIFY(!panel.historyLoaded()); // its result arrives through the event loop
        QTRY_COMPARE(test.find<QPlainTextEdit>("txtHistory")->toPlainText(), kPacmanHistory);
    }

    void withoutAHistoryFileTheHistoryStaysOff() {
        InfoTestWindow test({{&Settings::ShowHistory, QStringLiteral("-1")}});
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        QAction *history = test.window->actions().find(QStringLiteral("mnuViewHistory"));
        QVERIFY(!panel.historyAvailable());
        QVERIFY(!panel.historyShown());
        QVERIFY(!history->isEnabled());
        QVERIFY(!history->isChecked());
        QVERIFY(test.find<QWidget>("picHolder")->isHidden());
        QVERIFY(panel.writeSettings());
        QCOMPARE(test.settings().read(Settings::ShowHistory), QStringLiteral("0"));
    }

    void pictureAndHistoryTogether() {
        InfoTestWindow test(
            {{&Settings::ShowHistory, QStringLiteral("-1")}, {&Settings::Picture, QStringLiteral("-1")}});
        writeFile(test.emulatorDir() + QStringLiteral("history.dat"), kHistoryDat);
        test.writePicture(QStringLiteral("flyers/pacman.png"), QSize(600, 800), Qt::red);
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        QVERIFY(panel.bothShown());
        QVERIFY(test.find<QScrollBar>("HScroll1")->isVisible());
        panel.showSetInfo(QStringLiteral("pacman"), QString());
        panel.finishPendingPicture();
        panel.finishHistoryLoad();
        QCOMPARE(test.find<QPlainTextEdit>("txtHistory")->toPlainText(), kPacmanHistory);
        QCOMPARE(colourOf(panel), QColor(Qt::red));
        // Above the history text the picture takes at most half the panel.
        auto *holder = test.find<QWidget>("picHolder");
        QVERIFY(test.find<QLabel>("picFlyer")->height() <= holder->height() / 2);

        test.window->actions().find(QStringLiteral("mnuViewPicture"))->trigger();
        QVERIFY(!panel.pictureShown());
        QVERIFY(!panel.bothShown());
        QVERIFY(holder->isVisible()); // the history still shows
        QVERIFY(test.find<QScrollBar>("HScroll1")->isHidden());
        QCOMPARE(test.find<QLabel>("Label1")->text(), QString());

        test.select(QStringLiteral("pacman"));
        test.window->actions().find(QStringLiteral("mnuViewPicture"))->trigger();
        panel.finishPendingPicture();
        QVERIFY(panel.bothShown());
        QCOMPARE(colourOf(panel), QColor(Qt::red));
    }

    // The history opens in the text editor; reloading the history file reports its revision.
    void historyInTheTextEditorAndReloaded() {
        InfoTestWindow test({{&Settings::ShowHistory, QStringLiteral("-1")}});
        writeFile(test.emulatorDir() + QStringLiteral("history.dat"), kHistoryDat);
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        panel.showSetInfo(QStringLiteral("pacman"), QString());
        panel.finishHistoryLoad();
        test.window->actions().find(QStringLiteral("mnuItemPopupHistoryNotepad"))->trigger();
        const QString workFile = test.programDir() + QStringLiteral("qx_history.txt");
        QCOMPARE(test.services.opened, QStringList{workFile});
        QCOMPARE(readFile(workFile), QByteArray("Pac-Man (c) 1980 Namco.\r\nEat the dots.\r\n"));
        QAction *reload = test.window->actions().find(QStringLiteral("mnuToolsReloadHistory"));
        reload->trigger();
        QCOMPARE(test.prompts.shownTexts(), QStringList{QStringLiteral("History revision: 1.23")});
        QCOMPARE(test.prompts.shown().constLast().title, QStringLiteral("Quorvex"));
        QCOMPARE(test.prompts.shown().constLast().icon, PromptIcon::Information);

        QFile::remove(test.emulatorDir() + QStringLiteral("history.dat"));
        reload->trigger();
        QCOMPARE(test.prompts.shown().constLast().text, QStringLiteral("history.dat not found"));
        QVERIFY(!panel.historyAvailable());
        QVERIFY(!test.window->actions().find(QStringLiteral("mnuViewHistory"))->isEnabled());
    }

    void anUnreadablePictureIsReportedOnceAndShowsNothing() {
        InfoTestWindow test({{&Settings::Picture, QStringLiteral("-1")}});
        writeFile(test.emulatorDir() + QStringLiteral("flyers/pacman.png"), pngDeclaring(50000, 50000));
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        panel.showSetInfo(QStringLiteral("pacman"), QString());
        panel.finishPendingPicture();
        panel.showSetInfo(QStringLiteral("galaga"), QString());
        panel.showSetInfo(QStringLiteral("pacman"), QString());
        panel.finishPendingPicture();
        QCOMPARE(test.prompts.shown().size(), 1);
        QVERIFY(panel.currentPicture().isNull());
        QCOMPARE(test.find<QLabel>("picFlyer")->height(), 0);
    }

    void aPictureOfAnEarlierSelectionNeverReplacesTheCurrentOne() {
        InfoTestWindow test({{&Settings::Picture, QStringLiteral("-1")}});
        test.writePicture(QStringLiteral("flyers/pacman.png"), QSize(600, 800), Qt::red);
        test.writePicture(QStringLiteral("flyers/galaga.png"), QSize(60, 80), Qt::green);
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        // Quick selections: only the last one's picture shows, whatever order the decodes finish in.
        panel.showSetInfo(QStringLiteral("pacman"), QString());
        panel.showSetInfo(QStringLiteral("galaga"), QString());
        QVERIFY(panel.picturePending());
        panel.finishPendingPicture();
        QVERIFY(!panel.picturePending());
        QCOMPARE(colourOf(panel), QColor(Qt::green));
        // A set without a picture, selected while another's is decoding, stays without one.
        panel.showSetInfo(QStringLiteral("pacman"), QString());
        panel.showSetInfo(QStringLiteral("dkong"), QString());
        panel.finishPendingPicture();
        QVERIFY(panel.currentPicture().isNull());
        QCOMPARE(test.find<QLabel>("picFlyer")->height(), 0);
    }

    void doubleClickInThePanelTogglesTheScrollBar() {
        InfoTestWindow test({{&Settings::Picture, QStringLiteral("-1")}});
        test.writePicture(QStringLiteral("flyers/pacman.png"), QSize(200, 150), Qt::red);
        InfoPanel &panel = test.window->infoPanel();
        panel.restoreFromSettings();
        panel.showSetInfo(QStringLiteral("pacman"), QString());
        panel.finishPendingPicture();
        auto *scroll = test.find<QScrollBar>("HScroll1");
        auto *holder = test.find<QWidget>("picHolder");
        auto *caption = test.find<QLabel>("Label1");
        QVERIFY(scroll->isVisible());
        // Each double-click toggles once, also where the caption passes its mouse events on to the panel.
        QTest::mouseDClick(caption, Qt::LeftButton, {}, QPoint(5, caption->height() / 2));
        QVERIFY(scroll->isHidden());
        QTest::mouseDClick(test.find<QLabel>("picFlyer"), Qt::LeftButton);
        QVERIFY(scroll->isVisible());
        QTest::mouseDClick(holder, Qt::LeftButton, {}, QPoint(3, holder->height() - 3));
        QVERIFY(scroll->isHidden());
        QCOMPARE(caption->toolTip(),
                 QStringLiteral("Double click anywhere in the picture panel to toggle the scrollbar"));
    }
};

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    PictureLoaderTest loader;
    InfoPanelTest panel;
    int failures = QTest::qExec(&loader, argc, argv);
    failures += QTest::qExec(&panel, argc, argv);
    return failures;
}

#include "InfoPanelTest.moc"
