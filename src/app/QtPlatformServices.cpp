#include "app/QtPlatformServices.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace qx {

bool QtPlatformServices::openUrl(const QString &urlOrPath) {
    const QUrl url = QFileInfo::exists(urlOrPath) ? QUrl::fromLocalFile(urlOrPath) : QUrl(urlOrPath);
    return QDesktopServices::openUrl(url);
}

void QtPlatformServices::setClipboardText(const QString &text) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString QtPlatformServices::clipboardText() const {
    return QGuiApplication::clipboard()->text();
}

} // namespace qx
