#include "dialogs/PreferenceRules.h"

#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "app/ProfileIni.h"
#include "app/SettingsKeys.h"
#include "launch/DisplayModes.h"

#include <algorithm>

namespace qx {

const std::array<PreferenceBox, kPreferenceBoxCount> &PreferenceBoxes() {
    static const std::array<PreferenceBox, kPreferenceBoxCount> boxes{{
        {QStringLiteral("Tray icon"), &Settings::Tray, QStringLiteral("Show system tray icon")},
        {QStringLiteral("Minimise to tray"), &Settings::TrayMin, QStringLiteral("Minimise to system tray")},
        {QStringLiteral("Set focus on mouse move"), &Settings::MouseFocus,
         QStringLiteral("Give focus to controls when a mouse cursor moves over them")},
        {QStringLiteral("Full row select in Details view"), &Settings::FullRowSelect,
         QStringLiteral("Select the full row, not just the description")},
        {QStringLiteral("Ghost clone set icons"), &Settings::GhostIcon,
         QStringLiteral("Ghost the icons for clones in non-grouped views")},
        {QStringLiteral("Keep console open"), &Settings::KeepConsoleOpen,
         QStringLiteral("Keep the command prompt open (for benchmarking etc.)")},
        {QStringLiteral("Play startup video"), &Settings::PlayAvi,
         QStringLiteral("Play an avi file on start")},
        {QStringLiteral("Use a different resolution"), &Settings::UseAltRes,
         QStringLiteral("Allow using an alt. resolution to what your desktop uses")},
        {QStringLiteral("Show tool tips/help labels"), &Settings::ShowToolTips,
         QStringLiteral("Show tooltips, like this one")},
        {QStringLiteral("Joystick select and play"), &Settings::JoySelect,
         QStringLiteral("Select and play game by joystick (buttons 1-3)")},
        {QStringLiteral("Confirm verifying all sets"), &Settings::ConfirmVerify,
         QStringLiteral("This can avoid time wasting if Verify All Sets is accidentally clicked")},
        {QStringLiteral("Only select random set"), &Settings::RandomSelectOnly,
         QStringLiteral("Do not run MAME after random select")},
        {QStringLiteral("Full screen"), &Settings::PlayAvi, QString()},
        {QStringLiteral("Show console"), &Settings::ShowConsole,
         QStringLiteral("Show the command prompt when running MAME")},
        {QStringLiteral("Never prompt to fastscan"), &Settings::NeverFastScan, QString()},
        {QStringLiteral("Show verify dialog"), &Settings::VerifyDialog, QString()},
        {QStringLiteral("Sort tray favourites"), &Settings::SortFav, QString()},
    }};
    return boxes;
}

bool PreferenceTicked(const FrontendSettings &settings, const SettingKey &key) {
    QString text = settings.read(key).trimmed();
    if (text == kMissingSetting) {
        text = key.defaultText();
    }
    switch (key.kind) {
    case SettingKind::ComparedWithOne:
        return text == QLatin1String("1");
    case SettingKind::Text:
        return text != QLatin1String("0");
    default: {
        const std::optional<bool> decoded = FrontendSettings::DecodeBoolean(text);
        return decoded ? *decoded : FrontendSettings::DecodeBoolean(key.defaultText()).value_or(false);
    }
    }
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
    result.tray = settings.get(Settings::Tray);
    result.trayMin = settings.get(Settings::TrayMin);
    result.joyselect = settings.get(Settings::JoySelect);
    result.joyid = std::max(settings.get(Settings::JoyId), 0);
    result.RandomSelectOnly = settings.get(Settings::RandomSelectOnly);
    result.mouseFocus = settings.get(Settings::MouseFocus);
    result.KeepConsoleOpen = settings.get(Settings::KeepConsoleOpen);
    result.GhostIcon = settings.get(Settings::GhostIcon);
    result.ShowToolTips = settings.get(Settings::ShowToolTips);
    result.ShowConsole = videoNeedsConsole || settings.get(Settings::ShowConsole) ? 1 : 0;
    result.playavi = settings.get(Settings::PlayAvi);
    result.VideoFullScreen = result.playavi == 2;
    return result;
}

} // namespace qx
