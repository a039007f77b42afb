#pragma once

#include "catalogue/SetRecord.h"

#include <QIcon>

namespace qx {

// The small icons of a set's availability: a green tick for an available set, a red cross for an
// unavailable one, each also in a ghosted (faded) form for clones. Drawn once and shared.
class StateIcons {
public:
    static const QIcon &icon(SetState state, bool ghosted = false);
};

} // namespace qx
