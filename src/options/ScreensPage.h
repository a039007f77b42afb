#pragma once

#include "options/OptionsPage.h"

#include <QStringList>

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace qx {

class DisplayModes;

// "Screens": the number of screens, and for the chosen screen number its monitor, aspect ratio, full-screen
// resolution and view, with "Allow switching" for the resolutions. A change to one screen's options is kept
// when another screen number is chosen, and OK writes the changes of every screen.
class ScreensPage : public OptionsPage {
    Q_OBJECT
public:
    ScreensPage(OptionsPageShared &shared, const QStringList &monitorNames, const DisplayModes &displayModes,
                QWidget *parent = nullptr);

    void load() override;
    void refresh() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *buildMonitorFrame();
    QGroupBox *buildAspectFrame();
    QGroupBox *buildResolutionFrame();
    void showScreenCount(int screens);
    void chooseScreen(int screen);
    void showResolution(OptionId id);
    void resolutionChosen();

    QStringList m_monitorNames;
    QStringList m_sizes;     // "Auto", then the display's sizes
    QStringList m_refreshes; // "Auto", then its refresh rates
    int m_screen = 0;
    QGroupBox *m_countFrame = nullptr;
    QGroupBox *m_screenFrame = nullptr;
    OptionComboBox *m_screenNumber = nullptr;
    OptionComboBox *m_size = nullptr;
    OptionComboBox *m_refresh = nullptr;
};

} // namespace qx
