#pragma once

#include <functional>

class QDialog;
class QString;
class QWidget;

namespace qx {

// How the main window shows one of its tool dialogs modally (its modal-tool-dialog way, which pauses the
// joystick poll around the dialog); returns the dialog's result.
using ModalRunner = std::function<int(QDialog &)>;

// Shows the dialog through runModal, or with QDialog::exec when there is none.
int ShowModal(QDialog &dialog, const ModalRunner &runModal);

// Gives a dialog and its controls the font family that qx.ini's dialogueFont names, at the size they have.
void ApplyDialogueFont(QWidget *dialog, const QString &family);

} // namespace qx
