// Measures the set browser with a full-size catalogue: $QX_BENCH_CACHE, or /tmp/qx-real/qx.dat when the
// catalogue pipeline has produced one from Debian's MAME, else 39,446 synthesised sets shaped like MAME's
// (two thirds clones, a third available). Every figure includes painting the view once, offscreen.
#include "SilentPrompts.h"
#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeModel.h"
#include "catalogue/SetListCache.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace qx;

namespace {

constexpr int kSetCount = 39446;
const QString kRealCache = QStringLiteral("/tmp/qx-real/qx.dat");

using bench::SilentPrompts;

SetCatalogue SynthesisedCatalogue() {
    static const QStringList words{"Pac",    "Street", "Fighter", "Donkey",  "Kong",  "Galaxy",  "Wars",
                                   "Super",  "Mega",   "Dragon",  "Ninja",   "Space", "Racer",   "Puzzle",
                                   "Bubble", "Tank",   "Force",   "Thunder", "Star",  "Blaster", "Mahjong",
                                   "Quiz",   "Golf",   "Soccer",  "Pinball"};
    static const QStringList regions{"World", "US", "Japan", "Europe", "Asia", "Korea", "bootleg"};
    static const QStringList makers{"Namco",    "Capcom", "Konami", "Sega",   "Taito",
                                    "Nintendo", "SNK",    "Irem",   "bootleg"};
    QRandomGenerator random(39446);
    QList<SetRecord> records;
    records.reserve(kSetCount);
    QString parent;
    for (int i = 0; i < kSetCount; ++i) {
        SetRecord record;
        const bool clone = !parent.isEmpty() && random.bounded(3) != 0;
        QString title =
            clone ? records.last().Description.section(QLatin1Char('('), 0, 0).trimmed() : QString();
        if (!clone) {
            const int count = int(random.bounded(1, 4));
            QStringList parts;
            for (int w = 0; w < count; ++w) {
                parts << words.at(int(random.bounded(quint32(words.size()))));
            }
            title = parts.join(QLatin1Char(' '));
        }
        record.Description = QStringLiteral("%1 (%2, set %3)")
                                 .arg(title, regions.at(int(random.bounded(quint32(regions.size())))))
                                 .arg(random.bounded(1, 9));
        record.Name = QStringLiteral("%1%2").arg(title.left(4).toLower().remove(QLatin1Char(' '))).arg(i);
        record.Parent = clone ? parent : QString();
        record.Manufacturer = makers.at(int(random.bounded(quint32(makers.size()))));
        record.Year = QString::number(1975 + random.bounded(45));
        record.Status = random.bounded(4) == 0 ? QStringLiteral("preliminary") : QStringLiteral("good");
        record.State = random.bounded(3) == 0 ? SetState::Available : SetState::Unavailable;
        record.Bios = QStringLiteral("no");
        record.Driver = QStringLiteral("drv%1.cpp").arg(random.bounded(900));
        if (!clone) {
            parent = record.Name;
        }
        records.append(record);
    }
    return SetCatalogue(std::move(records));
}

struct Figure {
    const char *what;
    double budgetMs;
    std::vector<double> samples;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double TimeMs(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramState state;
    state.programDir = dir.path() + QLatin1Char('/');
    state.CurrentSetName = QStringLiteral("no-such-set");
    FrontendSettings settings(state.settingsPath());
    FrontendSettings::WriteDefaultSettings(settings.path());

    // QX_BENCH_CACHE names another qx.dat to measure with.
    const QString cache =
        qEnvironmentVariableIsSet("QX_BENCH_CACHE") ? qEnvironmentVariable("QX_BENCH_CACHE") : kRealCache;
    const bool real = QFile::exists(cache);
    SetCatalogue catalogue = real ? LoadSetList(cache, true) : SynthesisedCatalogue();
    std::printf("catalogue: %lld sets (%s)\n", static_cast<long long>(catalogue.size()),
                real ? qPrintable(cache) : "synthesised");

    QWidget window;
    window.resize(1280, 800);
    auto *layout = new QVBoxLayout(&window);
    BrowserWidgets widgets;
    widgets.text1 = new QLineEdit(&window);
    widgets.text2 = new QLineEdit(&window);
    widgets.list = new SetListView(&window);
    widgets.tree = new QTreeView(&window);
    for (QWidget *widget :
         std::initializer_list<QWidget *>{widgets.text1, widgets.text2, widgets.list, widgets.tree}) {
        layout->addWidget(widget);
    }
    BrowserActions actions;
    for (QAction *&mode : actions.viewMode) {
        mode = new QAction(&window);
        mode->setCheckable(true);
    }
    SilentPrompts prompts;
    SetBrowser browser(widgets, actions, BrowserHooks{}, catalogue, state, settings, prompts);
    browser.restoreSettings();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::printf("the window was not shown\n");
        return 2;
    }

    const auto paintShown = [&] {
        QWidget *viewport =
            browser.isGrouped() ? widgets.tree->viewport() : widgets.list->activeView()->viewport();
        viewport->repaint();
    };
    std::vector<Figure> figures{{"fill Details", 100, {}},      {"fill List", 100, {}},
                                {"fill Grouped", 100, {}},      {"search keystroke", 30, {}},
                                {"column sort", 150, {}},       {"Grouped -> Details", 150, {}},
                                {"Details -> Grouped", 150, {}}};
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        browser.setViewMode(ViewMode::Details);
        figures[0].samples.push_back(TimeMs([&] {
            browser.FillSetList();
            browser.ReselectListItem();
            browser.ShowListSelection();
            paintShown();
        }));
        browser.setViewMode(ViewMode::List);
        figures[1].samples.push_back(TimeMs([&] {
            browser.FillSetList();
            browser.ReselectListItem();
            browser.ShowListSelection();
            paintShown();
        }));
        browser.setViewMode(ViewMode::Details);
        widgets.text1->setFocus(); // as the user clicks into the search box before typing
        for (const QString &text :
             {QStringLiteral("s"), QStringLiteral("st"), QStringLiteral("str"), QStringLiteral("stre"),
              QStringLiteral("stree"), QStringLiteral("street")}) {
            widgets.text1->clear();
            QTest::keyClicks(widgets.text1, text.chopped(1));
            figures[3].samples.push_back(TimeMs([&] {
                QTest::keyClick(widgets.text1, text.back().toLatin1());
                paintShown();
            }));
        }
        widgets.text1->clear();
        for (const int column : {0, 1, 3, 4}) {
            figures[4].samples.push_back(TimeMs([&] {
                browser.sortByHeader(column);
                paintShown();
            }));
        }
        figures[6].samples.push_back(TimeMs([&] {
            browser.setViewMode(ViewMode::Grouped);
            paintShown();
        }));
        figures[2].samples.push_back(TimeMs([&] {
            browser.FillSetTree();
            browser.ReselectTreeNode();
            browser.ShowTreeSelection();
            paintShown();
        }));
        figures[5].samples.push_back(TimeMs([&] {
            browser.setViewMode(ViewMode::Details);
            paintShown();
        }));
        QApplication::processEvents();
    }

    // The median is the figure (a loaded machine makes single samples jump); the worst is shown beside it.
    int over = 0;
    std::printf("%-20s %9s %9s %9s %12s %12s\n", "operation", "median ms", "worst ms", "budget ms",
                "ratio median", "ratio worst");
    for (const Figure &figure : figures) {
        const double median = Median(figure.samples);
        const double worst = *std::max_element(figure.samples.begin(), figure.samples.end());
        over += median > figure.budgetMs ? 1 : 0;
        std::printf("%-20s %9.1f %9.1f %9.0f %12.2f %12.2f%s\n", figure.what, median, worst, figure.budgetMs,
                    median / figure.budgetMs, worst / figure.budgetMs,
                    median > figure.budgetMs ? "  OVER BUDGET" : "");
        if (qEnvironmentVariableIsSet("QX_BENCH_SAMPLES")) {
            for (const double sample : figure.samples) {
                std::printf(" %.1f", sample);
            }
            std::printf("\n");
        }
    }
    return over == 0 ? 0 : 1;
}
