#pragma once

#include "options/OptionEnabling.h"
#include "options/OptionTable.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace qx {

class LinkLabel;
class OptionComboBox;
class OptionLayers;
class UserPrompts;
class OptionModel;

// What the pages of one dialog share: the option file's values, the layers below it and the surroundings.
struct OptionsPageShared {
    OptionModel &model;
    const OptionLayers &layers;
    OptionEnvironment environment;
    bool showToolTips = true;
};

// One option's controls on a page.
struct OptionBinding {
    OptionBinding(OptionId id, QList<QWidget *> widgets, QWidget *value, QGroupBox *frame,
                  std::function<void(OptionId)> show, std::function<bool()> rule = {})
        : id(id), widgets(std::move(widgets)), value(value), frame(frame), show(std::move(show)),
          rule(std::move(rule)) {}

    OptionId id = OptionId::Count;
    QList<QWidget *> widgets;           // enabled and disabled together
    QWidget *value = nullptr;           // shows the value: marked by the layer indicator
    QGroupBox *frame = nullptr;         // the frame it sits in, enabled while any of its options is
    std::function<void(OptionId)> show; // puts the model's value into the widgets
    std::function<bool()> rule;         // the page's own enabling rule, on top of IsOptionEnabled
    bool marked = false;
};

struct SliderControls {
    QSlider *slider = nullptr;
    QLabel *label = nullptr; // the value as the option's label format gives it
};

// A file name's box with its "Select..." and "Reset" links (LabelN_0 and LabelN_1).
struct FileBoxControls {
    QGroupBox *frame = nullptr;
    QLineEdit *edit = nullptr;
    LinkLabel *select = nullptr;
    LinkLabel *reset = nullptr;
};

// The object names tests find the controls by: a type prefix and the option's name in words, without the
// screen number ("sld" + gamma = "sldGamma", "cbo" + paddle_device = "cboPaddleDevice", "cbo" + view2 =
// "cboView"); frames "fra" and their caption's words ("fraGammaCorrection").
QString OptionControlName(const char *prefix, OptionId id);
QString FrameObjectName(const QString &caption);

// A page of the options dialog. It builds its controls over the shared OptionModel: a control's change goes
// into the model at once, and changed() tells the dialog (which enables Apply and refreshes every page,
// since a rule on one page may govern controls on another).
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    OptionsPage(OptionPage page, OptionsPageShared &shared, QWidget *parent = nullptr);

    OptionPage page() const { return m_page; }
    // Shows the model's values in every control, without change events.
    virtual void load();
    // Enabling, frame captions, layer marks and tool tips, from the model's values now.
    virtual void refresh();

Q_SIGNALS:
    void changed();

protected:
    OptionModel &model() const { return m_shared.model; }
    const OptionsPageShared &shared() const { return m_shared; }

    // A frame named after its caption; captionFromTable gives it " n/a" while the file has none of its
    // options.
    QGroupBox *addFrame(const QString &caption, bool captionFromTable = true);
    QCheckBox *addCheckBox(OptionId id, QGroupBox *frame = nullptr);
    SliderControls addSlider(OptionId id, QGroupBox *frame = nullptr);
    OptionComboBox *addList(OptionId id, QGroupBox *frame = nullptr);
    QLineEdit *addText(OptionId id, QGroupBox *frame = nullptr);
    // A caption label that is enabled with the option's controls.
    QLabel *addCaption(OptionId id, const QString &text);
    // A frame holding one slider and its value label.
    QGroupBox *addSliderFrame(OptionId id);
    // A slider and its value label as a row of a grid: the caption (when there is one), the slider and the
    // label; or, for a label with its own prefix ("gamma: 1.00"), the label and the slider.
    enum class LabelPlace { AfterSlider, BeforeSlider };
    SliderControls addSliderRow(QGridLayout *grid, OptionId id, QGroupBox *frame = nullptr,
                                const QString &caption = QString(),
                                LabelPlace place = LabelPlace::AfterSlider);
    // The box of a file's title in its frame, with "Select..." (which the page connects) and "Reset" (which
    // puts resetText in the box).
    FileBoxControls addFileBox(OptionId id, const QString &linkName, const QString &resetText);
    // Puts a text into a text box and its option, as a link does, and counts it as a change.
    void setTextOf(OptionId id, QLineEdit *edit, const QString &text);
    // "Select...": an "Open" dialog with the filter in the folder; the picked file's title goes into the box.
    // Returns the picked path ("" when cancelled).
    QString pickFileInto(OptionId id, QLineEdit *edit, UserPrompts &prompts, const QString &filter,
                         const QString &folder);
    OptionBinding &bind(OptionBinding binding);
    OptionBinding *bindingOf(OptionId id);
    std::vector<OptionBinding> &bindings() { return m_bindings; }
    // The slot the next binding takes, and the option a slot stands for now: the controls' handlers look
    // the option up when they run, so that the Screens page can point its controls at another screen.
    std::size_t nextSlot() const { return m_bindings.size(); }
    OptionId idAt(std::size_t slot) const { return m_bindings.at(slot).id; }
    // Connects a combo box's opening and key presses to changed().
    void watch(OptionComboBox *combo);
    void showAll();

private:
    void refreshFrames();
    QString toolTipOf(const OptionBinding &binding) const;

    OptionPage m_page;
    OptionsPageShared &m_shared;
    std::vector<OptionBinding> m_bindings;
    QHash<QGroupBox *, QString> m_frameCaptions; // the table's caption of each frame ("" when the page's own)
};

} // namespace qx
