#pragma once

#include "options/OptionScope.h"

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

namespace qx {

class DisplayModes;
class UserPrompts;

// Everything the options dialog needs from the program, as values and small interfaces, so that it knows
// nothing of the main window. The caller reads the settings (dialogueFont, ShowToolTips, mrud2) and writes
// back what the dialog reports through the two callbacks.
struct OptionsDialogContext {
    OptionsDialogContext(UserPrompts &prompts, DisplayModes &displayModes)
        : prompts(prompts), displayModes(displayModes) {}

    OptionScope scope;        // which file: Default, Vector, Driver or Set (with the selected set)
    QString emulatorIniPath;  // mame.ini; it must exist (EnsureEmulatorIni)
    QString emulatorDir;      // with or without a trailing separator
    QString dialogFontName;   // dialogueFont; "" keeps the system font
    bool showToolTips = true; // ShowToolTips: tool tips and the help label
    bool topmost = false;     // the full-screen set list is active
    QStringList monitorNames; // one per attached screen, in the system's order (MonitorNames())
    QString lastEffectFolder; // mrud2: where the effect file's "Select..." starts
    UserPrompts &prompts;     // file pickers, "Delete this file", failed writes
    DisplayModes &displayModes;
    // mrud2 becomes the folder of a picked effect file.
    std::function<void(const QString &folder)> effectFolderPicked;
    // The video output became "none": ShowConsole must become 1 so MAME's console is seen.
    std::function<void()> consoleNeeded;
    // Shows the dialog modally and returns its result; the main window passes ModalToolDialog, which pauses
    // the joystick meanwhile. Empty: QDialog::exec.
    std::function<int(QDialog &)> run;
    QWidget *parent = nullptr;
};

// The names of the attached screens, for monitorNames (QGuiApplication::screens()).
QStringList MonitorNames();

// Opens the options dialog for the context's scope: resolves the scope's file (creating a layer file from
// mame.ini when it is missing), shows what went wrong when there is no file to edit, and otherwise runs the
// dialog. Returns QDialog::Accepted when it was closed with OK.
int OpenOptionsDialog(const OptionsDialogContext &context);

} // namespace qx
