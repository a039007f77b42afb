#include "dialogs/FrontendPathsSettings.h"

#include "app/FrontendSettings.h"

namespace qx {

QString FrontendPathsSettings::picturePath() const {
    return m_settings.get(Settings::PicturePath);
}

bool FrontendPathsSettings::setPicturePath(const QString &folder) {
    return m_settings.set(Settings::PicturePath, folder);
}

bool FrontendPathsSettings::confirmVerify() const {
    // As for "Verify All Sets": only 1 asks; a missing key takes the default, 1.
    return m_settings.get(Settings::ConfirmVerify);
}

QString FrontendPathsSettings::dialogueFont() const {
    return m_settings.get(Settings::DialogueFont);
}

} // namespace qx
