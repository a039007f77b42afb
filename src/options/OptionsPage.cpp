#include "options/OptionsPage.h"

#include "app/UserPrompts.h"
#include "app/LinkLabel.h"
#include "options/OptionComboBox.h"
#include "options/OptionLayers.h"
#include "options/OptionLinks.h"
#include "options/OptionModel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSignalBlocker>
#include <QSlider>

namespace qx {

namespace {

// The colour of a value this file sets over the layers below it (with bold text).
const QColor kOverridingColour(0x9c, 0x3d, 0x00);

QString words(const QStringList &parts) {
    QString result;
    for (const QString &part : parts) {
        result += part.left(1).toUpper() + part.mid(1);
    }
    return result;
}

// Bold and coloured while this file overrides the layers below; otherwise the page's own font and colours.
void showOverriding(QWidget *widget, bool overriding) {
    if (!overriding) {
        widget->setFont(QFont());
        widget->setPalette(QPalette());
        return;
    }
    QFont bold;
    bold.setBold(true);
    widget->setFont(bold);
    QPalette colours;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            colours.setColor(group, role, kOverridingColour);
        }
    }
    widget->setPalette(colours);
}

// The longest text a slider's label can show (in bold, as the layer indicator may show it), so that the label
// keeps its width while the slider moves.
int widestLabel(const QLabel *label, const OptionInfo &info) {
    QFont bold = label->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const int position : {info.minimum, info.maximum, (info.minimum + info.maximum) / 2}) {
        widest = std::max(widest, metrics.horizontalAdvance(SliderLabel(info, position)));
    }
    return widest + metrics.horizontalAdvance(QLatin1Char(' '));
}

} // namespace

QString OptionControlName(const char *prefix, OptionId id) {
    const OptionInfo &info = Option(id);
    QString name = info.name;
    if (info.screen >= 0) {
        name.chop(1);
    }
    return QString::fromLatin1(prefix) + words(name.split(QLatin1Char('_')));
}

QString FrameObjectName(const QString &caption) {
    QString name = caption;
    name.remove(QLatin1Char(':'));
    return QStringLiteral("fra") + words(name.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

OptionsPage::OptionsPage(OptionPage page, OptionsPageShared &shared, QWidget *parent)
    : QWidget(parent), m_page(page), m_shared(shared) {}

void OptionsPage::load() {
    showAll();
}

void OptionsPage::showAll() {
    for (const OptionBinding &binding : m_bindings) {
        if (binding.show) {
            binding.show(binding.id);
        }
    }
}

QGroupBox *OptionsPage::addFrame(const QString &caption, bool captionFromTable) {
    auto *frame = new QGroupBox(caption, this);
    frame->setObjectName(FrameObjectName(caption));
    m_frameCaptions.insert(frame, captionFromTable ? caption : QString());
    return frame;
}

OptionBinding &OptionsPage::bind(OptionBinding binding) {
    m_bindings.push_back(std::move(binding));
    return m_bindings.back();
}

OptionBinding *OptionsPage::bindingOf(OptionId id) {
    for (OptionBinding &binding : m_bindings) {
        if (binding.id == id) {
            return &binding;
        }
    }
    return nullptr;
}

void OptionsPage::watch(OptionComboBox *combo) {
    connect(combo, &OptionComboBox::touched, this, &OptionsPage::changed);
}

QCheckBox *OptionsPage::addCheckBox(OptionId id, QGroupBox *frame) {
    auto *box = new QCheckBox(Option(id).caption, this);
    box->setObjectName(OptionControlName("chk", id));
    connect(box, &QCheckBox::clicked, this, [this, slot = nextSlot()](bool ticked) {
        model().setChecked(idAt(slot), ticked);
        Q_EMIT changed();
    });
    bind({id, {box}, box, frame, [this, box](OptionId shown) {
              const QSignalBlocker blocker(box);
              box->setChecked(model().isChecked(shown));
          }});
    return box;
}

SliderControls OptionsPage::addSlider(OptionId id, QGroupBox *frame) {
    const OptionInfo &info = Option(id);
    SliderControls controls{new QSlider(Qt::Horizontal, this), new QLabel(this)};
    controls.slider->setObjectName(OptionControlName("sld", id));
    controls.slider->setRange(info.minimum, info.maximum);
    controls.slider->setPageStep(std::max(1, (info.maximum - info.minimum) / 10));
    controls.label->setObjectName(OptionControlName("lbl", id));
    controls.label->setMinimumWidth(widestLabel(controls.label, info));
    connect(controls.slider, &QSlider::valueChanged, this,
            [this, slot = nextSlot(), label = controls.label](int position) {
                model().setNumber(idAt(slot), position);
                label->setText(SliderLabel(Option(idAt(slot)), position));
                Q_EMIT changed();
            });
    bind({id, {controls.slider, controls.label}, controls.label, frame, [this, controls](OptionId shown) {
              const QSignalBlocker blocker(controls.slider);
              const OptionInfo &option = Option(shown);
              controls.slider->setValue(model().value(shown).number);
              controls.label->setText(model().isPresent(shown) ? SliderLabel(option, controls.slider->value())
                                                               : option.labelPrefix);
          }});
    return controls;
}

OptionComboBox *OptionsPage::addList(OptionId id, QGroupBox *frame) {
    auto *combo = new OptionComboBox(OptionControlName("cbo", id), this);
    watch(combo);
    connect(combo, &QComboBox::activated, this, [this, slot = nextSlot()](int index) {
        model().setShownIndex(idAt(slot), index);
        Q_EMIT changed();
    });
    bind({id, {combo}, combo, frame, [this, combo](OptionId shown) {
              const QSignalBlocker blocker(combo);
              const OptionInfo &option = Option(shown);
              combo->clear();
              combo->addItems(ShownEntries(option, model().loaded(shown)));
              combo->setCurrentIndex(ShownIndex(option, model().value(shown)));
          }});
    return combo;
}

QLineEdit *OptionsPage::addText(OptionId id, QGroupBox *frame) {
    auto *edit = new QLineEdit(this);
    edit->setObjectName(OptionControlName("txt", id));
    connect(edit, &QLineEdit::textEdited, this, [this, slot = nextSlot()](const QString &text) {
        model().setText(idAt(slot), text);
        Q_EMIT changed();
    });
    bind({id, {edit}, edit, frame, [this, edit](OptionId shown) {
              const QSignalBlocker blocker(edit);
              edit->setText(model().value(shown).text);
              edit->setCursorPosition(0);
          }});
    return edit;
}

QLabel *OptionsPage::addCaption(OptionId id, const QString &text) {
    auto *label = new QLabel(text, this);
    if (OptionBinding *binding = bindingOf(id)) {
        binding->widgets.append(label);
    }
    return label;
}

QGroupBox *OptionsPage::addSliderFrame(OptionId id) {
    QGroupBox *frame = addFrame(Option(id).frame);
    auto *grid = new QGridLayout(frame);
    addSliderRow(grid, id, frame);
    return frame;
}

SliderControls OptionsPage::addSliderRow(QGridLayout *grid, OptionId id, QGroupBox *frame,
                                         const QString &caption, LabelPlace place) {
    const SliderControls controls = addSlider(id, frame);
    const int row = grid->count() == 0 ? 0 : grid->rowCount(); // an empty grid counts one row already
    if (!caption.isEmpty()) {
        grid->addWidget(addCaption(id, caption), row, 0);
    }
    if (place == LabelPlace::BeforeSlider) {
        grid->addWidget(controls.label, row, 0);
    } else {
        grid->addWidget(controls.label, row, 2);
    }
    grid->addWidget(controls.slider, row, 1);
    grid->setColumnStretch(1, 1);
    return controls;
}

FileBoxControls OptionsPage::addFileBox(OptionId id, const QString &linkName, const QString &resetText) {
    FileBoxControls controls;
    controls.frame = addFrame(Option(id).frame);
    controls.edit = addText(id, controls.frame);
    controls.select = new LinkLabel(QStringLiteral("Select..."), linkName + QStringLiteral("_0"), this);
    controls.reset = new LinkLabel(QStringLiteral("Reset"), linkName + QStringLiteral("_1"), this);
    bindingOf(id)->widgets << controls.select << controls.reset;
    connect(controls.reset, &LinkLabel::activated, this,
            [this, id, edit = controls.edit, resetText] { setTextOf(id, edit, resetText); });
    auto *row = new QHBoxLayout(controls.frame);
    row->addWidget(controls.edit, 1);
    row->addWidget(controls.select);
    row->addWidget(controls.reset);
    return controls;
}

void OptionsPage::setTextOf(OptionId id, QLineEdit *edit, const QString &text) {
    edit->setText(text);
    edit->setCursorPosition(0);
    model().setText(id, text);
    Q_EMIT changed();
}

QString OptionsPage::pickFileInto(OptionId id, QLineEdit *edit, UserPrompts &prompts, const QString &filter,
                                  const QString &folder) {
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = filter;
    request.initialFolder = folder;
    const FileDialogResult picked = prompts.chooseFile(request);
    if (picked.cancelled()) {
        return QString();
    }
    setTextOf(id, edit, PickedFileTitle(picked.filePath));
    return picked.filePath;
}

void OptionsPage::refresh() {
    const OptionModel &values = model();
    QSet<QGroupBox *> boundFrames;
    QSet<QGroupBox *> enabledFrames;
    for (OptionBinding &binding : m_bindings) {
        boundFrames.insert(binding.frame);
        const bool enabled =
            IsOptionEnabled(values, binding.id, m_shared.environment) && (!binding.rule || binding.rule());
        for (QWidget *widget : std::as_const(binding.widgets)) {
            widget->setEnabled(enabled);
        }
        if (enabled) {
            enabledFrames.insert(binding.frame);
        }
        const bool marked = binding.value && m_shared.layers.overrides(binding.id, values);
        if (binding.value && marked != binding.marked) {
            showOverriding(binding.value, marked);
            binding.marked = marked;
        }
        const QString tip = toolTipOf(binding);
        for (QWidget *widget : std::as_const(binding.widgets)) {
            widget->setToolTip(tip);
        }
    }
    // A frame of several options stays usable while one of them is; a frame the page governs itself (the
    // screen number) is left to the page.
    for (auto frame = m_frameCaptions.cbegin(); frame != m_frameCaptions.cend(); ++frame) {
        if (boundFrames.contains(frame.key())) {
            frame.key()->setEnabled(enabledFrames.contains(frame.key()));
        }
        if (!frame.value().isEmpty()) {
            frame.key()->setTitle(FrameCaption(values, frame.value()));
        }
    }
}

QString OptionsPage::toolTipOf(const OptionBinding &binding) const {
    const OptionInfo &info = Option(binding.id);
    QStringList lines;
    if (m_shared.showToolTips && !info.toolTip.isEmpty()) {
        lines.append(info.toolTip);
    }
    const QString note = LoadNoteText(info, model().loaded(binding.id));
    if (!note.isEmpty()) {
        lines.append(note);
    }
    if (binding.marked || m_shared.showToolTips) {
        const QString layers = m_shared.layers.toolTip(binding.id, model());
        if (!layers.isEmpty()) {
            lines.append(layers);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace qx
