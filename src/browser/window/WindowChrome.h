#pragma once

#include "app/UserPrompts.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace qx {

class MainWindow;
struct WindowAppearance;

// What the chrome asks of the rest of the window. An unset hook falls back to focusing whichever of the
// list and the tree is visible.
struct WindowChromeHooks {
    // Gives the focus to the shown view and selects its selected entry again.
    std::function<void()> focusShownView;
};

// The main window's chrome outside the set views: Options ▸ Fonts and ▸ Background Colour, the item
// pop-up's Copy To Clipboard, the Help menu's documents and home pages, and the mouse on the information
// panel. The fonts and colours chosen go into the window's WindowAppearance, which the window writes at
// close; the status-bar font and TreeBackColour are written at once. The constructor connects the actions.
class WindowChrome : public QObject {
    Q_OBJECT
public:
    enum class CopyField { Description = 0, Name = 1, Parent = 2, Manufacturer = 3 };
    enum class HomePage { Quorvex, Mame, HistoryDatabase };

    WindowChrome(MainWindow &window, WindowAppearance &appearance, WindowChromeHooks hooks = {},
                 QObject *parent = nullptr);

    // Options ▸ Fonts.
    void pickListFont();
    void pickHistoryFont();
    void pickStatusBarFont();
    // Options ▸ Background Colour.
    void pickColourForAll();
    void pickListColour();
    void pickHistoryColour();

    // Item pop-up ▸ Copy To Clipboard: a field of the set whose Name is in status panel 2.
    void CopyToClipboard(CopyField field);

    // Help ▸ "mame.txt" / "whatsnew.txt": the document where the installation keeps it, opened by the
    // desktop; MAME's online documentation when none is found (Debian ships neither file).
    void openHelpDocument(const QString &fileName);
    static QString onlineHelpAddress(const QString &fileName, const QString &mameVersion);
    void openHomePage(HomePage page);
    static QString homePageAddress(HomePage page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectActions();
    // Runs a modal dialog with the joystick poll stopped, restarting it afterwards when joyselect is on.
    template <typename Dialog>
    auto withJoystickStopped(Dialog dialog);
    std::optional<FontChoice> pickFont(QWidget *control, bool withColour);
    std::optional<quint32> pickColour(QWidget *control);
    void focusShownView();
    void reportWriteFailure();
    void applyInfoBackColour(const std::optional<quint32> &colour);

    MainWindow &m_window;
    WindowAppearance &m_appearance;
    WindowChromeHooks m_hooks;
    QWidget *m_panel = nullptr;
};

} // namespace qx
