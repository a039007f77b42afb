#pragma once

#include "app/UserPrompts.h"

#include <optional>

class QWidget;

namespace qx {

class FrontendSettings;

// The fonts and colours the user chose for the set list, the status bar and the information panel, as the
// settings store them. Unset sizes and colours mean "the designed value" and are written back empty.
struct WindowAppearance {
    FontChoice listFont;                   // FontName, FontBold, ... FontColour
    std::optional<quint32> listBackColour; // BackColour
    std::optional<quint32> treeBackColour; // TreeBackColour
    FontChoice statusFont;                 // sbFontName, ...
    FontChoice infoFont;                   // infoFontName, ... infoFontColour
    std::optional<quint32> infoBackColour;
    std::optional<quint32> pictureBackColour; // picBackColour

    static WindowAppearance Read(const FrontendSettings &settings);
    // Writes the list and information-panel keys (the status-bar keys are written when they change).
    bool writeListAndInfo(const FrontendSettings &settings) const;
    bool writeStatusFont(const FrontendSettings &settings) const;
    bool writeTreeBackColour(const FrontendSettings &settings) const;
};

// Applies a font choice (and its text colour, when set) to a widget, keeping the designed size when the
// choice has none.
void ApplyFont(QWidget *widget, const FontChoice &choice);
void ApplyTextColour(QWidget *widget, const std::optional<quint32> &colour);
void ApplyBackColour(QWidget *widget, const std::optional<quint32> &colour);

} // namespace qx
