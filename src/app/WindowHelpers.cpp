#include "app/WindowHelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QWidget>

namespace qx {

namespace {

void setTopmostFlag(QWidget *window, bool on) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) {
        return;
    }
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing a window flag re-creates the native window: give a shown one back its place and visibility.
    // One not shown yet keeps no place of its own, so that a dialog is still centred over its parent.
    if (visible) {
        window->setGeometry(geometry);
        window->show();
    }
}

} // namespace

void SetTopmost(QWidget *window) {
    setTopmostFlag(window, true);
}

void ClearTopmost(QWidget *window) {
    setTopmostFlag(window, false);
}

void RemoveDuplicateItems(QComboBox *combo) {
    for (int i = combo->count() - 1; i >= 0; --i) {
        if (i >= combo->count()) {
            continue;
        }
        const QString text = combo->itemText(i);
        for (int j = 0; j < combo->count(); ++j) {
            if (combo->itemText(j).compare(text, Qt::CaseInsensitive) == 0) {
                if (j != i) {
                    combo->removeItem(j);
                }
                break;
            }
        }
    }
}

QLabel *AddStatusPanel(QStatusBar *bar, const QString &objectName, int stretch) {
    auto *label = new QLabel(bar);
    label->setObjectName(objectName);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(8);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addPermanentWidget(label, stretch);
    return label;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/quorvex/icons/quorvex-%1.png").arg(size));
    }
    return icon;
}

} // namespace qx
