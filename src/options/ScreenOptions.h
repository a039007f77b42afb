#pragma once

#include "options/ControlValue.h"

#include <QList>
#include <QSize>
#include <QStringList>

namespace qx {

// The Screens page's values: resolution<n>, aspect<n>, and the lists it offers.

// MAME's "auto" (an empty value means the same).
bool IsAutoValue(const QString &text);

// "auto" is Auto for both; "1024x768@60" is size and rate; a zero width, height or rate is Auto for that
// part.
ControlValue ResolutionValue(const QString &text, LoadNote *note = nullptr);
// "auto" when both are Auto, else size or "0x0", "@", rate or "0": "1024x768@0", "0x0@75", "1024x768@60".
QString ResolutionText(const ControlValue &value);
QString SizeEntry(const ControlValue &resolution);    // "Auto" or "1024x768"
QString RefreshEntry(const ControlValue &resolution); // "Auto" or "60 Hz"
ControlValue ResolutionFromEntries(const QString &sizeEntry, const QString &refreshEntry);

// "auto" ticks "automatic"; "16:9" fills the width and height boxes.
ControlValue AspectValue(const QString &text, LoadNote *note = nullptr);
// "auto" while automatic or while a box is empty, else width:height.
QString AspectText(const ControlValue &value);

// "Auto", then each display size once, as width "x" height.
QStringList DisplaySizeEntries(const QList<QSize> &modes);
// "Auto", then each refresh rate once, as rate " Hz" (rates of 1 Hz or less are not real rates).
QStringList RefreshRateEntries(const QList<int> &rates);
// "Screen 0" to "Screen n-1".
QStringList ScreenNumberEntries(int screens);
// "Auto", then the monitors' names.
QStringList MonitorEntries(const QStringList &monitorNames);

} // namespace qx
