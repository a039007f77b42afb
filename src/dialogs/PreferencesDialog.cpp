#include "dialogs/PreferencesDialog.h"

#include "options/EmulatorOptionFile.h"
#include "app/LinkLabel.h"
#include "app/PathHelpers.h"
#include "app/SettingsKeys.h"
#include "app/UserPrompts.h"
#include "app/WindowHelpers.h"
#include "browser/window/Joystick.h"
#include "dialogs/DialogCommon.h"
#include "dialogs/StartupVideoPlan.h"
#include "launch/DisplayModes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kConsoleRequired = QStringLiteral("The console must be visible when Video is set to 'none'");
const QString kJoystickButtonsMessage = QStringLiteral("Button1 = Play\nButton2 = Up\nButton3 = Down");
const QString kVideoFileTip = QStringLiteral("Click text box to change");

QGroupBox *frameOf(const QString &title, const QString &objectName, QWidget *parent) {
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(objectName);
    return frame;
}

} // namespace

PreferencesDialog::PreferencesDialog(const PreferencesContext &context)
    : QDialog(context.parent), m_settings(context.settings), m_prompts(context.prompts),
      m_fullScreenListActive(context.fullScreenListActive) {
    setObjectName(QStringLiteral("frmInterface"));
    setWindowTitle(kAppTitle + QStringLiteral(" Preferences"));
    buildControls();
    layOutControls();
    ApplyDialogueFont(this, m_settings.get(Settings::DialogueFont));

    m_videoNeedsConsole =
        VideoNeedsConsole(ReadEmulatorOption(QStringLiteral("video"), context.emulatorIniPath));
    if (m_videoNeedsConsole) {
        // Written even if the user touches nothing: MAME without its own window needs the console.
        m_settings.write(Settings::ShowConsole, PreferenceText(true));
    }
    loadBoxes();
    m_videoFile->setText(m_settings.get(Settings::Avi));
    loadResolutions(context.displayModes);
    loadJoysticks(context.joystick);
    updateEnabling();
    applyToolTips(m_settings.get(Settings::ShowToolTips));
    if (m_fullScreenListActive) {
        SetTopmost(this);
    }
}

void PreferencesDialog::buildControls() {
    const auto &boxes = PreferenceBoxes();
    for (int index = 0; index < kPreferenceBoxCount; ++index) {
        auto *box = new QCheckBox(boxes[index].caption, this);
        box->setObjectName(QStringLiteral("chkInterface%1").arg(index));
        connect(box, &QCheckBox::clicked, this, [this, index] { onBoxClicked(index); });
        m_boxes[index] = box;
    }
    m_videoFile = new QLineEdit(this);
    m_videoFile->setObjectName(QStringLiteral("txtStartupAvi"));
    m_videoFile->setReadOnly(true);
    m_videoFile->setCursor(Qt::PointingHandCursor);
    m_videoFile->installEventFilter(this);

    m_resolutions = new QComboBox(this);
    m_resolutions->setObjectName(QStringLiteral("cboInterface"));
    m_sizeLabel = new QLabel(QStringLiteral("Size:"), this);
    m_sizeLabel->setObjectName(QStringLiteral("lblSize"));
    m_sizeLabel->setBuddy(m_resolutions);

    m_joysticks = new QComboBox(this);
    m_joysticks->setObjectName(QStringLiteral("Combo1"));

    m_close = new LinkLabel(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("Label3"));
    connect(m_close, &LinkLabel::activated, this, &QDialog::accept);
}

void PreferencesDialog::layOutControls() {
    auto *general = frameOf(QStringLiteral("General Options"), QStringLiteral("fraGeneral"), this);
    auto *generalLayout = new QVBoxLayout(general);
    for (const int index : {kBoxSortFav, kBoxVerifyDialog, kBoxNeverFastScan, kBoxGhostIcon, kBoxToolTips,
                            kBoxFullRowSelect, kBoxMouseFocus, kBoxConfirmVerify, kBoxRandomSelectOnly}) {
        generalLayout->addWidget(m_boxes[index]);
    }
    generalLayout->addStretch();

    auto *tray = frameOf(QStringLiteral("System tray"), QStringLiteral("fraTray"), this);
    auto *trayLayout = new QVBoxLayout(tray);
    trayLayout->addWidget(m_boxes[kBoxTrayMin]);
    trayLayout->addWidget(m_boxes[kBoxTray]);

    auto *console = frameOf(QStringLiteral("Console and video"), QStringLiteral("fraConsole"), this);
    auto *consoleLayout = new QVBoxLayout(console);
    for (const int index : {kBoxKeepConsoleOpen, kBoxShowConsole, kBoxPlayVideo}) {
        consoleLayout->addWidget(m_boxes[index]);
    }

    auto *joystick = frameOf(QStringLiteral("Joystick"), QStringLiteral("fraJoystick"), this);
    auto *joystickLayout = new QHBoxLayout(joystick);
    joystickLayout->addWidget(m_boxes[kBoxJoySelect], 1);
    auto *joyLabel = new QLabel(QStringLiteral("JoyID"), joystick);
    joyLabel->setBuddy(m_joysticks);
    joystickLayout->addWidget(joyLabel);
    joystickLayout->addWidget(m_joysticks);

    m_fullScreenFrame =
        frameOf(QStringLiteral("Full screen game list"), QStringLiteral("fraFullScreen"), this);
    auto *fullScreenLayout = new QHBoxLayout(m_fullScreenFrame);
    fullScreenLayout->addWidget(m_boxes[kBoxUseAltRes], 1);
    fullScreenLayout->addWidget(m_sizeLabel);
    fullScreenLayout->addWidget(m_resolutions);

    auto *video = frameOf(QStringLiteral("Startup video"), QStringLiteral("fraVideo"), this);
    auto *videoLayout = new QHBoxLayout(video);
    videoLayout->addWidget(m_videoFile, 1);
    videoLayout->addWidget(m_boxes[kBoxVideoFullScreen]);

    auto *grid = new QGridLayout(this);
    grid->addWidget(general, 0, 0, 4, 1);
    grid->addWidget(tray, 0, 1);
    grid->addWidget(console, 1, 1);
    grid->addWidget(joystick, 2, 1);
    grid->addWidget(m_fullScreenFrame, 3, 1);
    grid->addWidget(video, 4, 0, 1, 2);
    grid->addWidget(m_close, 5, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void PreferencesDialog::loadBoxes() {
    for (int index = 0; index < kPreferenceBoxCount; ++index) {
        showBoxFromFile(index);
    }
}

// The box as qx.ini holds it (at load, and after a write that failed).
void PreferencesDialog::showBoxFromFile(int index) {
    QCheckBox *box = m_boxes[index];
    if (index == kBoxPlayVideo || index == kBoxVideoFullScreen) {
        const PlayAviBoxes playavi = PlayAviBoxesFrom(m_settings.get(Settings::PlayAvi));
        box->setChecked(index == kBoxPlayVideo ? playavi.play : playavi.fullScreen);
    } else if (index == kBoxShowConsole && m_videoNeedsConsole) {
        box->setChecked(true);
    } else {
        box->setChecked(PreferenceTicked(m_settings, *PreferenceBoxes()[index].key));
    }
}

void PreferencesDialog::loadResolutions(DisplayModes *displayModes) {
    const QString current = displayModes ? displayModes->CurrentResolution() : QString();
    m_resolutionAtLoad = m_settings.get(Settings::FullScreenRes);
    const QString shown = ResolutionToShow(m_resolutionAtLoad, current);
    if (displayModes) {
        m_resolutions->addItems(displayModes->ListDisplayModes());
        RemoveDuplicateItems(m_resolutions);
    }
    // A resolution the display does not list now (another monitor's) stays offered, so it is not lost.
    if (!shown.isEmpty() && m_resolutions->findText(shown) < 0) {
        m_resolutions->addItem(shown);
    }
    m_resolutions->setCurrentIndex(m_resolutions->findText(shown));
}

void PreferencesDialog::loadJoysticks(Joystick *joystick) {
    const JoystickChoices choices =
        JoystickChoicesFor(joystick ? joystick->deviceCount() : 0, m_settings.get(Settings::JoyId));
    m_joysticks->addItems(choices.entries);
    m_joysticks->setCurrentIndex(choices.selected);
}

void PreferencesDialog::updateEnabling() {
    m_boxes[kBoxTrayMin]->setEnabled(m_boxes[kBoxTray]->isChecked());
    m_boxes[kBoxKeepConsoleOpen]->setEnabled(m_boxes[kBoxShowConsole]->isChecked());
    const bool playVideo = m_boxes[kBoxPlayVideo]->isChecked();
    m_boxes[kBoxVideoFullScreen]->setEnabled(playVideo);
    m_videoFile->setEnabled(playVideo);
    // The resolution cannot change under a full-screen list that is shown at it.
    m_fullScreenFrame->setEnabled(!m_fullScreenListActive);
    const bool altRes = m_boxes[kBoxUseAltRes]->isChecked();
    m_sizeLabel->setEnabled(altRes);
    m_resolutions->setEnabled(altRes);
}

void PreferencesDialog::applyToolTips(bool on) {
    const auto &boxes = PreferenceBoxes();
    for (int index = 0; index < kPreferenceBoxCount; ++index) {
        // The tool-tip box keeps its own tip, so the user can find out what it does.
        const bool shown = on || index == kBoxToolTips;
        m_boxes[index]->setToolTip(shown ? boxes[index].toolTip : QString());
    }
    m_videoFile->setToolTip(on ? kVideoFileTip : QString());
}

void PreferencesDialog::onBoxClicked(int index) {
    QCheckBox *box = m_boxes[index];
    if (index == kBoxShowConsole && m_videoNeedsConsole && !box->isChecked()) {
        m_prompts.inform(kConsoleRequired, kAppTitle, PromptIcon::Warning);
        box->setChecked(true);
    }
    if (!storeBox(index)) {
        reportUnsaved();
        showBoxFromFile(index);
    } else if (index == kBoxJoySelect && box->isChecked()) {
        m_prompts.inform(kJoystickButtonsMessage, kAppTitle, PromptIcon::Information);
    }
    if (index == kBoxToolTips) {
        applyToolTips(m_boxes[kBoxToolTips]->isChecked());
    }
    updateEnabling();
}

bool PreferencesDialog::storeBox(int index) {
    if (index == kBoxPlayVideo || index == kBoxVideoFullScreen) {
        const int playavi =
            PlayAviValue(m_boxes[kBoxPlayVideo]->isChecked(), m_boxes[kBoxVideoFullScreen]->isChecked());
        return m_settings.write(Settings::PlayAvi, QString::number(playavi));
    }
    return m_settings.write(*PreferenceBoxes()[index].key, PreferenceText(m_boxes[index]->isChecked()));
}

void PreferencesDialog::reportUnsaved() {
    m_prompts.inform(
        QStringLiteral("Quorvex cannot write its settings file %1, so this change was not saved.")
            .arg(QDir::toNativeSeparators(m_settings.path())),
        kAppTitle, PromptIcon::Warning);
}

bool PreferencesDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_videoFile && m_videoFile->isEnabled()) {
        const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        const auto *key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event) : nullptr;
        const bool pressed = key && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                                     key->key() == Qt::Key_Enter);
        if (clicked || pressed) {
            chooseVideo();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PreferencesDialog::chooseVideo() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select Video");
    request.filter = kStartupVideoFilter;
    request.initialFolder = m_settings.get(Settings::Mrud3);
    m_videoFile->setEnabled(false);
    const FileDialogResult chosen = m_prompts.chooseFile(request);
    m_videoFile->setEnabled(true);
    if (chosen.cancelled()) {
        return;
    }
    const QString folder = WithTrailingSeparator(QFileInfo(chosen.filePath).absolutePath());
    if (!m_settings.write(Settings::Avi, chosen.filePath) || !m_settings.write(Settings::Mrud3, folder)) {
        reportUnsaved();
    }
    m_videoFile->setText(m_settings.get(Settings::Avi));
}

void PreferencesDialog::writeOnClose() {
    bool saved = true;
    if (!m_fullScreenListActive) {
        if (const auto resolution = FullScreenResToWrite(m_resolutionAtLoad, m_resolutions->currentText())) {
            saved = m_settings.write(Settings::FullScreenRes, *resolution);
        }
    }
    saved = m_settings.write(Settings::JoyId, m_joysticks->currentText()) && saved;
    if (!saved) {
        reportUnsaved();
    }
}

void PreferencesDialog::done(int result) {
    if (!m_closed) {
        m_closed = true;
        writeOnClose();
    }
    QDialog::done(result);
}

PreferencesResult OpenPreferences(const PreferencesContext &context) {
    PreferencesDialog dialog(context);
    ShowModal(dialog, context.runModal);
    return ReadPreferencesResult(context.settings, dialog.videoNeedsConsole());
}

} // namespace qx
