#pragma once

#include "app/FrontendSettings.h"
#include "dialogs/DialogCommon.h"
#include "dialogs/PreferenceRules.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace qx {

class DisplayModes;
class Joystick;
class LinkLabel;
class UserPrompts;

// What the preferences dialog works with.
struct PreferencesContext {
    FrontendSettings settings; // qx.ini
    UserPrompts &prompts;
    QString emulatorIniPath;           // mame.ini: its video option decides whether the console may be hidden
    bool fullScreenListActive = false; // the full-screen list's resolution cannot change while it is shown
    DisplayModes *displayModes = nullptr; // the resolution list; null: the stored resolution alone
    Joystick *joystick = nullptr;         // the joystick list; null: joystick 0 alone
    QWidget *parent = nullptr;
    ModalRunner runModal; // the main window's modal-tool-dialog way; empty: QDialog::exec
};

// The preferences dialog (frmInterface, "Quorvex Preferences"): seventeen check boxes (chkInterface0 to
// chkInterface16, see PreferenceBoxIndex), each written to qx.ini the moment it is clicked; the start-up
// video file (txtStartupAvi, a click chooses it), the full-screen list's resolution (cboInterface) and the
// joystick number (Combo1), the last two written when the dialog closes. The "Close" link (Label3), Escape
// and the window's close box close it; nothing is ever rolled back.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(const PreferencesContext &context);

    // Whether MAME's video option made the console compulsory.
    bool videoNeedsConsole() const { return m_videoNeedsConsole; }

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void layOutControls();
    void loadBoxes();
    void loadResolutions(DisplayModes *displayModes);
    void loadJoysticks(Joystick *joystick);
    void showBoxFromFile(int index);
    void updateEnabling();
    void applyToolTips(bool on);
    void onBoxClicked(int index);
    bool storeBox(int index);
    void chooseVideo();
    void writeOnClose();
    void reportUnsaved();

    FrontendSettings m_settings;
    UserPrompts &m_prompts;
    bool m_fullScreenListActive = false;
    bool m_videoNeedsConsole = false;
    bool m_closed = false;
    QString m_resolutionAtLoad;

    std::array<QCheckBox *, kPreferenceBoxCount> m_boxes{};
    QLineEdit *m_videoFile = nullptr;
    QGroupBox *m_fullScreenFrame = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_resolutions = nullptr;
    QComboBox *m_joysticks = nullptr;
    LinkLabel *m_close = nullptr;
};

// Options ▸ "&Preferences...": shows the dialog modally and returns the preferences the main window takes
// over (the tray icon, the joystick poll, the tool tips, the ghosted clones...).
PreferencesResult OpenPreferences(const PreferencesContext &context);

} // namespace qx
