#pragma once

// A main window for the information panel, chrome and tray tests: its own program directory with the
// default qx.ini, an emulator directory with flyers/ and snap/, scripted prompts and recorded desktop
// services. The window is shown (offscreen) but not loaded, so no emulator is needed.
#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/MainWindow.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace qx::test {

// Scripted prompts that also let a test look at the window while a font or colour dialog is open.
class WatchingPrompts : public ScriptedUserPrompts {
public:
    std::function<void()> whileDialogOpen;

    std::optional<FontChoice> chooseFont(const FontChoice &initial, bool withColour) override {
        if (whileDialogOpen) {
            whileDialogOpen();
        }
        return ScriptedUserPrompts::chooseFont(initial, withColour);
    }
    std::optional<quint32> chooseColour(quint32 initial) override {
        if (whileDialogOpen) {
            whileDialogOpen();
        }
        return ScriptedUserPrompts::chooseColour(initial);
    }
};

struct InfoTestWindow {
    QTemporaryDir program;
    QTemporaryDir emulator;
    WatchingPrompts prompts;
    RecordingPlatformServices services;
    std::unique_ptr<MainWindow> window;

    // settings: key/value pairs written to qx.ini before the window is made.
    explicit InfoTestWindow(const QList<QPair<const SettingKey *, QString>> &settingsValues = {}) {
        FrontendSettings::WriteDefaultSettings(programDir() + QStringLiteral("qx.ini"));
        for (const auto &[key, value] : settingsValues) {
            settings().write(*key, value);
        }
        window = std::make_unique<MainWindow>(programDir(), prompts, services);
        ProgramState &state = window->state();
        state.EmulatorDir = emulatorDir();
        state.PictureDirectory = emulatorDir() + QStringLiteral("flyers/");
        state.SnapshotDirectory = emulatorDir() + QStringLiteral("snap/");
        window->resize(1200, 800);
        window->show();
    }

    // Makes the set the browser's selected one, as a click on it does; a catalogue of that set alone is made
    // when the window's lacks it. An empty name selects nothing.
    void select(const QString &name) const {
        if (name.isEmpty()) {
            return;
        }
        SetCatalogue &catalogue = window->catalogue();
        if (catalogue.indexOfName(name) < 0) {
            SetRecord record;
            record.Name = name;
            record.Description = name;
            catalogue = SetCatalogue({record});
            window->browser().clearViews();
        }
        window->state().CurrentSetName = name;
        window->browser().fillShownView();
        window->browser().reselectAndShow();
    }

    QString programDir() const { return program.path() + QLatin1Char('/'); }
    QString emulatorDir() const { return emulator.path() + QLatin1Char('/'); }
    FrontendSettings settings() const { return FrontendSettings(programDir() + QStringLiteral("qx.ini")); }

    template <typename T>
    T *find(const char *name) const {
        T *object = window->findChild<T *>(QLatin1String(name));
        if (!object) {
            qFatal("no %s in the main window", name);
        }
        return object;
    }

    // A one-colour PNG in the emulator directory (path relative to it).
    void writePicture(const QString &relativePath, const QSize &size, const QColor &colour) const {
        const QString path = emulatorDir() + relativePath;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        if (!image.save(path, "PNG")) {
            qFatal("cannot write %s", qPrintable(path));
        }
    }
};

} // namespace qx::test
