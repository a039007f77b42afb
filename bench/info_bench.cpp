// Measures the information panel: showing a set's history with a 30 MB history.dat loaded, and stepping
// through 100 sets that each have a 600 x 800 picture. Every figure is the time the window thread is held by
// one selection, including the repaint that follows it (offscreen).
#include "SilentPrompts.h"
#include "app/PlatformServices.h"
#include "app/UserPrompts.h"
#include "browser/info/HistoryDatabase.h"
#include "browser/info/InfoPanel.h"
#include "browser/info/PictureLoader.h"
#include "browser/window/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

using namespace qx;

namespace {

using bench::SilentPrompts;

class SilentServices : public PlatformServices {
public:
    bool openUrl(const QString &) override { return true; }
    void setClipboardText(const QString &) override {}
    QString clipboardText() const override { return {}; }
};

// About 30 MB shaped like history.dat: a parent and two clones per entry, a header, paragraphs.
QStringList WriteHistoryDat(const QString &path, qint64 targetBytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    QRandomGenerator random(30);
    QStringList names;
    file.write("## REVISION:\r\n## Revision: 2.59\r\n\r\n");
    const QByteArray sentence = "The player guides a character through a maze while the cabinet's "
                                "music plays and enemies give chase across the screen. ";
    for (int entry = 0; file.size() < targetBytes; ++entry) {
        const QString parent = QStringLiteral("set%1").arg(entry);
        const QStringList set{parent, parent + QStringLiteral("a"), parent + QStringLiteral("b")};
        names += set;
        file.write("$info=" + set.join(QLatin1Char(',')).toLatin1() + ",\r\n$bio\r\n\r\n");
        file.write(parent.toLatin1() + " (c) 1982 Manufacturer.\r\n\r\n");
        const int paragraphs = 3 + int(random.bounded(6));
        for (int p = 0; p < paragraphs; ++p) {
            file.write(sentence.repeated(1 + int(random.bounded(5))) + "\r\n\r\n");
        }
        file.write("- TRIVIA -\r\n\r\nReleased in many regions.\r\n$end\r\n\r\n");
    }
    return names;
}

// The same shape as today's history.xml.
void WriteHistoryXml(const QString &path, qint64 targetBytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    QRandomGenerator random(31);
    file.write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<history version=\"2.59\" date=\"2023-01-01\">\n");
    const QByteArray sentence =
        "The player guides a character through a maze &amp; the cabinet's music plays "
        "while enemies give chase across the screen. ";
    for (int entry = 0; file.size() < targetBytes; ++entry) {
        const QByteArray parent = "set" + QByteArray::number(entry);
        file.write("\t<entry>\n\t\t<systems>\n");
        for (const QByteArray &name : {parent, parent + "a", parent + "b"}) {
            file.write("\t\t\t<system name=\"" + name + "\" />\n");
        }
        file.write("\t\t</systems>\n\t\t<text>\n" + parent + " (c) 1982 Manufacturer.\n\n");
        const int paragraphs = 3 + int(random.bounded(6));
        for (int p = 0; p < paragraphs; ++p) {
            file.write(sentence.repeated(1 + int(random.bounded(5))) + "\n\n");
        }
        file.write("\t\t</text>\n\t</entry>\n");
    }
    file.write("</history>\n");
}

// A flyer-like picture: gradients and shapes with some grain, so it compresses as real artwork does.
void WritePicture(const QString &path, int seed) {
    QImage image(600, 800, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 600, 800);
    gradient.setColorAt(0, QColor::fromRgb(random.generate()));
    gradient.setColorAt(1, QColor::fromRgb(random.generate()));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate()));
        painter.drawEllipse(QPoint(int(random.bounded(600)), int(random.bounded(800))),
                            int(random.bounded(120)), int(random.bounded(120)));
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] ^= random.generate() & 0x070707u;
        }
    }
    if (!image.save(path, "PNG")) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

struct Figures {
    double longest = 0;
    double total = 0;
    int count = 0;
    void add(double ms) {
        longest = std::max(longest, ms);
        total += ms;
        ++count;
    }
    double mean() const { return count ? total / count : 0; }
};

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir program;
    QTemporaryDir emulator;
    const QString emulatorDir = emulator.path() + QLatin1Char('/');
    const QString programDir = program.path() + QLatin1Char('/');
    FrontendSettings::WriteDefaultSettings(programDir + QStringLiteral("qx.ini"));
    FrontendSettings(programDir + QStringLiteral("qx.ini")).set(Settings::ShowHistory, true);

    std::printf("Generating a 30 MB history.dat and 100 pictures of 600 x 800...\n");
    const QStringList names =
        WriteHistoryDat(emulatorDir + QStringLiteral("history.dat"), 30LL * 1024 * 1024);
    QDir().mkpath(emulatorDir + QStringLiteral("flyers"));
    qint64 pictureBytes = 0;
    for (int i = 0; i < 100; ++i) {
        const QString path = emulatorDir + QStringLiteral("flyers/set%1.png").arg(i);
        WritePicture(path, i);
        pictureBytes += QFileInfo(path).size();
    }

    {
        HistoryDatabase database;
        QElapsedTimer loadClock;
        loadClock.start();
        database.load(emulatorDir);
        std::printf("HistoryDatabase::load alone: %.1f ms\n", loadClock.nsecsElapsed() / 1e6);
    }
    {
        // A crafted file: 150,000 "$info=" tags on one 1.2 MB line (quadratic indexing took minutes).
        QTemporaryDir craftedDir;
        const QString folder = craftedDir.path() + QLatin1Char('/');
        QFile crafted(HistoryDatabase::datPath(folder));
        if (!crafted.open(QIODevice::WriteOnly)) {
            qFatal("cannot write %s", qPrintable(crafted.fileName()));
        }
        crafted.write(QByteArray("$info=a,").repeated(150000) + "\r\n\r\nText\r\n$end\r\n");
        crafted.close();
        HistoryDatabase database;
        QElapsedTimer loadClock;
        loadClock.start();
        database.load(folder);
        std::printf("crafted history.dat (%.1f MB, 150,000 tags on one line) loaded in %.1f ms\n",
                    crafted.size() / 1048576.0, loadClock.nsecsElapsed() / 1e6);
    }
    {
        QTemporaryDir xmlDir;
        const QString folder = xmlDir.path() + QLatin1Char('/');
        WriteHistoryXml(folder + QStringLiteral("history.xml"), 30LL * 1024 * 1024);
        HistoryDatabase database;
        QElapsedTimer loadClock;
        loadClock.start();
        database.load(folder);
        const double loadMs = loadClock.nsecsElapsed() / 1e6;
        Figures lookups;
        QRandomGenerator random(2);
        for (int i = 0; i < 1000; ++i) {
            const QString name = QStringLiteral("set%1").arg(random.bounded(10000));
            loadClock.restart();
            const QString text = database.entryText(name);
            lookups.add(loadClock.nsecsElapsed() / 1e6);
        }
        std::printf("history.xml: 30.0 MB loaded in %.1f ms, %lld names; one entry's text: longest %.2f ms\n",
                    loadMs, qint64(database.indexedNames()), lookups.longest);
    }
    Figures decoding;
    QElapsedTimer decodeClock;
    for (int i = 0; i < 100; ++i) {
        decodeClock.start();
        const DecodedPicture picture =
            PictureLoader::decode(emulatorDir + QStringLiteral("flyers/set%1.png").arg(i));
        decoding.add(decodeClock.nsecsElapsed() / 1e6);
        if (!picture.ok()) {
            qFatal("cannot decode a generated picture: %s", qPrintable(picture.error));
        }
    }
    std::printf("decoding one picture alone: longest %.2f ms, mean %.2f ms\n", decoding.longest,
                decoding.mean());

    SilentPrompts prompts;
    SilentServices services;
    MainWindow window(programDir, prompts, services);
    window.state().EmulatorDir = emulatorDir;
    window.state().PictureDirectory = emulatorDir + QStringLiteral("flyers/");
    window.state().SnapshotDirectory = emulatorDir + QStringLiteral("snap/");
    window.resize(1280, 900);
    window.show();
    QApplication::processEvents();

    InfoPanel &panel = window.infoPanel();
    QElapsedTimer clock;
    clock.start();
    panel.restoreFromSettings();
    const double restoreMs = clock.nsecsElapsed() / 1e6;
    panel.finishHistoryLoad();
    const double loadMs = clock.nsecsElapsed() / 1e6;
    const qint64 historyBytes = QFileInfo(emulatorDir + QStringLiteral("history.dat")).size();
    std::printf("history.dat: %.1f MB, %lld names indexed, loaded in %.1f ms off the window thread (which it "
                "held %.1f ms)\n",
                historyBytes / 1048576.0, qint64(panel.historyDatabase().indexedNames()), loadMs, restoreMs);

    // History only: selections spread over the whole file, clones included.
    Figures history;
    QRandomGenerator random(1);
    for (int i = 0; i < 1000; ++i) {
        const QString &name = names.at(int(random.bounded(qint64(names.size()))));
        clock.restart();
        panel.showSetInfo(name, QString());
        QApplication::processEvents();
        history.add(clock.nsecsElapsed() / 1e6);
    }
    std::printf("history shown: longest %.2f ms, mean %.2f ms over %d selections (budget 20 ms)\n",
                history.longest, history.mean(), history.count);

    // Pictures and history together, stepping through 100 sets as a user scrolling the list would. The
    // pictures are decoded off the window thread: what counts is the longest time the window thread is held
    // at once, by the selection itself or by any event handled while the picture is on its way.
    panel.setPictureShown(true);
    Figures pictures;
    Figures latency;
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer shown;
        shown.start();
        clock.restart();
        panel.showSetInfo(QStringLiteral("set%1").arg(i), QString());
        pictures.add(clock.nsecsElapsed() / 1e6);
        while (panel.picturePending()) {
            clock.restart();
            QApplication::processEvents();
            pictures.add(clock.nsecsElapsed() / 1e6);
            QThread::msleep(1);
        }
        clock.restart();
        QApplication::processEvents(); // paints the picture
        pictures.add(clock.nsecsElapsed() / 1e6);
        latency.add(shown.nsecsElapsed() / 1e6);
        if (panel.currentPicture().isNull()) {
            qFatal("set%d shows no picture", i);
        }
    }
    std::printf("pictures (%.0f KB each on average) with history: window thread held at most %.2f ms at once "
                "(budget 50 ms); picture on screen %.1f ms after the selection on average\n",
                pictureBytes / 100.0 / 1024, pictures.longest, latency.mean());
    const bool withinBudget = history.longest < 20 && pictures.longest < 50;
    std::printf("%s\n", withinBudget ? "within budget" : "OVER BUDGET");
    return withinBudget ? 0 : 1;
}
