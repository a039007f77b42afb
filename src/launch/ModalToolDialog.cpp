#include "launch/ModalToolDialog.h"

#include "browser/window/MainWindow.h"

#include <QDialog>
#include <QTimer>

namespace qx {

namespace {

QTimer *joystickTimer(MainWindow &window) {
    return window.findChild<QTimer *>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
}

} // namespace

JoystickPause::JoystickPause(MainWindow &window) : m_window(window) {
    if (QTimer *timer = joystickTimer(m_window)) {
        timer->stop();
    }
}

JoystickPause::~JoystickPause() {
    QTimer *timer = joystickTimer(m_window);
    if (timer && m_window.settings().get(Settings::JoySelect)) {
        timer->start(80);
    }
}

int ModalToolDialog(MainWindow &window, QDialog &dialog, const std::function<void()> &prepare) {
    const JoystickPause pause(window);
    if (prepare) {
        prepare();
    }
    return dialog.exec();
}

} // namespace qx
