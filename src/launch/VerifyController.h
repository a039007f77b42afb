#pragma once

#include "catalogue/SetRecord.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace qx {

class LaunchHost;
class SetCatalogue;
class VerifyOutputWindow;

// What a single-set verify acts on: the catalogue whose record it corrects (the browser's, or the BIOS
// list's), the window its output window stands over, whether that window offers the sample check, and what
// redraws the set's item when its State changed.
struct SetVerifyTarget {
    SetCatalogue &catalogue;
    QWidget &owner;
    bool offerSampleCheck = true;
    std::function<void(const QString &name, SetState state)> showState;
};

// "Verify Set" and "Verify All Sets" of the main window. A single-set verify asks MAME about one set,
// corrects its State in the view, the catalogue and qx.dat when MAME's verdict differs from what is shown,
// and shows MAME's answer in the verify output window when verifydialog is on.
class VerifyController : public QObject {
    Q_OBJECT
public:
    explicit VerifyController(LaunchHost &host, QObject *parent = nullptr);

    // Verifies the selected set (else the current set).
    void VerifySet();
    void VerifySet(const QString &setName);
    // Verifies a set of another catalogue than the browser's (a BIOS set of the BIOS list).
    void VerifySet(const QString &setName, const SetVerifyTarget &target);
    // Asks first when ConfirmVerify is 1; then identifies the emulator again and runs the set-list refresh.
    void VerifyAllSets();

    // The verify output window while it is shown.
    VerifyOutputWindow *outputWindow() const;

private:
    void showOutput(const QString &setName, const QString &text, const SetVerifyTarget &target);

    LaunchHost &m_host;
    QPointer<VerifyOutputWindow> m_outputWindow;
};

} // namespace qx
