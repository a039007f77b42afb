#pragma once

#include "ScriptedLaunchHost.h"
#include "ScriptedUserPrompts.h"
#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace qx::test {

// A main window that knows the stand-in emulator: a program directory with a default qx.ini, an emulator
// directory holding the stand-in (its calls land in standin-calls.log there) and a mame.ini, and the window
// shown, idle, with scripted prompts.
struct LaunchSetup {
    QTemporaryDir root;
    QString programDir;
    QString emulatorDir;
    QString emulator;
    ScriptedUserPrompts prompts;
    RecordingPlatformServices services;
    std::unique_ptr<MainWindow> window;
    ScriptedLaunchHost *host = nullptr; // the window's: what its controllers (and a test's) see of it

    explicit LaunchSetup(const QByteArray &mameIni = defaultMameIni()) {
        programDir = root.filePath(QStringLiteral("program")) + QLatin1Char('/');
        emulatorDir = root.filePath(QStringLiteral("emu")) + QLatin1Char('/');
        QDir().mkpath(programDir);
        QDir().mkpath(emulatorDir);
        FrontendSettings::WriteDefaultSettings(programDir + QStringLiteral("qx.ini"));
        emulator = installStandin(emulatorDir);
        writeFile(emulatorDir + QStringLiteral("mame.ini"), mameIni);
        window = std::make_unique<MainWindow>(programDir, prompts, services);
        ProgramState &state = window->state();
        state.EmulatorPath = emulator;
        state.EmulatorDir = emulatorDir;
        state.EmulatorIniPath = emulatorDir + QStringLiteral("mame.ini");
        state.CurrentSetName = QStringLiteral("pacman");
        state.SnapshotDirectory = emulatorDir + QStringLiteral("snap/");
        window->setBusy(false);
        window->show();
        auto scripted = std::make_unique<ScriptedLaunchHost>(*window);
        host = scripted.get();
        window->setLaunchHost(std::move(scripted));
    }

    static QByteArray defaultMameIni() {
        return "<UNADORNED0>\n"
               "nvram_directory           nvram\n"
               "input_directory           inp\n"
               "snapshot_directory        snap\n"
               "cfg_directory             cfg\n"
               "diff_directory            diff\n"
               "inipath                   .;ini\n";
    }

    FrontendSettings settings() const { return FrontendSettings(programDir + QStringLiteral("qx.ini")); }
    QList<StandinCall> calls() const {
        return readStandinCalls(emulatorDir + QStringLiteral("standin-calls.log"));
    }
    QStringList switches() const {
        QStringList result;
        for (const StandinCall &call : calls()) {
            result += call.args.join(QLatin1Char(' '));
        }
        return result;
    }
    QString cleanEmulatorDir() const { return QDir(emulatorDir).absolutePath(); }
};

} // namespace qx::test
