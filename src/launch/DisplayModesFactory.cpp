#include "launch/DisplayModesFactory.h"

#include "launch/ScreenDisplayModes.h"

#include <QGuiApplication>
#include <QScreen>

#ifdef QX_HAVE_XRANDR
#include "launch/XrandrDisplayModes.h"

#include <QtGui/qguiapplication_platform.h>
#include <X11/Xlib.h>
#endif

namespace qx {

namespace {

#ifdef QX_HAVE_XRANDR
// Quorvex's own connection to the X server Qt talks to (Qt's is not to be disturbed by mode switches).
std::unique_ptr<DisplayModes> openXrandr(const QScreen *screen) {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const QByteArray displayName =
        x11 && x11->display() ? QByteArray(XDisplayString(x11->display())) : QByteArray();
    return XrandrDisplayModes::open(screen ? screen->name() : QString(), displayName);
}
#endif

} // namespace

std::unique_ptr<DisplayModes> CreateDisplayModes(QScreen *screen) {
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
#ifdef QX_HAVE_XRANDR
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (std::unique_ptr<DisplayModes> xrandr = openXrandr(screen)) {
            return xrandr;
        }
    }
#endif
    return std::make_unique<ScreenDisplayModes>(screen);
}

} // namespace qx
