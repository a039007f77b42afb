#pragma once

#include <QString>

namespace qx {

// What a control shows, in the control's own terms. Which fields count depends on the kind:
//   CheckBox, SoundModule  number 0 or 1 (ticked)
//   Slider                 number = position
//   List, Rotation         number = entry index; -1 with text = a value the list does not know, kept as it is
//   Text, Monitor          text ("auto" for the monitor's Auto)
//   Aspect                 number 1 = automatic; text : second = width : height
//   Resolution             text = size "1024x768" ("" = Auto); number = refresh rate (0 = Auto)
struct ControlValue {
    int number = 0;
    QString text;
    QString second;

    bool operator==(const ControlValue &) const = default;
};

// Why a loaded value may not be what the file says; the file keeps its text until the control is changed.
enum class LoadNote { None, Missing, NotANumber, OutOfRange, UnknownValue };

} // namespace qx
