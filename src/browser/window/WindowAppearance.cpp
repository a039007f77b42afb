#include "browser/window/WindowAppearance.h"

#include "app/AppearanceConversions.h"
#include "app/FrontendSettings.h"

#include <QWidget>

namespace qx {

namespace {

// The keys of one font choice; the status bar's has no colour key.
struct FontKeys {
    const TextSetting &name;
    const FlagSetting &bold;
    const FlagSetting &italic;
    const IntegerSetting &size; // empty: the designed size
    const FlagSetting &strikeOut;
    const FlagSetting &underline;
    const ColourSetting *colour;
};

const FontKeys kListFont{Settings::FontName,  Settings::FontBold,  Settings::FontItalic, Settings::FontSize,
                         Settings::StrikeOut, Settings::Underline, &Settings::FontColour};
const FontKeys kStatusFont{Settings::SbFontName,
                           Settings::SbFontBold,
                           Settings::SbFontItalic,
                           Settings::SbFontSize,
                           Settings::SbStrikeOut,
                           Settings::SbUnderline,
                           nullptr};
const FontKeys kInfoFont{Settings::InfoFontName,   Settings::InfoFontBold,  Settings::InfoFontItalic,
                         Settings::InfoFontSize,   Settings::InfoStrikeOut, Settings::InfoUnderline,
                         &Settings::InfoFontColour};

FontChoice readFont(const FrontendSettings &s, const FontKeys &keys) {
    FontChoice font;
    font.family = s.get(keys.name);
    font.bold = s.get(keys.bold);
    font.italic = s.get(keys.italic);
    font.pointSize = std::max(0, s.get(keys.size));
    font.strikeOut = s.get(keys.strikeOut);
    font.underline = s.get(keys.underline);
    if (keys.colour) {
        font.colour = s.get(*keys.colour);
    }
    return font;
}

bool writeFont(const FrontendSettings &s, const FontChoice &font, const FontKeys &keys) {
    bool ok = s.set(keys.name, font.family);
    ok &= s.set(keys.bold, font.bold);
    ok &= s.set(keys.italic, font.italic);
    // An unset size is written empty, as the default file has it.
    ok &= s.write(keys.size, font.pointSize > 0 ? QString::number(font.pointSize) : QString());
    ok &= s.set(keys.strikeOut, font.strikeOut);
    ok &= s.set(keys.underline, font.underline);
    if (keys.colour) {
        ok &= s.set(*keys.colour, font.colour);
    }
    return ok;
}

} // namespace

WindowAppearance WindowAppearance::Read(const FrontendSettings &s) {
    WindowAppearance a;
    a.listFont = readFont(s, kListFont);
    a.listBackColour = s.get(Settings::BackColour);
    a.treeBackColour = s.get(Settings::TreeBackColour);
    a.statusFont = readFont(s, kStatusFont);
    a.infoFont = readFont(s, kInfoFont);
    a.infoBackColour = s.get(Settings::InfoBackColour);
    a.pictureBackColour = s.get(Settings::PicBackColour);
    return a;
}

bool WindowAppearance::writeListAndInfo(const FrontendSettings &s) const {
    bool ok = writeFont(s, listFont, kListFont);
    ok &= s.set(Settings::BackColour, listBackColour);
    ok &= writeFont(s, infoFont, kInfoFont);
    ok &= s.set(Settings::InfoBackColour, infoBackColour);
    ok &= s.set(Settings::PicBackColour, pictureBackColour);
    return ok;
}

bool WindowAppearance::writeStatusFont(const FrontendSettings &s) const {
    return writeFont(s, statusFont, kStatusFont);
}

bool WindowAppearance::writeTreeBackColour(const FrontendSettings &s) const {
    return s.set(Settings::TreeBackColour, treeBackColour);
}

void ApplyFont(QWidget *widget, const FontChoice &choice) {
    if (!widget) {
        return;
    }
    widget->setFont(FontFromChoice(choice, widget->font()));
    ApplyTextColour(widget, choice.colour);
}

void ApplyTextColour(QWidget *widget, const std::optional<quint32> &colour) {
    if (!widget || !colour) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, ColourFromNumber(*colour));
    palette.setColor(QPalette::WindowText, ColourFromNumber(*colour));
    widget->setPalette(palette);
}

void ApplyBackColour(QWidget *widget, const std::optional<quint32> &colour) {
    if (!widget || !colour) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, ColourFromNumber(*colour));
    palette.setColor(QPalette::Window, ColourFromNumber(*colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace qx
