#include "dialogs/StartupVideoPlan.h"

#include <QFile>
#include <QFileInfo>

namespace qx {

QString UnplayableVideoWarning() {
    return QStringLiteral("Unable to play video file. Maybe a codec is required.\nPlease reselect a file.");
}

StartupVideoCheck CheckStartupVideo(const QString &avi) {
    const QString path = avi.trimmed();
    if (path.isEmpty() || path.compare(kNoStartupVideo, Qt::CaseInsensitive) == 0) {
        return StartupVideoCheck::NothingToPlay;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return StartupVideoCheck::NothingToPlay;
    }
    // Only a regular file that holds something and opens: a folder, a pipe or a device would leave the
    // player waiting on something that is no video.
    if (!info.isFile() || info.size() == 0) {
        return StartupVideoCheck::Unplayable;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return StartupVideoCheck::Unplayable;
    }
    return StartupVideoCheck::Playable;
}

StartupVideoMode StartupVideoModeFrom(int playavi) {
    switch (playavi) {
    case 1:
        return StartupVideoMode::Window;
    case 2:
        return StartupVideoMode::FullScreen;
    default:
        return StartupVideoMode::None;
    }
}

QSize StartupVideoWindowSize(QSize videoSize, QSize available) {
    const QSize wanted = videoSize.isValid() && !videoSize.isEmpty() ? videoSize : QSize(640, 480);
    if (!available.isValid() || available.isEmpty()) {
        return wanted;
    }
    if (wanted.width() <= available.width() && wanted.height() <= available.height()) {
        return wanted;
    }
    return wanted.scaled(available, Qt::KeepAspectRatio);
}

} // namespace qx
