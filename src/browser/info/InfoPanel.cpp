#include "browser/info/InfoPanel.h"

#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "app/PlatformServices.h"
#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "app/Twips.h"
#include "app/UserPrompts.h"
#include "browser/info/InfoPanelLayout.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace qx {

namespace {

const QString kCaptionTip =
    QStringLiteral("Double click anywhere in the picture panel to toggle the scrollbar");

} // namespace

InfoPanel::InfoPanel(InfoPanelContext context, QWidget *parent)
    : QFrame(parent), m_context(std::move(context)), m_loader(m_context.prompts) {
    setObjectName(QStringLiteral("picHolder"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    hide();
    createChildren();
    // One decode at a time: a newer request replaces any that has not started.
    m_decoder.setMaxThreadCount(1);
    m_historyReader.setMaxThreadCount(1);
    connect(m_scroll, &QScrollBar::valueChanged, this, &InfoPanel::ShowSnapshot);
    connectActions();
    refreshToolTip();
}

InfoPanel::~InfoPanel() = default;

void InfoPanel::createChildren() {
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("Label1"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFixedHeight(m_caption->fontMetrics().height() + 6);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("picFlyer"));
    m_picture->setAlignment(Qt::AlignCenter);
    // The picture is drawn at the label's size, which fitPicture sets.
    m_picture->setScaledContents(false);
    m_picture->resize(TwipsToPixels(100), 0);
    m_picture->hide();

    m_historyBox = new QPlainTextEdit(this);
    m_historyBox->setObjectName(QStringLiteral("txtHistory"));
    m_historyBox->setReadOnly(true);
    m_historyBox->hide();

    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setRange(0, 99);
    m_scroll->setFixedSize(TwipsToPixels(500) - 4, m_caption->height());
    m_scroll->hide();
}

void InfoPanel::connectActions() {
    connect(m_context.historyAction, &QAction::triggered, this, &InfoPanel::setHistoryShown);
    connect(m_context.pictureAction, &QAction::triggered, this, &InfoPanel::setPictureShown);
}

void InfoPanel::restoreFromSettings() {
    LoadHistory();
    const FrontendSettings &settings = m_context.settings;
    if (m_historyAvailable) {
        m_historyShown = settings.get(Settings::ShowHistory);
        if (m_historyShown) {
            ensureHistoryLoaded();
        }
    }
    m_pictureShown = settings.get(Settings::Picture);
    m_bothShown = false;
    if (m_pictureShown) {
        show();
        m_picture->show();
        m_scroll->show();
        m_context.pictureAction->setChecked(true);
    }
    if (m_historyShown && m_historyAvailable) {
        show();
        m_historyBox->show();
        m_context.historyAction->setChecked(true);
        m_scroll->hide();
        m_picture->resize(TwipsToPixels(100), m_picture->height());
        if (m_pictureShown) {
            m_bothShown = true;
            m_scroll->show();
        }
    }
}

bool InfoPanel::writeSettings() const {
    const FrontendSettings &settings = m_context.settings;
    bool ok = settings.set(Settings::Picture, m_pictureShown);
    ok &= settings.set(Settings::ShowHistory, m_historyShown);
    return ok;
}

// --- Layout ---

void InfoPanel::place(const TwipsRect &rect) {
    m_size = {rect.width, rect.height};
    setGeometry(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                TwipsToPixels(rect.height));
    fitPicture();
    layoutChildren();
}

int InfoPanel::pictureWidth() const {
    return m_picture->isHidden() ? 0 : m_picture->width();
}

void InfoPanel::layoutChildren() {
    InfoPanelLayoutInput in;
    in.panelWidth = m_size.width();
    in.panelHeight = m_size.height();
    in.bothShown = m_bothShown;
    in.pictureWidth = m_picture->isHidden() ? 0 : PixelsToTwips(m_picture->width());
    in.pictureHeight = m_picture->isHidden() ? 0 : PixelsToTwips(m_picture->height());
    in.captionHeight = PixelsToTwips(m_caption->height());
    const InfoPanelLayout out = ComputeInfoPanelLayout(in);
    m_scroll->move(TwipsToPixels(out.scrollBarLeft), 0);
    m_caption->setGeometry(TwipsToPixels(out.caption.left), TwipsToPixels(out.caption.top),
                           TwipsToPixels(out.caption.width), TwipsToPixels(out.caption.height));
    m_picture->move(TwipsToPixels(out.pictureLeft), TwipsToPixels(out.pictureTop));
    const int historyHeight = out.historyHeight ? TwipsToPixels(*out.historyHeight) : m_historyBox->height();
    m_historyBox->setGeometry(TwipsToPixels(out.historyLeft), TwipsToPixels(out.historyTop),
                              TwipsToPixels(out.historyWidth), historyHeight);
    m_scroll->raise();
}

void InfoPanel::relayout() {
    fitPicture();
    layoutChildren();
    Q_EMIT layoutChanged();
}

QSize InfoPanel::pictureArea() const {
    // The picture fits beside the caption line; above the history text it takes at most half the panel.
    const int captionHeight = m_caption->height();
    const int panelHeight = height();
    const int pictureHeight =
        m_bothShown ? (panelHeight - captionHeight) / 2 : panelHeight - 2 * captionHeight;
    return QSize(width(), pictureHeight);
}

void InfoPanel::fitPicture() {
    if (m_image.isNull()) {
        return;
    }
    const QSize fitted = PictureLoader::fittedSize(m_image.size(), pictureArea());
    if (fitted.isEmpty()) {
        m_picture->clear();
        m_picture->resize(TwipsToPixels(100), 0);
        return;
    }
    if (m_picture->size() == fitted && !m_picture->pixmap().isNull()) {
        return;
    }
    QImage drawn = m_image;
    if (fitted == m_drawn.size()) {
        drawn = m_drawn;
    } else if (fitted != m_image.size()) {
        drawn = m_image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    m_picture->setPixmap(QPixmap::fromImage(drawn));
    m_picture->resize(fitted);
}

// --- Commands ---

void InfoPanel::setHistoryShown(bool shown) {
    m_bothShown = false;
    m_historyShown = shown;
    m_context.historyAction->setChecked(shown);
    m_historyBox->setVisible(shown);
    if (shown && m_historyAvailable) {
        show();
        if (m_pictureShown) {
            m_bothShown = true;
        } else {
            m_scroll->hide();
            m_picture->hide();
        }
        const QString name = m_context.selectedSet ? m_context.selectedSet().name : QString();
        if (!name.isEmpty()) {
            ShowSetHistory(name);
        }
    }
    if (!shown && !m_pictureShown) {
        hide();
    }
    if (m_context.reselectShownView) {
        m_context.reselectShownView();
    }
    relayout();
}

void InfoPanel::setPictureShown(bool shown) {
    m_bothShown = false;
    m_pictureShown = shown;
    m_context.pictureAction->setChecked(shown);
    m_picture->setVisible(shown);
    if (shown) {
        show();
        m_scroll->show();
        if (!m_historyShown || !m_historyAvailable) {
            m_historyBox->hide();
            m_context.historyAction->setChecked(false);
            m_historyShown = false;
        } else {
            m_bothShown = true;
        }
        const SelectedSet selected = m_context.selectedSet ? m_context.selectedSet() : SelectedSet();
        m_name = selected.name;
        m_parent = selected.parent;
        ShowPicture(m_name, m_parent);
    } else {
        removePicture();
        m_caption->clear();
        m_scroll->hide();
        if (m_historyBox->isHidden()) {
            hide();
        }
    }
    relayout();
}

void InfoPanel::reloadHistory() {
    LoadHistory();
    if (m_historyShown && !m_name.isEmpty()) {
        ShowSetHistory(m_name);
    }
    m_context.prompts.inform(HistoryRevision(), kAppTitle, PromptIcon::Information);
}

void InfoPanel::openHistoryInEditor() {
    // The desktop's text editor opens a file, so the shown text goes to a work file first.
    const QString path = m_context.state.workFile(kHistoryWorkFile);
    QString text = m_historyBox->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QString error;
    if (!WriteFileAtomically(path, text.toUtf8(), &error)) {
        m_context.prompts.inform(
            QStringLiteral("Quorvex could not write %1:\n%2").arg(QDir::toNativeSeparators(path), error),
            kAppTitle, PromptIcon::Warning);
        return;
    }
    if (!m_context.services.openUrl(path)) {
        m_context.prompts.inform(
            QStringLiteral("No program on this desktop opens text files; the history was saved to %1.")
                .arg(QDir::toNativeSeparators(path)),
            kAppTitle, PromptIcon::Warning);
    }
}

void InfoPanel::toggleScrollBar() {
    m_scroll->setVisible(m_scroll->isHidden());
}

void InfoPanel::refreshToolTip() {
    m_caption->setToolTip(m_context.state.ShowToolTips ? kCaptionTip : QString());
}

void InfoPanel::setScrollBarEnabled(bool enabled) {
    m_scroll->setEnabled(enabled);
}

// The caption and the picture pass their double-clicks on to the panel: the panel sees them all once.
void InfoPanel::mouseDoubleClickEvent(QMouseEvent *event) {
    toggleScrollBar();
    event->accept();
}

} // namespace qx
