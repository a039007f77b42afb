#pragma once

#include "app/Twips.h"
#include "browser/info/HistoryDatabase.h"
#include "browser/info/PictureLoader.h"
#include "catalogue/SelectedSet.h"

#include <QFrame>
#include <QImage>
#include <QString>
#include <QThreadPool>
#include <functional>

class QAction;
class QLabel;
class QPlainTextEdit;
class QScrollBar;

namespace qx {

class FrontendSettings;
class PlatformServices;
class UserPrompts;
struct ProgramState;

// What the information panel needs from the program around it.
struct InfoPanelContext {
    ProgramState &state;
    const FrontendSettings &settings;
    UserPrompts &prompts;
    PlatformServices &services;
    QAction *historyAction; // View ▸ "&History", with its pop-up twin
    QAction *pictureAction; // View ▸ "Picture &Image", with its pop-up twin
    // The set the browser shows as selected (what the panel shows when it is switched on).
    std::function<SelectedSet()> selectedSet;
    // Selects the shown view's selected entry again (after View ▸ History was switched).
    std::function<void()> reselectShownView;
};

// The information panel right of the set list (picHolder): the history text of the current set
// (txtHistory), its picture (picFlyer) with the caption line (Label1) and the scroll bar (HScroll1) that
// steps through the set's numbered snapshots. It builds and lays out its own children within the rectangle
// the main window gives it, owns what it shows (whether the history file is there, which parts are on),
// and drives View ▸ History and View ▸ Picture Image. The main window's layout depends on whether the panel
// is shown and on its picture's width: layoutChanged says when either may have changed.
class InfoPanel : public QFrame {
    Q_OBJECT
public:
    InfoPanel(InfoPanelContext context, QWidget *parent = nullptr);
    ~InfoPanel() override;

    // --- Start-up and shutdown ---
    // Loads the history file and applies ShowHistory and picture: visibility, check marks, BothShown.
    void restoreFromSettings();
    // Writes picture and ShowHistory ("-1"/"0"); false when the settings file could not be written.
    bool writeSettings() const;

    // --- Layout ---
    // Takes the rectangle (in the parent, in twips) and lays out the caption, picture, history and scroll bar
    // in it, fitting the picture anew.
    void place(const TwipsRect &rect);
    // The width of the picture as drawn, in pixels; 0 when none is shown.
    int pictureWidth() const;

    // --- Selection ---
    // A set was selected: its history when the history is shown, its pictures when the picture is shown;
    // the scroll bar goes back to 0.
    void showSetInfo(const QString &name, const QString &parent);
    // No set is selected: history, picture and caption emptied.
    void clearSetInfo();

    // --- The documented operations ---
    // Notes whether the emulator directory has a history file; the file itself is read (off the window
    // thread) only while the history is shown, as a large or crafted file takes a while to index.
    void LoadHistory();
    QString HistoryRevision() const;
    void ShowSetHistory(const QString &name);
    void ShowPicture(const QString &name, const QString &parent);
    void ShowSnapshot();

    // --- Commands ---
    void setHistoryShown(bool shown); // View ▸ "&History" and its pop-up twin
    void setPictureShown(bool shown); // View ▸ "Picture &Image" and its pop-up twin
    void reloadHistory();             // Tools ▸ "Reload History File"
    void openHistoryInEditor();       // item pop-up ▸ "Open History in Text Editor"
    void toggleScrollBar();           // double-click on the caption, the picture or the panel
    void refreshToolTip();            // the caption's tooltip, by the ShowToolTips preference
    void setScrollBarEnabled(bool enabled);

    // --- State ---
    bool historyShown() const { return m_historyShown; }
    bool pictureShown() const { return m_pictureShown; }
    bool bothShown() const { return m_bothShown; }
    bool historyAvailable() const { return m_historyAvailable; }
    bool singlePicture() const { return m_singlePicture; }
    bool snapshotMode() const { return m_snapshotMode; }
    // The set whose history and picture are shown; empty when none is.
    const QString &shownSet() const { return m_name; }
    // Removes the shown picture (after its file was deleted): no picture, height 0, width 100 twips.
    void removePicture();
    // The numbered snapshot file the picture shows ("0003.png"); empty while it shows a flyer, nothing, or
    // a snapshot that was not found.
    QString shownSnapshot() const;
    // The caption line's text (a renamed or deleted snapshot's new name).
    void setCaption(const QString &text);
    bool snapshotScrolled() const { return m_snapshotScrolled; }
    const HistoryDatabase &historyDatabase() const { return m_history; }
    bool historyLoaded() const { return m_historyLoad == HistoryLoad::Done; }
    // Waits for the history file being read and shows it (for callers that need the result at once).
    void finishHistoryLoad();
    // The picture being shown, at its own size; null when none is.
    const QImage &currentPicture() const { return m_image; }
    // Pictures are decoded off the window thread and shown when ready. True while one is on its way.
    bool picturePending() const { return m_pending; }
    // Waits for the picture on its way and shows it (for callers that need the result at once).
    void finishPendingPicture();

    // The children, for the fonts and colours the main window gives them.
    QLabel *caption() const { return m_caption; }
    QLabel *picture() const { return m_picture; }
    QPlainTextEdit *historyBox() const { return m_historyBox; }

    static inline const QString kHistoryWorkFile = QStringLiteral("qx_history.txt");

Q_SIGNALS:
    // The panel was shown or hidden, or its picture changed size: the window lays out again.
    void layoutChanged();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    enum class HistoryLoad { NotStarted, Running, Done };

    void createChildren();
    void connectActions();
    void ensureHistoryLoaded();
    void historyRead(quint64 ticket, const HistoryDatabase &database, bool ok);
    void hideMissingHistory();
    void showPictureFile(const QString &path);
    void pictureDecoded(quint64 ticket, const QString &path, const DecodedPicture &picture,
                        const QImage &drawn);
    QSize pictureArea() const;
    void fitPicture();
    void layoutChildren();
    // The picture or the parts shown changed: laid out anew, and the window told.
    void relayout();
    QString snapshotPath(const QString &name, int number) const;

    InfoPanelContext m_context;
    QSize m_size; // in twips, as the window placed the panel
    HistoryDatabase m_history;
    HistoryLoad m_historyLoad = HistoryLoad::NotStarted;
    quint64 m_historyTicket = 0; // the history read whose result is awaited
    QString m_historyName;       // the set whose history is asked for
    PictureLoader m_loader;

    QLabel *m_caption = nullptr;
    QLabel *m_picture = nullptr;
    QPlainTextEdit *m_historyBox = nullptr;
    QScrollBar *m_scroll = nullptr;

    QString m_name; // the set whose information is shown
    QString m_parent;
    QImage m_image;
    QImage m_drawn;       // m_image scaled to fit, as the decoder prepared it
    quint64 m_ticket = 0; // the picture request whose result is awaited; older results are dropped
    bool m_pending = false;
    bool m_historyShown = false;
    bool m_pictureShown = false;
    bool m_bothShown = false;
    bool m_historyAvailable = false;
    bool m_singlePicture = false;
    bool m_snapshotMode = false;
    bool m_snapshotScrolled = false;
    // Declared last: destroyed first, they wait for a running decode or history read before the rest goes.
    QThreadPool m_decoder;
    QThreadPool m_historyReader;
};

} // namespace qx
