#pragma once

#include "app/UserPrompts.h"

#include <QColor>
#include <QFont>

namespace qx {

// Colours are stored as the classic platform colour number: red in the low byte, then green, then blue.
QColor ColourFromNumber(quint32 number);
quint32 NumberFromColour(const QColor &colour);

// A stored font applied over a base font (an empty family or a zero size keeps the base's).
QFont FontFromChoice(const FontChoice &choice, const QFont &base);
FontChoice ChoiceFromFont(const QFont &font);

} // namespace qx
