#include "browser/StatusPanels.h"

#include <QLabel>
#include <QProgressBar>

namespace qx {

namespace {
// Stretch factors: the count and the name panels stay narrow, manufacturer and driver get more room.
constexpr int kStretch[StatusPanels::kPanelCount] = {2, 2, 2, 1, 4, 2, 2};
} // namespace

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(true);
    for (int i = 0; i < kPanelCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        // Panels give way to the window's minimum size rather than to their text.
        label->setMinimumWidth(8);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        addPermanentWidget(label, kStretch[i]);
        m_panels[i] = label;
    }
    m_single = new QLabel(this);
    m_single->setObjectName(QStringLiteral("sbSingleText"));
    m_single->hide();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("sbProgress"));
    m_progress->setMaximumWidth(260);
    m_progress->setTextVisible(true);
    m_progress->hide();
}

QLabel *StatusPanels::panel(int number) const {
    return number >= 1 && number <= kPanelCount ? m_panels[number - 1] : nullptr;
}

void StatusPanels::setPanelText(int panel, const QString &text) {
    if (QLabel *label = this->panel(panel)) {
        label->setText(text);
    }
}

QString StatusPanels::panelText(int panel) const {
    const QLabel *label = this->panel(panel);
    return label ? label->text() : QString();
}

void StatusPanels::clearSetPanels() {
    for (int i = 2; i <= kPanelCount; ++i) {
        setPanelText(i, QString());
    }
}

void StatusPanels::showSingleText(const QString &text) {
    if (!m_singleMode) {
        for (QLabel *label : m_panels) {
            label->hide();
        }
        addWidget(m_single, 1);
        addWidget(m_progress);
        m_single->show();
        m_singleMode = true;
    }
    m_stageText = text;
    m_single->setText(text);
    m_progress->hide();
    repaint();
}

void StatusPanels::showProgress(qint64 done, qint64 total) {
    if (!m_singleMode) {
        return;
    }
    if (total > 0) {
        // QProgressBar works in int; scale large totals down.
        const qint64 scale = total > 1'000'000 ? total / 1'000'000 + 1 : 1;
        m_progress->setRange(0, int(total / scale));
        m_progress->setValue(int(std::min(done, total) / scale));
        m_progress->setFormat(QStringLiteral("%1 / %2").arg(done).arg(total));
        m_single->setText(m_stageText);
    } else {
        // No known end: a busy bar, and the count so far beside the stage text.
        m_progress->setRange(0, 0);
        m_single->setText(done > 0 ? QStringLiteral("%1 (%2)").arg(m_stageText).arg(done) : m_stageText);
    }
    m_progress->show();
}

void StatusPanels::restorePanels() {
    if (!m_singleMode) {
        return;
    }
    removeWidget(m_single);
    removeWidget(m_progress);
    m_single->hide();
    m_progress->hide();
    for (QLabel *label : m_panels) {
        label->show();
    }
    m_singleMode = false;
}

QString StatusPanels::singleText() const {
    return m_stageText;
}

} // namespace qx
