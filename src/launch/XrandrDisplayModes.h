#pragma once

#include "launch/DisplayModes.h"

#include <QByteArray>
#include <memory>

struct _XDisplay; // Xlib's Display, kept out of this header (X11's macros clash with Qt names)

namespace qx {

// The display modes of one X11 output through XRandR 1.2: the modes of the output a window is on, and a
// switch of that output's CRTC that keeps its position, rotation and refresh rate (as far as the modes
// allow) and resizes the screen around it. Every call reads the server's state afresh, so a change made
// by another program is seen. Errors the server reports come back as NotSupported, never as the end of
// the program (Xlib's default).
class XrandrDisplayModes : public DisplayModes {
public:
    // Connects to the X server displayName (empty: $DISPLAY) and works on the output outputName (Qt
    // names a QScreen after its output); when no lit output has that name, the primary output, else the
    // first lit one. Null when there is no server or it lacks XRandR 1.2.
    static std::unique_ptr<XrandrDisplayModes> open(const QString &outputName = {},
                                                    const QByteArray &displayName = {});
    ~XrandrDisplayModes() override;
    XrandrDisplayModes(const XrandrDisplayModes &) = delete;
    XrandrDisplayModes &operator=(const XrandrDisplayModes &) = delete;

    QString CurrentResolution() const override;
    QString CurrentRefreshRate() const override;
    int CurrentDepth() const override;
    QStringList ListDisplayModes() const override;
    QStringList ListRefreshRates() const override;
    DisplayModeChange ChangeDisplayMode(int width, int height, int bits) override;

private:
    XrandrDisplayModes(_XDisplay *display, QString outputName);

    _XDisplay *m_display;
    QString m_outputName;
};

} // namespace qx
