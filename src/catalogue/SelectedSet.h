#pragma once

#include "catalogue/SetView.h"

#include <QString>

namespace qx {

// The set the browser shows as selected, as the status bar displays it: a copy of its texts, so it stays
// valid when the catalogue is replaced. Every part of the program that acts on "the selected set" (play,
// verify, the information panel, the tray, the clipboard, the option dialogs) asks the browser for it.
struct SelectedSet {
    QString name; // empty: no set is selected
    QString parent;
    QString driver;
    QString description;
    // Shown in the status bar beside the others.
    QString year;
    QString manufacturer;
    QString status;

    bool isEmpty() const { return name.isEmpty(); }
    bool operator==(const SelectedSet &) const = default;

    static SelectedSet Of(SetView set) {
        return {set.name().toString(),        set.parent().toString(), set.driver().toString(),
                set.description().toString(), set.year().toString(),   set.manufacturer().toString(),
                set.status().toString()};
    }
};

} // namespace qx
