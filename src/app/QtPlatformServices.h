#pragma once

#include "app/PlatformServices.h"

namespace qx {

// The desktop's default handlers (browser, text editor, file manager) and the system clipboard.
class QtPlatformServices : public PlatformServices {
public:
    bool openUrl(const QString &urlOrPath) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() const override;
};

} // namespace qx
