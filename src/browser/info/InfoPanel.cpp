#include "browser/info/InfoPanel.h"

#include "app/PathHelpers.h"
#include "app/PlatformServices.h"
#include "app/TextFile.h"
#include "app/UserPrompts.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainLayout.h"
#include "browser/window/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

namespace qx {

namespace {

const QString kNoHistoryText = QStringLiteral("No history for this set");

const QString kCaptionTip =
    QStringLiteral("Double click anywhere in the picture panel to toggle the scrollbar");

// "#0000" formatting of a snapshot number.
QString SnapshotFileName(int number) {
    return QStringLiteral("%1.png").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace

InfoPanel::InfoPanel(MainWindow &window, InfoPanelHooks hooks, QObject *parent)
    : QObject(parent ? parent : &window), m_window(window), m_hooks(std::move(hooks)),
      m_loader(window.prompts()) {
    setObjectName(QStringLiteral("InfoPanel"));
    m_panel = window.findChild<QWidget *>(QStringLiteral("picHolder"));
    m_caption = window.findChild<QLabel *>(QStringLiteral("Label1"));
    m_picture = window.findChild<QLabel *>(QStringLiteral("picFlyer"));
    m_historyBox = window.findChild<QPlainTextEdit *>(QStringLiteral("txtHistory"));
    m_scroll = window.findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    Q_ASSERT(m_panel && m_caption && m_picture && m_historyBox && m_scroll);
    m_historyAction = window.action(ActionId::ViewHistory);
    m_pictureAction = window.action(ActionId::ViewPicture);

    // The picture is drawn at the label's size, which fitPicture sets.
    m_picture->setScaledContents(false);
    // One decode at a time: a newer request replaces any that has not started.
    m_decoder.setMaxThreadCount(1);
    m_historyReader.setMaxThreadCount(1);
    // The caption and the picture pass their double-clicks on to the panel: watching it sees them all once.
    m_panel->installEventFilter(this);
    connect(m_scroll, &QScrollBar::valueChanged, this, &InfoPanel::ShowSnapshot);
    connectActions();
    refreshToolTip();
}

InfoPanel::~InfoPanel() = default;

void InfoPanel::connectActions() {
    MainActions &actions = m_window.actions();
    connect(m_historyAction, &QAction::triggered, this, &InfoPanel::setHistoryShown);
    connect(m_pictureAction, &QAction::triggered, this, &InfoPanel::setPictureShown);
    connect(actions[ActionId::ToolsReloadHistory], &QAction::triggered, this, &InfoPanel::reloadHistory);
    connect(actions[ActionId::ItemPopupHistoryNotepad], &QAction::triggered, this,
            &InfoPanel::openHistoryInEditor);
}

void InfoPanel::restoreFromSettings() {
    LoadHistory();
    const FrontendSettings &settings = m_window.settings();
    if (m_historyAvailable) {
        m_historyShown = settings.get(Settings::ShowHistory);
        if (m_historyShown) {
            ensureHistoryLoaded();
        }
    }
    m_pictureShown = settings.get(Settings::Picture);
    m_bothShown = false;
    if (m_pictureShown) {
        m_panel->show();
        m_picture->show();
        m_scroll->show();
        m_pictureAction->setChecked(true);
    }
    if (m_historyShown && m_historyAvailable) {
        m_panel->show();
        m_historyBox->show();
        m_historyAction->setChecked(true);
        m_scroll->hide();
        m_picture->resize(TwipsToPixels(100), m_picture->height());
        if (m_pictureShown) {
            m_bothShown = true;
            m_scroll->show();
        }
    }
}

bool InfoPanel::writeSettings() const {
    const FrontendSettings &settings = m_window.settings();
    bool ok = settings.set(Settings::Picture, m_pictureShown);
    ok &= settings.set(Settings::ShowHistory, m_historyShown);
    return ok;
}

void InfoPanel::LoadHistory() {
    const QString folder = m_window.state().EmulatorDir;
    m_historyAvailable = !folder.isEmpty() && (FileExists(HistoryDatabase::datPath(folder)) ||
                                               FileExists(HistoryDatabase::xmlPath(folder)));
    m_history.clear();
    m_historyLoad = HistoryLoad::NotStarted;
    ++m_historyTicket; // a read still running is of the old file
    m_historyAction->setEnabled(m_historyAvailable);
    if (!m_historyShown) {
        return;
    }
    if (m_historyAvailable) {
        ensureHistoryLoaded();
    } else {
        hideMissingHistory();
    }
}

void InfoPanel::hideMissingHistory() {
    // The file went away: the history part of the panel goes with it.
    m_historyAvailable = false;
    m_historyAction->setEnabled(false);
    m_historyShown = false;
    m_bothShown = false;
    m_historyAction->setChecked(false);
    m_historyBox->clear();
    m_historyBox->hide();
    if (!m_pictureShown) {
        m_panel->hide();
    }
    relayout();
}

void InfoPanel::ensureHistoryLoaded() {
    if (!m_historyAvailable || m_historyLoad != HistoryLoad::NotStarted) {
        return;
    }
    m_historyLoad = HistoryLoad::Running;
    const quint64 ticket = ++m_historyTicket;
    const QString folder = m_window.state().EmulatorDir;
    QPointer<InfoPanel> self(this);
    m_historyReader.start([self, folder, ticket] {
        HistoryDatabase database;
        const bool ok = database.load(folder);
        QMetaObject::invokeMethod(
            qApp,
            [self, database, ok, ticket] {
                if (self) {
                    self->historyRead(ticket, database, ok);
                }
            },
            Qt::QueuedConnection);
    });
}

void InfoPanel::historyRead(quint64 ticket, const HistoryDatabase &database, bool ok) {
    if (ticket != m_historyTicket) {
        return;
    }
    m_history = database;
    m_historyLoad = HistoryLoad::Done;
    if (!ok) {
        if (m_historyShown) {
            hideMissingHistory();
        }
        return;
    }
    if (m_historyShown && !m_historyName.isEmpty()) {
        ShowSetHistory(m_historyName);
    }
}

void InfoPanel::finishHistoryLoad() {
    m_historyReader.waitForDone();
    QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
}

QString InfoPanel::HistoryRevision() const {
    return HistoryDatabase::HistoryRevision(m_window.state().EmulatorDir);
}

void InfoPanel::showSetInfo(const QString &name, const QString &parent) {
    m_name = name;
    m_parent = parent;
    if (m_historyShown && m_historyAvailable) {
        ShowSetHistory(name);
    }
    if (m_pictureShown) {
        ShowPicture(name, parent);
    }
    m_snapshotScrolled = false;
    // Back at 0 the set's own picture shows, which ShowPicture has just done.
    const QSignalBlocker quiet(m_scroll);
    m_scroll->setValue(0);
}

void InfoPanel::clearSetInfo() {
    m_name.clear();
    m_parent.clear();
    m_historyBox->clear();
    m_historyBox->setPlaceholderText(QString());
    removePicture();
    m_caption->clear();
    m_singlePicture = false;
    m_snapshotMode = false;
    m_snapshotScrolled = false;
    {
        const QSignalBlocker quiet(m_scroll);
        m_scroll->setValue(0);
    }
    relayout();
}

void InfoPanel::ShowSetHistory(const QString &name) {
    m_historyName = name;
    if (m_historyLoad != HistoryLoad::Done) {
        m_historyBox->clear(); // shown when the file has been read
        m_historyBox->setPlaceholderText(QString());
        ensureHistoryLoaded();
        return;
    }
    const QString entry = m_history.entryText(name);
    m_historyBox->setPlainText(entry);
    // An empty box says why.
    m_historyBox->setPlaceholderText(entry.isEmpty() && !name.isEmpty() ? kNoHistoryText : QString());
}

void InfoPanel::ShowPicture(const QString &name, const QString &parent) {
    m_snapshotMode = false;
    m_singlePicture = false;
    const ProgramState &state = m_window.state();
    if (!name.isEmpty()) {
        for (const QString &own : {name, parent}) {
            const QString path = state.PictureDirectory + own + QStringLiteral(".png");
            if (!own.isEmpty() && FileExists(path)) {
                m_singlePicture = true;
                m_caption->clear();
                showPictureFile(path);
                return;
            }
        }
        const QString first = snapshotPath(name, 0);
        if (FileExists(first)) {
            m_snapshotMode = true;
            m_caption->setText(SnapshotFileName(0));
            showPictureFile(first);
            return;
        }
    }
    removePicture();
    // With no picture at all the caption still names the set shown.
    m_caption->setText(name);
    relayout();
}

void InfoPanel::ShowSnapshot() {
    const int position = m_scroll->value();
    m_snapshotScrolled = position > 0;
    if (position == 0) {
        // Position 0 is the set's own picture (or its first snapshot), as when it was selected.
        ShowPicture(m_name, m_parent);
        return;
    }
    const int number = m_singlePicture ? position - 1 : position;
    const QString path = snapshotPath(m_name, number);
    if (!m_name.isEmpty() && FileExists(path)) {
        m_snapshotMode = true;
        m_caption->setText(SnapshotFileName(number));
        showPictureFile(path);
        return;
    }
    m_caption->setText(SnapshotFileName(number) + QStringLiteral(" not found"));
    removePicture();
    relayout();
}

QString InfoPanel::snapshotPath(const QString &name, int number) const {
    return m_window.state().SnapshotDirectory + name + QLatin1Char('/') + SnapshotFileName(number);
}

void InfoPanel::showPictureFile(const QString &path) {
    // Decoding a large picture takes longer than the window may wait, so it runs on the decoder's thread;
    // a newer request makes this one's result stale, and a request not yet started is dropped.
    const quint64 ticket = ++m_ticket;
    m_pending = true;
    m_decoder.clear();
    const QSize area = pictureArea();
    QPointer<InfoPanel> self(this);
    m_decoder.start([self, path, ticket, area] {
        const DecodedPicture picture = PictureLoader::decode(path);
        QImage drawn;
        if (picture.ok()) {
            const QSize fitted = PictureLoader::fittedSize(picture.image.size(), area);
            if (!fitted.isEmpty() && fitted != picture.image.size()) {
                drawn = picture.image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            }
        }
        QMetaObject::invokeMethod(
            qApp,
            [self, path, ticket, picture, drawn] {
                if (self) {
                    self->pictureDecoded(ticket, path, picture, drawn);
                }
            },
            Qt::QueuedConnection);
    });
}

void InfoPanel::pictureDecoded(quint64 ticket, const QString &path, const DecodedPicture &picture,
                               const QImage &drawn) {
    if (ticket != m_ticket) {
        return;
    }
    m_pending = false;
    if (!picture.ok()) {
        m_loader.report(path, picture.error);
        removePicture();
    } else {
        m_image = picture.image;
        m_drawn = drawn;
        m_picture->clear();
    }
    relayout();
}

void InfoPanel::finishPendingPicture() {
    m_decoder.waitForDone();
    QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
}

void InfoPanel::removePicture() {
    ++m_ticket; // a picture still on its way is no longer wanted
    m_pending = false;
    m_image = QImage();
    m_drawn = QImage();
    m_picture->clear();
    m_picture->resize(TwipsToPixels(100), 0);
}

QString InfoPanel::shownSnapshot() const {
    const QString caption = m_caption->text();
    if (!m_snapshotMode || caption.isEmpty() || caption.contains(QStringLiteral("found"))) {
        return QString();
    }
    return caption;
}

void InfoPanel::setCaption(const QString &text) {
    m_caption->setText(text);
}

QSize InfoPanel::pictureArea() const {
    // The picture fits beside the caption line; above the history text it takes at most half the panel.
    const int captionHeight = m_caption->height();
    const int height =
        m_bothShown ? (m_panel->height() - captionHeight) / 2 : m_panel->height() - 2 * captionHeight;
    return QSize(m_panel->width(), height);
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

void InfoPanel::relayout() {
    if (m_layingOut) {
        return;
    }
    m_layingOut = true;
    fitPicture();
    // The layout may resize the panel, and a picture fitted anew may move the splitter: a second pass
    // settles both.
    for (int pass = 0; pass < 2; ++pass) {
        const QSize before = m_picture->size();
        int left = m_window.splitterLeft();
        m_window.SizeControls(left);
        fitPicture();
        if (m_picture->size() == before) {
            break;
        }
    }
    m_layingOut = false;
}

void InfoPanel::setHistoryShown(bool shown) {
    m_bothShown = false;
    m_historyShown = shown;
    m_historyAction->setChecked(shown);
    m_historyBox->setVisible(shown);
    if (shown && m_historyAvailable) {
        m_panel->show();
        if (m_pictureShown) {
            m_bothShown = true;
        } else {
            m_scroll->hide();
            m_picture->hide();
        }
        const QString name = m_window.browser().selectedSet().name;
        if (!name.isEmpty()) {
            ShowSetHistory(name);
        }
    }
    if (!shown && !m_pictureShown) {
        m_panel->hide();
    }
    if (m_hooks.reselectShownView) {
        m_hooks.reselectShownView();
    }
    relayout();
}

void InfoPanel::setPictureShown(bool shown) {
    m_bothShown = false;
    m_pictureShown = shown;
    m_pictureAction->setChecked(shown);
    m_picture->setVisible(shown);
    if (shown) {
        m_panel->show();
        m_scroll->show();
        if (!m_historyShown || !m_historyAvailable) {
            m_historyBox->hide();
            m_historyAction->setChecked(false);
            m_historyShown = false;
        } else {
            m_bothShown = true;
        }
        const SelectedSet &selected = m_window.browser().selectedSet();
        m_name = selected.name;
        m_parent = selected.parent;
        ShowPicture(m_name, m_parent);
    } else {
        removePicture();
        m_caption->clear();
        m_scroll->hide();
        if (m_historyBox->isHidden()) {
            m_panel->hide();
        }
    }
    relayout();
}

void InfoPanel::reloadHistory() {
    LoadHistory();
    if (m_historyShown && !m_name.isEmpty()) {
        ShowSetHistory(m_name);
    }
    m_window.prompts().inform(HistoryRevision(), kAppTitle, PromptIcon::Information);
}

void InfoPanel::openHistoryInEditor() {
    // The desktop's text editor opens a file, so the shown text goes to a work file first.
    const QString path = m_window.state().workFile(kHistoryWorkFile);
    QString text = m_historyBox->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QString error;
    if (!WriteFileAtomically(path, text.toUtf8(), &error)) {
        m_window.prompts().inform(
            QStringLiteral("Quorvex could not write %1:\n%2").arg(QDir::toNativeSeparators(path), error),
            kAppTitle, PromptIcon::Warning);
        return;
    }
    if (!m_window.services().openUrl(path)) {
        m_window.prompts().inform(
            QStringLiteral("No program on this desktop opens text files; the history was saved to %1.")
                .arg(QDir::toNativeSeparators(path)),
            kAppTitle, PromptIcon::Warning);
    }
}

void InfoPanel::toggleScrollBar() {
    m_scroll->setVisible(m_scroll->isHidden());
}

void InfoPanel::refreshToolTip() {
    m_caption->setToolTip(m_window.state().ShowToolTips ? kCaptionTip : QString());
}

bool InfoPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_panel && event->type() == QEvent::MouseButtonDblClick) {
        toggleScrollBar();
        return true;
    }
    if (watched == m_panel && event->type() == QEvent::Resize && !m_image.isNull() && !m_layingOut) {
        // A wider or narrower panel draws the picture at a new size, which moves what lies around it.
        const QSize before = m_picture->size();
        fitPicture();
        if (m_picture->size() != before) {
            relayout();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qx
