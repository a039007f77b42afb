#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

// Every option the options dialog edits, in the order the dialog saves them (page by page: Display, Advanced,
// Screens, Sound, Miscellaneous with Vector, Controllers, Mapping).
// clang-format off
enum class OptionId {
    // Display
    Window, Maximize, PauseBrightness, Gamma, Brightness, Contrast, Rotation, FlipX, FlipY, Prescale,
    // Advanced (the effect file's box is on the Display page, but it is saved with this page)
    Video, D3dVersion, Filter, HwStretch, TripleBuffer, SyncRefresh, WaitVsync, KeepAspect, Throttle,
    RefreshSpeed, FullScreenGamma, FullScreenBrightness, FullScreenContrast, Speed, AutoFrameSkip, FrameSkip,
    Effect,
    // Screens; the per-screen options come in groups of four for screens 0 to 3
    SwitchRes, NumScreens,
    Screen0, Aspect0, Resolution0, View0, Screen1, Aspect1, Resolution1, View1,
    Screen2, Aspect2, Resolution2, View2, Screen3, Aspect3, Resolution3, View3,
    // Sound
    Sound, Samples, SampleRate, Volume, AudioLatency,
    // Miscellaneous
    Cheat, Log, Sleep, AutoSave, SkipGameInfo, Verbose, Priority, UseBackdrops, UseBezels, UseOverlays,
    ArtworkCrop, Multithreading, Antialias, Beam, Flicker, SecondsToRun, CoinLockout,
    // Controllers
    Joystick, Mouse, JoystickDeadzone, JoystickSaturation, Lightgun, OffscreenReload, DualLightgun, Steadykey,
    Ctrlr, MultiKeyboard, MultiMouse,
    // Mapping
    PaddleDevice, AdstickDevice, PedalDevice, DialDevice, TrackballDevice, LightgunDevice, PositionalDevice,
    MouseDevice,
    Count
};
// clang-format on

inline constexpr int kOptionCount = static_cast<int>(OptionId::Count);
inline constexpr int kMaxScreens = 4;

// The page tree's pages, numbered as the dialog numbers them.
enum class OptionPage { Display = 1, Screens, Advanced, Sound, Controllers, Mapping, Miscellaneous };

enum class ControlKind {
    CheckBox,    // "1" ticks it, written "1" or "0"
    Slider,      // a position; value = position / scale
    List,        // fixed entries, each with its written value; a value the list does not know is kept
    Text,        // a text box
    Rotation,    // one list that writes rotate, ror, rol, autoror and autorol
    SoundModule, // "Enable sound" over MAME's sound module
    Monitor,     // screen<n>: "auto" or a monitor's name
    Aspect,      // aspect<n>: "auto" or width:height
    Resolution,  // resolution<n>: "auto" or WIDTHxHEIGHT[@RATE]
};

enum class WrittenForm {
    Flag,        // "1" or "0"
    Shortest,    // position / scale with no trailing zeros: 1, 1.2, 0.85
    TwoDecimals, // position / scale with two decimals: 0.70
    Whole,       // the position
    EntryValue,  // the selected entry's value, or the kept unknown value
    Text,        // as typed
    FileTitle,   // "default" as it is, anything else from after its last folder separator
    Composite,   // several options or a value assembled from parts (rotation, sound, monitor, aspect,
                 // resolution)
};

struct OptionInfo {
    OptionId id = OptionId::Count;
    QString name;           // the option's name in the file ("rotate" for the rotation)
    QStringList extraNames; // further options the control writes (the rotation's ror, rol, autoror, autorol)
    OptionPage page = OptionPage::Display;
    ControlKind kind = ControlKind::CheckBox;
    QString caption; // the check box's text, or the label before the control
    QString frame;   // the frame the control sits in; "" when none
    QString toolTip; // shown while "Show tool tips/help labels" is on
    int minimum = 0; // slider positions
    int maximum = 1;
    int scale = 1; // positions per unit of the value
    WrittenForm form = WrittenForm::Flag;
    QString labelPrefix; // the slider's value label: prefix + value + suffix
    QString labelSuffix;
    int labelDecimals = 0;
    QStringList entries; // list entries as shown
    QStringList values;  // the value written for each entry
    int gap = 1;         // blanks after the name: the value starts in column 27
    int screen = -1;     // 0 to 3 for the per-screen options
};

// The page tree in its order; a child page names its parent. The four leading blanks are part of the texts.
struct OptionPageNode {
    OptionPage page;
    QString text;
    std::optional<OptionPage> parent;
};
const QList<OptionPageNode> &OptionPageTree();

// The table, indexed by OptionId; the video output list offers what this platform's MAME accepts.
const OptionInfo &Option(OptionId id);
const QList<OptionInfo> &AllOptions();
// The options of one page, in their save order.
QList<OptionId> OptionsOfPage(OptionPage page);
// screen<n>, aspect<n>, resolution<n> or view<n> of another screen: PerScreen(OptionId::Aspect0, 2) is
// Aspect2.
OptionId PerScreen(OptionId screen0Option, int screen);

enum class OptionPlatform { Linux, Windows };
OptionPlatform CurrentOptionPlatform();
// The video output list: captions and MAME's values.
QStringList VideoOutputEntries(OptionPlatform platform);
QStringList VideoOutputValues(OptionPlatform platform);

} // namespace qx
