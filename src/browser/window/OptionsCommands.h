#pragma once

#include "options/OptionScope.h"

#include <QHash>
#include <QObject>
#include <optional>

namespace qx {

class MainWindow;

// The commands that open MAME's options dialog: Options ▸ "Default Options..." and "Vector Options..." with
// their twins in the general pop-up and toolbar button 8, and the item pop-up's "Set Options" and "Driver
// Options". Each opens the dialog on its entry's scope with the window's settings (dialog font, tool tips,
// monitors, the full-screen list's topmost rule) and takes back what the dialog reports: the folder of a
// picked effect file (mrud2) and a video output of "none" (ShowConsole 1, so MAME's console is seen).
class OptionsCommands : public QObject {
public:
    OptionsCommands(MainWindow &window, QObject *parent);

    // Opens the dialog on the entry's scope. Set and Driver Options need a selected set and say so when
    // there is none. Returns the dialog's result (QDialog::Rejected when it did not open).
    int open(OptionsMenuEntry entry);

private:
    void connectEntries();
    // The selected set as the scope needs it; nullopt (after telling the user) when the entry needs a set
    // and none is selected, or its driver is not known.
    std::optional<OptionScopeSelection> selectionFor(OptionsMenuEntry entry);
    bool hasVectorScreen(const QString &setName);
    void showConsole();

    MainWindow &m_window;
    // MAME's answer per executable and set: a set's screen does not change while one MAME is chosen.
    QHash<QString, bool> m_vectorScreens;
};

} // namespace qx
