// The information panel's content: the history text of the set shown, and its pictures (flyer or
// numbered snapshots), decoded off the window thread.
#include "app/PathHelpers.h"
#include "app/ProgramState.h"
#include "app/Twips.h"
#include "browser/info/InfoPanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

namespace qx {

namespace {

const QString kNoHistoryText = QStringLiteral("No history for this set");

// "#0000" formatting of a snapshot number.
QString SnapshotFileName(int number) {
    return QStringLiteral("%1.png").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace

// --- History ---

void InfoPanel::LoadHistory() {
    const QString folder = m_context.state.EmulatorDir;
    m_historyAvailable = !folder.isEmpty() && (FileExists(HistoryDatabase::datPath(folder)) ||
                                               FileExists(HistoryDatabase::xmlPath(folder)));
    m_history.clear();
    m_historyLoad = HistoryLoad::NotStarted;
    ++m_historyTicket; // a read still running is of the old file
    m_context.historyAction->setEnabled(m_historyAvailable);
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
    m_context.historyAction->setEnabled(false);
    m_historyShown = false;
    m_bothShown = false;
    m_context.historyAction->setChecked(false);
    m_historyBox->clear();
    m_historyBox->hide();
    if (!m_pictureShown) {
        hide();
    }
    relayout();
}

void InfoPanel::ensureHistoryLoaded() {
    if (!m_historyAvailable || m_historyLoad != HistoryLoad::NotStarted) {
        return;
    }
    m_historyLoad = HistoryLoad::Running;
    const quint64 ticket = ++m_historyTicket;
    const QString folder = m_context.state.EmulatorDir;
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
    return HistoryDatabase::HistoryRevision(m_context.state.EmulatorDir);
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

// --- Selection ---

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

// --- Pictures ---

void InfoPanel::ShowPicture(const QString &name, const QString &parent) {
    m_snapshotMode = false;
    m_singlePicture = false;
    const ProgramState &state = m_context.state;
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
    return m_context.state.SnapshotDirectory + name + QLatin1Char('/') + SnapshotFileName(number);
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

} // namespace qx
