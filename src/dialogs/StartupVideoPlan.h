#pragma once

#include <QSize>
#include <QString>

namespace qx {

// The avi value of a fresh installation: no video chosen yet.
inline const QString kNoStartupVideo = QStringLiteral("click");

// The start-up video picker's filter: the containers Qt Multimedia's GStreamer backend plays with
// Debian's GStreamer plug-ins (base and good; bad for MPEG program streams, ugly for WMV; libav for the
// codecs).
inline const QString kStartupVideoFilter =
    QStringLiteral("Video Files (*.avi *.mp4 *.mkv *.webm *.mpeg *.mpg *.wmv *.ogv);;All files (*)");

// "Unable to play video file. Maybe a codec is required." and, on a line of its own, "Please reselect a
// file."
QString UnplayableVideoWarning();

// What the start-up video's file (qx.ini's avi) comes to before any player sees it.
enum class StartupVideoCheck {
    NothingToPlay, // no file chosen ("click", empty) or the file is gone: play nothing, say nothing
    Unplayable,    // a folder, an empty file, a file that cannot be read or opened: warn and reset avi
    Playable,      // a file worth giving to the player
};
StartupVideoCheck CheckStartupVideo(const QString &avi);

// What playavi asks for at start-up.
enum class StartupVideoMode { None, Window, FullScreen };
StartupVideoMode StartupVideoModeFrom(int playavi);

// The window's size for a video shown in a window: the video's own size, scaled down (keeping its shape)
// to fit the space the screen offers; a video whose size is not known gets a 4:3 window that fits.
QSize StartupVideoWindowSize(QSize videoSize, QSize available);

// How long the player may take to open a file, and how long a playing video may stand still, before the
// video is given up as unplayable: a player that waits for ever must not leave a window on the screen.
inline constexpr int kStartupVideoLoadTimeoutMs = 10000;
inline constexpr int kStartupVideoStallTimeoutMs = 10000;

} // namespace qx
