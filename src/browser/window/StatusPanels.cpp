#include "browser/window/StatusPanels.h"

#include "app/WindowHelpers.h"
#include "catalogue/SelectedSet.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace qx {

namespace {
// Stretch factors: the count and the name panels stay narrow, manufacturer and driver get more room.
constexpr int kStretch[StatusPanels::kPanelCount] = {2, 2, 2, 1, 4, 2, 2};
} // namespace

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(true);
    for (int i = 0; i < kPanelCount; ++i) {
        m_panels[i] = AddStatusPanel(this, QStringLiteral("sbPanel%1").arg(i + 1), kStretch[i]);
    }
    m_single = new QLabel(this);
    m_single->setObjectName(QStringLiteral("sbSingleText"));
    m_single->hide();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("sbProgress"));
    m_progress->setMaximumWidth(260);
    m_progress->setTextVisible(true);
    m_progress->hide();
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("sbCount"));
    m_count->hide();
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("sbCancel"));
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &StatusPanels::requestCancel);
}

void StatusPanels::requestCancel() {
    m_cancelRequested = true;
    m_cancel->setEnabled(false);
    m_cancel->setText(QStringLiteral("Cancelling..."));
    Q_EMIT cancelClicked();
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

void StatusPanels::showCount(int count) {
    setPanelText(1, QString::number(count) + QStringLiteral(" sets"));
}

void StatusPanels::showSet(const SelectedSet &set) {
    const QString *texts[] = {&set.name, &set.parent, &set.year, &set.manufacturer, &set.status, &set.driver};
    for (int panel = 2; panel <= kPanelCount; ++panel) {
        setPanelText(panel, *texts[panel - 2]);
    }
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
        addWidget(m_count);
        addWidget(m_progress);
        addWidget(m_cancel);
        m_single->show();
        m_cancel->setEnabled(true);
        m_cancel->setText(QStringLiteral("Cancel"));
        m_cancelRequested = false;
        m_singleMode = true;
    }
    m_stageText = text;
    m_single->setText(text);
    for (QWidget *widget : {static_cast<QWidget *>(m_progress), static_cast<QWidget *>(m_count),
                            static_cast<QWidget *>(m_cancel)}) {
        widget->hide();
    }
    repaint();
}

void StatusPanels::showProgress(qint64 done, qint64 total, const QString &countText) {
    if (!m_singleMode) {
        return;
    }
    if (total > 0) {
        // QProgressBar works in int; scale large totals down.
        const qint64 scale = total > 1'000'000 ? total / 1'000'000 + 1 : 1;
        m_progress->setRange(0, int(total / scale));
        m_progress->setValue(int(std::min(done, total) / scale));
        m_progress->setFormat(QStringLiteral("%p%"));
    } else {
        m_progress->setRange(0, 0); // no known end: a busy bar
    }
    m_count->setText(countText);
    m_count->setVisible(!countText.isEmpty());
    m_progress->show();
    m_cancel->show();
}

void StatusPanels::restorePanels() {
    if (!m_singleMode) {
        return;
    }
    for (QWidget *widget : {static_cast<QWidget *>(m_single), static_cast<QWidget *>(m_count),
                            static_cast<QWidget *>(m_progress), static_cast<QWidget *>(m_cancel)}) {
        removeWidget(widget);
        widget->hide();
    }
    for (QLabel *label : m_panels) {
        label->show();
    }
    m_singleMode = false;
}

QString StatusPanels::singleText() const {
    return m_stageText;
}

} // namespace qx
