// Measures what very large files cost the window: starting and closing with a 50 MB qx.ini (against a
// start and close with the default one, in the same run), and building the tray menu with 100,000
// favourites. These were 26 s, 25 s and 7 s when every key re-read qx.ini and every favourite got an entry.
#include "SilentPrompts.h"
#include "app/FrontendSettings.h"
#include "app/PlatformServices.h"
#include "browser/window/MainWindow.h"
#include "browser/window/TrayIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace qx;

namespace {

class SilentServices : public PlatformServices {
public:
    bool openUrl(const QString &) override { return true; }
    void setClipboardText(const QString &) override {}
    QString clipboardText() const override { return {}; }
};

void writeOrDie(const QString &path, const QByteArray &content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// A program directory with a known emulator whose folder holds mame.ini, so no MAME runs; `padding` bytes
// of hand-added keys inside [FRONTEND], the worst place for them.
QString makeProgramDir(const QTemporaryDir &root, const QString &name, qint64 padding) {
    const QString dir = root.path() + QLatin1Char('/') + name + QLatin1Char('/');
    QDir().mkpath(dir);
    QByteArray ini = FrontendSettings::DefaultSettingsContent();
    for (qint64 i = 0; ini.size() < padding; ++i) {
        ini += "handAdded" + QByteArray::number(i) + "=a value someone or something put here\r\n";
    }
    writeOrDie(dir + QStringLiteral("qx.ini"), ini);
    writeOrDie(dir + QStringLiteral("mame"), {});
    writeOrDie(dir + QStringLiteral("mame.ini"), "<UNADORNED0>\nrompath                   roms\n");
    const FrontendSettings settings(dir + QStringLiteral("qx.ini"));
    settings.set(Settings::Exe, dir + QStringLiteral("mame"));
    settings.set(Settings::Tray, false);
    return dir;
}

struct StartAndClose {
    double startMs = 0;
    double closeMs = 0;
};

StartAndClose measure(const QString &dir) {
    bench::SilentPrompts prompts;
    SilentServices services;
    QElapsedTimer clock;
    clock.start();
    StartAndClose figures;
    {
        MainWindow window(dir, prompts, services);
        if (!window.load()) {
            qFatal("the window did not start on %s", qPrintable(dir));
        }
        QApplication::processEvents();
        figures.startMs = clock.nsecsElapsed() / 1e6;
        clock.restart();
        window.close();
        figures.closeMs = clock.nsecsElapsed() / 1e6;
    }
    return figures;
}

double trayMenuWith100000Favourites(const QTemporaryDir &root) {
    const QString dir = makeProgramDir(root, QStringLiteral("tray"), 0);
    QList<SetRecord> records;
    QByteArray favourites;
    for (int i = 0; i < 100000; ++i) {
        SetRecord record;
        record.Name = QStringLiteral("set%1").arg(i);
        record.Description = QStringLiteral("Synthesised Game %1 (World)").arg(i);
        favourites += record.Name.toUtf8() + "\r\n";
        records.append(record);
    }
    writeOrDie(dir + QStringLiteral("qx_fav.dat"), favourites);
    bench::SilentPrompts prompts;
    SilentServices services;
    MainWindow window(dir, prompts, services);
    window.state().programDir = dir;
    window.catalogue() = SetCatalogue(records);
    TrayIcon tray(window);
    QElapsedTimer clock;
    clock.start();
    tray.BuildTrayMenu();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    const QString normal = makeProgramDir(root, QStringLiteral("normal"), 0);
    const QString big = makeProgramDir(root, QStringLiteral("big"), 50LL * 1024 * 1024);
    measure(normal); // warms the caches shared by both
    const StartAndClose plain = measure(normal);
    const StartAndClose large = measure(big);
    std::printf("default qx.ini: start %.0f ms, close %.0f ms\n", plain.startMs, plain.closeMs);
    std::printf("50 MB qx.ini:   start %.0f ms, close %.0f ms (%.1f x and %.1f x the default's)\n",
                large.startMs, large.closeMs, large.startMs / plain.startMs, large.closeMs / plain.closeMs);
    std::printf("tray menu with 100,000 favourites built in %.1f ms\n", trayMenuWith100000Favourites(root));
    return 0;
}
