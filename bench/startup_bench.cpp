// Start-up budget: the time from the program's start (the process being spawned) to the first painted main
// window with a cached catalogue of 39,446 sets is at most 1.3 x the time with an empty catalogue, and
// resident memory with the catalogue loaded is at most 60 MB above the empty figure. Each start runs in a
// fresh child process (this program with "child <dir>"), alternating the two cases, and the medians are
// compared.
//
// The catalogue is $QX_BENCH_CACHE, else /tmp/qx-real/qx.dat when the catalogue pipeline has made one from
// Debian's MAME, else 39,446 synthesised sets shaped like MAME's.
#include "app/FrontendSettings.h"
#include "app/QtPlatformServices.h"
#include "app/QtUserPrompts.h"
#include "browser/window/MainWindow.h"
#include "catalogue/CataloguePreload.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// Wall-clock nanoseconds, comparable between the parent and the child process.
qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024.0;
        }
    }
    return 0;
}

// Stops the clock at the first paint of the main window's list.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            m_paintedNs = nowNs();
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
    qint64 paintedNs() const { return m_paintedNs; }

private:
    bool m_done = false;
    qint64 m_paintedNs = 0;
};

int runChild(int argc, char **argv, const QString &programDir) {
    qx::StartCataloguePreload(programDir); // as the program's main() does
    QApplication app(argc, argv);
    qx::QtUserPrompts prompts;
    qx::QtPlatformServices services;
    qx::MainWindow window(programDir, prompts, services);
    FirstPaint paint;
    window.findChild<QWidget *>(QStringLiteral("lvListViewDetails"))->installEventFilter(&paint);
    if (QWidget *details = window.findChild<QWidget *>(QStringLiteral("lvListViewDetails"))) {
        for (QObject *child : details->children()) {
            child->installEventFilter(&paint); // the viewport paints the rows
        }
    }
    if (!window.load()) {
        return 1;
    }
    QApplication::exec();
    std::printf("%lld %.3f\n", static_cast<long long>(paint.paintedNs()), residentMegabytes());
    return 0;
}

QByteArray synthesisedCatalogue() {
    QByteArray text;
    for (int i = 0; i < 39446; ++i) {
        const QByteArray name = "set" + QByteArray::number(i);
        const QByteArray parent = i % 3 == 0 ? QByteArray() : "set" + QByteArray::number(i - i % 3);
        text += name + "=Synthesised Game " + QByteArray::number(i) + " (World, rev " +
                QByteArray::number(i % 7) + ")=" + parent + "=Manufacturer " + QByteArray::number(i % 400) +
                "=19" + QByteArray::number(70 + i % 30) + "=good=" + QByteArray::number(1 + i % 2) +
                "=driver" + QByteArray::number(i % 900) + ".cpp=no\r\n";
    }
    return text;
}

QString makeProgramDir(const QTemporaryDir &root, const QString &name, const QByteArray &catalogue) {
    const QString dir = root.path() + QLatin1Char('/') + name + QLatin1Char('/');
    QDir().mkpath(dir);
    qx::FrontendSettings::WriteDefaultSettings(dir + QStringLiteral("qx.ini"));
    const qx::FrontendSettings settings(dir + QStringLiteral("qx.ini"));
    // A known emulator whose folder already holds mame.ini, so no MAME runs at start-up.
    QFile exe(dir + QStringLiteral("mame"));
    exe.open(QIODevice::WriteOnly);
    exe.close();
    QFile ini(dir + QStringLiteral("mame.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("<UNADORNED0>\nrompath                   roms\nsnapshot_directory        snap\n");
    ini.close();
    settings.set(qx::Settings::Exe, dir + QStringLiteral("mame"));
    settings.set(qx::Settings::Version, QStringLiteral("MAME v0.251 (unknown)"));
    settings.set(qx::Settings::Tray, false);
    if (!catalogue.isEmpty()) {
        QFile cache(dir + QStringLiteral("qx.dat"));
        cache.open(QIODevice::WriteOnly);
        cache.write(catalogue);
    }
    return dir;
}

bool measure(const QString &self, const QString &dir, double &ms, double &mb) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    child.setProcessEnvironment(env);
    const qint64 spawnedNs = nowNs();
    child.start(self, {QStringLiteral("child"), dir});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        return false;
    }
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2) {
        return false;
    }
    ms = (fields.at(0).toLongLong() - spawnedNs) / 1e6;
    mb = fields.at(1).toDouble();
    return true;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 3 && qstrcmp(argv[1], "child") == 0) {
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    QString cachePath = qEnvironmentVariable("QX_BENCH_CACHE", QStringLiteral("/tmp/qx-real/qx.dat"));
    QByteArray catalogue;
    QFile cache(cachePath);
    if (cache.open(QIODevice::ReadOnly)) {
        catalogue = cache.readAll();
    } else {
        cachePath = QStringLiteral("synthesised");
        catalogue = synthesisedCatalogue();
    }
    QTemporaryDir root;
    const QString full = makeProgramDir(root, QStringLiteral("full"), catalogue);
    const QString empty = makeProgramDir(root, QStringLiteral("empty"), {});
    const QString self = QCoreApplication::applicationFilePath();

    QList<double> fullMs, emptyMs, fullMb, emptyMb;
    constexpr int kRounds = 21; // a shared machine is noisy: many alternating starts make the medians steady
    for (int round = 0; round < kRounds; ++round) {
        double ms = 0, mb = 0;
        if (!measure(self, empty, ms, mb)) {
            std::fprintf(stderr, "the empty start failed\n");
            return 1;
        }
        emptyMs.append(ms);
        emptyMb.append(mb);
        if (!measure(self, full, ms, mb)) {
            std::fprintf(stderr, "the start with the catalogue failed\n");
            return 1;
        }
        fullMs.append(ms);
        fullMb.append(mb);
    }
    const int lines = int(catalogue.count('\n'));
    std::printf("catalogue: %s (%d lines)\n", qPrintable(cachePath), lines);
    std::printf("start-up to first paint, median of %d: empty %.1f ms, with catalogue %.1f ms\n", kRounds,
                median(emptyMs), median(fullMs));
    const double ratio = median(fullMs) / median(emptyMs);
    std::printf("  ratio %.2f x (budget 1.30 x) -> %s\n", ratio,
                ratio <= 1.3 ? "within budget" : "OVER BUDGET");
    const double extra = median(fullMb) - median(emptyMb);
    std::printf("resident memory: empty %.1f MB, with catalogue %.1f MB, %.1f MB more (budget 60 MB) -> %s\n",
                median(emptyMb), median(fullMb), extra, extra <= 60 ? "within budget" : "OVER BUDGET");
    return 0;
}
