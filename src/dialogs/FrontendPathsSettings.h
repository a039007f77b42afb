#pragma once

#include "dialogs/PathsSettings.h"

namespace qx {

class FrontendSettings;

// The paths dialog's settings in qx.ini's FRONTEND section.
class FrontendPathsSettings : public PathsSettings {
public:
    explicit FrontendPathsSettings(const FrontendSettings &settings) : m_settings(settings) {}

    QString picturePath() const override;
    bool setPicturePath(const QString &folder) override;
    bool confirmVerify() const override;
    QString dialogueFont() const override;

private:
    const FrontendSettings &m_settings;
};

} // namespace qx
