#include "app/AppearanceConversions.h"

namespace qx {

QColor ColourFromNumber(quint32 number) {
    return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

quint32 NumberFromColour(const QColor &colour) {
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

QFont FontFromChoice(const FontChoice &choice, const QFont &base) {
    QFont font = base;
    if (!choice.family.isEmpty()) {
        font.setFamily(choice.family);
    }
    if (choice.pointSize > 0) {
        font.setPointSize(choice.pointSize);
    }
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setStrikeOut(choice.strikeOut);
    font.setUnderline(choice.underline);
    return font;
}

FontChoice ChoiceFromFont(const QFont &font) {
    FontChoice choice;
    choice.family = font.family();
    choice.pointSize = font.pointSize() > 0 ? font.pointSize() : 0;
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.strikeOut = font.strikeOut();
    choice.underline = font.underline();
    return choice;
}

} // namespace qx
