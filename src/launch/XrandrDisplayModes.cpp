#include "launch/XrandrDisplayModes.h"

#include <QSize>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <utility>

namespace qx {

namespace {

// Xlib hands protocol errors to one process-wide handler whose default ends the program. While a trap
// lives, errors are only counted, so a request the server refuses becomes a failed call.
class XErrorTrap {
public:
    explicit XErrorTrap(Display *display) : m_display(display) {
        XSync(m_display, False);
        s_errors = 0;
        m_previous = XSetErrorHandler(&countError);
    }
    ~XErrorTrap() {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    XErrorTrap(const XErrorTrap &) = delete;
    XErrorTrap &operator=(const XErrorTrap &) = delete;

    bool failed() const {
        XSync(m_display, False);
        return s_errors != 0;
    }

private:
    static int countError(Display *, XErrorEvent *) {
        ++s_errors;
        return 0;
    }
    static inline int s_errors = 0;
    Display *m_display;
    XErrorHandler m_previous;
};

template <typename T, void (*Free)(T *)>
struct XRRDeleter {
    void operator()(T *info) const { Free(info); }
};
using ScreenResources =
    std::unique_ptr<XRRScreenResources, XRRDeleter<XRRScreenResources, XRRFreeScreenResources>>;
using OutputInfo = std::unique_ptr<XRROutputInfo, XRRDeleter<XRROutputInfo, XRRFreeOutputInfo>>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, XRRDeleter<XRRCrtcInfo, XRRFreeCrtcInfo>>;

double refreshHz(const XRRModeInfo &mode) {
    double lines = mode.vTotal;
    if (mode.modeFlags & RR_DoubleScan) {
        lines *= 2;
    }
    if (mode.modeFlags & RR_Interlace) {
        lines /= 2;
    }
    return mode.hTotal > 0 && lines > 0 ? double(mode.dotClock) / (mode.hTotal * lines) : 0;
}

const XRRModeInfo *findMode(const XRRScreenResources &resources, RRMode id) {
    const auto end = resources.modes + resources.nmode;
    const auto found =
        std::find_if(resources.modes, end, [id](const XRRModeInfo &mode) { return mode.id == id; });
    return found == end ? nullptr : found;
}

// The output worked on as the server describes it now, with the CRTC that drives it.
struct LitOutput {
    ScreenResources resources;
    RRCrtc crtcId = 0;
    CrtcInfo crtc;
    QList<DisplayMode> modes; // the output's modes, sizes as seen (turned for a rotated output)
    QList<RRMode> modeIds;    // their ids, index for index
    double refreshHz = 0;     // the refresh rate of the CRTC's mode now
};

std::optional<LitOutput> readOutput(Display *display, const QString &name) {
    const Window root = DefaultRootWindow(display);
    ScreenResources resources(XRRGetScreenResourcesCurrent(display, root));
    if (!resources) {
        return std::nullopt;
    }
    // The named output first, then the primary one, then the first lit one.
    const RROutput primary = XRRGetOutputPrimary(display, root);
    OutputInfo chosen;
    int chosenRank = 0;
    for (int i = 0; i < resources->noutput; ++i) {
        OutputInfo info(XRRGetOutputInfo(display, resources.get(), resources->outputs[i]));
        if (!info || info->connection != RR_Connected || info->crtc == 0) {
            continue;
        }
        const bool named = QString::fromUtf8(info->name, info->nameLen) == name;
        const int rank = named ? 3 : resources->outputs[i] == primary ? 2 : 1;
        if (rank > chosenRank) {
            chosen = std::move(info);
            chosenRank = rank;
        }
    }
    if (!chosen) {
        return std::nullopt;
    }
    LitOutput lit;
    lit.crtcId = chosen->crtc;
    lit.crtc.reset(XRRGetCrtcInfo(display, resources.get(), chosen->crtc));
    if (!lit.crtc) {
        return std::nullopt;
    }
    const bool sideways = lit.crtc->rotation & (RR_Rotate_90 | RR_Rotate_270);
    for (int i = 0; i < chosen->nmode; ++i) {
        if (const XRRModeInfo *mode = findMode(*resources, chosen->modes[i])) {
            const int width = int(sideways ? mode->height : mode->width);
            const int height = int(sideways ? mode->width : mode->height);
            lit.modes.append(DisplayMode{{width, height}, refreshHz(*mode)});
            lit.modeIds.append(mode->id);
        }
    }
    if (const XRRModeInfo *current = findMode(*resources, lit.crtc->mode)) {
        lit.refreshHz = refreshHz(*current);
    }
    lit.resources = std::move(resources);
    return lit;
}

QSize screenSize(Display *display) {
    Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border, &depth);
    return QSize(int(width), int(height));
}

// Resizes the screen keeping its dots per millimetre, so the desktop's DPI stays what it was.
void resizeScreen(Display *display, QSize size) {
    const int screen = DefaultScreen(display);
    const double mmPerDotX =
        double(DisplayWidthMM(display, screen)) / std::max(DisplayWidth(display, screen), 1);
    const double mmPerDotY =
        double(DisplayHeightMM(display, screen)) / std::max(DisplayHeight(display, screen), 1);
    XRRSetScreenSize(display, DefaultRootWindow(display), size.width(), size.height(),
                     std::max(1, int(size.width() * mmPerDotX)), std::max(1, int(size.height() * mmPerDotY)));
}

// The smallest screen that holds the switched CRTC and every other lit one; empty when the server's
// size range cannot hold it.
QSize screenSizeAfter(Display *display, const LitOutput &lit, DisplayResolution switched) {
    QSize needed(lit.crtc->x + switched.width, lit.crtc->y + switched.height);
    for (int i = 0; i < lit.resources->ncrtc; ++i) {
        if (lit.resources->crtcs[i] == lit.crtcId) {
            continue;
        }
        const CrtcInfo other(XRRGetCrtcInfo(display, lit.resources.get(), lit.resources->crtcs[i]));
        if (other && other->mode != None) {
            needed = needed.expandedTo(QSize(other->x + int(other->width), other->y + int(other->height)));
        }
    }
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    if (!XRRGetScreenSizeRange(display, DefaultRootWindow(display), &minWidth, &minHeight, &maxWidth,
                               &maxHeight)) {
        return {};
    }
    needed = needed.expandedTo(QSize(minWidth, minHeight));
    return needed.width() <= maxWidth && needed.height() <= maxHeight ? needed : QSize();
}

// Sets the CRTC to mode `index` where it is, turned as it is. The screen grows first where the new mode
// needs more room and shrinks afterwards where it needs less (a CRTC may never stick out of the screen).
bool applyMode(Display *display, const LitOutput &lit, qsizetype index, const XErrorTrap &trap) {
    const QSize target = screenSizeAfter(display, lit, lit.modes[index].size);
    if (target.isEmpty()) {
        return false;
    }
    const QSize before = screenSize(display);
    const QSize grown = before.expandedTo(target);
    if (grown != before) {
        resizeScreen(display, grown);
    }
    const Status status =
        XRRSetCrtcConfig(display, lit.resources.get(), lit.crtcId, CurrentTime, lit.crtc->x, lit.crtc->y,
                         lit.modeIds[index], lit.crtc->rotation, lit.crtc->outputs, lit.crtc->noutput);
    if (status != RRSetConfigSuccess || trap.failed()) {
        if (grown != before) {
            resizeScreen(display, before);
        }
        return false;
    }
    if (grown != target) {
        resizeScreen(display, target);
    }
    return !trap.failed();
}

} // namespace

std::unique_ptr<XrandrDisplayModes> XrandrDisplayModes::open(const QString &outputName,
                                                             const QByteArray &displayName) {
    Display *display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display) {
        return nullptr;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor) ||
        std::pair(major, minor) < std::pair(1, 2)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<XrandrDisplayModes>(new XrandrDisplayModes(display, outputName));
}

XrandrDisplayModes::XrandrDisplayModes(_XDisplay *display, QString outputName)
    : m_display(display), m_outputName(std::move(outputName)) {}

XrandrDisplayModes::~XrandrDisplayModes() {
    XCloseDisplay(m_display);
}

QString XrandrDisplayModes::CurrentResolution() const {
    const XErrorTrap trap(m_display);
    const std::optional<LitOutput> lit = readOutput(m_display, m_outputName);
    return lit ? ResolutionText({int(lit->crtc->width), int(lit->crtc->height)}) : QString();
}

QString XrandrDisplayModes::CurrentRefreshRate() const {
    const XErrorTrap trap(m_display);
    const std::optional<LitOutput> lit = readOutput(m_display, m_outputName);
    return lit ? RefreshRateText(lit->refreshHz) : QString();
}

int XrandrDisplayModes::CurrentDepth() const {
    return DefaultDepth(m_display, DefaultScreen(m_display));
}

QStringList XrandrDisplayModes::ListDisplayModes() const {
    const XErrorTrap trap(m_display);
    const std::optional<LitOutput> lit = readOutput(m_display, m_outputName);
    return lit ? DistinctResolutionTexts(lit->modes) : QStringList();
}

QStringList XrandrDisplayModes::ListRefreshRates() const {
    const XErrorTrap trap(m_display);
    const std::optional<LitOutput> lit = readOutput(m_display, m_outputName);
    return lit ? DistinctRefreshRateTexts(lit->modes) : QStringList();
}

DisplayModeChange XrandrDisplayModes::ChangeDisplayMode(int width, int height, int bits) {
    // An X server keeps one colour depth for its whole life.
    if (bits != 0 && bits != CurrentDepth()) {
        return DisplayModeChange::NotSupported;
    }
    const XErrorTrap trap(m_display);
    const std::optional<LitOutput> lit = readOutput(m_display, m_outputName);
    const std::optional<qsizetype> index =
        lit ? FindModeKeepingRefresh(lit->modes, {width, height}, lit->refreshHz) : std::nullopt;
    if (!index) {
        return DisplayModeChange::NotSupported;
    }
    if (lit->modeIds[*index] == lit->crtc->mode) {
        return DisplayModeChange::Ok;
    }
    return applyMode(m_display, *lit, *index, trap) ? DisplayModeChange::Ok : DisplayModeChange::NotSupported;
}

} // namespace qx
