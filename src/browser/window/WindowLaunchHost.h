#pragma once

#include "launch/LaunchHost.h"

namespace qx {

class MainWindow;

// The main window as the launch, verify and per-set file controllers see it: its set browser, its
// information panel, its Busy flag and its joystick. Tests derive from it to script an answer or two.
class WindowLaunchHost : public LaunchHost {
public:
    explicit WindowLaunchHost(MainWindow &window) : m_window(window) {}

    ProgramState &state() override;
    const FrontendSettings &settings() const override;
    UserPrompts &prompts() const override;
    PlatformServices &services() const override;
    SetCatalogue &catalogue() override;
    bool isBusy() const override;
    void setBusy(bool busy) override;
    QWidget &window() override;
    JoystickPoll &joystick() override;

    SelectedSet selectedSet() const override;
    bool pickRandomSet() override;
    void showCurrentSet() override;
    void showSetState(const QString &name, SetState state) override;
    void refreshCatalogue() override;
    const QWidget &setList() const override;

    QString shownPictureSet() const override;
    QString shownSnapshot() const override;
    void setPictureCaption(const QString &caption) override;
    void removeShownPicture() override;

private:
    MainWindow &m_window;
};

} // namespace qx
