// The options editor against MAME 0.251's mame.ini (from /usr/games/mame -createconfig when Debian's MAME is
// installed, else the test fixture) and the Set Options of a clone with three layer files below it
// (raster.ini, source/pacman.ini, pacman.ini). First the core alone: what the dialog needs to open (find the
// scope's file, load every option, load the layers, work out every control's enabling and layer mark and
// tool tip) and to save with every control changed (the changes, one rewrite of the file). Then the whole
// dialog: opening it (all seven pages built, loaded and shown) and OK with every control changed. The
// budgets are open < 150 ms and OK < 100 ms. Each figure is the best of 20 rounds, with the median beside
// the dialog's. The dialog runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise. Last, the
// MAME run that Set and Driver Options make before the dialog opens (with Debian's MAME only).

#include "FakeDisplayModes.h"
#include "SilentPrompts.h"
#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "options/EmulatorOptionFile.h"
#include "options/OptionEnabling.h"
#include "options/OptionFiles.h"
#include "options/OptionLayers.h"
#include "options/OptionModel.h"
#include "options/OptionScope.h"
#include "options/OptionsDialog.h"
#include "options/SetScreenType.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace qx;

namespace {

constexpr int kRounds = 20;

struct Timing {
    double best = 0;
    double median = 0;
};

Timing measure(const std::function<void()> &prepare, const std::function<void()> &work) {
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times.at(times.size() / 2)};
}

double bestOf(const std::function<void()> &prepare, const std::function<void()> &work) {
    return measure(prepare, work).best;
}

void report(const char *what, double ms, double budgetMs) {
    std::printf("  %-52s %7.2f ms = %4.1f %% of the dialog's %3.0f ms\n", what, ms, 100.0 * ms / budgetMs,
                budgetMs);
}

void reportDialog(const char *what, Timing timing, double budgetMs) {
    std::printf("  %-52s %7.2f ms = %4.1f %% of %3.0f ms (median %.2f ms)\n", what, timing.best,
                100.0 * timing.best / budgetMs, budgetMs, timing.median);
}

QByteArray mameIni(const QString &workDir, const char **source) {
    if (QFile::exists(QStringLiteral("/usr/games/mame"))) {
        QProcess mame;
        mame.setWorkingDirectory(workDir);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), workDir);
        mame.setProcessEnvironment(environment);
        mame.start(QStringLiteral("/usr/games/mame"), {QStringLiteral("-createconfig")});
        mame.waitForFinished(60000);
        const QByteArray content = ReadWholeFile(workDir + QStringLiteral("/mame.ini"));
        if (!content.isEmpty()) {
            *source = "written by /usr/games/mame -createconfig";
            return content;
        }
    }
    *source = "the test fixture (Debian's MAME is not installed)";
    return ReadWholeFile(QStringLiteral(QX_FALLBACK_MAME_INI));
}

// A layer file: mame.ini trimmed, with a few values of its own.
void writeLayer(const QString &path, const QByteArray &mameIniContent, const QByteArray &gamma) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray content = TrimmedOptionFileContent(mameIniContent);
    content.replace("\ngamma                     1.0\n", "\ngamma                     " + gamma + "\n");
    WriteFileAtomically(path, content);
}

// Some other value for every control, as a user who touched everything would leave it.
void changeEverything(OptionModel &model) {
    for (const OptionInfo &info : AllOptions()) {
        ControlValue value = model.value(info.id);
        switch (info.kind) {
        case ControlKind::CheckBox:
        case ControlKind::SoundModule:
        case ControlKind::Aspect:
            value.number = value.number ? 0 : 1;
            value.text = value.text.isEmpty() ? QStringLiteral("4") : value.text;
            value.second = value.second.isEmpty() ? QStringLiteral("3") : value.second;
            break;
        case ControlKind::Slider:
            value.number = value.number == info.maximum ? info.minimum : info.maximum;
            break;
        case ControlKind::List:
        case ControlKind::Rotation:
            value.number = (value.number + 1) % static_cast<int>(std::max<qsizetype>(info.entries.size(), 1));
            break;
        case ControlKind::Text:
        case ControlKind::Monitor:
            value.text = QStringLiteral("changed");
            break;
        case ControlKind::Resolution:
            value = ControlValue{60, QStringLiteral("1024x768"), {}};
            break;
        }
        model.setValue(info.id, value);
    }
    // The governing controls as the most is written: window mode, sound on, resolutions switchable.
    model.setChecked(OptionId::Window, true);
    model.setChecked(OptionId::AutoFrameSkip, false);
    model.setChecked(OptionId::Sound, true);
    model.setChecked(OptionId::SwitchRes, true);
    model.setShownIndex(OptionId::Video, 3);
}

// What a user who touched every control would leave: every check box clicked, every slider at its other
// end, every list at its next entry, every text box holding another text (through the controls' own
// signals, as a user's input sends them).
void changeEveryControl(QDialog &dialog) {
    for (QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
        if (box->isEnabled()) {
            box->click();
        }
    }
    for (QSlider *slider : dialog.findChildren<QSlider *>()) {
        if (slider->isEnabled()) {
            slider->setValue(slider->value() == slider->maximum() ? slider->minimum() : slider->maximum());
        }
    }
    for (QComboBox *combo : dialog.findChildren<QComboBox *>()) {
        if (combo->isEnabled() && combo->count() > 1) {
            combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
            Q_EMIT combo->activated(combo->currentIndex());
        }
    }
    for (QLineEdit *edit : dialog.findChildren<QLineEdit *>()) {
        if (edit->isEnabled()) {
            edit->setText(QStringLiteral("7"));
            Q_EMIT edit->textEdited(edit->text());
        }
    }
}

void benchDialog(const OptionScope &scope, const QString &iniPath, const QString &emulatorDir) {
    bench::SilentPrompts prompts;
    test::FakeDisplayModes modes;
    OptionsDialogContext context(prompts, modes);
    context.scope = scope;
    context.emulatorIniPath = iniPath;
    context.emulatorDir = emulatorDir;
    context.monitorNames = QStringList{QStringLiteral("HDMI-1"), QStringLiteral("DP-2")};
    const QString setFile = OptionFileForScope(scope, iniPath, emulatorDir).path;
    const QByteArray setFileContent = ReadWholeFile(setFile);

    std::unique_ptr<OptionsDialog> dialog;
    const Timing open = measure([&] { dialog.reset(); },
                                [&] {
                                    const QString file = OptionFileForScope(scope, iniPath, emulatorDir).path;
                                    dialog = std::make_unique<OptionsDialog>(context, file);
                                    dialog->show();
                                    QApplication::processEvents();
                                });
    const Timing ok = measure(
        [&] {
            WriteFileAtomically(setFile, setFileContent);
            dialog = std::make_unique<OptionsDialog>(context, setFile);
            dialog->show();
            QApplication::processEvents();
            changeEveryControl(*dialog);
        },
        [&] { dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click(); });
    int linesChanged = 0;
    const QList<QByteArray> before = setFileContent.split('\n');
    const QList<QByteArray> after = ReadWholeFile(setFile).split('\n');
    for (qsizetype i = 0; i < std::min(before.size(), after.size()); ++i) {
        linesChanged += before.at(i) != after.at(i);
    }
    std::printf("options dialog on the %s platform: the same Set Options (%d lines changed by OK)\n",
                qPrintable(QApplication::platformName()), linesChanged);
    reportDialog("open: seven pages built, loaded and shown", open, 150);
    reportDialog("OK with every control changed", ok, 100);
}

// Set and Driver Options from the main window first ask MAME whether the set has a vector screen (which of
// vector.ini and raster.ini lies below its file): one short MAME run before the dialog opens.
void benchScreenQuery(const QString &workDir) {
    if (!QFile::exists(QStringLiteral("/usr/games/mame"))) {
        return;
    }
    ProgramState state;
    state.programDir = workDir + QLatin1Char('/');
    state.EmulatorPath = QStringLiteral("/usr/games/mame");
    state.EmulatorDir = state.programDir;
    bool vector = false;
    const Timing query =
        measure([] {}, [&] { vector = SetHasVectorScreen(state, QStringLiteral("asteroid")); });
    std::printf("before Set or Driver Options open: the screen type from /usr/games/mame (asteroid: %s)\n",
                vector ? "vector" : "raster");
    reportDialog("-listxml asteroid, waited for in a local event loop", query, 150);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir root;
    const QString emulatorDir = root.filePath(QStringLiteral("emu/"));
    QDir().mkpath(emulatorDir);
    const char *source = "";
    QByteArray content = mameIni(root.path(), &source);
    const qsizetype inipath = content.indexOf("\ninipath ") + 1;
    content.replace(inipath, content.indexOf('\n', inipath) - inipath, "inipath                   .;ini");
    const QString iniPath = emulatorDir + QStringLiteral("mame.ini");
    WriteFileAtomically(iniPath, content);
    writeLayer(emulatorDir + QStringLiteral("ini/raster.ini"), content, "1.1");
    writeLayer(emulatorDir + QStringLiteral("ini/source/pacman.ini"), content, "1.2");
    writeLayer(emulatorDir + QStringLiteral("ini/pacman.ini"), content, "1.3");
    const OptionScope scope = OptionScope::forEntry(
        OptionsMenuEntry::SetOptions,
        {QStringLiteral("puckman"), QStringLiteral("pacman"), QStringLiteral("namco/pacman.cpp")});
    const QString setFile = OptionFileForScope(scope, iniPath, emulatorDir).path;
    const QByteArray setFileContent = ReadWholeFile(setFile);
    std::printf("options core: Set Options of puckman (a clone) over 3 layer files; mame.ini %s\n", source);

    const OptionEnvironment environment{2};
    OptionModel model;
    int marked = 0;
    const double openMs =
        bestOf([] {},
               [&] {
                   const OptionFileResult file = OptionFileForScope(scope, iniPath, emulatorDir);
                   model = OptionModel::read(file.path);
                   const OptionLayers layers = OptionLayers::load(scope, iniPath, emulatorDir);
                   marked = 0;
                   for (const OptionInfo &info : AllOptions()) {
                       marked +=
                           IsOptionEnabled(model, info.id, environment) && layers.overrides(info.id, model);
                       layers.toolTip(info.id, model);
                   }
               });

    OptionModel changed;
    int writes = 0;
    const auto restore = [&] {
        WriteFileAtomically(setFile, setFileContent);
        changed = OptionModel::read(setFile);
        changeEverything(changed);
    };
    const double saveMs = bestOf(restore, [&] {
        writes = static_cast<int>(changed.pendingWrites(environment).size());
        if (!changed.save(setFile, environment).ok) {
            std::printf("  the save failed\n");
        }
    });
    const double oneByOneMs = bestOf(restore, [&] {
        for (const OptionWrite &write : changed.pendingWrites(environment)) {
            WriteEmulatorOption(write.name, write.gap, write.value, setFile);
        }
    });

    std::printf(
        "  (%d options present of %d, %d marked as overriding a layer below; %d lines written)\n",
        static_cast<int>(std::count_if(AllOptions().cbegin(), AllOptions().cend(),
                                       [&](const OptionInfo &info) { return model.isPresent(info.id); })),
        kOptionCount, marked, writes);
    report("open: file, every option, 3 layers, marks, tool tips", openMs, 150);
    report("OK with every control changed: one rewrite", saveMs, 100);
    report("(the same lines by one WriteEmulatorOption each)", oneByOneMs, 100);
    benchDialog(scope, iniPath, emulatorDir);
    benchScreenQuery(root.path());
    return 0;
}
