#pragma once

#include "browser/setlist/BrowserActions.h"
#include "browser/setlist/FavouritesFile.h"

#include <QObject>

namespace qx {

class FrontendSettings;
class SetBrowser;
class UserPrompts;
struct ProgramState;

inline const QString kNoFavouritesHint = QStringLiteral(
    "No favourites to show. To add one, right-click a set and choose \u201CAdd To Favourites\u201D.");

// The set browser's favourites: qx_fav.dat, the File menu's "Add To / Remove From Favourites", the item
// pop-up's twins, toolbar button 2, and the Favourites view that Set-List ▸ Favourites and toolbar button 1
// turn on and off. A write that fails is reported and leaves the file as it was.
class FavouritesController : public QObject {
    Q_OBJECT
public:
    FavouritesController(SetBrowser &browser, const BrowserActions &actions, const ProgramState &state,
                         const FrontendSettings &settings, UserPrompts &prompts, QObject *parent = nullptr);

    // The Favourites view is shown (its menu entry or its toolbar button is down).
    bool viewOn() const;
    // Checks or unchecks the Favourites entry and button together, without a refill.
    void setViewChecked(bool on);
    // Ends the Favourites view without a refill (the catalogue is being replaced).
    void endView();
    QStringList names() const { return file().names(); }
    bool IsFavourite(const QString &name) const { return file().contains(name); }
    void AddFavourite();    // the current set
    void RemoveFavourite(); // the current set; in the Favourites view it leaves the view too
    void ToggleFavouritesView();
    // The tray's Favourites submenu entries; none means the disabled "no favourites".
    QList<TrayFavourite> trayFavourites() const;
    // The File menu is about to open: "Add To" or "Remove From Favourites" by the current set.
    void prepareFileMenu();

private:
    FavouritesFile file() const;
    void onFavouritesButton(bool pressed);
    void onAddFavouriteButton();
    void onFileAddFavourite();
    void showNoFavouritesHint();
    void reportWriteFailure(const QString &error);

    SetBrowser &m_browser;
    BrowserActions m_actions;
    const ProgramState &m_state;
    const FrontendSettings &m_settings;
    UserPrompts &m_prompts;
};

} // namespace qx
