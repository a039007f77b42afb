#pragma once

#include <QList>
#include <QSize>

namespace qx {

// The display modes of the primary display, for the options dialog's resolution lists and the full-screen
// set list. The program implements it with XRandR; tests use a fake.
class DisplayModes {
public:
    enum class ChangeResult { Changed, NotSupported, NeedsRestart, Failed };

    virtual ~DisplayModes() = default;
    // Every mode's size, in the order the display lists them (sizes repeat across refresh rates).
    virtual QList<QSize> modes() const = 0;
    // Every mode's refresh rate in whole hertz, in the same order.
    virtual QList<int> refreshRates() const = 0;
    // The size the display shows now; an invalid size when it cannot be told.
    virtual QSize currentMode() const = 0;
    // Switches the display to a size, keeping its refresh rate where the size offers it.
    virtual ChangeResult changeMode(const QSize &size) = 0;
};

} // namespace qx
