#pragma once

#include <QByteArray>
#include <QString>

namespace qx {

struct ProgramState;

// MAME puts vector.ini or raster.ini below a driver's and a set's own option files by the type of the set's
// first screen; the options dialog needs to know which to show the right layer values.

// Whether the first screen of setName in MAME's -listxml output is a vector screen. A set that is not in the
// output, or has no screen, counts as raster.
bool FirstScreenIsVector(const QByteArray &listXml, const QString &setName);

// Asks MAME (-listxml <set>, a tenth of a second) through a work file in the program directory. A MAME that
// cannot say (no answer within the run limits, no such set) gives raster, the common case.
bool SetHasVectorScreen(const ProgramState &state, const QString &setName);

inline const QString kScreenTypeWorkFile = QStringLiteral("qx_screen.xml");

} // namespace qx
