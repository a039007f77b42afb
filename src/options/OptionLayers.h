#pragma once

#include "options/ControlValue.h"
#include "options/OptionFileSnapshot.h"
#include "options/OptionTable.h"

#include <QList>
#include <QString>
#include <optional>

namespace qx {

class OptionModel;
class OptionScope;

// One option file below the scope's own, in the order MAME applies them.
struct OptionLayer {
    QString label; // "mame.ini", "raster.ini", "source/pong.ini", "puckman.ini"
    QString path;  // "" when no folder of inipath holds it
    OptionFileSnapshot file;
};

// One layer's value of an option, for the layer indicator's tool tip.
struct LayerValue {
    QString label;
    QString text;
};

// The files whose values a layer file overrides: for a Vector scope mame.ini; for a Driver scope also
// raster.ini or vector.ini; for a Set scope also source/<driver>.ini and, for a clone, the parent's file.
// Each is the first one MAME finds along inipath. The Default scope has none.
class OptionLayers {
public:
    static OptionLayers load(const OptionScope &scope, const QString &emulatorIniPath,
                             const QString &emulatorDir);

    const QList<OptionLayer> &layers() const { return m_layers; }
    // The layers (that exist and have the option) with their value texts, lowest first.
    QList<LayerValue> valuesBelow(OptionId id) const;
    // What the layers below give together, as the control would show it; nullopt when none has the option.
    std::optional<ControlValue> valueBelow(OptionId id) const;
    // The scope's file, as the model holds it now, sets something other than the layers below give.
    bool overrides(OptionId id, const OptionModel &model) const;
    // "mame.ini 1.0 · vector.ini 1.2 · this file 1.5"; "" when no layer below has the option.
    QString toolTip(OptionId id, const OptionModel &model) const;

private:
    QList<OptionLayer> m_layers;
};

} // namespace qx
