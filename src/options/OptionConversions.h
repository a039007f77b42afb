#pragma once

#include "options/ControlValue.h"
#include "options/EmulatorOptionWrites.h"
#include "options/OptionTable.h"
#include "options/ScreenOptions.h"

#include <QList>
#include <QString>

namespace qx {

class OptionTextSource;

struct LoadedOption {
    bool present = false; // the file has a line for it; otherwise its control is disabled and never written
    ControlValue value;
    LoadNote note = LoadNote::None;
    QString fileText; // the value as the file holds it (the rotation as "rotate 1, ror 0, ...")
};

// A file's values turned into the control's state.
LoadedOption LoadOption(const OptionInfo &info, const OptionTextSource &source);
// Whether two states show the same (an automatic aspect ignores the boxes behind it).
bool SameControlValue(const OptionInfo &info, const ControlValue &a, const ControlValue &b);
// The lines to write for a state; loaded is the state the file gave (the sound module keeps its own name when
// "Enable sound" ends as it was, and an older MAME's 0/1 stays 0/1).
QList<OptionWrite> WrittenOptions(const OptionInfo &info, const ControlValue &value,
                                  const LoadedOption &loaded);
// The value text written for a state; the rotation as "rotate 1, ror 1, rol 0, autoror 0, autorol 0".
QString WrittenText(const OptionInfo &info, const ControlValue &value, const LoadedOption &loaded);

// Conversions shared by the pages.
int SliderPosition(const OptionInfo &info, const QString &text, LoadNote *note = nullptr);
QString SliderText(const OptionInfo &info, int position);  // as written
QString SliderLabel(const OptionInfo &info, int position); // "1.20", "gamma: 1.20", "-12dB", "2/4"
QString ShortestDecimal(double value);                     // 1, 1.2, 0.85
int RotationChoice(const QString &rotate, const QString &ror, const QString &rol, const QString &autoror,
                   const QString &autorol);
QStringList RotationValues(int choice);   // rotate, ror, rol, autoror, autorol
bool SoundEnabled(const QString &module); // not "none" and not "0"
// The input layout as written: "default", or the text after its last folder separator.
QString InputLayoutText(const QString &text);
// What "Reset" puts in the effect file's and the input layout's boxes.
inline constexpr char kNoEffect[] = "none";
inline constexpr char kDefaultInputLayout[] = "default";

// The entries a list shows: its own, plus the file's value when the list does not know it; and the shown
// index of a state, and back.
QStringList ShownEntries(const OptionInfo &info, const LoadedOption &loaded);
int ShownIndex(const OptionInfo &info, const ControlValue &value);
ControlValue ListValueAt(const OptionInfo &info, const LoadedOption &loaded, int shownIndex);

// A sentence for a LoadNote, for the control's tool tip; "" for None.
QString LoadNoteText(const OptionInfo &info, const LoadedOption &loaded);

} // namespace qx
