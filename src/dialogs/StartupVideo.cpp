#include "dialogs/StartupVideo.h"

#include "app/SettingsKeys.h"
#include "app/UserPrompts.h"
#include "dialogs/StartupVideoPlan.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QScreen>
#include <QVBoxLayout>
#include <QVideoSink>
#include <QVideoWidget>

namespace qx {

StartupVideo::StartupVideo(const StartupVideoContext &context, bool fullScreen)
    : QWidget(context.parent, Qt::Window | Qt::WindowStaysOnTopHint), m_settings(context.settings),
      m_prompts(context.prompts), m_fullScreen(fullScreen) {
    setObjectName(QStringLiteral("frmVideo"));
    setWindowTitle(kAppTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_view = new QVideoWidget(this);
    m_view->setObjectName(QStringLiteral("vidVideo"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    if (m_fullScreen) {
        setCursor(Qt::BlankCursor);
        m_view->setCursor(Qt::BlankCursor);
    }

    m_player = new QMediaPlayer(this);
    m_player->setVideoOutput(m_view);
    connectPlayer();
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &StartupVideo::fail);
}

void StartupVideo::connectPlayer() {
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        switch (status) {
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferedMedia:
            showForVideo();
            break;
        case QMediaPlayer::InvalidMedia:
            fail();
            break;
        case QMediaPlayer::EndOfMedia:
            finishLater(StartupVideoOutcome::Ended);
            break;
        default:
            break;
        }
    });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        if (state == QMediaPlayer::StoppedState) {
            onStopped();
        }
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, &StartupVideo::fail);
    // A video that moves on keeps the stand-still time-out from firing.
    connect(m_player, &QMediaPlayer::positionChanged, this, [this] {
        if (m_shown && !m_done) {
            m_watchdog.start(kStartupVideoStallTimeoutMs);
        }
    });
}

void StartupVideo::play(const QString &path) {
    if (!m_player->isAvailable()) {
        failLater();
        return;
    }
    m_watchdog.start(kStartupVideoLoadTimeoutMs);
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void StartupVideo::failLater() {
    QMetaObject::invokeMethod(this, &StartupVideo::fail, Qt::QueuedConnection);
}

void StartupVideo::onStopped() {
    // The player reports the stop of an ended video before its end; either way the window goes.
    finishLater(m_stopRequested ? StartupVideoOutcome::Stopped : StartupVideoOutcome::Ended);
}

void StartupVideo::showForVideo() {
    if (m_shown || m_done) {
        return;
    }
    m_shown = true;
    m_watchdog.start(kStartupVideoStallTimeoutMs);
    QScreen *screen = parentWidget() && parentWidget()->screen() ? parentWidget()->screen() : this->screen();
    if (m_fullScreen) {
        setGeometry(screen->geometry());
        showFullScreen();
    } else {
        const QSize videoSize = m_player->metaData().value(QMediaMetaData::Resolution).toSize();
        const QRect available = screen->availableGeometry();
        const QSize size = StartupVideoWindowSize(
            videoSize.isValid() ? videoSize : m_view->videoSink()->videoSize(), available.size());
        resize(size);
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
        show();
    }
    raise();
    activateWindow();
}

void StartupVideo::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StartupVideo::closeEvent(QCloseEvent *event) {
    if (m_done) {
        QWidget::closeEvent(event);
        return;
    }
    // A playing video refuses to close but stops; its stop then closes the window.
    event->ignore();
    m_stopRequested = true;
    if (m_player->playbackState() == QMediaPlayer::StoppedState) {
        finishLater(StartupVideoOutcome::Stopped);
    } else {
        m_player->stop();
    }
}

void StartupVideo::fail() {
    if (m_done) {
        return;
    }
    m_done = true;
    m_watchdog.stop();
    m_player->stop();
    hide();
    m_settings.write(Settings::Avi, kNoStartupVideo);
    m_prompts.inform(UnplayableVideoWarning(), kAppTitle, PromptIcon::Warning);
    Q_EMIT finished(StartupVideoOutcome::Failed);
    close();
}

void StartupVideo::finishLater(StartupVideoOutcome outcome) {
    if (m_done) {
        return;
    }
    m_done = true;
    m_watchdog.stop();
    // Closing from inside the player's own signal, or from inside closeEvent, would be refused or would
    // delete the player under its feet: close from the event loop.
    QMetaObject::invokeMethod(
        this,
        [this, outcome] {
            Q_EMIT finished(outcome);
            close();
        },
        Qt::QueuedConnection);
}

StartupVideo *PlayStartupVideo(const StartupVideoContext &context) {
    const StartupVideoMode mode = StartupVideoModeFrom(context.settings.get(Settings::PlayAvi));
    const QString avi = context.settings.get(Settings::Avi);
    const StartupVideoCheck check = CheckStartupVideo(avi);
    if (mode == StartupVideoMode::None || check == StartupVideoCheck::NothingToPlay) {
        return nullptr;
    }
    auto *video = new StartupVideo(context, context.fullScreen);
    if (check == StartupVideoCheck::Unplayable) {
        video->failLater();
    } else {
        video->play(avi.trimmed());
    }
    return video;
}

} // namespace qx
