#include "browser/setlist/FavouritesController.h"

#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"
#include "browser/setlist/SetBrowser.h"

#include <QAction>
#include <QMenu>
#include <QToolTip>
#include <QWidget>

namespace qx {

namespace {

const QString kAddFavouriteCaption = QStringLiteral("Add To &Favourites");
const QString kRemoveFavouriteCaption = QStringLiteral("Remove From &Favourites");

bool IsChecked(const QAction *action) {
    return action && action->isChecked();
}

void SetChecked(QAction *action, bool checked) {
    if (action) {
        action->setChecked(checked);
    }
}

} // namespace

FavouritesController::FavouritesController(SetBrowser &browser, const BrowserActions &actions,
                                           const ProgramState &state, const FrontendSettings &settings,
                                           UserPrompts &prompts, QObject *parent)
    : QObject(parent), m_browser(browser), m_actions(actions), m_state(state), m_settings(settings),
      m_prompts(prompts) {
    const auto onTrigger = [this](QAction *action, auto handler) {
        if (action) {
            connect(action, &QAction::triggered, this, handler);
        }
    };
    onTrigger(m_actions.viewFav, [this] { ToggleFavouritesView(); });
    onTrigger(m_actions.fileAddFav, [this] { onFileAddFavourite(); });
    onTrigger(m_actions.popupAddFav, [this] { AddFavourite(); });
    onTrigger(m_actions.popupRemFav, [this] { RemoveFavourite(); });
    onTrigger(m_actions.favourites, [this](bool pressed) { onFavouritesButton(pressed); });
    onTrigger(m_actions.addFav, [this] { onAddFavouriteButton(); });
    if (m_actions.fileMenu) {
        connect(m_actions.fileMenu, &QMenu::aboutToShow, this, &FavouritesController::prepareFileMenu);
    }
}

FavouritesFile FavouritesController::file() const {
    return FavouritesFile(m_state.favouritesPath());
}

bool FavouritesController::viewOn() const {
    return IsChecked(m_actions.favourites) || IsChecked(m_actions.viewFav);
}

void FavouritesController::setViewChecked(bool on) {
    SetChecked(m_actions.favourites, on);
    SetChecked(m_actions.viewFav, on);
}

void FavouritesController::endView() {
    setViewChecked(false);
    for (QAction *entry : m_actions.gameLists) {
        if (entry) {
            entry->setEnabled(true);
        }
    }
}

QList<TrayFavourite> FavouritesController::trayFavourites() const {
    return TrayFavouriteEntries(m_browser.catalogue(), file());
}

void FavouritesController::reportWriteFailure(const QString &error) {
    m_prompts.inform(QStringLiteral("Quorvex could not change the favourites:\n%1\n"
                                    "The favourites file was left as it was.")
                         .arg(error),
                     kAppTitle, PromptIcon::Error);
}

void FavouritesController::AddFavourite() {
    if (m_state.CurrentSetName.isEmpty()) {
        return;
    }
    QString error;
    if (!file().add(m_state.CurrentSetName, m_settings.get(Settings::SortFav), &error)) {
        reportWriteFailure(error);
    }
}

void FavouritesController::RemoveFavourite() {
    QString error;
    if (!file().remove(m_state.CurrentSetName, &error)) {
        reportWriteFailure(error);
        return;
    }
    if (!viewOn()) {
        return;
    }
    if (m_browser.dropSelectedFavourite()) {
        return;
    }
    // The last favourite is gone: back to the normal view.
    if (IsChecked(m_actions.favourites)) {
        m_browser.SyncFilterFromToolbar();
    }
    setViewChecked(false);
    m_browser.refillShownView(false);
    m_browser.RefreshToolTips();
}

void FavouritesController::ToggleFavouritesView() {
    QAction *menu = m_actions.viewFav;
    if (!menu) {
        return;
    }
    if (!file().exists()) {
        menu->setChecked(IsChecked(m_actions.favourites)); // undo the entry's own flip
        showNoFavouritesHint();
        return;
    }
    const bool on = menu->isChecked();
    setViewChecked(on);
    // The view is refilled without the search, so the box must not show one.
    m_browser.clearSearchQuietly();
    if (!on) {
        m_browser.SyncFilterFromToolbar();
    }
    m_browser.refillShownView(on);
    if (m_browser.isGrouped()) {
        m_browser.shownView().widget()->setFocus();
    }
    m_browser.RefreshToolTips();
}

void FavouritesController::onFavouritesButton(bool pressed) {
    if (!file().exists()) {
        SetChecked(m_actions.favourites, false);
        m_browser.RefreshToolTips();
        showNoFavouritesHint();
        return;
    }
    SetChecked(m_actions.viewFav, pressed);
    if (!pressed) {
        m_browser.SyncFilterFromToolbar();
    }
    m_browser.refillShownViewOrClearSearch(pressed);
    m_browser.RefreshToolTips();
}

void FavouritesController::onAddFavouriteButton() {
    if (IsChecked(m_actions.favourites) || m_state.CurrentSetName.isEmpty()) {
        return;
    }
    if (!IsFavourite(m_state.CurrentSetName)) {
        AddFavourite();
    }
}

void FavouritesController::prepareFileMenu() {
    QAction *entry = m_actions.fileAddFav;
    if (!entry) {
        return;
    }
    const bool selected = m_browser.shownView().selectedSet().has_value();
    entry->setEnabled(selected);
    if (selected) {
        entry->setText(IsFavourite(m_state.CurrentSetName) ? kRemoveFavouriteCaption : kAddFavouriteCaption);
    }
}

void FavouritesController::onFileAddFavourite() {
    if (m_actions.fileAddFav->text() == kRemoveFavouriteCaption) {
        RemoveFavourite();
    } else {
        AddFavourite();
    }
    // The caption follows the file at once, so using the entry again undoes rather than repeats.
    prepareFileMenu();
}

void FavouritesController::showNoFavouritesHint() {
    QWidget *view = m_browser.shownView().widget();
    if (view->isVisible()) {
        QToolTip::showText(view->mapToGlobal(view->rect().center()), kNoFavouritesHint, view);
    }
}

} // namespace qx
