#pragma once

#include <array>

class QAction;
class QMenu;

namespace qx {

// The menu entries and toolbar buttons the browser drives, as the main window hands them over (its
// MainActions). Missing ones stay null.
struct BrowserActions {
    QAction *filePlay = nullptr;          // mnuFilePlay
    QAction *filePlayBar = nullptr;       // mnuFilePlayBar, the separator under it
    QAction *fileAddFav = nullptr;        // mnuFileAddFav
    QAction *viewFav = nullptr;           // mnuViewFav
    std::array<QAction *, 3> viewMode{};  // mnuListViewMode1..3
    std::array<QAction *, 2> gameLists{}; // mnuViewGameLists1..2
    QAction *clones = nullptr;            // mnuOptionsClones
    QAction *collapse = nullptr;          // mnuCollapse
    QAction *columnOrder = nullptr;       // mnuToolsColumnOrder
    QAction *popupPlay = nullptr;         // mnuItemPopupPlay
    QAction *popupAddFav = nullptr;       // mnuItemPopupAddFav
    QAction *popupRemFav = nullptr;       // mnuItemPopupRemFav
    QAction *favourites = nullptr;        // tbrFavourites, button 1
    QAction *addFav = nullptr;            // tbrAddFav, button 2
    QAction *available = nullptr;         // tbrAvailable, button 4
    QAction *unavailable = nullptr;       // tbrUnavailable, button 5
    QAction *paths = nullptr;             // tbrPaths, button 7
    QAction *options = nullptr;           // tbrOptions, button 8
    QAction *verify = nullptr;            // tbrVerify, button 10
    QMenu *fileMenu = nullptr;            // mnuFile, when the window has one
};

} // namespace qx
