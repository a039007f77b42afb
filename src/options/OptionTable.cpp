#include "options/OptionTable.h"

#include "options/EmulatorOptionFile.h"

namespace qx {

namespace {

using Id = OptionId;
using Page = OptionPage;

OptionInfo base(Id id, const char *name, Page page, ControlKind kind, WrittenForm form) {
    OptionInfo info;
    info.id = id;
    info.name = QString::fromLatin1(name);
    info.page = page;
    info.kind = kind;
    info.form = form;
    info.gap = EmulatorOptionPad(info.name);
    return info;
}

OptionInfo checkBox(Id id, const char *name, Page page, const char *caption, const char *toolTip = "",
                    const char *frame = "") {
    OptionInfo info = base(id, name, page, ControlKind::CheckBox, WrittenForm::Flag);
    info.caption = QString::fromUtf8(caption);
    info.toolTip = QString::fromUtf8(toolTip);
    info.frame = QString::fromUtf8(frame);
    return info;
}

struct SliderRange {
    int minimum;
    int maximum;
    int scale;
};

OptionInfo slider(Id id, const char *name, Page page, const char *frame, SliderRange range, WrittenForm form,
                  const char *prefix = "", const char *suffix = "") {
    OptionInfo info = base(id, name, page, ControlKind::Slider, form);
    info.frame = QString::fromUtf8(frame);
    info.minimum = range.minimum;
    info.maximum = range.maximum;
    info.scale = range.scale;
    info.labelPrefix = QString::fromUtf8(prefix);
    info.labelSuffix = QString::fromUtf8(suffix);
    info.labelDecimals = range.scale > 1 ? 2 : 0;
    return info;
}

// Two-decimal sliders: the position is the value times 20, one step 0.05.
OptionInfo twentieths(Id id, const char *name, Page page, const char *frame, int minimum, int maximum,
                      WrittenForm form = WrittenForm::Shortest, const char *prefix = "") {
    return slider(id, name, page, frame, {minimum, maximum, 20}, form, prefix);
}

OptionInfo captioned(OptionInfo info, const char *caption) {
    info.caption = QString::fromUtf8(caption);
    return info;
}

OptionInfo list(Id id, const char *name, Page page, const char *frame, QStringList entries,
                QStringList values, const char *caption = "", const char *toolTip = "") {
    OptionInfo info = base(id, name, page, ControlKind::List, WrittenForm::EntryValue);
    info.frame = QString::fromUtf8(frame);
    info.caption = QString::fromUtf8(caption);
    info.toolTip = QString::fromUtf8(toolTip);
    info.entries = std::move(entries);
    info.values = std::move(values);
    info.maximum = static_cast<int>(info.entries.size()) - 1;
    return info;
}

OptionInfo composite(Id id, const char *name, Page page, ControlKind kind, const char *frame,
                     const char *caption = "") {
    OptionInfo info = base(id, name, page, kind, WrittenForm::Composite);
    info.frame = QString::fromUtf8(frame);
    info.caption = QString::fromUtf8(caption);
    return info;
}

OptionInfo text(Id id, const char *name, Page page, const char *frame, const char *caption = "",
                WrittenForm form = WrittenForm::Text) {
    OptionInfo info = base(id, name, page, ControlKind::Text, form);
    info.frame = QString::fromUtf8(frame);
    info.caption = QString::fromUtf8(caption);
    return info;
}

QStringList frameSkipEntries() {
    QStringList entries{QStringLiteral("Draw every frame")};
    for (int skip = 1; skip <= 11; ++skip) {
        entries.append(QStringLiteral("Skip %1 of 12 frames").arg(skip));
    }
    return entries;
}

QStringList numbers(int first, int last) {
    QStringList values;
    for (int n = first; n <= last; ++n) {
        values.append(QString::number(n));
    }
    return values;
}

void addDisplayPage(QList<OptionInfo> &t) {
    t << checkBox(Id::Window, "window", Page::Display, "Start in window mode", "Start MAME in a window")
      << checkBox(Id::Maximize, "maximize", Page::Display, "Maximise window",
                  "Stretch window to the maximum supported size")
      << twentieths(Id::PauseBrightness, "pause_brightness", Page::Display, "Pause brightness", 0, 20,
                    WrittenForm::TwoDecimals)
      << twentieths(Id::Gamma, "gamma", Page::Display, "Gamma correction", 2, 60)
      << twentieths(Id::Brightness, "brightness", Page::Display, "Brightness correction", 2, 40)
      << twentieths(Id::Contrast, "contrast", Page::Display, "Contrast correction", 2, 40);
    OptionInfo rotation = composite(Id::Rotation, "rotate", Page::Display, ControlKind::Rotation, "Rotation");
    rotation.extraNames = QStringList{QStringLiteral("ror"), QStringLiteral("rol"), QStringLiteral("autoror"),
                                      QStringLiteral("autorol")};
    rotation.entries = QStringList{QStringLiteral("Default"),        QStringLiteral("Clockwise"),
                                   QStringLiteral("Anti-clockwise"), QStringLiteral("None"),
                                   QStringLiteral("Auto clockwise"), QStringLiteral("Auto anti-clockwise")};
    rotation.maximum = 5;
    t << rotation << checkBox(Id::FlipX, "flipx", Page::Display, "vertically")
      << checkBox(Id::FlipY, "flipy", Page::Display, "horizontally")
      << slider(Id::Prescale, "prescale", Page::Display, "Prescale", {1, 10, 1}, WrittenForm::Whole);
}

void addAdvancedPage(QList<OptionInfo> &t) {
    const OptionPlatform platform = CurrentOptionPlatform();
    t << list(Id::Video, "video", Page::Advanced, "Video output", VideoOutputEntries(platform),
              VideoOutputValues(platform))
      << list(Id::D3dVersion, "d3dversion", Page::Advanced, "Direct3D",
              {QStringLiteral("Version 9"), QStringLiteral("Version 8")},
              {QStringLiteral("9"), QStringLiteral("8")})
      << checkBox(Id::Filter, "filter", Page::Advanced, "Bilinear Filtering")
      << checkBox(Id::HwStretch, "hwstretch", Page::Advanced, "Hardware stretch",
                  "Use the hardware stretching of modern gfx cards")
      << checkBox(Id::TripleBuffer, "triplebuffer", Page::Advanced, "Triple buffering",
                  "Attempt to remove video tearing with triple buffering (overrides v-sync)")
      << checkBox(Id::SyncRefresh, "syncrefresh", Page::Advanced, "Sync to monitor refresh",
                  "Throttle speed to your monitor's refresh (may cause sound problems)")
      << checkBox(Id::WaitVsync, "waitvsync", Page::Advanced, "Video sync",
                  "Attempt to remove video tearing with v-sync")
      << checkBox(Id::KeepAspect, "keepaspect", Page::Advanced, "Enforce aspect ratio",
                  "Enforced the game's proper aspect ratio, so it looks correct")
      << checkBox(Id::Throttle, "throttle", Page::Advanced, "Throttle game speed",
                  "Attempts to keep the game at its intended speed")
      << checkBox(Id::RefreshSpeed, "refreshspeed", Page::Advanced, "Refresh game speed",
                  "Helps prevent side effects that can occur on 60Hz monitors")
      << twentieths(Id::FullScreenGamma, "full_screen_gamma", Page::Advanced, "Full screen colour", 2, 60,
                    WrittenForm::Shortest, "gamma: ")
      << twentieths(Id::FullScreenBrightness, "full_screen_brightness", Page::Advanced, "Full screen colour",
                    2, 40, WrittenForm::Shortest, "brightness: ")
      << twentieths(Id::FullScreenContrast, "full_screen_contrast", Page::Advanced, "Full screen colour", 2,
                    40, WrittenForm::Shortest, "contrast: ")
      << slider(Id::Speed, "speed", Page::Advanced, "Game speed", {0, 300, 100}, WrittenForm::TwoDecimals)
      << checkBox(Id::AutoFrameSkip, "autoframeskip", Page::Advanced, "automatic", "", "Frame skipping")
      << list(Id::FrameSkip, "frameskip", Page::Advanced, "Frame skipping", frameSkipEntries(),
              numbers(0, 11))
      << text(Id::Effect, "effect", Page::Display, "Effect File");
}

void addScreensPage(QList<OptionInfo> &t) {
    t << checkBox(Id::SwitchRes, "switchres", Page::Screens, "Allow switching", "", "Resolutions")
      << slider(Id::NumScreens, "numscreens", Page::Screens, "Number of screens", {1, kMaxScreens, 1},
                WrittenForm::Whole, "Number of screens ");
    for (int n = 0; n < kMaxScreens; ++n) {
        const QByteArray digit = QByteArray::number(n);
        const auto id = [n](Id screen0Option) {
            return PerScreen(screen0Option, n);
        };
        QList<OptionInfo> group{composite(id(Id::Screen0), QByteArray("screen" + digit).constData(),
                                          Page::Screens, ControlKind::Monitor, "Monitor"),
                                composite(id(Id::Aspect0), QByteArray("aspect" + digit).constData(),
                                          Page::Screens, ControlKind::Aspect, "Aspect ratio", "automatic"),
                                composite(id(Id::Resolution0), QByteArray("resolution" + digit).constData(),
                                          Page::Screens, ControlKind::Resolution, "Resolutions"),
                                list(id(Id::View0), QByteArray("view" + digit).constData(), Page::Screens,
                                     "View",
                                     {QStringLiteral("Auto"), QStringLiteral("Standard"),
                                      QStringLiteral("Pixel aspect"), QStringLiteral("Cocktail")},
                                     {QStringLiteral("auto"), QStringLiteral("standard"),
                                      QStringLiteral("pixel"), QStringLiteral("cocktail")})};
        for (OptionInfo &info : group) {
            info.screen = n;
            t << info;
        }
    }
}

void addSoundPage(QList<OptionInfo> &t) {
    const QStringList rates{QStringLiteral("11025"), QStringLiteral("22050"), QStringLiteral("24000"),
                            QStringLiteral("44100"), QStringLiteral("48000")};
    OptionInfo sound =
        composite(Id::Sound, "sound", Page::Sound, ControlKind::SoundModule, "", "Enable sound");
    sound.toolTip = QStringLiteral("Enable or disable sound");
    t << sound << checkBox(Id::Samples, "samples", Page::Sound, "Use samples", "Use samples if available")
      << list(Id::SampleRate, "samplerate", Page::Sound, "", rates, rates,
              "Sample rate:", "Audio sample rate")
      << captioned(slider(Id::Volume, "volume", Page::Sound, "", {-32, 0, 1}, WrittenForm::Whole, "", "dB"),
                   "Volume attenuation:")
      << captioned(slider(Id::AudioLatency, "audio_latency", Page::Sound, "", {1, 4, 1}, WrittenForm::Whole,
                          "", "/4"),
                   "Audio latency:");
}

void addMiscellaneousPage(QList<OptionInfo> &t) {
    const Page m = Page::Miscellaneous;
    OptionInfo flicker =
        slider(Id::Flicker, "flicker", m, "Vector", {0, 100, 1}, WrittenForm::Whole, "Flicker: ");
    flicker.labelDecimals = 2;
    t << checkBox(Id::Cheat, "cheat", m, "Enable cheats", "Enable use of a cheat file")
      << checkBox(Id::Log, "log", m, "Error log (for developers)", "Log illegal memory accesses in ERROR.LOG")
      << checkBox(Id::Sleep, "sleep", m, "Sleep when possible",
                  "Share processor time with the operating system")
      << checkBox(Id::AutoSave, "autosave", m, "Auto load / save state",
                  "Auto load and save states for sets that support it")
      << checkBox(Id::SkipGameInfo, "skip_gameinfo", m, "Skip game info.", "Skip the game information screen")
      << checkBox(Id::Verbose, "verbose", m, "Verbose",
                  "Show diagnostic info. at the console, assuming you are showing it")
      << slider(Id::Priority, "priority", m, "Threads", {0, 10, 1}, WrittenForm::Whole, "thread priority: ")
      << checkBox(Id::UseBackdrops, "use_backdrops", m, "backdrops", "Enable using backdrop files")
      << checkBox(Id::UseBezels, "use_bezels", m, "bezels", "Enable using bezel files")
      << checkBox(Id::UseOverlays, "use_overlays", m, "overlays", "Enable using overlay files")
      << checkBox(Id::ArtworkCrop, "artwork_crop", m, "crop artwork",
                  "Crop the artwork to the game screen area only")
      << checkBox(Id::Multithreading, "multithreading", m, "multi-threading", "Enable multi-threading",
                  "Threads")
      << checkBox(Id::Antialias, "antialias", m, "antialiased vectors", "", "Vector")
      << twentieths(Id::Beam, "beam", m, "Vector", 20, 320, WrittenForm::Shortest, "Beam width: ") << flicker
      << text(Id::SecondsToRun, "seconds_to_run", m, "", "Seconds to run:")
      << checkBox(Id::CoinLockout, "coin_lockout", m, "Coin lockout");
}

void addControllersPage(QList<OptionInfo> &t) {
    const Page c = Page::Controllers;
    t << checkBox(Id::Joystick, "joystick", c, "Joystick input", "Enable joystick support")
      << checkBox(Id::Mouse, "mouse", c, "Mouse input", "Enable mouse support")
      << twentieths(Id::JoystickDeadzone, "joystick_deadzone", c, "", 0, 20, WrittenForm::Shortest,
                    "deadzone: ")
      << twentieths(Id::JoystickSaturation, "joystick_saturation", c, "", 0, 20, WrittenForm::Shortest,
                    "saturation: ")
      << checkBox(Id::Lightgun, "lightgun", c, "Lightgun input", "Enable lightgun support")
      << checkBox(Id::OffscreenReload, "offscreen_reload", c, "Offscreen reload")
      << checkBox(Id::DualLightgun, "dual_lightgun", c, "Dual lightguns")
      << checkBox(Id::Steadykey, "steadykey", c, "Steadykey support",
                  "Make it easier to press two or more buttons at exactly the same time")
      << text(Id::Ctrlr, "ctrlr", c, "Input Layout", "", WrittenForm::FileTitle)
      << checkBox(Id::MultiKeyboard, "multikeyboard", c, "Multiple keyboards")
      << checkBox(Id::MultiMouse, "multimouse", c, "Multiple mice");
}

void addMappingPage(QList<OptionInfo> &t) {
    const QStringList entries{QStringLiteral("None"), QStringLiteral("Keyboard"), QStringLiteral("Mouse"),
                              QStringLiteral("Joystick"), QStringLiteral("Lightgun")};
    QStringList values;
    for (const QString &entry : entries) {
        values.append(entry.toLower());
    }
    const Page p = Page::Mapping;
    t << list(Id::PaddleDevice, "paddle_device", p, "Paddle device", entries, values)
      << list(Id::AdstickDevice, "adstick_device", p, "ADStick device", entries, values)
      << list(Id::PedalDevice, "pedal_device", p, "Pedal device", entries, values)
      << list(Id::DialDevice, "dial_device", p, "Dial device", entries, values)
      << list(Id::TrackballDevice, "trackball_device", p, "Trackball device", entries, values)
      << list(Id::LightgunDevice, "lightgun_device", p, "Lightgun device", entries, values)
      << list(Id::PositionalDevice, "positional_device", p, "Positional device", entries, values)
      << list(Id::MouseDevice, "mouse_device", p, "Mouse device", entries, values);
}

QList<OptionInfo> buildTable() {
    QList<OptionInfo> table;
    table.reserve(kOptionCount);
    addDisplayPage(table);
    addAdvancedPage(table);
    addScreensPage(table);
    addSoundPage(table);
    addMiscellaneousPage(table);
    addControllersPage(table);
    addMappingPage(table);
    for (qsizetype i = 0; i < table.size(); ++i) {
        Q_ASSERT(static_cast<int>(table.at(i).id) == i);
    }
    Q_ASSERT(table.size() == kOptionCount);
    return table;
}

} // namespace

const QList<OptionPageNode> &OptionPageTree() {
    static const QList<OptionPageNode> tree{
        {Page::Display, QStringLiteral(" Display"), std::nullopt},
        {Page::Screens, QStringLiteral("Screens"), Page::Display},
        {Page::Advanced, QStringLiteral("Advanced"), Page::Display},
        {Page::Sound, QStringLiteral(" Sound"), std::nullopt},
        {Page::Controllers, QStringLiteral(" Controllers"), std::nullopt},
        {Page::Mapping, QStringLiteral("Mapping"), Page::Controllers},
        {Page::Miscellaneous, QStringLiteral(" Miscellaneous"), std::nullopt},
    };
    return tree;
}

const QList<OptionInfo> &AllOptions() {
    static const QList<OptionInfo> table = buildTable();
    return table;
}

const OptionInfo &Option(OptionId id) {
    return AllOptions().at(static_cast<int>(id));
}

QList<OptionId> OptionsOfPage(OptionPage page) {
    QList<OptionId> ids;
    for (const OptionInfo &info : AllOptions()) {
        if (info.page == page) {
            ids.append(info.id);
        }
    }
    return ids;
}

OptionId PerScreen(OptionId screen0Option, int screen) {
    return static_cast<OptionId>(static_cast<int>(screen0Option) + 4 * screen);
}

OptionPlatform CurrentOptionPlatform() {
#ifdef Q_OS_WIN
    return OptionPlatform::Windows;
#else
    return OptionPlatform::Linux;
#endif
}

QStringList VideoOutputEntries(OptionPlatform platform) {
    if (platform == OptionPlatform::Windows) {
        return {QStringLiteral("none"), QStringLiteral("GDI"), QStringLiteral("Direct3D"),
                QStringLiteral("BGFX"), QStringLiteral("OpenGL")};
    }
    return {QStringLiteral("none"), QStringLiteral("Software"), QStringLiteral("Accelerated"),
            QStringLiteral("OpenGL"), QStringLiteral("BGFX")};
}

QStringList VideoOutputValues(OptionPlatform platform) {
    if (platform == OptionPlatform::Windows) {
        return {QStringLiteral("none"), QStringLiteral("gdi"), QStringLiteral("d3d"), QStringLiteral("bgfx"),
                QStringLiteral("opengl")};
    }
    return {QStringLiteral("none"), QStringLiteral("soft"), QStringLiteral("accel"), QStringLiteral("opengl"),
            QStringLiteral("bgfx")};
}

} // namespace qx
