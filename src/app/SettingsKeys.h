#pragma once

#include <QString>

namespace qx {

// How a key's text is decoded.
enum class SettingKind {
    Boolean,         // "0"/"False" false; any other number or "True" true
    ComparedWithOne, // true only for the value 1
    Integer,
    Twips,
    List,   // numbers joined by ","
    Colour, // platform colour number (blue, green, red bytes); empty = the control's designed colour
    Text,
};

// One key of qx.ini's FRONTEND section: its name as the file spells it, the text the default file gives it,
// and how its text is decoded.
struct SettingKey {
    const char *name;
    const char *defaultValue;
    SettingKind kind;

    QString nameText() const { return QLatin1String(name); }
    QString defaultText() const { return QString::fromLatin1(defaultValue); }
};

// A key whose kind is part of its type: FrontendSettings reads and writes each kind with its own value type,
// so a key read the wrong way does not compile.
template <SettingKind Kind>
struct TypedSettingKey : SettingKey {
    constexpr TypedSettingKey(const char *keyName, const char *keyDefault)
        : SettingKey{keyName, keyDefault, Kind} {}
};

using FlagSetting = TypedSettingKey<SettingKind::Boolean>;
using OneSetting = TypedSettingKey<SettingKind::ComparedWithOne>;
using IntegerSetting = TypedSettingKey<SettingKind::Integer>;
using TwipsSetting = TypedSettingKey<SettingKind::Twips>;
using ListSetting = TypedSettingKey<SettingKind::List>;
using ColourSetting = TypedSettingKey<SettingKind::Colour>;
using TextSetting = TypedSettingKey<SettingKind::Text>;

// Every key of qx.ini with its default: the one place a default is written down. FrontendSettings.cpp lists
// them in the order of the default file.
namespace Settings {
inline constexpr IntegerSetting WindowState{"WindowState", "0"}; // 2 maximised
inline constexpr TwipsSetting MainHeight{"MainHeight", "7665"};
inline constexpr TwipsSetting MainLeft{"MainLeft", ""};
inline constexpr TwipsSetting MainTop{"MainTop", ""};
inline constexpr TwipsSetting MainWidth{"MainWidth", "10500"};
inline constexpr FlagSetting ShowHistory{"ShowHistory", "0"};
inline constexpr TextSetting SplitterLeft{"SplitterLeft", "onethirdwidth"}; // twips, or "onethirdwidth"
inline constexpr ListSetting ColumnWidths{"ColumnWidths", "240,80,80,67,125,77,90"};
inline constexpr ListSetting ColumnPos{"ColumnPos", "0,1,2,3,4,5,6,7"};
inline constexpr OneSetting FullRowSelect{"FullRowSelect", "1"};
inline constexpr FlagSetting GhostIcon{"GhostIcon", "1"};
inline constexpr FlagSetting MouseFocus{"mouseFocus", "0"};
inline constexpr FlagSetting ShowStatusBar{"ShowStatusBar", "-1"};
inline constexpr IntegerSetting ViewMode{"ViewMode", "3"}; // see ViewMode in setlist/ViewMode.h
inline constexpr FlagSetting HideClones{"HideClones", "1"};
inline constexpr FlagSetting HideBios{"HideBIOS", "-1"};
inline constexpr OneSetting ConfirmVerify{"ConfirmVerify", "1"};
inline constexpr TextSetting LastSelected{"LastSelected", "yumefuda"};
inline constexpr FlagSetting ShowA{"ShowA", "-1"};
inline constexpr FlagSetting ShowU{"ShowU", "-1"};
inline constexpr IntegerSetting ShowConsole{"ShowConsole", "0"};
inline constexpr FlagSetting KeepConsoleOpen{"KeepConsoleOpen", "0"};
inline constexpr FlagSetting ShowMenu{"ShowMenu", "-1"};
// The address prefix of the online set-information page; the set name is appended to it.
inline constexpr TextSetting Url{"url", "https://adb.arcadeitalia.net/dettaglio_mame.php?game_name="};
inline constexpr TextSetting Avi{"avi", "click"};
inline constexpr IntegerSetting PlayAvi{"playavi", "0"};
inline constexpr FlagSetting UseNotepad{"UseNotepad", "0"};
inline constexpr OneSetting Tray{"tray", "1"};
inline constexpr FlagSetting TrayMin{"trayMin", "0"};
inline constexpr FlagSetting ShowToolTips{"ShowToolTips", "1"};
inline constexpr TextSetting FullScreenRes{"FullScreenRes", ""};
inline constexpr FlagSetting UseAltRes{"UseAltRes", "0"};
inline constexpr FlagSetting Toolbar{"toolbar", "-1"};
inline constexpr TextSetting FontName{"FontName", "Verdana"};
inline constexpr FlagSetting FontBold{"FontBold", "0"};
inline constexpr FlagSetting FontItalic{"FontItalic", "0"};
inline constexpr IntegerSetting FontSize{"FontSize", ""};
inline constexpr FlagSetting StrikeOut{"StrikeOut", "0"};
inline constexpr FlagSetting Underline{"Underline", "0"};
inline constexpr ColourSetting FontColour{"FontColour", ""};
inline constexpr ColourSetting BackColour{"BackColour", ""};
inline constexpr ColourSetting TreeBackColour{"TreeBackColour", ""};
inline constexpr TextSetting SbFontName{"sbFontName", "Verdana"};
inline constexpr FlagSetting SbFontBold{"sbFontBold", "0"};
inline constexpr FlagSetting SbFontItalic{"sbFontItalic", "0"};
inline constexpr IntegerSetting SbFontSize{"sbFontSize", ""};
inline constexpr FlagSetting SbStrikeOut{"sbStrikeOut", "0"};
inline constexpr FlagSetting SbUnderline{"sbUnderline", "0"};
inline constexpr TextSetting InfoFontName{"infoFontName", "Verdana"};
inline constexpr FlagSetting InfoFontBold{"infoFontBold", "0"};
inline constexpr FlagSetting InfoFontItalic{"infoFontItalic", "0"};
inline constexpr IntegerSetting InfoFontSize{"infoFontSize", ""};
inline constexpr FlagSetting InfoStrikeOut{"infoStrikeOut", "0"};
inline constexpr FlagSetting InfoUnderline{"infoUnderline", "0"};
inline constexpr ColourSetting InfoBackColour{"infoBackColour", ""};
inline constexpr ColourSetting PicBackColour{"picBackColour", ""};
inline constexpr ColourSetting InfoFontColour{"infoFontColour", ""};
inline constexpr TextSetting DialogueFont{"dialogueFont", "Arial"};
inline constexpr FlagSetting Picture{"picture", "0"};
inline constexpr TextSetting PicturePath{"picturepath", "flyers"};
inline constexpr FlagSetting RandomSelectOnly{"RandomSelectOnly", "0"};
inline constexpr FlagSetting JoySelect{"joyselect", "0"};
inline constexpr IntegerSetting JoyId{"joyid", "0"};
inline constexpr FlagSetting CheckSamples{"checksamples", "-1"};
inline constexpr TextSetting NeverFastScan{"neverfastscan", "0"}; // only "0" asks for the fast scan
inline constexpr FlagSetting VerifyDialog{"verifydialog", "1"};
inline constexpr TextSetting Mrud{"mrud", ""};
inline constexpr TextSetting Mrud2{"mrud2", ""};
inline constexpr TextSetting Mrud3{"mrud3", ""};
inline constexpr TextSetting Exe{"exe", ""};
inline constexpr TextSetting Crc32{"crc32", ""};
inline constexpr TextSetting Version{"Version", ""};
inline constexpr IntegerSetting SetLimit{"setlimit", ""};
inline constexpr IntegerSetting BiosSets{"biossets", ""};
inline constexpr FlagSetting SortFav{"sortfav", "1"};
} // namespace Settings

} // namespace qx
