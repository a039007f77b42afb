#pragma once

#include <QString>

namespace qx {

// The desktop's own services: default handlers for web pages, documents and folders, and the clipboard.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Opens a URL, a document or a folder with the desktop's default handler; false when none took it.
    virtual bool openUrl(const QString &urlOrPath) = 0;
    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() const = 0;
};

} // namespace qx
