#pragma once

#include <QString>
#include <QStringList>

namespace qx {

class FrontendSettings;

// Quorvex's home page and its developers' address, the about box's two links.
inline const QString kHomePage = QStringLiteral("https://github.com/quorvex/quorvex");
inline const QString kContactEmail = QStringLiteral("quorvex@users.noreply.github.com");

// "About Quorvex".
QString AboutCaption();
// "MAME Frontend v" and Quorvex's own version, major.minor.revision.
QString FrontendVersionLine();
// The line that credits Quorvex's authors.
QString AboutCreditLine();

// The about box's version lines (lblVersion 0 to 4): Quorvex's own version; then, once an emulator is
// known (Version not empty), its version line, its executable, "Supported Sets: " with setlimit and "("
// with biossets " are BIOS sets)". A count that is not a whole number (a hand-edited file) is said to be
// unknown rather than shown as it is.
QStringList AboutVersionLines(const FrontendSettings &settings);

} // namespace qx
