#pragma once

#include <QIcon>

class QComboBox;
class QLabel;
class QStatusBar;
class QString;
class QWidget;

namespace qx {

// Puts the window into, or takes it out of, the always-on-top layer without moving or sizing it.
void SetTopmost(QWidget *window);
void ClearTopmost(QWidget *window);

// From the last entry to the first: an entry equal (case-insensitively) to a later one is removed, so equal
// entries collapse to one.
void RemoveDuplicateItems(QComboBox *combo);

// Adds a sunken text panel to a status bar, with its share (stretch) of the bar's width. The panel gives way
// to the window's minimum size rather than to its text.
QLabel *AddStatusPanel(QStatusBar *bar, const QString &objectName, int stretch);

// Quorvex's own icon, the one of its menu entry, in every size the desktop draws it at.
QIcon ApplicationIcon();

} // namespace qx
