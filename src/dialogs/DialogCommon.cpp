#include "dialogs/DialogCommon.h"

#include <QDialog>

namespace qx {

int ShowModal(QDialog &dialog, const ModalRunner &runModal) {
    return runModal ? runModal(dialog) : dialog.exec();
}

void ApplyDialogueFont(QWidget *dialog, const QString &family) {
    if (family.trimmed().isEmpty()) {
        return;
    }
    QFont font = dialog->font();
    font.setFamily(family.trimmed());
    dialog->setFont(font);
}

} // namespace qx
