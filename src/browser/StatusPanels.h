#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

namespace qx {

// The main window's status bar (sbStatusBar): seven panels (1 the count of sets shown, 2 Name, 3 Parent,
// 4 Year, 5 Manufacturer, 6 Status, 7 Driver of the selected set), and a single-text mode with a progress
// bar that long operations switch to while they run.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 7;

    explicit StatusPanels(QWidget *parent = nullptr);

    // Panels are numbered 1 to 7.
    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    void clearSetPanels(); // panels 2 to 7
    QLabel *panel(int number) const;

    // Single-text mode: the panels give way to one text and, when total > 0 or busy, a progress bar.
    void showSingleText(const QString &text);
    void showProgress(qint64 done, qint64 total); // total 0 = busy indicator without a known end
    void restorePanels();
    bool inSingleTextMode() const { return m_singleMode; }
    QString singleText() const;

private:
    QLabel *m_panels[kPanelCount] = {};
    QLabel *m_single = nullptr;
    QProgressBar *m_progress = nullptr;
    QString m_stageText;
    bool m_singleMode = false;
};

} // namespace qx
