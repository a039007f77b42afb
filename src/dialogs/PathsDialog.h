#pragma once

#include "dialogs/PathsEditor.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace qx {

class PathsSettings;
class UserPrompts;

inline const QString kPathsDialogCaption = QStringLiteral("Paths / Directories");
// The first run's caption, when it asks for the ROM folders.
inline const QString kRomPathsCaption = QStringLiteral("Change, Add or Delete ROM / CHD paths");

struct PathsDialogContext {
    QString emulatorDir;     // with a trailing separator; relative MAME folders are taken in it
    QString emulatorIniPath; // the mame.ini to edit
    PathsSettings &settings;
    UserPrompts &prompts;
    bool &romChangeConfirmed; // for the program run: the ROM-change question has been answered
    QString caption = kPathsDialogCaption;
    bool showRomsNote = false; // the first run's note on where the ROM files go
    // Shows the dialog modally; the main window passes ModalToolDialog, which pauses the joystick meanwhile.
    // Empty: QDialog::exec.
    std::function<int(QDialog &)> run = nullptr;
    QWidget *parent = nullptr;
};

// Paths / Directories (frmFolders): MAME's search paths and folders in mame.ini and the picture folder in
// qx.ini, one kind at a time. Every change is written at once, so the Cancel button turns into "OK"; closing
// (the button or Escape) keeps what was written. A folder that does not exist, once its variables are
// expanded, is greyed with the tool tip "Folder not found".
class PathsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PathsDialog(const PathsDialogContext &context);

    PathsDialogResult result() const { return m_editor.result(); }

private:
    void buildControls(bool showRomsNote);
    void showKind(int index);
    void fillList();
    void updateButtons();
    bool edit(PathEdit outcome);
    int selectedRow() const;

    PathsEditor m_editor;
    QComboBox *m_kinds = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_change = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_close = nullptr;
    QLabel *m_note = nullptr;
    bool m_showRomsNote = false; // the first run's note, shown while the ROM folders are
};

// Shows the dialog modally and tells what it changed. The caller then takes the snapshot and picture
// folders from the result, and when ROM paths changed identifies MAME again and verifies every set.
PathsDialogResult OpenPathsDialog(const PathsDialogContext &context);

} // namespace qx
