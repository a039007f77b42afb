#include "browser/info/PictureLoader.h"

#include "app/UserPrompts.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace qx {

namespace {

const QByteArray kPngSignature = QByteArrayLiteral("\x89PNG\r\n\x1a\n");

} // namespace

DecodedPicture PictureLoader::decode(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, QStringLiteral("The file cannot be read: %1.").arg(file.errorString())};
    }
    if (file.size() == 0) {
        return {{}, QStringLiteral("The file is empty.")};
    }
    if (file.peek(kPngSignature.size()) != kPngSignature) {
        return {{}, QStringLiteral("The file is not a PNG picture.")};
    }

    QImageReader reader(&file, "png");
    reader.setAllocationLimit(kAllocationLimitMB);
    // The header gives the size; a picture too large to hold is refused before anything is allocated.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return {{}, QStringLiteral("The PNG header is damaged.")};
    }
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (size.width() > kMaxSide || size.height() > kMaxSide ||
        bytes > qint64(kAllocationLimitMB) * 1024 * 1024) {
        return {{},
                QStringLiteral("The picture is too large to show (%1 x %2 pixels).")
                    .arg(size.width())
                    .arg(size.height())};
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return {{},
                QStringLiteral("The PNG picture is damaged or incomplete (%1).").arg(reader.errorString())};
    }
    return {image, {}};
}

QImage PictureLoader::LoadPngPicture(const QString &path) {
    DecodedPicture picture = decode(path);
    if (!picture.ok()) {
        report(path, picture.error);
    }
    return picture.image;
}

void PictureLoader::report(const QString &path, const QString &error) {
    if (m_reported.contains(path)) {
        return;
    }
    m_reported.insert(path);
    m_prompts.inform(
        QStringLiteral("Quorvex cannot show the picture %1.\n%2").arg(QDir::toNativeSeparators(path), error),
        kAppTitle, PromptIcon::Warning);
}

QSize PictureLoader::fittedSize(const QSize &picture, const QSize &area) {
    if (picture.isEmpty() || area.isEmpty()) {
        return {0, 0};
    }
    if (picture.width() <= area.width() && picture.height() <= area.height()) {
        return picture;
    }
    return picture.scaled(area, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace qx
