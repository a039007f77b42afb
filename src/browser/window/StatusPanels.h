#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;
class QPushButton;

namespace qx {

struct SelectedSet;

// The main window's status bar (sbStatusBar): seven panels (1 the count of sets shown, 2 Name, 3 Parent,
// 4 Year, 5 Manufacturer, 6 Status, 7 Driver of the selected set), and a single-text mode with a progress
// bar, a count of what was done and a Cancel button, that long operations switch to while they run.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 7;

    explicit StatusPanels(QWidget *parent = nullptr);

    // Panel 1: "12 sets".
    void showCount(int count);
    // Panels 2 to 7; all empty for an empty set.
    void showSet(const SelectedSet &set);
    // Panels are numbered 1 to 7.
    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    void clearSetPanels(); // panels 2 to 7
    QLabel *panel(int number) const;

    // Single-text mode: the panels give way to one text; showProgress adds a progress bar, the count text
    // beside it ("1,234 sets checked") and the Cancel button.
    void showSingleText(const QString &text);
    void showProgress(qint64 done, qint64 total, const QString &countText = {}); // total 0 = no known end
    void restorePanels();
    bool inSingleTextMode() const { return m_singleMode; }
    QString singleText() const;

    // Cancel was pressed since single-text mode began (the button then says so and stays disabled).
    bool cancelRequested() const { return m_cancelRequested; }

Q_SIGNALS:
    void cancelClicked();

private:
    void requestCancel();

    QLabel *m_panels[kPanelCount] = {};
    QLabel *m_single = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_cancel = nullptr;
    QString m_stageText;
    bool m_singleMode = false;
    bool m_cancelRequested = false;
};

} // namespace qx
