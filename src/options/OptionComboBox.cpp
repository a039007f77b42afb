#include "options/OptionComboBox.h"

namespace qx {

OptionComboBox::OptionComboBox(const QString &objectName, QWidget *parent) : QComboBox(parent) {
    setObjectName(objectName);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void OptionComboBox::showPopup() {
    Q_EMIT touched();
    QComboBox::showPopup();
}

void OptionComboBox::keyPressEvent(QKeyEvent *event) {
    Q_EMIT touched();
    QComboBox::keyPressEvent(event);
}

} // namespace qx
