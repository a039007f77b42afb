#pragma once

#include <QString>

// The qx.ini keys that the preferences dialog, the about box and the start-up video read and write, each
// spelled once here so that no window spells a key itself.
namespace qx::dialogkeys {

// The preferences' check boxes.
inline const QString kTray = QStringLiteral("tray");
inline const QString kTrayMin = QStringLiteral("trayMin");
inline const QString kMouseFocus = QStringLiteral("mouseFocus");
inline const QString kFullRowSelect = QStringLiteral("FullRowSelect");
inline const QString kGhostIcon = QStringLiteral("GhostIcon");
inline const QString kKeepConsoleOpen = QStringLiteral("KeepConsoleOpen");
inline const QString kPlayAvi = QStringLiteral("playavi");
inline const QString kUseAltRes = QStringLiteral("UseAltRes");
inline const QString kShowToolTips = QStringLiteral("ShowToolTips");
inline const QString kJoySelect = QStringLiteral("joyselect");
inline const QString kConfirmVerify = QStringLiteral("ConfirmVerify");
inline const QString kRandomSelectOnly = QStringLiteral("RandomSelectOnly");
inline const QString kShowConsole = QStringLiteral("ShowConsole");
inline const QString kNeverFastScan = QStringLiteral("neverfastscan");
inline const QString kVerifyDialog = QStringLiteral("verifydialog");
inline const QString kSortFav = QStringLiteral("sortfav");

// The preferences' other controls.
inline const QString kAvi = QStringLiteral("avi");
inline const QString kVideoFolder = QStringLiteral("mrud3");
inline const QString kFullScreenRes = QStringLiteral("FullScreenRes");
inline const QString kJoyId = QStringLiteral("joyid");

// Read by the windows.
inline const QString kDialogueFont = QStringLiteral("dialogueFont");
inline const QString kEmulatorVersion = QStringLiteral("Version");
inline const QString kEmulatorExe = QStringLiteral("exe");
inline const QString kSetLimit = QStringLiteral("setlimit");
inline const QString kBiosSets = QStringLiteral("biossets");

// MAME's option (in mame.ini) that decides whether the console may be hidden.
inline const QString kMameVideoOption = QStringLiteral("video");

} // namespace qx::dialogkeys
