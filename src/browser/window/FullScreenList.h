#pragma once

#include "launch/DisplayModes.h"

#include <QObject>
#include <QRect>
#include <functional>
#include <memory>

class QAction;
class QScreen;
class QWidget;

namespace qx {

class FrontendSettings;
class UserPrompts;
struct ProgramState;

// What the full-screen set list works on, and what it asks of the main window.
struct FullScreenListParts {
    QWidget &window;
    QAction &toggle;                  // View ▸ "Full Screen", its pop-up twin and F11: one checkable action
    ProgramState &state;              // FullScreenListActive, which the dialogs read to stay on top
    const FrontendSettings &settings; // UseAltRes, FullScreenRes
    UserPrompts &prompts;
    std::function<void(bool)> setBusy;   // Busy while the frame changes, so no minimise rule acts on it
    std::function<bool()> menuBarHidden; // F11 acts only then
    std::function<void()> showSelection; // after each switch: the selected set scrolled into view
};

// The full-screen set list of a cabinet: the main window without title bar and frame, maximised and above
// other windows, and, while UseAltRes is on, the display switched to the resolution FullScreenRes names.
// Leaving gives everything back as it was: the display's mode, and the window's place, size, state and
// title. The display modes are those of the screen the window is on when the list is entered.
class FullScreenList : public QObject {
    Q_OBJECT
public:
    using DisplayModesSource = std::function<std::shared_ptr<DisplayModes>(QScreen *)>;

    explicit FullScreenList(FullScreenListParts parts, QObject *parent = nullptr);
    ~FullScreenList() override;

    bool isActive() const { return m_active; }

    // The display modes of the screen the window is on now (the preferences' resolution list reads them).
    std::shared_ptr<DisplayModes> displayModes() const;
    // Where the display modes come from: the platform's (XRandR on X11) unless a test gives its own.
    void setDisplayModesSource(DisplayModesSource source) { m_source = std::move(source); }

    // The command: an empty FullScreenRes first becomes the current resolution, then the list is entered
    // or left, and the check mark follows.
    void ToggleFullScreenList();
    // Leaves the full-screen list when it is shown (the program is closing: the desktop gets its mode back
    // and qx.ini the window as it was).
    void leave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onToggled(bool checked);
    void fillEmptyResolution();
    void enter();
    void exit();
    void switchToFullScreenResolution();
    void restoreDesktopResolution();
    void changeDisplayMode(DisplayResolution resolution);

    // The window as it was before it went full screen.
    struct SavedWindow {
        QRect normalGeometry;
        Qt::WindowStates states;
        Qt::WindowFlags flags;
        QString title;
    };

    FullScreenListParts m_parts;
    DisplayModesSource m_source;
    std::shared_ptr<DisplayModes> m_display; // the display switched on entry, switched back on exit
    QString m_savedDesktopResolution;        // empty: nothing to switch back to
    SavedWindow m_saved;
    bool m_active = false;
};

} // namespace qx
