#pragma once

namespace qx {

// The set list's three view modes, numbered as View ▸ Grouped, List and Details and as ViewMode stores
// them: Grouped is the tree, List and Details are the two styles of the list control.
enum class ViewMode { Grouped = 1, List = 2, Details = 3 };

// The mode a stored number stands for; anything else is Details.
inline ViewMode ViewModeFromNumber(int number) {
    return number >= int(ViewMode::Grouped) && number <= int(ViewMode::Details) ? ViewMode(number)
                                                                                : ViewMode::Details;
}

} // namespace qx
