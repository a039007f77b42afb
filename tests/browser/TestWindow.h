#pragma once

// The main window every window test starts from: a program directory of its own with the default qx.ini,
// the stand-in emulator installed in it as the known MAME (so it is the emulator directory too) and a qx.dat
// of three sets with pacman last selected; the test's keys are written over these. start() loads the window
// as a user's start does; showUnloaded() shows it without loading, for the tests of one part.
#include "ScriptedUserPrompts.h"
#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "catalogue/SetListCache.h"

#include <QAction>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <memory>

namespace qx::test {

using SettingValues = QList<QPair<const SettingKey *, QString>>;

// Name=Description=Parent=Manufacturer=Year=Status=State=Driver=Bios: pacman, a clone of puckman, is the one
// set not available.
inline const QByteArray kThreeSets =
    "puckman=Puck Man (Japan set 1)==Namco=1980=good=1=pacman/pacman.cpp=no\r\n"
    "pacman=Pac-Man (Midway)=puckman=Namco (Midway license)=1980=good=2=pacman/pacman.cpp=no\r\n"
    "galaga=Galaga (Namco rev. B)==Namco=1981=good=1=galaga/galaga.cpp=no\r\n";

struct TestWindow {
    QTemporaryDir dir;
    const QString path = dir.path() + QLatin1Char('/');
    ScriptedUserPrompts prompts;
    RecordingPlatformServices services;
    std::unique_ptr<MainWindow> window;

    explicit TestWindow(const SettingValues &values = {}) {
        FrontendSettings::WriteDefaultSettings(path + "qx.ini");
        writeFile(path + "qx.dat", kThreeSets);
        set({{&Settings::Exe, installStandin(dir.path())},
             {&Settings::Version, "MAME v0.251 (unknown)"},
             {&Settings::LastSelected, "pacman"}});
        set(values);
    }
    FrontendSettings settings() const { return FrontendSettings(path + "qx.ini"); }
    void set(const SettingValues &values) const {
        for (const auto &[key, value] : values) {
            settings().write(*key, value);
        }
    }

    MainWindow &make() {
        window = std::make_unique<MainWindow>(path, prompts, services);
        return *window;
    }
    // Loads the window (made now unless the test made it), shown and active so that its shortcuts act.
    MainWindow &start() {
        if (!window) {
            make();
        }
        const bool loaded = window->load();
        window->activateWindow();
        if (!loaded || !QTest::qWaitForWindowActive(window.get())) {
            qFatal("the window did not load or did not become active");
        }
        return *window;
    }
    // The window shown but not loaded: the sets of qx.dat read, its pictures in flyers/ and snap/.
    MainWindow &showUnloaded() {
        make().catalogue() = LoadSetList(path + "qx.dat", true);
        ProgramState &state = window->state();
        state.EmulatorDir = path;
        state.PictureDirectory = path + "flyers/";
        state.SnapshotDirectory = path + "snap/";
        window->resize(1200, 800);
        window->show();
        return *window;
    }

    // Makes the set the browser's selected one, as a click on it does; an empty name selects nothing.
    void select(const QString &name) const {
        if (!name.isEmpty()) {
            window->state().CurrentSetName = name;
            window->browser().fillShownView();
            window->browser().reselectAndShow();
        }
    }

    QStringList availableSets() const {
        QStringList names;
        for (const SetView set : window->catalogue()) {
            if (set.isAvailable()) {
                names += set.name().toString();
            }
        }
        return names;
    }

    // The stand-in's calls since the given one, by their first argument (a listing's switch or a set), and
    // the sets it ran.
    QStringList calls(qsizetype from = 0) const {
        QStringList firsts;
        for (const StandinCall &call : readStandinCalls(path + "standin-calls.log").mid(from)) {
            firsts += call.args.value(0);
        }
        return firsts;
    }
    QStringList launches() const {
        QStringList sets = calls();
        sets.removeIf([](const QString &first) { return first.startsWith('-'); });
        return sets;
    }

    QAction *action(const char *name) const { return find<QAction>(name, window->actions().find(name)); }
    template <typename T = QWidget>
    T *find(const char *name, T *found = nullptr) const {
        found = found ? found : window->findChild<T *>(QLatin1String(name));
        if (!found) {
            qFatal("no %s in the main window", name);
        }
        return found;
    }

    // A one-colour PNG in the program directory (path relative to it).
    void writePicture(const QString &relativePath, const QSize &size, const QColor &colour) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QDir().mkpath(QFileInfo(path + relativePath).path());
        if (!image.save(path + relativePath, "PNG")) {
            qFatal("cannot write %s", qPrintable(relativePath));
        }
    }
};

} // namespace qx::test
