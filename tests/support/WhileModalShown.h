#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace qx::test {

// Runs `open`, which shows a modal dialog of that object name; once it shows, `use` runs on it and Escape
// closes it. Returns whether it showed.
inline bool WhileModalShown(const QString &objectName, const std::function<void()> &open,
                            const std::function<void(QDialog &)> &use) {
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!shown && dialog && dialog->objectName() == objectName && dialog->isVisible()) {
            shown = true;
            use(*dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    poll.start(5);
    open();
    return shown;
}

} // namespace qx::test
