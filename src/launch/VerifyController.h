#pragma once

#include <QObject>
#include <QPointer>

namespace qx {

class LaunchHost;
class VerifyOutputWindow;

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
    // Asks first when ConfirmVerify is 1; then identifies the emulator again and runs the set-list refresh.
    void VerifyAllSets();

    // The verify output window while it is shown.
    VerifyOutputWindow *outputWindow() const;

private:
    void showOutput(const QString &setName, const QString &text);

    LaunchHost &m_host;
    QPointer<VerifyOutputWindow> m_outputWindow;
};

} // namespace qx
