#pragma once

#include "launch/LaunchHooks.h"

#include <QObject>
#include <QPointer>

namespace qx {

class MainWindow;
class VerifyOutputWindow;

// "Verify Set" and "Verify All Sets" of the main window. A single-set verify asks MAME about one set,
// corrects its State in the view, the catalogue and qx.dat when MAME's verdict differs from what is shown,
// and shows MAME's answer in the verify output window when verifydialog is on.
class VerifyController : public QObject {
    Q_OBJECT
public:
    VerifyController(MainWindow &window, LaunchHooks hooks);

    // Connects the item pop-up's "Verify Set" and Tools ▸ "&Verify All Sets" (with its general pop-up
    // twin). Toolbar button 10 is the browser's (its verifySet hook calls VerifySet()).
    void connectActions();

    // Verifies the selected set (LaunchHooks::currentSelection, else the current set).
    void VerifySet();
    void VerifySet(const QString &setName);
    // Asks first when ConfirmVerify is 1; then identifies the emulator again and runs the set-list refresh.
    void VerifyAllSets();

    // The verify output window while it is shown.
    VerifyOutputWindow *outputWindow() const;

private:
    void showOutput(const QString &setName, const QString &text);

    MainWindow &m_window;
    LaunchHooks m_hooks;
    QPointer<VerifyOutputWindow> m_outputWindow;
};

} // namespace qx
