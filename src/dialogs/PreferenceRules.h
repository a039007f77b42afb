#pragma once

#include "app/SettingsKeys.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace qx {

class FrontendSettings;

// The preferences dialog's check boxes, by their index (chkInterface0 to chkInterface16).
enum PreferenceBoxIndex : int {
    kBoxTray = 0,
    kBoxTrayMin = 1,
    kBoxMouseFocus = 2,
    kBoxFullRowSelect = 3,
    kBoxGhostIcon = 4,
    kBoxKeepConsoleOpen = 5,
    kBoxPlayVideo = 6,
    kBoxUseAltRes = 7,
    kBoxToolTips = 8,
    kBoxJoySelect = 9,
    kBoxConfirmVerify = 10,
    kBoxRandomSelectOnly = 11,
    kBoxVideoFullScreen = 12,
    kBoxShowConsole = 13,
    kBoxNeverFastScan = 14,
    kBoxVerifyDialog = 15,
    kBoxSortFav = 16,
};
inline constexpr int kPreferenceBoxCount = 17;

struct PreferenceBox {
    QString caption;
    const SettingKey *key; // boxes 6 and 12 share playavi
    QString toolTip;       // empty: the box has none
};

const std::array<PreferenceBox, kPreferenceBoxCount> &PreferenceBoxes();

// Whether a box reads as ticked from its key: tray, FullRowSelect and ConfirmVerify only for the value 1,
// neverfastscan for anything but "0", the others for any number but 0.
bool PreferenceTicked(const FrontendSettings &settings, const SettingKey &key);
// The text a box writes: "1" ticked, "0" not.
QString PreferenceText(bool ticked);

// playavi from "Play startup video" and its "Full screen": 0 not playing, 1 in a window, 2 full screen.
int PlayAviValue(bool play, bool fullScreen);
struct PlayAviBoxes {
    bool play = false;
    bool fullScreen = false;
};
PlayAviBoxes PlayAviBoxesFrom(int playavi);

// MAME with "video none" shows nothing of its own, so its console must stay visible.
bool VideoNeedsConsole(const QString &videoOption);

// The joystick numbers to offer and the entry to select. One entry per attached device and at least
// joystick 0; a stored number beyond them is kept while a joystick could have it (the one unplugged
// since), so opening the dialog does not lose it. Anything else selects joystick 0.
struct JoystickChoices {
    QStringList entries;
    int selected = 0;
};
inline constexpr int kMaxJoystickNumbers = 16;
JoystickChoices JoystickChoicesFor(int deviceCount, int storedId);

// What the resolution list shows: the stored FullScreenRes when it is a resolution, else the display's
// current one (an empty or hand-mangled value is replaced by what is shown, once the dialog closes).
QString ResolutionToShow(const QString &stored, const QString &current);
// What closing writes to FullScreenRes: the shown resolution when it differs from the value read at load;
// nothing when it is the same or when there is nothing to show.
std::optional<QString> FullScreenResToWrite(const QString &storedAtLoad, const QString &shown);

// What the main window takes over once the preferences dialog has closed.
struct PreferencesResult {
    bool tray = true;
    bool trayMin = false;
    bool joyselect = false;
    int joyid = 0;
    bool RandomSelectOnly = false;
    bool mouseFocus = false;
    bool KeepConsoleOpen = false;
    bool GhostIcon = true;
    bool ShowToolTips = true;
    int ShowConsole = 0;
    int playavi = 0;
    bool VideoFullScreen = false; // playavi 2
};
// The preferences as qx.ini holds them; the console is shown whatever the file says while MAME's video
// is "none".
PreferencesResult ReadPreferencesResult(const FrontendSettings &settings, bool videoNeedsConsole);

} // namespace qx
