#pragma once

#include "app/FrontendSettings.h"
#include "catalogue/SetCatalogue.h"
#include "dialogs/DialogCommon.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QMenu;
class QStatusBar;

namespace qx {

class PlatformServices;
class SetListModel;
class SetReportView;
class UserPrompts;
struct ProgramState;

// Redraws a set whose State a verify changed.
using SetStateShown = std::function<void(const QString &name, SetState state)>;

// What the BIOS list works with.
struct BiosListContext {
    ProgramState &state;        // qx.dat's path; the full-screen list the dialog must stay above
    FrontendSettings settings;  // FullRowSelect
    PlatformServices &services; // the clipboard
    UserPrompts &prompts;       // a qx.dat that cannot be read
    const QWidget &setList;     // the main window's list: its font and colours
    const QWidget &statusBar;   // the main window's status bar: its font
    // Verifies one BIOS set (MAME's verdict corrects its record in `bios` and its line in qx.dat, and the
    // output window shows over `owner`); showState redraws its row.
    std::function<void(const QString &name, SetCatalogue &bios, QWidget &owner,
                       const SetStateShown &showState)>
        verifySet;
    std::function<void(const QString &name)> openInfoOnline; // url followed by the name
    QWidget *parent = nullptr;
    ModalRunner runModal; // the main window's modal-tool-dialog way; empty: QDialog::exec
};

// The BIOS list (frmBIOS, "BIOS List"): the BIOS sets of qx.dat, which the browser never shows, whatever
// their State, in file order, with the set list's model, state icons, font and colours (ListView1:
// Description and Name). Its status bar (StatusBar1) shows the count and the selected set's name, year,
// manufacturer and status. The pop-up (mnuPopUp, only over a selected row) copies the name, the
// description or both, verifies the set and opens its page online. Rows cannot be edited; Escape closes.
class BiosListDialog : public QDialog {
    Q_OBJECT
public:
    explicit BiosListDialog(const BiosListContext &context);

    // The pop-up menu at a point of the list; false (and no menu) when no row is selected.
    bool showPopup(const QPoint &globalPos);

    // The pop-up's commands, on the selected row.
    enum class CopyWhat { Name, Description, Both };
    void copySelected(CopyWhat what);
    void verifySelected();
    void openSelectedOnline();

private:
    void createList();
    void createPopup();
    void applyAppearance();
    void showSelected();
    std::optional<SetView> selectedSet() const;

    BiosListContext m_context;
    SetCatalogue m_bios;
    SetListModel *m_model = nullptr;
    SetReportView *m_view = nullptr;
    QStatusBar *m_status = nullptr;
    QList<QLabel *> m_panels;
    QMenu *m_popup = nullptr;
};

// Set-List ▸ "&BIOS List": shows the BIOS list modally.
void OpenBiosList(const BiosListContext &context);

} // namespace qx
