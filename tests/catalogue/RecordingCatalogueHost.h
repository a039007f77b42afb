#pragma once

#include "catalogue/CatalogueHost.h"

#include <QStringList>
#include <functional>

namespace qx::test {

// A window stand-in for the catalogue operations: records the status texts and the calls in order, and
// holds the catalogue it was handed.
class RecordingCatalogueHost : public CatalogueHost {
public:
    void showStatusText(const QString &text) override {
        statusTexts.append(text);
        events.append(QStringLiteral("status:") + text);
    }
    void showProgress(qint64, qint64, const QString &countText) override { countTexts.append(countText); }
    void restoreStatusPanels() override { events.append(QStringLiteral("panels")); }
    // Cancel is pressed once the given stage shows.
    bool cancelRequested() const override { return !cancelAt.isEmpty() && statusTexts.contains(cancelAt); }
    void setControlsEnabled(bool enabled) override {
        controlsEnabled = enabled;
        events.append(enabled ? QStringLiteral("enable") : QStringLiteral("disable"));
    }
    void setWaitCursor(bool) override {}
    void setCaption(const QString &text) override { caption = text; }
    void restoreIfMinimised() override { events.append(QStringLiteral("restore")); }
    void clearViews() override { events.append(QStringLiteral("clearViews")); }
    void clearInfoCaption() override {}
    bool clonesChecked() const override { return clones; }
    void showCatalogue(SetCatalogue loaded) override {
        catalogue = std::move(loaded);
        events.append(QStringLiteral("showCatalogue"));
    }
    void reloadHistory() override { events.append(QStringLiteral("history")); }
    bool availableButtonPressed() const override { return availablePressed; }
    void showRomPathsDialog(bool romsNote) override {
        romsNoteShown = romsNote;
        events.append(QStringLiteral("pathsDialog"));
        if (onPathsDialog) {
            onPathsDialog();
        }
    }

    bool clones = true;
    bool availablePressed = true;
    QString cancelAt;
    std::function<void()> onPathsDialog;

    QStringList statusTexts;
    QStringList events;
    QString caption;
    SetCatalogue catalogue;
    bool controlsEnabled = true;
    bool romsNoteShown = false;
    QStringList countTexts; // the count shown beside the bar, at each step
};

} // namespace qx::test
