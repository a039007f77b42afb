#pragma once

#include "app/FrontendSettings.h"

#include <QTimer>
#include <QWidget>

class QMediaPlayer;
class QVideoWidget;

namespace qx {

class UserPrompts;

// What the start-up video works with.
struct StartupVideoContext {
    FrontendSettings settings; // qx.ini: avi (the file) and playavi (1 in a window, 2 full screen)
    UserPrompts &prompts;      // the warning when the file cannot be played
    QWidget *parent = nullptr; // the main window: the video window goes with it
    bool fullScreen = false;   // VideoFullScreen (playavi 2): the screen filled, the pointer hidden
};

// How a start-up video ended.
enum class StartupVideoOutcome { Ended, Stopped, Failed };

// The start-up video window (frmVideo): plays one file with Qt Multimedia, in a window of the video's
// own size or full screen with the pointer hidden, and stays above the windows being built behind it
// while it plays. Escape (or the close box) is refused while the video plays, but stops it; a stopped or
// ended video closes the window, which deletes itself. A file the player cannot open, or that stands
// still, resets avi to "click" and shows the warning of UnplayableVideoWarning.
class StartupVideo : public QWidget {
    Q_OBJECT
public:
    StartupVideo(const StartupVideoContext &context, bool fullScreen);

    // Starts playing the file; the window shows once the player knows the video's size.
    void play(const QString &path);
    // Ends as a file that cannot be played, from the event loop (the caller has returned by then).
    void failLater();

Q_SIGNALS:
    void finished(qx::StartupVideoOutcome outcome);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectPlayer();
    void showForVideo();
    void onStopped();
    void fail();
    void finishLater(StartupVideoOutcome outcome);

    FrontendSettings m_settings;
    UserPrompts &m_prompts;
    bool m_fullScreen = false;
    QMediaPlayer *m_player = nullptr;
    QVideoWidget *m_view = nullptr;
    QTimer m_watchdog; // the load time-out, then the stand-still time-out
    bool m_shown = false;
    bool m_stopRequested = false;
    bool m_done = false;
};

// The start-up step: when playavi is 1 or 2 and avi names a file, opens the video window (full screen as
// the context's flag says) and returns at once, leaving the video to play while the caller goes on building
// the main window; the window closes itself when the video ends, is stopped or fails (finished() says which).
// Returns null when there is nothing to play: playavi 0, avi "click" or empty, or a file that is gone.
StartupVideo *PlayStartupVideo(const StartupVideoContext &context);

} // namespace qx
