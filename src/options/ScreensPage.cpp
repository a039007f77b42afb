#include "options/ScreensPage.h"

#include "launch/DisplayModes.h"
#include "options/OptionComboBox.h"
#include "options/OptionModel.h"
#include "options/ScreenOptions.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

namespace qx {

namespace {

// aspect0 for aspect2, and so on.
OptionId screenZeroOption(OptionId id) {
    const int stride =
        static_cast<int>(PerScreen(OptionId::Screen0, 1)) - static_cast<int>(OptionId::Screen0);
    return static_cast<OptionId>(static_cast<int>(id) - stride * Option(id).screen);
}

// Fills a list with its entries plus the one to show when the list lacks it (a value kept as it is).
void fill(QComboBox *combo, QStringList entries, const QString &shown) {
    if (!entries.contains(shown)) {
        entries.append(shown);
    }
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(static_cast<int>(entries.indexOf(shown)));
}

QStringList realRefreshRates(const QStringList &rates) {
    QStringList real;
    for (const QString &rate : rates) {
        if (rate.section(QLatin1Char(' '), 0, 0).toInt() > 1) {
            real.append(rate);
        }
    }
    return real;
}

} // namespace

ScreensPage::ScreensPage(OptionsPageShared &shared, const QStringList &monitorNames,
                         const DisplayModes &displayModes, QWidget *parent)
    : OptionsPage(OptionPage::Screens, shared, parent), m_monitorNames(monitorNames),
      m_sizes(QStringList{QStringLiteral("Auto")} + displayModes.ListDisplayModes()),
      m_refreshes(QStringList{QStringLiteral("Auto")} + realRefreshRates(displayModes.ListRefreshRates())) {
    m_countFrame = addFrame(QStringLiteral("Number of screens"), false);
    const SliderControls count = addSlider(OptionId::NumScreens, m_countFrame);
    count.label->hide(); // the frame's caption shows the number
    bindingOf(OptionId::NumScreens)->value = m_countFrame;
    (new QHBoxLayout(m_countFrame))->addWidget(count.slider);
    connect(count.slider, &QSlider::valueChanged, this, &ScreensPage::showScreenCount);

    m_screenFrame = addFrame(QStringLiteral("Screen number"), false);
    m_screenNumber = new OptionComboBox(QStringLiteral("cboScreenNumber"), m_screenFrame);
    (new QHBoxLayout(m_screenFrame))->addWidget(m_screenNumber);
    connect(m_screenNumber, &QComboBox::activated, this, &ScreensPage::chooseScreen);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_countFrame, 0, 0);
    grid->addWidget(m_screenFrame, 0, 1);
    grid->addWidget(buildMonitorFrame(), 1, 0);
    grid->addWidget(buildAspectFrame(), 1, 1);
    grid->addWidget(buildResolutionFrame(), 2, 0, 1, 2);
    QGroupBox *view = addFrame(Option(OptionId::View0).frame);
    (new QHBoxLayout(view))->addWidget(addList(OptionId::View0, view));
    grid->addWidget(view, 3, 0);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

QGroupBox *ScreensPage::buildMonitorFrame() {
    QGroupBox *frame = addFrame(Option(OptionId::Screen0).frame);
    auto *monitor = new OptionComboBox(OptionControlName("cbo", OptionId::Screen0), frame);
    (new QHBoxLayout(frame))->addWidget(monitor);
    watch(monitor);
    connect(monitor, &QComboBox::activated, this, [this, slot = nextSlot()](int index) {
        model().setText(idAt(slot), index == 0 ? QStringLiteral("auto") : m_monitorNames.value(index - 1));
        Q_EMIT changed();
    });
    bind({OptionId::Screen0, {monitor}, monitor, frame, [this, monitor](OptionId shown) {
              if (!model().isPresent(shown)) {
                  monitor->clear();
                  return;
              }
              const QString value = model().value(shown).text;
              fill(monitor, MonitorEntries(m_monitorNames),
                   IsAutoValue(value) ? QStringLiteral("Auto") : value);
          }});
    return frame;
}

QGroupBox *ScreensPage::buildAspectFrame() {
    QGroupBox *frame = addFrame(Option(OptionId::Aspect0).frame);
    QCheckBox *automatic = addCheckBox(OptionId::Aspect0, frame);
    bindingOf(OptionId::Aspect0)->value = nullptr; // the caption below carries the mark
    auto *caption = new QLabel(QStringLiteral("Aspect ratio:"), frame);
    auto *width = new QLineEdit(frame);
    auto *colon = new QLabel(QStringLiteral(":"), frame);
    auto *height = new QLineEdit(frame);
    width->setObjectName(QStringLiteral("txtAspectWidth"));
    height->setObjectName(QStringLiteral("txtAspectHeight"));
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), frame);
    for (QLineEdit *box : {width, height}) {
        box->setValidator(digits);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(this); // a click in a box selects its whole text
        connect(box, &QLineEdit::textEdited, this, [this, slot = nextSlot(), width, height] {
            ControlValue value = model().value(idAt(slot));
            value.text = width->text();
            value.second = height->text();
            model().setValue(idAt(slot), value);
            Q_EMIT changed();
        });
    }
    bind({OptionId::Aspect0,
          {caption, width, colon, height},
          caption,
          frame,
          [this, width, height](OptionId shown) {
              width->setText(model().value(shown).text);
              height->setText(model().value(shown).second);
          },
          [this] {
              return AspectBoxesEnabled(model(), m_screen);
          }});
    auto *row = new QHBoxLayout(frame);
    row->addWidget(caption);
    row->addWidget(width);
    row->addWidget(colon);
    row->addWidget(height);
    row->addSpacing(8);
    row->addWidget(automatic);
    row->addStretch(1);
    return frame;
}

QGroupBox *ScreensPage::buildResolutionFrame() {
    QGroupBox *frame = addFrame(Option(OptionId::SwitchRes).frame);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(addCheckBox(OptionId::SwitchRes, frame), 0, 0, 1, 4);
    m_size = new OptionComboBox(OptionControlName("cbo", OptionId::Resolution0), frame);
    m_refresh = new OptionComboBox(QStringLiteral("cboRefresh"), frame);
    auto *sizeCaption = new QLabel(QStringLiteral("Size"), frame);
    auto *refreshCaption = new QLabel(QStringLiteral("Refresh"), frame);
    grid->addWidget(sizeCaption, 1, 0);
    grid->addWidget(m_size, 1, 1);
    grid->addWidget(refreshCaption, 1, 2);
    grid->addWidget(m_refresh, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (OptionComboBox *combo : {m_size, m_refresh}) {
        watch(combo);
        connect(combo, &QComboBox::activated, this, &ScreensPage::resolutionChosen);
    }
    bind({OptionId::Resolution0,
          {sizeCaption, m_size, refreshCaption, m_refresh},
          m_size,
          frame,
          [this](OptionId shown) {
              showResolution(shown);
          }});
    return frame;
}

void ScreensPage::showResolution(OptionId id) {
    if (!model().isPresent(id)) {
        m_size->clear();
        m_refresh->clear();
        return;
    }
    const ControlValue value = model().value(id);
    fill(m_size, m_sizes, SizeEntry(value));
    fill(m_refresh, m_refreshes, RefreshEntry(value));
}

void ScreensPage::resolutionChosen() {
    const OptionId id = PerScreen(OptionId::Resolution0, m_screen);
    model().setValue(id, ResolutionFromEntries(m_size->currentText(), m_refresh->currentText()));
    Q_EMIT changed();
}

void ScreensPage::load() {
    showAll();
    showScreenCount(model().value(OptionId::NumScreens).number);
}

void ScreensPage::showScreenCount(int screens) {
    m_countFrame->setTitle(model().isPresent(OptionId::NumScreens)
                               ? Option(OptionId::NumScreens).labelPrefix + QString::number(screens)
                               : QStringLiteral("Number of screens n/a"));
    const QSignalBlocker blocker(m_screenNumber);
    m_screenNumber->clear();
    m_screenNumber->addItems(ScreenNumberEntries(std::max(screens, 1)));
    m_screenNumber->setCurrentIndex(0);
    chooseScreen(0);
}

void ScreensPage::chooseScreen(int screen) {
    m_screen = std::clamp(screen, 0, kMaxScreens - 1);
    for (OptionBinding &binding : bindings()) {
        if (Option(binding.id).screen >= 0) {
            binding.id = PerScreen(screenZeroOption(binding.id), m_screen);
            binding.show(binding.id);
        }
    }
    refresh();
}

bool ScreensPage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched)) {
            // After the click has placed the cursor, or it would undo the selection.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return OptionsPage::eventFilter(watched, event);
}

void ScreensPage::refresh() {
    OptionsPage::refresh();
    const bool choosable = ScreenSelectionEnabled(shared().environment);
    m_screenFrame->setEnabled(choosable);
}

} // namespace qx
