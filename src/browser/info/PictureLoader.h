#pragma once

#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>

namespace qx {

class UserPrompts;

// The outcome of decoding one picture file: the image, or why there is none.
struct DecodedPicture {
    QImage image;
    QString error; // empty when the image was read
    bool ok() const { return error.isEmpty(); }
};

// Loads the PNG pictures of the information panel (LoadPngPicture). A file is checked before it is decoded:
// an empty file, a file that is no PNG whatever its name, and a picture whose declared size would need
// more memory than the allocation limit are refused without allocating; a damaged or truncated PNG is
// refused by the decoder. A refused file is reported once, so stepping back to its set does not bring the
// message up again.
class PictureLoader {
public:
    static constexpr int kAllocationLimitMB = 128;
    static constexpr int kMaxSide = 16384;

    explicit PictureLoader(UserPrompts &prompts) : m_prompts(prompts) {}

    // Decodes the file, reporting a refusal through the prompts; a null image when refused.
    QImage LoadPngPicture(const QString &path);

    // Decodes without reporting (safe on any thread).
    static DecodedPicture decode(const QString &path);
    // Reports why a file was refused, unless that file was reported before.
    void report(const QString &path, const QString &error);

    // The size a picture is drawn at: scaled down to fit the area, keeping its aspect ratio, never enlarged.
    static QSize fittedSize(const QSize &picture, const QSize &area);

private:
    UserPrompts &m_prompts;
    QSet<QString> m_reported;
};

} // namespace qx
