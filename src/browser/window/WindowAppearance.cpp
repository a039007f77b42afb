#include "browser/window/WindowAppearance.h"

#include "app/AppearanceConversions.h"
#include "app/FrontendSettings.h"

#include <QWidget>

namespace qx {

namespace {

FontChoice readFont(const FrontendSettings &s, const QString &prefix, const QString &styleprefix,
                    const QString &colourKey) {
    FontChoice font;
    font.family = s.text(prefix + QStringLiteral("FontName"));
    font.bold = s.flag(prefix + QStringLiteral("FontBold"));
    font.italic = s.flag(prefix + QStringLiteral("FontItalic"));
    font.pointSize = std::max(0, s.integer(prefix + QStringLiteral("FontSize")));
    font.strikeOut = s.flag(styleprefix + QStringLiteral("StrikeOut"));
    font.underline = s.flag(styleprefix + QStringLiteral("Underline"));
    if (!colourKey.isEmpty()) {
        font.colour = s.colour(colourKey);
    }
    return font;
}

QString colourText(const std::optional<quint32> &colour) {
    return colour ? QString::number(*colour) : QString();
}

bool writeFont(const FrontendSettings &s, const FontChoice &font, const QString &prefix,
               const QString &styleprefix, const QString &colourKey) {
    auto flag = [](bool on) {
        return on ? QStringLiteral("-1") : QStringLiteral("0");
    };
    bool ok = s.write(prefix + QStringLiteral("FontName"), font.family);
    ok &= s.write(prefix + QStringLiteral("FontBold"), flag(font.bold));
    ok &= s.write(prefix + QStringLiteral("FontItalic"), flag(font.italic));
    ok &= s.write(prefix + QStringLiteral("FontSize"),
                  font.pointSize > 0 ? QString::number(font.pointSize) : QString());
    ok &= s.write(styleprefix + QStringLiteral("StrikeOut"), flag(font.strikeOut));
    ok &= s.write(styleprefix + QStringLiteral("Underline"), flag(font.underline));
    if (!colourKey.isEmpty()) {
        ok &= s.write(colourKey, colourText(font.colour));
    }
    return ok;
}

} // namespace

WindowAppearance WindowAppearance::Read(const FrontendSettings &s) {
    WindowAppearance a;
    a.listFont = readFont(s, QString(), QString(), QStringLiteral("FontColour"));
    a.listBackColour = s.colour(QStringLiteral("BackColour"));
    a.treeBackColour = s.colour(QStringLiteral("TreeBackColour"));
    a.statusFont = readFont(s, QStringLiteral("sb"), QStringLiteral("sb"), QString());
    a.infoFont =
        readFont(s, QStringLiteral("info"), QStringLiteral("info"), QStringLiteral("infoFontColour"));
    a.infoBackColour = s.colour(QStringLiteral("infoBackColour"));
    a.pictureBackColour = s.colour(QStringLiteral("picBackColour"));
    return a;
}

bool WindowAppearance::writeListAndInfo(const FrontendSettings &s) const {
    bool ok = writeFont(s, listFont, QString(), QString(), QStringLiteral("FontColour"));
    ok &= s.write(QStringLiteral("BackColour"), colourText(listBackColour));
    ok &= writeFont(s, infoFont, QStringLiteral("info"), QStringLiteral("info"),
                    QStringLiteral("infoFontColour"));
    ok &= s.write(QStringLiteral("infoBackColour"), colourText(infoBackColour));
    ok &= s.write(QStringLiteral("picBackColour"), colourText(pictureBackColour));
    return ok;
}

bool WindowAppearance::writeStatusFont(const FrontendSettings &s) const {
    return writeFont(s, statusFont, QStringLiteral("sb"), QStringLiteral("sb"), QString());
}

bool WindowAppearance::writeTreeBackColour(const FrontendSettings &s) const {
    return s.write(QStringLiteral("TreeBackColour"), colourText(treeBackColour));
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
