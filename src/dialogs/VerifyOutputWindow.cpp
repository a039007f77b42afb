#include "dialogs/VerifyOutputWindow.h"

#include "app/ProgramState.h"
#include "app/WindowHelpers.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qx {

VerifyOutputWindow::VerifyOutputWindow(ProgramState &state, const QFont &listFont,
                                       const QPalette &listColours, QWidget *parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("frmDialog"));
    resize(480, 260);

    auto *menuBar = new QMenuBar(this);
    m_options = menuBar->addMenu(QStringLiteral("&Options"));
    m_options->setObjectName(QStringLiteral("mnuOptions"));
    m_checkSamples = m_options->addAction(QStringLiteral("Check sampleset"));
    m_checkSamples->setObjectName(QStringLiteral("mnuOptionsSamples"));
    m_checkSamples->setCheckable(true);
    m_checkSamples->setChecked(m_state.checksamples);
    connect(m_checkSamples, &QAction::toggled, this, [this](bool on) { m_state.checksamples = on; });
    QAction *close = menuBar->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("mnuClose"));
    connect(close, &QAction::triggered, this, &QDialog::reject);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    m_text->setFont(listFont);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Base, listColours.color(QPalette::Base));
    colours.setColor(QPalette::Text, listColours.color(QPalette::Text));
    m_text->setPalette(colours);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_text);

    if (m_state.FullScreenListActive) {
        SetTopmost(this);
    }
}

void VerifyOutputWindow::setOutputText(const QString &text) {
    m_text->setPlainText(text);
}

void VerifyOutputWindow::setOptionsMenuShown(bool shown) {
    m_options->menuAction()->setVisible(shown);
}

QString VerifyOutputWindow::outputText() const {
    return m_text->toPlainText();
}

} // namespace qx
