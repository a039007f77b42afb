#include "app/ScopeGuards.h"

#include <QCursor>
#include <QGuiApplication>

namespace qx {

BusyPointer::BusyPointer() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace qx
