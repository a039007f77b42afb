#include "dialogs/PreferenceRules.h"

#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "dialogs/DialogSettingKeys.h"
#include "launch/DisplayModes.h"

#include <algorithm>

namespace qx {

using namespace dialogkeys;

const std::array<PreferenceBox, kPreferenceBoxCount> &PreferenceBoxes() {
    static const std::array<PreferenceBox, kPreferenceBoxCount> boxes{{
        {QStringLiteral("Tray icon"), kTray, QStringLiteral("Show system tray icon")},
        {QStringLiteral("Minimise to tray"), kTrayMin, QStringLiteral("Minimise to system tray")},
        {QStringLiteral("Set focus on mouse move"), kMouseFocus,
         QStringLiteral("Give focus to controls when a mouse cursor moves over them")},
        {QStringLiteral("Full row select in Details view"), kFullRowSelect,
         QStringLiteral("Select the full row, not just the description")},
        {QStringLiteral("Ghost clone set icons"), kGhostIcon,
         QStringLiteral("Ghost the icons for clones in non-grouped views")},
        {QStringLiteral("Keep console open"), kKeepConsoleOpen,
         QStringLiteral("Keep the command prompt open (for benchmarking etc.)")},
        {QStringLiteral("Play startup video"), kPlayAvi, QStringLiteral("Play an avi file on start")},
        {QStringLiteral("Use a different resolution"), kUseAltRes,
         QStringLiteral("Allow using an alt. resolution to what your desktop uses")},
        {QStringLiteral("Show tool tips/help labels"), kShowToolTips,
         QStringLiteral("Show tooltips, like this one")},
        {QStringLiteral("Joystick select and play"), kJoySelect,
         QStringLiteral("Select and play game by joystick (buttons 1-3)")},
        {QStringLiteral("Confirm verifying all sets"), kConfirmVerify,
         QStringLiteral("This can avoid time wasting if Verify All Sets is accidentally clicked")},
        {QStringLiteral("Only select random set"), kRandomSelectOnly,
         QStringLiteral("Do not run MAME after random select")},
        {QStringLiteral("Full screen"), kPlayAvi, QString()},
        {QStringLiteral("Show console"), kShowConsole,
         QStringLiteral("Show the command prompt when running MAME")},
        {QStringLiteral("Never prompt to fastscan"), kNeverFastScan, QString()},
        {QStringLiteral("Show verify dialog"), kVerifyDialog, QString()},
        {QStringLiteral("Sort tray favourites"), kSortFav, QString()},
    }};
    return boxes;
}

bool PreferenceTicked(const FrontendSettings &settings, const QString &key) {
    const SettingKey *entry = FindSettingKey(key);
    if (entry && entry->kind == SettingKind::ComparedWithOne) {
        return settings.isOne(key);
    }
    if (entry && entry->kind == SettingKind::Text) {
        return settings.text(key).trimmed() != QLatin1String("0");
    }
    return settings.flag(key);
}

QString PreferenceText(bool ticked) {
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

int PlayAviValue(bool play, bool fullScreen) {
    if (!play) {
        return 0;
    }
    return fullScreen ? 2 : 1;
}

PlayAviBoxes PlayAviBoxesFrom(int playavi) {
    return {playavi == 1 || playavi == 2, playavi == 2};
}

bool VideoNeedsConsole(const QString &videoOption) {
    return StripQuotes(videoOption.trimmed()).trimmed().compare(QLatin1String("none"), Qt::CaseInsensitive) ==
           0;
}

JoystickChoices JoystickChoicesFor(int deviceCount, int storedId) {
    int last = std::max(deviceCount, 1) - 1;
    if (storedId > last && storedId < kMaxJoystickNumbers) {
        last = storedId;
    }
    JoystickChoices choices;
    for (int number = 0; number <= last; ++number) {
        choices.entries.append(QString::number(number));
    }
    choices.selected = storedId >= 0 && storedId <= last ? storedId : 0;
    return choices;
}

QString ResolutionToShow(const QString &stored, const QString &current) {
    if (const auto resolution = ParseFullScreenRes(stored).resolution) {
        return ResolutionText(*resolution);
    }
    return current;
}

std::optional<QString> FullScreenResToWrite(const QString &storedAtLoad, const QString &shown) {
    if (shown.isEmpty() || shown == storedAtLoad) {
        return std::nullopt;
    }
    return shown;
}

PreferencesResult ReadPreferencesResult(const FrontendSettings &settings, bool videoNeedsConsole) {
    PreferencesResult result;
    result.tray = settings.isOne(kTray);
    result.trayMin = settings.flag(kTrayMin);
    result.joyselect = settings.flag(kJoySelect);
    result.joyid = std::max(settings.integer(kJoyId), 0);
    result.RandomSelectOnly = settings.flag(kRandomSelectOnly);
    result.mouseFocus = settings.flag(kMouseFocus);
    result.KeepConsoleOpen = settings.flag(kKeepConsoleOpen);
    result.GhostIcon = settings.flag(kGhostIcon);
    result.ShowToolTips = settings.flag(kShowToolTips);
    result.ShowConsole = videoNeedsConsole || settings.flag(kShowConsole) ? 1 : 0;
    result.playavi = settings.integer(kPlayAvi);
    result.VideoFullScreen = result.playavi == 2;
    return result;
}

} // namespace qx
