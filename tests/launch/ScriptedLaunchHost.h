#pragma once

#include "browser/window/WindowLaunchHost.h"

#include <QList>
#include <QPair>
#include <functional>

namespace qx::test {

// The main window's own host for the launch controllers, with the answers a test scripts: a function that
// is set replaces the window's behaviour, and what the controllers tell the window is recorded.
struct ScriptedLaunchHost : WindowLaunchHost {
    using WindowLaunchHost::WindowLaunchHost;

    std::function<SelectedSet()> selected; // the set the browser shows as selected
    std::function<bool()> pickRandom;      // the pick of a random set
    std::function<void()> refresh;         // Verify All Sets' refresh of the set list
    // The picture panel: with pictureSet set, the panel shows that set's picture, and caption is its
    // caption line (a snapshot's file name, or "... not found").
    std::function<QString()> pictureSet;
    QString caption;

    int currentSetShown = 0;
    QList<QPair<QString, SetState>> setStates;
    int picturesRemoved = 0;

    SelectedSet selectedSet() const override {
        return selected ? selected() : WindowLaunchHost::selectedSet();
    }
    bool pickRandomSet() override { return pickRandom ? pickRandom() : WindowLaunchHost::pickRandomSet(); }
    void showCurrentSet() override {
        ++currentSetShown;
        WindowLaunchHost::showCurrentSet();
    }
    void showSetState(const QString &name, SetState state) override {
        setStates.append({name, state});
        WindowLaunchHost::showSetState(name, state);
    }
    void refreshCatalogue() override { refresh ? refresh() : WindowLaunchHost::refreshCatalogue(); }
    QString shownPictureSet() const override {
        return pictureSet ? pictureSet() : WindowLaunchHost::shownPictureSet();
    }
    QString shownSnapshot() const override {
        if (!pictureSet) {
            return WindowLaunchHost::shownSnapshot();
        }
        return caption.contains(QStringLiteral("found")) ? QString() : caption;
    }
    void setPictureCaption(const QString &text) override { caption = text; }
    void removeShownPicture() override { ++picturesRemoved; }
};

} // namespace qx::test
