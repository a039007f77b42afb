#pragma once

#include "app/FrontendSettings.h"
#include "dialogs/DialogCommon.h"

#include <QDialog>
#include <QList>

class QFormLayout;
class QLabel;

namespace qx {

class LinkLabel;
class PlatformServices;

// What the about box works with.
struct AboutContext {
    FrontendSettings settings;         // qx.ini: the emulator's version, executable and catalogue figures
    PlatformServices &services;        // opens the home page and the e-mail address
    bool fullScreenListActive = false; // the box must then stay above the full-screen list
    QWidget *parent = nullptr;
    ModalRunner runModal; // the main window's modal-tool-dialog way; empty: QDialog::exec
};

// The about box (frmAbout, "About Quorvex"): Quorvex's version and a credit line (lblVersion0,
// lblDescription); once an emulator is known, its version line, executable and catalogue figures
// (lblVersion1 to lblVersion4); the home page (lblHome) and e-mail (lblEmail) links and the "Close" link
// (Label1). Escape also closes it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const AboutContext &context);

private:
    LinkLabel *addLink(QFormLayout *links, const QString &caption, const QString &text,
                       const QString &objectName);

    PlatformServices &m_services;
    QList<QLabel *> m_versionLines;
};

// Help ▸ "&About Quorvex" (F1): shows the about box modally.
void OpenAbout(const AboutContext &context);

} // namespace qx
