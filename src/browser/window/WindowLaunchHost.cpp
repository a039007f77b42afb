#include "browser/window/WindowLaunchHost.h"

#include "app/ProgramState.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeModel.h"
#include "browser/window/MainWindow.h"

namespace qx {

ProgramState &WindowLaunchHost::state() {
    return m_window.state();
}

const FrontendSettings &WindowLaunchHost::settings() const {
    return m_window.settings();
}

UserPrompts &WindowLaunchHost::prompts() const {
    return m_window.prompts();
}

PlatformServices &WindowLaunchHost::services() const {
    return m_window.services();
}

SetCatalogue &WindowLaunchHost::catalogue() {
    return m_window.catalogue();
}

bool WindowLaunchHost::isBusy() const {
    return m_window.isBusy();
}

void WindowLaunchHost::setBusy(bool busy) {
    m_window.setBusy(busy);
}

QWidget &WindowLaunchHost::window() {
    return m_window;
}

JoystickPoll &WindowLaunchHost::joystick() {
    return m_window.joystick();
}

SelectedSet WindowLaunchHost::selectedSet() const {
    return m_window.browser().selectedSet();
}

bool WindowLaunchHost::pickRandomSet() {
    return m_window.browser().pickRandomSet();
}

void WindowLaunchHost::showCurrentSet() {
    m_window.browser().showSelection();
}

void WindowLaunchHost::showSetState(const QString &name, SetState) {
    m_window.browser().listModel()->refreshSet(name);
    m_window.browser().treeModel()->refreshSet(name);
}

void WindowLaunchHost::refreshCatalogue() {
    m_window.RefreshCatalogue();
}

const QWidget &WindowLaunchHost::setList() const {
    return m_window.setListView();
}

QString WindowLaunchHost::shownPictureSet() const {
    return m_window.infoPanel().shownSet();
}

QString WindowLaunchHost::shownSnapshot() const {
    return m_window.infoPanel().shownSnapshot();
}

void WindowLaunchHost::setPictureCaption(const QString &caption) {
    m_window.infoPanel().setCaption(caption);
}

void WindowLaunchHost::removeShownPicture() {
    m_window.infoPanel().removePicture();
}

} // namespace qx
