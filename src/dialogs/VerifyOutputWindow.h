#pragma once

#include <QDialog>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace qx {

struct ProgramState;

// The verify output window (frmDialog): MAME's answer to a single-set verify in a read-only text box that
// fills the window, in the set list's font and colours. Options ▸ "Check sampleset" toggles whether the
// next single-set verify also checks samples; "Close" and Escape close it. Topmost while the full-screen
// set list is active.
class VerifyOutputWindow : public QDialog {
    Q_OBJECT
public:
    VerifyOutputWindow(ProgramState &state, const QFont &listFont, const QPalette &listColours,
                       QWidget *parent = nullptr);

    void setOutputText(const QString &text);
    // The Options menu (the sample check) is hidden where the verify checks no samples (the BIOS list).
    void setOptionsMenuShown(bool shown);
    QString outputText() const;

private:
    ProgramState &m_state;
    QPlainTextEdit *m_text = nullptr;
    QMenu *m_options = nullptr;
    QAction *m_checkSamples = nullptr;
};

} // namespace qx
